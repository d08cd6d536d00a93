#!/usr/bin/env bash
# Starts the built Velmora under a window manager (openbox) and uses it as a
# person would: clicks into the value fields, types, presses Calculate,
# chooses a combination with the keyboard, opens and copies the solution
# and opens the print dialog under a Bulgarian keyboard layout, and reads
# results back through the clipboard. Also checks what the window manager sees: caption, size,
# the size hints that forbid resizing, and the frame centred on the screen.
# Run it on its own X server: xvfb-run -a -s "-screen 0 1024x768x24" velmora_on_xvfb.sh path/to/velmora
set -euo pipefail
program=$1
source "$(dirname "$0")/under_openbox.sh"

# A Bulgarian desktop: results show a decimal comma.
start_velmora "$program" LANG=bg_BG.UTF-8 LC_ALL= LC_NUMERIC=

# What the window manager sees (read in a UTF-8 locale, or xprop escapes
# the Cyrillic of the caption).
title=$(LC_ALL=C.UTF-8 x_query xprop -id "$window" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
[ "$title" = "velmora.bg Математика - конус, повърхнина и обем" ] || fail "title: $title"
[ "${WIDTH}x$HEIGHT" = "481x424" ] || fail "size: ${WIDTH}x$HEIGHT"
hints=$(x_query xprop -id "$window" WM_NORMAL_HINTS)
grep -q "minimum size: 481 by 424" <<<"$hints" || fail "minimum size hint: $hints"
grep -q "maximum size: 481 by 424" <<<"$hints" || fail "maximum size hint: $hints"

# The frame (client plus the decorations openbox reports) sits in the
# middle of the 1024x768 screen, to the pixel.
x_off=$(((2 * (X - left) + WIDTH + left + right) - 1024))
y_off=$(((2 * (Y - top) + HEIGHT + top + bottom) - 768))
[ "${x_off#-}" -le 2 ] && [ "${y_off#-}" -le 2 ] ||
    fail "frame $((WIDTH + left + right))x$((HEIGHT + top + bottom)) at $((X - left)),$((Y - top)) is off centre by $((x_off / 2)),$((y_off / 2)) px"
echo "ok: frame centred (extents $left $right $top $bottom, client at $X,$Y)"

# R L is in force after start: R = 3, L = 5.
type_into field_r 3
type_into field_l 5
calculate
expect_field H field_h "4,0000000"
expect_field S field_s "47,1238898"
expect_field R field_r "3,0000000"

# The solution window with the keyboard alone, under a Bulgarian keyboard
# layout: the keys of R and C then give Cyrillic letters, and Ctrl+R and
# Ctrl+Shift+C still work.
setxkbmap -layout bg,us
# The letters of the keys R (keycode 27) and C (54) in the active layout.
key_letter() { xmodmap -pke | awk -v code="$1" '$1 == "keycode" && $2 == code { print $4 }'; }
r_key=$(key_letter 27) c_key=$(key_letter 54)
[[ $r_key == Cyrillic_* && $c_key == Cyrillic_* ]] || fail "the Bulgarian layout gives '$r_key' and '$c_key'"
xdotool key --clearmodifiers "ctrl+$r_key"
await_caption 10 "Решение" || fail "Ctrl+$r_key opened no window «Решение»"
xclip -selection clipboard -i </dev/null >/dev/null 2>&1
xdotool key --clearmodifiers "ctrl+shift+$c_key"
sleep 0.3
solution=$(xclip -o -selection clipboard 2>/dev/null || true)
for line in "Дадено: R = 3; L = 5" "S = π·R·L = π·3·5 = 15π ≈ 47,1238898" "Отговор: H = 4; S = 15π"; do
    grep -qF "$line" <<<"$solution" || fail "the copied solution has no '$line':
$solution"
done
echo "ok: Ctrl+$r_key opened «Решение», Ctrl+Shift+$c_key copied its text"
# The print dialog comes from a module the program loads at the first print.
p_key=$(key_letter 33)
xdotool key --clearmodifiers "ctrl+$p_key"
await_caption 10 "Печат на решението" || fail "Ctrl+$p_key opened no print dialog"
xdotool key Escape
await_caption 10 "Печат на решението" gone || fail "Esc did not close the print dialog"
echo "ok: Ctrl+$p_key opened the print dialog from its module"
xdotool key Escape
await_caption 10 "Решение" gone || fail "Esc did not close «Решение»"
setxkbmap -layout us

# Pressing Calculate again re-reads "3,0000000" and "5,0000000": same cone.
calculate
expect_field S field_s "47,1238898"

# Down arrow in the list chooses "R H": the fields are emptied.
list_first_entry
xdotool key Down
sleep 0.2
expect_field R field_r ""
type_into field_r 3
type_into field_h 4
calculate
expect_field L field_l "5,0000000"

# An eighth typed character is refused.
list_first_entry
xdotool key Up
sleep 0.2
type_into field_r 12345678
expect_field "R typed" field_r "1234567"

echo "PASS"
