#!/usr/bin/env bash
# Starts the real editor in a virtual X display, waits for its window titled
# "Kestrelpad" and saves a screenshot of the screen.
#   xvfb_smoke.sh <kestrelpad> <grabscreen> <screenshot.png>
set -u
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xwininfo >/dev/null 2>&1; then
    echo "SKIP: xvfb-run or xwininfo is not installed (Debian: xvfb, x11-utils)"
    exit 77
fi
program=$1 grab=$2 shot=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

run_once() {
    env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    "$1" & pid=$!
    for _ in $(seq 100); do
        if xwininfo -root -tree | grep -q "\"Kestrelpad\""; then
            sleep 0.5
            "$2" "$3" || { kill $pid; exit 1; }
            kill $pid; wait $pid 2>/dev/null
            exit 0
        fi
        kill -0 $pid 2>/dev/null || { echo "the editor exited early"; exit 75; }
        sleep 0.1
    done
    echo "no window titled Kestrelpad appeared"
    kill $pid
    exit 1
' bash "$program" "$grab" "$shot"
}

# Now and then the editor cannot reach the display that xvfb-run has just
# started (seen on loaded machines); that case alone is tried again.
for _ in 1 2 3; do
    run_once
    status=$?
    [ $status -eq 75 ] || break
done
[ $status -eq 0 ] && echo "screenshot: $shot"
exit $status
