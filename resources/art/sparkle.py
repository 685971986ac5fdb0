"""The twinkling sparkle: a four-pointed star in seven shrinking frames."""

import numpy as np

from paint import finish, rgb


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
