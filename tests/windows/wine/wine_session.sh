# Shared by the scripts that try Velmora under wine (sourced, not run): a
# Bulgarian Windows desktop on the X server of xvfb-run, with openbox as its
# window manager, as a Linux user runs Windows programs.
#
# Expects WINEPREFIX (the Windows folders) and DISPLAY in the environment.

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
# wine's own messages stay quiet, and a new prefix asks for no .NET (Mono)
# or Internet Explorer (Gecko) download, and shortcuts stay inside the
# prefix (no menu entries of the Linux desktop made from them).
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
fail() { echo "FAIL: $*" >&2; exit 1; }
ok() { echo "ok: $*"; }

# A Bulgarian desktop: Windows' regional settings and user-interface
# language come from the locale that wine is started in, which the C
# library must have (the tests compile it; LOCPATH).
[ "$(LC_ALL=bg_BG.UTF-8 locale charmap 2>/dev/null)" = UTF-8 ] ||
    fail "the C library has no bg_BG.UTF-8 locale (LOCPATH=${LOCPATH:-})"
export LANG=bg_BG.UTF-8
unset LC_ALL LC_NUMERIC LC_MESSAGES LANGUAGE

# Ends what this script started: the Windows programs of its prefix
# (through their wineserver) and openbox.
end_session() {
    "$wineserver" -k 2>/dev/null || true
    kill $(jobs -p) 2>/dev/null || true
}
trap end_session EXIT

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

# Starts a Windows program as a user does, without options, and waits for
# its window to show with the caption; sets `window` to its X window and X,
# Y, WIDTH, HEIGHT to the place and size of its client area.
caption="velmora.bg Математика - конус, повърхнина и обем"
start_velmora() { # $1 velmora.exe
    (cd "$(dirname "$1")" && exec "$wine" "$(basename "$1")") &
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "velmora\\.bg" | head -n1) ||
        true
    [ -n "$window" ] || fail "no window of $1 appeared within 60 s"
    # The window is there; give it a moment to paint.
    sleep 1
    read -r X Y WIDTH HEIGHT <<<"$(xwininfo -id "$window" |
        awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')"
}

# Clicks, typing and reading fields back, as on Linux.
. "$(dirname "${BASH_SOURCE[0]}")/../../support/window_user.sh"
