#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts the editor with
# the given arguments (for example: ./scripts/run.sh -i radio.pls).
set -euo pipefail
source "$(dirname "$0")/common.sh"

needs_display=1
for arg in "$@"; do
    case "$arg" in
        -q|--help|-h|--version) needs_display=0 ;;
    esac
done
if [ $needs_display -eq 1 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "kestrelpad: no display (DISPLAY and WAYLAND_DISPLAY are unset); try: xvfb-run ./scripts/run.sh" >&2
    exit 1
fi

dir="$KESTREL_ROOT/build"
program="$dir/bin/kestrelpad"
stamp="$dir/run.stamp"

# Even with nothing to do, make takes seconds to find that out; a look at the
# times of what goes into the program and its translations takes none.
up_to_date() {
    [ -x "$program" ] && [ -f "$stamp" ] || return 1
    local changed
    changed=$(find "$KESTREL_ROOT"/{CMakeLists.txt,app,converter,images,languages,mainwindow} \
        "$KESTREL_ROOT"/{packaging,playlist,ui} "$dir/CMakeCache.txt" \
        -newer "$stamp" -print -quit 2>/dev/null) || return 1
    [ -z "$changed" ]
}

# Only the program and its translations are built, not the tests and the
# benchmarks. The build's messages go to a log, so that --help, --version and
# a batch run's messages stay alone on the program's output; the log is shown
# when the build fails.
if ! up_to_date; then
    kestrel_install_packages >&2
    log="$dir/run-build.log"
    mkdir -p "$dir"
    echo "kestrelpad: building the program (log: $log)" >&2
    # The stamp is taken after the configuration, which rewrites the cache,
    # and before the build, so that a file changed meanwhile counts as new.
    if ! { { [ -f "$dir/CMakeCache.txt" ] || kestrel_configure "$dir"; } \
        && touch "$dir/run.stamp.new" \
        && cmake --build "$dir" -j "$(nproc)" --target kestrelpad kestrelpad_lrelease; } >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "kestrelpad: the build failed; the whole log is in $log" >&2
        exit 1
    fi
    mv "$dir/run.stamp.new" "$stamp"
fi
exec "$program" "$@"
