# Sourced by the end-to-end scripts: starts openbox on the X server that
# xvfb-run gave the test, and starts Velmora under it.
#   start_velmora PROGRAM [VARIABLE=VALUE ...]  sets $window to its window id
fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

openbox --sm-disable >/dev/null 2>&1 &
# openbox is ready once it has named itself on the root window.
timeout 10 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do sleep 0.05; done' ||
    fail "openbox did not start"

start_velmora() {
    local program=$1
    shift
    env "$@" QT_QPA_PLATFORM=xcb "$program" &
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "velmora\\.bg" | head -n1)
    [ -n "$window" ] || fail "the window did not appear"
}
