#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Spanwright, builds it, and then
# starts it (`start`) or runs the whole test suite headless (`test`).
set -euo pipefail

usage() { echo "usage: $0 start|test" >&2; exit 2; }
[ $# -eq 1 ] || usage
action=$1
case "$action" in start|test) ;; *) usage ;; esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

# What the build and the program need from the distribution; the tests also
# start the installed program under an X server of their own and validate
# the desktop entry and the AppStream metainfo.
packages=(g++ cmake make qt6-base-dev fonts-liberation2)
[ "$action" = test ] && packages+=(xvfb xdotool desktop-file-utils appstream)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]}" >&2
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

case "$action" in
start)
    exec "$build/bin/spanwright"
    ;;
test)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
    ;;
esac
