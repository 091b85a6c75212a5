#!/usr/bin/env bash
# The batch against its floor (floor.c, built here): ROWS (default
# 1,000,000) ISO rows, and as many month-first numeric rows (5/17/1990),
# through `spanwright-cli batch --begin 1 --end 2` and the ISO rows through
# the floor, whose output must be the batch's byte for byte. Prints the
# processor times on one core and their ratios to the floor's, and the
# ratios of instructions on the same rows (all of them: the program's start,
# which reads its tables of month names, weighs in them as in the times).
#
#   bench/batch/figures.sh [ROWS]
set -euo pipefail
rows=${1:-1000000}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=bench/figures.sh
source "$root/bench/figures.sh"

cc -O2 -o "$work/floor" "$root/bench/batch/floor.c"
awk -v rows="$rows" -v kind=iso -f "$root/bench/batch/generate.awk" >"$work/iso.csv"
awk -v rows="$rows" -v kind=span -f "$root/bench/batch/generate.awk" | grep -Ev '/[0-9]{1,2}(,|$)' >"$work/mdy.csv"

floor=$(seconds "$work/iso.csv" "$work/floor.csv" "$work/floor")
iso=$(seconds "$work/iso.csv" "$work/batch.csv" "$cli" batch --begin 1 --end 2)
cmp -s "$work/floor.csv" "$work/batch.csv" || { echo "the floor's output is not the batch's" >&2; exit 1; }
mdy=$(seconds "$work/mdy.csv" "$work/batch.csv" "$cli" batch --begin 1 --end 2)
floorCount=$(instructions "$work/iso.csv" "$work/floor")
figure batch_floor_seconds "$floor"
figure batch_iso_seconds "$iso"
figure batch_mdy_seconds "$mdy"
figure batch_iso_time_ratio "$(ratio "$iso" "$floor")"
figure batch_mdy_time_ratio "$(ratio "$mdy" "$floor")"
figure batch_iso_instruction_ratio "$(ratio "$(instructions "$work/iso.csv" "$cli" batch --begin 1 --end 2)" "$floorCount")"
figure batch_mdy_instruction_ratio "$(ratio "$(instructions "$work/mdy.csv" "$cli" batch --begin 1 --end 2)" "$floorCount")"
