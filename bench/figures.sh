# shellcheck shell=bash
# Sourced by the benchmarks that print figures (bench/*/figures.sh), with
# root set to the source tree: builds the optimised program (releasecli.sh),
# makes a scratch directory (work), and gives the measures. Every figure is
# printed as "name value", one a line, for scripts/dev.sh bench to compare.
#
# Times are taken on one core (taskset -c 0), the median of three, as
# ratios of two commands in one run.
# Instruction counts (valgrind's callgrind) are repeatable where times are
# not: they are what a recorded baseline can be held to.
# shellcheck disable=SC2154 # root is set by the script that sources this
# shellcheck source=bench/releasecli.sh
source "$root/bench/releasecli.sh"
install_missing valgrind
cli="$build/bin/spanwright-cli"
work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-figures.XXXXXX")
trap 'rm -rf "$work"' EXIT

# seconds IN OUT COMMAND...: the median of three runs on one core of the
# processor time (user and system, in microseconds from wait4), standard
# input from IN, standard output to OUT. On one core the wall time is this
# and the time the machine's other work takes from it, which on a shared
# machine is most of it.
seconds() {
    local in=$1 out=$2
    shift 2
    for _ in 1 2 3; do
        TIMES="$work/times" taskset -c 0 /usr/bin/python3 -c '
import os, sys
pid = os.fork()
if pid == 0:
    os.execvp(sys.argv[1], sys.argv[1:])
_, status, usage = os.wait4(pid, 0)
if os.waitstatus_to_exitcode(status) not in (0, 1):
    sys.exit("failed: " + " ".join(sys.argv[1:]))
with open(os.environ["TIMES"], "a") as times:
    print("%.3f" % (usage.ru_utime + usage.ru_stime), file=times)
' "$@" <"$in" >"$out" 2>/dev/null || exit 1
    done
    tail -n 3 "$work/times" | sort -n | sed -n 2p
}

# instructions IN COMMAND...: the instructions the command runs, on one core.
instructions() {
    local in=$1
    shift
    # A status of 1 (rows with errors, people in conflict) is an answer too.
    { taskset -c 0 valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" <"$in" 2>&1 >/dev/null || true; } |
        awk '/Collected :/ { print $4 }'
}

# peak_kib IN COMMAND...: the peak memory (maximum resident set) in KiB.
peak_kib() {
    local in=$1
    shift
    /usr/bin/time -f %M -o "$work/peak" "$@" <"$in" >/dev/null 2>/dev/null || [ $? -le 1 ]
    tail -n 1 "$work/peak"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f\n", a / b }'; }
figure() { printf '%s %s\n' "$1" "$2"; }
