#!/usr/bin/env bash
# Starts the built Velmora on a fresh X server and uses it as a person
# would: clicks into the value fields, types, presses Calculate, chooses a
# combination with the keyboard, and reads results back through the
# clipboard. Also checks what the window manager sees: title, size and the
# size hints that forbid resizing.
# Usage: velmora_on_xvfb.sh path/to/velmora
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display itself and writes its number once it is ready.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
velmora=
trap 'kill $velmora $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 200); do [ -s "$display_file" ] && break; sleep 0.05; done
[ -s "$display_file" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$display_file")

# A Bulgarian desktop: results show a decimal comma.
LANG=bg_BG.UTF-8 LC_ALL= LC_NUMERIC= QT_QPA_PLATFORM=xcb "$program" &
velmora=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "velmora\\.bg" | head -n1)
[ -n "$window" ] || fail "the window did not appear"
sleep 0.5

# What the window manager sees (read in a UTF-8 locale, or xprop escapes
# the Cyrillic of the title).
title=$(LC_ALL=C.UTF-8 xprop -id "$window" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
[ "$title" = "https://velmora.bg Математика - конус, повърхнина и обем" ] || fail "title: $title"
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "481x424" ] || fail "size: $size"
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "minimum size: 481 by 424" <<<"$hints" || fail "minimum size hint: $hints"
grep -q "maximum size: 481 by 424" <<<"$hints" || fail "maximum size hint: $hints"

# Client-area points of the controls.
eval "$(xdotool getwindowgeometry --shell "$window")" # sets X and Y
# (no --sync: it waits in vain when the pointer is already there)
click() { xdotool mousemove $((X + $1)) $((Y + $2)) sleep 0.05 click 1; sleep 0.15; }
field_r() { click 200 66; }
field_l() { click 200 92; }
field_h() { click 200 116; }
field_s() { click 200 140; }
calculate() { click 60 204; }
list_first_entry() { click 40 72; }

# Selects everything in the focused field, copies it and prints the clipboard.
copy_field() {
    # Empty the clipboard first: copying an empty field copies nothing.
    xclip -selection clipboard -i </dev/null >/dev/null 2>&1
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard 2>/dev/null || true # nothing to paste: empty
}
expect_field() { # $1 name, $2 clicker, $3 expected text
    "$2"
    local got
    got=$(copy_field)
    [ "$got" = "$3" ] || fail "$1 shows '$got', expected '$3'"
    echo "ok: $1 = $got"
}

# R L is in force after start: R = 3, L = 5.
field_r
xdotool type --delay 40 "3"
field_l
xdotool type --delay 40 "5"
calculate
expect_field H field_h "4,0000000"
expect_field S field_s "47,1238898"
expect_field R field_r "3,0000000"

# Pressing Calculate again re-reads "3,0000000" and "5,0000000": same cone.
calculate
expect_field S field_s "47,1238898"

# Down arrow in the list chooses "R H": the fields are emptied.
list_first_entry
xdotool key Down
sleep 0.2
expect_field R field_r ""
field_r
xdotool type --delay 40 "3"
field_h
xdotool type --delay 40 "4"
calculate
expect_field L field_l "5,0000000"

# An eighth typed character is refused.
list_first_entry
xdotool key Up
sleep 0.2
field_r
xdotool type --delay 40 "12345678"
expect_field "R typed" field_r "1234567"

echo "PASS"
