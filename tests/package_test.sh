#!/usr/bin/env bash
# Builds a Debian package from the build directory and checks it as a
# distribution's packager would:
# - lintian -i -I -E --pedantic reports nothing but the overridden tags, and
#   no override is left unused;
# - hardening-check passes on every program and compiled module in it;
# - every manual page renders without a warning (groff -ww, mandoc -T lint);
# - the changelog and the metainfo's newest release carry the package version.
# The package is spanwright, or python3-spanwright, whose Python package is
# then imported from the unpacked tree and asked what spanwright-cli is.
# Exits 77 (skipped) when lintian or its companions are not installed.
# Usage: package_test.sh BUILD_DIR CXX_COMPILER [python3-spanwright PYTHON]
set -euo pipefail

build=$1
compiler=$2
package=${3:-spanwright}
case "$package" in
spanwright)
    config="$build/CPackConfig.cmake"
    compiledDirs=(usr/bin usr/lib/spanwright)
    ;;
python3-spanwright)
    python=$4
    config="$build/CPackPythonConfig.cmake"
    compiledDirs=(usr/lib/python3/dist-packages)
    ;;
*) echo "usage: $0 BUILD_DIR CXX_COMPILER [python3-spanwright PYTHON]" >&2; exit 2 ;;
esac
for tool in lintian hardening-check dpkg-deb dpkg-shlibdeps groff; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$config" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb: ${debs[*]}"; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
root="$work/root"
dpkg-deb -x "$deb" "$root"
echo "Checking $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "the package is not $package"

# lintian warns when run as root: as root (as under CI), it runs as nobody
# on a copy of the package, unpacking into a directory of nobody's, where
# nobody can reach it (TMPDIR might lie in root's home).
checks=(lintian -i -I -E --pedantic --fail-on error,warning,info,pedantic,experimental)
lintian=(env TMPDIR="$work" "${checks[@]}") # it leaves files in TMPDIR
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1 && command -v setpriv >/dev/null; then
    lintianHome="$work/lintian"
    mkdir "$lintianHome"
    cp "$deb" "$lintianHome/"
    chmod 755 "$work"
    chown -R nobody "$lintianHome"
    asNobody=(env HOME="$lintianHome" TMPDIR="$lintianHome"
              setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    if "${asNobody[@]}" test -r "$lintianHome/$(basename "$deb")"; then
        deb="$lintianHome/$(basename "$deb")"
        lintian=("${asNobody[@]}" "${checks[@]}")
    fi
fi
status=0
"${lintian[@]}" "$deb" >"$work/lintian.log" 2>&1 || status=$?
# Any tag line at all (E, W, I, P, X, C, also unused or mismatched overrides)
# counts; overridden ones are not printed.
if [ "$status" -ne 0 ] || grep -qE '^[A-Z]: ' "$work/lintian.log"; then
    cat "$work/lintian.log"
    fail "lintian (exit $status)"
else
    echo "lintian: clean apart from the overrides"
fi

# hardening-check: PIE, stack protector, fortified functions, RELRO and
# immediate binding. Two of its findings depend on the system, not on us:
# - the control flow marker is lost at linking when the C library's start
#   files lack it (Debian 12), so it is asked for only where they have it;
# - _FORTIFY_SOURCE can only guard copies whose destination size the
#   compiler knows, and libstdc++'s strings copy into the heap with
#   memcpy/memmove, as the GEDCOM readers fread into buffers they are handed
#   by pointer: "only unprotected functions" is accepted when those are the
#   only ones, any other unguarded function (strcpy, sprintf...) fails.
hardening=(hardening-check --nofortify)
startFile=$("$compiler" -print-file-name=Scrt1.o)
if ! readelf -n "$startFile" 2>/dev/null | grep -q 'x86 feature: IBT, SHSTK'; then
    hardening+=(--nocfprotection)
fi
programs=0
while IFS= read -r -d '' program; do
    [ "$(head -c 4 "$program" | tail -c 3)" = ELF ] || continue
    programs=$((programs + 1))
    name=${program#"$root"}
    "${hardening[@]}" "$program" >"$work/hardening.log" 2>&1 \
        || { cat "$work/hardening.log"; fail "hardening-check $name"; continue; }
    if grep -q 'Fortify Source functions: no' "$work/hardening.log"; then
        # Both exit non-zero as the fortify check fails; their lists count.
        { hardening-check --find-libc-functions "$program" || true; } \
            | grep -o "'[A-Za-z0-9_]*'" | tr -d "'" | sort -u >"$work/fortifiable"
        { hardening-check --report-functions "$program" || true; } \
            | grep -v '^ \|:$' | sort -u >"$work/used"
        unguarded=$(comm -12 "$work/fortifiable" "$work/used" | grep -vxE 'memcpy|memmove|memset|fread' || true)
        [ -z "$unguarded" ] || { fail "$name calls unfortified:" $unguarded; continue; }
    fi
    echo "hardening-check: $name"
done < <(find "${compiledDirs[@]/#/$root/}" -type f -print0)
[ "$programs" -gt 0 ] || fail "no program found in the package"

shopt -s nullglob
for page in "$root"/usr/share/man/man*/*.gz; do
    name=$(basename "$page")
    # Under its own name: mandoc compares the section in it with the page's.
    source="$work/man/${name%.gz}"
    mkdir -p "$work/man"
    zcat "$page" >"$source"
    messages=$(groff -man -ww -z "$source" 2>&1) || messages+=" (groff failed)"
    if command -v mandoc >/dev/null; then
        messages+=$'\n'$(mandoc -T lint "$source" 2>&1) || true
    fi
    if [ -n "${messages//$'\n'/}" ]; then
        echo "$messages"
        fail "manual page $name"
    else
        echo "manual page: $name"
    fi
done

# Both packages are built from the source package spanwright, whose
# changelog they carry.
changelog=$(zcat "$root/usr/share/doc/$package/changelog.gz" | head -n 1)
[[ "$changelog" == "spanwright ($version) "* ]] || fail "changelog starts: $changelog"
if [ "$package" = spanwright ]; then
    release=$(grep -o -m 1 '<release version="[^"]*"' "$root"/usr/share/metainfo/*.xml || true)
    [ "$release" = "<release version=\"$version\"" ] \
        || fail "the metainfo's newest release is not $version: $release"
else
    # An extension is built for one Python version: the package must ask
    # for the one of the interpreter it was built with, and no other.
    read -r pythonVersion pythonNext < <("$python" -c 'import sys; major, minor = sys.version_info[:2]; print(f"{major}.{minor} {major}.{minor + 1}")')
    depends=$(dpkg-deb -f "$deb" Depends)
    for wanted in "python3 (>= $pythonVersion~)" "python3 (<< $pythonNext)" python3-numpy python3-pandas; do
        [[ ", $depends," == *", $wanted,"* ]] || fail "Depends lacks $wanted: $depends"
    done
    # Imported from the unpacked tree alone (from outside the source tree,
    # without the user's site), as the distribution's Python imports it.
    (cd "$work" && PYTHONPATH="$root/usr/lib/python3/dist-packages" PYTHONDONTWRITEBYTECODE=1 \
        "$python" -s - "$root" "$build/bin/spanwright-cli" "${version%%-*}" "$(dirname "$0")/../pyproject.toml" <<'PYTHON'
import importlib.metadata
import json
import pathlib
import sqlite3
import subprocess
import sys

import spanwright
import spanwright.sqlite

root, cli = pathlib.Path(sys.argv[1]).resolve(), sys.argv[2]
# pip and importlib.metadata find the package under the version the
# package has, which pyproject.toml gives for a build from source as well.
version, pyproject = sys.argv[3], pathlib.Path(sys.argv[4]).read_text()
assert importlib.metadata.version("spanwright") == version, importlib.metadata.version("spanwright")
assert f'\nversion = "{version}"\n' in pyproject, "pyproject.toml names another version"
package = root / "usr/lib/python3/dist-packages/spanwright"
for module in (spanwright, spanwright._spanwright):
    assert pathlib.Path(module.__file__).resolve().parent == package, f"{module.__name__} from {module.__file__}"


def first_line(*arguments):
    return subprocess.run([cli, *arguments], check=True, capture_output=True).stdout.decode().splitlines()[0]


begin, end = "11 Feb 1731/32", "14 Dec 1799"
span = spanwright.span(begin, end)
assert span == first_line("span", begin, end), span
records = ["US 1880 census: 34", "US 1900 census: 54", "1 Tishri 5600: 12"]
# The third record does not fit the others: the command says so with status 1.
narrowed = json.loads(subprocess.run([cli, "narrow", "--format", "json", *records], capture_output=True).stdout)
assert not narrowed["fits"], narrowed
assert spanwright.narrow(records) == narrowed, spanwright.narrow(records)
assert pathlib.Path(spanwright.sqlite.extension_path()).resolve().parent == package
connection = sqlite3.connect(":memory:")
spanwright.sqlite.load(connection)
days = connection.execute("select sw_days(?, ?)", (begin, end)).fetchone()[0]
assert str(days) == first_line("days", begin, end), days
print(f"import: {span}; narrow and sw_days as spanwright-cli")
PYTHON
    ) || fail "the unpacked package does not answer as spanwright-cli"
fi

[ "$failures" -eq 0 ] || exit 1
echo "PASS: $(basename "$deb") with $programs program(s)"
