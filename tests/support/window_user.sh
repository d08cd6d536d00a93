# Sourced by the scripts that use the Velmora window as a person would on an
# X server (tests/e2e, tests/windows/wine): clicks at client-area points of
# the controls, typing, and reading a field back through the clipboard.
# Expects X and Y (the client area's top left corner on the screen) when a
# function runs, and a function `fail`.

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
