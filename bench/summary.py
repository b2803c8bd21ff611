"""Prints the table of figures, targets and ratios from the rounds that scripts/bench.sh wrote.

Every figure is processor time per operation: the median of a round's repetitions, then the median over the
rounds. A ratio is worked out within each round (ours and the peer's, measured minutes apart) and its median
over the rounds is shown. On a shared machine only these ratios and the instruction counts of
docs/performance.md compare well; absolute times move with the load.

A row whose benchmark is not in the results (a feature that has not landed) says so. To add a row, add a line
to ROWS; the benchmark names are pixo_bench's and peer.py's.
"""

import glob
import json
import os
import statistics
import sys


class Figure:
    """One of our benchmarks, with an optional upper limit in microseconds."""

    def __init__(self, label, bench, limit_us=None):
        self.label, self.bench, self.limit_us = label, bench, limit_us


class Ratio:
    """Our benchmark divided by another (ours or a peer's), with an optional upper limit of the ratio."""

    def __init__(self, label, bench, other, limit=None):
        self.label, self.bench, self.other, self.limit = label, bench, other, limit


ZOOMS = ["1:1", "2x", "3x", "4x"]
MODES = ["border_picture", "plain_frame", "ruler", "caliper", "glass_only"]
SCREENS = ["1920x1080", "3840x2160"]
# The virtual screen of two and three 4K monitors side by side.
VIRTUAL_SCREENS = ["7680x2160", "11520x2160"]
LAYOUTS = ["one_4k", "two_4k", "three_4k", "4k_and_1080p"]
NOTATIONS = ["RGB", "HTML hex", "web-safe hex", "BGR hex", "CMYK", "HSB", "XYZ", "LAB"]

ROWS = [
    "DrawTheLoupe, default options (lens picture, crosshair, picker, Pantone)",
    *[Figure(f"  {zoom}", f"DrawAtFactor/{i}", 20) for i, zoom in enumerate(ZOOMS)],
    "Every overlay (XY, magnification, percent black, LAB) over the plain drawn frame",
    Figure("  DrawWithEveryOverlay", "DrawWithEveryOverlay", 25),
    Ratio("  DrawWithEveryOverlay / plain draw at 2x", "DrawWithEveryOverlay", "DrawAtFactor/1"),
    "Enlargement alone (the source square onto 200 x 200)",
    Figure("  1:1 (a copy)", "Enlarge/1:1"),
    *[Figure(f"  {zoom}", f"Enlarge/{zoom}", 6) for zoom in ZOOMS[1:]],
    *[Ratio(f"  {zoom} / Pillow nearest", f"Enlarge/{zoom}", f"pillow_nearest/{zoom}") for zoom in ZOOMS[1:]],
    "Smoothed view (A held): the whole draw, and the resampling alone",
    *[Figure(f"  draw {zoom}", f"DrawSmoothView/{i}", 100) for i, zoom in enumerate(ZOOMS) if i > 0],
    *[Ratio(f"  draw {zoom} / Pillow Lanczos", f"DrawSmoothView/{i}", f"pillow_lanczos/{zoom}", 0.25)
      for i, zoom in enumerate(ZOOMS) if i > 0],
    *[Ratio(f"  resampling {zoom} / Pillow Lanczos", f"SmoothResample/{zoom}", f"pillow_lanczos/{zoom}")
      for zoom in ZOOMS[1:]],
    *[Figure(f"  resampling {zoom}, {path} passes", f"SmoothResample/{zoom}/{path}")
      for zoom in ZOOMS[1:] for path in ["plain", "sse2", "avx2"]],
    "DrawTheLoupe in each lens mode, with picker, exposure check and measuring star on",
    *[Figure(f"  {mode} {zoom}", f"DrawTheLoupe/{mode}/{zoom}", 25 if mode == "plain_frame" else 20)
      for mode in MODES for zoom in ZOOMS],
    "Readouts",
    Figure("  every readout text of one draw (LAB, Pantone, grey)", "ReadoutsOfOneDraw", 2),
    *[Figure(f"  {name}", f"Readout/notation:{i}") for i, name in enumerate(NOTATIONS)],
    Figure("  PmsName, hit", "PmsNameHit"),
    Figure("  PmsName, miss", "PmsNameMiss"),
    Figure("  GreyText", "GreyTextOfGreys"),
    "Full-screen save, 32-bit BMP",
    *[Figure(f"  {screen} into memory", f"SaveBmp/{screen}/memory") for screen in SCREENS],
    *[Figure(f"  {screen} into a new file", f"SaveBmp/{screen}/file") for screen in SCREENS],
    *[Figure(f"  dd, the same bytes, {screen}", f"dd/{screen}") for screen in SCREENS],
    Ratio("  1920x1080 file / dd", "SaveBmp/1920x1080/file", "dd/1920x1080"),
    Ratio("  3840x2160 file / dd", "SaveBmp/3840x2160/file", "dd/3840x2160", 1.3),
    "Several monitors: the virtual screen",
    *[Figure(f"  save of {screen} into a new file", f"SaveBmp/{screen}/file") for screen in VIRTUAL_SCREENS],
    *[Figure(f"  blackening what no monitor shows, {layout}", f"BlackenUnshown/{layout}") for layout in LAYOUTS],
    *[Figure(f"  draw {zoom} on a monitor left of the primary", f"DrawOnTheSecondMonitor/{i}", 20)
      for i, zoom in enumerate(ZOOMS)],
    "Settings store, against the registry double",
    Figure("  ReadSettings", "ReadSettings"),
    Figure("  WriteSettings", "WriteSettings"),
]


def load_rounds(folder):
    """Per round: {benchmark name: median seconds}."""
    rounds = []
    for pixo in sorted(glob.glob(os.path.join(folder, "pixo-*.json"))):
        samples = {}
        with open(pixo) as f:
            for b in json.load(f)["benchmarks"]:
                if b.get("run_type") != "iteration":
                    continue
                scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
                samples.setdefault(b["run_name"], []).append(b["cpu_time"] * scale)
        figures = {name: statistics.median(values) for name, values in samples.items()}
        peer = pixo.replace("pixo-", "peer-")
        if os.path.exists(peer):
            with open(peer) as f:
                figures.update(json.load(f))
        rounds.append(figures)
    return rounds


def median_over(rounds, value):
    values = [v for v in (value(r) for r in rounds) if v is not None]
    return statistics.median(values) if values else None


def time_text(seconds):
    if seconds is None:
        return "-"
    if seconds < 1e-6:
        return f"{seconds * 1e9:.0f} ns"
    if seconds < 1e-3:
        return f"{seconds * 1e6:.1f} µs"
    return f"{seconds * 1e3:.2f} ms"


def verdict(ok):
    return "met" if ok else "NOT MET"


def print_row(row, rounds):
    if isinstance(row, str):
        print(row)
        return
    ours = median_over(rounds, lambda r: r.get(row.bench))
    if ours is None:
        print(f"{row.label:<58} not measured: {row.bench} is not built yet")
        return
    if isinstance(row, Figure):
        target = ""
        if row.limit_us is not None:
            target = f"target under {row.limit_us} µs: {verdict(ours < row.limit_us * 1e-6)}"
        print(f"{row.label:<58} {time_text(ours):>10}   {target}")
        return
    other = median_over(rounds, lambda r: r.get(row.other))
    ratio = median_over(rounds, lambda r: r[row.bench] / r[row.other]
                        if r.get(row.bench) and r.get(row.other) else None)
    if ratio is None:
        print(f"{row.label:<58} {time_text(ours):>10}   no {row.other} to compare with")
        return
    target = ""
    if row.limit is not None:
        target = f"target at most {row.limit}: {verdict(ratio <= row.limit)}"
    print(f"{row.label:<58} {ratio:>10.3f}   ({time_text(ours)} / {time_text(other)})  {target}")


def main():
    folder = sys.argv[1]
    rounds = load_rounds(folder)
    if not rounds:
        sys.exit(f"no results in {folder}")
    print(f"\nProcessor time per operation, median of {len(rounds)} round(s); ratios taken within each round.\n")
    for row in ROWS:
        print_row(row, rounds)


if __name__ == "__main__":
    main()
