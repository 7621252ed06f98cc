# Shared by the project's scripts: installs the named Debian packages that are missing, with
# apt-get (through sudo when not root). Nothing is fetched when all are present. Source it.

orlix_apt_install() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
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
