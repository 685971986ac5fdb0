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
from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep __pycache__ out of the source tree

import icons  # noqa: E402
import layout  # noqa: E402
from paint import blur, finish, rgb  # noqa: E402
from scenes_day import (frozen_lake, mountain_sunrise, snowman,  # noqa: E402
                        snowy_forest, snowy_hills)
from scenes_dusk import lighthouse, log_cabin, village  # noqa: E402
from scenes_night import aurora, moonlit_fields  # noqa: E402

RESOURCES = os.path.dirname(HERE)
FONT_DIR = "/usr/share/fonts/opentype/dancingscript"
FONT_BOLD = os.path.join(FONT_DIR, "DancingScript-Bold.otf")
FONT_COPYRIGHT = "/usr/share/doc/fonts-dancingscript/copyright"

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

def fit_font(text, max_w, max_h):
    """Largest Dancing Script Bold size whose ink fits the box."""
    size = 90
    while size > 10:
        font = ImageFont.truetype(FONT_BOLD, size)
        l, t, r, b = font.getbbox(text)
        if r - l <= max_w and b - t <= max_h:
            return font
        size -= 1
    raise RuntimeError("greeting does not fit the banner")


def banner(w, h):
    """Pink script greeting on black with a soft glow and a lit top edge."""
    margin_x, margin_y = 14, 4
    font = fit_font(GREETING, w - 2 * margin_x, h - 2 * margin_y)
    l, t, r, b = font.getbbox(GREETING)
    ox = (w - (r - l)) // 2 - l
    oy = (h - (b - t)) // 2 - t

    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).text((ox, oy), GREETING, font=font, fill=255)
    a = np.asarray(mask, dtype=np.float32) / 255.0

    # the letters: pale pink at the top of each stroke deepening downwards
    ys = np.arange(h, dtype=np.float32)[:, None]
    t_ = np.clip((ys - (oy + t)) / (b - t), 0, 1)
    face = rgb("#ffd0e4") * (1 - t_[..., None]) + rgb("#ff5ea8") * t_[..., None]
    face = np.broadcast_to(face, (h, w, 3))
    # a thin highlight where a stroke has no ink just above it
    above = np.zeros_like(a)
    above[1:] = a[:-1]
    rim = np.clip(a - above, 0, 1) * 0.5

    glow = blur(a, 2.5)[..., None] * rgb("#ff3d8e") * 0.55
    img = glow * (1 - a[..., None]) + face * a[..., None]
    img = img + rim[..., None] * (1 - img) * 0.8
    # clean black around the lettering: trim the faintest glow to zero
    lum = img.max(axis=2)
    img[lum < 0.03] = 0
    return finish(img)


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


def to_u8(img):
    return (np.clip(img, 0, 1) * 255 + 0.5).astype(np.uint8)


def fixed_colours():
    """Colours every sheet gets regardless of the pictures: a grey ramp and a
    pale-gold ramp, so the sparkles' fading arms stay neutral instead of
    snapping to some dark blue or green borrowed from a night scene."""
    greys = [(v, v, v) for v in (28, 44, 62, 82, 104, 128, 154, 182, 212, 240, 255)]
    gold = [tuple(int(c * f) for c in (255, 233, 160)) for f in (0.3, 0.45, 0.6, 0.8, 1.0)]
    return greys + gold


def build_palette(sheet_u8):
    """One shared 256-colour palette: black first, a few fixed ramps, then
    colours chosen for the pictures."""
    fixed = fixed_colours()
    free = 255 - len(fixed)
    # Train only on the pictures, not the acres of black between them.
    strips = [sheet_u8[y:y + h, x:x + w].reshape(-1, 3)
              for x, y, w, h in layout.all_rects()]
    pixels = np.concatenate(strips)
    side = int(np.ceil(np.sqrt(len(pixels))))
    pad = np.zeros((side * side - len(pixels), 3), np.uint8)
    train = Image.fromarray(np.concatenate([pixels, pad]).reshape(side, side, 3), "RGB")
    q = train.quantize(colors=free, method=Image.Quantize.LIBIMAGEQUANT,
                       dither=Image.Dither.NONE)
    chosen = q.getpalette()[:free * 3]
    chosen += [0] * (free * 3 - len(chosen))
    colours = [0, 0, 0] + [c for rgb_ in fixed for c in rgb_] + chosen
    pal = Image.new("P", (1, 1))
    pal.putpalette(colours)
    return pal


# 8x8 Bayer matrix, values centred on zero: the threshold pattern for
# ordered dithering.
_BAYER = np.array([[0, 32, 8, 40, 2, 34, 10, 42],
                   [48, 16, 56, 24, 50, 18, 58, 26],
                   [12, 44, 4, 36, 14, 46, 6, 38],
                   [60, 28, 52, 20, 62, 30, 54, 22],
                   [3, 35, 11, 43, 1, 33, 9, 41],
                   [51, 19, 59, 27, 49, 17, 57, 25],
                   [15, 47, 7, 39, 13, 45, 5, 37],
                   [63, 31, 55, 23, 61, 29, 53, 21]], np.float32) / 64.0 - 0.5 + 1 / 128

# green matters most to the eye, blue least
_WEIGHTS = np.array([3.0, 4.0, 2.0], np.float32)


def nearest_index(pixels, palette):
    """Exact nearest palette entry for each pixel (weighted RGB distance).

    |a - p|^2 expands to |a|^2 - 2 a.p + |p|^2; |a|^2 is the same for every
    candidate, so only the last two terms are needed, as one matrix product.
    """
    pal = palette.astype(np.float64) * np.sqrt(_WEIGHTS)
    pal_sq = (pal ** 2).sum(axis=1)
    px = pixels.astype(np.float64) * np.sqrt(_WEIGHTS)
    out = np.empty(len(px), np.uint8)
    for i in range(0, len(px), 65536):
        chunk = px[i:i + 65536]
        out[i:i + 65536] = (pal_sq[None, :] - 2.0 * chunk @ pal.T).argmin(axis=1)
    return out


def remap(rgb_u8, palette, dither):
    """Map an RGB block onto the palette.

    Photographs get a gentle ordered dither: it breaks up banding in the
    skies without the stray off-colour specks that error diffusion scatters
    when neighbouring palette entries differ in hue.  The same offset goes on
    all three channels, so it shifts brightness, never colour.
    """
    h, w = rgb_u8.shape[:2]
    px = rgb_u8.astype(np.float32)
    if dither:
        px = px + (dither * _BAYER[np.arange(h)[:, None] % 8, np.arange(w)[None, :] % 8])[..., None]
    return nearest_index(px.reshape(-1, 3), palette).reshape(h, w)


def quantise(sheet, parts):
    """Map the sheet onto one shared palette.

    The banner and sparkles are mapped without dithering so no stray dots
    appear in their black surround.  Anything outside the rectangles, and any
    pure black pixel, is index 0.
    """
    sheet_u8 = to_u8(sheet)
    pal = build_palette(sheet_u8)
    palette = np.array(pal.getpalette()[:768], np.uint8).reshape(256, 3)
    out = np.zeros((layout.SHEET_H, layout.SHEET_W), np.uint8)
    for (x, y, w, h), _, dither in parts:
        block = sheet_u8[y:y + h, x:x + w]
        idx = remap(block, palette, 14.0 if dither else 0.0)
        black = (block == 0).all(axis=2)
        out[y:y + h, x:x + w] = np.where(black, 0, idx)
    # the empty sparkle frame must be exactly zero
    x, y, w, h = layout.SPARKLES[6]
    out[y:y + h, x:x + w] = 0
    im = Image.fromarray(out, "P")
    im.putpalette(palette.reshape(-1).tolist())
    return im


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
