#!/usr/bin/env bash
# The installer on a machine that never saw Tessaro, silently: the files, the Start-menu shortcuts, the uninstall
# entry, a start of the installed program that records its folder; an install or removal while Tessaro runs is
# refused; an upgrade and the removal keep the user's settings, and the removal takes away everything else.
# Usage: check_installer.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
root=$1
state=$2/wine-release-installer
. "$root/tests/release/wine_helpers.sh"
version=$(python3 "$root/tests/release/release_files.py")
setup=$root/dist/Tessaro-$version-setup.exe
[ -f "$setup" ] || { echo "FAILED: $setup is missing; make the download with: bash scripts/release.sh"; exit 1; }

fresh_prefix
appdata=$(win_var APPDATA)
target="$(win_var LOCALAPPDATA)\\Programs\\Tessaro"
menu="$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Tessaro"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaro'
program_key='Software\Kelvandor\Tessaro'
folder=$(unix_path "$target")
settings=$(unix_path "$appdata\\Tessaro\\Tessaro.prefs")

check win "$setup" /S
for file in Tessaro.exe Tessaro.pdf LIZENZEN.txt Uninstall.exe; do
    check test -s "$folder/$file"
done
check cmp -s "$folder/Tessaro.pdf" "$root/build/release/package/Tessaro.pdf"
check python3 "$root/tests/release/check_executables.py" "$folder/Uninstall.exe"
lnk_target_is() { [ "$(python3 "$root/tests/release/lnk_target.py" "$(unix_path "$1")")" = "$2" ]; }
check lnk_target_is "$menu\\Tessaro.lnk" "$target\\Tessaro.exe"
check lnk_target_is "$menu\\Tessaro-Handbuch.lnk" "$target\\Tessaro.pdf"

entry_is() { [ "$(reg_value "$uninstall_key" "$1")" = "$2" ]; }
check entry_is DisplayName Tessaro
check entry_is DisplayVersion "$version"
check entry_is Publisher "Tessaro Project"
check entry_is DisplayIcon "$target\\Tessaro.exe,0"
check entry_is InstallLocation "$target"
check entry_is UninstallString "\"$target\\Uninstall.exe\""
check entry_is QuietUninstallString "\"$target\\Uninstall.exe\" /S"
size_in_kb=$(($(reg_value "$uninstall_key" EstimatedSize)))
check test "$size_in_kb" -ge $(($(du -k -s "$folder" | cut -f1) / 2))

# While Tessaro runs, neither an installation nor the removal goes ahead.
check start_tessaro "$target\\Tessaro.exe"
check test "$(win "$setup" /S '/D=C:\Refused'; echo $?)" != 0
check test ! -e "$(unix_path 'C:\Refused')"
check test "$(win "$target\\Uninstall.exe" /S "_?=$target"; echo $?)" != 0
check test -f "$folder/Tessaro.exe"
check quit_tessaro
check test "$(reg_value "$program_key" InstallDir)" = "$target\\"
check test -s "$settings"
kept=$(sha256sum <"$settings")

# An upgrade over the installation keeps the settings.
check win "$setup" /S
check test "$(sha256sum <"$settings")" = "$kept"

# The removal (the uninstaller continues from a copy of itself and returns at once).
check win "$target\\Uninstall.exe" /S
check wait_until test ! -e "$folder"
check test ! -e "$(unix_path "$menu")"
no_uninstall_entry() { ! reg_key_exists "$uninstall_key"; }
check no_uninstall_entry
check test -z "$(reg_value "$program_key" InstallDir)"
check test "$(sha256sum <"$settings")" = "$kept"

"$root/cmake/wine-run.sh" "$state" --stop
[ "$failures" = 0 ] || exit 1
echo "installation, refusal while running, upgrade and removal as they should be"
