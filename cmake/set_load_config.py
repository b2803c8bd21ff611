#!/usr/bin/env python3
"""Points a linked PE image's Load Configuration data directory at its `_load_config_used` table.

The MinGW linker of this toolchain (GNU ld 2.40) leaves that directory empty even when the program defines
the table (app/load_config.cpp), so the loader would never see the dependent load flags in it. This runs
after the link: it finds the symbol in the image's COFF symbol table and fills the directory with the
table's address and the size its first field gives. An image that already has the directory is left alone.

Usage: set_load_config.py program.exe
"""
import struct
import sys

SYMBOL = b"_load_config_used"
LOAD_CONFIG_DIRECTORY = 10


def main():
    path = sys.argv[1]
    with open(path, "rb") as f:
        data = bytearray(f.read())
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    coff = pe + 4
    _, section_count, _, symbols_at, symbol_count, optional_size, _ = struct.unpack_from("<HHIIIHH", data, coff)
    optional = coff + 20
    if struct.unpack_from("<H", data, optional)[0] != 0x20B:
        sys.exit("%s: not a 64-bit image" % path)
    directory = optional + 112 + 8 * LOAD_CONFIG_DIRECTORY
    if struct.unpack_from("<I", data, directory)[0] != 0:
        return 0
    sections = []
    for i in range(section_count):
        at = optional + optional_size + 40 * i
        virtual_size, rva, raw_size, raw_pointer = struct.unpack_from("<IIII", data, at + 8)
        sections.append((rva, raw_pointer))
    if symbols_at == 0:
        sys.exit("%s: no symbol table to find %s in" % (path, SYMBOL.decode()))
    strings = symbols_at + 18 * symbol_count
    i = 0
    while i < symbol_count:
        at = symbols_at + 18 * i
        raw_name = data[at:at + 8]
        if raw_name[:4] == b"\0\0\0\0":
            (offset,) = struct.unpack_from("<I", raw_name, 4)
            name = data[strings + offset:data.index(b"\0", strings + offset)]
        else:
            name = bytes(raw_name).rstrip(b"\0")
        value, section = struct.unpack_from("<Ih", data, at + 8)
        aux = data[at + 17]
        if name == SYMBOL and section > 0:
            rva, raw_pointer = sections[section - 1]
            (size,) = struct.unpack_from("<I", data, raw_pointer + value)
            struct.pack_into("<II", data, directory, rva + value, size)
            with open(path, "wb") as f:
                f.write(data)
            return 0
        i += 1 + aux
    sys.exit("%s: %s is not defined" % (path, SYMBOL.decode()))


if __name__ == "__main__":
    sys.exit(main())
