# Shared by the project's scripts: installs the named Debian packages that are missing, with
# apt-get (through sudo when not root). Nothing is fetched when all are present. Source it.

orlix_apt_install() {
    local missing=() p status name
    local -A installed=()
    # One query for all: a command that only checks should not take long on a busy machine.
    while read -r status name; do
        if [ "$status" = ii ]; then installed[$name]=1; fi
    done < <(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "$@" 2>/dev/null || true)
    for p in "$@"; do
        if [ -z "${installed[$p]:-}" ]; then missing+=("$p"); fi
    done
    ((${#missing[@]})) || return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "setup: ${missing[*]} must be installed, which needs root: run this as root, or install sudo" >&2
            return 1
        }
        sudo="sudo"
    fi
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
