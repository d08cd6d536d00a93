#!/usr/bin/env bash
# Starts the built Velmora under openbox on a screen too small for it (run
# on an 800x600 X server, at a scale factor of 1.5) and checks that the
# frame's top edge, with the title bar and Close, is on the screen.
# xvfb-run -a -s "-screen 0 800x600x24" small_screen_on_xvfb.sh path/to/velmora [screenshot.png]
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

openbox --sm-disable >/dev/null 2>&1 &
timeout 10 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do sleep 0.05; done' ||
    fail "openbox did not start"

LANG=bg_BG.UTF-8 LC_ALL= QT_SCALE_FACTOR=1.5 QT_QPA_PLATFORM=xcb "$program" &
window=$(timeout 20 xdotool search --sync --onlyvisible --name "velmora\\.bg" | head -n1)
[ -n "$window" ] || fail "the window did not appear"
sleep 1

read -r X Y <<<"$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')"
read -r left _ top _ <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
[ $((Y - top)) -ge 0 ] || fail "the frame's top is at $((Y - top)), above the screen"
[ $((X - left)) -ge 0 ] || fail "the frame's left edge is at $((X - left)), left of the screen"
echo "ok: frame at $((X - left)),$((Y - top))"
[ -z "${2:-}" ] || import -window root "$2"
echo "PASS"
