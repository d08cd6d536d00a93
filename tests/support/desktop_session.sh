# shellcheck shell=bash disable=SC2034
# Sourced by the scripts that use the Velmora window as a person would on an
# X server (tests/e2e, tests/windows/wine, tools/make-screenshots): openbox
# as the window manager, the window's place and frame, clicks at client-area
# points of the controls, typing, and reading a field back through the
# clipboard. What a script starts in the background ends with it.

fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT

# openbox is ready once it has named itself on the root window. Under a heavy
# load it has been seen not to come up at once: it is given a second start,
# and what it said is shown if that fails too.
start_window_manager() {
    local log attempt
    log=$(mktemp)
    for attempt in 1 2; do
        openbox --sm-disable >"$log" 2>&1 &
        if timeout 20 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do sleep 0.05; done'; then
            rm -f "$log"
            return
        fi
        kill $! 2>/dev/null || true
        echo "openbox not ready after 20 s (start $attempt)" >&2
    done
    cat "$log" >&2
    fail "openbox did not start"
}

# Waits up to $1 seconds for the window to show (its caption starts with
# velmora.bg) and a moment more for it to be placed and painted. Sets
# `window` to its X window, X, Y, WIDTH, HEIGHT to the place and size of its
# client area, and left, right, top, bottom to the frame openbox draws round
# it. (xdotool's getwindowgeometry counts the frame offset twice.)
await_window() {
    window=$(timeout "$1" xdotool search --sync --onlyvisible --name "velmora\\.bg" | head -n1) ||
        true
    [ -n "$window" ] || fail "no window of Velmora appeared within $1 s"
    sleep 1
    read -r X Y WIDTH HEIGHT <<<"$(xwininfo -id "$window" |
        awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')"
    read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
}

# (No --sync: xdotool waits in vain when the pointer is already there.)
click() { xdotool mousemove $((X + $1)) $((Y + $2)) sleep 0.05 click "${3:-1}"; sleep 0.2; }
field_r() { click 200 66; }
field_l() { click 200 92; }
field_h() { click 200 116; }
field_s() { click 200 140; }
field_v() { click 200 164; }
calculate() { click 60 204; }
list_first_entry() { click 40 72; }

# Selects everything in the focused field, copies it and prints the
# clipboard (which wine shares with the X server's).
copy_field() {
    # Empty the clipboard first: copying an empty field copies nothing.
    xclip -selection clipboard -i </dev/null >/dev/null 2>&1
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null || true # nothing to paste: empty
}
expect_field() { # $1 name, $2 clicker, $3 expected text
    "$2"
    local got
    got=$(copy_field)
    [ "$got" = "$3" ] || fail "$1 shows '$got', expected '$3'"
    echo "ok: $1 = $got"
}
type_into() { "$1"; xdotool type --delay 60 "$2"; }
