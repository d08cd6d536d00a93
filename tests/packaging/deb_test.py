"""The Debian packages that build_debian_packages.sh made, as Debian's tools
judge them.

    deb_test.py STORE_DIR VERSION SOURCE_DIR
"""

import glob
import gzip
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

from packaging_files import PACKAGED, PACKAGED_GZIP, read, run

# Tags that lintian --pedantic may still give the package, with the reason
# each is left (errors and warnings never are).
EXPLAINED_LINTIAN_TAGS = {}


class Deb(unittest.TestCase):
    def setUp(self):
        self.folder = os.path.join(STORE, "control")
        self.version = VERSION
        self.arch = run("dpkg", "--print-architecture").strip()
        multiarch = run("dpkg-architecture", "-qDEB_HOST_MULTIARCH").strip()
        # The program, and the print module it loads at the first print.
        self.binaries = ("usr/bin/velmora", f"usr/lib/{multiarch}/velmora/velmora-print.so")

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

    def test_contents(self):
        contents = {}
        for line in run("dpkg-deb", "--contents", self.package("velmora")).splitlines():
            mode, owner, *_, name = line.split()
            contents[name] = mode
            self.assertEqual(owner, "root/root", name)
        self.assertEqual(contents.get("./" + self.binaries[0]), "-rwxr-xr-x")
        self.assertEqual(contents.get("./" + self.binaries[1]), "-rw-r--r--")
        for path in list(PACKAGED) + list(PACKAGED_GZIP):
            self.assertEqual(contents.get("./" + path), "-rw-r--r--", path)
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "--extract", self.package("velmora"), unpacked)
            for path, origin in PACKAGED.items():
                with self.subTest(path=path):
                    self.assertEqual(read(os.path.join(unpacked, path)),
                                     read(os.path.join(SOURCE, origin)))
            for path, origin in PACKAGED_GZIP.items():
                with self.subTest(path=path):
                    packed = read(os.path.join(unpacked, path))
                    self.assertEqual(gzip.decompress(packed), read(os.path.join(SOURCE, origin)))
                    self.assertEqual(packed[4:8], b"\0\0\0\0")  # no time stamp (gzip -n)

    def test_debug_symbols(self):
        """velmora-dbgsym holds the debugging information of exactly the
        program and module that velmora ships, found by their build IDs."""
        dbgsym = self.package("velmora-dbgsym")
        self.assertEqual(self.field(dbgsym, "Depends"), f"velmora (= {self.version})")
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "--extract", self.package("velmora"), unpacked)
            build_ids = {}
            for binary in self.binaries:
                notes = run("readelf", "--notes", os.path.join(unpacked, binary))
                build_ids[binary] = re.search(r"Build ID: ([0-9a-f]+)", notes).group(1)
                self.assertNotIn(".debug_info", run("readelf", "-S", os.path.join(
                    unpacked, binary)))
            self.assertEqual(sorted(self.field(dbgsym, "Build-Ids").split()),
                             sorted(build_ids.values()))
            run("dpkg-deb", "--extract", dbgsym, unpacked)
            for binary, build_id in build_ids.items():
                debug = f"usr/lib/debug/.build-id/{build_id[:2]}/{build_id[2:]}.debug"
                with self.subTest(binary=binary):
                    self.assertIn(".debug_info",
                                  run("readelf", "-S", os.path.join(unpacked, debug)))

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
        """hardening-check's verdicts on the packaged program and module."""
        with tempfile.TemporaryDirectory() as unpacked:
            run("dpkg-deb", "--extract", self.package("velmora"), unpacked)
            for binary in self.binaries:
                with self.subTest(binary=binary):
                    self.check_verdicts(os.path.join(unpacked, binary))
        self.check_compiled_hardened()

    def check_verdicts(self, binary):
        result = subprocess.run(["hardening-check", "--verbose", binary],
                                capture_output=True, text=True)
        print(result.stdout, end="")
        run("hardening-check", "--nofortify", "--nocfprotection", binary)
        verdicts = dict(re.findall(r"(?m)^ ([^:\n]+): (.*)$", result.stdout))
        # A shared module is position independent by nature: hardening-check
        # says "no, regular shared library (ignored)".
        pie = "Position Independent Executable"
        for check in (pie, "Stack protected", "Read-only relocations", "Immediate binding"):
            with self.subTest(check=check):
                if check == pie and binary.endswith(".so"):
                    continue
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
        # known only at run time, which its manual names as a false alarm;
        # the print module calls no such function at all ("unknown").
        # That the sources were compiled with _FORTIFY_SOURCE (and optimised,
        # which it needs) is read from the build's compile commands instead.
        fortify = verdicts.get("Fortify Source functions", "")
        self.assertRegex(
            fortify, r"^(yes|no, only unprotected functions found!|unknown, no protectable libc)")

    def check_compiled_hardened(self):
        """The hardening flags in every compile command of the build."""
        (compile_commands,) = glob.glob(os.path.join(self.folder, "*", "obj-*",
                                                     "compile_commands.json"))
        with open(compile_commands, encoding="utf-8") as f:
            commands = [entry["command"] for entry in json.load(f)]
        self.assertTrue(commands)
        for command in commands:
            self.assertRegex(command, r"-D_FORTIFY_SOURCE=[23]\b")
            self.assertRegex(command, r" -O[23s]\b")
            self.assertIn("-fstack-protector-strong", command)
            if self.arch in ("amd64", "i386"):
                self.assertIn("-fstack-clash-protection", command)
                self.assertIn("-fcf-protection", command)


if __name__ == "__main__":
    STORE, VERSION, SOURCE = sys.argv[1:]
    unittest.main(argv=sys.argv[:1], verbosity=2)
