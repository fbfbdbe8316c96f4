#!/usr/bin/env bash
# Redraws images/program.png and the packaging icons from draw_icon.cpp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target kestrel_draw_icon
mkdir -p "$root/packaging/linux/icons/48x48" "$root/packaging/linux/icons/128x128" \
    "$root/packaging/windows"
QT_QPA_PLATFORM=offscreen "$build/bin/kestrel_draw_icon" "$root/images" "$root/packaging"
