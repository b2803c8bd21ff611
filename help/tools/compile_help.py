#!/usr/bin/env python3
"""Compiles the help pages into the help file with a CHM compiler.

The pages are copied to a scratch folder first, so that the compiler writes nothing into the sources, and
the result is checked: the compiler used here (chmcmd) exits with 0 even when it fails.

Usage: compile_help.py COMPILER SOURCE_DIR PROJECT_FILE OUTPUT
"""

import os
import shutil
import subprocess
import sys
import tempfile


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__)
    compiler, source_dir, project, output = argv[1:]
    with tempfile.TemporaryDirectory(prefix="pixo-help-") as scratch:
        pages = os.path.join(scratch, "pages")
        shutil.copytree(source_dir, pages)
        compiled = os.path.join(pages, "help.chm.out")
        with open(os.path.join(pages, project), encoding="utf-8") as f:
            text = f.read()
        # The project names its compiled file; write it to a known place in the scratch folder.
        lines = [f"Compiled file={os.path.basename(compiled)}" if line.startswith("Compiled file=") else line
                 for line in text.splitlines()]
        with open(os.path.join(pages, project), "w", encoding="utf-8", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        result = subprocess.run([compiler, project], cwd=pages, capture_output=True, text=True)
        if result.returncode != 0 or not os.path.isfile(compiled) or os.path.getsize(compiled) == 0:
            sys.stderr.write(result.stdout + result.stderr)
            sys.exit(f"{compiler} did not make {os.path.basename(output)}")
        with open(compiled, "rb") as f:
            if f.read(4) != b"ITSF":
                sys.exit(f"{compiler} made no compiled help file")
        os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
        shutil.copyfile(compiled, output + ".tmp")
        os.replace(output + ".tmp", output)


if __name__ == "__main__":
    main(sys.argv)
