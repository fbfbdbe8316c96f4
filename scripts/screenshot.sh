#!/usr/bin/env bash
# Starts the editor in a virtual X display and saves a screenshot of it.
#   scripts/screenshot.sh <output.png> [program arguments...]
# Needs a build with tests (./scripts/test.sh makes one): the picture is taken
# by the tests' kestrel_grabscreen. KESTREL_BIN selects the editor (default
# build/bin/kestrelpad); it runs in the current directory, so a settings.ini
# there applies.
set -euo pipefail
out=$(realpath -m "$1"); shift
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${KESTREL_BIN:-$root/build/bin/kestrelpad}
grab=$(dirname "$bin")/kestrel_grabscreen
[ -x "$grab" ] || { echo "screenshot.sh: $grab is missing; run ./scripts/test.sh first" >&2; exit 1; }
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    "$0" "${@:3}" & pid=$!
    sleep "${KESTREL_SHOT_DELAY:-2}"
    "$1" "$2"; status=$?
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    exit $status
' "$bin" "$grab" "$out" "$@"
echo "$out"
