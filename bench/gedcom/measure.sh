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
build="$root/build-release"

# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"
install_missing g++ cmake make qt6-base-dev libcli11-dev libzip-dev pkg-config time

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel 2 --target spanwright-cli >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-gedcom-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

for n in "$count" $((count * 4)); do
    file="$work/tree-$n.ged"
    awk -v n="$n" -f "$root/bench/gedcom/generate.awk" >"$file"
    size=$(du -h "$file" | cut -f1)
    # Once to bring the file into the page cache, then measured.
    "$build/bin/spanwright-cli" gedcom "$file" >/dev/null 2>&1 || true
    status=0
    /usr/bin/time -f "%e %M" -o "$work/time" \
        "$build/bin/spanwright-cli" gedcom "$file" --summary >/dev/null 2>"$work/summary" || status=$?
    [ "$status" -le 1 ] || { cat "$work/summary" >&2; exit 1; }
    read -r seconds kilobytes <"$work/time"
    echo "$n individuals ($size): ${seconds} s, peak memory ${kilobytes} KiB"
    sed "s|^$work/||" "$work/summary"
done
