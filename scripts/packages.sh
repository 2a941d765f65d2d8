# shellcheck shell=bash
# What the set-up scripts share; sourced, not run.

# Runs a command as root: itself when root already, else through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs those of the given Debian packages that are missing; options before the packages go to
# apt-get install (--no-install-recommends). Safe to run again: it installs nothing that is
# already there.
install_missing() {
    local options=() missing=() package
    while [ $# -gt 0 ] && [ "${1#--}" != "$1" ]; do
        options+=("$1")
        shift
    done
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${options[@]}" \
        "${missing[@]}" >/dev/null
}
