#!/usr/bin/env bash
# The narrow benchmark: PEOPLE (default 100,000) people in ten US censuses
# each (bench/narrow/generate.awk: 1,000,000 rows for 100,000 people)
# through `spanwright-cli narrow --csv` on one core, beside the batch over
# the same rows (`batch --end date --age age`, the same dates and ages, on
# one core too); then the rows with the censuses named ("US 1880 census"),
# and a tenth of the people, whose peak memory shows that memory follows
# the people, not the rows. Prints seconds (processor time, user and
# system) and peak memory (maximum resident set), the best of RUNS runs
# (default 3).
#
#   bench/narrow/measure.sh [PEOPLE [RUNS]]
# SPANWRIGHT_CLI names a built spanwright-cli to use instead of building
# one into build-release/.
set -euo pipefail

people=${1:-100000}
runs=${2:-3}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if [ -z "${SPANWRIGHT_CLI:-}" ]; then
    build="$root/build-release"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --parallel "$(nproc)" --target spanwright-cli >/dev/null
    SPANWRIGHT_CLI="$build/bin/spanwright-cli"
fi
cli=$SPANWRIGHT_CLI

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-narrow.XXXXXX")
trap 'rm -rf "$work"' EXIT
awk -v people="$people" -v kind=dates -f "$root/bench/narrow/generate.awk" >"$work/dates.csv"
awk -v people="$people" -v kind=census -f "$root/bench/narrow/generate.awk" >"$work/census.csv"
awk -v people="$((people / 10))" -v kind=census -f "$root/bench/narrow/generate.awk" >"$work/tenth.csv"

# The best processor time and its peak memory over the runs of a command.
best() {
    local name=$1
    shift
    local bestTime="" bestMemory=""
    for _ in $(seq "$runs"); do
        /usr/bin/time -f '%U %S %M' -o "$work/time" taskset -c 0 "$@" >/dev/null || [ $? -eq 1 ]
        read -r user system memory < <(tail -n 1 "$work/time")
        local seconds
        seconds=$(echo "$user + $system" | bc)
        if [ -z "$bestTime" ] || [ "$(echo "$seconds < $bestTime" | bc)" = 1 ]; then
            bestTime=$seconds
            bestMemory=$memory
        fi
    done
    printf '%-36s %6.2f s  %7d KiB\n' "$name" "$bestTime" "$bestMemory"
}

rows=$(($(wc -l <"$work/dates.csv") - 1))
echo "$rows rows of $people people, one core:"
best "narrow --csv (dates)" "$cli" narrow --csv "$work/dates.csv" --person person --date date --age age -o "$work/out.csv"
best "batch --end --age (the same rows)" "$cli" batch "$work/dates.csv" --end date --age age -o "$work/batch.csv"
best "narrow --csv (censuses named)" "$cli" narrow --csv "$work/census.csv" --person person --date date --age age -o "$work/out.csv"
best "narrow --csv, a tenth of the people" "$cli" narrow --csv "$work/tenth.csv" --person person --date date --age age -o "$work/out.csv"
echo "people written: $(($(wc -l <"$work/out.csv") - 1)) of $((people / 10)); with a conflict: $(awk -F, 'NR > 1 && $6 != ""' "$work/out.csv" | wc -l)"
