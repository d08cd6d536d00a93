"""What the Windows zip holds, and the make-up of its velmora.exe (its
resources: pe_resources.py).

    package_test.py ZIP VERSION ICO_FILE SYSTEM32
ZIP is velmora-VERSION-windows-x64.zip; ICO_FILE the window icon that the
program carries; SYSTEM32 the system folder of a fresh wine prefix, whose
DLLs stand for the ones every Windows has.
"""
import sys
import unittest
import zipfile
from pathlib import Path

import pefile

from pe_resources import Resources

ZIP, VERSION, ICO, SYSTEM32 = sys.argv[1:5] if len(sys.argv) == 5 else (None,) * 4
TOP = f"velmora-{VERSION}-windows-x64"


class Package(Resources, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.zip = zipfile.ZipFile(ZIP)
        cls.pe = pefile.PE(data=cls.zip.read(f"{TOP}/velmora.exe"))
        cls.ico, cls.version = Path(ICO).read_bytes(), VERSION

    def test_holds_the_program_its_licence_and_readme(self):
        self.assertEqual(sorted(self.zip.namelist()),
                         [f"{TOP}/LICENSE.txt", f"{TOP}/README.txt", f"{TOP}/velmora.exe"])

    def test_texts_have_windows_line_ends(self):
        for name in ("LICENSE.txt", "README.txt"):
            with self.subTest(name):
                text = self.zip.read(f"{TOP}/{name}")
                self.assertGreater(text.count(b"\r\n"), 10)
                self.assertEqual(text.count(b"\n"), text.count(b"\r\n"))

    def test_readme_is_bulgarian_and_names_the_files(self):
        readme = self.zip.read(f"{TOP}/README.txt").decode("utf-8")
        for words in ("калкулатор за прав кръгов конус", "velmora.exe", "LICENSE.txt",
                      f"velmora-{VERSION}-setup.exe", f"Velmora {VERSION}",
                      "„Деинсталиране на Velmora“"):
            with self.subTest(words):
                self.assertIn(words, readme)

    def test_is_a_64_bit_gui_program(self):
        self.assertEqual(self.pe.FILE_HEADER.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"])
        self.assertEqual(self.pe.OPTIONAL_HEADER.Subsystem,
                         pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"])

    def test_is_stripped(self):
        self.assertEqual(self.pe.FILE_HEADER.PointerToSymbolTable, 0)
        self.assertEqual(self.pe.FILE_HEADER.NumberOfSymbols, 0)
        self.assertNotIn(".debug_info", [s.Name.rstrip(b"\0").decode() for s in self.pe.sections])

    def test_needs_only_windows_own_dlls(self):
        system = {p.name.lower() for p in Path(SYSTEM32).iterdir()}
        imported = [entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT]
        self.assertIn("kernel32.dll", imported)
        for dll in imported:
            with self.subTest(dll):
                self.assertFalse(dll.startswith(("qt6", "libstdc++", "libgcc", "libwinpthread")))
                # api-ms-win-*: Windows' API sets, which its loader resolves
                # to its own DLLs; there is no file of that name.
                self.assertTrue(dll.startswith("api-ms-win-") or dll in system,
                                f"{dll} is not one of Windows' own DLLs")


if __name__ == "__main__":
    if ZIP is None:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1], verbosity=2)
