#!/usr/bin/env python3
"""Checks that a built Windows program carries the hardening it is linked with.

- ASLR with high entropy: DYNAMIC_BASE and HIGH_ENTROPY_VA, and the relocations kept (without them the
  loader cannot move the image whatever the flags say);
- DEP: NX_COMPAT, and no section both writable and executable;
- DLLs only from the system folder: the load configuration's dependent load flags hold
  LOAD_LIBRARY_SEARCH_SYSTEM32, and no runtime DLL of the compiler is imported (those would be looked for
  beside the program).

Usage: check_pe_hardening.py pixoscope.exe
"""
import struct
import sys

IMAGE_FILE_RELOCS_STRIPPED = 0x0001
HIGH_ENTROPY_VA = 0x0020
DYNAMIC_BASE = 0x0040
NX_COMPAT = 0x0100
SCN_MEM_EXECUTE = 0x20000000
SCN_MEM_WRITE = 0x80000000
LOAD_LIBRARY_SEARCH_SYSTEM32 = 0x0800
DEPENDENT_LOAD_FLAGS_OFFSET = 78  # in IMAGE_LOAD_CONFIG_DIRECTORY64
COMPILER_RUNTIMES = ("libgcc", "libstdc++", "libwinpthread", "libc++", "libunwind")


def check(data):
    problems = []
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    if data[:2] != b"MZ" or data[pe_offset:pe_offset + 4] != b"PE\0\0":
        return ["not a PE file"]
    coff = pe_offset + 4
    _, section_count, _, _, _, optional_size, characteristics = struct.unpack_from("<HHIIIHH", data, coff)
    optional = coff + 20
    (magic,) = struct.unpack_from("<H", data, optional)
    if magic != 0x20B:
        return ["not a 64-bit image"]
    (dll_characteristics,) = struct.unpack_from("<H", data, optional + 70)
    for flag, name in ((DYNAMIC_BASE, "DYNAMIC_BASE"), (HIGH_ENTROPY_VA, "HIGH_ENTROPY_VA"), (NX_COMPAT, "NX_COMPAT")):
        if not dll_characteristics & flag:
            problems.append(name + " is not set")
    if characteristics & IMAGE_FILE_RELOCS_STRIPPED:
        problems.append("the relocations are stripped: the image cannot be moved")

    directories = optional + 112
    sections = []
    for i in range(section_count):
        at = optional + optional_size + 40 * i
        name = data[at:at + 8].rstrip(b"\0").decode("latin-1")
        virtual_size, rva, raw_size, raw_pointer = struct.unpack_from("<IIII", data, at + 8)
        (flags,) = struct.unpack_from("<I", data, at + 36)
        sections.append((rva, max(virtual_size, raw_size), raw_pointer))
        if flags & SCN_MEM_EXECUTE and flags & SCN_MEM_WRITE:
            problems.append("section %s is writable and executable" % name)

    def file_offset(rva):
        for start, size, raw in sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError("RVA %#x lies in no section" % rva)

    def directory(index):
        return struct.unpack_from("<II", data, directories + 8 * index)

    config_rva, config_size = directory(10)
    if config_rva == 0 or config_size <= DEPENDENT_LOAD_FLAGS_OFFSET + 1:
        problems.append("no load configuration with dependent load flags")
    else:
        (flags,) = struct.unpack_from("<H", data, file_offset(config_rva) + DEPENDENT_LOAD_FLAGS_OFFSET)
        if flags != LOAD_LIBRARY_SEARCH_SYSTEM32:
            problems.append("dependent load flags are %#x, not LOAD_LIBRARY_SEARCH_SYSTEM32" % flags)

    import_rva, _ = directory(1)
    at = file_offset(import_rva) if import_rva else None
    while at is not None:
        name_rva = struct.unpack_from("<I", data, at + 12)[0]
        if name_rva == 0:
            break
        start = file_offset(name_rva)
        dll = data[start:data.index(b"\0", start)].decode("latin-1").lower()
        if dll.startswith(COMPILER_RUNTIMES):
            problems.append("imports %s, which would be looked for beside the program" % dll)
        at += 20
    return problems


def main():
    with open(sys.argv[1], "rb") as f:
        problems = check(f.read())
    for problem in problems:
        print("%s: %s" % (sys.argv[1], problem))
    if not problems:
        print("%s: ASLR (high entropy), DEP and system-folder-only DLL loading are in place" % sys.argv[1])
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
