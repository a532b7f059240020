#!/usr/bin/env bash
# check_windows_packages.sh BUILD_DIR WORK_DIR WINE_RUNNER VERSION PROGRAMS...: checks the portable zip
# and the installer, then installs and uninstalls silently under Wine, in a prefix of the test's own.
set -euo pipefail
build=$1 work=$2 runner=$3 version=$4 programs="${*:5}"
fail() { echo "FAIL: $*" >&2; exit 1; }
wine() { "$runner" "$@"; }
ask() { "$runner" "$@" | tr -d '\r'; }
package() {
    cpack --config "$build/CPackConfig.cmake" -G "$1" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack -G $1"; }
}
rm -rf "$work/packages" "$work/cstrike"
mkdir -p "$work/packages" "$work/cstrike"
export JUKEWRIGHT_WINEPREFIX="$work/wine-prefix"

package ZIP
top="jukewright-$version-win64-portable"
listing=$(cmake -E tar tf "$work/packages/$top.zip")
for file in portable $programs kb_act/ LICENSE.txt RUNTIME-LICENSES.txt; do
    echo "$listing" | grep -qxF "$top/$file" || fail "the portable zip lacks $file"
done
if ! command -v makensis >/dev/null; then
    echo "makensis not found (Debian's nsis): the installer is not built or checked"
    exit 77
fi
package NSIS
nsi="$work/packages/_CPack_Packages/win64/NSIS/project.nsi"
grep -q '^ *RequestExecutionLevel user$' "$nsi" || fail "the installer asks for more than the user's rights"
grep -qF 'InstallDir "$LOCALAPPDATA\Programs\Jukewright"' "$nsi" || fail "the installer's folder is not the user's own"
grep -q 'HKCU' "$nsi" || fail "the installer writes no HKCU key"
! grep -q -E 'HKLM|SHCTX|HKEY_LOCAL_MACHINE|SetShellVarContext all' "$nsi" || fail "the installer touches the machine's settings"

# Wine writes no menu entry on the host for the Start menu's shortcut: the prefix disables
# winemenubuilder, whatever the runner passes on of the environment.
wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d '' /f >/dev/null
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Jukewright'
windows_path() { echo "$JUKEWRIGHT_WINEPREFIX/drive_c$(echo "${1#C:}" | tr '\\' /)"; }
inst_win="$(ask cmd /c echo %LOCALAPPDATA%)\\Programs\\Jukewright"
inst=$(windows_path "$inst_win")
appdata=$(windows_path "$(ask cmd /c echo %APPDATA%)")
shortcut="$appdata/Microsoft/Windows/Start Menu/Programs/Jukewright.lnk"
rm -rf "$inst" "$appdata/Jukewright" "$shortcut"
wine reg delete "$key" /f >/dev/null 2>&1 || true

WINEDLLOVERRIDES=winemenubuilder.exe=d wine "$work/packages/jukewright-$version-win64-setup.exe" /S ||
    fail "the silent install failed"
entry=$(ask reg query "$key") || fail "no uninstall entry under $key"
for value in DisplayName DisplayVersion Publisher DisplayIcon InstallLocation UninstallString \
    QuietUninstallString NoModify NoRepair EstimatedSize; do
    echo "$entry" | grep -q "^ *$value " || fail "the uninstall entry lacks $value"
done
for file in $programs Uninstall.exe kb_act credits.txt HLFLIFE2.TTF LICENSE.txt RUNTIME-LICENSES.txt; do
    [ -e "$inst/$file" ] || fail "$file is not installed"
done
[ ! -e "$inst/portable" ] || fail "the installer put the portable marker beside the programs"
[[ " $programs " != *" jukewright.exe "* ]] || [ -f "$shortcut" ] || fail "no Start menu entry"

# The installed program finds its data files: a save of the free track into a mod folder.
wine "$inst/jukewright-cli.exe" save --mod "Z:$work/cstrike" "$inst_win\\morvane_lanternsburn.mp3" ||
    fail "the installed jukewright-cli.exe failed"
[ -f "$work/cstrike/gfx/shell/kb_act.lst" ] || fail "the installed program saved no jukebox"

# The uninstaller (waited for with _?=) removes what it installed and nothing of the player's.
mkdir -p "$appdata/Jukewright" && echo kept >"$appdata/Jukewright/settings.jst"
echo kept >"$inst/notes.txt"
WINEDLLOVERRIDES=winemenubuilder.exe=d wine "$inst/Uninstall.exe" /S "_?=$inst_win" || fail "the silent uninstall failed"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry stayed"
left=$(cd "$inst" && find . -mindepth 1 | sort | tr '\n' ' ')
[ "$left" = "./Uninstall.exe ./notes.txt " ] || fail "the uninstaller left or took files: $left"
[ -f "$appdata/Jukewright/settings.jst" ] && [ ! -e "$shortcut" ] || fail "the uninstaller took the settings or left the shortcut"
