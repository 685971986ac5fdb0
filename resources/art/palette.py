"""Turning painted RGB pictures into 8-bit palette images.

Every picture Velmora loads is a 256-colour bitmap.  Palettes start with
black at index 0 and a few fixed ramps; the rest is chosen from the picture's
own pixels.  Photographs are dithered, lettering and sparkles are not.
"""

import numpy as np
from PIL import Image


def to_u8(img):
    return (np.clip(img, 0, 1) * 255 + 0.5).astype(np.uint8)


def fixed_colours():
    """Colours every palette gets regardless of the pictures: a grey ramp and
    a pale-gold ramp, so the sparkles' fading arms stay neutral instead of
    snapping to some dark blue or green borrowed from a night scene."""
    greys = [(v, v, v) for v in (28, 44, 62, 82, 104, 128, 154, 182, 212, 240, 255)]
    gold = [tuple(int(c * f) for c in (255, 233, 160)) for f in (0.3, 0.45, 0.6, 0.8, 1.0)]
    return greys + gold


def build_palette(pixels):
    """A 256-colour palette for pixels, an (n, 3) uint8 array: black first,
    the fixed ramps, then colours chosen for the pixels.

    Returns a (256, 3) uint8 array.
    """
    fixed = fixed_colours()
    free = 255 - len(fixed)
    side = int(np.ceil(np.sqrt(len(pixels))))
    pad = np.zeros((side * side - len(pixels), 3), np.uint8)
    train = Image.fromarray(np.concatenate([pixels, pad]).reshape(side, side, 3), "RGB")
    q = train.quantize(colors=free, method=Image.Quantize.LIBIMAGEQUANT,
                       dither=Image.Dither.NONE)
    chosen = q.getpalette()[:free * 3]
    chosen += [0] * (free * 3 - len(chosen))
    colours = [0, 0, 0] + [c for rgb_ in fixed for c in rgb_] + chosen
    return np.array(colours, np.uint8).reshape(256, 3)


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

# how far the ordered dither may shift a photograph's brightness (of 255)
PHOTO_DITHER = 14.0


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


def remap_keeping_black(rgb_u8, palette, dither):
    """remap, with every pure black pixel forced to index 0, so black
    surrounds stay exactly black whatever the dither does."""
    idx = remap(rgb_u8, palette, dither)
    return np.where((rgb_u8 == 0).all(axis=2), 0, idx).astype(np.uint8)


def palette_image(indices, palette):
    """A PIL "P" image from an index array and a (256, 3) palette."""
    im = Image.fromarray(indices, "P")
    im.putpalette(palette.reshape(-1).tolist())
    return im
