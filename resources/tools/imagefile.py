"""Small writers for the picture formats the resource tools produce.

Pictures are passed around as a list of rows, top row first; each row is a list of (r, g, b) or (r, g, b, a)
tuples of integers 0..255. Standard library only, so the tools run on any machine with Python 3.
"""

import struct
import zlib


def bmp24_bytes(rows):
    """A bottom-up, uncompressed 24-bit BMP (BITMAPINFOHEADER, BI_RGB) of the given RGB rows."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in (p[:3] for p in row):
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        pixels += line
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    # 2835 pixels per metre is 72 dots per inch; the value only matters to picture editors.
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixels)


def write_bmp24(path, rows):
    with open(path, "wb") as f:
        f.write(bmp24_bytes(rows))


def png_bytes(rows):
    """A PNG of the given rows: RGB when the pixels have three channels, RGBA when they have four."""
    height = len(rows)
    width = len(rows[0])
    channels = len(rows[0][0])
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type None
        for p in row:
            raw += bytes(p)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    color_type = 6 if channels == 4 else 2
    ihdr = struct.pack(">IIBBBBB", width, height, 8, color_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def write_png(path, rows):
    with open(path, "wb") as f:
        f.write(png_bytes(rows))


def read_bmp24(path):
    """Reads back a bottom-up 24-bit BMP as RGB rows, top row first (used by the checks)."""
    with open(path, "rb") as f:
        data = f.read()
    magic, _, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if magic != b"BM" or size != 40 or planes != 1 or bits != 24 or compression != 0 or height <= 0:
        raise ValueError(f"{path}: not a bottom-up 24-bit BI_RGB bitmap")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        line = data[start:start + width * 3]
        rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, width * 3, 3)])
    return rows


def scale_up(rows, factor):
    """Nearest-neighbour enlargement, for looking at small pictures closely."""
    out = []
    for row in rows:
        wide = [p for p in row for _ in range(factor)]
        out.extend(list(wide) for _ in range(factor))
    return out
