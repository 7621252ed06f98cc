#!/usr/bin/env bash
# Checks of the release command, run by tools/test.sh after the win32 step (whose product in
# build/win32 is a second build of the shipped executable, in another directory):
#   1. tools/release.sh runs; relinking and repackaging give the same bytes (SHA256SUMS equal),
#      and its i686 executable equals build/win32's;
#   2. the packages' tables: version, per-machine install under Program Files, the shortcut, the
#      fixed upgrade code and the upgrade actions;
#   3. the x86_64 package installs and uninstalls silently under Wine, in a throwaway prefix.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
out=out/release
fail() { echo "check-release: $*" >&2; exit 1; }

tools/release.sh
cp "$out/SHA256SUMS" build/release/SHA256SUMS.first
# A second run relinks both executables and compiles their resources again.
rm -f build/release/*/app/ConnexionORLIX.exe build/release/*/app/CMakeFiles/ConnexionORLIX.dir/__/resources/*.res
tools/release.sh >/dev/null
diff build/release/SHA256SUMS.first "$out/SHA256SUMS" || fail "two runs gave different files"
cmp "$out/i686/ConnexionORLIX.exe" build/win32/app/ConnexionORLIX.exe ||
    fail "the release's i686 executable differs from build/win32's"

source tools/lib/release.sh
version=$(orlix_exe_version "$out/i686/ConnexionORLIX.exe")
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "no version in the executable"

# The value of a column in the rows of an exported table (msidump's .idt: three header lines).
column() { tr -d '\r' <"$1" | awk -F'\t' -v key="$2" -v col="$3" 'NR > 3 && $1 == key { print $col }'; }
for arch in x86 x64; do
    msi="$out/ConnexionORLIX-$version-$arch.msi"
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
    [ -n "$(column "$tables/Upgrade.idt" "$upgrade" 2)$(column "$tables/Upgrade.idt" "$upgrade" 3)" ] || fail "$arch: no upgrade row"
    for action in FindRelatedProducts RemoveExistingProducts; do
        [ -n "$(column "$tables/InstallExecuteSequence.idt" $action 3)" ] || fail "$arch: $action is not sequenced"
    done
    msiinfo suminfo "$msi" | grep -qx "Template: $arch;1036" || fail "$arch: the summary's platform is wrong"
    rm -rf "$tables"
done

# Silent install and uninstall of the x86_64 package, in a prefix of its own so that the
# project's prefix never holds an installed copy.
source tools/lib/display.sh
orlix_private_display
export ORLIX_WINEPREFIX=$root/build/msi-prefix
rm -rf "$ORLIX_WINEPREFIX"
orlix_wine_env
msi="$out/ConnexionORLIX-$version-x64.msi"
windowsPath="Z:$(realpath "$msi" | tr / '\\')"
installed="$WINEPREFIX/drive_c/Program Files/Connexion ORLIX/ConnexionORLIX.exe"
# Windows puts the shortcut of a per-machine install in the common Start menu; Wine 8 puts it in
# the user's. Either counts here: the tables above check that the package asks for per-machine.
shortcuts() {
    find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/*' \
        -name 'Connexion ORLIX.lnk' 2>/dev/null
}
"$ORLIX_WINE" msiexec /i "$windowsPath" /qn || fail "msiexec /i failed"
/usr/lib/wine/wineserver -w
cmp "$installed" "$out/x86_64/ConnexionORLIX.exe" || fail "the installed program is not the release's"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut after installing"
"$ORLIX_WINE" msiexec /x "$windowsPath" /qn || fail "msiexec /x failed"
/usr/lib/wine/wineserver -w
[ ! -e "$installed" ] || fail "the program is still there after uninstalling"
[ -z "$(shortcuts)" ] || fail "the shortcut is still there after uninstalling"
rm -rf "$ORLIX_WINEPREFIX" "$ORLIX_WINEPREFIX.lock"
echo "check-release: $out is reproducible; both packages are complete; the x64 package installs and uninstalls"
