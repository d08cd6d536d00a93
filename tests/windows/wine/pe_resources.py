"""The Windows resources of velmora.rc in a PE file, read with pefile: the
window icon as the program's icon, and the version block. Mixed into the
checks of velmora.exe (package_test.py) and of the resources compiled on
Linux (tests/packaging), which set `pe`, `ico` (the ICO's bytes) and
`version`."""

import struct

import pefile

RT_ICON = pefile.RESOURCE_TYPE["RT_ICON"]
RT_GROUP_ICON = pefile.RESOURCE_TYPE["RT_GROUP_ICON"]
RT_VERSION = pefile.RESOURCE_TYPE["RT_VERSION"]
BULGARIAN = 0x0402


class Resources:
    def resources(self, kind):
        """(name or number, language, data) of each resource of a kind."""
        found = []
        for entry in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            if entry.id == kind:
                for name in entry.directory.entries:
                    for language in name.directory.entries:
                        data = language.data.struct
                        found.append((str(name.name) if name.name else name.id, language.id,
                                      self.pe.get_data(data.OffsetToData, data.Size)))
        return found

    def test_carries_the_window_icon(self):
        # One icon group, under the name Qt loads the window's icon by, that
        # lists the ICO's images as the ICO does (an entry of the ICO ends in
        # the image's offset, one of the group in the number of its RT_ICON).
        ((name, _, group),) = self.resources(RT_GROUP_ICON)
        self.assertEqual(name, "IDI_ICON1")
        icons = {number: data for number, _, data in self.resources(RT_ICON)}
        (count,) = struct.unpack_from("<H", self.ico, 4)
        self.assertEqual(group[:6], self.ico[:6])
        self.assertEqual(len(icons), count)
        for i in range(count):
            entry, listed = self.ico[6 + 16 * i:22 + 16 * i], group[6 + 14 * i:20 + 14 * i]
            self.assertEqual(listed[:12], entry[:12])
            size, offset = struct.unpack_from("<II", entry, 8)
            self.assertEqual(icons[struct.unpack_from("<H", listed, 12)[0]],
                             self.ico[offset:offset + size])

    def test_version_block(self):
        self.assertEqual([language for _, language, _ in self.resources(RT_VERSION)],
                         [BULGARIAN])
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        parts = [int(p) for p in self.version.split(".")] + [0, 0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS),
                         ((parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]))
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS),
                         (fixed.FileVersionMS, fixed.FileVersionLS))
        strings = {}
        for info in self.pe.FileInfo[0]:
            for table in getattr(info, "StringTable", []):
                strings[table.LangID.decode().lower()] = {
                    k.decode(): v.decode() for k, v in table.entries.items()}
        self.assertEqual(sorted(strings), ["040204b0", "040904b0"])
        for language, table in strings.items():
            with self.subTest(language):
                self.assertEqual(table["FileVersion"], self.version)
                self.assertEqual(table["ProductVersion"], self.version)
                self.assertEqual(table["ProductName"], "Velmora")
                self.assertEqual(table["CompanyName"], "Velmora")
                self.assertEqual(table["OriginalFilename"], "velmora.exe")
                # One spelling of the name, the window's, in both languages.
                self.assertTrue(table["FileDescription"].startswith("Velmora — "))
                for key, value in table.items():
                    self.assertNotIn("Велмора", value, key)
        self.assertIn("калкулатор за прав кръгов конус", strings["040204b0"]["FileDescription"])
