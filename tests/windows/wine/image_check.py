"""Compares what the screen shows with Velmora's image assets.

    image_check.py icon ICO_FILE < xprop output of _NET_WM_ICON (numbers)
        The window's icon, as the X server has it, is the ICO's image of the
        same size.
    image_check.py picture SCREENSHOT JPEG_FILE X Y
        The screenshot shows the JPEG with its top left corner at X, Y
        (give or take two pixels).
Exit status 0 when it is so, 1 when not (with the reason on stderr).
"""
import re
import sys

from PIL import Image, ImageChops, ImageStat

# Mean difference per colour channel, 0..255, below which two images are the
# same picture: decoders and scalers differ a little, other pictures a lot.
SAME_PICTURE = 12


def mean_difference(a, b):
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def icon(ico_path):
    numbers = [int(n) for n in re.findall(r"\d+", sys.stdin.read().split("=", 1)[-1])]
    images = {}  # (width, height) -> RGBA image, from width, height, pixels...
    while len(numbers) >= 2:
        width, height = numbers[0], numbers[1]
        pixels = numbers[2:2 + width * height]
        if width == 0 or len(pixels) < width * height:
            break
        image = Image.new("RGBA", (width, height))
        image.putdata([((p >> 16) & 255, (p >> 8) & 255, p & 255, p >> 24) for p in pixels])
        images[(width, height)] = image
        numbers = numbers[2 + width * height:]
    ico = Image.open(ico_path)
    for size in ico.ico.sizes():
        if size in images:
            wanted = Image.new("RGB", size, "white")
            wanted.paste(ico.ico.getimage(size).convert("RGBA"), mask=ico.ico.getimage(size).convert("RGBA"))
            shown = Image.new("RGB", size, "white")
            shown.paste(images[size], mask=images[size])
            difference = mean_difference(wanted, shown)
            if difference < SAME_PICTURE:
                return 0
            print(f"the {size} icon differs from the ICO's by {difference:.1f}", file=sys.stderr)
            return 1
    print(f"no icon of the ICO's sizes among {sorted(images)}", file=sys.stderr)
    return 1


def picture(screenshot_path, jpeg_path, x, y):
    screen = Image.open(screenshot_path).convert("RGB")
    jpeg = Image.open(jpeg_path).convert("RGB")
    best = min(
        mean_difference(screen.crop((x + dx, y + dy, x + dx + jpeg.width, y + dy + jpeg.height)), jpeg)
        for dx in range(-2, 3) for dy in range(-2, 3))
    if best < SAME_PICTURE:
        return 0
    print(f"the screen at {x},{y} differs from the picture by {best:.1f}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    if sys.argv[1:2] == ["icon"] and len(sys.argv) == 3:
        sys.exit(icon(sys.argv[2]))
    if sys.argv[1:2] == ["picture"] and len(sys.argv) == 6:
        sys.exit(picture(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5])))
    sys.exit(__doc__)
