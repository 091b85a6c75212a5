#!/bin/sh
# The Gramps addon headless, with Debian's Gramps and its example tree in a
# fresh Gramps home: the report spanwright_check run from Gramps' command
# line against spanwright-cli check on Gramps' GEDCOM export of the same
# tree, finding for finding; then every date of the tree as the addon maps
# it against the engine's reading of the export's date; the tool's Gtk
# list under Xvfb, filter by filter; the ages report's ages at death
# against the GEDCOM report's on the export; and every plugin of the addon
# loads.
#
# usage: gramps_report_test.sh SPANWRIGHT_CLI PYTHON_PACKAGE_DIR ADDON_DIR TEST_DIR
# Exits 77 (skipped) where Gramps or its example tree is missing.
set -eu

cli=$1
package_dir=$2
addon_dir=$3
test_dir=$4
python=/usr/bin/python3
example=/usr/share/doc/gramps/example/gramps/example.gramps
# The day future_date compares with, the same for both sides.
today=2026-01-01

command -v gramps >/dev/null 2>&1 || { echo "gramps is not installed"; exit 77; }
[ -f "$example" ] || { echo "no $example"; exit 77; }

work=$(mktemp -d)
trap '[ -n "${KEEP_GRAMPS_TEST:-}" ] || rm -rf "$work"' EXIT
# shellcheck source=tests/gramps/scratch_tree.sh
. "$test_dir/scratch_tree.sh"
scratch_tree "$work"
gramps -O example -a report -p "name=spanwright_check,off=txt,of=$work/report.txt,today=$today" \
    >"$work/report.log" 2>&1 || { cat "$work/report.log"; exit 1; }
[ -s "$work/report.txt" ] || { echo "the report wrote nothing"; cat "$work/report.log"; exit 1; }
gramps -O example -a report -p "name=spanwright_ages,off=txt,of=$work/ages.txt" \
    >"$work/ages.log" 2>&1 || { cat "$work/ages.log"; exit 1; }
grep -q "Year(s)" "$work/ages.txt" || { echo "the ages report gives no age"; cat "$work/ages.log"; exit 1; }
gramps -O example -e "$work/export.ged" >"$work/export.log" 2>&1 || { cat "$work/export.log"; exit 1; }

status=0
"$cli" check --today "$today" "$work/export.ged" >"$work/check.csv" 2>"$work/check.err" || status=$?
# 1 is "found something"; anything else is a failure of the command.
[ "$status" -le 1 ] || { cat "$work/check.err"; exit 1; }

$python "$test_dir/compare_findings.py" "$work/report.txt" "$work/check.csv"
# Gramps' Python says much on standard error without a display; shown only
# when a step fails.
in_gramps() { # SCRIPT ARGUMENT...
    PYTHONPATH=$addon_dir:$PYTHONPATH $python "$@" 2>"$work/python.err" \
        || { grep -v Gtk "$work/python.err"; exit 1; }
}
in_gramps "$test_dir/example_dates.py" example
in_gramps "$test_dir/event_ages.py" example "$work/export.ged"
in_gramps "$test_dir/load_plugins.py" "$plugins/$(basename "$addon_dir")" spanwright_check spanwright_findings \
    spanwright_birth_from_records spanwright_ages spanwright_ages_at_events
# The tool's list and the gramplet's text need Gtk and so an X server.
if command -v xvfb-run >/dev/null 2>&1; then
    in_gramps_x() { PYTHONPATH=$addon_dir:$PYTHONPATH xvfb-run -a $python "$@" 2>"$work/python.err" \
        || { grep -v Gtk "$work/python.err"; exit 1; }; }
    in_gramps_x "$test_dir/tool_window.py" example
else
    echo "no xvfb-run: the tool's window is not tested"
fi
