#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Spanwright, builds it, and then
# starts it (`start`) or runs the whole test suite headless (`test`): the
# tests, the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the engine's fuzz targets for a bounded
# time each (SPANWRIGHT_FUZZ_SECONDS, 30 under CI and 10 otherwise).
set -euo pipefail

usage() { echo "usage: $0 start|test" >&2; exit 2; }
[ $# -eq 1 ] || usage
action=$1
case "$action" in start|test) ;; *) usage ;; esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"

# What the build and the program need from the distribution; the tests also
# start the installed program under an X server of their own and validate
# the desktop entry and the AppStream metainfo; the desktop test runs the
# program under the openbox, fluxbox and icewm window managers and under
# weston (Wayland), also with a dark style.
packages=(g++ cmake make qt6-base-dev fonts-liberation2 libcli11-dev libzip-dev pkg-config)
[ "$action" = test ] && packages+=(xvfb xdotool desktop-file-utils appstream)
[ "$action" = test ] && packages+=(openbox fluxbox icewm weston qt6-wayland x11-utils adwaita-qt6)
install_missing "${packages[@]}"
# The package test: lintian, hardening-check (devscripts), dpkg-shlibdeps
# (dpkg-dev) and the manual page checkers, without their many recommends.
if [ "$action" = test ]; then
    install_missing --no-install-recommends lintian devscripts dpkg-dev groff-base mandoc
fi

build() { # DIRECTORY [CMAKE OPTION...]
    local directory=$1
    shift
    cmake -S "$root" -B "$directory" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$directory" --parallel "$(nproc)"
}

run_tests() { # DIRECTORY
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
}

build "$root/build"
case "$action" in
start)
    exec "$root/build/bin/spanwright"
    ;;
test)
    run_tests "$root/build"
    echo "== The tests again, built with the sanitizers" >&2
    build "$root/build-asan" -DSPANWRIGHT_SANITIZE=ON
    run_tests "$root/build-asan"
    echo "== The fuzz targets" >&2
    "$root/scripts/fuzz.sh" "${SPANWRIGHT_FUZZ_SECONDS:-$([ "${CI:-false}" != false ] && echo 30 || echo 10)}"
    ;;
esac
