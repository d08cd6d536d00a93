#!/usr/bin/env bash
# The installer in a fresh wine prefix: it speaks Bulgarian; installed
# silently (/S) it puts the program, its licence and README into
# Program Files, a Start-menu folder with the program's shortcut and the
# uninstaller's, and registers the uninstaller with Windows under the
# program's name, version and publisher; the uninstaller, silent too,
# removes all of it. Leaves a screenshot of the installer's first page.
# Run it on its own X server:
#   xvfb-run -a -s "-screen 0 1024x768x24" installer_test.sh SETUP VERSION SCREENSHOT
set -euo pipefail
setup=$1 version=$2 shot=$3
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix
. "$(dirname "$0")/wine_session.sh"
trap 'end_session; rm -rf "$scratch"' EXIT

# A fresh prefix: a Windows of its own, where nothing was installed before.
run_wine wineboot -i
"$wineserver" -w
ok "fresh wine prefix"

folder="$WINEPREFIX/drive_c/Program Files/Velmora"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
# The value of a registry entry of the uninstall key; empty when there is none.
registered() {
    wine_output reg query "$key" /v "$1" | tr -d '\r' |
        sed -n "s/^ *$1 *REG_SZ *//p"
}

# Started without options it shows its first page, in Bulgarian.
start_window_manager
start_wine "$setup"
await_window 60 "Velmora"
# The caption whole, a blank at its end included.
title=$(LC_ALL=C.UTF-8 x_query xprop -id "$window" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
[ "$title" = "Инсталиране на Velmora" ] || fail "installer caption: [$title]"
ok "installer caption: $title"
import -window root "$shot"
stop_wine
[ ! -e "$folder" ] || fail "the installer installed before it was told to"

# Silent installation; the installer ends before wineserver -w returns.
run_wine "$setup" /S
"$wineserver" -w
for file in velmora.exe LICENSE.txt README.txt Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "not installed: $folder/$file"
done
ok "installed: $(ls "$folder" | tr '\n' ' ')"
for link in "Velmora.lnk" "Деинсталиране на Velmora.lnk"; do
    [ -f "$menu/$link" ] || fail "no Start-menu shortcut $menu/$link"
done
# A shortcut names its target's full path in the code page of programs that
# are not Unicode (and its folders one by one in UTF-16).
strings "$menu/Velmora.lnk" | grep -qx 'C:\\Program Files\\Velmora\\velmora\.exe' ||
    fail "the Start-menu shortcut does not start velmora.exe"
ok "Start menu: $(ls "$menu" | tr '\n' ' ')"
[ "$(registered DisplayName)" = "Velmora" ] || fail "DisplayName: $(registered DisplayName)"
[ "$(registered DisplayVersion)" = "$version" ] || fail "DisplayVersion: $(registered DisplayVersion)"
[ "$(registered Publisher)" = "Velmora" ] || fail "Publisher: $(registered Publisher)"
uninstaller=$(registered UninstallString)
[ "$uninstaller" = '"C:\Program Files\Velmora\Uninstall.exe"' ] ||
    fail "UninstallString: $uninstaller"
ok "registered: Velmora $version by Velmora, uninstalled by $uninstaller"

# Silent removal, as Windows' "Apps" settings start it (the uninstaller
# runs on from a copy of itself in the temporary folder).
run_wine 'C:\Program Files\Velmora\Uninstall.exe' /S
"$wineserver" -w
[ ! -e "$folder" ] || fail "left after removal: $(ls -A "$folder" | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "Start-menu folder left after removal: $(ls -A "$menu" | tr '\n' ' ')"
[ -z "$(registered DisplayName)" ] || fail "still registered after removal"
ok "removed: program folder, Start-menu folder and registration"
echo "Screenshot: $shot"
echo "PASS"
