#!/usr/bin/env bash
# Measures spanwright-cli check on generated family trees: wall time,
# processor time and peak memory for PEOPLE people in FAMILIES families
# (default 100000 in 30000), and for four times as many of both to show that
# memory grows with the tree and no faster; the summary gives the bytes the
# tree held per person. Builds the program optimised (Release) in
# build-release/; the files live in a temporary directory and are removed.
#
# Then the first tree again with stated ages (two censuses each and both
# spouses' ages at marriage: generate.awk -v stated=1), which the
# narrowing of stated ages weighs.
#
#   bench/check/measure.sh [PEOPLE [FAMILIES]]
set -euo pipefail

people=${1:-100000}
families=${2:-30000}
[[ "$people" =~ ^[1-9][0-9]*$ && "$families" =~ ^[1-9][0-9]*$ && $((2 * families)) -le "$people" ]] || {
    echo "usage: $0 [people [families]] (at least two people per family)" >&2
    exit 2
}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=bench/releasecli.sh
source "$root/bench/releasecli.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-check-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

for run in 1 4 stated; do
    scale=${run/stated/1}
    stated=$([ "$run" = stated ] && echo 1 || echo 0)
    n=$((people * scale))
    f=$((families * scale))
    file="$work/tree-$n-$run.ged"
    awk -v people="$n" -v families="$f" -v stated="$stated" -f "$root/bench/check/generate.awk" >"$file"
    size=$(du -h "$file" | cut -f1)
    # Once to bring the file into the page cache, then measured.
    "$build/bin/spanwright-cli" check "$file" >/dev/null 2>&1 || true
    status=0
    /usr/bin/time -f "%e %U %S %M" -o "$work/time" \
        "$build/bin/spanwright-cli" check "$file" --today 12/9/2026 >/dev/null 2>"$work/summary" || status=$?
    [ "$status" -le 1 ] || { cat "$work/summary" >&2; exit 1; }
    # time writes a line of its own before the figures when the status is 1.
    read -r seconds user system kilobytes < <(tail -n 1 "$work/time")
    echo "$n people in $f families$([ "$stated" = 1 ] && echo ", stated ages") ($size): ${seconds} s (processor ${user} s user, ${system} s system), peak memory ${kilobytes} KiB"
    head -n 1 "$work/summary" | sed "s|^$work/||"
done
