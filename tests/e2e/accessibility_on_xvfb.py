#!/usr/bin/python3
"""Velmora as a screen reader sees it, over AT-SPI.

Run under `xvfb-run -a dbus-run-session` (see CMakeLists.txt): the session
bus starts the accessibility bus and its registry on demand. Reads the
window's accessibility tree, enters R = 3 and L = 5 through EditableText,
presses "Изчисли" through its action and reads the results back,
listens to the events that a screen reader would hear meanwhile, then opens
the solution window with Ctrl+R and reads its text line by line.

Usage: accessibility_on_xvfb.py path/to/velmora
"""

import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# get_action_name is deprecated, but get_name, its successor, is not
# callable from Python with libatspi 2.46.
warnings.simplefilter("ignore", DeprecationWarning)

CAPTION = "velmora.bg Математика - конус, повърхнина и обем"
FIELDS = ["R – радиус на основата", "L – образувателна", "H – височина",
          "S – околна повърхнина", "V – обем"]
R, L, H, S, V = FIELDS
BUTTONS = ["Изчисли", "Изчисти"]
OTHER_NAMES = ["Дадени величини", "Задание", "Чертеж на конус"]
SAYING_START = "Неприятното"
# R = 3, L = 5 under LANG=C.UTF-8 (decimal point).
EXPECTED = {H: "4.0000000", S: "47.1238898", V: "37.6991118", R: "3.0000000"}
ANNOUNCED = "R = 3.0000000; L = 5.0000000; H = 4.0000000; S = 47.1238898; V = 37.6991118"
# How H follows, which its description tells after Calculate.
H_FOLLOWS = "H = √(L² − R²) = √(5² − 3²) = 4"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def safe(call, default=None):
    try:
        return call()
    except GLib.Error:  # a vanished object or a D-Bus timeout
        return default


def wait_until(condition, seconds):
    """Polls, handing AT-SPI's events to their listeners meanwhile."""
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(0.05)


def walk(node, depth=0):
    yield node, depth
    for i in range(safe(node.get_child_count, 0)):
        child = safe(lambda: node.get_child_at_index(i))
        if child is not None:
            yield from walk(child, depth + 1)


def text_of(node):
    return safe(lambda: node.get_text(0, -1))


def describe(app):
    return "\n".join("%s%s %r" % ("  " * d, safe(n.get_role_name), safe(n.get_name))
                     for n, d in walk(app))


def find_velmora():
    desktop = Atspi.get_desktop(0)
    for i in range(safe(desktop.get_child_count, 0)):
        app = safe(lambda: desktop.get_child_at_index(i))
        if app is not None and safe(app.get_name) == "Velmora":
            names = {safe(n.get_name) for n, _ in walk(app)}
            if all(name in names for name in FIELDS + BUTTONS):
                return app
    return None


def run(program):
    heard = []  # (type, source role, source name, text or detail1), from Calculate on
    listening = [False]

    def hear(event):
        if listening[0]:
            data = event.any_data if isinstance(event.any_data, str) else event.detail1
            heard.append((event.type, safe(event.source.get_role),
                          safe(event.source.get_name), data))

    # Qt's bridge sends only the events some listener has asked for, so ask first.
    listener = Atspi.EventListener.new(hear)
    for kind in ("object:text-changed", "object:state-changed:showing", "object:property-change"):
        listener.register(kind)

    env = dict(os.environ, LANG="C.UTF-8", QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    velmora = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL)
    try:
        app = wait_until(lambda: velmora.poll() is None and find_velmora(), 20)
        check(app, "Velmora with its fields and buttons did not appear on the AT-SPI desktop "
              "(exit status %s)" % velmora.poll())
        test(app, heard, listening)
        check(velmora.poll() is None, "velmora ended with %s during the test" % velmora.poll())
    finally:
        velmora.terminate()
        velmora.wait(10)


def test(app, heard, listening):
    nodes = [n for n, _ in walk(app)]
    tree = describe(app)
    windows = [n for n, depth in walk(app) if depth == 1]
    check([(safe(w.get_role), safe(w.get_name)) for w in windows] == [(Atspi.Role.FRAME, CAPTION)],
          "the top window is not one frame named %r:\n%s" % (CAPTION, tree))
    print("ok: the top window is a frame named by its caption")

    saying = [n for n in nodes if SAYING_START in (text_of(n) or "") + (safe(n.get_name) or "")]
    check(not saying, "the hidden saying is in the accessible tree:\n" + tree)
    print("ok: the hidden saying is not in the tree (%d objects)" % len(nodes))

    def only(name, roles):
        found = [n for n in nodes if safe(n.get_name) == name and safe(n.get_role) in roles]
        check(len(found) == 1, "%r with role %s found %d times:\n%s" % (name, roles, len(found), tree))
        return found[0]

    fields = {name: only(name, (Atspi.Role.ENTRY, Atspi.Role.TEXT)) for name in FIELDS}
    calculate = only(BUTTONS[0], (Atspi.Role.PUSH_BUTTON,))
    only(BUTTONS[1], (Atspi.Role.PUSH_BUTTON,))
    for name in OTHER_NAMES:
        check(any(safe(n.get_name) == name for n in nodes), "no accessible named %r" % name)
    print("ok: 5 value fields, 2 push buttons and %s found by role and name" % OTHER_NAMES)

    # "R L" is in force: Qt 6.4 marks every line edit EDITABLE and adds
    # READ_ONLY to the read-only ones.
    def takes_input(name):
        states = safe(fields[name].get_state_set)
        return states.contains(Atspi.StateType.EDITABLE) and not states.contains(
            Atspi.StateType.READ_ONLY)

    taking = [name for name in FIELDS if takes_input(name)]
    check(taking == [R, L], "before calculating, the fields that take input are %r" % taking)
    print("ok: R and L take input, H, S and V are read-only")

    for name, text in ((R, "3"), (L, "5")):
        check(safe(lambda: fields[name].set_text_contents(text)), "%r refused %r" % (name, text))
        check(wait_until(lambda: text_of(fields[name]) == text, 2),
              "%r shows %r after EditableText set %r" % (name, text_of(fields[name]), text))

    def focused():
        return [safe(n.get_name) for n in nodes
                if safe(n.get_state_set).contains(Atspi.StateType.FOCUSED)]

    focus_before = focused()
    check(focus_before, "no control has the focus before Calculate")
    actions = [safe(lambda: calculate.get_action_name(i)) for i in range(calculate.get_n_actions())]
    press = [i for i, a in enumerate(actions) if a.lower() in ("press", "click", "activate")]
    check(press, "%r offers no press action: %r" % (BUTTONS[0], actions))
    listening[0] = True
    check(safe(lambda: calculate.do_action(press[0])), "%r refused its press action" % BUTTONS[0])
    check(wait_until(lambda: text_of(fields[H]) == EXPECTED[H], 5),
          "after Calculate, H shows %r, expected %r" % (text_of(fields[H]), EXPECTED[H]))
    for name, text in EXPECTED.items():
        check(text_of(fields[name]) == text,
              "after Calculate, %r shows %r, expected %r" % (name, text_of(fields[name]), text))
    print("ok: results read through Text: %s" % EXPECTED)

    # What a screen reader hears: the notice is shown with every value, and
    # each result field reports its new text. The focus stays where it was.
    def shown_notice():
        return [e for e in heard if e[0] == "object:state-changed:showing"
                and e[1] == Atspi.Role.NOTIFICATION and e[3] == 1 and e[2] == ANNOUNCED]

    check(wait_until(shown_notice, 3), "no notice %r was shown; heard %r" % (ANNOUNCED, heard))
    # Orca drops events from objects with an empty state set.
    notice = [n for n, _ in walk(app) if safe(n.get_role) == Atspi.Role.NOTIFICATION]
    states = safe(notice[0].get_state_set).get_states()
    check(Atspi.StateType.SHOWING in states, "the notice's states are %r" % states)
    inserted = {e[2]: e[3] for e in heard if e[0] == "object:text-changed:insert"}
    for name in (H, S, V):
        check(inserted.get(name) == EXPECTED[name],
              "%r reported no inserted text %r; heard %r" % (name, EXPECTED[name], heard))
    check(focused() == focus_before, "Calculate moved the focus from %r to %r"
          % (focus_before, focused()))
    print("ok: heard the notice %r, the inserted texts, and the focus stayed on %r"
          % (ANNOUNCED, focus_before))
    check(wait_until(lambda: safe(fields[H].get_description) == H_FOLLOWS, 3),
          "after Calculate, %r is described as %r, expected %r"
          % (H, safe(fields[H].get_description), H_FOLLOWS))
    print("ok: %r is described by how it follows: %r" % (H, H_FOLLOWS))
    for event in heard:
        print("   heard:", event)
    read_solution(app)


# The solution window read as a screen reader reads a text, line by line
# (Qt's bridge answers the line boundaries of GetTextAtOffset).
SOLUTION_TITLE = "Решение"
SOLUTION_LINES = ["Прав кръгов конус", "Дадено: R = 3; L = 5", "Търси се: H, S, V, B, S₁, α, Q, φ", "Решение:",
                  "H = √(L² − R²) = √(5² − 3²) = √16 = 4"]


def lines_of(text):
    lines, offset, count = [], 0, safe(text.get_character_count, 0)
    while offset < count:
        line = safe(lambda: text.get_text_at_offset(offset, Atspi.TextBoundaryType.LINE_START))
        if line is None:
            break
        if line.end_offset > offset:
            lines.append(line.content)
            offset = line.end_offset
        else:  # the line break after a line belongs to none
            offset += 1
    return lines


def read_solution(app):
    # Ctrl+R in the main window opens «Решение»; the keyboard is the X server's.
    subprocess.run(["xdotool", "search", "--name", r"velmora\.bg", "windowfocus", "key",
                    "--clearmodifiers", "ctrl+r"], check=False, timeout=20)

    def solution_text():
        frames = [n for n, depth in walk(app) if depth == 1 and safe(n.get_name) == SOLUTION_TITLE]
        texts = [n for frame in frames for n, _ in walk(frame)
                 if safe(n.get_name) == SOLUTION_TITLE and safe(n.get_role) == Atspi.Role.TEXT]
        return texts[0] if texts and text_of(texts[0]) else None

    text = wait_until(solution_text, 10)
    check(text, "Ctrl+R opened no window %r with a text:\n%s" % (SOLUTION_TITLE, describe(app)))
    states = safe(text.get_state_set)
    check(states.contains(Atspi.StateType.READ_ONLY) or not states.contains(Atspi.StateType.EDITABLE),
          "the solution's text can be edited")
    read = lines_of(text)
    # Together the lines are the text, but for the line breaks and the blank
    # where a long line wraps.
    def letters(lines):
        return "".join(lines).replace("\n", "").replace(" ", "")

    check(letters(read) == letters([text_of(text)]),
          "the lines read one by one do not make up the text: %r" % read)
    check(read[:len(SOLUTION_LINES)] == SOLUTION_LINES,
          "the solution's first lines read %r, expected %r" % (read[:len(SOLUTION_LINES)], SOLUTION_LINES))
    print("ok: «%s» read line by line: %d lines, starting %r" % (SOLUTION_TITLE, len(read), read[:3]))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: accessibility_on_xvfb.py path/to/velmora")
    # The session's own accessibility bus, never the desktop's.
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    Atspi.init()
    try:
        run(os.path.abspath(sys.argv[1]))
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
