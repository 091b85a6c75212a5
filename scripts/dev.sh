#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Spanwright, builds it, and then
# starts it (`start`), runs the whole test suite headless (`test`: the
# tests, the web page in headless Chromium, the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the engine's fuzz
# targets for a bounded time each, SPANWRIGHT_FUZZ_SECONDS, 30 under CI and
# 10 otherwise), or builds the web page into build-web/site/ and serves it on
# http://127.0.0.1:8095/ until stopped (`web`), or builds the Python package
# and puts the Gramps addon with it into Gramps' user plugin folder
# (`gramps-addon`), or measures the batch, narrow and check against the
# figures recorded in bench/baseline.txt, failing on a regression of more
# than 5 % (`bench`: bench/regressions.sh).
set -euo pipefail

usage() { echo "usage: $0 start|test|web|gramps-addon|bench" >&2; exit 2; }
[ $# -eq 1 ] || usage
action=$1
case "$action" in start|test|web|gramps-addon|bench) ;; *) usage ;; esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ "$action" = bench ] && exec "$root/bench/regressions.sh"
# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"

# What the build and the program need from the distribution; the tests also
# start the installed program under an X server of their own and validate
# the desktop entry and the AppStream metainfo; the desktop test runs the
# program under the openbox, fluxbox and icewm window managers and under
# weston (Wayland), also with a dark style.
packages=(g++ cmake make qt6-base-dev fonts-liberation2 fonts-wine libcli11-dev libminizip-dev pkg-config)
# The web page: Emscripten (whose optimiser needs acorn), and for its tests
# Debian's Chromium driven by Python's selenium.
web_packages=(emscripten node-acorn python3)
[ "$action" = web ] && packages=(cmake make libcli11-dev)
[ "$action" != start ] && packages+=("${web_packages[@]}")
[ "$action" = test ] && packages+=(chromium chromium-driver python3-selenium)
# The page's print test reads its PDF with poppler's pdftotext; its
# accessibility test runs axe-core, from the npm registry (web/tests/axe),
# with the machine's npm where it has one (a Node.js installed outside the
# distribution brings its own, which Debian's npm package cannot replace).
[ "$action" = test ] && packages+=(poppler-utils)
[ "$action" = test ] && ! command -v npm >/dev/null && packages+=(npm)
[ "$action" = test ] && packages+=(xvfb xdotool xclip desktop-file-utils appstream)
[ "$action" = test ] && packages+=(openbox fluxbox icewm weston qt6-wayland x11-utils adwaita-qt6)
# The Python package's tests: its extension built with pybind11, pandas and
# Dask on a cluster of worker processes, and pip installing it into a fresh
# virtual environment.
[ "$action" = test ] && packages+=(pybind11-dev python3-pybind11 python3-dev python3-numpy python3-pandas
    python3-dask python3-distributed python3-pytest python3-venv python3-pip python3-setuptools python3-wheel)
# The SQL functions' tests: the SQLite extension in the sqlite3 shell and in
# Python's sqlite3, the PostgreSQL extension in a server of the test's own.
[ "$action" = test ] && packages+=(sqlite3 libsqlite3-dev postgresql-15 postgresql-server-dev-15 python3)
# The Gramps addon's tests run Debian's Gramps headless on its example tree.
[ "$action" = test ] && packages+=(gramps)
[ "$action" = gramps-addon ] && packages=(g++ cmake make libcli11-dev libminizip-dev pkg-config gramps
    pybind11-dev python3-pybind11 python3-dev python3-pandas)
install_missing "${packages[@]}"
# The package test: lintian, hardening-check (devscripts), dpkg-shlibdeps
# (dpkg-dev) and the manual page checkers, without their many recommends.
if [ "$action" = test ]; then
    install_missing --no-install-recommends lintian devscripts dpkg-dev groff-base mandoc
    [ -f "$root/web/tests/axe/node_modules/axe-core/axe.min.js" ] ||
        npm ci --prefix "$root/web/tests/axe" --no-audit --no-fund
fi

build() { # DIRECTORY [CMAKE OPTION...]
    local directory=$1
    shift
    cmake -S "$root" -B "$directory" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$directory" --parallel "$(nproc)"
}

# The web page, with Debian's Emscripten; its optimiser finds acorn where
# Debian puts it only through NODE_PATH.
build_web() {
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    # A build-web/ configured from web/ alone, as the page once was, cannot
    # be configured from the project's root: it is made anew.
    if grep -qsx "CMAKE_HOME_DIRECTORY:INTERNAL=$root/web" "$root/build-web/CMakeCache.txt"; then
        rm -rf "$root/build-web"
    fi
    emcmake cmake -S "$root" -B "$root/build-web" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$root/build-web" --parallel "$(nproc)"
}

run_tests() { # DIRECTORY
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
}

# The addon into the plugin folder of the user's Gramps (its own constant
# says where: ~/.gramps/gramps51/plugins for 5.1), with the package this
# build made beside its code, where Gramps' Python imports it first.
install_gramps_addon() {
    local plugins
    build "$root/build-gramps" -DSPANWRIGHT_WINDOW=OFF -DSPANWRIGHT_PYTHON=ON -DPython_EXECUTABLE=/usr/bin/python3
    plugins=$(/usr/bin/python3 -c 'from gramps.gen.const import USER_PLUGINS; print(USER_PLUGINS)' 2>/dev/null)
    rm -rf "$plugins/Spanwright"
    mkdir -p "$plugins"
    cp -r "$root/addons/gramps/Spanwright" "$plugins/"
    cp -rL "$root/build-gramps/python/package/spanwright" "$plugins/Spanwright/"
    echo "The addon is in $plugins/Spanwright; restart Gramps to load it." >&2
}

if [ "$action" = gramps-addon ]; then
    install_gramps_addon
    exit 0
fi
if [ "$action" = web ]; then
    build_web
    exec /usr/bin/python3 "$root/web/serve.py" "$root/build-web/site" --port 8095
fi
# The tests' build also makes the Python extension, with the distribution's
# Python (not one of the user's own, which would not see its packages), and
# both SQL extensions, whose tests need them.
main_options=()
[ "$action" = test ] && main_options=(-DSPANWRIGHT_PYTHON=ON -DPython_EXECUTABLE=/usr/bin/python3
    -DSPANWRIGHT_SQLITE=ON -DSPANWRIGHT_POSTGRESQL=ON)
build "$root/build" "${main_options[@]}"
case "$action" in
start)
    exec "$root/build/bin/spanwright"
    ;;
test)
    # Before the tests: the browser tests among them open the built site.
    build_web
    run_tests "$root/build"
    echo "== The tests again, built with the sanitizers" >&2
    build "$root/build-asan" -DSPANWRIGHT_SANITIZE=ON
    run_tests "$root/build-asan"
    echo "== The fuzz targets" >&2
    "$root/scripts/fuzz.sh" "${SPANWRIGHT_FUZZ_SECONDS:-$([ "${CI:-false}" != false ] && echo 30 || echo 10)}"
    ;;
esac
