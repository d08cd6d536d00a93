"""What the packaging checks share: the files Velmora installs, each with the
file of the source tree it comes from, and a way to run a tool."""

import subprocess

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
