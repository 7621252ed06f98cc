#!/usr/bin/env bash
# Installs, with apt-get, what building, running and testing the project needs on Debian 12: the
# packages of every tool in tools/lib/tools.sh, then checks that each tool is there.
# Idempotent: packages already present are not touched, and nothing is fetched when all are there.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/lib/apt.sh"
source "$here/lib/tools.sh"

mapfile -t packages < <(orlix_tool_packages)
orlix_apt_install "${packages[@]}"
orlix_check_tools || {
    echo "setup: the tools above are still missing after installing their packages" >&2
    exit 1
}
