"""What `cmake --install` puts in place, and a software centre's catalogue
made from it.

    install_test.py BUILD_DIR CONFIG PROGRAM SOURCE_DIR
"""

import gzip
import os
import sys
import tempfile
import unittest

from packaging_files import APP_ID, INSTALLED, read, run


class Install(unittest.TestCase):
    def test_files_land_in_place(self):
        with tempfile.TemporaryDirectory() as destdir:
            run("cmake", "--install", BUILD, "--config", CONFIG, "--prefix", "/usr",
                env=dict(os.environ, DESTDIR=destdir))
            installed = os.path.join(destdir, "usr/bin/velmora")
            self.assertTrue(os.access(installed, os.X_OK), "usr/bin/velmora is not executable")
            self.assertGreater(os.path.getsize(installed), 0)
            self.assertTrue(os.path.exists(PROGRAM), PROGRAM)
            for path, origin in INSTALLED.items():
                with self.subTest(path=path):
                    self.assertEqual(read(os.path.join(destdir, path)),
                                     read(os.path.join(SOURCE, origin)))
            # The metainfo, its desktop entry and icon agree with each other.
            run("appstreamcli", "validate-tree", "--no-net", destdir)
            self.compose_accepts(destdir)

    def compose_accepts(self, destdir):
        """A software centre's catalogue takes the component, icons included."""
        with tempfile.TemporaryDirectory() as out:
            report = run("appstreamcli", "compose", "--no-net", "--no-color", "--origin=velmora",
                         "--print-report=full", f"--result-root={out}", destdir)
            self.assertIn("Success!", report)
            self.assertNotRegex(report, r"\n\s*[EW]: ", report)
            with gzip.open(os.path.join(out, "usr/share/swcatalog/xml/velmora.xml.gz"), "rt",
                           encoding="utf-8") as f:
                catalog = f.read()
            self.assertIn(f"<id>{APP_ID}</id>", catalog)
            self.assertNotIn("icon-not-found", catalog)
            self.assertIn('<icon type="cached" width="64" height="64">', catalog)
            for size in ("64x64", "128x128"):
                self.assertTrue(os.path.exists(
                    os.path.join(out, "usr/share/swcatalog/icons/velmora", size, APP_ID + ".png")),
                    f"no {size} icon in the catalogue")


if __name__ == "__main__":
    BUILD, CONFIG, PROGRAM, SOURCE = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
