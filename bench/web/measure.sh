#!/usr/bin/env bash
# The web page against the command line on one core: ROWS random span rows
# (1,000,000 unless given) through `taskset -c 0 spanwright-cli batch` and
# through the page's spreadsheet part; then a family tree (TREE: the
# largest sample tree, build/gedcom-samples/royal.ged, unless given; and a
# generated one of PEOPLE people, 4683 unless given) through `gedcom` and
# `check` and through the page's tree part, sorted by every column; each
# with the longest task that held up the page; the site's size gzipped.
# Needs build/bin/spanwright-cli and build-web/site (scripts/dev.sh web).
#   bench/web/measure.sh [ROWS [TREE [PEOPLE]]]
set -euo pipefail
rows=${1:-1000000}
tree=${2:-}
people=${3:-4683}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"
install_missing gawk bc util-linux chromium chromium-driver python3-selenium
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gawk -v rows="$rows" -v kind=span -f "$root/bench/batch/generate.awk" > "$work/spans.csv"
header=$(head -n 1 "$work/spans.csv")
echo "$rows rows ($(du -h "$work/spans.csv" | cut -f1)), header $header"
start=$(date +%s.%N)
taskset -c 0 "$root/build/bin/spanwright-cli" batch "$work/spans.csv" --begin 1 --end 2 > "$work/cli.csv" || true
echo "command line, one core: $(echo "$(date +%s.%N) - $start" | bc) s"
/usr/bin/python3 "$root/bench/web/measure.py" "$root/build-web/site" batch "$work/spans.csv" 0 1

if [ -z "$tree" ]; then
    tree=$root/build/gedcom-samples/royal.ged
    [ -s "$tree" ] || fetch_gedcom_samples "$root/build/gedcom-samples"
fi
gawk -v n="$people" -f "$root/bench/gedcom/generate.awk" > "$work/generated-$people.ged"
for file in "$tree" "$work/generated-$people.ged"; do
    [ -s "$file" ] || continue
    echo "== $(basename "$file"): $(grep -c '^0 @[^@]*@ INDI' "$file") people ($(du -h "$file" | cut -f1))"
    start=$(date +%s.%N)
    taskset -c 0 "$root/build/bin/spanwright-cli" gedcom "$file" > /dev/null 2>&1 || true
    taskset -c 0 "$root/build/bin/spanwright-cli" check "$file" > /dev/null 2>&1 || true
    echo "command line, gedcom and check, one core: $(echo "$(date +%s.%N) - $start" | bc) s"
    /usr/bin/python3 "$root/bench/web/measure.py" "$root/build-web/site" tree "$file"
done
total=0
for file in $(find "$root/build-web/site" -type f); do
    total=$((total + $(gzip -9 -c "$file" | wc -c)))
done
echo "site gzipped: $total bytes"
