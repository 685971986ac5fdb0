#!/usr/bin/python3
"""Checks the dialog pictures, the hand cursor and catalog.doc.

    /usr/bin/python3 resources/art/check_pictures.py

Needs only python3-pil.  Exits non-zero (with a message) on the first
problem found.
"""

import os
import re
import struct
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep __pycache__ out of the source tree

import layout  # noqa: E402

RESOURCES = os.path.dirname(HERE)
PICTURES = [(os.path.join(RESOURCES, "title_picture.bmp"), layout.TITLE_PICTURE),
            (os.path.join(RESOURCES, "preview_picture.bmp"), layout.PREVIEW_PICTURE)]
CURSOR = os.path.join(RESOURCES, "hand.cur")
CURSOR_HOTSPOT = (12, 1)
CATALOGUE = os.path.join(RESOURCES, "catalog.doc")


def check_bmp_header(path, size):
    """The loader and windres want a plain 8-bit, uncompressed, bottom-up DIB."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:2] == b"BM", f"{path}: not a BMP"
    off_bits = struct.unpack_from("<I", data, 10)[0]
    (hdr, w, h, planes, bpp, comp, _, _, _, clr_used, _) = \
        struct.unpack_from("<IiiHHIIiiII", data, 14)
    assert hdr == 40, f"{path}: expected BITMAPINFOHEADER, got header size {hdr}"
    assert (w, h) == size, f"{path}: size {w}x{h}, want {size[0]}x{size[1]}"
    assert h > 0, f"{path}: rows must be stored bottom-up"
    assert planes == 1 and bpp == 8, f"{path}: {bpp} bits per pixel"
    assert comp == 0, f"{path}: must be BI_RGB (uncompressed)"
    assert clr_used in (0, 256), f"{path}: palette has {clr_used} entries, want 256"
    assert off_bits == 14 + 40 + 256 * 4, f"{path}: pixel data should follow a 256-entry palette"
    stride = (w + 3) & ~3
    assert len(data) >= off_bits + stride * h, f"{path}: file is truncated"
    b, g, r = data[54], data[55], data[56]
    assert (r, g, b) == (0, 0, 0), f"{path}: palette entry 0 is {(r, g, b)}, not black"


def region(im, rect):
    x, y, w, h = rect
    return im.crop((x, y, x + w, y + h))


def check_picture(path, plan):
    """Pink lettering on black above a photograph that fills its place."""
    check_bmp_header(path, plan["size"])
    im = Image.open(path)
    assert im.mode == "P", f"{path}: mode {im.mode}"
    rgb = im.convert("RGB")
    name = os.path.basename(path)

    # outside the lettering and the photograph everything is black
    w, h = plan["size"]
    covered = Image.new("1", (w, h), 0)
    for x, y, rw, rh in (plan["lettering"], plan["photo"]):
        covered.paste(1, (x, y, x + rw, y + rh))
    stray = [(x, y) for y in range(h) for x in range(w)
             if not covered.getpixel((x, y)) and im.getpixel((x, y)) != 0]
    assert not stray, f"{name}: {len(stray)} lit pixels off the layout, e.g. {stray[:3]}"

    # the lettering: enough bright pink ink, none of it touching the ends
    letters = region(rgb, plan["lettering"])
    px = list(letters.getdata())
    bright = [p for p in px if sum(p) > 300]
    assert len(bright) > len(px) * 0.04, f"{name}: lettering is too faint or too small"
    r = sum(p[0] for p in bright) / len(bright)
    g = sum(p[1] for p in bright) / len(bright)
    b = sum(p[2] for p in bright) / len(bright)
    assert r > g + 40 and r > b and b > g, f"{name}: lettering is not pink ({r:.0f},{g:.0f},{b:.0f})"
    lw, lh = letters.size
    ends = [letters.getpixel((x, y)) for y in range(lh) for x in (0, lw - 1)]
    assert all(p == (0, 0, 0) for p in ends), f"{name}: lettering touches its ends"

    # the photograph: painted edge to edge and genuinely pictorial
    photo = region(im, plan["photo"])
    pw, ph = photo.size
    colours = photo.getcolors(256)
    assert len(colours) >= 40, f"{name}: photograph uses only {len(colours)} colours"
    for side, pts in (("top", [(x, 0) for x in range(pw)]), ("bottom", [(x, ph - 1) for x in range(pw)]),
                      ("left", [(0, y) for y in range(ph)]), ("right", [(pw - 1, y) for y in range(ph)])):
        lit = sum(1 for p in pts if photo.getpixel(p) != 0)
        assert lit > len(pts) / 2, f"{name}: photograph has a black {side} edge"


def check_cursor(path, hotspot):
    """One 32 x 32 image, monochrome or 32-bit, its hotspot on the fingertip."""
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert reserved == 0 and kind == 2, "hand.cur: not a cursor file"
    assert count == 1, f"hand.cur: {count} images, want 1"
    w, h, _, _, hot_x, hot_y, size, off = struct.unpack_from("<BBBBHHII", data, 6)
    assert (w, h) == (32, 32), f"hand.cur: entry is {w}x{h}"
    assert (hot_x, hot_y) == hotspot, f"hand.cur: hotspot ({hot_x}, {hot_y}), want {hotspot}"
    assert off + size == len(data), "hand.cur: image does not end the file"
    hdr, dw, dh, planes, bpp, comp = struct.unpack_from("<IiiHHI", data, off)
    assert hdr == 40 and (dw, dh) == (32, 64), f"hand.cur: DIB {dw}x{dh}, want 32x64"
    assert planes == 1 and bpp in (1, 32) and comp == 0, f"hand.cur: {bpp} bits, compression {comp}"
    colours = 2 if bpp == 1 else 0
    xor_size = 32 * 32 * bpp // 8
    assert size == 40 + 4 * colours + xor_size + 32 * 4, f"hand.cur: image size {size}"

    # opaque where the AND mask is 0; rows are stored bottom-up
    mask = data[off + 40 + 4 * colours + xor_size:off + size]

    def opaque(x, y):
        return not (mask[(31 - y) * 4 + x // 8] >> (7 - x % 8)) & 1
    assert opaque(*hotspot), "hand.cur: the hotspot is on a see-through pixel"
    top = min(y for y in range(32) for x in range(32) if opaque(x, y))
    assert top == hotspot[1], f"hand.cur: the hand reaches row {top}, above the hotspot"
    lit = sum(opaque(x, y) for y in range(32) for x in range(32))
    assert 200 < lit < 800, f"hand.cur: {lit} opaque pixels, not a hand"


def check_rtf(path):
    with open(path, "rb") as f:
        data = f.read()
    assert data.startswith(b"{\\rtf1"), "catalog.doc: does not start with {\\rtf1"
    assert all(b < 128 for b in data), "catalog.doc: not plain ASCII"
    text = data.decode("ascii")
    depth, i = 0, 0
    while i < len(text):
        c = text[i]
        if c == "\\":
            i += 2   # \{ \} \\ are literal characters; any other control word is harmless
            continue
        if c == "{":
            depth += 1
        elif c == "}":
            depth -= 1
            assert depth >= 0, f"catalog.doc: unbalanced '}}' at offset {i}"
            if depth == 0:
                assert not text[i + 1:].strip(), "catalog.doc: text after the closing brace"
        i += 1
    assert depth == 0, f"catalog.doc: {depth} group(s) left open"
    for host in re.findall(r"(?:https?|ftp)://([^/\s\"}]+)", text):
        assert re.search(r"(^|\.)example\.(com|org)$", host), f"catalog.doc: address on {host}"
    for needle in ("Orvane Software", "Velmora Screen Saver", "Orvane Products"):
        assert needle in text, f"catalog.doc: no mention of {needle}"


def main():
    for path, plan in PICTURES:
        check_picture(path, plan)
    check_cursor(CURSOR, CURSOR_HOTSPOT)
    check_rtf(CATALOGUE)
    print("dialog pictures, hand cursor and catalog.doc OK")


if __name__ == "__main__":
    main()
