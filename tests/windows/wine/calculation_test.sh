#!/usr/bin/env bash
# velmora.exe from the zip under wine, used as a person would: chooses a
# combination in the list, clicks into the value fields, types, presses
# «Изчисли», and reads all five values back through the clipboard, in the
# Bulgarian format of Windows' regional settings (decimal comma, digits
# grouped with a no-break space), then saves the solution as a PDF through
# Windows' save dialog. Leaves a screenshot of the results.
# Run it on its own X server:
#   xvfb-run -a -s "-screen 0 1024x768x24" calculation_test.sh ZIP SCREENSHOT
set -euo pipefail
zip=$1 shot=$2
. "$(dirname "$0")/wine_session.sh"

unpacked=$(mktemp -d)
trap 'end_session; rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
start_window_manager
start_velmora "$(find "$unpacked" -name velmora.exe)"

# Cones whose values are known in closed form (3-4-5 and 30-40-50
# triangles: S = 15π and 1500π, V = 12π and 12000π). Each row: the list
# entry, its position, the two given fields and their values, then R L H S V.
nbsp=$'\u00a0'
cases=(
    "R L" 0 field_r 3 field_l 5
    "3,0000000" "5,0000000" "4,0000000" "47,1238898" "37,6991118"
    "R H" 1 field_r 30 field_h 40
    "30,0000000" "50,0000000" "40,0000000" "4${nbsp}712,3889804" "37${nbsp}699,1118431"
)
while [ ${#cases[@]} -gt 0 ]; do
    set -- "${cases[@]:0:11}"
    cases=("${cases[@]:11}")
    # The first entry, then down the list with the keyboard.
    list_first_entry
    for _ in $(seq "$2"); do xdotool key Down; sleep 0.2; done
    type_into "$3" "$4"
    type_into "$5" "$6"
    calculate
    expect_field "$1: R" field_r "$7"
    expect_field "$1: L" field_l "$8"
    expect_field "$1: H" field_h "$9"
    expect_field "$1: S" field_s "${10}"
    expect_field "$1: V" field_v "${11}"
done
import -window root "$shot"
echo "Screenshot: $shot"

# The last solution as a PDF: Ctrl+R opens «Решение», Ctrl+S asks for a file
# name in Windows' own save dialog, and the file written holds the answers
# (R H 30 40: S = 1 500π, V = 12 000π). wine's drive Z: is the root folder.
xdotool key --clearmodifiers ctrl+r
await_caption 30 "Решение" || fail "Ctrl+R opened no window «Решение»"
xdotool key --clearmodifiers ctrl+s
await_caption 30 "Запази като PDF" || fail "Ctrl+S opened no save dialog"
sleep 1
pdf=$unpacked/cone.pdf
# (A Windows edit box takes no Ctrl+A: the suggested name is selected from
# its end to its start.)
xdotool key --clearmodifiers End shift+Home
xdotool type --delay 40 "Z:${pdf//\//\\}"
xdotool key Return
deadline=$((SECONDS + 30))
until [ -s "$pdf" ] && pdftotext "$pdf" "$unpacked/pdf.txt" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "no PDF was written to $pdf"
    sleep 0.5
done
# (pdftotext gives the no-break space between digit groups as a blank.)
for answer in "S = π·R·L = π·30·50 = 1 500π" "V = π·R²·H/3 = π·30²·40/3 = 12 000π"; do
    grep -qF "$answer" "$unpacked/pdf.txt" || fail "the PDF has no $answer: $(head -c 600 "$unpacked/pdf.txt")"
done
ok "the solution saved as a PDF holds S = 1 500π and V = 12 000π"
echo "PASS"
