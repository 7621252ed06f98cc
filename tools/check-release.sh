#!/usr/bin/env bash
# Checks of the release command, run by tools/test.sh after the win32 step (whose product in
# build/win32 is a second build of the shipped executable, in another directory):
#   1. a release without a server, or with a mistyped one, stops with a clear message and leaves
#      the previous release as it was;
#   2. tools/release.sh runs; relinking and repackaging give the same bytes (SHA256SUMS equal),
#      and its i686 executable equals build/win32's; its summary names version, server and commit;
#   3. the packages' tables: version, per-machine install under Program Files, the shortcut, the
#      fixed upgrade code and the upgrade actions, the platform, the Add/Remove Programs entry;
#   4. a release signed with a throwaway authority's code-signing certificate verifies against
#      that authority, and a byte changed in a signed program makes verification fail;
#   5. both packages install and uninstall silently under Wine, in a throwaway prefix; a build for
#      another server of the same version replaces the installed one, and installing the same
#      package again changes nothing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
out=out/release
fail() { echo "check-release: $*" >&2; exit 1; }

server=127.0.0.1
export ORLIX_SERVER_ADDRESS=$server
tools/release.sh
cp "$out/SHA256SUMS" build/release/SHA256SUMS.first
# A refused release stops before building, says why and what to write, and keeps the last one.
for bad in "" 10.0.0.256 "192.168.1.1 "; do
    if ORLIX_SERVER_ADDRESS=$bad tools/release.sh >build/release/refused.log 2>&1; then
        fail "a release for the server '$bad' succeeded"
    fi
    grep -q ORLIX_SERVER_ADDRESS build/release/refused.log || fail "the refusal of '$bad' does not name the variable"
    diff build/release/SHA256SUMS.first "$out/SHA256SUMS" >/dev/null || fail "a refused release changed $out"
    (cd "$out" && sha256sum --quiet -c SHA256SUMS) || fail "a refused release changed a file of $out"
done
# A second run relinks both executables and compiles their resources again.
rm -f build/release/*/app/ConnexionORLIX.exe build/release/*/app/CMakeFiles/ConnexionORLIX.dir/__/resources/*.res
tools/release.sh >/dev/null
diff build/release/SHA256SUMS.first "$out/SHA256SUMS" || fail "two runs gave different files"
cmp "$out/i686/ConnexionORLIX.exe" build/win32/app/ConnexionORLIX.exe ||
    fail "the release's i686 executable differs from build/win32's"

source tools/lib/release.sh
version=$(orlix_exe_version "$out/i686/ConnexionORLIX.exe")
[ "$version" = "0.8.$(git rev-list --count HEAD)" ] || fail "the version $version does not count the commits"
summary=$(cat "$out/RELEASE.txt")
for line in "Connexion ORLIX $version" "server: $server" "port: 4123" "commit: $(git rev-parse HEAD)" \
    "checksums: SHA256SUMS"; do
    grep -qxF "$line" <<<"$summary" || fail "RELEASE.txt has no line '$line'"
done

# The value of a column in the rows of an exported table (msidump's .idt: three header lines).
column() { tr -d '\r' <"$1" | awk -F'\t' -v key="$2" -v col="$3" 'NR > 3 && $1 == key { print $col }'; }
for arch in x86 x64; do
    msi="$out/ConnexionORLIX-$version-$server-$arch.msi"
    exe="$out/$([ "$arch" = x64 ] && echo x86_64 || echo i686)/ConnexionORLIX.exe"
    tables=$(mktemp -d)
    (cd "$tables" && msidump -d . "$root/$msi" >/dev/null)
    want() { [ "$2" = "$3" ] || fail "$arch: $1 is '$2', not '$3'"; }
    want ProductVersion "$(column "$tables/Property.idt" ProductVersion 2)" "$version"
    want ALLUSERS "$(column "$tables/Property.idt" ALLUSERS 2)" 1
    upgrade=$(column "$tables/Property.idt" UpgradeCode 2)
    grep -q "${upgrade:1:36}" packaging/ConnexionORLIX.wxs || fail "$arch: upgrade code $upgrade is not the fixed one"
    programFiles=$([ "$arch" = x64 ] && echo ProgramFiles64Folder || echo ProgramFilesFolder)
    want "INSTALLDIR's parent" "$(column "$tables/Directory.idt" INSTALLDIR 2)" "$programFiles"
    want "the file's size" "$(column "$tables/File.idt" ConnexionORLIX.exe 4)" "$(stat -c %s "$exe")"
    want "the shortcut's folder" "$(column "$tables/Shortcut.idt" StartMenuShortcut 2)" ProgramMenuFolder
    want "the shortcut's target" "$(column "$tables/Shortcut.idt" StartMenuShortcut 5)" "[#ConnexionORLIX.exe]"
    # One row finds every copy up to this version, this one included, to replace it; the other
    # finds a newer one, which makes the install stop.
    upgrades=$(tr -d '\r' <"$tables/Upgrade.idt" | awk -F'\t' -v code="$upgrade" 'NR > 3 && $1 == code { print $2 "|" $3 "|" $5 "|" $7 }' | LC_ALL=C sort)
    want "the upgrade rows" "$upgrades" "$(printf '%s\n' "|$version|513|WIX_UPGRADE_DETECTED" "$version||2|WIX_DOWNGRADE_DETECTED" | LC_ALL=C sort)"
    for action in FindRelatedProducts RemoveExistingProducts; do
        [ -n "$(column "$tables/InstallExecuteSequence.idt" $action 3)" ] || fail "$arch: $action is not sequenced"
    done
    for property in "ARPCOMMENTS Serveur $server, port 4123" "ARPNOMODIFY 1" "ARPPRODUCTICON ConnexionORLIX.ico"; do
        want "${property%% *}" "$(column "$tables/Property.idt" "${property%% *}" 2)" "${property#* }"
    done
    want "the downgrade's refusal" "$(column "$tables/LaunchCondition.idt" "NOT WIX_DOWNGRADE_DETECTED" 2)" \
        "Une version plus récente de Connexion ORLIX est déjà installée."
    # Windows Installer names the 32-bit platform Intel; a package saying x86 does not install.
    platform=$([ "$arch" = x64 ] && echo x64 || echo Intel)
    msiinfo suminfo "$msi" | grep -qx "Template: $platform;1036" || fail "$arch: the summary's platform is not $platform"
    rm -rf "$tables"
done

# A release for another server, of the same version: only the programs are relinked.
other=127.0.0.2
ORLIX_SERVER_ADDRESS=$other ORLIX_RELEASE_OUT=build/release/other tools/release.sh >/dev/null

# A release signed with a code-signing certificate of a throwaway authority.
keys=build/release/keys
rm -rf "$keys"
mkdir -p "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$keys/ca.key" -out "$keys/ca.pem" -days 30 \
    -subj "/CN=Autorite de test ORLIX" -addext basicConstraints=critical,CA:true \
    -addext keyUsage=critical,keyCertSign,cRLSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout "$keys/signer.key" -out "$keys/signer.csr" \
    -subj "/CN=Enseignement Specialise Vorlane" 2>/dev/null
printf 'basicConstraints=CA:false\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >"$keys/signer.ext"
openssl x509 -req -in "$keys/signer.csr" -CA "$keys/ca.pem" -CAkey "$keys/ca.key" -CAcreateserial \
    -days 30 -extfile "$keys/signer.ext" -out "$keys/signer.pem" 2>/dev/null
printf 'mot de passe de test\n' >"$keys/password"
openssl pkcs12 -export -inkey "$keys/signer.key" -in "$keys/signer.pem" -certfile "$keys/ca.pem" \
    -passout "file:$keys/password" -out "$keys/signer.p12"
signedOut=build/release/signed
ORLIX_SIGN_PKCS12=$keys/signer.p12 ORLIX_SIGN_PASSWORD_FILE=$keys/password ORLIX_RELEASE_OUT=$signedOut \
    tools/release.sh >/dev/null
grep -q '^signed: yes, by .*Enseignement Specialise Vorlane' "$signedOut/RELEASE.txt" ||
    fail "the signed release's summary does not name its signer"
grep -qx 'signed: no' "$out/RELEASE.txt" || fail "the unsigned release's summary does not say it is unsigned"
signedFiles=("$signedOut"/i686/ConnexionORLIX.exe "$signedOut"/x86_64/ConnexionORLIX.exe "$signedOut"/*.msi)
[ "${#signedFiles[@]}" = 4 ] || fail "the signed release does not have four files to check"
for file in "${signedFiles[@]}"; do
    osslsigncode verify -CAfile "$keys/ca.pem" -in "$file" >/dev/null 2>&1 || fail "$file does not verify"
    ! osslsigncode verify -CAfile "$keys/ca.pem" -in "$out/${file#"$signedOut"/}" >/dev/null 2>&1 ||
        fail "the unsigned ${file#"$signedOut"/} verifies"
done
tampered=$keys/tampered.exe
cp "$signedOut/x86_64/ConnexionORLIX.exe" "$tampered"
printf '\x90' | dd of="$tampered" bs=1 seek=4096 conv=notrunc status=none
! osslsigncode verify -CAfile "$keys/ca.pem" -in "$tampered" >/dev/null 2>&1 || fail "a changed signed program still verifies"

# The packages of an older build of the first server (the build number one lower), made as the
# release makes them.
older=build/release/older
rm -rf "$older"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
for dir in i686 x86_64; do
    cmake build/release/$dir -DORLIX_BUILD_NUMBER=$(($(git rev-list --count HEAD) - 1)) \
        -DORLIX_SERVER_ADDRESS=$server >/dev/null
    cmake --build build/release/$dir --target ConnexionORLIX >/dev/null
    mkdir -p "$older/$dir"
    cp build/release/$dir/app/ConnexionORLIX.exe "$older/$dir/"
    orlix_msi "$older/$dir/ConnexionORLIX.exe" "$(orlix_msi_arch $dir)" "$older" $server 4123 older
done

# Silent installs, upgrades and uninstalls, in a prefix of their own so that the project's prefix
# never holds an installed copy.
source tools/lib/display.sh
orlix_private_display
export ORLIX_WINEPREFIX=$root/build/msi-prefix
rm -rf "$ORLIX_WINEPREFIX"
orlix_wine_env
# Windows puts the shortcut of a per-machine install in the common Start menu; Wine 8 puts it in
# the user's. Either counts here: the tables above check that the package asks for per-machine.
shortcuts() {
    find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/*' \
        -name 'Connexion ORLIX.lnk' 2>/dev/null | wc -l
}
# The Add/Remove Programs entries of the product (the Uninstall keys naming it).
entries() {
    /usr/lib/wine/wineserver -w
    awk '/^\[/ { uninstall = index($0, "\\\\Uninstall\\\\") > 0 }
         uninstall && $0 == "\"DisplayName\"=\"Connexion ORLIX\"" { n++ }
         END { print n + 0 }' "$WINEPREFIX/system.reg"
}
# The server an installed copy signs in to, as its version information says.
serverOf() { strings -el "$1" | grep -A1 -x Comments | tail -n 1; }
msiexec() {
    local action=$1 msi=$2
    "$ORLIX_WINE" msiexec "$action" "Z:$(realpath "$msi" | tr / '\\')" /qn
}
for arch in x64 x86; do
    dir=$([ "$arch" = x64 ] && echo x86_64 || echo i686)
    programFiles=$([ "$arch" = x64 ] && echo "Program Files" || echo "Program Files (x86)")
    installed="$WINEPREFIX/drive_c/$programFiles/Connexion ORLIX/ConnexionORLIX.exe"
    a="$out/ConnexionORLIX-$version-$server-$arch.msi"
    b="build/release/other/ConnexionORLIX-$version-$other-$arch.msi"
    msiexec /i "$a" || fail "$arch: msiexec /i failed"
    cmp "$installed" "$out/$dir/ConnexionORLIX.exe" || fail "$arch: the installed program is not the release's"
    [ "$(shortcuts)" = 1 ] || fail "$arch: not one Start-menu shortcut after installing"
    [ "$(entries)" = 1 ] || fail "$arch: not one Add/Remove Programs entry after installing"
    msiexec /i "$a" || fail "$arch: installing the same package again failed"
    cmp "$installed" "$out/$dir/ConnexionORLIX.exe" || fail "$arch: installing again changed the program"
    [ "$(entries)" = 1 ] || fail "$arch: not one Add/Remove Programs entry after installing again"
    # The same version built for another server replaces the copy installed.
    msiexec /i "$b" || fail "$arch: the build for $other did not install over the one for $server"
    cmp "$installed" "build/release/other/$dir/ConnexionORLIX.exe" || fail "$arch: the upgrade kept the old program"
    [ "$(serverOf "$installed")" = "Serveur $other, port 4123" ] || fail "$arch: the installed copy does not target $other"
    [ "$(shortcuts)" = 1 ] || fail "$arch: not one Start-menu shortcut after the upgrade"
    [ "$(entries)" = 1 ] || fail "$arch: not one Add/Remove Programs entry after the upgrade"
    # An older build is refused and the newer copy stays.
    if msiexec /i "$older"/ConnexionORLIX-*-$arch.msi; then fail "$arch: an older package installed over a newer one"; fi
    cmp "$installed" "build/release/other/$dir/ConnexionORLIX.exe" || fail "$arch: a refused downgrade changed the program"
    [ "$(entries)" = 1 ] || fail "$arch: not one Add/Remove Programs entry after the refused downgrade"
    msiexec /x "$b" || fail "$arch: msiexec /x failed"
    [ ! -e "$installed" ] || fail "$arch: the program is still there after uninstalling"
    [ "$(shortcuts)" = 0 ] || fail "$arch: the shortcut is still there after uninstalling"
    [ "$(entries)" = 0 ] || fail "$arch: the Add/Remove Programs entry is still there after uninstalling"
done
# The signed package installs, and the signed program it installs starts and shows its window.
installed="$WINEPREFIX/drive_c/Program Files/Connexion ORLIX/ConnexionORLIX.exe"
msiexec /i "$signedOut/ConnexionORLIX-$version-$server-x64.msi" || fail "the signed x64 package does not install"
cmp "$installed" "$signedOut/x86_64/ConnexionORLIX.exe" || fail "the installed program is not the signed one"
tools/register-standin.sh "$root/build/win64/tests/support/ScriptedRdpControl.dll"
"$ORLIX_WINE" "$installed" &
pid=$!
shown=""
for _ in $(seq 1 60); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Enseignement Sp.*Vorlane"'; then shown=yes; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
"$ORLIX_WINE" taskkill /im ConnexionORLIX.exe >/dev/null 2>&1 || true
status=0
wait "$pid" || status=$?
[ -n "$shown" ] || fail "the signed program did not show its sign-in window"
[ "$status" = 0 ] || fail "the signed program ended with exit code $status"
msiexec /x "$signedOut/ConnexionORLIX-$version-$server-x64.msi" || fail "the signed x64 package does not uninstall"
/usr/lib/wine/wineserver -w
rm -rf "$ORLIX_WINEPREFIX" "$ORLIX_WINEPREFIX.lock"
echo "check-release: $out is reproducible and names its server; both packages install, upgrade and uninstall; a signed release verifies"
