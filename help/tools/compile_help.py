#!/usr/bin/env python3
"""Compiles the help pages into the help file with a CHM compiler.

The pages are copied to a scratch folder first, so that the compiler writes nothing into the sources, and
the result is checked: the compiler used here (chmcmd) exits with 0 even when it fails.

The help file is made reproducible: the same pages give the same bytes. chmcmd stamps the compile time into
the file's header and into its #SYSTEM record (both set to 0 here), and writes a few bytes of the keyword
map that follow its memory layout (it runs with address space randomisation off, so they are always the
same).

The pages say which version of the program they belong to: "@PIXO_VERSION@" in a page or in the project
file is replaced by VERSION, the project version of the build.

Usage: compile_help.py COMPILER SOURCE_DIR PROJECT_FILE OUTPUT VERSION
"""

import ctypes
import os
import shutil
import struct
import subprocess
import sys
import tempfile


def _fixed_memory_layout():
    """Runs in the compiler's process before it starts: address space randomisation off (Linux only)."""
    addr_no_randomize = 0x0040000
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        libc.personality(addr_no_randomize)
    except (OSError, AttributeError):
        pass


def _encint(data, pos):
    """A compiled help file's variable-length number: 7 bits a byte, high bit set on all but the last."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def clear_time_stamps(data):
    """Sets the compile time in the header and in the uncompressed #SYSTEM record to 0."""
    data = bytearray(data)
    struct.pack_into("<I", data, 0x10, 0)
    content_start = struct.unpack_from("<Q", data, 0x58)[0]
    name = b"/#SYSTEM"
    entry = data.find(bytes([len(name)]) + name)
    if entry < 0:
        sys.exit("the help file has no #SYSTEM record")
    section, pos = _encint(data, entry + 1 + len(name))
    offset, pos = _encint(data, pos)
    length, _ = _encint(data, pos)
    if section != 0:
        sys.exit("the help file's #SYSTEM record is compressed")
    # #SYSTEM: a version number, then records of code, length and data; code 10 holds the time stamp.
    pos = content_start + offset + 4
    end = content_start + offset + length
    while pos + 4 <= end:
        code, size = struct.unpack_from("<HH", data, pos)
        if code == 10 and size >= 4:
            struct.pack_into("<I", data, pos + 4, 0)
        pos += 4 + size
    return bytes(data)


def main(argv):
    if len(argv) != 6:
        sys.exit(__doc__)
    compiler, source_dir, project, output, version = argv[1:]
    with tempfile.TemporaryDirectory(prefix="pixo-help-") as scratch:
        pages = os.path.join(scratch, "pages")
        shutil.copytree(source_dir, pages)
        for name in os.listdir(pages):
            if name.endswith((".html", ".hhp", ".hhc", ".hhk")):
                path = os.path.join(pages, name)
                with open(path, "rb") as f:
                    text = f.read()
                with open(path, "wb") as f:
                    f.write(text.replace(b"@PIXO_VERSION@", version.encode("ascii")))
        compiled = os.path.join(pages, "help.chm.out")
        with open(os.path.join(pages, project), encoding="utf-8") as f:
            text = f.read()
        # The project names its compiled file; write it to a known place in the scratch folder.
        lines = [f"Compiled file={os.path.basename(compiled)}" if line.startswith("Compiled file=") else line
                 for line in text.splitlines()]
        with open(os.path.join(pages, project), "w", encoding="utf-8", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        result = subprocess.run([compiler, project], cwd=pages, capture_output=True, text=True,
                                preexec_fn=_fixed_memory_layout if sys.platform.startswith("linux") else None)
        if result.returncode != 0 or not os.path.isfile(compiled) or os.path.getsize(compiled) == 0:
            sys.stderr.write(result.stdout + result.stderr)
            sys.exit(f"{compiler} did not make {os.path.basename(output)}")
        with open(compiled, "rb") as f:
            data = f.read()
        if data[:4] != b"ITSF":
            sys.exit(f"{compiler} made no compiled help file")
        os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
        with open(output + ".tmp", "wb") as f:
            f.write(clear_time_stamps(data))
        os.replace(output + ".tmp", output)


if __name__ == "__main__":
    main(sys.argv)
