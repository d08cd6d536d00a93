#!/usr/bin/env python3
"""Draw the cone figure shown in Velmora's main window.

Writes a baseline JFIF JPEG (137 x 162 pixels, 96 dpi, YCbCr) with a black
line drawing on white: an upright right circular cone with its height H
(dashed, apex to base centre), its base radius R (dashed) and its slant
height L.  The output is deterministic: same bytes on every run.

Usage: make_cone_figure.py [OUTPUT]   (default: <repo>/window/cone-figure.jpg)
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 137, 162
SCALE = 4  # drawn 4x larger, then reduced: this gives smooth antialiased lines

FONT_CANDIDATES = (
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf",
)

# Geometry in final-pixel coordinates.
APEX = (68.0, 9.0)
CENTRE = (68.0, 134.0)
RX, RY = 54.0, 18.0
LINE = 1.4          # solid line width
DASHED_LINE = 1.1   # dashed line width
DASH, GAP = 4.0, 3.0
FONT_PX = 14


def repo_root():
    return os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def find_font():
    for path in FONT_CANDIDATES:
        if os.path.exists(path):
            return path
    sys.exit("make_cone_figure: no serif font found (install fonts-dejavu-core)")


def s(value):
    """Final-pixel coordinate -> supersampled coordinate."""
    return value * SCALE


def pt(p):
    return (s(p[0]), s(p[1]))


def width_px(w):
    return max(1, round(w * SCALE))


def round_caps(draw, points, w):
    r = w * SCALE / 2.0
    for x, y in points:
        draw.ellipse((s(x) - r, s(y) - r, s(x) + r, s(y) + r), fill=0)


def solid_polyline(draw, points, w):
    draw.line([pt(p) for p in points], fill=0, width=width_px(w), joint="curve")
    round_caps(draw, points, w)


def dashed_polyline(draw, points, w, dash=DASH, gap=GAP):
    """Dash a polyline by arc length so the pattern runs on across vertices."""
    on = True
    left = dash
    current = [points[0]]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        seg = math.hypot(x1 - x0, y1 - y0)
        pos = 0.0
        while seg - pos > 1e-9:
            step = min(left, seg - pos)
            pos += step
            left -= step
            t = pos / seg
            p = (x0 + (x1 - x0) * t, y0 + (y1 - y0) * t)
            if on:
                current.append(p)
            if left <= 1e-9:
                if on and len(current) > 1:
                    solid_polyline(draw, current, w)
                on = not on
                left = dash if on else gap
                current = [p]
    if on and len(current) > 1:
        solid_polyline(draw, current, w)


def ellipse_arc(start_deg, end_deg, steps=160):
    """Points of the base ellipse; 0 deg = right end, 90 deg = front (lower)."""
    pts = []
    for i in range(steps + 1):
        a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
        pts.append((CENTRE[0] + RX * math.cos(a), CENTRE[1] + RY * math.sin(a)))
    return pts


def letter(draw, font, text, cx, cy):
    """Draw a letter centred on (cx, cy) by its ink box."""
    left, top, right, bottom = draw.textbbox((0, 0), text, font=font)
    x = s(cx) - (left + right) / 2.0
    y = s(cy) - (top + bottom) / 2.0
    draw.text((round(x), round(y)), text, font=font, fill=0)


def render():
    img = Image.new("L", (WIDTH * SCALE, HEIGHT * SCALE), 255)
    draw = ImageDraw.Draw(img)
    font = ImageFont.truetype(find_font(), FONT_PX * SCALE)

    left_end = (CENTRE[0] - RX, CENTRE[1])
    right_end = (CENTRE[0] + RX, CENTRE[1])

    # Base: the front half solid, the hidden back half dashed.
    solid_polyline(draw, ellipse_arc(0, 180), LINE)
    dashed_polyline(draw, ellipse_arc(180, 360), DASHED_LINE)

    # Slant sides.
    solid_polyline(draw, [APEX, left_end], LINE)
    solid_polyline(draw, [APEX, right_end], LINE)

    # Height and radius, dashed, meeting at a small dot in the base centre.
    dashed_polyline(draw, [APEX, CENTRE], DASHED_LINE)
    dashed_polyline(draw, [CENTRE, right_end], DASHED_LINE)
    r = 1.4 * SCALE
    draw.ellipse((s(CENTRE[0]) - r, s(CENTRE[1]) - r,
                  s(CENTRE[0]) + r, s(CENTRE[1]) + r), fill=0)

    # Labels.
    letter(draw, font, "H", CENTRE[0] - 9.5, 82.0)
    letter(draw, font, "R", CENTRE[0] + RX * 0.5, CENTRE[1] - 7.5)
    t = 0.5  # halfway down the right slant side
    sx = APEX[0] + (right_end[0] - APEX[0]) * t
    sy = APEX[1] + (right_end[1] - APEX[1]) * t
    letter(draw, font, "L", sx + 11.0, sy - 3.0)

    small = img.resize((WIDTH, HEIGHT), Image.LANCZOS)
    return small.convert("RGB")


def main(argv):
    if len(argv) > 2:
        sys.exit("usage: make_cone_figure.py [OUTPUT]")
    out = argv[1] if len(argv) == 2 else os.path.join(repo_root(), "window", "cone-figure.jpg")
    out_dir = os.path.dirname(os.path.abspath(out))
    os.makedirs(out_dir, exist_ok=True)
    render().save(
        out,
        format="JPEG",
        quality=90,
        optimize=False,
        progressive=False,
        subsampling="4:4:4",
        dpi=(96, 96),
    )
    print("wrote", out)


if __name__ == "__main__":
    main(sys.argv)
