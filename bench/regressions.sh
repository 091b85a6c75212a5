#!/usr/bin/env bash
# Runs the figures of the batch, narrow and check (bench/*/figures.sh) and
# holds them to those recorded in bench/baseline.txt: a figure that grew by
# more than 5 % fails the run. The recorded figures are the repeatable ones,
# instruction counts and their ratios and peak memory; the wall times and
# their ratios are printed beside them, for the README, but a shared
# machine's times vary by more than 5 % from run to run.
#
#   bench/regressions.sh [--record] [COMMAND...]
#
# --record writes the baseline anew. COMMAND (batch, narrow, check; all
# three by default) runs only those figures and holds only them to the
# baseline, as when a change touches only one of them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
baseline="$root/bench/baseline.txt"
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
record=false
if [ "${1:-}" = --record ]; then
    record=true
    shift
fi
commands=("$@")
[ ${#commands[@]} -gt 0 ] || commands=(batch narrow check)
for command in "${commands[@]}"; do
    case "$command" in batch|narrow|check) ;; *) echo "no figures for $command" >&2; exit 2 ;; esac
    "$root/bench/$command/figures.sh" | tee -a "$figures"
done
if $record; then
    # The figures of the commands not run stay as they were recorded.
    kept=$(awk -v run="${commands[*]}" 'BEGIN { split(run, names, " "); for (i in names) wanted[names[i]] = 1 }
        { command = $1; sub(/_.*/, "", command) } !(command in wanted)' "$baseline")
    { grep -E '_(instruction_ratio|instructions|peak_kib) ' "$figures"; [ -z "$kept" ] || printf '%s\n' "$kept"; } >"$baseline.new"
    mv "$baseline.new" "$baseline"
    echo "recorded $baseline"
    exit 0
fi
# A figure is a command's when its name starts with the command's.
awk -v run="${commands[*]}" 'BEGIN { split(run, names, " "); for (i in names) wanted[names[i]] = 1 }
     NR == FNR { now[$1] = $2; next }
     { command = $1; sub(/_.*/, "", command) }
     !(command in wanted) { next }
     !($1 in now) { printf "%s: not measured\n", $1; bad = 1; next }
     now[$1] > $2 * 1.05 { printf "%s: %s, was %s (more than 5 %% worse)\n", $1, now[$1], $2; bad = 1 }
     END { exit bad }' "$figures" "$baseline" || { echo "a figure regressed" >&2; exit 1; }
echo "no figure regressed against $baseline"
