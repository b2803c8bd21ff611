#!/usr/bin/env python3
"""Sets a PE image's header time stamp, and the checksum worked out over it, to 0.

The linker writes neither (--no-insert-timestamp), but strip writes the time it ran and a checksum that
covers it, which would make two builds of the same sources differ. Usage: clear_pe_timestamp.py program.exe
"""
import struct
import sys


def main():
    path = sys.argv[1]
    with open(path, "r+b") as f:
        header = f.read(0x40)
        (pe,) = struct.unpack_from("<I", header, 0x3C)
        f.seek(pe)
        if f.read(4) != b"PE\0\0":
            sys.exit("%s: not a PE image" % path)
        f.seek(pe + 8)  # the COFF header's TimeDateStamp
        f.write(struct.pack("<I", 0))
        f.seek(pe + 24 + 64)  # the optional header's CheckSum
        f.write(struct.pack("<I", 0))


if __name__ == "__main__":
    main()
