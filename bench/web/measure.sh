#!/usr/bin/env bash
# The web page's spreadsheet part against the command line on one core:
# ROWS random span rows (1,000,000 unless given) through
# `taskset -c 0 spanwright-cli batch` and through the page in headless
# Chromium, the site's size gzipped beside them.
# Needs build/bin/spanwright-cli and build-web/site (scripts/dev.sh web).
set -euo pipefail
rows=${1:-1000000}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gawk -v rows="$rows" -v kind=span -f "$root/bench/batch/generate.awk" > "$work/spans.csv"
header=$(head -n 1 "$work/spans.csv")
echo "$rows rows ($(du -h "$work/spans.csv" | cut -f1)), header $header"
start=$(date +%s.%N)
taskset -c 0 "$root/build/bin/spanwright-cli" batch "$work/spans.csv" --begin 1 --end 2 > "$work/cli.csv" || true
echo "command line, one core: $(echo "$(date +%s.%N) - $start" | bc) s"
/usr/bin/python3 "$root/bench/web/measure.py" "$root/build-web/site" "$work/spans.csv" 0 1
total=0
for file in "$root"/build-web/site/*; do
    total=$((total + $(gzip -9 -c "$file" | wc -c)))
done
echo "site gzipped: $total bytes"
