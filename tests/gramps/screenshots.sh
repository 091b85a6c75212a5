#!/bin/sh
# The screenshots of the addon in the running Gramps, for the README:
# docs/gramps-findings.png (the tool "Spanwright findings"),
# docs/gramps-birth.png (the gramplet "Birth from records" with its picture)
# and docs/gramps-ages.png (the gramplet "Ages at events"), of Gramps'
# example tree in a fresh Gramps home under Xvfb, driven with xdotool. A
# developer's tool, not a test: the clicks are at the places Gramps 5.1
# draws its menus in a 1280x900 screen.
#
# usage: tests/gramps/screenshots.sh PYTHON_PACKAGE_DIR [OUTPUT_DIR]
#   PYTHON_PACKAGE_DIR holds the built spanwright package (build/python/package)
set -eu

package_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
out=${2:-$here/../../docs}
addon_dir=$here/../../addons/gramps/Spanwright
python=/usr/bin/python3
example=/usr/share/doc/gramps/example/gramps/example.gramps

if [ -z "${SCREENSHOTS_INSIDE_X:-}" ]; then
    SCREENSHOTS_INSIDE_X=1 exec xvfb-run -a -s '-screen 0 1280x900x24' "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "$gramps_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
gramps_pid=
# shellcheck source=tests/gramps/scratch_tree.sh
. "$here/scratch_tree.sh"
scratch_tree "$work"
PYTHONPATH=$addon_dir:$PYTHONPATH $python "$here/screenshot_person.py" example 2>"$work/person.err" \
    || { grep -v Gtk "$work/person.err"; exit 1; }

# The People view with "Birth from records" and "Ages at events" in its
# sidebar.
config=$($python -c 'from gramps.gen.const import VERSION_DIR; print(VERSION_DIR)' 2>/dev/null)
printf '[Bar Options]\nvisible=True\npage=0\n\n[%s]\nname=%s\npage=0\n\n[%s]\nname=%s\npage=1\n' \
    spanwright_birth_from_records spanwright_birth_from_records spanwright_ages_at_events spanwright_ages_at_events \
    >"$config/People_personview_sidebar.ini"

# shot FILE X Y WIDTH HEIGHT: that part of the screen as a PNG.
shot() {
    $python - "$@" <<'PY' 2>/dev/null
import sys, gi
gi.require_version("Gdk", "3.0")
from gi.repository import Gdk
x, y, width, height = (int(value) for value in sys.argv[2:6])
Gdk.pixbuf_get_from_window(Gdk.get_default_root_window(), x, y, width, height).savev(sys.argv[1], "png", [], [])
PY
}

# wait_for NAME: the id of the first window whose name holds NAME.
wait_for() {
    for _ in $(seq 60); do
        window=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$window" ] && { echo "$window"; return; }
        sleep 1
    done
    echo "no window $1" >&2
    exit 1
}

gramps -O example >"$work/gramps.log" 2>&1 &
gramps_pid=$!
main=$(wait_for "example - ")
xdotool windowmove "$main" 0 0 windowsize "$main" 1280 900
sleep 3
xdotool mousemove 60 117 click 1      # People
sleep 15
# The sidebar widened for the picture; then its second tab.
xdotool mousemove 879 420 mousedown 1 mousemove 700 420 mousemove 470 420 mouseup 1
sleep 3
shot "$out/gramps-birth.png" 465 60 815 300
xdotool mousemove 700 85 click 1      # the tab "Ages at events"
sleep 5
shot "$out/gramps-ages.png" 465 60 815 300
xdotool mousemove 441 12 click 1      # Tools
sleep 1
xdotool key Down Right Down Return    # Analysis and Exploration > Spanwright findings...
tool=$(wait_for "Spanwright findings")
xdotool windowmove "$tool" 0 0 windowsize "$tool" 1280 700
sleep 3
shot "$out/gramps-findings.png" 0 0 1280 700
