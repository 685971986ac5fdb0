"""Velmora's pink script lettering: Dancing Script Bold with a soft glow on black.

The greeting banner, the title picture and the preview picture all use it.
"""

import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from paint import blur, finish, rgb

FONT_DIR = "/usr/share/fonts/opentype/dancingscript"
FONT_BOLD = os.path.join(FONT_DIR, "DancingScript-Bold.otf")
FONT_COPYRIGHT = "/usr/share/doc/fonts-dancingscript/copyright"


def fit_font(text, max_w, max_h, largest=90):
    """Largest Dancing Script Bold size whose ink fits the box."""
    size = largest
    while size > 6:
        font = ImageFont.truetype(FONT_BOLD, size)
        l, t, r, b = font.getbbox(text)
        if r - l <= max_w and b - t <= max_h:
            return font
        size -= 1
    raise RuntimeError(f"{text!r} does not fit {max_w}x{max_h}")


def glowing_script(text, w, h, margin_x, margin_y, largest=90, glow_sigma=2.5):
    """Pink script text centred in a w x h block of black.

    The letters run from pale pink at the top of each stroke to deep pink at
    the bottom, with a thin lit rim on their upper edges and a pink glow
    around them.  Returns a float RGB picture.
    """
    font = fit_font(text, w - 2 * margin_x, h - 2 * margin_y, largest)
    l, t, r, b = font.getbbox(text)
    ox = (w - (r - l)) // 2 - l
    oy = (h - (b - t)) // 2 - t

    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).text((ox, oy), text, font=font, fill=255)
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

    glow = blur(a, glow_sigma)[..., None] * rgb("#ff3d8e") * 0.55
    img = glow * (1 - a[..., None]) + face * a[..., None]
    img = img + rim[..., None] * (1 - img) * 0.8
    # clean black around the lettering: trim the faintest glow to zero
    lum = img.max(axis=2)
    img[lum < 0.03] = 0
    return finish(img)
