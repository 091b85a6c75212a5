# Sourced by the scripts here: install_missing [--no-install-recommends]
# PACKAGE... installs, with apt-get (through sudo when not root), those of the
# Debian packages that are not installed yet; it does nothing, quickly, when
# all are.

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

install_missing() {
    local options=() missing=() package
    if [ "${1:-}" = --no-install-recommends ]; then
        options+=("$1")
        shift
    fi
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing ${missing[*]}" >&2
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Please install ${missing[*]} as root (sudo is not available)" >&2
            return 1
        }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${options[@]}" "${missing[@]}"
}

# fetch_gedcom_samples DIRECTORY: puts the sample GEDCOM files that Debian
# ships (sample.ged from gramps, royal.ged from libgedcom-perl) into
# DIRECTORY for the tests, downloaded with apt-get download and unpacked
# with dpkg-deb, never installed. Without a package source it says so and
# succeeds, and the tests that need the files skip.
fetch_gedcom_samples() {
    local target=$1 work deb path name
    [ -s "$target/sample.ged" ] && [ -s "$target/royal.ged" ] && return 0
    work=$(mktemp -d "${TMPDIR:-/tmp}/spanwright-gedcom.XXXXXX")
    chmod 755 "$work" # apt-get download writes as the _apt user where it can
    download() { (cd "$work" && apt-get download gramps libgedcom-perl >>"$work/log" 2>&1); }
    # A machine whose package lists were never fetched knows no packages:
    # fetch them once (as root, or through sudo without a password) and try
    # again.
    refresh_lists() {
        if [ "$(id -u)" -eq 0 ]; then apt-get update -qq; else sudo -n apt-get update -qq; fi
    } >>"$work/log" 2>&1
    if ! download && ! { refresh_lists && download; }; then
        echo "The GEDCOM sample files cannot be downloaded; their tests skip:" >&2
        tail -n 3 "$work/log" >&2
        rm -rf "$work"
        return 0
    fi
    for deb in "$work"/*.deb; do
        dpkg-deb -x "$deb" "$work/root"
    done
    mkdir -p "$target"
    for path in usr/share/doc/gramps/example/gedcom/sample.ged \
                usr/share/doc/libgedcom-perl/examples/royal.ged; do
        name=$(basename "$path")
        if [ -f "$work/root/$path" ]; then
            cp "$work/root/$path" "$target/$name"
        elif [ -f "$work/root/$path.gz" ]; then
            gunzip -c "$work/root/$path.gz" >"$target/$name"
        else
            echo "$path is not in the downloaded packages" >&2
            rm -rf "$work"
            return 1
        fi
    done
    rm -rf "$work"
}
