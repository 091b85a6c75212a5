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
