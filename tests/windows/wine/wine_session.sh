# shellcheck shell=bash disable=SC2034
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
# openbox, the window's place, clicks, typing and reading fields back, as on
# Linux.
. "$(dirname "${BASH_SOURCE[0]}")/../../support/desktop_session.sh"
ok() { echo "ok: $*"; }

# A Bulgarian desktop: Windows' regional settings and user-interface
# language come from the locale that wine is started in, which the C
# library must have (the tests compile it; LOCPATH).
[ "$(LC_ALL=bg_BG.UTF-8 locale charmap 2>/dev/null)" = UTF-8 ] ||
    fail "the C library has no bg_BG.UTF-8 locale (LOCPATH=${LOCPATH:-})"
export LANG=bg_BG.UTF-8
unset LC_ALL LC_NUMERIC LC_MESSAGES LANGUAGE

# What wine and the programs under it say goes to a log, never to the test's
# own output: a daemon of wine's (the wineserver, services.exe) that kept
# ctest's pipe open would make ctest wait for it. The log is shown when a test
# fails.
wine_log=$x_scratch/wine.log
# Runs a Windows program (or wine's own: reg, wineboot) in the foreground,
# its output to the log; stdin and any other descriptor are not passed on.
run_wine() { "$wine" "$@" </dev/null >>"$wine_log" 2>&1; }
# The same, printing what the program wrote: through a file, since a
# wineserver that the program starts would hold a pipe open for seconds.
wine_output() {
    local status=0
    "$wine" "$@" </dev/null >"$x_scratch/wine.out" 2>>"$wine_log" || status=$?
    cat "$x_scratch/wine.out"
    return "$status"
}
# The same in the background, as a user starts a program.
start_wine() { "$wine" "$@" </dev/null >>"$wine_log" 2>&1 & }

# Ends every program of the prefix and waits for its wineserver to be gone,
# so that the next start gets a wineserver of its own; one that does not end
# when asked is killed.
stop_wine() {
    "$wineserver" -k 2>/dev/null || true
    timeout 30 "$wineserver" -w 2>/dev/null || "$wineserver" -k9 2>/dev/null || true
}

# Ends what this script started, however it ends: the Windows programs of its
# prefix (through their wineserver) and openbox. A failed test shows what
# wine said.
end_session() {
    local status=$?
    stop_wine
    if [ "$status" -ne 0 ] && [ -s "$wine_log" ]; then
        echo "--- what wine said (last 40 lines):" >&2
        tail -n 40 "$wine_log" >&2
    fi
    end_desktop_session
}
trap end_session EXIT

# Starts a Windows program as a user does, without options, and waits for
# its window to show with the caption (await_window).
caption="velmora.bg Математика - конус, повърхнина и обем"
start_velmora() { # $1 velmora.exe
    (cd "$(dirname "$1")" && start_wine "$(basename "$1")")
    await_window 60
}
