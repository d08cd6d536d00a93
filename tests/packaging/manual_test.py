"""The manual pages, English and Bulgarian, as man formats them.

    manual_test.py SOURCE_DIR
"""

import os
import subprocess
import sys
import unittest


class Manual(unittest.TestCase):
    def test_pages_format_without_warnings(self):
        # Each page with its headings and the exit status of a missing display.
        for page, headings, no_display in (
                ("man/velmora.1", ("OPTIONS", "EXIT STATUS"), "There is no display"),
                ("man/bg/velmora.1", ("ОПЦИИ", "ИЗХОДЕН КОД"), "Няма дисплей")):
            with self.subTest(page=page):
                env = {k: v for k, v in os.environ.items()
                       if not k.startswith("LC_") and k != "MAN_KEEP_FORMATTING"}
                result = subprocess.run(
                    ["man", "--warnings", "-E", "UTF-8", "-l", os.path.join(SOURCE, page)],
                    capture_output=True, text=True, env=dict(env, LANG="C.UTF-8", MANWIDTH="80"))
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stderr, "")
                for heading in headings:
                    self.assertIn(heading, result.stdout)
                statuses = " ".join(result.stdout.split(headings[1], 1)[-1].split())
                self.assertIn(" 1 " + no_display, statuses)
                self.assertIn("--version", result.stdout)
                self.assertIn("-platform", result.stdout)
                # The program's one name, as its window spells it.
                self.assertIn("Velmora", result.stdout)
                self.assertNotIn("Велмора", result.stdout)


if __name__ == "__main__":
    (SOURCE,) = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
