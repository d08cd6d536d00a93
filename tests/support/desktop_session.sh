# shellcheck shell=bash disable=SC2034
# Sourced by the scripts that use the Velmora window as a person would on an
# X server (tests/e2e, tests/windows/wine, tools/make-screenshots): openbox
# as the window manager, the window's place and frame, clicks at client-area
# points of the controls, typing, and reading a field back through the
# clipboard. What a script starts in the background ends with it.

fail() { echo "FAIL: $*" >&2; exit 1; }
x_scratch=$(mktemp -d)
# Ends what the script started in the background and removes its scratch
# files; a script that ends more (wine) calls it from its own exit trap.
end_desktop_session() {
    kill $(jobs -p) 2>/dev/null || true
    rm -rf "$x_scratch"
}
trap end_desktop_session EXIT
# Ended from outside (ctest's timeout), the script still ends what it started.
trap 'exit 143' TERM
trap 'exit 130' INT

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
    # Whether the X server itself answers tells a harness fault (the display
    # gone, or taken by another X server) from openbox's own.
    fail "openbox did not start on DISPLAY=${DISPLAY:-}; the X server says: $(xdpyinfo 2>&1 | head -n 2 | tr '\n' ' ')"
}

# A query of the X server about windows fails when a window it asks about goes
# away meanwhile (a menu or tooltip closing, wine's short-lived windows): Xlib
# then ends the program with BadWindow. x_query runs such a query again until
# it answers, for up to $x_query_seconds, and prints its output; when it never
# answers, it returns 1, and x_error prints what the query said last (kept in
# a file, as x_query mostly runs in a command substitution's subshell).
x_query_seconds=5
x_error() { cat "$x_scratch/error" 2>/dev/null || echo "nothing"; }
x_query() {
    local deadline=$((SECONDS + x_query_seconds)) output status
    while :; do
        output=$("$@" 2>&1 >"$x_scratch/out") && status=0 || status=$?
        if [ "$status" -eq 0 ]; then
            cat "$x_scratch/out"
            return 0
        fi
        echo "$* (exit code $status): $(tr -s " \n" " " <<<"${output:-no message}")" >"$x_scratch/error"
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Waits up to $1 seconds for the window to show (its caption matches $2,
# velmora.bg by default) and a moment more for it to be placed and painted.
# Sets `window` to its X window, X, Y, WIDTH, HEIGHT to the place and size of
# its client area, and left, right, top, bottom to the frame openbox draws
# round it. (xdotool's getwindowgeometry counts the frame offset twice.) A
# search or query that fails is tried again until the time is up, and the
# failure then says what was seen last.
await_window() {
    local deadline=$((SECONDS + $1)) pattern=${2:-velmora\.bg} geometry extents
    echo "no window matched '$pattern'" >"$x_scratch/error"
    while [ "$SECONDS" -lt "$deadline" ]; do
        # One search at a time: a failed one is not the answer, the next may be.
        window=$(xdotool search --onlyvisible --name "$pattern" 2>"$x_scratch/err" | head -n1) || true
        if [ -z "$window" ]; then
            [ ! -s "$x_scratch/err" ] || echo "xdotool search said: $(tr -s " \n" " " <"$x_scratch/err")" >"$x_scratch/error"
            sleep 0.2
            continue
        fi
        sleep 1
        if geometry=$(x_query xwininfo -id "$window") &&
            extents=$(x_query xprop -id "$window" _NET_FRAME_EXTENTS) &&
            [[ $extents =~ =\ ([0-9]+),\ ([0-9]+),\ ([0-9]+),\ ([0-9]+) ]]; then
            read -r left right top bottom <<<"${BASH_REMATCH[*]:1}"
            read -r X Y WIDTH HEIGHT <<<"$(awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}' <<<"$geometry")"
            return 0
        fi
        # Gone again, or not yet framed: search anew.
        [ -z "${extents:-}" ] || echo "frame of window $window: $extents" >"$x_scratch/error"
    done
    fail "no window matching '$pattern' appeared within $1 s (last seen: $(x_error))"
}

# Waits up to $1 seconds for a visible window captioned exactly $2 (0; its
# X window is then in `captioned`) or for none to be left (1 when $3 is
# "gone"). xdotool's name search cannot
# match a Cyrillic caption (it converts the legacy WM_NAME to the locale),
# so each visible window's _NET_WM_NAME is read; a window that vanishes
# meanwhile is searched for again.
await_caption() {
    local deadline=$((SECONDS + $1)) id found
    while :; do
        found=
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            [ "$(LC_ALL=C.UTF-8 xprop -id "$id" _NET_WM_NAME 2>/dev/null)" != \
                "_NET_WM_NAME(UTF8_STRING) = \"$2\"" ] || found=$id
        done
        captioned=$found
        if [ "${3:-}" = gone ]; then [ -z "$found" ] && return 0; else [ -n "$found" ] && return 0; fi
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
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
