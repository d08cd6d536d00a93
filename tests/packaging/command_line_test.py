"""The built program started without a display, and with Qt's options.
(tests/app/command_line_test.cpp holds the texts of the options.)

    command_line_test.py PROGRAM
"""

import glob
import os
import re
import subprocess
import sys
import tempfile
import unittest

NO_DISPLAY = "velmora: не може да се отвори дисплей, на който да се покаже прозорецът.\n"
# Each run: its name, the arguments, the environment on top of one without a
# display, the exit code, and what standard output and standard error hold
# (regular expressions, matched in full).
RUNS = (
    ("help needs no display", ["--help"], {}, 0, r"Употреба: velmora \[опции\].*", ""),
    ("a refusal needs no display", ["--bogus"], {}, 2, "",
     "velmora: непозната опция „--bogus“\nВижте „velmora --help“.\n"),
    ("what Qt's options leave is refused", ["-reverse", "-x"], {"QT_QPA_PLATFORM": "offscreen"},
     2, "", "velmora: непозната опция „-x“\n.*"),
    ("no DISPLAY", [], {}, 1, "", re.escape(NO_DISPLAY)),
    ("DISPLAY pointing nowhere", [], {"DISPLAY": ":79"}, 1, "", re.escape(NO_DISPLAY)),
    ("the X11 plugin asked for", [], {"QT_QPA_PLATFORM": "xcb"}, 1, "", re.escape(NO_DISPLAY)),
    ("Wayland with no compositor", [], {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "nowhere"},
     1, "", re.escape(NO_DISPLAY)),
)


class CommandLine(unittest.TestCase):
    def test_runs_without_a_display(self):
        with tempfile.TemporaryDirectory() as runtime:
            for name, arguments, settings, code, stdout, stderr in RUNS:
                with self.subTest(name):
                    env = {k: v for k, v in os.environ.items()
                           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
                    env.update(settings, XDG_RUNTIME_DIR=runtime)
                    result = subprocess.run([PROGRAM, *arguments], capture_output=True,
                                            text=True, env=env, cwd=runtime, timeout=60)
                    self.assertEqual(result.returncode, code, result.stderr)
                    self.assertRegex(result.stdout, re.compile(rf"\A{stdout}\Z", re.S))
                    self.assertRegex(result.stderr, re.compile(rf"\A{stderr}\Z", re.S))
                    self.assertEqual(glob.glob(os.path.join(runtime, "core*")), [])

    def test_qt_options_open_the_window(self):
        # Taken by QApplication, they reach no refusal: the window opens and
        # stays until it is closed.
        env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
        with subprocess.Popen([PROGRAM, "-platform", "offscreen", "-reverse", "-style", "Fusion"],
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                              env=env) as program:
            try:
                program.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
            still_running = program.poll() is None
            program.terminate()
            _, errors = program.communicate(timeout=30)
        self.assertTrue(still_running, errors)


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
