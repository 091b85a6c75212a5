#!/usr/bin/env bash
# Runs the figures of the batch, narrow and check (bench/*/figures.sh) and
# holds them to those recorded in bench/baseline.txt: a figure that grew by
# more than 5 % fails the run. The recorded figures are the repeatable ones,
# instruction counts and their ratios and peak memory; the wall times and
# their ratios are printed beside them, for the README, but a shared
# machine's times vary by more than 5 % from run to run.
#
#   bench/regressions.sh [--record]   --record writes the baseline anew
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
baseline="$root/bench/baseline.txt"
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
for command in batch narrow check; do
    "$root/bench/$command/figures.sh" | tee -a "$figures"
done
if [ "${1:-}" = --record ]; then
    grep -E '_(instruction_ratio|instructions|peak_kib) ' "$figures" >"$baseline"
    echo "recorded $baseline"
    exit 0
fi
awk 'NR == FNR { now[$1] = $2; next }
     !($1 in now) { printf "%s: not measured\n", $1; bad = 1; next }
     now[$1] > $2 * 1.05 { printf "%s: %s, was %s (more than 5 %% worse)\n", $1, now[$1], $2; bad = 1 }
     END { exit bad }' "$figures" "$baseline" || { echo "a figure regressed" >&2; exit 1; }
echo "no figure regressed against $baseline"
