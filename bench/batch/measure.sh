#!/usr/bin/env bash
# The batch benchmark: ROWS (default 1,000,000) random rows of begin and end
# dates through `spanwright-cli batch --begin --end`, as many tombstone rows
# through `batch --end --age`, and the span rows through a java.time program
# doing the same span work (bench/batch/SpanBatch.java); then as many rows of
# ISO dates (1990-05-17) through the batch, through java.time
# (LocalDate.parse, Period.between) and through DuckDB (read_csv typing the
# dates, age(); bench/batch/span_duckdb.mjs, with @duckdb/node-api from npm). Prints rows per
# second (by wall time), the processor time it took (user and system, all
# threads: the batch works on every core, java.time's work runs on one
# thread with the virtual machine's own beside it) and peak memory (maximum
# resident set) of each, the best of RUNS runs (default 3), and the peak
# memory of a tenth of the span rows, which must be the same when the input
# is streamed.
#
#   bench/batch/measure.sh [ROWS [RUNS]]
set -euo pipefail

rows=${1:-1000000}
runs=${2:-3}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"
install_missing g++ cmake make qt6-base-dev libcli11-dev libminizip-dev pkg-config default-jdk-headless time gawk nodejs
# Debian's nodejs leaves npm to a package of its own; NodeSource's holds it.
command -v npm >/dev/null || install_missing npm

build="$root/build-release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target spanwright-cli >/dev/null
cli="$build/bin/spanwright-cli"
# DuckDB's Node.js package holds its own Linux library; kept with the build.
duckdb="$build/duckdb"
if [ ! -d "$duckdb/node_modules/@duckdb/node-api" ]; then
    npm install --prefix "$duckdb" --no-audit --no-fund @duckdb/node-api@1.5.6-r.1 >/dev/null
fi
cp "$root/bench/batch/span_duckdb.mjs" "$duckdb/"

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-batch.XXXXXX")
trap 'rm -rf "$work"' EXIT
javac -d "$work" "$root/bench/batch/SpanBatch.java"
gawk -v rows="$rows" -v kind=span -f "$root/bench/batch/generate.awk" > "$work/spans.csv"
gawk -v rows="$rows" -v kind=tombstone -f "$root/bench/batch/generate.awk" > "$work/stones.csv"
gawk -v rows="$rows" -v kind=iso -f "$root/bench/batch/generate.awk" > "$work/iso.csv"
head -n $((rows / 10 + 1)) "$work/spans.csv" > "$work/spans-tenth.csv"

# best NAME COMMAND...: runs the command RUNS times with the input on
# standard input ($input) and the output to a file; prints the best wall time
# in seconds with the processor time of that run, and the largest peak
# memory in KiB.
best() {
    local name=$1 best_time= best_cpu= peak=0 t user system kib
    shift
    for _ in $(seq "$runs"); do
        /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" < "$input" > "$work/out.csv" || [ $? -le 1 ]
        read -r t user system kib < <(tail -n 1 "$work/time")
        if [ -z "$best_time" ] || awk -v a="$t" -v b="$best_time" 'BEGIN { exit !(a < b) }'; then
            best_time=$t
            best_cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')
        fi
        [ "$kib" -gt "$peak" ] && peak=$kib
    done
    awk -v name="$name" -v t="$best_time" -v cpu="$best_cpu" -v rows="$rows_in" -v kib="$peak" \
        'BEGIN { printf "%-34s %7.3f s %11.0f rows/s %7.2f s cpu %9d KiB\n", name, t, rows / t, cpu, kib }'
    eval "${name//[^a-z]/_}_time=$best_time"
}

echo "$rows rows, best of $runs runs ($(nproc) cores)"
input="$work/spans.csv" rows_in=$rows best "spanwright-cli batch (spans)" "$cli" batch --begin 1 --end 2
input="$work/stones.csv" rows_in=$rows best "spanwright-cli batch (tombstones)" "$cli" batch --end 1 --age 2
input="$work/spans-tenth.csv" rows_in=$((rows / 10)) best "spanwright-cli batch (tenth, spans)" "$cli" batch --begin 1 --end 2
input="$work/spans.csv" rows_in=$rows best "java.time (spans)" java -cp "$work" SpanBatch
awk -v a="$spanwright_cli_batch__spans__time" -v b="$java_time__spans__time" \
    'BEGIN { printf "spanwright-cli is %.1f times as fast as java.time on the span rows\n", b / a }'
input="$work/iso.csv" rows_in=$rows best "spanwright-cli batch (iso dates)" "$cli" batch --begin 1 --end 2
input="$work/iso.csv" rows_in=$rows best "java.time (iso dates)" java -cp "$work" SpanBatch iso
input="$work/iso.csv" rows_in=$rows best "duckdb (iso dates)" node "$duckdb/span_duckdb.mjs"
awk -v a="$spanwright_cli_batch__iso_dates__time" -v b="$java_time__iso_dates__time" -v c="$duckdb__iso_dates__time" \
    'BEGIN { printf "on the ISO rows spanwright-cli is %.1f times as fast as java.time and %.1f times as fast as DuckDB\n", b / a, c / a }'
