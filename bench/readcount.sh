#!/usr/bin/env bash
# Whole-process reads: kestrel_readcount reads one generated playlist and
# prints its count, timed from outside with its peak resident memory, in turns
# with the baseline (the same program reading the bytes and splitting them at
# LF) on the same file. A second build folder adds its reader to the turns, so
# that two versions are compared in one sitting.
#   bench/readcount.sh [build-dir [other-build-dir]] [runs, default 7]
# Needs /usr/bin/time (Debian package "time"). Times are medians in ms, peak
# memory is the median of the maximum resident set in MB.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
builds=()
runs=7
for arg in "$@"; do
    if [[ $arg =~ ^[0-9]+$ ]]; then runs=$arg; else builds+=("$(cd "$arg" && pwd)"); fi
done
[ ${#builds[@]} -eq 0 ] && builds=("$root/build")
for b in "${builds[@]}"; do
    [ -x "$b/bin/kestrel_readcount" ] || { echo "no $b/bin/kestrel_readcount" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "readcount: /usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

work=$(mktemp -d /tmp/kestrel-readcount-XXXXXX)
trap 'rm -rf "$work"' EXIT
tool=${builds[0]}/bin/kestrel_readcount

# run <name> <command...>: one timed run, appended to $work/<name>.
run() {
    local name=$1; shift
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" >"$work/out"
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(cat "$work/rss") $(cat "$work/out")" >>"$work/$name"
}

# median <file> <column>
median() {
    sort -n -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'
}

header="| format | entries | file MB | baseline ms | baseline MB |"
rule="| --- | ---: | ---: | ---: | ---: |"
for i in "${!builds[@]}"; do
    header+=" read$i ms | x | peak$i MB | (peak - 12 MB) / file |"
    rule+=" ---: | ---: | ---: | ---: |"
done
echo "$header"
echo "$rule"
for format in pls m3u m3u-plain xspf; do
    suffix=${format%-plain}
    for count in 1000 10000 100000; do
        file="$work/sample$count.$format.$suffix"
        "$tool" --make "$format" "$count" "$file"
        rm -f "$work"/base "$work"/read*
        for ((r = 0; r < runs; ++r)); do
            run base "$tool" --baseline "$file"
            for i in "${!builds[@]}"; do
                run "read$i" "${builds[$i]}/bin/kestrel_readcount" "$file"
            done
        done
        size=$(stat -c %s "$file")
        base_us=$(median "$work/base" 1)
        line=$(awk -v f="$format" -v n="$count" -v s="$size" -v t="$base_us" -v m="$(median "$work/base" 2)" \
            'BEGIN { printf "| %s | %d | %.2f | %.1f | %.1f |", f, n, s / 1048576, t / 1000, m / 1024 }')
        for i in "${!builds[@]}"; do
            got=$(awk '{ print $3 }' "$work/read$i" | sort -u)
            [ "$got" = "$count" ] || { echo "read $got entries of $file, not $count" >&2; exit 1; }
            line+=$(awk -v t="$(median "$work/read$i" 1)" -v b="$base_us" -v m="$(median "$work/read$i" 2)" -v s="$size" \
                'BEGIN { printf " %.1f | %.2f | %.1f | %.1f |", t / 1000, t / b, m / 1024, (m * 1024 - 12 * 1048576) / s }')
        done
        echo "$line"
    done
done
