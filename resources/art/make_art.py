#!/usr/bin/python3
"""Paints Velmora's artwork and writes it into resources/.

    /usr/bin/python3 resources/art/make_art.py

Writes:
  resources/velmora_sprites.bmp          the 8-bit sprite sheet
  resources/velmora.ico                  the screen saver's icon
  resources/orvane_products.ico          the catalogue viewer's icon
  resources/fonts/DancingScript-LICENSE.txt

Everything is painted by code from fixed random seeds, so running it twice
gives byte-identical files.  Needs Debian's python3-pil and python3-numpy.
"""

import os
import sys
import time

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep __pycache__ out of the source tree

import icons  # noqa: E402
import layout  # noqa: E402
from lettering import FONT_COPYRIGHT, glowing_script  # noqa: E402
from paint import finish, rgb  # noqa: E402
from palette import (PHOTO_DITHER, build_palette, palette_image,  # noqa: E402
                     remap_keeping_black, to_u8)
from scenes_day import (frozen_lake, mountain_sunrise, snowman,  # noqa: E402
                        snowy_forest, snowy_hills)
from scenes_dusk import lighthouse, log_cabin, village  # noqa: E402
from scenes_night import aurora, moonlit_fields  # noqa: E402

RESOURCES = os.path.dirname(HERE)

GREETING = "Merry Christmas and a Happy New Year"

# One painter per photograph, in the order of layout.PHOTOS.
PAINTERS = [
    snowy_hills,       # 1
    log_cabin,         # 2
    lighthouse,        # 3  (tall and narrow)
    frozen_lake,       # 4
    village,           # 5
    snowman,           # 6  (nearly square)
    mountain_sunrise,  # 7
    aurora,            # 8
    snowy_forest,      # 9  (tall and narrow)
    moonlit_fields,    # 10 (wide)
]


# --------------------------------------------------------------------------
# banner

def banner(w, h):
    """Pink script greeting on black with a soft glow and a lit top edge."""
    return glowing_script(GREETING, w, h, margin_x=14, margin_y=4)


# --------------------------------------------------------------------------
# sparkles

def sparkle(k, w, h):
    """Frame k of the twinkle: a four-pointed star that shrinks to a point.

    Frame 6 is empty on purpose (the screen saver ORs these onto the screen,
    so an all-black frame leaves the screen untouched).
    """
    img = np.zeros((h, w, 3), np.float32)
    if k >= 6:
        return img
    s = [1.0, 0.78, 0.58, 0.4, 0.24, 0.08][k]
    cx, cy = (w - 1) / 2, (h - 1) / 2
    y, x = np.mgrid[0:h, 0:w].astype(np.float32)
    dx, dy = x - cx, y - cy
    lv, lh = 10.4 * s, 7.4 * s        # arm lengths, the cell is taller than wide
    thick = 0.45 + 0.5 * s
    vert = np.exp(-(dx / thick) ** 2) * np.clip(1 - np.abs(dy) / max(lv, 0.5), 0, 1) ** 1.6
    horiz = np.exp(-(dy / thick) ** 2) * np.clip(1 - np.abs(dx) / max(lh, 0.5), 0, 1) ** 1.6
    diag_l = 3.2 * s
    r = np.sqrt(dx * dx + dy * dy)
    diag = np.exp(-((np.abs(dx) - np.abs(dy)) / 0.55) ** 2) \
        * np.clip(1 - r / max(diag_l, 0.5), 0, 1) * 0.55 * (s > 0.3)
    core = np.exp(-(r / (0.5 + 1.4 * s)) ** 2)
    inten = np.clip(np.maximum.reduce([vert, horiz, diag, core]), 0, 1) ** 0.8
    # white-hot centre, arms cooling to pale gold at their tips
    tip = np.clip(r / max(lv, 1), 0, 1)[..., None]
    col = rgb("#ffffff") * (1 - tip) + rgb("#ffe9a0") * tip
    img = inten[..., None] * col
    img[inten < 0.12] = 0
    return finish(img)


# --------------------------------------------------------------------------
# the sheet

def compose():
    """Paint every picture into an RGB sheet (float) and return the parts."""
    sheet = np.zeros((layout.SHEET_H, layout.SHEET_W, 3), np.float32)
    parts = []  # (rect, float image, dither?)
    _, _, bw, bh = layout.BANNER
    parts.append((layout.BANNER, banner(bw, bh), False))
    for rect, painter in zip(layout.PHOTOS, PAINTERS):
        _, _, w, h = rect
        parts.append((rect, painter(w, h), True))
    for k, rect in enumerate(layout.SPARKLES):
        _, _, w, h = rect
        parts.append((rect, sparkle(k, w, h), False))
    for (x, y, w, h), img, _ in parts:
        assert img.shape == (h, w, 3), (x, y, img.shape)
        sheet[y:y + h, x:x + w] = img
    return sheet, parts


def quantise(sheet, parts):
    """Map the sheet onto one shared palette.

    The palette is trained only on the pictures, not the acres of black
    between them.  The banner and sparkles are mapped without dithering so no
    stray dots appear in their black surround.  Anything outside the
    rectangles, and any pure black pixel, is index 0.
    """
    sheet_u8 = to_u8(sheet)
    palette = build_palette(np.concatenate(
        [sheet_u8[y:y + h, x:x + w].reshape(-1, 3) for x, y, w, h in layout.all_rects()]))
    out = np.zeros((layout.SHEET_H, layout.SHEET_W), np.uint8)
    for (x, y, w, h), _, dither in parts:
        out[y:y + h, x:x + w] = remap_keeping_black(
            sheet_u8[y:y + h, x:x + w], palette, PHOTO_DITHER if dither else 0.0)
    # the empty sparkle frame must be exactly zero
    x, y, w, h = layout.SPARKLES[6]
    out[y:y + h, x:x + w] = 0
    return palette_image(out, palette)


def write_sprites(path):
    t0 = time.time()
    sheet, parts = compose()
    t1 = time.time()
    im = quantise(sheet, parts)
    im.save(path, format="BMP")
    print(f"wrote {path}  (paint {t1 - t0:.1f}s, quantise {time.time() - t1:.1f}s)")


# --------------------------------------------------------------------------
# licence

def write_font_licence(path):
    """Ship the font's OFL text next to the art that is derived from it."""
    with open(FONT_COPYRIGHT, encoding="utf-8") as f:
        text = f.read()
    # keep the upstream copyright and licence; drop the Debian packaging bits
    body = text.split("License: OFL-1.1", 1)[1].split("\nFiles: debian/*", 1)[0]
    lines = []
    for line in body.strip("\n").splitlines():
        line = line[1:] if line.startswith(" ") else line
        lines.append("" if line.strip() == "." else line.rstrip())
    header = [
        "Dancing Script (Bold), by Pablo Impallari and Igino Marini.",
        "Velmora's greeting banner (resources/velmora_sprites.bmp) is lettered",
        "with this font.  Its licence follows.",
        "",
    ]
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(header + lines).rstrip() + "\n")
    print(f"wrote {path}")


def main():
    start = time.time()
    write_sprites(os.path.join(RESOURCES, "velmora_sprites.bmp"))
    icons.write_icon(os.path.join(RESOURCES, "velmora.ico"), icons.velmora_emblem)
    icons.write_icon(os.path.join(RESOURCES, "orvane_products.ico"), icons.orvane_emblem)
    write_font_licence(os.path.join(RESOURCES, "fonts", "DancingScript-LICENSE.txt"))
    print(f"done in {time.time() - start:.1f}s")


if __name__ == "__main__":
    main()
