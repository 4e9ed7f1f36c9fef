#!/bin/sh
# Builds and runs rows_at_once_bench: images dropped on the main window
# (offscreen) against reading their 192-byte headers, the page cache dropped
# before each run when run as root. Needs only what the build needs.
#
# usage: bench/rows_at_once.sh [runs]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
[ -d build ] || cmake --preset default
cmake --build --preset default --target rows_at_once_bench
[ "$(id -u)" -eq 0 ] || echo "not root: the page cache is not dropped, the large images are read warm"
QT_QPA_PLATFORM=offscreen exec build/bin/rows_at_once_bench "${1:-5}"
