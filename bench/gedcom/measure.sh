#!/usr/bin/env bash
# Measures spanwright-cli gedcom on generated files: wall time and peak
# memory for COUNT individuals (default 100000), and for four times as many
# to show that memory does not grow with the file. Builds the program
# optimised (Release) in build-release/; the files live in a temporary
# directory and are removed.
#
#   bench/gedcom/measure.sh [COUNT]
set -euo pipefail

count=${1:-100000}
[[ "$count" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [count]" >&2; exit 2; }
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=bench/releasecli.sh
source "$root/bench/releasecli.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-gedcom-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Times one file: once to bring it into the page cache, then measured.
measure() {
    local file=$1 label=$2 size status=0 seconds kilobytes
    size=$(du -h "$file" | cut -f1)
    "$build/bin/spanwright-cli" gedcom "$file" >/dev/null 2>&1 || true
    /usr/bin/time -f "%e %M" -o "$work/time" \
        "$build/bin/spanwright-cli" gedcom "$file" --summary >/dev/null 2>"$work/summary" || status=$?
    [ "$status" -le 1 ] || { cat "$work/summary" >&2; exit 1; }
    # time writes a line of its own before the figures when the status is 1.
    read -r seconds kilobytes < <(tail -n 1 "$work/time")
    echo "$label ($size): ${seconds} s, peak memory ${kilobytes} KiB"
    sed "s|^$work/||" "$work/summary"
}

for n in "$count" $((count * 4)); do
    file="$work/tree-$n.ged"
    awk -v n="$n" -f "$root/bench/gedcom/generate.awk" >"$file"
    measure "$file" "$n individuals"
done

# The same tree in ANSEL (a combining mark on some names) and in UTF-16
# with a byte order mark: within twice the UTF-8 time.
file="$work/tree-$count.ged"
sed -e 's/^1 CHAR UTF-8/1 CHAR ANSEL/' -e 's|/Hansen/|/H\xe8ansen/|' "$file" >"$work/tree-$count-ansel.ged"
measure "$work/tree-$count-ansel.ged" "$count individuals, ANSEL"
iconv -f UTF-8 -t UTF-16 "$file" >"$work/tree-$count-utf16.ged"
measure "$work/tree-$count-utf16.ged" "$count individuals, UTF-16"
