#!/usr/bin/env bash
# `spanwright-cli narrow --csv` against `batch --end --age` on the same
# register rows (generate.awk kind=register: PEOPLE people, default
# 100,000, ten records each in no order), which does the same age search a
# row; then the rows where 15 % of the ages are ten years out, so that most
# people's records conflict, against the first narrow. Prints wall times on
# one core, their ratios, the ratios of instructions on a tenth of the
# people, and the peak memory of narrow for all and a tenth of the people.
#
#   bench/narrow/figures.sh [PEOPLE]
set -euo pipefail
people=${1:-100000}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=bench/figures.sh
source "$root/bench/figures.sh"

generate() { awk -v people="$1" -v kind=register -v off="$2" -f "$root/bench/narrow/generate.awk"; }
generate "$people" 0.005 >"$work/register.csv"
generate "$people" 0.15 >"$work/conflicts.csv"
generate $((people / 10)) 0.005 >"$work/register-tenth.csv"
generate $((people / 10)) 0.15 >"$work/conflicts-tenth.csv"
narrow=("$cli" narrow --csv - --person person --date date --age age)
batch=("$cli" batch --end date --age age)

batchTime=$(seconds "$work/register.csv" /dev/null "${batch[@]}")
narrowTime=$(seconds "$work/register.csv" /dev/null "${narrow[@]}")
conflictTime=$(seconds "$work/conflicts.csv" /dev/null "${narrow[@]}")
batchCount=$(instructions "$work/register-tenth.csv" "${batch[@]}")
narrowCount=$(instructions "$work/register-tenth.csv" "${narrow[@]}")
conflictCount=$(instructions "$work/conflicts-tenth.csv" "${narrow[@]}")
figure narrow_batch_seconds "$batchTime"
figure narrow_register_seconds "$narrowTime"
figure narrow_conflicts_seconds "$conflictTime"
figure narrow_register_time_ratio "$(ratio "$narrowTime" "$batchTime")"
figure narrow_conflicts_time_ratio "$(ratio "$conflictTime" "$narrowTime")"
figure narrow_register_instruction_ratio "$(ratio "$narrowCount" "$batchCount")"
figure narrow_conflicts_instruction_ratio "$(ratio "$conflictCount" "$narrowCount")"
figure narrow_conflicts_peak_kib "$(peak_kib "$work/conflicts.csv" "${narrow[@]}")"
figure narrow_tenth_peak_kib "$(peak_kib "$work/conflicts-tenth.csv" "${narrow[@]}")"
