# Shared by the release command and the test command: the program's version and its Windows
# Installer package. Source it; it defines functions only. Needs SOURCE_DATE_EPOCH set.

# The file version of a Windows executable, major.minor.build, read from its fixed version
# information (VS_FIXEDFILEINFO, found by its signature 0xFEEF04BD).
orlix_exe_version() {
    local at words
    at=$(LC_ALL=C grep -obUaP '\xBD\x04\xEF\xFE' "$1" | head -n 1 | cut -d: -f1)
    [ -n "$at" ] || { echo "release: no version information in $1" >&2; return 1; }
    # dwFileVersionMS then dwFileVersionLS, little-endian: minor, major, revision, build.
    read -r -a words < <(od -An -tu2 -j $((at + 8)) -N 8 "$1")
    echo "${words[1]}.${words[0]}.${words[3]}"
}

# The installer's name for an architecture of the toolchain.
orlix_msi_arch() {
    case "$1" in
    i686) echo x86 ;;
    x86_64) echo x64 ;;
    *) echo "release: unknown architecture $1" >&2; return 1 ;;
    esac
}

# A GUID made from a text: the same text always gives the same GUID (name-based, version 5 layout
# over SHA-256).
orlix_guid_of() {
    local h
    h=$(printf '%s' "$1" | sha256sum | tr a-f A-F)
    local variant
    variant=$(printf '%X' $(( (0x${h:16:1} & 3) | 8 )))
    echo "${h:0:8}-${h:8:4}-5${h:13:3}-$variant${h:17:3}-${h:20:12}"
}

# orlix_msi EXE ARCH OUTDIR: builds OUTDIR/ConnexionORLIX-<version>-ARCH.msi around EXE.
# wixl stamps the package with the current time and a random package code: the time is fixed to
# SOURCE_DATE_EPOCH, the package code is derived from the executable's bytes (a different build
# is a different package), and the product code from the architecture and version (one version
# is one product, which the next version upgrades).
orlix_msi() {
    local exe=$1 arch=$2 outdir=$3 version
    version=$(orlix_exe_version "$exe")
    local msi="$outdir/ConnexionORLIX-$version-$arch.msi"
    local stamp
    stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
    # The cabinet inside the package records the file's modification time.
    touch -d "@$SOURCE_DATE_EPOCH" "$exe"
    local product package
    product=$(orlix_guid_of "ConnexionORLIX product $arch $version")
    package=$(orlix_guid_of "ConnexionORLIX package $arch $(sha256sum <"$exe")")
    local wxs
    wxs=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../packaging/ConnexionORLIX.wxs")
    msi=$(realpath "$msi")
    # wixl finds a source file only by a path relative to the current directory.
    (cd "$(dirname "$exe")" &&
        TZ=UTC faketime -f "$stamp" wixl -a "$arch" -D Arch="$arch" -D Version="$version" \
            -D ProductCode="$product" -D ExeSource="$(basename "$exe")" -o "$msi" "$wxs" \
            2> >(grep -v 'builder.vala.*unimplemented' >&2))
    TZ=UTC faketime -f "$stamp" msibuild "$msi" -s "Connexion au serveur ORLIX" \
        "Enseignement Spécialisé Vorlane" "$arch;1036" "{$package}"
}
