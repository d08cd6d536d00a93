"""The AppStream metainfo: appstreamcli's verdicts, the screenshots it
lists and the newest release.

    metainfo_test.py METAINFO_FILE
"""

import os
import re
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree

from PIL import Image  # Debian's python3-pil

from packaging_files import run


class Metainfo(unittest.TestCase):
    # AppStream before 1.0 (Debian 12 has 0.16) does not know <developer>,
    # which 1.0 reads instead of <developer_name>; the file has both.
    # Remarks are compared without their line numbers.
    BEFORE_1_0 = {"I: bg.velmora.velmora: unknown-tag developer"}

    def remarks(self, *options):
        result = subprocess.run(["appstreamcli", "validate", "--no-net", "--no-color", *options,
                                 METAINFO], capture_output=True, text=True)
        version = run("appstreamcli", "--version").split()[-1]
        known = self.BEFORE_1_0 if tuple(map(int, version.split(".")[:2])) < (1, 0) else set()
        lines = {re.sub(r"^(\w: [\w.]+):\d+:", r"\1:", line)
                 for line in result.stdout.splitlines()
                 if line and not line.startswith("\u2714") and not line.startswith("\u2718")}
        return result, lines, known

    def test_validates_pedantically_without_remarks(self):
        result, remarks, known = self.remarks("--pedantic")
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(remarks, known, result.stdout)
        self.assertIn("Validation was successful", result.stdout)

    def test_validates_strictly(self):
        result, remarks, known = self.remarks("--strict")
        self.assertEqual(remarks, known, result.stdout)
        self.assertEqual(result.returncode, 3 if known else 0, result.stdout + result.stderr)

    def component(self):
        return ElementTree.parse(METAINFO).getroot()

    def test_screenshots(self):
        """The committed screenshots, each one listed with its size, and a
        display asked for that holds the window as they show it."""
        shots = os.path.join(SOURCE, "packaging", "screenshots")
        screenshots = list(self.component().iterfind("screenshots/screenshot"))
        self.assertEqual([s.get("type") for s in screenshots], ["default", None, None])
        listed = []
        for screenshot in screenshots:
            (image,) = screenshot.iterfind("image")
            name = image.text.removeprefix("https://velmora.bg/screenshots/")
            listed.append(name)
            with self.subTest(screenshot=name), Image.open(os.path.join(shots, name)) as png:
                self.assertEqual(png.format, "PNG")
                self.assertEqual((image.get("width"), image.get("height")),
                                 tuple(map(str, png.size)))
                languages = [c.get("{http://www.w3.org/XML/1998/namespace}lang")
                             for c in screenshot.iterfind("caption")]
                self.assertEqual(languages, [None, "bg"])
                if screenshot.get("type") == "default":  # the main window
                    needed = {"shortest": min(png.size), "longest": max(png.size)}
        self.assertEqual(sorted(listed), sorted(os.listdir(shots)))
        self.assertEqual({d.get("side"): (d.get("compare"), int(d.text))
                          for d in self.component().iterfind("requires/display_length")},
                         {side: ("ge", length) for side, length in needed.items()})
        with open(os.path.join(SOURCE, "README.md"), encoding="utf-8") as f:
            self.assertTrue("packaging/screenshots/" + listed[-1] in f.read(),
                            "the README shows no screenshot")

    def test_one_name_in_every_language(self):
        """The program is Velmora in every language, as its window and
        --version spell it; the Cyrillic spelling is only a search word."""
        component = self.component()
        self.assertEqual([n.text for n in component.iterfind("name")], ["Velmora"])
        keywords = [k.text for k in component.iterfind("keywords/keyword")]
        self.assertIn("Велмора", keywords)
        with open(METAINFO, encoding="utf-8") as f:
            text = f.read()
        self.assertEqual(text.count("Велмора"), keywords.count("Велмора"))

    def test_release_notes(self):
        """The newest release is the version of debian/changelog, on its
        date, with notes."""
        changelog = os.path.join(SOURCE, "debian", "changelog")
        version = run("dpkg-parsechangelog", "-l", changelog, "-S", "Version").strip()
        date = run("dpkg-parsechangelog", "-l", changelog, "-S", "Date").strip()
        day = run("date", "-u", "-d", date, "+%Y-%m-%d").strip()
        release = self.component().find("releases/release")
        self.assertEqual((release.get("version"), release.get("date")), (version, day))
        self.assertTrue(release.findtext("description/p"))
        self.assertGreaterEqual(len(release.findall("description/ul/li")), 2)


if __name__ == "__main__":
    (METAINFO,) = sys.argv[1:]
    SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(METAINFO)))
    unittest.main(argv=sys.argv[:1], verbosity=2)
