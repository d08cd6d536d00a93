#!/usr/bin/env bash
# Runs Velmora's Wayland tests on weston, in a private runtime folder.
# Usage:
#   on_weston.sh headless path/to/wayland_window_tests
#       weston without any display (its headless backend): the state requests.
#   xvfb-run -a on_weston.sh x11 path/to/wayland_window_tests path/to/velmora
#       weston showing its output in a window on Xvfb (its X11 backend), so
#       that xdotool can click Qt's title bar; then which platform Velmora
#       picks where both an X server and a Wayland compositor are there.
set -euo pipefail
mode=$1
tests=$2
velmora=${3:-}
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
chmod 700 "$scratch"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT

# No panel: with an output no larger than the window, weston then puts the
# window at the output's top-left corner, where the tests find its title bar.
cat >"$scratch/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
panel-position=none
INI

weston_options=(--config="$scratch/weston.ini" --socket=velmora-test)
if [ "$mode" = x11 ]; then
    # The X server is xvfb-run's (see CMakeLists.txt).
    [ -n "${DISPLAY:-}" ] || fail "the x11 mode runs under xvfb-run"
    x_display=$DISPLAY
    weston_options+=(--backend=x11-backend.so --use-pixman --width=487 --height=457)
else
    x_display=
    weston_options+=(--backend=headless-backend.so)
fi
DISPLAY=$x_display XDG_RUNTIME_DIR=$scratch weston "${weston_options[@]}" >"$scratch/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -S "$scratch/velmora-test" ] && break; sleep 0.05; done
[ -S "$scratch/velmora-test" ] || { cat "$scratch/weston.log" >&2; fail "weston did not start"; }

# Under LeakSanitizer: allocations of the EGL driver, which is unloaded before
# the leak check, are told apart only by a full unwind (see tests/lsan.supp).
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0"

# The test program sees Wayland only.
wayland=(env -u DISPLAY XDG_RUNTIME_DIR="$scratch" WAYLAND_DISPLAY=velmora-test)
if [ "$mode" = headless ]; then
    "${wayland[@]}" QT_QPA_PLATFORM=wayland "$tests" --gtest_filter='Requests/*'
    exit
fi
"${wayland[@]}" QT_QPA_PLATFORM=wayland VELMORA_TEST_X_DISPLAY="$x_display" "$tests" \
    --gtest_filter='Clicks/*'

# A Wayland session with XWayland: both displays named, no platform asked for.
session=(env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch" WAYLAND_DISPLAY=velmora-test
    DISPLAY="$x_display" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE)
on_x() { # true once a Velmora window shows on the X display
    DISPLAY=$x_display xdotool search --onlyvisible --name 'velmora\.bg' >/dev/null 2>&1
}
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }
wait_for() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
on_wayland() { grep -q 'xdg_toplevel@[0-9]*\.set_title' "$scratch/velmora.log"; }

"${session[@]}" "$velmora" &
pids+=($!)
wait_for on_x || fail "Velmora did not use the X server"
stop "${pids[-1]}"
echo "ok: X11 where an X server is there"

# -platform overrides that choice, and so does QT_QPA_PLATFORM.
for how in "-platform wayland" "QT_QPA_PLATFORM=wayland"; do
    if [ "$how" = "-platform wayland" ]; then
        WAYLAND_DEBUG=client "${session[@]}" "$velmora" -platform wayland 2>"$scratch/velmora.log" &
    else
        WAYLAND_DEBUG=client "${session[@]}" QT_QPA_PLATFORM=wayland "$velmora" \
            2>"$scratch/velmora.log" &
    fi
    pids+=($!)
    wait_for on_wayland || fail "$how: Velmora did not use Wayland"
    sleep 0.5
    ! on_x || fail "$how: Velmora used the X server"
    stop "${pids[-1]}"
    echo "ok: Wayland with $how"
done

# An X display that cannot be reached: Velmora still starts, on Wayland.
WAYLAND_DEBUG=client "${session[@]}" DISPLAY=:99999 "$velmora" 2>"$scratch/velmora.log" &
pids+=($!)
wait_for on_wayland || fail "Velmora did not fall back to Wayland"
stop "${pids[-1]}"
echo "ok: Wayland where the X server cannot be reached"
