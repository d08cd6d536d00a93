"""What the Windows zip holds, and the make-up of its velmora.exe.

    package_test.py ZIP VERSION ICO_FILE SYSTEM32
ZIP is velmora-VERSION-windows-x64.zip; ICO_FILE the window icon that the
program carries; SYSTEM32 the system folder of a fresh wine prefix, whose
DLLs stand for the ones every Windows has.
"""
import io
import struct
import sys
import unittest
import zipfile
from pathlib import Path

import pefile

ZIP, VERSION, ICO, SYSTEM32 = sys.argv[1:5] if len(sys.argv) == 5 else (None,) * 4
TOP = f"velmora-{VERSION}-windows-x64"

RT_ICON = pefile.RESOURCE_TYPE["RT_ICON"]
RT_GROUP_ICON = pefile.RESOURCE_TYPE["RT_GROUP_ICON"]


def ico_images(data):
    """The image data of each entry of an ICO file."""
    _, _, count = struct.unpack_from("<HHH", data)
    images = []
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        images.append(data[offset:offset + size])
    return images


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.zip = zipfile.ZipFile(ZIP)
        cls.exe = pefile.PE(data=cls.zip.read(f"{TOP}/velmora.exe"))

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
                      f"velmora-{VERSION}-setup.exe", f"Velmora {VERSION}"):
            with self.subTest(words):
                self.assertIn(words, readme)

    def test_is_a_64_bit_gui_program(self):
        self.assertEqual(self.exe.FILE_HEADER.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"])
        self.assertEqual(self.exe.OPTIONAL_HEADER.Subsystem,
                         pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"])

    def test_is_stripped(self):
        self.assertEqual(self.exe.FILE_HEADER.PointerToSymbolTable, 0)
        self.assertEqual(self.exe.FILE_HEADER.NumberOfSymbols, 0)
        self.assertNotIn(".debug_info", [s.Name.rstrip(b"\0").decode() for s in self.exe.sections])

    def test_needs_only_windows_own_dlls(self):
        system = {p.name.lower() for p in Path(SYSTEM32).iterdir()}
        imported = [entry.dll.decode().lower() for entry in self.exe.DIRECTORY_ENTRY_IMPORT]
        self.assertIn("kernel32.dll", imported)
        for dll in imported:
            with self.subTest(dll):
                self.assertFalse(dll.startswith(("qt6", "libstdc++", "libgcc", "libwinpthread")))
                # api-ms-win-*: Windows' API sets, which its loader resolves
                # to its own DLLs; there is no file of that name.
                self.assertTrue(dll.startswith("api-ms-win-") or dll in system,
                                f"{dll} is not one of Windows' own DLLs")

    def resources(self, kind):
        for entry in self.exe.DIRECTORY_ENTRY_RESOURCE.entries:
            if entry.id == kind:
                for name in entry.directory.entries:
                    for language in name.directory.entries:
                        data = language.data.struct
                        yield self.exe.get_data(data.OffsetToData, data.Size)

    def test_carries_the_window_icon(self):
        self.assertEqual(len(list(self.resources(RT_GROUP_ICON))), 1)
        self.assertEqual(sorted(self.resources(RT_ICON)), sorted(ico_images(Path(ICO).read_bytes())))

    def test_version_block(self):
        fixed = self.exe.VS_FIXEDFILEINFO[0]
        parts = [int(p) for p in VERSION.split(".")] + [0, 0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS),
                         ((parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]))
        self.assertEqual(fixed.ProductVersionMS, fixed.FileVersionMS)
        strings = {}
        for info in self.exe.FileInfo[0]:
            for table in getattr(info, "StringTable", []):
                strings[table.LangID.decode().lower()] = {k.decode(): v.decode() for k, v in table.entries.items()}
        self.assertEqual(sorted(strings), ["040204b0", "040904b0"])
        for language, table in strings.items():
            with self.subTest(language):
                self.assertEqual(table["FileVersion"], VERSION)
                self.assertEqual(table["ProductVersion"], VERSION)
                self.assertEqual(table["OriginalFilename"], "velmora.exe")


if __name__ == "__main__":
    if ZIP is None:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1], verbosity=2)
