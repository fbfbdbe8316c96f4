#!/usr/bin/env bash
# Which window icon the real editor shows, depending on the icon files in its
# working directory: the first of logo.ico, logo.png, logo.xpm that exists
# wins, even when it is no image; without any, the built-in 128 x 128 icon.
#   xvfb_icon.sh <kestrelpad> <png-48x48>
set -u
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xprop >/dev/null 2>&1; then
    echo "SKIP: xvfb-run or xprop is not installed (Debian: xvfb, x11-utils)"
    exit 77
fi
program=$1 png48=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints the icon sizes the window announces, or "none". Now and then the
# program cannot reach the display that xvfb-run has just started (seen on
# loaded machines); only that case is tried again, with a fresh display.
icon_of_window() {
    local attempt sizes
    for attempt in 1 2 3; do
        sizes=$(cd "$work" && env -u QT_QPA_PLATFORM xvfb-run -a bash -c '
            "$1" & pid=$!
            for _ in $(seq 100); do
                xprop -name Kestrelpad WM_NAME >/dev/null 2>&1 && break
                kill -0 $pid 2>/dev/null || { echo "no display"; exit 0; }
                sleep 0.1
            done
            sleep 0.3
            sizes=$(xprop -name Kestrelpad _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)" | sort -u)
            echo "${sizes:-none}"
            kill $pid; wait $pid 2>/dev/null
        ' bash "$program")
        [ "$sizes" != "no display" ] && break
    done
    echo "$sizes"
}

failures=0
check() { # <case> <expected> <files...>
    local name=$1 expected=$2; shift 2
    rm -f "$work"/logo.*
    for file in "$@"; do
        case "$file" in
            *=png) cp "$png48" "$work/${file%=png}" ;;
            *=junk) echo "not an image" >"$work/${file%=junk}" ;;
        esac
    done
    local actual
    actual=$(icon_of_window)
    if [ "$actual" = "$expected" ]; then
        echo "PASS: $name"
    else
        echo "FAIL: $name: expected '$expected', got '$actual'"
        failures=$((failures + 1))
    fi
}

check "built-in icon without logo files" "Icon (128 x 128)"
check "logo.png replaces the built-in icon" "Icon (48 x 48)" logo.png=png
check "logo.xpm is the last choice" "Icon (48 x 48)" logo.xpm=png
check "logo.ico wins even when it is no image" "none" logo.ico=junk logo.png=png
exit $((failures > 0))
