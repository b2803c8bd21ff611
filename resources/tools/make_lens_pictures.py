#!/usr/bin/env python3
"""Draws the five lens frame pictures of the loupe window.

Each picture is 200 x 200 pixels: a metal plate with a slotted screw in three corners and a light name plate
in the bottom-right one, under the magnification label, a dark lens ring and, inside the ring, a pure white
aperture. The loupe ANDs the picture over its view, so white must stay exactly #FFFFFF (it leaves the view
untouched) and everything else covers the view. The five pictures share one design and differ only in the
plate's colour.

Usage: make_lens_pictures.py [--out DIR] [--preview DIR]
  --out      where the BMP files go (default: the resources folder above this script)
  --preview  also write enlarged PNG views, a sheet of all five and the pictures ANDed over a test pattern
"""

import argparse
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import imagefile  # noqa: E402

SIZE = 200
# Pixel centres sit on integer coordinates.

# Before it ANDs the picture on, the loupe makes the corners white outside the platform's elliptic region of
# the box (15, 15)-(185, 185). Regions leave out the right and bottom edges of their box, so that region is a
# disc of radius 84.4 around lens pixel (99, 99), not (99.5, 99.5). Wherever the corners are white the
# picture shows as it is: there it must be frame, without a trace of the aperture's white. So the lens is
# centred on the region, and the aperture's anti-aliased edge ends inside it.
CENTRE = 99.0
CORNER_FILL_RADIUS = 84.39  # the nearest pixel centre that the corner fill makes white
APERTURE_RADIUS = 83.5
SAMPLE_REACH = 0.375 * math.sqrt(2.0)  # how far a pixel's samples lie from its centre (see _OFFSETS)
assert APERTURE_RADIUS + SAMPLE_REACH < CORNER_FILL_RADIUS

# The view must show through every pixel within 81 of lens pixel (100, 100).
GUARANTEED_WHITE_CENTRE = 100.0
GUARANTEED_WHITE_RADIUS = 81.0
assert math.hypot(GUARANTEED_WHITE_CENTRE - CENTRE, GUARANTEED_WHITE_CENTRE - CENTRE) + GUARANTEED_WHITE_RADIUS \
    + SAMPLE_REACH < APERTURE_RADIUS

RING_OUTER = 97.0  # outer edge of the lens ring
RING_BEVEL = 3.2  # knurled outer grip of the ring
RING_CHAMFER = 3.4  # sloped inner edge down to the aperture
KNURL_RIDGES = 180  # ridges around the outer grip

SCREW_INSET = 15.0  # screw centres, measured from the picture's top-left corner
SCREW_RADIUS = 7.0
SLOT_HALF_WIDTH = 1.05
SLOT_ANGLE = math.radians(45.0)  # all slots clocked the same way

# The magnification label (and the key codes shown in its place) lies at (175, 175), 19 x 13 pixels, in dark
# grey text over the picture: the name plate under it is light, and a little larger (edges, in pixels).
LABEL_BOX = (175, 175, 194, 188)  # left, top, right, bottom (exclusive)
NAME_PLATE = (172.5, 172.5, 196.5, 190.5)
NAME_PLATE_COLOUR = (0.975, 0.975, 0.96)  # light enamel, with a touch of the plate's own colour
LABEL_TEXT = (0x66, 0x6D, 0x70)
LABEL_MIN_CONTRAST = 4.5  # contrast ratio of the label's text on the name plate

# Plate colours (sRGB, 0..1) as they appear on a flat, evenly lit part of the plate.
PLATES = {
    "lens_default.bmp": (0.300, 0.318, 0.345),  # graphite
    "lens_red.bmp": (0.600, 0.110, 0.120),
    "lens_green.bmp": (0.160, 0.420, 0.250),
    "lens_blue.bmp": (0.150, 0.300, 0.580),
    "lens_ivory.bmp": (0.900, 0.865, 0.770),
}

RING_COLOUR = (0.105, 0.110, 0.122)  # dark anodised metal
SCREW_COLOUR = (0.660, 0.675, 0.700)  # bright steel


def _normalise(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


LIGHT = _normalise((-0.45, -0.60, 0.75))  # from the upper left, as desktop themes light their controls
HALF_VECTOR = _normalise((LIGHT[0], LIGHT[1], LIGHT[2] + 1.0))
AMBIENT = 0.42
DIFFUSE = 0.70
FLAT_LIGHT = AMBIENT + DIFFUSE * LIGHT[2]


def _hash(ix, iy, seed):
    """A repeatable pseudo-random value in 0..1 for an integer lattice point."""
    h = (ix * 374761393 + iy * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def _smoothstep(edge0, edge1, x):
    t = min(1.0, max(0.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3.0 - 2.0 * t)


def _mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def _scale(c, k):
    return tuple(x * k for x in c)


def _lit(colour, normal, shine, power):
    """Colour of a metal surface with the given normal; a flat surface shows `colour` itself."""
    diffuse = max(0.0, sum(n * l for n, l in zip(normal, LIGHT)))
    light = (AMBIENT + DIFFUSE * diffuse) / FLAT_LIGHT
    specular = shine * max(0.0, sum(n * h for n, h in zip(normal, HALF_VECTOR))) ** power
    return tuple(c * light + specular for c in colour)


def _brushed(x, y):
    """Horizontal brushing of the plate: long faint streaks, a little lighter or darker than the base.
    Returns a change of brightness around 0."""
    iy = math.floor(y)
    u = x / 23.0
    k = math.floor(u)
    t = u - k
    t = t * t * (3.0 - 2.0 * t)
    streak = _hash(k, iy, 7) * (1.0 - t) + _hash(k + 1, iy, 7) * t
    grain = _hash(math.floor(x), iy, 11)
    return (streak - 0.5) * 0.055 + (grain - 0.5) * 0.02


def _plate(x, y, base):
    # Plate lit a little more at the upper left, so it reads as one sheet of metal. Light plates show the
    # brushing more, so it is toned down with the plate's brightness.
    brush = 1.0 - 0.6 * max(base)
    k = 1.0 + 0.07 * (1.0 - (x + y) / SIZE) + _brushed(x, y) * brush * 1.6
    colour = _scale(base, k)
    # A narrow bevel along the edges: bright towards the light, dark away from it.
    left, top = x + 0.5, y + 0.5
    right, bottom = SIZE - 0.5 - x, SIZE - 0.5 - y
    bevel = 2.5
    edge = min(left, top, right, bottom)
    if edge < bevel:
        if edge == left or edge == top:
            colour = _mix(colour, (1.0, 1.0, 1.0), 0.30 * (1.0 - edge / bevel))
        else:
            colour = _mix(colour, (0.0, 0.0, 0.0), 0.45 * (1.0 - edge / bevel))
    if edge < 0.8:
        colour = _mix(colour, (0.0, 0.0, 0.0), 0.35)  # outline against the desktop
    return colour


def _screw_shadow(dx, dy):
    """How much the countersink around a screw darkens the plate (0 = not at all)."""
    d = math.hypot(dx, dy)
    ds = math.hypot(dx - 0.9, dy - 1.1)  # the head's shadow falls to the lower right
    sink = SCREW_RADIUS + 1.6
    dark = 0.0
    if d < sink:
        dark = 0.55
    dark = max(dark, 0.45 * (1.0 - _smoothstep(SCREW_RADIUS, sink + 1.4, ds)))
    return dark


def _screw(dx, dy):
    """The screw head at offset (dx, dy) from its centre, or None outside it."""
    d = math.hypot(dx, dy)
    if d > SCREW_RADIUS:
        return None
    # A shallow dome.
    dome = SCREW_RADIUS * 1.7
    s = d / dome
    normal = (dx / dome, dy / dome, math.sqrt(1.0 - s * s))
    colour = _lit(SCREW_COLOUR, normal, 0.55, 22.0)
    # Turned finish: faint concentric rings.
    colour = _scale(colour, 1.0 + 0.035 * math.sin(d * 5.1))
    # The slot: a groove across the head with a dark floor; the wall facing the light catches it.
    ca, sa = math.cos(SLOT_ANGLE), math.sin(SLOT_ANGLE)
    across = -dx * sa + dy * ca
    along = dx * ca + dy * sa
    if abs(across) < SLOT_HALF_WIDTH and abs(along) < SCREW_RADIUS - 0.2:
        wall_normal = (-sa, ca)  # direction of increasing `across`
        faces_light = (wall_normal[0] * LIGHT[0] + wall_normal[1] * LIGHT[1]) < 0
        lit_side = across > 0 if faces_light else across < 0
        depth = abs(across) / SLOT_HALF_WIDTH
        colour = (0.10, 0.105, 0.115)
        if lit_side and depth > 0.35:
            colour = _mix(colour, (0.55, 0.57, 0.60), (depth - 0.35) / 0.65 * 0.8)
    # Dark edge where the head meets its countersink.
    return _mix(colour, (0.05, 0.05, 0.06), _smoothstep(SCREW_RADIUS - 0.9, SCREW_RADIUS, d) * 0.7)


def _ring(r, ux, uy):
    """The lens ring at radius r, unit direction (ux, uy) from the centre."""
    inner = APERTURE_RADIUS
    angle = math.atan2(uy, ux)
    if r > RING_OUTER - RING_BEVEL:
        # Knurled, rounded outer grip: the normal turns outwards and rocks from ridge to ridge.
        s = (r - (RING_OUTER - RING_BEVEL)) / RING_BEVEL * 0.85
        ridge = 0.45 * math.sin(angle * KNURL_RIDGES)
        normal = _normalise((ux * s - uy * ridge, uy * s + ux * ridge, math.sqrt(1.0 - s * s)))
        return _lit(_scale(RING_COLOUR, 1.7), normal, 0.45, 12.0)
    if r < inner + RING_CHAMFER:
        # Chamfer down into the aperture: the normal turns inwards.
        s = (1.0 - (r - inner) / RING_CHAMFER) * 0.75
        normal = (-ux * s, -uy * s, math.sqrt(1.0 - s * s))
        colour = _lit(_scale(RING_COLOUR, 1.5), normal, 0.35, 12.0)
        # The lip at the very edge of the glass is nearly black.
        return _mix(colour, (0.02, 0.02, 0.025), 1.0 - _smoothstep(inner, inner + 1.2, r))
    # Flat satin face; circular brushing shows two soft bright sweeps aligned with the light.
    sheen = 0.5 + 0.5 * math.cos(2.0 * (angle - math.atan2(LIGHT[1], LIGHT[0])))
    face = _scale(RING_COLOUR, 1.0 + 0.5 * sheen ** 3)
    # A polished edge where the face breaks into the chamfer catches a thin line of light.
    edge = r - (inner + RING_CHAMFER)
    if edge < 0.9:
        toward_light = max(0.0, -(ux * LIGHT[0] + uy * LIGHT[1]) / math.hypot(LIGHT[0], LIGHT[1]))
        face = _mix(face, (0.75, 0.77, 0.80), (1.0 - edge / 0.9) * (0.18 + 0.45 * toward_light))
    return face


def _ring_shadow(x, y):
    """The ring stands on the plate and throws a soft shadow towards the lower right."""
    rs = math.hypot(x - CENTRE - 1.3, y - CENTRE - 1.7)
    return 0.55 * (1.0 - _smoothstep(RING_OUTER - 1.0, RING_OUTER + 3.2, rs))


SCREWS = [(SCREW_INSET, SCREW_INSET), (SIZE - SCREW_INSET, SCREW_INSET), (SCREW_INSET, SIZE - SCREW_INSET)]


def _name_plate(x, y, base):
    """The recessed name plate at (x, y), or None outside it."""
    left, top, right, bottom = NAME_PLATE
    edge = min(x - left, y - top, right - x, bottom - y)
    if edge < 0.0:
        return None
    colour = _mix(base, NAME_PLATE_COLOUR, 0.96)
    if edge < 1.0:
        # Set into the plate: its upper and left walls lie in shadow, the lower and right ones catch light.
        lit = edge == right - x or edge == bottom - y
        colour = _mix(colour, (1.0, 1.0, 1.0) if lit else (0.0, 0.0, 0.0), 0.25 if lit else 0.55)
    return colour


def _sample(x, y, base):
    """Colour at the point (x, y) in lens coordinates (pixel centres on integers)."""
    dx, dy = x - CENTRE, y - CENTRE
    r = math.hypot(dx, dy)
    if r < APERTURE_RADIUS:
        return (1.0, 1.0, 1.0)
    if r <= RING_OUTER:
        return _ring(r, dx / r, dy / r)
    plate = _name_plate(x, y, base)
    if plate is not None:
        return plate
    colour = _plate(x, y, base)
    colour = _mix(colour, (0.0, 0.0, 0.0), _ring_shadow(x, y))
    for sx, sy in SCREWS:
        if abs(x - sx) < SCREW_RADIUS + 4 and abs(y - sy) < SCREW_RADIUS + 4:
            head = _screw(x - sx, y - sy)
            if head is not None:
                return head
            return _mix(colour, (0.0, 0.0, 0.0), _screw_shadow(x - sx, y - sy))
    return colour


# Highlights on the frame stop short of white: a white frame pixel would let the view through.
FRAME_MAX = 248

# 4 x 4 samples per pixel for smooth edges.
_OFFSETS = [(-0.375 + 0.25 * i, -0.375 + 0.25 * j) for i in range(4) for j in range(4)]


def _to_byte(v):
    return max(0, min(255, int(round(v * 255.0))))


def render(base):
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if math.hypot(x - CENTRE, y - CENTRE) < APERTURE_RADIUS - 0.75:
                row.append((255, 255, 255))  # every sample lies in the aperture
                continue
            acc = [0.0, 0.0, 0.0]
            for ox, oy in _OFFSETS:
                c = _sample(x + ox, y + oy, base)
                acc[0] += c[0]
                acc[1] += c[1]
                acc[2] += c[2]
            n = len(_OFFSETS)
            if acc == [n, n, n]:
                row.append((255, 255, 255))  # wholly in the aperture
            else:
                row.append(tuple(min(FRAME_MAX, _to_byte(a / n)) for a in acc))
        rows.append(row)
    return rows


def _luminance(rgb):
    def linear(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def check(rows):
    """The rules the loupe depends on: the aperture is pure white and the frame covers the rest; the
    magnification label reads on the name plate."""
    text = _luminance(LABEL_TEXT)
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - GUARANTEED_WHITE_CENTRE) ** 2 + (y - GUARANTEED_WHITE_CENTRE) ** 2
            if d2 <= GUARANTEED_WHITE_RADIUS ** 2 and rows[y][x] != (255, 255, 255):
                raise AssertionError(f"pixel ({x}, {y}) inside the aperture is not white")
            if math.hypot(x - CENTRE, y - CENTRE) > APERTURE_RADIUS + SAMPLE_REACH and rows[y][x] == (255, 255, 255):
                raise AssertionError(f"pixel ({x}, {y}) of the frame is white")
            left, top, right, bottom = LABEL_BOX
            if left <= x < right and top <= y < bottom:
                contrast = (_luminance(rows[y][x]) + 0.05) / (text + 0.05)
                if contrast < LABEL_MIN_CONTRAST:
                    raise AssertionError(f"the label's text has a contrast of {contrast:.2f} at ({x}, {y})")


def test_pattern():
    """A colourful picture with fine detail, to see what the aperture lets through."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            hue = (math.atan2(y - CENTRE, x - CENTRE) / (2.0 * math.pi) + 0.5) * 6.0
            i, f = int(hue) % 6, hue - int(hue)
            r, g, b = [(1, f, 0), (1 - f, 1, 0), (0, 1, f), (0, 1 - f, 1), (f, 0, 1), (1, 0, 1 - f)][i]
            grey = 1.0 - min(1.0, math.hypot(x - CENTRE, y - CENTRE) / 90.0)
            r, g, b = (c + (1.0 - c) * grey for c in (r, g, b))
            if (x // 8 + y // 8) % 2:
                r, g, b = r * 0.8, g * 0.8, b * 0.8
            if x % 20 == 0 or y % 20 == 0:
                r, g, b = 0.0, 0.0, 0.0
            row.append((_to_byte(r), _to_byte(g), _to_byte(b)))
        rows.append(row)
    return rows


def loupe_composite(picture, view):
    """What the loupe shows: the corners outside the platform's region made white, then the picture ANDed on."""
    out = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            v = view[y][x]
            if math.hypot(x - CENTRE, y - CENTRE) >= CORNER_FILL_RADIUS:
                v = (255, 255, 255)
            p = picture[y][x]
            row.append((v[0] & p[0], v[1] & p[1], v[2] & p[2]))
        out.append(row)
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Draw the lens frame pictures.")
    parser.add_argument("--out", default=os.path.dirname(here))
    parser.add_argument("--preview", help="folder for PNG previews")
    args = parser.parse_args()

    pictures = {}
    for name, base in PLATES.items():
        rows = render(base)
        check(rows)
        imagefile.write_bmp24(os.path.join(args.out, name), rows)
        pictures[name] = rows
        print(f"wrote {name}")

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        pattern = test_pattern()
        sheet_top, sheet_bottom = [], []
        for name, rows in pictures.items():
            stem = os.path.splitext(name)[0]
            imagefile.write_png(os.path.join(args.preview, stem + ".png"), rows)
            imagefile.write_png(os.path.join(args.preview, stem + "_x3.png"), imagefile.scale_up(rows, 3))
            composite = loupe_composite(rows, pattern)
            imagefile.write_png(os.path.join(args.preview, stem + "_composite.png"), composite)
            sheet_top.append(rows)
            sheet_bottom.append(composite)
        sheet = [sum((p[y] for p in sheet_top), []) for y in range(SIZE)]
        sheet += [sum((p[y] for p in sheet_bottom), []) for y in range(SIZE)]
        imagefile.write_png(os.path.join(args.preview, "sheet.png"), sheet)
        print(f"previews in {args.preview}")


if __name__ == "__main__":
    main()
