"""The menu icons: vector drawings, and the PNGs rendered from them.

    icons_test.py SOURCE_DIR
"""

import os
import re
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

from PIL import Image  # Debian's python3-pil

from packaging_files import APP_ID, ICON_FILES, ICON_SIZES, run


class Icons(unittest.TestCase):
    SVG = "{http://www.w3.org/2000/svg}"

    def test_committed_pngs_are_the_rendered_ones(self):
        committed = os.path.join(SOURCE, "packaging", "icons")
        with tempfile.TemporaryDirectory() as made:
            run("/usr/bin/python3", os.path.join(SOURCE, "tools", "make_menu_icons.py"), made)
            for root in (committed, made):
                pngs = sorted(os.path.relpath(os.path.join(d, f), root)
                              for d, _, names in os.walk(root) for f in names if f.endswith(".png"))
                self.assertEqual(pngs, sorted(ICON_FILES[:-1]), root)
            for size in ICON_SIZES:
                name = f"{size}x{size}/{APP_ID}.png"
                with self.subTest(icon=name), Image.open(os.path.join(committed, name)) as ours, \
                        Image.open(os.path.join(made, name)) as fresh:
                    self.assertEqual((ours.format, ours.size, ours.mode), ("PNG", (size, size), "RGBA"))
                    self.assertEqual(list(ours.getdata()), list(fresh.getdata()))
                    # The hamburger fills the square, with a transparent margin
                    # round it and no stray pixels in the corners.
                    left, top, right, bottom = ours.getchannel("A").getbbox()
                    self.assertLessEqual(max(left, size - right), size // 8 + 1)
                    self.assertLessEqual(max(top, size - bottom), size // 5 + 1)
                    for corner in ((0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)):
                        self.assertEqual(ours.getpixel(corner)[3], 0, corner)

    def test_drawings_are_shapes_not_pixels(self):
        """Each drawing is a few dozen shapes with curves or a pixel outline,
        not one rectangle per pixel."""
        for drawing, view_box, shapes, curved in (("scalable", "0 0 128 128", (25, 60), True),
                                                  ("small", "0 0 16 16", (10, 30), False)):
            with self.subTest(drawing=drawing):
                svg = ElementTree.parse(
                    os.path.join(SOURCE, "packaging", "icons", drawing, APP_ID + ".svg")).getroot()
                self.assertEqual(svg.tag, self.SVG + "svg")
                self.assertEqual(svg.get("viewBox"), view_box)
                kinds = [e.tag.removeprefix(self.SVG) for e in svg.iter()]
                drawn = [k for k in kinds if k in ("path", "rect", "ellipse", "circle", "polygon")]
                self.assertGreaterEqual(len(drawn), shapes[0])
                self.assertLessEqual(len(drawn), shapes[1])
                self.assertNotIn("image", kinds)
                self.assertGreaterEqual(kinds.count("path"), 8)
                paths = " ".join(e.get("d", "") for e in svg.iter(self.SVG + "path"))
                self.assertEqual(bool(re.search(r"[CcQqAa]", paths)), curved)


if __name__ == "__main__":
    (SOURCE,) = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
