"""Start-up of Velmora under wine beside a plain Qt window built the same way.

    wine_startup_bench.py [--runs N] VELMORA_EXE REFERENCE_EXE

Starts the two Windows programs alternately under wine, one warm-up run and
N timed runs each, and prints min, median and max of the time from starting
wine to the first painted frame, and the ratio of the medians. Run it on an
X display without a window manager (xvfb-run -a); wine's server stays up
between runs, as it does on a desktop once any Windows program has run.

The first frame is there once four points of the 481 x 424 client area show
their painted colours: the back colour left of the title strip and between
the frame and the picture, and the faces of the two command buttons (the
points of the Linux bench, bench/startup/startup_bench.cpp).
"""
import argparse
import os
import statistics
import subprocess
import time

from Xlib import X, display

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
SIZE = (481, 424)
PROBES = [(4, 4, 0xC0C0FF), (288, 110, 0xC0C0FF), (20, 197, 0x00FF00), (148, 197, 0xFF0000)]


def client_window(screen):
    """The shown X window of the client area's size, if there is one."""
    for child in screen.root.query_tree().children:
        try:
            if child.get_attributes().map_state != X.IsViewable:
                continue
            geometry = child.get_geometry()
        except Exception:  # the window went away meanwhile
            continue
        if (geometry.width, geometry.height) == SIZE:
            return child
    return None


def pixel(window, x, y):
    data = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
    return data[0] | data[1] << 8 | data[2] << 16  # BGRX on a 24-bit display


def painted(screen):
    window = client_window(screen)
    try:
        return window is not None and all(pixel(window, x, y) == colour for x, y, colour in PROBES)
    except Exception:
        return False


def measure(screen, program, patience=60):
    start = time.perf_counter()
    process = subprocess.Popen([WINE, os.path.basename(program)], cwd=os.path.dirname(program),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not painted(screen):
        if process.poll() is not None:
            raise SystemExit(f"{program} ended before its first frame")
        if time.perf_counter() - start > patience:
            raise SystemExit(f"{program} painted no window within {patience} s")
        time.sleep(0.001)
    elapsed = (time.perf_counter() - start) * 1000
    process.terminate()
    process.wait(10)
    deadline = time.perf_counter() + 10
    while client_window(screen) is not None and time.perf_counter() < deadline:
        time.sleep(0.005)
    return elapsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("velmora")
    parser.add_argument("reference")
    arguments = parser.parse_args()
    os.environ.setdefault("WINEDEBUG", "-all")
    os.environ["WINEDLLOVERRIDES"] = "mscoree,mshtml,winemenubuilder.exe="
    screen = display.Display().screen()
    programs = {"Velmora": os.path.abspath(arguments.velmora),
                "reference": os.path.abspath(arguments.reference)}
    print(f"Start-up under wine on X display {os.environ['DISPLAY']}, "
          f"{arguments.runs} timed runs of each after a warm-up run")
    times = {name: [] for name in programs}
    # Warm-up: the first start in a prefix sets up wine's font cache.
    for name, program in programs.items():
        measure(screen, program, patience=300)
    for run in range(1, arguments.runs + 1):
        for name, program in programs.items():
            times[name].append(measure(screen, program))
        print(f"run {run:2d}  Velmora {times['Velmora'][-1]:7.1f} ms   "
              f"reference {times['reference'][-1]:7.1f} ms", flush=True)
    print(f"\n{'start to first painted frame (ms)':36s} {'min':>9s} {'median':>9s} {'max':>9s}")
    for name, values in times.items():
        print(f"  {name:34s} {min(values):9.1f} {statistics.median(values):9.1f} {max(values):9.1f}")
    ratio = statistics.median(times["Velmora"]) / statistics.median(times["reference"])
    print(f"\nmedian start, Velmora / reference: {ratio:.3f} x")


if __name__ == "__main__":
    main()
