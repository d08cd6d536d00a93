#!/usr/bin/python3
"""Velmora as a screen reader sees it.

Starts the built Velmora on a private X server (Xvfb) with a private D-Bus
session bus and its own AT-SPI accessibility bus, then reads the window's
accessibility tree over AT-SPI: finds the five value fields and the two
command buttons by role and accessible name, checks which fields are
editable while "R L" is in force, enters R = 3 and L = 5 through the
EditableText interface, presses "Изчисли" through the Action interface and
reads the results back through the Text interface.

Usage: accessibility_on_xvfb.py path/to/velmora

Needs: Xvfb, dbus-daemon, dbus-send, at-spi2-core (bus launcher and
registry), gir1.2-atspi-2.0 with python3-gi, setpriv (util-linux) and,
only for the typing fallback, xdotool. Inherits nothing from the calling
environment except PATH (and HOME when set).
"""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import warnings

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
REGISTRY = "/usr/libexec/at-spi2-registryd"

APP_NAME = "Velmora"
FIELD_R = "R - радиус на основата"
FIELD_L = "L - образувателна"
FIELD_H = "H - височина"
FIELD_S = "S - околна повърхнина"
FIELD_V = "V - обем"
VALUE_FIELDS = [FIELD_R, FIELD_L, FIELD_H, FIELD_S, FIELD_V]
CALCULATE = "Изчисли"
CLEAR = "Изчисти"
BUTTONS = [CALCULATE, CLEAR]
# Other accessible names the window carries; found by name, any role.
OTHER_NAMES = ["Дадени величини", "Задание", "Чертеж на конус"]

# R = 3, L = 5 under LANG=C.UTF-8 (decimal point).
EXPECTED = {
    FIELD_H: "4.0000000",
    FIELD_S: "47.1238898",
    FIELD_V: "37.6991118",
    FIELD_R: "3.0000000",
}

APP_WAIT_S = 20.0
RESULT_WAIT_S = 5.0
WHOLE_RUN_S = 55  # a watchdog well inside the ctest TIMEOUT


class Failure(Exception):
    pass


def log(message):
    print(message, flush=True)


# --------------------------------------------------------------------------
# Processes: every one this script starts is tracked and ended in cleanup().
# --------------------------------------------------------------------------


class Processes:
    def __init__(self, workdir):
        self.workdir = workdir
        self.started = []  # (label, Popen), in start order

    def start(self, label, argv, env, pass_fds=()):
        # setpriv: the process gets SIGTERM should this script die abruptly.
        # A session of its own: a terminal's Ctrl+C reaches only this script,
        # which then cleans up in order.
        out = open(os.path.join(self.workdir, label + ".log"), "wb")
        try:
            proc = subprocess.Popen(
                ["setpriv", "--pdeathsig", "TERM", "--"] + list(argv),
                env=env,
                stdin=subprocess.DEVNULL,
                stdout=out,
                stderr=subprocess.STDOUT,
                pass_fds=pass_fds,
                start_new_session=True,
                close_fds=True,
            )
        except OSError as error:
            raise Failure("cannot start %s (%s): %s" % (label, argv[0], error))
        finally:
            out.close()
        self.started.append((label, proc))
        return proc

    def log_tail(self, label, lines=15):
        path = os.path.join(self.workdir, label + ".log")
        try:
            with open(path, "rb") as f:
                text = f.read().decode("utf-8", "replace").splitlines()
        except OSError:
            return ""
        return "\n".join(text[-lines:])

    def cleanup(self):
        # Newest first: Velmora, then the registry, the bus launcher, the
        # session bus and last the X server.
        for label, proc in reversed(self.started):
            terminate(proc.pid, proc)
        # Whatever those started in turn (the accessibility bus's
        # dbus-daemon, an activated registry) and was handed to this
        # process, the subreaper, when its parent ended.
        for pid in descendants(os.getpid()):
            terminate(pid, None)
        reap_orphans()


def terminate(pid, proc):
    try:
        os.killpg(pid, signal.SIGTERM)  # each was started as a group leader
    except (ProcessLookupError, PermissionError):
        pass
    try:
        os.kill(pid, signal.SIGTERM)
    except (ProcessLookupError, PermissionError):
        return
    deadline = time.monotonic() + 3.0
    while time.monotonic() < deadline:
        if proc is not None:
            if proc.poll() is not None:
                return
        else:
            try:
                done, _ = os.waitpid(pid, os.WNOHANG)
                if done == pid:
                    return
            except ChildProcessError:
                if not os.path.exists("/proc/%d" % pid):
                    return
        time.sleep(0.05)
    for kill in (lambda: os.killpg(pid, signal.SIGKILL), lambda: os.kill(pid, signal.SIGKILL)):
        try:
            kill()
        except (ProcessLookupError, PermissionError):
            pass
    if proc is not None:
        try:
            proc.wait(timeout=3)
        except subprocess.TimeoutExpired:
            pass


def descendants(root):
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                stat = f.read()
        except OSError:
            continue
        # The command name may hold spaces: the fields after it follow ")".
        fields = stat[stat.rfind(")") + 2:].split()
        children.setdefault(int(fields[1]), []).append(int(entry))
    found, todo = [], [root]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return list(reversed(found))


def reap_orphans():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def become_subreaper():
    PR_SET_CHILD_SUBREAPER = 36
    try:
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    except (OSError, AttributeError):
        pass  # cleanup still ends the direct children and their groups


# --------------------------------------------------------------------------
# The X server and the two buses.
# --------------------------------------------------------------------------


def base_environment(workdir):
    env = {
        "PATH": os.environ.get("PATH") or "/usr/bin:/bin",
        "HOME": os.environ.get("HOME") or workdir,
        # Private: the accessibility bus socket and anything else a
        # runtime directory is used for.
        "XDG_RUNTIME_DIR": workdir,
        # No dconf service activation, no writes to the user's settings.
        "GSETTINGS_BACKEND": "memory",
        "LANG": "C.UTF-8",
    }
    return env


def read_line(read_end, seconds):
    """What a child writes to the pipe, up to its first line break."""
    text = b""
    deadline = time.monotonic() + seconds
    while not text.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0:
            break
        ready, _, _ = select.select([read_end], [], [], left)
        if not ready:
            break
        chunk = os.read(read_end, 512)
        if not chunk:
            break  # the child ended or closed it
        text += chunk
    return text.strip().decode("utf-8", "replace")


def display_in_use(number):
    return (os.path.exists("/tmp/.X%d-lock" % number)
            or os.path.exists("/tmp/.X11-unix/X%d" % number))


def start_reporting(procs, label, argv_for_fd, env):
    """Starts a program that writes one line (its display or address) to the
    file descriptor it is given; returns the process and that line."""
    read_end, write_end = os.pipe()
    try:
        proc = procs.start(label, argv_for_fd(write_end), env, pass_fds=(write_end,))
        os.close(write_end)
        write_end = -1
        return proc, read_line(read_end, 10.0)
    finally:
        if write_end >= 0:
            os.close(write_end)
        os.close(read_end)


def start_xvfb(procs, env):
    # A display from 100 to 499, clear of :0, xvfb-run's :99 and the
    # :500 to :899 the other end-to-end test picks from. Should another
    # server take it first, Xvfb ends at once and the next one is tried.
    # -displayfd: Xvfb writes the number once it accepts connections.
    numbers = [n for n in range(100, 500) if not display_in_use(n)]
    if not numbers:
        raise Failure("no free X display between :100 and :499")
    first = int.from_bytes(os.urandom(2), "little") % len(numbers)
    for attempt in range(8):
        number = numbers[(first + attempt * 37) % len(numbers)]
        if display_in_use(number):
            continue
        label = "xvfb" if attempt == 0 else "xvfb-%d" % attempt
        xvfb, reported = start_reporting(
            procs, label,
            lambda fd: ["Xvfb", ":%d" % number, "-displayfd", str(fd), "-screen", "0",
                        "1024x768x24", "-nolisten", "tcp", "-noreset"],
            env)
        if reported == str(number) and xvfb.poll() is None:
            return ":%d" % number
        if xvfb.poll() is None:
            raise Failure("Xvfb on :%d did not become ready:\n%s"
                          % (number, procs.log_tail(label)))
    raise Failure("Xvfb could not take a free display:\n" + procs.log_tail(label))


def start_session_bus(procs, env):
    _, address = start_reporting(
        procs, "session-bus",
        lambda fd: ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                    "--print-address=%d" % fd],
        env)
    if not address:
        raise Failure("the session D-Bus did not report its address:\n"
                      + procs.log_tail("session-bus"))
    return address


def dbus_call(env, bus_args, dest, path, method, *args):
    argv = ["dbus-send", *bus_args, "--print-reply=literal", "--reply-timeout=2000",
            "--dest=" + dest, path, method, *args]
    try:
        result = subprocess.run(argv, env=env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=5)
    except subprocess.TimeoutExpired:
        return None
    if result.returncode != 0:
        return None
    return result.stdout.decode("utf-8", "replace").strip()


def name_has_owner(env, bus_args, name):
    reply = dbus_call(env, bus_args, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                      "org.freedesktop.DBus.NameHasOwner", "string:" + name)
    return reply is not None and reply.split()[-1:] == ["true"]


def wait_until(condition, seconds, step=0.1):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            return value
        time.sleep(step)


def start_accessibility_bus(procs, env):
    launcher = procs.start("at-spi-bus-launcher", [BUS_LAUNCHER, "--launch-immediately"], env)
    session = ["--session"]
    if not wait_until(lambda: launcher.poll() is not None
                      or name_has_owner(env, session, "org.a11y.Bus"), 10.0):
        raise Failure("the AT-SPI bus launcher did not take org.a11y.Bus:\n"
                      + procs.log_tail("at-spi-bus-launcher"))
    if launcher.poll() is not None:
        raise Failure("the AT-SPI bus launcher ended (%s):\n%s"
                      % (launcher.returncode, procs.log_tail("at-spi-bus-launcher")))
    address = wait_until(lambda: dbus_call(env, session, "org.a11y.Bus", "/org/a11y/bus",
                                           "org.a11y.Bus.GetAddress"), 10.0)
    if not address:
        raise Failure("org.a11y.Bus.GetAddress gave no address:\n"
                      + procs.log_tail("at-spi-bus-launcher"))
    a11y = ["--bus=" + address]
    # The registry (the desktop root) is normally started on demand by the
    # accessibility bus; start it here so that it is there before Velmora.
    registry = "org.a11y.atspi.Registry"
    how = "already running"
    if not name_has_owner(env, a11y, registry):
        how = "activated on the accessibility bus"
        dbus_call(env, a11y, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                  "org.freedesktop.DBus.StartServiceByName", "string:" + registry, "uint32:0")
    if not wait_until(lambda: name_has_owner(env, a11y, registry), 3.0):
        how = "started directly"
        procs.start("at-spi2-registryd", [REGISTRY], env)
        if not wait_until(lambda: name_has_owner(env, a11y, registry), 10.0):
            raise Failure("the AT-SPI registry did not come up:\n"
                          + procs.log_tail("at-spi2-registryd"))
    return address, how


# --------------------------------------------------------------------------
# AT-SPI.
# --------------------------------------------------------------------------

Atspi = None  # imported once the buses are up and the environment is set


def load_atspi():
    global Atspi
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi as module
    Atspi = module
    Atspi.init()


def safe(call, default=None):
    try:
        return call()
    except Exception:  # a vanished object or a D-Bus timeout
        return default


def find_application():
    desktop = Atspi.get_desktop(0)
    seen = []
    for i in range(safe(desktop.get_child_count, 0)):
        app = safe(lambda: desktop.get_child_at_index(i))
        if app is None:
            continue
        name = safe(app.get_name, "") or ""
        seen.append(name)
        if name == APP_NAME or "velmora" in name.lower():
            return app, seen
    return None, seen


def walk(node, depth=0, limit=40):
    yield node, depth
    if depth >= limit:
        return
    for i in range(safe(node.get_child_count, 0)):
        child = safe(lambda: node.get_child_at_index(i))
        if child is not None:
            yield from walk(child, depth + 1, limit)


def describe_tree(app):
    lines = []
    for node, depth in walk(app):
        lines.append("%s%s %r" % ("  " * depth, safe(node.get_role_name, "?"),
                                  safe(node.get_name, "?")))
    return "\n".join(lines)


def text_of(node):
    count = safe(node.get_character_count, -1)
    return safe(lambda: node.get_text(0, count if count >= 0 else -1), None)


def states_of(node):
    return safe(node.get_state_set)


def has_state(node, state):
    states = states_of(node)
    return states is not None and states.contains(state)


def action_name(node, i):
    # get_action_name is marked deprecated, but get_name, its replacement,
    # is not callable from Python with libatspi 2.46.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        return safe(lambda: node.get_action_name(i), "") or ""


def find_action(node, wanted):
    names = [action_name(node, i) for i in range(safe(node.get_n_actions, 0))]
    for want in wanted:
        for i, name in enumerate(names):
            if name.lower() == want:
                return i, names
    return (0 if names else None), names


def type_with_xdotool(node, text, env):
    """Focuses the field through the Component interface and types."""
    safe(node.grab_focus)
    time.sleep(0.2)
    subprocess.run(["xdotool", "search", "--name", "velmora\\.bg", "windowfocus"],
                   env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=5)
    safe(node.grab_focus)
    time.sleep(0.2)
    subprocess.run(["xdotool", "key", "--clearmodifiers", "ctrl+a", "BackSpace"],
                   env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=5)
    subprocess.run(["xdotool", "type", "--delay", "40", text],
                   env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=10)


def enter_value(name, node, text, env, facts):
    accepted = safe(lambda: node.set_text_contents(text), False)
    current = wait_until(lambda: text_of(node) == text, 1.0, 0.05)
    if accepted and current:
        facts.append("%s set to %r through EditableText" % (name, text))
        return
    type_with_xdotool(node, text, env)
    if not wait_until(lambda: text_of(node) == text, 2.0, 0.05):
        raise Failure("could not enter %r into %r: EditableText %s, and after typing "
                      "with xdotool it shows %r"
                      % (text, name, "accepted" if accepted else "refused", text_of(node)))
    facts.append("%s set to %r by typing (EditableText %s)"
                 % (name, text, "accepted but did not take" if accepted else "refused"))


# --------------------------------------------------------------------------
# The test.
# --------------------------------------------------------------------------


def run(program, procs, workdir):
    facts = []
    env = base_environment(workdir)

    display = start_xvfb(procs, env)
    env["DISPLAY"] = display
    env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(procs, env)
    a11y_address, registry = start_accessibility_bus(procs, env)
    facts.append("Xvfb on %s; private session bus; accessibility bus %s; registry %s"
                 % (display, a11y_address, registry))

    app_env = dict(env)
    app_env.update({
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        "QT_ACCESSIBILITY": "1",
        "QT_QPA_PLATFORM": "xcb",
        "LANG": "C.UTF-8",
    })
    velmora = procs.start("velmora", [program], app_env)

    # This process talks AT-SPI on the same buses.
    os.environ.clear()
    os.environ.update(env)
    load_atspi()

    started = time.monotonic()
    app, seen = None, []
    while time.monotonic() - started < APP_WAIT_S:
        if velmora.poll() is not None:
            raise Failure("velmora ended with %s before it appeared on the AT-SPI bus:\n%s"
                          % (velmora.returncode, procs.log_tail("velmora")))
        app, seen = find_application()
        # Wait until the window and its fields are there, not just the
        # application object.
        if app is not None and safe(app.get_child_count, 0) > 0:
            names = {safe(n.get_name, "") for n, _ in walk(app)}
            if all(field in names for field in VALUE_FIELDS + BUTTONS):
                break
        time.sleep(0.2)
    if app is None:
        raise Failure("no application named %r on the AT-SPI desktop after %.0f s; "
                      "the desktop holds %r\nvelmora log:\n%s"
                      % (APP_NAME, APP_WAIT_S, seen, procs.log_tail("velmora")))
    facts.append("application %r on the AT-SPI desktop after %.1f s"
                 % (safe(app.get_name, ""), time.monotonic() - started))

    nodes = list(walk(app))
    windows = [n for n, d in nodes if d == 1]
    facts.append("top-level window(s): %s" % ", ".join(
        "%s %r" % (safe(w.get_role_name, "?"), safe(w.get_name, "")) for w in windows))

    by_name = {}
    for node, _ in nodes:
        by_name.setdefault(safe(node.get_name, "") or "", []).append(node)

    def pick(name, roles):
        candidates = by_name.get(name, [])
        matching = [n for n in candidates if safe(n.get_role) in roles]
        if not matching:
            if candidates:
                return None, "found by name but with role %s" % ", ".join(
                    safe(n.get_role_name, "?") for n in candidates)
            return None, "not found"
        if len(matching) > 1:
            return None, "found %d times" % len(matching)
        return matching[0], None

    problems = []
    fields = {}
    for name in VALUE_FIELDS:
        node, why = pick(name, (Atspi.Role.ENTRY, Atspi.Role.TEXT))
        if node is None:
            problems.append("value field %r (role entry/text): %s" % (name, why))
        else:
            fields[name] = node
    buttons = {}
    for name in BUTTONS:
        node, why = pick(name, (Atspi.Role.PUSH_BUTTON,))
        if node is None:
            problems.append("button %r (role push button): %s" % (name, why))
        else:
            buttons[name] = node
    others = []
    for name in OTHER_NAMES:
        if by_name.get(name):
            others.append("%s %r" % (safe(by_name[name][0].get_role_name, "?"), name))
        else:
            problems.append("no accessible named %r" % name)
    if problems:
        raise Failure("in Velmora's accessibility tree:\n  " + "\n  ".join(problems)
                      + "\nthe tree:\n" + describe_tree(app))
    facts.append("5 value fields (%s) and 2 push buttons found by role and name"
                 % ", ".join(safe(fields[n].get_role_name, "?") for n in VALUE_FIELDS))
    facts.append("also: " + "; ".join(others))

    # "R L" in force: R and L take input, H, S and V are read-only. Qt 6.4's
    # bridge marks every line edit EDITABLE and adds READ_ONLY to the
    # read-only ones, so a field takes input when it is EDITABLE and not
    # READ_ONLY.
    def takes_input(name):
        return (has_state(fields[name], Atspi.StateType.EDITABLE)
                and not has_state(fields[name], Atspi.StateType.READ_ONLY))

    def state_names(name):
        states = states_of(fields[name])
        wanted = (Atspi.StateType.EDITABLE, Atspi.StateType.READ_ONLY)
        return "+".join(s.value_nick for s in wanted
                        if states is not None and states.contains(s)) or "neither"

    takes = {n: takes_input(n) for n in VALUE_FIELDS}
    if not takes[FIELD_R]:
        raise Failure("before calculating, %r does not take input (%s)"
                      % (FIELD_R, state_names(FIELD_R)))
    if takes[FIELD_H]:
        raise Failure("before calculating, %r takes input (%s); it should be read-only"
                      % (FIELD_H, state_names(FIELD_H)))
    if [n for n in VALUE_FIELDS if takes[n]] != [FIELD_R, FIELD_L]:
        raise Failure("before calculating, the fields that take input are %r; "
                      "expected R and L only"
                      % ["%s (%s)" % (n, state_names(n)) for n in VALUE_FIELDS if takes[n]])
    facts.append("before calculating: R and L take input (%s), H, S and V do not (%s)"
                 % (state_names(FIELD_R), state_names(FIELD_H)))

    enter_value("R", fields[FIELD_R], "3", env, facts)
    enter_value("L", fields[FIELD_L], "5", env, facts)

    calculate = buttons[CALCULATE]
    index, action_names = find_action(calculate, ("press", "click", "activate"))
    if index is None:
        raise Failure("%r offers no action" % CALCULATE)
    done = safe(lambda: calculate.do_action(index), False)
    if not done:
        raise Failure("%r refused action %d (actions %r)" % (CALCULATE, index, action_names))
    facts.append("pressed %r through action %d %r (of %r)"
                 % (CALCULATE, index, action_names[index], action_names))

    pressed = time.monotonic()
    if not wait_until(lambda: text_of(fields[FIELD_H]) == EXPECTED[FIELD_H],
                      RESULT_WAIT_S, 0.05):
        raise Failure("after pressing %r, H shows %r, expected %r (R %r, L %r)"
                      % (CALCULATE, text_of(fields[FIELD_H]), EXPECTED[FIELD_H],
                         text_of(fields[FIELD_R]), text_of(fields[FIELD_L])))
    took = time.monotonic() - pressed
    for name in (FIELD_S, FIELD_V, FIELD_R):
        got = text_of(fields[name])
        if got != EXPECTED[name]:
            raise Failure("after pressing %r, %r shows %r, expected %r"
                          % (CALCULATE, name, got, EXPECTED[name]))
    facts.append("results read through Text within %.2f s: H %s, S %s, V %s, R %s"
                 % (took, EXPECTED[FIELD_H], EXPECTED[FIELD_S], EXPECTED[FIELD_V],
                    EXPECTED[FIELD_R]))

    if velmora.poll() is not None:
        raise Failure("velmora ended with %s during the test" % velmora.returncode)
    return facts


def main(argv):
    if len(argv) != 2:
        print("usage: %s path/to/velmora" % argv[0], file=sys.stderr)
        return 2
    program = os.path.abspath(argv[1])
    if not os.access(program, os.X_OK):
        print("FAIL: %s is not an executable" % program, file=sys.stderr)
        return 2

    def stop(signum, _frame):
        raise Failure("stopped by signal %d" % signum)

    for signum in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT, signal.SIGALRM):
        signal.signal(signum, stop)
    signal.alarm(WHOLE_RUN_S)

    become_subreaper()
    workdir = tempfile.mkdtemp(prefix="velmora-atspi-")
    os.chmod(workdir, 0o700)
    procs = Processes(workdir)
    began = time.monotonic()
    status = 1
    try:
        facts = run(program, procs, workdir)
        log("PASS (%.1f s)" % (time.monotonic() - began))
        for fact in facts:
            log("  " + fact)
        status = 0
    except Failure as failure:
        log("FAIL: %s" % failure)
    except Exception as error:  # an unexpected error is a failure too
        log("FAIL: %s: %s" % (type(error).__name__, error))
    finally:
        signal.alarm(0)
        for signum in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
            signal.signal(signum, signal.SIG_IGN)  # let cleanup finish
        try:
            procs.cleanup()
        finally:
            shutil.rmtree(workdir, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
