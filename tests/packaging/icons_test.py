"""The menu icons: the committed PNGs are the ones rendered from their drawings.

    icons_test.py SOURCE_DIR
"""

import os
import sys
import tempfile
import unittest

from PIL import Image  # Debian's python3-pil

from packaging_files import APP_ID, ICON_FILES, ICON_SIZES, run


class Icons(unittest.TestCase):
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


if __name__ == "__main__":
    (SOURCE,) = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
