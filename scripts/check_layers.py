#!/usr/bin/env python3
"""Checks that every folder includes only what its CMake targets link.

The build is the one source of truth. Each folder with a CMakeLists.txt is a layer (a folder without one,
such as tests/e2e/driver/, belongs to the nearest one above it); its targets are the ones that file names
in add_library, add_executable or target_link_libraries. A layer may include its own files and those of
the layers whose targets its targets link: directly (any visibility), and through those, what they link
PUBLIC or INTERFACE, as CMake passes usage requirements on. Windows headers (<windows.h>, ...) only where a
target links a Windows system library (user32, ...) that way.

Every include is read: "quoted" (looked for beside the including file first, then from the top of the
tree and from tests/, the include folders the targets give), <angle> (the include folders only) and
relative ones ("../lens/x.h", "win32/x.h" from platform/), each resolved to the file it names; an include
that names no file of the tree (a system or generated header) is not the layering's business. Two layers
that link each other are reported as a cycle.

    scripts/check_layers.py [ROOT]        check the tree at ROOT (default: this checkout)
    scripts/check_layers.py --table       also print what each folder may include
    scripts/check_layers.py --self-test   also prove, on scratch copies, that the unmodified tree passes
                                          and that a wrong include written each way is caught
"""
import os
import pathlib
import re
import shutil
import sys
import tempfile

SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".inc", ".rc"}
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^>"\n]+)[>"]', re.MULTILINE)
INCLUDE_FOLDERS = ["", "tests"]  # the top of the tree and tests/, relative to ROOT
WINDOWS_HEADER = re.compile(
    r"(?:windows|windowsx|win[a-z0-9]*|commdlg|commctrl|mmsystem|objbase|ole2|shellapi|shlobj|shobjidl|"
    r"shlwapi|knownfolders|wincodec|dwmapi|uxtheme|versionhelpers|oleacc|oleauto|uiautomation[a-z]*)\.h$",
    re.IGNORECASE)
WINDOWS_LIBRARIES = {"kernel32", "user32", "gdi32", "shell32", "ole32", "oleaut32", "comdlg32", "comctl32",
                     "winmm", "version", "uuid", "advapi32", "windowscodecs", "dwmapi", "uxtheme", "shlwapi",
                     "oleacc"}
SKIPPED_FOLDERS = {"build", "node_modules"}
LINK_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "LINK_PUBLIC", "LINK_PRIVATE", "LINK_INTERFACE_LIBRARIES"}


def commands_of(text: str):
    """(name, arguments) of every command call in a CMake file; comments and quotes are respected."""
    text = re.sub(r"#\[(=*)\[.*?\]\1\]", "", text, flags=re.DOTALL)
    calls = []
    i = 0
    n = len(text)
    while i < n:
        match = re.compile(r"[ \t]*([A-Za-z_][A-Za-z0-9_]*)[ \t]*\(").match(text, i)
        if not match:
            end = text.find("\n", i)
            i = n if end < 0 else end + 1
            continue
        i = match.end()
        depth, args, word, quoted = 1, [], "", False
        while i < n and depth > 0:
            c = text[i]
            if quoted:
                if c == "\\" and i + 1 < n:
                    word += text[i:i + 2]
                    i += 1
                elif c == '"':
                    quoted = False
                else:
                    word += c
            elif c == '"':
                quoted = True
            elif c == "#":
                end = text.find("\n", i)
                i = n if end < 0 else end
                continue
            elif c in " \t\r\n" or (c == ")" and depth == 1):
                if word:
                    args.append(word)
                word = ""
                if c == ")":
                    depth -= 1
            else:
                if c == "(":
                    depth += 1
                elif c == ")":
                    depth -= 1
                word += c
            i += 1
        calls.append((match.group(1).lower(), args))
    return calls


class Build:
    """The targets of every CMakeLists.txt under ROOT, their folders and their links."""

    def __init__(self, root: pathlib.Path):
        self.root = root
        self.layers: dict[str, list[str]] = {}  # folder ("" for the top) -> its targets
        self.home: dict[str, str] = {}  # target -> the folder that creates it
        self.links: dict[str, list[tuple[str, bool]]] = {}  # target -> (item, passed on: PUBLIC/INTERFACE)
        for lists in sorted(walk(root, "CMakeLists.txt")):
            folder = lists.parent.relative_to(root).as_posix()
            folder = "" if folder == "." else folder
            targets = self.layers.setdefault(folder, [])
            for name, args in commands_of(lists.read_text(encoding="utf-8", errors="replace")):
                if not args or name not in ("add_library", "add_executable", "target_link_libraries"):
                    continue
                target = args[0]
                if target not in targets:
                    targets.append(target)
                if name != "target_link_libraries":
                    if "ALIAS" not in args and "IMPORTED" not in args:
                        self.home.setdefault(target, folder)
                    continue
                public = True  # the plain signature passes its items on
                for item in args[1:]:
                    if item in LINK_KEYWORDS:
                        public = item != "PRIVATE" and item != "LINK_PRIVATE"
                    elif not item.startswith("-") and not item.startswith("$<"):
                        self.links.setdefault(target, []).append((item, public))

    def layer_of(self, relative: str) -> str:
        """The nearest folder holding a CMakeLists.txt that holds the file."""
        folder = os.path.dirname(relative)
        while folder and folder not in self.layers:
            folder = os.path.dirname(folder)
        return folder

    def passed_on(self, target: str, seen: set[str]) -> set[str]:
        """What a target's users reach through it: itself and its PUBLIC/INTERFACE links, transitively."""
        if target in seen:
            return set()
        seen.add(target)
        reached = {target}
        for item, public in self.links.get(target, ()):
            if public:
                reached |= self.passed_on(item, seen)
        return reached

    def reached(self, layer: str) -> set[str]:
        """Every target and library the layer's own targets may use."""
        reached = set()
        for target in self.layers.get(layer, ()):
            for item, _ in self.links.get(target, ()):
                reached |= self.passed_on(item, set())
        return reached

    def allowed(self, layer: str) -> set[str]:
        """The layers whose files `layer` may include (itself left out)."""
        return {self.home[t] for t in self.reached(layer) if t in self.home} - {layer}

    def may_include_windows(self, layer: str) -> bool:
        return bool({item.lower() for item in self.reached(layer)} & WINDOWS_LIBRARIES)

    def cycles(self) -> list[str]:
        """Layers whose targets link one another round in a circle, through links of any visibility."""
        edges = {layer: sorted({self.home[item] for target in targets for item, _ in self.links.get(target, ())
                                if item in self.home} - {layer})
                 for layer, targets in self.layers.items()}
        found, state = [], {}

        def visit(layer: str, trail: list[str]) -> None:
            state[layer] = 1
            for other in edges.get(layer, ()):
                if state.get(other) == 1:
                    found.append("link cycle: " + " -> ".join(show(x) for x in trail[trail.index(other):] + [other]))
                elif other not in state:
                    visit(other, trail + [other])
            state[layer] = 2

        for layer in sorted(edges):
            if layer not in state:
                visit(layer, [layer])
        return found


def walk(root: pathlib.Path, name: str | None = None):
    """The files of the tree, leaving out build folders and hidden ones."""
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = sorted(d for d in subfolders if not d.startswith(".") and d not in SKIPPED_FOLDERS
                               and not (pathlib.Path(folder) / d / "CMakeCache.txt").exists())
        for file in files:
            if name is None or file == name:
                yield pathlib.Path(folder) / file


def resolve(root: pathlib.Path, including: pathlib.Path, written: str, quoted: bool) -> str | None:
    """The file of the tree an include names, relative to ROOT, or None for a system or generated header."""
    bases = ([including.parent] if quoted else []) + [root / folder for folder in INCLUDE_FOLDERS]
    for base in bases:
        candidate = pathlib.Path(os.path.normpath(base / written))
        if candidate.is_file():
            try:
                return candidate.relative_to(root).as_posix()
            except ValueError:
                return None  # outside the tree
    return None


def show(layer: str) -> str:
    return (layer or "(top)") + "/"


def check(root: pathlib.Path) -> tuple[list[str], Build]:
    build = Build(root)
    problems = build.cycles()
    allowed = {layer: build.allowed(layer) for layer in build.layers}
    windows = {layer: build.may_include_windows(layer) for layer in build.layers}
    for path in sorted(walk(root)):
        if path.suffix not in SOURCE_SUFFIXES:
            continue
        relative = path.relative_to(root).as_posix()
        layer = build.layer_of(relative)
        if layer == "":
            continue  # no CMakeLists.txt builds it
        text = path.read_text(encoding="utf-8", errors="replace")
        for match in INCLUDE.finditer(text):
            written = match.group(2).strip()
            line = text.count("\n", 0, match.start()) + 1
            target = resolve(root, path, written, match.group(1) == '"')
            if target is None:
                # A system or generated header; of those, Windows' own only where Windows libraries are linked.
                if WINDOWS_HEADER.fullmatch(written) and not windows[layer] and path.suffix != ".rc":
                    problems.append("%s:%d: %s links no Windows library, so it may not include %s" %
                                    (relative, line, show(layer), written))
                continue
            target_layer = build.layer_of(target)
            if target_layer != layer and target_layer not in allowed[layer]:
                problems.append("%s:%d: %s does not link %s, so it may not include %s" %
                                (relative, line, show(layer), show(target_layer), written))
    return problems, build


def table(build: Build, root: pathlib.Path) -> str:
    """What each folder that holds sources may include, lowest first, with its targets."""
    holding = {build.layer_of(path.relative_to(root).as_posix()) for path in walk(root)
               if path.suffix in SOURCE_SUFFIXES}
    layers = sorted((layer for layer in build.layers if layer and layer in holding),
                    key=lambda layer: (len(build.allowed(layer)), layer))
    rows = []
    for layer in layers:
        others = " ".join(show(other) for other in sorted(build.allowed(layer))) or "nothing of the program"
        extra = ", Windows headers" if build.may_include_windows(layer) else ""
        rows.append("%s (%s): %s%s" % (show(layer), " ".join(build.layers[layer]), others, extra))
    return "\n".join(rows)


# A wrong include written each way: (file to add, its text, the message that must name it).
PLANTED = [
    ("raster/planted_quoted.h", '#include "lens/form_filter.h"\n', "raster/planted_quoted.h:1: raster/"),
    ("raster/planted_angle.h", "#include <lens/form_filter.h>\n", "raster/planted_angle.h:1: raster/"),
    ("raster/planted_parent.h", '#include "../lens/form_filter.h"\n', "raster/planted_parent.h:1: raster/"),
    ("platform/planted_within.h", '#include "win32/handles.h"\n', "platform/planted_within.h:1: platform/"),
    ("commands/planted_spaced.cpp", '#  include   "measure/ruler.h"\n', "commands/planted_spaced.cpp:1: commands/"),
    ("raster/planted_windows.cpp", "#include <windows.h>\n", "raster/planted_windows.cpp:1: raster/"),
    ("tests/raster/planted_test.cpp", '#include "lens/form_filter.h"\n', "tests/raster/planted_test.cpp:1:"),
    ("tests/color/planted_test.cpp", '#include "fakes/fake_files.h"\n', "tests/color/planted_test.cpp:1:"),
    ("tests/e2e/driver/planted.cpp", '#include "lens/form_filter.h"\n', "tests/e2e/driver/planted.cpp:1:"),
    ("bench/planted.cpp", '#include "platform/win32/handles.h"\n', "bench/planted.cpp:1: bench/"),
    ("fuzz/planted.cpp", '#include "../lens/form_filter.h"\n', "fuzz/planted.cpp:1: fuzz/"),
]


def self_test(root: pathlib.Path) -> list[str]:
    """Failures of the check itself: the unmodified copy must pass, each planted include must be caught."""
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        copy = pathlib.Path(scratch) / "tree"
        copy.mkdir()
        for path in walk(root):
            if path.suffix in SOURCE_SUFFIXES or path.name == "CMakeLists.txt":
                destination = copy / path.relative_to(root)
                destination.parent.mkdir(parents=True, exist_ok=True)
                shutil.copyfile(path, destination)
        found, _ = check(copy)
        if found:
            failures.append("the unmodified copy fails the check:\n  " + "\n  ".join(found))
        for relative, text, expected in PLANTED:
            planted = copy / relative
            if not planted.parent.is_dir():
                failures.append("no folder for the planted %s" % relative)
                continue
            planted.write_text(text)
            found, _ = check(copy)
            planted.unlink()
            if not any(problem.startswith(expected) for problem in found):
                failures.append("missed %s in %s" % (text.strip(), relative))
        # A link cycle: raster linking lens, which links raster.
        lists = copy / "raster" / "CMakeLists.txt"
        lists.write_text(lists.read_text() + "\ntarget_link_libraries(pixo_raster PUBLIC pixo_lens)\n")
        found, _ = check(copy)
        if not any(problem.startswith("link cycle") for problem in found):
            failures.append("missed raster/ and lens/ linking each other")
    return failures


def main() -> int:
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    root = pathlib.Path(args[0] if args else pathlib.Path(__file__).resolve().parent.parent).resolve()
    problems, build = check(root)
    if problems or "--table" in sys.argv:
        print(table(build, root))
        print()
    for problem in problems:
        print(problem)
    failures = self_test(root) if "--self-test" in sys.argv else []
    for failure in failures:
        print("self-test: " + failure)
    if problems or failures:
        return 1
    print("layering: every folder includes only what its targets link" +
          (" (and the check catches a wrong include written each way)" if "--self-test" in sys.argv else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
