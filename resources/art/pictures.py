"""The dialog and preview pictures: pink script lettering above a winter
photograph, on black, in the manner of the sprite sheet.

  title picture    320 x 240  the product name above the photograph
                              (the settings dialog)
  preview picture  150 x 112  the greeting above the same photograph
                              (the about box and the Display Properties preview)

Each is an 8-bit bitmap with its own 256-colour palette.
"""

import numpy as np
from PIL import Image

import layout
from lettering import glowing_script
from palette import (PHOTO_DITHER, build_palette, palette_image,
                     remap_keeping_black, to_u8)
from scenes_dusk import log_cabin
from sparkle import sparkle

PRODUCT_NAME = "Velmora"
PREVIEW_GREETING = "Merry Christmas"

# The photograph is painted at the sprite sheet's size; each picture shows a
# full-width band of it around this row (the cabin), scaled to fit.
SCENE_SIZE = (320, 240)
SCENE_CENTRE_Y = 138


def scaled(img, w, h):
    """Resample a float RGB picture to w x h (Lanczos, channel by channel)."""
    chans = [np.asarray(Image.fromarray(img[..., c], "F").resize((w, h), Image.LANCZOS))
             for c in range(3)]
    return np.clip(np.stack(chans, axis=2), 0, 1)


def photo(scene, w, h):
    """The band of the scene that has the shape of w x h, scaled to w x h."""
    sw, sh = SCENE_SIZE
    band = round(sw * h / w)
    top = min(max(SCENE_CENTRE_Y - band // 2, 0), sh - band)
    return scaled(scene[top:top + band], w, h)


def layout_picture(w, h, parts):
    """Put float parts on a black w x h canvas.

    parts: [((left, top), picture, dither)], dither being how strongly the
    part is dithered when quantised (0 for none).  Returns the canvas and the
    parts with their rectangles, as the quantiser wants them.
    """
    canvas = np.zeros((h, w, 3), np.float32)
    placed = []
    for (x, y), img, dither in parts:
        ph, pw = img.shape[:2]
        assert x >= 0 and y >= 0 and x + pw <= w and y + ph <= h, (x, y, pw, ph)
        canvas[y:y + ph, x:x + pw] = img
        placed.append(((x, y, pw, ph), dither))
    return canvas, placed


def quantise_picture(canvas, placed):
    """One palette for the whole picture, trained on its non-black pixels;
    photographs dithered, lettering not, black kept exactly black."""
    u8 = to_u8(canvas)
    px = u8.reshape(-1, 3)
    palette = build_palette(px[px.any(axis=1)])
    out = np.zeros(u8.shape[:2], np.uint8)
    for (x, y, w, h), dither in placed:
        out[y:y + h, x:x + w] = remap_keeping_black(u8[y:y + h, x:x + w], palette, dither)
    return palette_image(out, palette)


def add_sparkles(img, spots):
    """Light sparkles onto a picture: spots are (centre x, centre y, frame)."""
    for cx, cy, k in spots:
        s = sparkle(k, 15, 21)
        x, y = cx - 7, cy - 10
        img[y:y + 21, x:x + 15] = np.maximum(img[y:y + 21, x:x + 15], s)
    return img


def ink_box(img):
    """(left, top, right, bottom) of the non-black pixels."""
    ys, xs = np.nonzero(img.max(axis=2))
    return xs.min(), ys.min(), xs.max() + 1, ys.max() + 1


def title_picture(scene):
    plan = layout.TITLE_PICTURE
    x, y, w, h = plan["lettering"]
    name = glowing_script(PRODUCT_NAME, w, h, margin_x=40, margin_y=6, largest=120)
    l, t, r, b = ink_box(name)
    add_sparkles(name, [(l - 6, t + 12, 0), (r + 4, b - 30, 2), (r - 30, t + 8, 4)])
    px, py, pw, ph = plan["photo"]
    pic = photo(scene, pw, ph)
    return layout_picture(*plan["size"], [((x, y), name, 0.0), ((px, py), pic, PHOTO_DITHER)])


def preview_picture(scene):
    plan = layout.PREVIEW_PICTURE
    x, y, w, h = plan["lettering"]
    greeting = glowing_script(PREVIEW_GREETING, w, h, margin_x=6, margin_y=3,
                              glow_sigma=1.2)
    px, py, pw, ph = plan["photo"]
    pic = photo(scene, pw, ph)
    # small enough that 256 colours nearly cover it: dither only lightly
    return layout_picture(*plan["size"], [((x, y), greeting, 0.0),
                                          ((px, py), pic, PHOTO_DITHER / 2)])


def write_pictures(title_path, preview_path):
    scene = log_cabin(*SCENE_SIZE)
    for path, make in ((title_path, title_picture), (preview_path, preview_picture)):
        quantise_picture(*make(scene)).save(path, format="BMP")
        print(f"wrote {path}")
