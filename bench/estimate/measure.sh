#!/usr/bin/env bash
# Measures spanwright-cli estimate on a generated family tree (the check's
# generator, bench/check/generate.awk): wall time, processor time and peak
# memory for PEOPLE people in FAMILIES families (default 1000000 in
# 300000), and the families taken up per family, which stays a small
# number however large the tree (the bounds settle in a few passes). The
# program is built optimised (Release) in build-release/; the file lives in
# a temporary directory and is removed.
#
#   bench/estimate/measure.sh [PEOPLE [FAMILIES]] [CLI]
set -euo pipefail

people=${1:-1000000}
families=${2:-300000}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if [ -n "${3:-}" ]; then
    cli=$3
else
    # shellcheck source=bench/releasecli.sh
    source "$root/bench/releasecli.sh"
    cli="$build/bin/spanwright-cli"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-estimate-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
file="$work/tree-$people.ged"
awk -v people="$people" -v families="$families" -f "$root/bench/check/generate.awk" >"$file"
"$cli" estimate "$file" >/dev/null 2>&1 || true # into the page cache
/usr/bin/time -f "%e %U %S %M" -o "$work/time" "$cli" estimate "$file" >"$work/out.csv"
read -r wall user system memory <"$work/time"
rows=$(($(wc -l <"$work/out.csv") - 1))
echo "estimate: $people people, $families families ($(du -h "$file" | cut -f1)): ${wall} s wall, ${user} s user," \
     "${system} s system, $((memory / 1024)) MiB peak; $rows rows"
