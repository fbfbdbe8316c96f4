#!/usr/bin/env bash
# Starts the editor in a virtual X display and saves a screenshot of it.
#   scripts/screenshot.sh <output.png> [program arguments...]
# KESTREL_BIN selects the binary (default build/bin/kestrelpad); the editor
# runs in the current directory, so a settings.ini there applies.
set -euo pipefail
out=$(realpath -m "$1"); shift
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${KESTREL_BIN:-$root/build/bin/kestrelpad}
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    "$0" "${@:2}" & pid=$!
    sleep "${KESTREL_SHOT_DELAY:-2}"
    import -window root "$1"
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
' "$bin" "$out" "$@"
echo "$out"
