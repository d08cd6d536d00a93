#!/usr/bin/env bash
# Starts the built Velmora under openbox on a screen too small for it (run
# on an 800x600 X server, at a scale factor of 1.5) and checks that the
# frame's top edge, with the title bar and Close, is on the screen.
# xvfb-run -a -s "-screen 0 800x600x24" small_screen_on_xvfb.sh path/to/velmora [screenshot.png]
set -euo pipefail
program=$1
source "$(dirname "$0")/under_openbox.sh"

start_velmora "$program" LANG=bg_BG.UTF-8 LC_ALL= QT_SCALE_FACTOR=1.5
[ $((Y - top)) -ge 0 ] || fail "the frame's top is at $((Y - top)), above the screen"
[ $((X - left)) -ge 0 ] || fail "the frame's left edge is at $((X - left)), left of the screen"
echo "ok: frame at $((X - left)),$((Y - top))"
[ -z "${2:-}" ] || import -window root "$2"
echo "PASS"
