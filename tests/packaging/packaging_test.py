#!/usr/bin/python3
"""Checks of Velmora's packaging, one per ctest test.

    packaging_test.py desktop DESKTOP_FILE
    packaging_test.py metainfo METAINFO_FILE
    packaging_test.py icons SOURCE_DIR
    packaging_test.py manual SOURCE_DIR
    packaging_test.py install BUILD_DIR CONFIG PROGRAM SOURCE_DIR
    packaging_test.py deb DEBIAN_BUILDS_DIR VERSION SOURCE_DIR
    packaging_test.py reproducible DEBIAN_BUILDS_DIR
    packaging_test.py windres RC_FILE ICO_FILE VERSION
    packaging_test.py command_line PROGRAM

Every tool is run by name; a missing tool fails the check.
"""

import glob
import gzip
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest

APP_ID = "bg.velmora.velmora"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
ICON_FILES = [f"{n}x{n}/{APP_ID}.png" for n in ICON_SIZES] + [f"scalable/{APP_ID}.svg"]
# What `cmake --install` puts in place, as it stands in the sources.
INSTALLED = {
    "usr/share/applications/" + APP_ID + ".desktop": "packaging/" + APP_ID + ".desktop",
    "usr/share/metainfo/" + APP_ID + ".metainfo.xml": "packaging/" + APP_ID + ".metainfo.xml",
    "usr/share/man/man1/velmora.1": "man/velmora.1",
    "usr/share/man/bg/man1/velmora.1": "man/bg/velmora.1",
    **{"usr/share/icons/hicolor/" + icon.replace("/", "/apps/"): "packaging/icons/" + icon
       for icon in ICON_FILES},
}
# What the Debian package adds: debhelper's copyright and changelog ...
PACKAGED = {
    "usr/share/doc/velmora/copyright": "debian/copyright",
    **{path: origin for path, origin in INSTALLED.items() if "/man/" not in path},
}
# ... and the files it compresses with gzip -9n.
PACKAGED_GZIP = {
    "usr/share/man/man1/velmora.1.gz": "man/velmora.1",
    "usr/share/man/bg/man1/velmora.1.gz": "man/bg/velmora.1",
    "usr/share/doc/velmora/changelog.gz": "debian/changelog",
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
    # Debian 12's desktop-file-validate (0.26) predates version 1.5 of the
    # desktop entry format, which brought SingleMainWindow; lintian knows
    # the key.
    VALIDATOR_PREDATES = {
        'error: file contains key "SingleMainWindow" in group "Desktop Entry", '
        'but keys extending the format should start with "X-"',
    }

    def test_validates_without_remarks(self):
        (desktop,) = ARGS
        result = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
        remarks = {line.removeprefix(desktop + ": ")
                   for line in (result.stdout + result.stderr).splitlines()}
        self.assertLessEqual(remarks, self.VALIDATOR_PREDATES, result.stdout + result.stderr)
        self.assertEqual(result.returncode, 1 if remarks else 0, result.stdout + result.stderr)

    def test_entries(self):
        (desktop,) = ARGS
        with open(desktop, encoding="utf-8") as f:
            entries = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
        for key, value in (("Name", "Velmora"), ("Name[bg]", "Велмора"), ("Exec", "velmora"),
                           ("Icon", APP_ID), ("Categories", "Education;Math;"),
                           ("SingleMainWindow", "true"), ("StartupWMClass", "Velmora")):
            with self.subTest(key=key):
                self.assertEqual(entries.get(key), value)
        for key in ("GenericName", "GenericName[bg]", "Comment", "Comment[bg]",
                    "Keywords", "Keywords[bg]"):
            with self.subTest(key=key):
                self.assertIn(key, entries)
        # A software centre or a menu shows the comment on one line.
        for key in ("Comment", "Comment[bg]"):
            with self.subTest(key=key):
                self.assertLessEqual(len(entries[key]), 80)
        for key, word in (("Keywords", "math"), ("Keywords[bg]", "математика")):
            with self.subTest(key=key):
                self.assertIn(word, entries[key].split(";"))


class Metainfo(unittest.TestCase):
    # AppStream before 1.0 (Debian 12 has 0.16) does not know <developer>,
    # which 1.0 reads instead of <developer_name>; the file has both.
    BEFORE_1_0 = {"I: bg.velmora.velmora:12: unknown-tag developer"}

    def remarks(self, *options):
        (metainfo,) = ARGS
        result = subprocess.run(["appstreamcli", "validate", "--no-net", "--no-color", *options,
                                 metainfo], capture_output=True, text=True)
        version = run("appstreamcli", "--version").split()[-1]
        known = self.BEFORE_1_0 if tuple(map(int, version.split(".")[:2])) < (1, 0) else set()
        lines = {line for line in result.stdout.splitlines()
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
        import xml.etree.ElementTree as ElementTree

        (metainfo,) = ARGS
        return ElementTree.parse(metainfo).getroot()

    def test_languages(self):
        (metainfo,) = ARGS
        with open(metainfo, encoding="utf-8") as f:
            text = f.read()
        self.assertRegex(text, r"<languages>\s*<lang percentage=\"100\">bg</lang>\s*</languages>")

    def test_links_developer_and_needs(self):
        component = self.component()
        urls = {url.get("type"): url.text for url in component.iter("url")}
        self.assertEqual(set(urls), {"homepage", "bugtracker", "help"})
        for kind, url in urls.items():
            with self.subTest(url=kind):
                self.assertRegex(url, r"^https://velmora\.bg(/|$)")
        self.assertEqual(component.findtext("developer/name"), "Velmora")
        self.assertEqual(component.findtext("developer_name"), "Velmora")
        self.assertEqual(sorted(c.text for c in component.iterfind("supports/control")),
                         ["keyboard", "pointing"])

    def test_screenshots(self):
        """The committed screenshots, each one listed with its size, and a
        display asked for that holds the window as they show it."""
        from PIL import Image

        (metainfo,) = ARGS
        source = os.path.dirname(os.path.dirname(os.path.abspath(metainfo)))
        shots = os.path.join(source, "packaging", "screenshots")
        screenshots = list(self.component().iterfind("screenshots/screenshot"))
        self.assertEqual([s.get("type") for s in screenshots], ["default", None])
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
                needed = {"shortest": min(png.size), "longest": max(png.size)}
        self.assertEqual(sorted(listed), sorted(os.listdir(shots)))
        self.assertEqual({d.get("side"): (d.get("compare"), int(d.text))
                          for d in self.component().iterfind("requires/display_length")},
                         {side: ("ge", length) for side, length in needed.items()})
        with open(os.path.join(source, "README.md"), encoding="utf-8") as f:
            self.assertTrue("packaging/screenshots/" + listed[-1] in f.read(),
                            "the README shows no screenshot")

    def test_release_notes(self):
        """The newest release is the version of debian/changelog, on its
        date, with notes."""
        (metainfo,) = ARGS
        source = os.path.dirname(os.path.dirname(os.path.abspath(metainfo)))
        changelog = os.path.join(source, "debian", "changelog")
        version = run("dpkg-parsechangelog", "-l", changelog, "-S", "Version").strip()
        date = run("dpkg-parsechangelog", "-l", changelog, "-S", "Date").strip()
        day = run("date", "-u", "-d", date, "+%Y-%m-%d").strip()
        release = self.component().find("releases/release")
        self.assertEqual((release.get("version"), release.get("date")), (version, day))
        self.assertTrue(release.findtext("description/p"))
        self.assertGreaterEqual(len(release.findall("description/ul/li")), 2)


class Icons(unittest.TestCase):
    """The menu icons: vector drawings, and the PNGs rendered from them."""

    SVG = "{http://www.w3.org/2000/svg}"

    def test_committed_pngs_are_the_rendered_ones(self):
        from PIL import Image  # Debian's python3-pil

        (source,) = ARGS
        committed = os.path.join(source, "packaging", "icons")
        with tempfile.TemporaryDirectory() as made:
            run("/usr/bin/python3", os.path.join(source, "tools", "make_menu_icons.py"), made)
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
        import xml.etree.ElementTree as ElementTree

        (source,) = ARGS
        for drawing, view_box, shapes, curved in (("scalable", "0 0 128 128", (25, 60), True),
                                                  ("small", "0 0 16 16", (10, 30), False)):
            with self.subTest(drawing=drawing):
                svg = ElementTree.parse(
                    os.path.join(source, "packaging", "icons", drawing, APP_ID + ".svg")).getroot()
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


class Manual(unittest.TestCase):
    def test_pages_format_without_warnings(self):
        (source,) = ARGS
        # Each page with its headings and the exit status of a missing display.
        for page, headings, no_display in (
                ("man/velmora.1", ("OPTIONS", "EXIT STATUS"), "There is no display"),
                ("man/bg/velmora.1", ("ОПЦИИ", "КОД НА ИЗХОД"), "Няма дисплей")):
            with self.subTest(page=page):
                env = {k: v for k, v in os.environ.items()
                       if not k.startswith("LC_") and k != "MAN_KEEP_FORMATTING"}
                result = subprocess.run(
                    ["man", "--warnings", "-E", "UTF-8", "-l", os.path.join(source, page)],
                    capture_output=True, text=True, env=dict(env, LANG="C.UTF-8", MANWIDTH="80"))
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stderr, "")
                for heading in headings:
                    self.assertIn(heading, result.stdout)
                statuses = " ".join(result.stdout.split(headings[1], 1)[-1].split())
                self.assertIn(" 1 " + no_display, statuses)
                self.assertIn("--version", result.stdout)
                self.assertIn("-platform", result.stdout)


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


def debian_builds(output):
    """The folders of the two builds that build_debian_packages.py made."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    from build_debian_packages import BUILDS
    return [(os.path.join(output, folder), tree) for folder, tree, *_ in BUILDS]


# Tags that lintian --pedantic may still give the package, with the reason
# each is left (errors and warnings never are).
EXPLAINED_LINTIAN_TAGS = {}


class Deb(unittest.TestCase):
    """The packages of dpkg-buildpackage, as Debian's tools judge them."""

    def setUp(self):
        output, self.version, self.source = ARGS
        (self.folder, self.tree), _ = debian_builds(output)
        self.arch = run("dpkg", "--print-architecture").strip()

    def package(self, name):
        return os.path.join(self.folder, f"{name}_{self.version}_{self.arch}.deb")

    def field(self, deb, name):
        return run("dpkg-deb", "--field", deb, name).strip()

    def test_built_files(self):
        built = sorted(f for f in os.listdir(self.folder)
                       if os.path.isfile(os.path.join(self.folder, f)) and f.startswith("velmora"))
        self.assertEqual(built, sorted([
            f"velmora-dbgsym_{self.version}_{self.arch}.deb",
            f"velmora_{self.version}.dsc",
            f"velmora_{self.version}.tar.xz",
            f"velmora_{self.version}_{self.arch}.buildinfo",
            f"velmora_{self.version}_{self.arch}.changes",
            f"velmora_{self.version}_{self.arch}.deb",
        ]))

    def test_control_fields(self):
        deb = self.package("velmora")
        self.assertEqual(self.field(deb, "Package"), "velmora")
        self.assertEqual(self.field(deb, "Version"), self.version)
        self.assertEqual(self.field(deb, "Architecture"), self.arch)
        self.assertEqual(self.field(deb, "Section"), "math")
        self.assertEqual(self.field(deb, "Homepage"), "https://velmora.bg")
        self.assertTrue(self.field(deb, "Maintainer"))
        depends = self.field(deb, "Depends")
        for package in ("libqt6widgets6", "libqt6gui6", "libqt6core6", "fonts-liberation2",
                        "libc6", "libstdc++6"):
            self.assertRegex(depends, rf"(^|, ){re.escape(package)}( |,|$)")
        self.assertRegex(depends, r"libqt6core6 \(>= 6\.4")
        self.assertIn("qt6-translations-l10n", self.field(deb, "Recommends").split(", "))

    def test_contents(self):
        contents = {}
        for line in run("dpkg-deb", "--contents", self.package("velmora")).splitlines():
            mode, owner, *_, name = line.split()
            contents[name] = mode
            self.assertEqual(owner, "root/root", name)
        self.assertEqual(contents.get("./usr/bin/velmora"), "-rwxr-xr-x")
        for path in list(PACKAGED) + list(PACKAGED_GZIP):
            self.assertEqual(contents.get("./" + path), "-rw-r--r--", path)
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "--extract", self.package("velmora"), unpacked)
            for path, origin in PACKAGED.items():
                with self.subTest(path=path):
                    self.assertEqual(read(os.path.join(unpacked, path)),
                                     read(os.path.join(self.source, origin)))
            for path, origin in PACKAGED_GZIP.items():
                with self.subTest(path=path):
                    packed = read(os.path.join(unpacked, path))
                    self.assertEqual(gzip.decompress(packed), read(os.path.join(self.source, origin)))
                    self.assertEqual(packed[4:8], b"\0\0\0\0")  # no time stamp (gzip -n)

    def test_debug_symbols(self):
        """velmora-dbgsym holds the debugging information of exactly the
        program that velmora ships, found by its build ID."""
        dbgsym = self.package("velmora-dbgsym")
        self.assertEqual(self.field(dbgsym, "Depends"), f"velmora (= {self.version})")
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "--extract", self.package("velmora"), unpacked)
            notes = run("readelf", "--notes", os.path.join(unpacked, "usr/bin/velmora"))
            build_id = re.search(r"Build ID: ([0-9a-f]+)", notes).group(1)
            self.assertEqual(self.field(dbgsym, "Build-Ids"), build_id)
            self.assertNotIn(".debug_info", run("readelf", "-S", os.path.join(
                unpacked, "usr/bin/velmora")))
            debug = f"usr/lib/debug/.build-id/{build_id[:2]}/{build_id[2:]}.debug"
            run("dpkg-deb", "--extract", dbgsym, unpacked)
            self.assertIn(".debug_info", run("readelf", "-S", os.path.join(unpacked, debug)))

    def test_lintian(self):
        """lintian --pedantic on the .changes (source and both binary
        packages): no error, no warning, and no tag left unexplained."""
        changes = os.path.join(self.folder, f"velmora_{self.version}_{self.arch}.changes")
        result = subprocess.run(["lintian", "--pedantic", "--display-info", "--display-experimental",
                                 "--fail-on", "error,warning", changes],
                                capture_output=True, text=True)
        print(result.stdout, end="")
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        tags = re.findall(r"(?m)^([EWIPXO]): \S+: (\S+)", result.stdout)
        self.assertFalse([t for t in tags if t[0] in "EW"], result.stdout)
        self.assertFalse([t for t in tags if t[1] not in EXPLAINED_LINTIAN_TAGS], result.stdout)

    def test_hardened(self):
        """hardening-check's verdicts on the packaged program."""
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "--extract", self.package("velmora"), unpacked)
            program = os.path.join(unpacked, "usr/bin/velmora")
            result = subprocess.run(["hardening-check", "--verbose", program],
                                    capture_output=True, text=True)
            print(result.stdout, end="")
            run("hardening-check", "--nofortify", "--nocfprotection", program)
        verdicts = dict(re.findall(r"(?m)^ ([^:\n]+): (.*)$", result.stdout))
        for check in ("Position Independent Executable", "Stack protected",
                      "Read-only relocations", "Immediate binding"):
            with self.subTest(check=check):
                self.assertTrue(verdicts.get(check, "").startswith("yes"), result.stdout)
        # "unknown" when no function has a frame large enough to need probes.
        self.assertRegex(verdicts.get("Stack clash protection", ""), r"^(yes|unknown)")
        # Control-flow protection is marked on a program only when every
        # object linked in carries the mark; Debian 12's C library start
        # files (Scrt1.o, crti.o) do not, so no program built there has it.
        self.assertIn("Control flow integrity", verdicts)
        # hardening-check passes Fortify Source only once it finds a call
        # that the compiler could turn into a checked one; in this C++ program
        # every memcpy, memmove and memset copies into storage whose size is
        # known only at run time, which its manual names as a false alarm.
        # That the sources were compiled with _FORTIFY_SOURCE (and optimised,
        # which it needs) is read from the build's compile commands instead.
        fortify = verdicts.get("Fortify Source functions", "")
        self.assertRegex(fortify, r"^(yes|no, only unprotected functions found!)")
        tree = os.path.join(self.folder, self.tree)
        (build,) = [d for d in os.listdir(tree) if d.startswith("obj-")]
        with open(os.path.join(tree, build, "compile_commands.json"), encoding="utf-8") as f:
            commands = [entry["command"] for entry in json.load(f)]
        self.assertTrue(commands)
        for command in commands:
            self.assertRegex(command, r"-D_FORTIFY_SOURCE=[23]\b")
            self.assertRegex(command, r" -O[23s]\b")
            self.assertIn("-fstack-protector-strong", command)
            if self.arch in ("amd64", "i386"):
                self.assertIn("-fstack-clash-protection", command)
                self.assertIn("-fcf-protection", command)


class Reproducible(unittest.TestCase):
    """Two builds of one source in different folders (and time zones,
    locales and umasks) give the same packages, byte for byte."""

    def test_same_packages(self):
        (output,) = ARGS
        (first, _), (second, _) = debian_builds(output)
        debs = sorted(f for f in os.listdir(first) if f.endswith(".deb"))
        self.assertEqual(len(debs), 2, debs)
        self.assertEqual(debs, sorted(f for f in os.listdir(second) if f.endswith(".deb")))
        for deb in debs:
            with self.subTest(deb=deb):
                ours, theirs = (read(os.path.join(folder, deb)) for folder in (first, second))
                self.assertTrue(ours == theirs, self.differences(first, second, deb))

    @staticmethod
    def differences(first, second, deb):
        """The members of the two packages that differ, for the failure."""
        with tempfile.TemporaryDirectory() as unpacked:
            trees = []
            for n, folder in enumerate((first, second)):
                tree = os.path.join(unpacked, str(n))
                run("dpkg-deb", "--raw-extract", os.path.join(folder, deb), tree)
                trees.append(tree)
            result = subprocess.run(["diff", "-rq", *trees], capture_output=True, text=True)
            return f"{deb} differs between the builds:\n{result.stdout}"


def rc_string(literal):
    """The text of a string in windres's RC output: "..." or L"..." with
    C escapes, \\xHHHH for a UTF-16 unit and \\ooo for a byte."""
    wide = literal.startswith("L")
    body = literal[2:-1] if wide else literal[1:-1]

    def escape(m):
        if m.group(1):
            return chr(int(m.group(1), 16))
        return chr(int(m.group(2), 8))
    return re.sub(r"\\x([0-9a-fA-F]{4})|\\([0-7]{1,3})", escape, body)


def rc_resources(text):
    """{(type, name): (language, body)} of windres's RC text of a .res file."""
    resources, language = {}, None
    pattern = re.compile(r"^LANGUAGE (\d+), (\d+)$|"
                         r"^(?!/\*|LANGUAGE)(\S+) (\S+).*?\n(.*?)^END$",
                         re.M | re.S)
    for m in pattern.finditer(text):
        if m.group(1):
            language = int(m.group(1)) | int(m.group(2)) << 10
        else:
            resources[(m.group(4), m.group(3).strip('"'))] = (language, m.group(5))
    return resources


def rc_words(body):
    """The bytes of a resource that windres writes as 32-bit words."""
    return b"".join(struct.pack("<I", int(w, 16)) for w in re.findall(r"0x([0-9a-f]+)L", body))


def version_strings(body):
    """{table: {key: value}} of the StringFileInfo blocks of a VERSIONINFO."""
    tables = {}
    for table, block in re.findall(r'BLOCK "([0-9A-F]{8})"\s*BEGIN(.*?)END', body, re.S):
        tables[table] = {key: rc_string(value) for key, value in
                         re.findall(r'VALUE "(\w+)", (L?"(?:[^"\\]|\\.)*")', block)}
    return tables


class Windres(unittest.TestCase):
    RT_ICON, RT_GROUP_ICON = "3", "14"

    def test_resources(self):
        rc, ico, version = ARGS
        with tempfile.TemporaryDirectory() as out:
            res = os.path.join(out, "velmora.res")
            windres = ("x86_64-w64-mingw32-windres", "--preprocessor=cpp", "-i", rc)
            run(*windres, "-O", "res", "-o", res)
            # windres writes the compiled resources back as RC text.
            text = run("x86_64-w64-mingw32-windres", "-i", res, "-O", "rc")
            # The same script also makes the COFF object that gets linked in.
            obj = os.path.join(out, "velmora.o")
            run(*windres, "-O", "coff", "-o", obj)
            self.assertIn(".rsrc", run("x86_64-w64-mingw32-objdump", "-h", obj))
        resources = rc_resources(text)
        by_type = {}
        for (kind, name), (language, body) in resources.items():
            by_type.setdefault(kind, []).append((name, language, body))

        # The icon: the ICO's one 32 x 32 image, listed by the icon group.
        icon = read(ico)
        _, _, count = struct.unpack_from("<HHH", icon, 0)
        self.assertEqual(count, 1)
        w, h, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", icon, 6)
        self.assertEqual(len(by_type.get(self.RT_ICON, [])), 1)
        icon_id, _, icon_body = by_type[self.RT_ICON][0]
        self.assertEqual(rc_words(icon_body), icon[offset:offset + size])
        self.assertEqual(len(by_type.get(self.RT_GROUP_ICON, [])), 1)
        group_name, _, group = by_type[self.RT_GROUP_ICON][0]
        self.assertEqual(group_name, "IDI_ICON1")
        self.assertRegex(group, r"^BEGIN\s+0, 1, 1,")  # reserved, icon, one entry
        entry = re.search(r'"((?:\\\d{3}){4})", (\d+), (\d+), 0x([0-9a-f]+)L, (\d+)', group)
        self.assertIsNotNone(entry, group)
        self.assertEqual((*rc_string('"' + entry.group(1) + '"').encode("latin-1"),
                          int(entry.group(2)), int(entry.group(3)), int(entry.group(4), 16),
                          entry.group(5)),
                         (32, 32, 0, 0, planes, bits, size, icon_id))

        # The version block: 1.0.0.0 in numbers, the version text in both tables.
        self.assertEqual(len(by_type.get("VERSIONINFO", [])), 1)
        _, language, block = by_type["VERSIONINFO"][0]
        self.assertEqual(language, 0x0402)
        self.assertIn(f'"{version}"', block)
        fixed = dict(re.findall(r"^ (FILEVERSION|PRODUCTVERSION) (.*)$", block, re.M))
        self.assertEqual(fixed, {"FILEVERSION": "1, 0, 0, 0", "PRODUCTVERSION": "1, 0, 0, 0"})
        tables = version_strings(block)
        self.assertEqual(set(tables), {"040204B0", "040904B0"})
        for table in ("040204B0", "040904B0"):
            strings = tables[table]
            self.assertEqual(strings["FileVersion"], version)
            self.assertEqual(strings["ProductVersion"], version)
            self.assertEqual(strings["ProductName"], "Velmora")
            self.assertEqual(strings["OriginalFilename"], "velmora.exe")
        self.assertIn("калкулатор за прав кръгов конус", tables["040204B0"]["FileDescription"])


class CommandLine(unittest.TestCase):
    """The built program's --help, --version and refusals, with Qt's options."""

    def velmora(self, *arguments, display=False):
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        if display:
            env["QT_QPA_PLATFORM"] = "offscreen"
        return subprocess.run([ARGS[0], *arguments], capture_output=True, text=True, env=env,
                              timeout=60)

    def test_help_and_version_need_no_display(self):
        for option, text in (("--help", "Употреба: velmora [опции]"), ("-h", "--version"),
                             ("--version", "Velmora 1.00\n"), ("-v", "Velmora 1.00\n"),
                             ("-platform", "Употреба")):
            with self.subTest(option=option):
                arguments = (option,) if option != "-platform" else ("-platform", "xcb", "-h")
                result = self.velmora(*arguments)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertIn(text, result.stdout)
                self.assertEqual(result.stderr, "")

    def test_unknown_options_and_arguments_are_refused(self):
        # Refused before any display is opened, shortened and with control
        # characters made visible.
        long_argument = "--" + "a" * 100_000 + "\x1b[2J"
        for arguments, named, display in (
                (("--bogus",), "--bogus", True), (("--bogus",), "--bogus", False),
                (("-reverse", "-x"), "-x", True), (("-reverse", "-x"), "-x", False),
                (("-platform", "offscreen", "cone.txt"), "cone.txt", True),
                (("--a\x07\x1b[31m",), "--a\\x07\\x1b[31m", False),
                ((long_argument,), "--" + "a" * 38 + "…", False)):
            with self.subTest(arguments=[a[:20] for a in arguments], display=display):
                result = self.velmora(*arguments, display=display)
                self.assertEqual(result.returncode, 2, result.stdout + result.stderr[:300])
                self.assertIn(f"„{named}“", result.stderr)
                self.assertIn("velmora --help", result.stderr)
                self.assertLess(len(result.stderr), 200)
                self.assertEqual(result.stdout, "")

    def test_no_display_is_said_in_one_line(self):
        line = "velmora: не може да се отвори дисплей, на който да се покаже прозорецът.\n"
        with tempfile.TemporaryDirectory() as runtime:
            for name, settings in (
                    ("no DISPLAY", {}),
                    ("DISPLAY pointing nowhere", {"DISPLAY": ":79", "XDG_RUNTIME_DIR": runtime}),
                    ("the X11 plugin asked for", {"QT_QPA_PLATFORM": "xcb"}),
                    ("Wayland with no compositor",
                     {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "nowhere",
                      "XDG_RUNTIME_DIR": runtime})):
                with self.subTest(name):
                    env = {k: v for k, v in os.environ.items()
                           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
                    env.update(settings)
                    result = subprocess.run([os.path.abspath(ARGS[0])], capture_output=True,
                                            text=True, env=env, cwd=runtime, timeout=60)
                    self.assertEqual(result.returncode, 1, result.stderr)
                    self.assertEqual(result.stderr, line)
                    self.assertEqual(result.stdout, "")
                    self.assertEqual(glob.glob(os.path.join(runtime, "core*")), [])

    def test_qt_options_open_the_window(self):
        # Taken by QApplication, they reach no refusal: the window opens and
        # stays until it is closed.
        env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
        with subprocess.Popen([ARGS[0], "-platform", "offscreen", "-reverse", "-style", "Fusion"],
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                              env=env) as program:
            try:
                program.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
            still_running = program.poll() is None
            program.terminate()
            _, errors = program.communicate(timeout=30)
        self.assertTrue(still_running, errors)


if __name__ == "__main__":
    CHECKS = {"desktop": Desktop, "metainfo": Metainfo, "icons": Icons, "manual": Manual,
              "install": Install, "deb": Deb, "reproducible": Reproducible, "windres": Windres, "command_line": CommandLine}
    if len(sys.argv) < 2 or sys.argv[1] not in CHECKS:
        sys.exit(__doc__)
    ARGS[:] = sys.argv[2:]
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(CHECKS[sys.argv[1]])
    ok = unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful()
    sys.exit(0 if ok else 1)
