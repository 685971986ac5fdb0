#!/usr/bin/python3
"""Paints Velmora's artwork and writes it into resources/.

    /usr/bin/python3 resources/art/make_art.py

Writes:
  resources/velmora_sprites.bmp          the 8-bit sprite sheet
  resources/velmora.ico                  the screen saver's icon
  resources/orvane_products.ico          the catalogue viewer's icon
  resources/title_picture.bmp            320 x 240, the settings dialog's picture
  resources/preview_picture.bmp          150 x 112, the about box's and the preview's
  resources/hand.cur                     the settings dialog's hand cursor
  resources/catalog.doc                  the catalogue of the maker's programs (RTF)
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
from catalog_doc import write_catalogue  # noqa: E402
from cursor import write_cursor  # noqa: E402
from lettering import FONT_COPYRIGHT, glowing_script  # noqa: E402
from palette import (PHOTO_DITHER, build_palette, palette_image,  # noqa: E402
                     remap_keeping_black, to_u8)
from pictures import write_pictures  # noqa: E402
from scenes_day import (frozen_lake, mountain_sunrise, snowman,  # noqa: E402
                        snowy_forest, snowy_hills)
from scenes_dusk import lighthouse, log_cabin, village  # noqa: E402
from scenes_night import aurora, moonlit_fields  # noqa: E402
from sparkle import sparkle  # noqa: E402

RESOURCES = os.path.dirname(HERE)
REPO = os.path.dirname(RESOURCES)

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
        "Velmora's greeting banner (resources/velmora_sprites.bmp) and the",
        "lettering of resources/title_picture.bmp and resources/preview_picture.bmp",
        "are drawn with this font.  Its licence follows.",
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
    write_pictures(os.path.join(RESOURCES, "title_picture.bmp"),
                   os.path.join(RESOURCES, "preview_picture.bmp"))
    write_cursor(os.path.join(RESOURCES, "hand.cur"))
    write_catalogue(os.path.join(RESOURCES, "catalog.doc"), REPO)
    write_font_licence(os.path.join(RESOURCES, "fonts", "DancingScript-LICENSE.txt"))
    print(f"done in {time.time() - start:.1f}s")


if __name__ == "__main__":
    main()
