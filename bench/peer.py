"""The peers that scripts/bench.sh times beside pixo_bench, in the same minutes.

- Pillow (Debian's python3-pil), in-process: its Lanczos resize of 100, 66 and 50 pixel squares to 200 x 200
  (24-bit RGB), the work of our smoothed view; and its nearest-neighbour resize of the same squares, the work
  of our enlargement.
- dd writing the bytes of a 32-bit BMP of 1920 x 1080 and of 3840 x 2160 into a new file, beside which our
  full-screen save is measured.

Every figure is processor time (user + system), as pixo_bench's "cpu_time": on a shared machine it suffers far
less from the other processes than the time on the clock. Prints one JSON object: {"name": median seconds of
processor time per operation}.
"""

import json
import os
import random
import resource
import statistics
import subprocess
import sys
import tempfile
import time
import timeit

from PIL import Image

SIZES = {"2x": 100, "3x": 66, "4x": 50}
BMP_HEADER = 14 + 40  # file header and BITMAPINFOHEADER
SCREENS = [(1920, 1080), (3840, 2160)]


def median_seconds(call, repeats):
    """Median processor time of one call: timeit's loop sizing, then `repeats` timings of that many calls."""
    timer = timeit.Timer(call, timer=time.process_time)
    number, _ = timer.autorange()
    return statistics.median(t / number for t in timer.repeat(repeat=repeats, number=number))


def pillow(results, repeats):
    rng = random.Random(1)
    for zoom, size in SIZES.items():
        picture = Image.frombytes("RGB", (size, size), bytes(rng.randrange(256) for _ in range(size * size * 3)))
        results[f"pillow_lanczos/{zoom}"] = median_seconds(
            lambda p=picture: p.resize((200, 200), Image.LANCZOS), repeats)
        results[f"pillow_nearest/{zoom}"] = median_seconds(
            lambda p=picture: p.resize((200, 200), Image.NEAREST), repeats)


def children_seconds():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def dd_seconds(path, size):
    """Processor time of one dd writing `size` bytes into a new file."""
    if os.path.exists(path):
        os.remove(path)
    before = children_seconds()
    subprocess.run(["dd", "if=/dev/zero", f"of={path}", "bs=1M", f"count={size}", "iflag=count_bytes"],
                   capture_output=True, check=True)
    return children_seconds() - before


def dd(results, repeats, folder):
    path = os.path.join(folder, "dd.bmp")
    # dd's own start, which writes nothing, is taken off.
    start = statistics.median(dd_seconds(path, 0) for _ in range(repeats))
    for width, height in SCREENS:
        size = BMP_HEADER + width * height * 4
        results[f"dd/{width}x{height}"] = max(
            statistics.median(dd_seconds(path, size) for _ in range(repeats)) - start, 0.0)
    os.remove(path)


def main():
    repeats = int(sys.argv[1]) if len(sys.argv) > 1 else 7
    folder = sys.argv[2] if len(sys.argv) > 2 else tempfile.gettempdir()
    results = {}
    pillow(results, repeats)
    dd(results, repeats, folder)
    json.dump(results, sys.stdout, indent=1)


if __name__ == "__main__":
    main()
