#!/usr/bin/env bash
# Installs Spanwright into a temporary prefix, starts the installed program
# through its link in bin/ under a private X server, and checks that F1 finds
# the help text beside the program: the viewer opens without the message box
# that an unreadable help file brings. Then the same with the help text
# removed, where the message box must come, so that the check can fail.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

build=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

unset QT_QPA_PLATFORM # this test needs the real X server it starts
work=$(mktemp -d)
xserver=
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

# A private X server on the first free display.
exec {displayfd}<> <(:)
# -noreset: the server would otherwise reset when the first run's clients leave,
# refusing the second run meanwhile.
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xserver=$!
read -r -t 10 display <&"$displayfd"
export DISPLAY=":$display"

wait_for_window() { # NAME: prints the window id once it is visible
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window named '$1' showed up" >&2
    return 1
}

# run_f1 EXPECTED: starts the installed program, presses F1, and reports
# which window came first: "viewer" or "message".
run_f1() {
    mkdir -p "$work/home"
    (cd / && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        "$work/prefix/bin/spanwright" >"$work/log" 2>&1) &
    program=$!
    main=$(wait_for_window "Spanwright '95") || { cat "$work/log" >&2; return 1; }
    xdotool windowfocus --sync "$main"
    xdotool key F1
    first=$(wait_for_window "Help on Formats|Text Editor") || return 1
    case "$(xdotool getwindowname "$first")" in
    "Help on Formats") echo viewer ;;
    "Text Editor") echo message ;;
    *) echo none ;;
    esac
    # Close whatever is open, then the main window with Esc.
    while id=$(xdotool search --onlyvisible --name "Help on Formats|Text Editor" | head -n 1) \
        && [ -n "$id" ]; do
        xdotool windowfocus --sync "$id" key Escape
        sleep 0.2
    done
    xdotool windowfocus --sync "$main" key Escape
    status=0
    wait "$program" || status=$?
    program=
    [ "$status" -eq 0 ] || {
        echo "the program ended with status $status" >&2
        cat "$work/log" >&2
        return 1
    }
}

[ -L "$work/prefix/bin/spanwright" ] || { echo "bin/spanwright is not a link"; exit 1; }

found=$(run_f1)
[ "$found" = viewer ] || { echo "FAIL: the installed program did not find Formats.txt"; exit 1; }

rm "$work/prefix/lib/spanwright/Formats.txt"
found=$(run_f1)
[ "$found" = message ] || { echo "FAIL: no message for a missing Formats.txt"; exit 1; }

echo "PASS: the installed program finds its help text through bin/spanwright"
