#!/usr/bin/python3
"""Checks a screen capture of the running saver against the sprite sheet.

    check_capture.py CAPTURE.bmp SHEET.bmp BANNER_TOP PHOTO_TOP

The banner (sheet rectangle 2, 2, 1134 x 73) must appear pixel for pixel in the
rows from BANNER_TOP, at some horizontal offset; one of the ten photographs must
appear pixel for pixel in the 240 rows from PHOTO_TOP; everything else must be
black apart from a few sparkles (at most five, 15 x 21 each). A sparkle may lie
over the banner or the photograph: it is ORed onto them, so a pixel there may
differ from the sheet only by having more bits set.
"""
import sys

from PIL import Image

BANNER = (2, 2, 1134, 73)
PHOTOS = [(4, 82, 320, 240), (335, 84, 320, 240), (856, 84, 203, 240), (5, 582, 320, 240),
          (629, 597, 320, 240), (353, 588, 242, 240), (335, 330, 320, 240), (5, 327, 320, 240),
          (666, 84, 174, 240), (664, 330, 353, 240)]


SPARKLE_PIXELS = 5 * 15 * 21


def covers(screen_pixel, sheet_pixel):
    """The screen shows the sheet's pixel, perhaps with a sparkle ORed onto it."""
    return all(s | p == s for s, p in zip(screen_pixel, sheet_pixel))


def find_offset(screen, sheet, rect, top):
    """The screen x at which the sheet rectangle's visible part matches, or None."""
    sx, sy, w, h = rect
    width = screen.width
    # Only a match that includes some of the picture's lit pixels counts: black on black proves nothing.
    lit_columns = {i for i in range(w) if any(sheet.getpixel((sx + i, sy + j)) != (0, 0, 0) for j in range(h))}
    for x in range(-w + 1, width):
        visible = [(i, x + i) for i in range(w) if 0 <= x + i < width]
        if len(visible) < 8 or not any(i in lit_columns for i, _ in visible):
            continue
        # Cheap test on one row first, then the whole rectangle.
        if not all(covers(screen.getpixel((col, top + h // 2)), sheet.getpixel((sx + i, sy + h // 2)))
                   for i, col in visible):
            continue
        pairs = [(screen.getpixel((col, top + j)), sheet.getpixel((sx + i, sy + j)))
                 for j in range(h) for i, col in visible]
        if all(covers(s, p) for s, p in pairs) and sum(s != p for s, p in pairs) <= SPARKLE_PIXELS:
            return x, [col for _, col in visible]
    return None


def main():
    capture, sheet_path, banner_top, photo_top = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    screen = Image.open(capture).convert("RGB")
    sheet = Image.open(sheet_path).convert("RGB")
    failures = []

    banner = find_offset(screen, sheet, BANNER, banner_top)
    if banner is None:
        failures.append(f"no banner in rows {banner_top}..{banner_top + 72}")
    else:
        print(f"banner at x = {banner[0]}, rows {banner_top}..{banner_top + 72}")

    photo = None
    for number, rect in enumerate(PHOTOS, 1):
        photo = find_offset(screen, sheet, rect, photo_top)
        if photo:
            print(f"photograph {number} at x = {photo[0]}, rows {photo_top}..{photo_top + 239}")
            break
    if photo is None:
        failures.append(f"no photograph in rows {photo_top}..{photo_top + 239}")

    # Black elsewhere, apart from sparkles.
    covered = set()
    if banner:
        covered |= {(c, r) for c in banner[1] for r in range(banner_top, banner_top + 73)}
    if photo:
        covered |= {(c, r) for c in photo[1] for r in range(photo_top, photo_top + 240)}
    lit = [(x, y) for y in range(screen.height) for x in range(screen.width)
           if (x, y) not in covered and screen.getpixel((x, y)) != (0, 0, 0)]
    print(f"{len(lit)} lit pixels outside banner and photograph")
    if len(lit) > 5 * 15 * 21:
        failures.append(f"{len(lit)} lit pixels outside banner and photograph: more than five sparkles")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
