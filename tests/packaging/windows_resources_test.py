"""The Windows resources of velmora.exe, compiled by mingw-w64's windres as
the Windows build compiles them and linked into a DLL of their own, read
with pefile by the checks that tests/windows/wine runs on velmora.exe.

    windows_resources_test.py RC_FILE ICO_FILE VERSION
"""

import os
import sys
import tempfile
import unittest

import pefile

from packaging_files import read, run

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "windows", "wine"))
from pe_resources import Resources  # noqa: E402


class CompiledResources(Resources, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.ico, cls.version = read(ICO), VERSION
        with tempfile.TemporaryDirectory() as out:
            obj, dll = os.path.join(out, "velmora.o"), os.path.join(out, "resources.dll")
            run("x86_64-w64-mingw32-windres", "--preprocessor=cpp", "-i", RC, "-O", "coff",
                "-o", obj)
            run("x86_64-w64-mingw32-ld", "-shared", "-e", "0", "-o", dll, obj)
            cls.pe = pefile.PE(data=read(dll))


if __name__ == "__main__":
    RC, ICO, VERSION = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
