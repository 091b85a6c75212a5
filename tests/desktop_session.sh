#!/usr/bin/env bash
# Runs a test program on a desktop of its own: a private X server on the
# first free display with the openbox window manager, as users have one.
# Exits with 77 (skipped) only when one of the tools is not installed.
# Usage: desktop_session.sh PROGRAM [ARGUMENT...]
set -euo pipefail

for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

xserver=
windowManager=
session=
cleanup() {
    [ -n "$windowManager" ] && kill "$windowManager" 2>/dev/null || true
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

# A session of its own, so that openbox reads no user's configuration.
session=$(mktemp -d)
export HOME="$session" XDG_CONFIG_HOME="$session/.config" XDG_RUNTIME_DIR="$session"
chmod 700 "$session"
openbox --sm-disable >/dev/null 2>&1 &
windowManager=$!
# The window manager is up once it names itself on the root window.
for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' \
    || { echo "openbox did not start" >&2; exit 1; }

unset QT_QPA_PLATFORM # the real X server, not the offscreen one of the other tests
"$@"
