#!/usr/bin/env python3
"""Draws the application icon: the lens on its graphite plate, with big magnified pixels behind the glass.

Writes pixoscope.ico with 16, 32 and 48 pixel images as 32-bit bitmaps (with the 1-bit mask older shells
want) and a 256 pixel image as PNG, as the shell expects.

Usage: make_icon.py [--out DIR] [--preview DIR]
"""

import argparse
import math
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import imagefile  # noqa: E402

SIZES = (16, 32, 48, 256)

PLATE = (0.300, 0.318, 0.345)  # the default lens plate
RING = (0.105, 0.110, 0.122)
SCREW = (0.680, 0.695, 0.720)
LIGHT = (-0.45, -0.60)  # from the upper left


def _smoothstep(edge0, edge1, x):
    t = min(1.0, max(0.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3.0 - 2.0 * t)


def _mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def _hue(h):
    h = (h % 1.0) * 6.0
    i, f = int(h), h - int(h)
    return [(1, f, 0), (1 - f, 1, 0), (0, 1, f), (0, 1 - f, 1), (f, 0, 1), (1, 0, 1 - f)][i]


def _rounded_square_distance(u, v, half, corner):
    """Signed distance from (u, v), relative to the centre, to a rounded square (negative inside)."""
    qx, qy = abs(u) - half + corner, abs(v) - half + corner
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - corner


class Design:
    """The icon's geometry for one size, in pixels; small sizes drop the details that would turn to mush."""

    def __init__(self, size):
        self.size = size
        self.centre = size / 2.0
        self.half = size / 2.0 - (0.0 if size <= 16 else size / 64.0)
        self.corner = size * 0.16
        self.ring_outer = size * 0.445
        self.aperture = size * 0.335
        self.screws = size >= 48
        self.cells = 4 if size <= 16 else 5
        self.pixel = 1.0  # width of one device pixel, for anti-aliasing

    def sample(self, x, y):
        """RGBA (0..1) at the point (x, y), with (0, 0) at the icon's top-left corner."""
        u, v = x - self.centre, y - self.centre
        plate_d = _rounded_square_distance(u, v, self.half, self.corner)
        alpha = 1.0 - _smoothstep(-0.5, 0.5, plate_d)
        if alpha <= 0.0:
            return (0.0, 0.0, 0.0, 0.0)
        r = math.hypot(u, v)
        if r < self.aperture:
            colour = self._glass(u, v, r)
        elif r < self.ring_outer:
            colour = self._ring(u, v, r)
        else:
            colour = self._plate(u, v, r, plate_d)
        return colour + (alpha,)

    def _plate(self, u, v, r, plate_d):
        k = 1.0 + 0.10 * (-(u + v) / self.size)
        colour = tuple(c * k for c in PLATE)
        # Bevel: light along the upper and left edges, dark along the lower and right ones.
        bevel = max(1.0, self.size / 40.0)
        if plate_d > -bevel:
            toward = -(u * LIGHT[0] + v * LIGHT[1]) / max(1e-6, math.hypot(u, v))
            colour = _mix(colour, (1.0, 1.0, 1.0) if toward < 0 else (0.0, 0.0, 0.0),
                          0.35 * abs(toward) * (1.0 + plate_d / bevel))
        # The ring's shadow on the plate.
        rs = math.hypot(u - self.size * 0.012, v - self.size * 0.018)
        colour = _mix(colour, (0.0, 0.0, 0.0),
                      0.5 * (1.0 - _smoothstep(self.ring_outer - 0.5, self.ring_outer + self.size * 0.03, rs)))
        if self.screws:
            offset = self.half - self.size * 0.105
            for sx in (-offset, offset):
                for sy in (-offset, offset):
                    screw = self._screw(u - sx, v - sy)
                    if screw is not None:
                        return screw
        return colour

    def _screw(self, du, dv):
        radius = self.size * 0.048
        d = math.hypot(du, dv)
        if d > radius:
            return None
        shade = 1.0 + 0.45 * (-(du * LIGHT[0] + dv * LIGHT[1]) / radius) * -1.0
        colour = tuple(min(0.97, c * shade) for c in SCREW)
        if self.size >= 64 and abs(du - dv) / math.sqrt(2.0) < radius * 0.16:  # the slot, at 45 degrees
            colour = (0.12, 0.12, 0.13)
        return _mix(colour, (0.05, 0.05, 0.06), _smoothstep(radius - 1.0, radius, d) * 0.6)

    def _ring(self, u, v, r):
        width = self.ring_outer - self.aperture
        t = (r - self.aperture) / width  # 0 at the glass, 1 at the outside
        toward = -(u * LIGHT[0] + v * LIGHT[1]) / (r * math.hypot(*LIGHT))  # 1 facing the light
        colour = RING
        if t > 0.7:  # rounded outer edge, lit on the light's side
            colour = _mix(RING, (0.62, 0.64, 0.68), max(0.0, toward) * (t - 0.7) / 0.3 * 0.9)
        elif t < 0.3:  # chamfer into the glass, lit on the far side
            colour = _mix(RING, (0.55, 0.57, 0.60), max(0.0, -toward) * (0.3 - t) / 0.3 * 0.6)
        if t < 0.08:
            colour = _mix(colour, (0.02, 0.02, 0.03), 0.8)
        return colour

    def _glass(self, u, v, r):
        # Big magnified pixels in a spread of hues, separated by a thin dark grid.
        cell = 2.0 * self.aperture / (self.cells - 0.5)
        gx = math.floor(u / cell + self.cells / 2.0)
        gy = math.floor(v / cell + self.cells / 2.0)
        hue = (gx + gy) / (2.0 * (self.cells - 1)) - 0.1  # red at the upper left round to violet
        light = 0.92 if (gx + gy) % 2 else 1.0
        colour = _mix((1.0, 1.0, 1.0), _hue(hue), 0.80)
        colour = tuple(c * light for c in colour)
        fx = (u / cell + self.cells / 2.0) % 1.0
        fy = (v / cell + self.cells / 2.0) % 1.0
        line = self.pixel * 0.5 / cell
        if self.size >= 32 and (min(fx, 1.0 - fx) < line or min(fy, 1.0 - fy) < line):
            colour = tuple(c * 0.35 for c in colour)
        # A soft reflection across the upper left of the glass.
        hx, hy = u + self.aperture * 0.28, v + self.aperture * 0.34
        spot = 1.0 - _smoothstep(self.aperture * 0.25, self.aperture * 0.75, math.hypot(hx * 0.8, hy * 1.25))
        colour = _mix(colour, (1.0, 1.0, 1.0), 0.45 * spot)
        # The glass darkens slightly towards the ring.
        return tuple(min(1.0, c * (1.0 - 0.25 * _smoothstep(self.aperture * 0.6, self.aperture, r))) for c in colour)


def render(size):
    design = Design(size)
    n = 4
    offsets = [((i + 0.5) / n, (j + 0.5) / n) for i in range(n) for j in range(n)]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for ox, oy in offsets:
                c = design.sample(x + ox, y + oy)
                a = c[3]
                acc[0] += c[0] * a
                acc[1] += c[1] * a
                acc[2] += c[2] * a
                acc[3] += a
            alpha = acc[3] / len(offsets)
            if alpha <= 0.0:
                row.append((0, 0, 0, 0))
                continue
            rgb = tuple(max(0, min(255, round(acc[k] / acc[3] * 255.0))) for k in range(3))
            row.append(rgb + (max(0, min(255, round(alpha * 255.0))),))
        rows.append(row)
    return rows


def _dib_image(rows):
    """An icon image in the classic layout: BITMAPINFOHEADER, bottom-up BGRA, then the 1-bit AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def ico_bytes(images):
    """`images` maps size to RGBA rows; sizes of 256 are stored as PNG."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for size in sorted(images):
        blob = imagefile.png_bytes(images[size]) if size >= 256 else _dib_image(images[size])
        dim = 0 if size >= 256 else size
        entries.append(struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Draw the application icon.")
    parser.add_argument("--out", default=os.path.dirname(here))
    parser.add_argument("--preview", help="folder for PNG previews of each size")
    args = parser.parse_args()
    images = {size: render(size) for size in SIZES}
    with open(os.path.join(args.out, "pixoscope.ico"), "wb") as f:
        f.write(ico_bytes(images))
    print("wrote pixoscope.ico")
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for size, rows in images.items():
            imagefile.write_png(os.path.join(args.preview, f"icon_{size}.png"), rows)
            if size < 256:
                imagefile.write_png(os.path.join(args.preview, f"icon_{size}_x8.png"), imagefile.scale_up(rows, 8))


if __name__ == "__main__":
    main()
