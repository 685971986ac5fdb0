#!/usr/bin/python3
"""Checks the committed artwork against what the C++ side relies on.

    /usr/bin/python3 resources/art/check_sheet.py

Exits non-zero (with a message) on the first problem found.
"""

import os
import struct
import sys

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep __pycache__ out of the source tree

import layout  # noqa: E402
from check_pictures import check_bmp_header  # noqa: E402

RESOURCES = os.path.dirname(HERE)
SHEET = os.path.join(RESOURCES, "velmora_sprites.bmp")
ICONS = [os.path.join(RESOURCES, n) for n in ("velmora.ico", "orvane_products.ico")]


def lit(cell):
    return int((cell != 0).sum())


def check_sheet(path):
    im = Image.open(path)
    assert im.size == (layout.SHEET_W, layout.SHEET_H), im.size
    assert im.mode == "P", im.mode
    pal = np.array(im.getpalette()[:768], dtype=np.int32).reshape(-1, 3)
    assert tuple(pal[0]) == (0, 0, 0), f"palette entry 0 is {tuple(pal[0])}"
    idx = np.asarray(im)

    # nothing may leak outside the rectangles the saver blits from
    inside = np.zeros(idx.shape, bool)
    for x, y, w, h in layout.all_rects():
        assert x >= 0 and y >= 0 and x + w <= layout.SHEET_W and y + h <= layout.SHEET_H
        assert not inside[y:y + h, x:x + w].any(), f"rectangle {(x, y, w, h)} overlaps another"
        inside[y:y + h, x:x + w] = True
    stray = np.argwhere((idx != 0) & ~inside)
    assert len(stray) == 0, f"{len(stray)} non-zero pixels outside the rectangles, e.g. {stray[:3].tolist()}"

    # sparkles: ORed onto the screen, so their surround must be exactly 0
    cells = [idx[y:y + h, x:x + w] for x, y, w, h in layout.SPARKLES]
    assert lit(cells[6]) == 0, "the last sparkle frame must be empty"
    counts = [lit(c) for c in cells[:6]]
    assert counts[5] > 0, "the smallest sparkle vanished"
    assert all(a > b for a, b in zip(counts, counts[1:])), f"sparkles do not shrink: {counts}"
    for k, c in enumerate(cells[:6]):
        ys, xs = np.nonzero(c)
        cy, cx = (c.shape[0] - 1) / 2, (c.shape[1] - 1) / 2
        assert abs(ys.mean() - cy) < 1 and abs(xs.mean() - cx) < 1, f"sparkle {k + 1} off centre"
        assert c[c.shape[0] // 2, c.shape[1] // 2] != 0, f"sparkle {k + 1} has a dark centre"
        # the cross's centre should be the brightest thing in it
        centre = pal[c[c.shape[0] // 2, c.shape[1] // 2]].sum()
        assert centre >= 600, f"sparkle {k + 1} centre is dim ({centre})"

    # the banner: pink lettering on a black strip
    x, y, w, h = layout.BANNER
    b = idx[y:y + h, x:x + w]
    rgb = pal[b]
    ink = b != 0
    assert 0.05 < ink.mean() < 0.6, f"banner ink coverage {ink.mean():.2f}"
    assert (b[:, :4] == 0).all() and (b[:, -4:] == 0).all(), "banner lettering touches its ends"
    bright = rgb[(rgb.sum(axis=2) > 300)]
    assert len(bright) > 1000, "banner lettering is too faint"
    r, g, bl = bright[:, 0].mean(), bright[:, 1].mean(), bright[:, 2].mean()
    assert r > g + 40 and r > bl and bl > g, f"banner is not pink (mean {r:.0f},{g:.0f},{bl:.0f})"

    # photographs: filled edge to edge and genuinely pictorial
    for n, (x, y, w, h) in enumerate(layout.PHOTOS, 1):
        p = idx[y:y + h, x:x + w]
        colours = pal[p]
        distinct = len(np.unique(p))
        spread = colours.reshape(-1, 3).std(axis=0).mean()
        assert distinct >= 40, f"photograph {n} uses only {distinct} colours"
        assert spread >= 12, f"photograph {n} looks flat (spread {spread:.1f})"
        # a night sky may dither to black here and there, but an unpainted
        # strip along an edge would be solid black
        for name, edge in (("top", p[0]), ("bottom", p[-1]), ("left", p[:, 0]), ("right", p[:, -1])):
            assert (edge != 0).mean() > 0.5, f"photograph {n} has a black {name} edge"
    # no two photographs should be near-copies of each other
    means = [pal[idx[y:y + h, x:x + w]].reshape(-1, 3).mean(axis=0) for x, y, w, h in layout.PHOTOS]
    for i in range(len(means)):
        for j in range(i + 1, len(means)):
            assert np.abs(means[i] - means[j]).sum() > 3, f"photographs {i + 1} and {j + 1} look alike"


def check_icon(path):
    """A standard multi-size .ico as windres expects."""
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert reserved == 0 and kind == 1, f"{path}: not an icon file"
    sizes = set()
    for i in range(count):
        w, h, _, _, planes, bpp, size, off = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        assert off + size <= len(data), f"{path}: entry {i} runs past the end"
        blob = data[off:off + size]
        if blob[:8] == b"\x89PNG\r\n\x1a\n":
            assert w == 256, f"{path}: PNG entry at {w}px; keep small sizes as DIBs"
        else:
            hdr, dw, dh, _, dbpp = struct.unpack_from("<IiiHH", blob, 0)
            assert hdr == 40 and dw == w and dh == 2 * h and dbpp == bpp == 32, \
                f"{path}: bad DIB header for {w}px"
        sizes.add(w)
    assert sizes == {16, 24, 32, 48, 256}, f"{path}: sizes {sorted(sizes)}"
    im = Image.open(path)
    assert set(im.info["sizes"]) >= {(16, 16), (32, 32), (256, 256)}


def main():
    check_bmp_header(SHEET, (layout.SHEET_W, layout.SHEET_H))
    check_sheet(SHEET)
    for path in ICONS:
        check_icon(path)
    print("sprite sheet and icons OK")


if __name__ == "__main__":
    main()
