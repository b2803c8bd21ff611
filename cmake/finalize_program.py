#!/usr/bin/env python3
"""Turns the linked pixoscope.exe into the delivered one, and checks the result.

The MinGW linker of this toolchain (GNU ld 2.40) leaves the Load Configuration data directory empty even when
the program defines the table (app/load_config.cpp), so the loader would never see the dependent load flags
in it. Finding the table needs the symbol table, which the delivered program does not keep. In order:

1. the directory is pointed at `_load_config_used` (its address from the COFF symbol table, its size from
   the table's first field); an image that already has the directory keeps it;
2. the program so far, symbols and all, is copied to UNSTRIPPED for debugging (never packaged);
3. STRIP --strip-all removes the symbols;
4. the time stamp and the checksum that strip writes are cleared, so that builds stay reproducible (the
   linker writes neither: --no-insert-timestamp);
5. the rewritten program is checked: a 64-bit PE image whose sections lie inside the file, the load
   configuration directory pointing at the very table the symbols named, holding the same bytes, no symbol
   table, no debug sections, time stamp and checksum zero. A program that fails is removed, so the build
   fails and nothing runs it.

Usage: finalize_program.py --strip STRIP program.exe UNSTRIPPED
"""
import os
import shutil
import struct
import subprocess
import sys

SYMBOL = b"_load_config_used"
LOAD_CONFIG_DIRECTORY = 10


class Image:
    """The headers of a PE image held in memory, and the offsets of the fields this script writes."""

    def __init__(self, data: bytes):
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        (pe,) = struct.unpack_from("<I", data, 0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        self.data = data
        self.coff = pe + 4
        _, count, self.time_stamp, self.symbols_at, self.symbol_count, optional_size, _ = struct.unpack_from(
            "<HHIIIHH", data, self.coff)
        self.optional = self.coff + 20
        if struct.unpack_from("<H", data, self.optional)[0] != 0x20B:
            raise ValueError("not a 64-bit image")
        self.checksum_at = self.optional + 64
        self.directory_at = self.optional + 112 + 8 * LOAD_CONFIG_DIRECTORY
        self.sections = []  # (name, rva, virtual size, raw size, raw pointer)
        for i in range(count):
            at = self.optional + optional_size + 40 * i
            name = bytes(data[at:at + 8]).rstrip(b"\0").decode("latin-1")
            virtual_size, rva, raw_size, raw_pointer = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((name, rva, virtual_size, raw_size, raw_pointer))

    def load_config(self) -> tuple[int, int]:
        return struct.unpack_from("<II", self.data, self.directory_at)

    def file_offset(self, rva: int) -> int | None:
        for _, start, virtual_size, raw_size, raw_pointer in self.sections:
            if start <= rva < start + min(virtual_size, raw_size):
                return raw_pointer + rva - start
        return None

    def symbol_rva(self, wanted: bytes) -> int | None:
        """The address of a symbol defined in a section, from the COFF symbol table."""
        strings = self.symbols_at + 18 * self.symbol_count
        i = 0
        while i < self.symbol_count:
            at = self.symbols_at + 18 * i
            raw_name = self.data[at:at + 8]
            if raw_name[:4] == b"\0\0\0\0":
                (offset,) = struct.unpack_from("<I", raw_name, 4)
                name = self.data[strings + offset:self.data.index(b"\0", strings + offset)]
            else:
                name = bytes(raw_name).rstrip(b"\0")
            value, section = struct.unpack_from("<Ih", self.data, at + 8)
            if name == wanted and section > 0:
                return self.sections[section - 1][1] + value
            i += 1 + self.data[at + 17]
        return None


def set_load_config(data: bytearray) -> int:
    """Points the directory at the table; returns the table's address."""
    image = Image(data)
    if image.symbols_at == 0:
        raise ValueError("no symbol table to find %s in (stripped already?)" % SYMBOL.decode())
    rva = image.symbol_rva(SYMBOL)
    if rva is None:
        raise ValueError("%s is not defined" % SYMBOL.decode())
    if image.load_config()[0] == 0:
        (size,) = struct.unpack_from("<I", data, image.file_offset(rva))
        struct.pack_into("<II", data, image.directory_at, rva, size)
    return rva


def clear_time_stamp(data: bytearray) -> None:
    image = Image(data)
    struct.pack_into("<I", data, image.coff + 4, 0)
    struct.pack_into("<I", data, image.checksum_at, 0)


def problems_of(data: bytes, table_rva: int, table: bytes) -> list[str]:
    """What is wrong with the delivered program; `table` is the load configuration as the symbols placed it."""
    try:
        image = Image(data)
    except ValueError as error:
        return [str(error)]
    found = []
    for name, _, _, raw_size, raw_pointer in image.sections:
        if raw_pointer + raw_size > len(data):
            found.append("section %s runs past the end of the file" % name)
        if name.startswith(".debug") or name.startswith("/"):
            found.append("section %s is left after stripping" % name)
    if image.symbols_at != 0 or image.symbol_count != 0:
        found.append("the symbol table is still there")
    if image.time_stamp != 0:
        found.append("the time stamp is %#x, not 0" % image.time_stamp)
    if struct.unpack_from("<I", data, image.checksum_at)[0] != 0:
        found.append("the checksum is not 0")
    rva, size = image.load_config()
    at = image.file_offset(rva) if rva else None
    if rva != table_rva:
        found.append("the load configuration directory points at %#x, the table lies at %#x" % (rva, table_rva))
    elif at is None:
        found.append("the load configuration table lies in no section's data")
    elif size != len(table) or data[at:at + size] != table:
        found.append("the load configuration table differs from the one the linker placed")
    return found


def main() -> int:
    args = sys.argv[1:]
    if len(args) != 4 or args[0] != "--strip":
        sys.exit(__doc__)
    strip, program, unstripped = args[1], args[2], args[3]
    try:
        with open(program, "rb") as f:
            data = bytearray(f.read())
        table_rva = set_load_config(data)
        size = Image(data).load_config()[1]
        at = Image(data).file_offset(table_rva)
        table = bytes(data[at:at + size])
        with open(program, "wb") as f:
            f.write(data)
        shutil.copy(program, unstripped)
        subprocess.run([strip, "--strip-all", program], check=True)
        with open(program, "rb") as f:
            data = bytearray(f.read())
        clear_time_stamp(data)
        with open(program, "wb") as f:
            f.write(data)
        found = problems_of(bytes(data), table_rva, table)
    except (OSError, ValueError, subprocess.CalledProcessError) as error:
        found = [str(error)]
    if found:
        for problem in found:
            print("%s: %s" % (program, problem), file=sys.stderr)
        try:
            os.remove(program)
        except OSError:
            pass
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
