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

# Ends what this script started: the Windows programs of its prefix
# (through their wineserver) and openbox.
end_session() {
    "$wineserver" -k 2>/dev/null || true
    jobs -p | xargs -r kill 2>/dev/null || true
}
trap end_session EXIT

# Starts a Windows program as a user does, without options, and waits for
# its window to show with the caption (await_window).
caption="velmora.bg Математика - конус, повърхнина и обем"
start_velmora() { # $1 velmora.exe
    (cd "$(dirname "$1")" && exec "$wine" "$(basename "$1")") &
    await_window 60
}
