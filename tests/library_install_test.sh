#!/usr/bin/env bash
# The C++ library as another program takes it: installs the library of a
# build into a temporary prefix, takes the first ```cpp block of README.md
# and builds it outside the tree twice, with CMake's find_package(Spanwright)
# and with pkg-config's flags; each program must print Washington's age.
# Usage: library_install_test.sh BUILD_DIR README CXX_COMPILER CMAKE
set -euo pipefail

build=$1
readme=$2
cxx=$3
cmake=$4
expected='67 Year(s), 9 month(s), 22 day(s)'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cmake" --install "$build" --prefix "$work/prefix" --component library >/dev/null

example=$work/example
mkdir "$example"
awk '/^```cpp$/ { inside = 1; next } inside && /^```$/ { exit } inside { print }' "$readme" >"$example/washington.cpp"
if [ ! -s "$example/washington.cpp" ]; then
    echo "README.md has no \`\`\`cpp block"
    exit 1
fi
cat >"$example/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.16)
project(Washington LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 17)
find_package(Spanwright 1 REQUIRED)
add_executable(washington washington.cpp)
target_link_libraries(washington PRIVATE Spanwright::spanwright)
EOF

prints_age() { # PROGRAM HOW
    local printed
    printed=$("$1")
    if [ "$printed" != "$expected" ]; then
        echo "$2 printed '$printed', not '$expected'"
        exit 1
    fi
}

"$cmake" -S "$example" -B "$example/build" -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
"$cmake" --build "$example/build" >/dev/null
prints_age "$example/build/washington" "the program built with find_package(Spanwright)"

pcfile=$(find "$work/prefix" -name spanwright.pc)
# shellcheck disable=SC2046 # the flags are words of their own
"$cxx" -std=c++17 -o "$example/washington-pc" "$example/washington.cpp" \
    $(PKG_CONFIG_PATH=$(dirname "$pcfile") pkg-config --cflags --libs spanwright)
prints_age "$example/washington-pc" "the program built with pkg-config's flags"
echo "both builds print: $expected"
