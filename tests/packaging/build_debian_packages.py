#!/usr/bin/python3
"""Build Velmora's Debian packages twice, side by side, from one source tree.

    build_debian_packages.py SOURCE_DIR OUTPUT_DIR

Copies the source tree's files (those git tracks, or the whole tree outside
git) into two folders of OUTPUT_DIR whose paths differ in name and length,
and runs `dpkg-buildpackage -us -uc` in both at once, each with its own time
zone, locale and umask. Each build leaves the source package, the binary
packages and its log beside its folder: OUTPUT_DIR/<build>/. The tests run
once on the program itself, so both builds take the nocheck profile.
"""

import os
import shutil
import subprocess
import sys

# Folder of each build, and what differs between the two besides the path.
BUILDS = (
    ("first", "velmora", {"TZ": "UTC", "LC_ALL": "C.UTF-8"}, 0o022),
    ("second-build-elsewhere", "velmora-1.00", {"TZ": "Asia/Tokyo", "LC_ALL": "C"}, 0o002),
)
LEFT_OUT = ("build", ".git", ".cache")


def source_files(source):
    """Paths, relative to the source tree, of the files that make it up."""
    listed = subprocess.run(["git", "-C", source, "ls-files", "-z", "--cached", "--others",
                             "--exclude-standard"], capture_output=True)
    if listed.returncode == 0:
        names = [n.decode() for n in listed.stdout.split(b"\0") if n]
        # Files deleted from the work tree but not yet from git's index.
        return [n for n in names if os.path.lexists(os.path.join(source, n))]
    files = []
    for folder, dirs, names in os.walk(source):
        dirs[:] = [d for d in dirs if d not in LEFT_OUT and not d.startswith("obj-")]
        files += [os.path.relpath(os.path.join(folder, n), source) for n in names]
    return files


def copy_tree(source, target):
    for name in source_files(source):
        os.makedirs(os.path.join(target, os.path.dirname(name)), exist_ok=True)
        shutil.copy2(os.path.join(source, name), os.path.join(target, name), follow_symlinks=False)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    source, output = (os.path.abspath(a) for a in argv[1:])
    shutil.rmtree(output, ignore_errors=True)
    builds = []
    for folder, tree, env, umask in BUILDS:
        parent = os.path.join(output, folder)
        copy_tree(source, os.path.join(parent, tree))
        log = open(os.path.join(parent, "build.log"), "w")
        environment = dict(os.environ, **env, DEB_BUILD_OPTIONS="nocheck parallel=1")
        for name in ("SOURCE_DATE_EPOCH", "MAKEFLAGS", "CMAKE_BUILD_PARALLEL_LEVEL"):
            environment.pop(name, None)
        process = subprocess.Popen(
            ["nice", "-n", "10", "dpkg-buildpackage", "-us", "-uc", "-Pnocheck"],
            cwd=os.path.join(parent, tree), stdout=log, stderr=subprocess.STDOUT,
            env=environment, preexec_fn=lambda umask=umask: os.umask(umask))
        builds.append((folder, process, log))
    failed = []
    for folder, process, log in builds:
        if process.wait() != 0:
            failed.append(folder)
        log.close()
    for folder in failed:
        with open(os.path.join(output, folder, "build.log"), encoding="utf-8",
                  errors="replace") as f:
            print(f"dpkg-buildpackage failed in {folder}:\n" + "".join(f.readlines()[-40:]))
    for folder, *_ in BUILDS:
        print(folder + ":", " ".join(sorted(n for n in os.listdir(os.path.join(output, folder))
                                            if os.path.isfile(os.path.join(output, folder, n)))))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main(sys.argv)
