"""The desktop entry: desktop-file-validate's verdict and what it says.

    desktop_entry_test.py DESKTOP_FILE
"""

import subprocess
import sys
import unittest

from packaging_files import APP_ID


class DesktopEntry(unittest.TestCase):
    # Debian 12's desktop-file-validate (0.26) predates version 1.5 of the
    # desktop entry format, which brought SingleMainWindow; lintian knows
    # the key.
    VALIDATOR_PREDATES = {
        'error: file contains key "SingleMainWindow" in group "Desktop Entry", '
        'but keys extending the format should start with "X-"',
    }

    def test_validates_without_remarks(self):
        result = subprocess.run(["desktop-file-validate", DESKTOP], capture_output=True, text=True)
        remarks = {line.removeprefix(DESKTOP + ": ")
                   for line in (result.stdout + result.stderr).splitlines()}
        self.assertLessEqual(remarks, self.VALIDATOR_PREDATES, result.stdout + result.stderr)
        self.assertEqual(result.returncode, 1 if remarks else 0, result.stdout + result.stderr)

    def entries(self):
        with open(DESKTOP, encoding="utf-8") as f:
            return dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)

    def test_ties_to_the_package_and_short_comments(self):
        """The program it starts, the name of the installed icons and the
        window class of the program's window; comments of one sentence that
        a software centre or a menu shows on a line or two."""
        entries = self.entries()
        self.assertEqual((entries.get("Exec"), entries.get("Icon"), entries.get("StartupWMClass")),
                         ("velmora", APP_ID, "Velmora"))
        for key in ("Comment", "Comment[bg]"):
            with self.subTest(key=key):
                self.assertLessEqual(len(entries[key]), 100)
                self.assertNotIn(".", entries[key])

    def test_one_name_in_every_language(self):
        """The program is Velmora in every language, as its window and
        --version spell it; the Cyrillic spelling is only a search word."""
        entries = self.entries()
        self.assertEqual(entries["Name"], "Velmora")
        for key, value in entries.items():
            with self.subTest(key=key):
                self.assertFalse(key.startswith("Name["), key)
                if not key.startswith("Keywords"):
                    self.assertNotIn("Велмора", value)
        self.assertIn("Велмора", entries["Keywords[bg]"].split(";"))


if __name__ == "__main__":
    (DESKTOP,) = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
