#!/usr/bin/python3
"""Checks of Velmora's packaging, one per ctest test.

    packaging_test.py desktop DESKTOP_FILE
    packaging_test.py metainfo METAINFO_FILE
    packaging_test.py install BUILD_DIR CONFIG PROGRAM SOURCE_DIR
    packaging_test.py deb BUILD_DIR CONFIG VERSION
    packaging_test.py windres RC_FILE ICO_FILE VERSION

Every tool is run by name; a missing tool fails the check.
"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

APP_ID = "bg.velmora.Velmora"
INSTALLED = {
    "usr/share/applications/" + APP_ID + ".desktop": "packaging/" + APP_ID + ".desktop",
    "usr/share/icons/hicolor/32x32/apps/" + APP_ID + ".png": "packaging/" + APP_ID + ".png",
    "usr/share/metainfo/" + APP_ID + ".metainfo.xml": "packaging/" + APP_ID + ".metainfo.xml",
    "usr/share/doc/velmora/copyright": "packaging/copyright",
}

ARGS = []


def run(*command, **kwargs):
    """Run a command, fail with its output unless it succeeds; return stdout."""
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} exited with {result.returncode}\n"
                             f"{result.stdout}{result.stderr}")
    return result.stdout


def read(path):
    with open(path, "rb") as f:
        return f.read()


class Desktop(unittest.TestCase):
    def test_validates_without_remarks(self):
        (desktop,) = ARGS
        result = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(result.stdout + result.stderr, "")

    def test_entries(self):
        (desktop,) = ARGS
        with open(desktop, encoding="utf-8") as f:
            entries = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        self.assertEqual(entries["Name"], "Velmora")
        self.assertEqual(entries["Name[bg]"], "Велмора")
        self.assertEqual(entries["Exec"], "velmora")
        self.assertEqual(entries["Icon"], APP_ID)
        self.assertEqual(entries["Categories"], "Education;Math;")
        for key in ("GenericName", "GenericName[bg]", "Comment", "Comment[bg]",
                    "Keywords", "Keywords[bg]"):
            self.assertIn(key, entries)


class Metainfo(unittest.TestCase):
    def test_validates_strictly(self):
        (metainfo,) = ARGS
        output = run("appstreamcli", "validate", "--no-net", "--strict", metainfo)
        self.assertIn("Validation was successful", output)


class Install(unittest.TestCase):
    def test_files_land_in_place(self):
        build, config, program, source = ARGS
        with tempfile.TemporaryDirectory() as destdir:
            run("cmake", "--install", build, "--config", config, "--prefix", "/usr",
                env=dict(os.environ, DESTDIR=destdir))
            installed = os.path.join(destdir, "usr/bin/velmora")
            self.assertTrue(os.access(installed, os.X_OK), "usr/bin/velmora is not executable")
            self.assertGreater(os.path.getsize(installed), 0)
            self.assertTrue(os.path.exists(program), program)
            for path, origin in INSTALLED.items():
                with self.subTest(path=path):
                    self.assertEqual(read(os.path.join(destdir, path)),
                                     read(os.path.join(source, origin)))
            # The metainfo, its desktop entry and icon agree with each other.
            run("appstreamcli", "validate-tree", "--no-net", destdir)


class Deb(unittest.TestCase):
    def test_package(self):
        build, config, version = ARGS
        with tempfile.TemporaryDirectory() as out:
            run("cpack", "-G", "DEB", "-C", config, "-B", out,
                "--config", os.path.join(build, "CPackConfig.cmake"), cwd=build)
            arch = run("dpkg", "--print-architecture").strip()
            debs = sorted(f for f in os.listdir(out) if f.endswith(".deb"))
            self.assertEqual(debs, [f"velmora_{version}_{arch}.deb"])
            deb = os.path.join(out, debs[0])

            def field(name):
                return run("dpkg-deb", "--field", deb, name).strip()

            self.assertEqual(field("Package"), "velmora")
            self.assertEqual(field("Version"), version)
            self.assertEqual(field("Architecture"), arch)
            self.assertEqual(field("Section"), "math")
            self.assertEqual(field("Homepage"), "https://velmora.bg")
            self.assertTrue(field("Maintainer"))
            depends = [d.strip().split(" ")[0] for d in field("Depends").split(",")]
            for package in ("libqt6widgets6", "libqt6gui6", "libqt6core6", "fonts-liberation2",
                            "libc6", "libstdc++6"):
                self.assertIn(package, depends)
            self.assertRegex(field("Depends"), r"libqt6core6 \(>= 6\.4")
            self.assertIn("qt6-translations-l10n", field("Recommends").split(", "))

            contents = {}
            for line in run("dpkg-deb", "--contents", deb).splitlines():
                mode, *_, name = line.split()
                contents[name] = mode
            self.assertEqual(contents.get("./usr/bin/velmora"), "-rwxr-xr-x")
            for path in INSTALLED:
                self.assertEqual(contents.get("./" + path), "-rw-r--r--", path)


def res_entries(data):
    """(type, name, language, data) of each resource in a .res file."""
    def ident(pos):
        if struct.unpack_from("<H", data, pos)[0] == 0xFFFF:
            return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
        end = pos
        while struct.unpack_from("<H", data, end)[0] != 0:
            end += 2
        return data[pos:end].decode("utf-16-le"), (end + 2 + 3) & ~3

    pos, entries = 0, []
    while pos + 8 <= len(data):
        size, header_size = struct.unpack_from("<II", data, pos)
        kind, after = ident(pos + 8)
        name, after = ident(after)
        language = struct.unpack_from("<H", data, after + 6)[0]
        body = data[pos + header_size:pos + header_size + size]
        if size:
            entries.append((kind, name, language, body))
        pos = (pos + header_size + size + 3) & ~3
    return entries


def version_strings(block):
    """{table: {key: value}} of the StringFileInfo tables of a VS_VERSIONINFO."""
    def node(pos):
        length, value_length, is_text = struct.unpack_from("<HHH", block, pos)
        end = block.index(b"\0\0", pos + 6)
        while (end - pos - 6) % 2:
            end = block.index(b"\0\0", end + 1)
        key = block[pos + 6:end].decode("utf-16-le")
        value_pos = (end + 2 + 3) & ~3
        value_size = value_length * 2 if is_text else value_length
        value = block[value_pos:value_pos + value_size]
        children = (value_pos + value_size + 3) & ~3
        return key, value, children, pos + length

    key, fixed, pos, end = node(0)
    assert key == "VS_VERSION_INFO"
    tables = {"fixed": fixed}
    while pos < end:
        key, _, child, child_end = node(pos)
        if key == "StringFileInfo":
            while child < child_end:
                table, _, string, table_end = node(child)
                tables[table] = {}
                while string < table_end:
                    name, value, _, next_string = node(string)
                    tables[table][name] = value.decode("utf-16-le").rstrip("\0")
                    string = (next_string + 3) & ~3
                child = (table_end + 3) & ~3
        pos = (child_end + 3) & ~3
    return tables


class Windres(unittest.TestCase):
    RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16

    def test_resources(self):
        rc, ico, version = ARGS
        with tempfile.TemporaryDirectory() as out:
            res = os.path.join(out, "velmora.res")
            windres = ("x86_64-w64-mingw32-windres", "--preprocessor=cpp", "-i", rc)
            run(*windres, "-O", "res", "-o", res)
            entries = res_entries(read(res))
            # The same script also makes the COFF object that gets linked in.
            obj = os.path.join(out, "velmora.o")
            run(*windres, "-O", "coff", "-o", obj)
            self.assertIn(".rsrc", run("x86_64-w64-mingw32-objdump", "-h", obj))

        by_type = {}
        for kind, name, language, body in entries:
            by_type.setdefault(kind, []).append((name, language, body))

        # The icon: the ICO's one 32 x 32 image, listed by the icon group.
        icon = read(ico)
        _, _, count = struct.unpack_from("<HHH", icon, 0)
        self.assertEqual(count, 1)
        w, h, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", icon, 6)
        self.assertEqual(len(by_type.get(self.RT_ICON, [])), 1)
        icon_id, _, icon_data = by_type[self.RT_ICON][0]
        self.assertEqual(icon_data, icon[offset:offset + size])
        self.assertEqual(len(by_type.get(self.RT_GROUP_ICON, [])), 1)
        group_name, _, group = by_type[self.RT_GROUP_ICON][0]
        self.assertEqual(group_name, "IDI_ICON1")
        self.assertEqual(struct.unpack_from("<HHH", group, 0), (0, 1, 1))
        self.assertEqual(struct.unpack_from("<BBBBHHIH", group, 6),
                         (32, 32, 0, 0, planes, bits, size, icon_id))

        # The version block: 1.0.0.0 in numbers, the version text in both tables.
        self.assertEqual(len(by_type.get(self.RT_VERSION, [])), 1)
        _, language, block = by_type[self.RT_VERSION][0]
        self.assertEqual(language, 0x0402)
        self.assertIn(version.encode("utf-16-le"), block)
        tables = version_strings(block)
        signature, _, file_ms, file_ls, product_ms, product_ls = \
            struct.unpack_from("<IIIIII", tables["fixed"], 0)
        self.assertEqual(signature, 0xFEEF04BD)
        self.assertEqual((file_ms, file_ls, product_ms, product_ls), (0x10000, 0, 0x10000, 0))
        self.assertEqual(set(tables) - {"fixed"}, {"040204B0", "040904B0"})
        for table in ("040204B0", "040904B0"):
            strings = tables[table]
            self.assertEqual(strings["FileVersion"], version)
            self.assertEqual(strings["ProductVersion"], version)
            self.assertEqual(strings["ProductName"], "Velmora")
            self.assertEqual(strings["OriginalFilename"], "velmora.exe")
        self.assertIn("калкулатор за прав кръгов конус", tables["040204B0"]["FileDescription"])


if __name__ == "__main__":
    CHECKS = {"desktop": Desktop, "metainfo": Metainfo, "install": Install, "deb": Deb,
              "windres": Windres}
    if len(sys.argv) < 2 or sys.argv[1] not in CHECKS:
        sys.exit(__doc__)
    ARGS[:] = sys.argv[2:]
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(CHECKS[sys.argv[1]])
    ok = unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful()
    sys.exit(0 if ok else 1)
