#!/usr/bin/env bash
# Builds the engine's libFuzzer targets with clang into build-fuzz/ and runs
# each for the given number of seconds (default 30) on a temporary copy of its
# seed corpus under fuzz/corpus/. Exits non-zero when a target finds an input
# that breaks one of its properties; the input is kept in build-fuzz/findings/
# and can be replayed with build-fuzz/bin/<target> <file>.
set -euo pipefail

usage() { echo "usage: $0 [seconds]" >&2; exit 2; }
[ $# -le 1 ] || usage
seconds=${1:-30}
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || usage

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
targets=(fuzz_datetext fuzz_leadingnumber fuzz_datereader fuzz_agetext fuzz_gedcomdate fuzz_gedcomfile fuzz_csvreader)

# shellcheck source=scripts/packages.sh
source "$root/scripts/packages.sh"

# clang with its libFuzzer runtime, and what configuring the project needs
# (the same as scripts/dev.sh installs for a build).
install_missing clang cmake make qt6-base-dev libcli11-dev libminizip-dev pkg-config
clang_major=$(clang++ -dumpversion | cut -d. -f1)
# Debian 12 and newer ship libFuzzer in libclang-rt-N-dev; older releases
# have it in libclang-common-N-dev, which clang already pulls in.
if ! package_installed "libclang-rt-$clang_major-dev" \
    && apt-cache show "libclang-rt-$clang_major-dev" >/dev/null 2>&1; then
    install_missing "libclang-rt-$clang_major-dev"
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSPANWRIGHT_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
compiler=$(sed -n 's/^CMAKE_CXX_COMPILER_ID:[^=]*=//p;s/^CMAKE_CXX_COMPILER:[^=]*=//p' \
    "$build/CMakeCache.txt" | tr '\n' ' ')
if ! grep -q '^SPANWRIGHT_HAVE_LIBFUZZER:INTERNAL=1$' "$build/CMakeCache.txt"; then
    echo "$build was not configured for the fuzz targets (compiler: $compiler);" \
        "see the warning above, or remove $build and run again" >&2
    exit 1
fi
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
findings="$build/findings"
mkdir -p "$findings"

failed=()
for target in "${targets[@]}"; do
    corpus_name=${target#fuzz_}
    corpus="$work/$corpus_name"
    cp -r "$root/fuzz/corpus/$corpus_name" "$corpus"
    options=(-max_total_time="$seconds" -max_len=512 -timeout=10 -print_final_stats=1
             -artifact_prefix="$findings/$target-")
    [ -f "$root/fuzz/$corpus_name.dict" ] && options+=(-dict="$root/fuzz/$corpus_name.dict")
    log="$build/$target.log"

    echo "== $target: $seconds s, log in $log" >&2
    status=0
    "$build/bin/$target" "${options[@]}" "$corpus" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
    echo "   ${runs:-?} runs, ${speed:-?} exec/s, ${coverage:-cov: ?}" >&2
    if [ "$status" -ne 0 ]; then
        failed+=("$target")
        echo "   FINDING (exit $status):" >&2
        # The input itself too, as base64: a CI workspace keeps no files.
        grep -E 'property does not hold|runtime error|ERROR: (Address|Leak|libFuzzer)|SUMMARY|Test unit written|^Base64:' \
            "$log" >&2 || tail -n 30 "$log" >&2
    fi
done

echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings in: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
