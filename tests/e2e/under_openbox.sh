# shellcheck shell=bash
# Sourced by the end-to-end scripts: openbox on the X server that xvfb-run
# gave the test, and Velmora started under it.
#   start_velmora PROGRAM [VARIABLE=VALUE ...]  sets what await_window sets
. "$(dirname "${BASH_SOURCE[0]}")/../support/desktop_session.sh"
start_window_manager

start_velmora() {
    local program=$1
    shift
    env "$@" QT_QPA_PLATFORM=xcb "$program" &
    await_window 20
}
