#!/usr/bin/env bash
# Builds the Debian package from the build directory and checks it as a
# distribution's packager would:
# - lintian -i -I -E --pedantic reports nothing but the overridden tags, and
#   no override is left unused;
# - hardening-check passes on every program in it;
# - every manual page renders without a warning (groff -ww, mandoc -T lint);
# - the changelog and the metainfo's newest release carry the package version.
# Exits 77 (skipped) when lintian or its companions are not installed.
# Usage: package_test.sh BUILD_DIR CXX_COMPILER
set -euo pipefail

build=$1
compiler=$2
for tool in lintian hardening-check dpkg-deb dpkg-shlibdeps groff; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb: ${debs[*]}"; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
root="$work/root"
dpkg-deb -x "$deb" "$root"
echo "Checking $(basename "$deb")"

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
#   memcpy/memmove: "only unprotected functions" is accepted when those are
#   the only ones, any other unguarded function (strcpy, sprintf...) fails.
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
        unguarded=$(comm -12 "$work/fortifiable" "$work/used" | grep -vxE 'memcpy|memmove|memset' || true)
        [ -z "$unguarded" ] || { fail "$name calls unfortified:" $unguarded; continue; }
    fi
    echo "hardening-check: $name"
done < <(find "$root/usr/bin" "$root/usr/lib/spanwright" -type f -print0)
[ "$programs" -gt 0 ] || fail "no program found in the package"

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

changelog=$(zcat "$root/usr/share/doc/spanwright/changelog.gz" | head -n 1)
[[ "$changelog" == "spanwright ($version) "* ]] || fail "changelog starts: $changelog"
release=$(grep -o -m 1 '<release version="[^"]*"' "$root"/usr/share/metainfo/*.xml || true)
[ "$release" = "<release version=\"$version\"" ] \
    || fail "the metainfo's newest release is not $version: $release"

[ "$failures" -eq 0 ] || exit 1
echo "PASS: $(basename "$deb") with $programs program(s)"
