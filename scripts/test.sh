#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
#   ./scripts/test.sh              the normal build, in build/
#   ./scripts/test.sh --sanitize   AddressSanitizer and UBSan, in build-sanitize/
set -euo pipefail
source "$(dirname "$0")/common.sh"

kestrel_install_packages
if [ "${1:-}" = "--sanitize" ]; then
    dir="$KESTREL_ROOT/build-sanitize"
    kestrel_build "$dir" -DKESTREL_SANITIZE=ON -DKESTREL_BUILD_BENCH=OFF
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$KESTREL_ROOT/tests/asan.supp"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$KESTREL_ROOT/tests/lsan.supp:print_suppressions=0"
else
    dir="$KESTREL_ROOT/build"
    kestrel_build "$dir"
fi
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
