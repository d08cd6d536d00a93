"""What `cmake --install` puts in place, and a software centre's catalogue
made from it.

    install_test.py BUILD_DIR CONFIG PROGRAM SOURCE_DIR
"""

import glob
import gzip
import os
import re
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
            self.print_module_where_the_program_looks(destdir, installed)
            for path, origin in INSTALLED.items():
                with self.subTest(path=path):
                    self.assertEqual(read(os.path.join(destdir, path)),
                                     read(os.path.join(SOURCE, origin)))
            # The metainfo, its desktop entry and icon agree with each other.
            run("appstreamcli", "validate-tree", "--no-net", destdir)
            self.compose_accepts(destdir)

    def print_module_where_the_program_looks(self, destdir, program):
        """The print module lies in the folder that the program names,
        relative to its own: the library folder's velmora/."""
        modules = glob.glob(os.path.join(destdir, "usr/lib/**/velmora/velmora-print.so"),
                            recursive=True)
        self.assertEqual(len(modules), 1, modules)
        named = re.search(rb"\0(\.\./lib[^\0]*/velmora)\0", read(program))
        self.assertIsNotNone(named, "the program names no library folder of its own")
        self.assertEqual(os.path.normpath(os.path.join(os.path.dirname(program),
                                                       named.group(1).decode())),
                         os.path.dirname(modules[0]))

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
