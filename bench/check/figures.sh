#!/usr/bin/env bash
# `spanwright-cli check` on generated trees (generate.awk) of 1,000,000
# people in 330,000 families and 100,000 in 33,000, with stated ages: wall
# time on one core and peak memory, and the instructions of the smaller.
#
#   bench/check/figures.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=bench/figures.sh
source "$root/bench/figures.sh"

for n in 100000 1000000; do
    awk -v people="$n" -v families=$((n * 33 / 100)) -v stated=1 -f "$root/bench/check/generate.awk" >"$work/tree-$n.ged"
done
figure check_100k_seconds "$(seconds /dev/null /dev/null "$cli" check "$work/tree-100000.ged" --today 12/9/2026)"
figure check_1m_seconds "$(seconds /dev/null /dev/null "$cli" check "$work/tree-1000000.ged" --today 12/9/2026)"
figure check_1m_peak_kib "$(peak_kib /dev/null "$cli" check "$work/tree-1000000.ged" --today 12/9/2026)"
figure check_100k_instructions "$(instructions /dev/null "$cli" check "$work/tree-100000.ged" --today 12/9/2026)"
