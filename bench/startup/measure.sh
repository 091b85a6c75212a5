#!/usr/bin/env bash
# Start-up cost of Spanwright against the floor any Qt Widgets program of its
# shape pays (bare_dialog): the time from launch to a visible main window and
# the peak resident memory once the window is up.
#
# usage: bench/startup/measure.sh [BUILD_DIR] [PAIRS]
#   BUILD_DIR  the build holding bin/spanwright and bin/bare_dialog (default:
#              build-bench/ in the repository, apart from build/ so that the
#              benchmark option does not stay there); when one is missing,
#              the build is configured with -DSPANWRIGHT_BENCHMARKS=ON and built
#   PAIRS      runs of each program, alternating (default 9, at least 9)
#
# An X server of its own is started (Xvfb, on a free display number) unless
# DISPLAY is set. Every run gets a fresh, empty HOME and XDG_CONFIG_HOME, so
# Spanwright starts with an empty settings store; bare_dialog gets the same
# for a fair comparison. One unmeasured pair first warms the disk cache.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath -m "${1:-$root/build-bench}")
pairs=${2:-9}
settle=0.3 # seconds between the visible window and the memory reading

if ! [[ $pairs =~ ^[0-9]+$ ]] || [ "$pairs" -lt 9 ]; then
    echo "PAIRS must be a whole number of at least 9" >&2
    exit 2
fi

# What the measuring needs from the distribution (the benchmarks' build needs
# libbenchmark-dev).
# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"
install_missing g++ cmake make qt6-base-dev libcli11-dev libminizip-dev pkg-config xvfb xdotool x11-utils libbenchmark-dev

if [ ! -x "$build/bin/spanwright" ] || [ ! -x "$build/bin/bare_dialog" ]; then
    echo "Building $build with the benchmarks" >&2
    cmake -S "$root" -B "$build" -DSPANWRIGHT_BENCHMARKS=ON >/dev/null
    cmake --build "$build" --parallel "$(nproc)" --target spanwright bare_dialog
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-startup.XXXXXX")
xvfbPid=
xevPid=
appPid=
cleanup() {
    if [ -n "$appPid" ]; then kill -KILL "$appPid" 2>/dev/null || true; fi
    if [ -n "$xevPid" ]; then kill "$xevPid" 2>/dev/null || true; fi
    if [ -n "$xvfbPid" ]; then
        kill "$xvfbPid" 2>/dev/null || true
        wait "$xvfbPid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display number itself and writes it once it accepts
    # connections. -noreset: by default the server resets whenever its last
    # client leaves, as after every run and every poll, and refuses
    # connections meanwhile.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfbPid=$!
    for _ in $(seq 100); do
        [ -s "$scratch/display" ] && break
        kill -0 "$xvfbPid" 2>/dev/null || { cat "$scratch/xvfb.log" >&2; exit 1; }
        sleep 0.05
    done
    [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$scratch/display")"
fi
unset QT_QPA_PLATFORM
echo "Display $DISPLAY, build $build, $pairs pairs"

# Microseconds since the epoch into the variable named, without starting a
# process (not even a subshell).
now() { local t=$EPOCHREALTIME; printf -v "$1" '%s' "${t/[.,]/}"; }

# The windows mapped on the display, as they are mapped: xev reports every
# MapNotify among the root window's children, and the reader below stamps it
# the moment it arrives. No busy polling competes with the program for the
# processor.
mkfifo "$scratch/events"
stdbuf -oL xev -root -event substructure >"$scratch/events" 2>/dev/null &
xevPid=$!
exec 4<"$scratch/events"
sleep 0.2

# One run: launch, wait for the visible window with the exact title, let the
# start-up work finish, read the peak resident memory, end the program.
# Sets micros (microseconds to the visible window), peak (KiB) and cpu
# (microseconds on the processor, its threads still running, until the memory
# reading: less disturbed than the elapsed time when the machine is busy).
measure() {
    local program=$1 title=$2 home line
    home=$(mktemp -d "$scratch/home.XXXXXX")
    mkdir -m 700 "$home/config" "$home/runtime"
    # Events of earlier runs are not this one's.
    while read -r -t 0.01 line <&4; do :; done
    local start found= stamp
    now start
    HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
        "$build/bin/$program" >"$home/output.log" 2>&1 &
    appPid=$!
    local deadline=$((start + 20000000))
    while [ -z "$found" ]; do
        # A window mapped, or 50 ms without one: is ours visible now? (Under
        # a window manager the program's own window may be mapped inside a
        # frame, unseen from the root window; the check catches it then.)
        local mapped=yes
        if read -r -t 0.05 line <&4; then
            [[ $line == MapNotify* ]] || mapped=
        fi
        now stamp
        if [ -n "$mapped" ] && xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; then
            found=$stamp
        elif ! kill -0 "$appPid" 2>/dev/null; then
            echo "$program ended before showing its window:" >&2
            cat "$home/output.log" >&2
            exit 1
        elif [ "$stamp" -gt "$deadline" ]; then
            echo "$program showed no window within 20 s" >&2
            exit 1
        fi
    done
    sleep "$settle"
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$appPid/status")
    cpu=$(cat /proc/"$appPid"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum / 1000 }')
    kill -KILL "$appPid"
    wait "$appPid" 2>/dev/null || true
    appPid=
    rm -rf "$home"
    micros=$((found - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

spanTitle="Spanwright '95"
bareTitle="Bare Dialog Startup Floor"

micros=
peak=
cpu=
measure spanwright "$spanTitle"
measure bare_dialog "$bareTitle"

: >"$scratch/spanwright"
: >"$scratch/bare"
echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%4s  %13s %10s %10s  %12s %10s %10s\n' pair "spanwright ms" "cpu ms" "peak KiB" \
    "bare ms" "cpu ms" "peak KiB"
for pair in $(seq "$pairs"); do
    measure spanwright "$spanTitle"
    echo "$micros $peak $cpu" >>"$scratch/spanwright"
    measure bare_dialog "$bareTitle"
    echo "$micros $peak $cpu" >>"$scratch/bare"
    paste -d' ' <(tail -n1 "$scratch/spanwright") <(tail -n1 "$scratch/bare") | awk -v p="$pair" \
        '{ printf "%4d  %13.1f %10.1f %10d  %12.1f %10.1f %10d\n", p, $1 / 1000, $3 / 1000, $2, $4 / 1000, $6 / 1000, $5 }'
done
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

medianOf() { cut -d' ' -f"$1" "$2" | median; }
awk -v st="$(medianOf 1 "$scratch/spanwright")" -v sm="$(medianOf 2 "$scratch/spanwright")" \
    -v sc="$(medianOf 3 "$scratch/spanwright")" -v bt="$(medianOf 1 "$scratch/bare")" \
    -v bm="$(medianOf 2 "$scratch/bare")" -v bc="$(medianOf 3 "$scratch/bare")" 'BEGIN {
    printf "\nmedian  spanwright %.1f ms (cpu %.1f ms) %d KiB   bare_dialog %.1f ms (cpu %.1f ms) %d KiB\n",
           st / 1000, sc / 1000, sm, bt / 1000, bc / 1000, bm
    printf "ratio   time %.3f   cpu %.3f   memory %.3f   (spanwright / bare_dialog)\n",
           st / bt, sc / bc, sm / bm
}'
