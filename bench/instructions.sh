#!/usr/bin/env bash
# Instruction counts of the readers, which unlike times do not move with the
# load of a shared machine: valgrind's callgrind counts what kestrel_readcount
# executes inside its read (readCount) and inside the baseline
# (baselineCount, readAll and split at LF) on the same generated file. Start-up
# and exit are left out, so the figures are the in-process read's.
#   bench/instructions.sh [build-dir ...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
builds=("$@")
[ ${#builds[@]} -eq 0 ] && builds=("$root/build")
command -v valgrind >/dev/null || { echo "instructions: valgrind is missing" >&2; exit 1; }

work=$(mktemp -d /tmp/kestrel-instructions-XXXXXX)
trap 'rm -rf "$work"' EXIT

# count <function> <command...>: instructions executed inside the function.
count() {
    local fn=$1; shift
    valgrind --tool=callgrind --callgrind-out-file="$work/out" --toggle-collect="*$fn*" \
        "$@" >/dev/null 2>"$work/log"
    sed -n 's/^summary: //p' "$work/out"
}

header="| format | entries | baseline (M instructions) |"
rule="| --- | ---: | ---: |"
for i in "${!builds[@]}"; do
    header+=" read$i | x |"
    rule+=" ---: | ---: |"
done
echo "$header"
echo "$rule"
tool=${builds[0]}/bin/kestrel_readcount
for format in pls m3u m3u-plain xspf; do
    for entries in 1000 10000 100000; do
        file="$work/sample$entries.$format.${format%-plain}"
        "$tool" --make "$format" "$entries" "$file"
        base=$(count baselineCount "$tool" --baseline "$file")
        line="| $format | $entries | $(awk -v b="$base" 'BEGIN { printf "%.1f", b / 1e6 }') |"
        for i in "${!builds[@]}"; do
            read=$(count readCount "${builds[$i]}/bin/kestrel_readcount" "$file")
            line+=$(awk -v r="$read" -v b="$base" 'BEGIN { printf " %.1f | %.2f |", r / 1e6, r / b }')
        done
        echo "$line"
    done
done
