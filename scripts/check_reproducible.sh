#!/usr/bin/env bash
# Builds the Windows package twice, in two scratch build folders at different paths and at different times,
# and checks that pixoscope.exe, every delivered file and the ZIP come out byte for byte the same.
# Takes a few minutes (two builds of the program without the tests); not part of scripts/test.sh.
#   PIXO_JOBS  parallel build jobs (default: the number of cores)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$PIXO_ROOT"
pixo_ensure_packages
jobs="${PIXO_JOBS:-$(nproc)}"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/pixo-reproducible-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

build_package() {
    local dir="$1"
    cmake -S "$PIXO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$PIXO_ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$dir" -j "$jobs" >/dev/null
    (cd "$dir" && cpack -G ZIP --config CPackConfig.cmake >/dev/null)
}

echo "== first build: $scratch/one"
build_package "$scratch/one"
sleep 2  # a second later, so that any time stamp would differ
echo "== second build: $scratch/two/nested"
build_package "$scratch/two/nested"

status=0
zip="$(cd "$scratch/one" && ls Pixoscope-*-win64.zip)"
compare() {
    if cmp -s "$scratch/one/$1" "$scratch/two/nested/$1"; then
        echo "same       $(sha256sum "$scratch/one/$1" | cut -c1-16)  $1"
    else
        echo "DIFFERENT  $1"
        status=1
    fi
}
compare app/pixoscope.exe
for f in "$scratch"/one/help/delivered/*; do
    compare "help/delivered/$(basename "$f")"
done
compare "$zip"
if [ "$status" -eq 0 ]; then
    echo "The two builds are identical."
else
    echo "The two builds differ." >&2
fi
exit "$status"
