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

# The platform a package's summary names, as Windows Installer knows it: the 32-bit one is
# "Intel" (a package naming "x86" is refused with 1633, platform unsupported).
orlix_msi_platform() {
    case "$1" in
    x86) echo Intel ;;
    x64) echo x64 ;;
    *) echo "release: unknown package architecture $1" >&2; return 1 ;;
    esac
}

# orlix_msi EXE ARCH OUTDIR SERVER PORT COMMIT: builds
# OUTDIR/ConnexionORLIX-<version>-SERVER-ARCH.msi around EXE.
# wixl stamps the package with the current time and a random package code: the time is fixed to
# SOURCE_DATE_EPOCH, the package code is derived from the executable's bytes (a different build
# is a different package), and the product code from everything that tells builds apart
# (architecture, version, server, port, commit): each distinct build is a product of its own,
# which replaces any other of the same upgrade code that is not newer.
orlix_msi() {
    local exe=$1 arch=$2 outdir=$3 server=$4 port=$5 commit=$6 version
    version=$(orlix_exe_version "$exe")
    local msi="$outdir/ConnexionORLIX-$version-$server-$arch.msi"
    local stamp
    stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
    # The cabinet inside the package records the file's modification time.
    touch -d "@$SOURCE_DATE_EPOCH" "$exe"
    local product package platform
    product=$(orlix_guid_of "ConnexionORLIX product $arch $version $server $port $commit")
    package=$(orlix_guid_of "ConnexionORLIX package $arch $(sha256sum <"$exe")")
    platform=$(orlix_msi_platform "$arch")
    local root
    root=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../..")
    msi=$(realpath "$msi")
    # wixl finds a source file only by a path relative to the current directory.
    cp "$root/resources/MAINICON.ico" "$(dirname "$exe")/ConnexionORLIX.ico"
    (cd "$(dirname "$exe")" &&
        TZ=UTC faketime -f "$stamp" wixl -a "$arch" -D Arch="$arch" -D Version="$version" \
            -D ProductCode="$product" -D ExeSource="$(basename "$exe")" -D IconSource=ConnexionORLIX.ico \
            -D Server="$server" -D Port="$port" -o "$msi" "$root/packaging/ConnexionORLIX.wxs" \
            2> >(grep -v 'builder.vala.*unimplemented' >&2))
    rm "$(dirname "$exe")/ConnexionORLIX.ico"
    # A build of the same version (another server, another commit) replaces the installed one:
    # the major upgrade's range includes its upper bound (msidbUpgradeAttributesVersionMaxInclusive
    # beside MigrateFeatures), which wixl does not write. The attributes are part of the row's
    # key, so the row is written again.
    local upgrade
    upgrade=$(msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' '$1 == "UpgradeCode" { print $2 }')
    TZ=UTC faketime -f "$stamp" msibuild "$msi" \
        -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'" \
        -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`)
            VALUES ('$upgrade', '$version', 513, 'WIX_UPGRADE_DETECTED')" \
        -s "Connexion au serveur ORLIX" \
        "Enseignement Spécialisé Vorlane" "$platform;1036" "{$package}"
}

# orlix_sign FILE: signs FILE in place with Authenticode when ORLIX_SIGN_PKCS12 is set (see
# tools/release.sh); does nothing otherwise. The signing time is the commit's.
orlix_sign() {
    [ -n "${ORLIX_SIGN_PKCS12:-}" ] || return 0
    local file=$1 timestamp=()
    [ -z "${ORLIX_SIGN_TIMESTAMP:-}" ] || timestamp=(-ts "$ORLIX_SIGN_TIMESTAMP")
    osslsigncode sign -pkcs12 "$ORLIX_SIGN_PKCS12" -readpass "$ORLIX_SIGN_PASSWORD_FILE" -h sha256 \
        -n "Connexion ORLIX" -time "$SOURCE_DATE_EPOCH" "${timestamp[@]}" -in "$file" -out "$file.signed" \
        >/dev/null || { rm -f "$file.signed"; echo "release: signing $file failed" >&2; return 1; }
    mv "$file.signed" "$file"
}

# The subject of the certificate in a PKCS#12 file, as the summary names the signer.
orlix_signer() {
    openssl pkcs12 -in "$1" -passin "file:$ORLIX_SIGN_PASSWORD_FILE" -nokeys -clcerts 2>/dev/null |
        openssl x509 -noout -subject -nameopt oneline 2>/dev/null | sed 's/^subject= *//'
}
