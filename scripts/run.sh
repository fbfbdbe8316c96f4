#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor with the given
# arguments (for example: ./scripts/run.sh -i radio.pls).
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

# Installation and build messages go to standard error, so that --help,
# --version and batch output stay alone on standard output.
kestrel_install_packages >&2
kestrel_build "$KESTREL_ROOT/build" >&2
exec "$KESTREL_ROOT/build/bin/kestrelpad" "$@"
