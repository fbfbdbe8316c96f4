#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a bounded
# time, starting from the seed corpora in fuzz/corpus/, which every run
# replays first: an input once found stays checked.
#   ./scripts/fuzz.sh [seconds per target, default 60]
# New inputs that the fuzzer finds stay in build-fuzz/corpus/; a crash leaves
# its input in build-fuzz/artifacts/ and fails the script.
set -euo pipefail
source "$(dirname "$0")/common.sh"

seconds=${1:-60}
kestrel_install_packages
if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz: clang++ is not installed; skipping the fuzz targets"
    exit 0
fi

dir="$KESTREL_ROOT/build-fuzz"
targets=(pls m3u xspf pls_roundtrip)
cmake -S "$KESTREL_ROOT" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKESTREL_FUZZ=ON -DKESTREL_BUILD_TESTS=OFF -DKESTREL_BUILD_BENCH=OFF -DKESTREL_WERROR=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p "$dir/artifacts"
for target in "${targets[@]}"; do
    seeds="$KESTREL_ROOT/fuzz/corpus/${target%_roundtrip}"
    corpus="$dir/corpus/$target"
    mkdir -p "$corpus"
    echo "== fuzz_$target for ${seconds}s"
    log="$dir/fuzz_$target.log"
    status=0
    "$dir/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$dir/artifacts/$target-" \
        "$corpus" "$seeds" >"$log" 2>&1 || status=$?
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|ERROR|SUMMARY' "$log" || true
    if [ $status -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "fuzz_$target failed; its input is in $dir/artifacts/" >&2
        exit 1
    fi
done
