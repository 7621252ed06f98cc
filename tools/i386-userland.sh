#!/usr/bin/env bash
# An emulated i386 Debian userland with 32-bit Wine, where the shipped i686 build is run.
#
#   tools/i386-userland.sh prepare              make it (or check it is there); idempotent
#   tools/i386-userland.sh run [--bind DIR]... [--] COMMAND...
#                                               run COMMAND inside it, DIR bound at the same path
#
# This machine cannot execute 32-bit code: the kernel hands i386 programs to qemu-i386 through
# binfmt_misc. Debian 12's qemu-user-static (7.2) spends most of a minute of CPU on every Wine
# process before it starts, so the emulator comes from Debian 13's qemu-user, a statically
# linked qemu-i386 that runs here unchanged. The userland lives outside the checkout, under
# /var/cache, and is made again only when its package list or this script's recipe changes.
#
# Where the kernel allows it (6.7 and later), binfmt_misc is mounted in a user and mount
# namespace of the run alone and the emulator registered there; otherwise the machine-wide
# entry for i386 is replaced. Either way this needs root, as the test command's apt-get does.
set -euo pipefail

suite=bookworm
mirror=http://deb.debian.org/debian
packages=(wine wine32 fonts-wine)
emulator_suite=trixie
# Change when the recipe below changes, so that every machine makes the userland again.
recipe=1

self=$(realpath "${BASH_SOURCE[0]}")
cache=${ORLIX_I386_CACHE:-/var/cache/connexion-orlix-i386}
key=$(printf '%s\n' "$recipe" "$suite" "$mirror" "${packages[@]}" | sha256sum | cut -c1-12)
userland=$cache/userland-$key
qemu_dir=$cache/qemu-$emulator_suite
qemu=$qemu_dir/usr/bin/qemu-i386

die() {
    echo "i386-userland: $*" >&2
    exit 1
}

require_root() {
    [ "$(id -u)" -eq 0 ] || die "must run as root: it registers an emulator with binfmt_misc and enters the userland with chroot (run it with sudo)"
}

# The mount points at or under a folder, deepest first.
mounts_under() {
    awk -v d="$(realpath -m "$1")" '$5 == d || index($5, d "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r
}

# A folder with a mount anywhere under it is never removed: a recursive delete would follow the
# bind mount into the host's own files.
has_mounts_under() {
    [ -n "$(mounts_under "$1")" ]
}

safe_remove() {
    local dir=$1
    [ -e "$dir" ] || return 0
    local m
    for m in $(mounts_under "$dir"); do umount -l "$m" 2>/dev/null || true; done
    if has_mounts_under "$dir"; then
        die "refusing to remove $dir: something is still mounted under it"
    fi
    rm -rf --one-file-system "$dir"
}

check_mirror() {
    command -v curl >/dev/null || die "curl is missing: tools/setup.sh installs it"
    if ! curl -fsS --max-time 30 -o /dev/null "$mirror/dists/$1/Release"; then
        die "cannot reach the package mirror $mirror (suite $1): the userland and the emulator are downloaded from it"
    fi
}

prepare_emulator() {
    [ -x "$qemu" ] && return 0
    check_mirror "$emulator_suite"
    echo "i386-userland: fetching qemu-i386 from Debian $emulator_suite's qemu-user" >&2
    local work
    work=$(mktemp -d)
    mkdir -p "$work/lists/partial" "$work/archives/partial"
    # A private apt configuration: the machine's own sources are never touched.
    echo "deb $mirror $emulator_suite main" >"$work/sources.list"
    local apt_opts=(
        -o "Dir::Etc::SourceList=$work/sources.list" -o Dir::Etc::SourceParts=-
        -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work"
        -o "Dir::Cache::archives=$work/archives" -o APT::Architecture=amd64
        -o Debug::NoLocking=1 -o APT::Sandbox::User=root
    )
    apt-get "${apt_opts[@]}" update -qq || die "apt-get update for $emulator_suite failed"
    (cd "$work/archives" && apt-get "${apt_opts[@]}" download qemu-user) || die "downloading qemu-user failed"
    local deb
    deb=$(ls "$work"/archives/qemu-user_*.deb)
    rm -rf "$qemu_dir.new"
    mkdir -p "$qemu_dir.new"
    dpkg-deb -x "$deb" "$qemu_dir.new"
    [ -x "$qemu_dir.new/usr/bin/qemu-i386" ] || die "$deb holds no usr/bin/qemu-i386"
    file "$qemu_dir.new/usr/bin/qemu-i386" | grep -qE 'statically linked|static-pie linked' || die "qemu-i386 of $deb is not statically linked"
    rm -rf "$qemu_dir"
    mv "$qemu_dir.new" "$qemu_dir"
    rm -rf "$work"
}

prepare_userland() {
    [ -f "$userland/.complete" ] && return 0
    check_mirror "$suite"
    command -v mmdebstrap >/dev/null || die "mmdebstrap is missing: tools/setup.sh installs it"
    echo "i386-userland: making the i386 $suite userland in $userland (several minutes, once)" >&2
    safe_remove "$userland.new"
    # Older userlands are kept only if something is mounted in them (a run in progress).
    local old
    for old in "$cache"/userland-*; do
        [ -d "$old" ] && [ "$old" != "$userland" ] && [ "$old" != "$userland.new" ] || continue
        has_mounts_under "$old" || safe_remove "$old"
    done
    # mmdebstrap runs the i386 maintainer scripts, so the emulator must be registered first.
    in_namespace mmdebstrap --arch=i386 --variant=apt --include="$(IFS=,; echo "${packages[*]}")" \
        "$suite" "$userland.new" "$mirror" || die "mmdebstrap failed"
    touch "$userland.new/.complete"
    mv "$userland.new" "$userland"
}

binfmt_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
binfmt_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

# Registers qemu-i386 in the binfmt_misc mounted at $1, replacing any i386 entry there. The flag
# F opens the emulator now, so it works inside the chroot where the path does not exist.
register_binfmt() {
    local dir=$1
    [ -e "$dir/register" ] || die "binfmt_misc is not available at $dir"
    if [ -e "$dir/qemu-i386" ]; then echo -1 >"$dir/qemu-i386"; fi
    echo ":qemu-i386:M::$binfmt_magic:$binfmt_mask:$qemu:F" >"$dir/register"
}

# Runs "$@" in a mount namespace of its own (nothing it mounts is seen outside, so no delete
# outside can follow its bind mounts) with qemu-i386 registered: in a user namespace of its own
# too where the kernel allows it, machine-wide otherwise.
in_namespace() {
    if namespaced_binfmt_works; then
        in_own_user_namespace "$@"
        return
    fi
    if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null ||
            die "binfmt_misc is not available: load the module (modprobe binfmt_misc) and mount it on /proc/sys/fs/binfmt_misc"
    fi
    local current
    current=$(sed -n 's/^interpreter //p' /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null || true)
    if [ "$current" != "$qemu" ]; then
        echo "i386-userland: registering $qemu for i386 programs machine-wide" >&2
        register_binfmt /proc/sys/fs/binfmt_misc
    fi
    unshare --mount --propagation private -- "$@"
}

# Runs "$@" in a new user and mount namespace that maps every id to itself (so root keeps its
# files and rights) with a binfmt_misc of its own where qemu-i386 is registered.
in_own_user_namespace() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    unshare --user --mount --propagation private -- \
        bash -c 'read -r _ <"$0"; rm -f "$0"
            mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
            "$1" register-here
            shift; exec "$@"' "$fifo" "$self" "$@" &
    local pid=$! own
    trap 'kill "$pid" 2>/dev/null' INT TERM
    own=$(readlink /proc/self/ns/user)
    # The id maps can be written only once unshare has made the namespace.
    while [ "$(readlink "/proc/$pid/ns/user" 2>/dev/null || echo "$own")" = "$own" ]; do
        kill -0 "$pid" 2>/dev/null || die "could not make a user namespace"
        sleep 0.01
    done
    echo '0 0 4294967295' >"/proc/$pid/uid_map"
    echo '0 0 4294967295' >"/proc/$pid/gid_map"
    echo go >"$fifo"
    local status=0
    wait "$pid" || status=$?
    return "$status"
}

namespaced_binfmt_works() {
    if [ -z "${namespaced_ok:-}" ]; then
        namespaced_ok=0
        if unshare --user --map-root-user --mount -- \
            sh -c 'mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc && test -e /proc/sys/fs/binfmt_misc/register' 2>/dev/null; then
            namespaced_ok=1
        fi
    fi
    [ "$namespaced_ok" = 1 ]
}

cmd=${1:-}
shift || true
case "$cmd" in
prepare)
    require_root
    mkdir -p "$cache"
    exec {lockfd}>"$cache/.lock"
    flock "$lockfd"
    prepare_emulator
    prepare_userland
    echo "i386-userland: ready: $userland" >&2
    ;;
run)
    require_root
    [ -f "$userland/.complete" ] && [ -x "$qemu" ] || die "the i386 userland is not prepared: run $self prepare"
    binds=()
    while [ $# -gt 0 ]; do
        case $1 in
        --bind)
            [ -d "${2:-}" ] || die "--bind needs a folder: ${2:-}"
            binds+=("$(realpath "$2")")
            shift 2
            ;;
        --) shift; break ;;
        *) break ;;
        esac
    done
    [ $# -gt 0 ] || die "usage: $self run [--bind DIR]... [--] COMMAND..."
    in_namespace "$self" enter "${binds[@]}" -- "$@"
    ;;
enter)
    # Internal: inside the run's own mount namespace. The host's /dev and /proc, the named
    # folders at their own paths, then the command in the userland, in the same working folder.
    while [ "$1" != -- ]; do
        mkdir -p "$userland$1"
        mount --rbind "$1" "$userland$1"
        shift
    done
    shift
    mount --rbind /dev "$userland/dev"
    mount --rbind /proc "$userland/proc"
    exec chroot "$userland" /bin/sh -c 'cd "$0" 2>/dev/null || cd /; exec "$@"' "$PWD" "$@"
    ;;
register-here)
    # Internal: inside the run's own user namespace.
    register_binfmt /proc/sys/fs/binfmt_misc
    ;;
*)
    die "usage: $self prepare | run [--bind DIR]... [--] COMMAND..."
    ;;
esac
