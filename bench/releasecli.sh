# shellcheck shell=bash
# Sourced by the benchmarks of spanwright-cli check and gedcom, with root set
# to the source tree: installs what they need and builds the program
# optimised (Release) in build-release/, which build then names.
# shellcheck disable=SC2154 # root is set by the script that sources this
build="$root/build-release"

# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"
install_missing g++ cmake make qt6-base-dev libcli11-dev libminizip-dev pkg-config time

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel 2 --target spanwright-cli >/dev/null
