#!/usr/bin/env bash
# Runs a test program on a desktop of its own: a private X server on the
# first free display and a home of its own, so that the window managers that
# the program starts (openbox, and fluxbox, icewm and weston where
# installed) read no user's configuration.
# Exits with 77 (skipped) only when one of the tools is not installed.
# Usage: desktop_session.sh PROGRAM [ARGUMENT...]
set -euo pipefail

for tool in Xvfb openbox xdotool xwininfo xprop xev xclip; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

xserver=
session=
cleanup() {
    [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
    [ -n "$session" ] && rm -rf "$session"
}
trap cleanup EXIT

exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset \
    >/dev/null 2>&1 &
xserver=$!
read -r -t 30 display <&"$displayfd" || { echo "the X server did not start" >&2; exit 1; }
export DISPLAY=":$display"

session=$(mktemp -d)
export HOME="$session" XDG_CONFIG_HOME="$session/.config" XDG_RUNTIME_DIR="$session"
chmod 700 "$session"

unset QT_QPA_PLATFORM WAYLAND_DISPLAY # the real X server, not the offscreen one of the other tests
"$@"
