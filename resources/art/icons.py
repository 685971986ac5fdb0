"""The two application icons, and a plain .ico writer for them.

Each emblem is drawn large and scaled down for every size.  The smallest
sizes are drawn with heavier strokes and fewer details, because fine lines
turn to mush at 16 pixels.
"""

import io
import math
import struct

from PIL import Image, ImageDraw

SIZES = (16, 24, 32, 48, 256)
OVERSAMPLE = 8


def _rounded_square(n, top, bottom, radius):
    """Vertical gradient fill clipped to a rounded square covering n x n."""
    grad = Image.new("RGBA", (n, n))
    gd = ImageDraw.Draw(grad)
    for yy in range(n):
        t = yy / (n - 1)
        c = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3)) + (255,)
        gd.line([(0, yy), (n, yy)], fill=c)
    mask = Image.new("L", (n, n), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, n - 1, n - 1], radius=radius, fill=255)
    return grad, mask


def velmora_emblem(size):
    """A pink snowflake glowing above a snowy hill on a night-blue tile."""
    n = 256 * OVERSAMPLE if size > 48 else size * OVERSAMPLE * 2
    small = size <= 24
    tile, mask = _rounded_square(n, (14, 26, 74), (34, 66, 140), int(n * 0.22))
    d = ImageDraw.Draw(tile)
    # the snowy hill along the bottom of the tile
    d.ellipse([-n * 0.35, n * 0.72, n * 1.35, n * 1.6], fill=(214, 226, 248, 255))
    d.ellipse([-n * 0.2, n * 0.8, n * 0.9, n * 1.5], fill=(240, 245, 255, 255))
    if not small:
        # a few stars
        for sx, sy, r in ((0.16, 0.18, 0.012), (0.83, 0.14, 0.01), (0.86, 0.52, 0.008),
                          (0.12, 0.58, 0.009)):
            d.ellipse([n * (sx - r), n * (sy - r), n * (sx + r), n * (sy + r)],
                      fill=(255, 240, 250, 255))

    # soft pink halo behind the flake
    cx, cy = n * 0.5, n * 0.44
    halo = Image.new("L", (n, n), 0)
    hd = ImageDraw.Draw(halo)
    for k in range(24):
        r = n * (0.36 - k * 0.012)
        hd.ellipse([cx - r, cy - r, cx + r, cy + r], fill=int(4 + k * 3.2))
    tile = Image.composite(Image.new("RGBA", (n, n), (255, 80, 160, 255)), tile, halo)
    d = ImageDraw.Draw(tile)

    # six arms, each with side branches (one pair when tiny)
    pink, pale = (255, 105, 180, 255), (255, 214, 234, 255)
    arm = n * 0.31
    stroke = n * (0.075 if small else 0.042)
    for k in range(6):
        a = math.radians(90 + 60 * k)
        ex, ey = cx + arm * math.cos(a), cy - arm * math.sin(a)
        d.line([(cx, cy), (ex, ey)], fill=pink, width=int(stroke))
        d.ellipse([ex - stroke / 2, ey - stroke / 2, ex + stroke / 2, ey + stroke / 2], fill=pink)
        for f, L in (((0.55, 0.34),) if small else ((0.4, 0.3), (0.7, 0.22))):
            bx, by = cx + arm * f * math.cos(a), cy - arm * f * math.sin(a)
            for turn in (-1, 1):
                b = a + turn * math.radians(45)
                tx, ty = bx + arm * L * math.cos(b), by - arm * L * math.sin(b)
                d.line([(bx, by), (tx, ty)], fill=pink, width=int(stroke * 0.85))
                r = stroke * 0.42
                d.ellipse([tx - r, ty - r, tx + r, ty + r], fill=pink)
    # a pale heart to the flake so it reads as lit
    r = stroke * 1.3
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=pale)
    if not small:
        for k in range(6):
            a = math.radians(90 + 60 * k)
            ex, ey = cx + arm * 0.92 * math.cos(a), cy - arm * 0.92 * math.sin(a)
            d.line([(cx, cy), (ex, ey)], fill=pale, width=max(1, int(stroke * 0.28)))

    tile.putalpha(mask)
    return tile.resize((size, size), Image.LANCZOS)


def orvane_emblem(size):
    """A stack of three orange parcels on a blue tile: the product catalogue."""
    n = 256 * OVERSAMPLE if size > 48 else size * OVERSAMPLE * 2
    small = size <= 24
    tile, mask = _rounded_square(n, (36, 112, 206), (16, 58, 128), int(n * 0.22))
    d = ImageDraw.Draw(tile)

    def box(x0, y0, w, h, depth):
        """A carton seen slightly from above and to the right."""
        dx, dy = depth, -depth * 0.75
        front = [(x0, y0), (x0 + w, y0), (x0 + w, y0 + h), (x0, y0 + h)]
        top = [(x0, y0), (x0 + dx, y0 + dy), (x0 + w + dx, y0 + dy), (x0 + w, y0)]
        side = [(x0 + w, y0), (x0 + w + dx, y0 + dy), (x0 + w + dx, y0 + h + dy),
                (x0 + w, y0 + h)]
        edge = (90, 40, 10, 255)
        d.polygon(side, fill=(196, 104, 22, 255))
        d.polygon(top, fill=(255, 190, 105, 255))
        d.polygon(front, fill=(244, 142, 40, 255))
        lw = max(1, int(n * (0.018 if small else 0.01)))
        for poly in (front, top, side):
            d.line(poly + [poly[0]], fill=edge, width=lw, joint="curve")
        if not small:
            # parcel tape down the middle and a label on the front
            tx = x0 + w / 2
            d.polygon([(tx - w * 0.06, y0), (tx + w * 0.06, y0),
                       (tx + w * 0.06 + dx, y0 + dy), (tx - w * 0.06 + dx, y0 + dy)],
                      fill=(226, 196, 150, 255))
            d.rectangle([tx - w * 0.06, y0, tx + w * 0.06, y0 + h * 0.35],
                        fill=(226, 196, 150, 255))
            d.rectangle([x0 + w * 0.12, y0 + h * 0.55, x0 + w * 0.42, y0 + h * 0.8],
                        fill=(252, 244, 226, 255))

    # shadow under the stack
    d.ellipse([n * 0.1, n * 0.8, n * 0.92, n * 0.9], fill=(10, 36, 84, 255))
    bw, bh, dep = n * 0.36, n * 0.26, n * 0.08
    box(n * 0.1, n * 0.58, bw, bh, dep)
    box(n * 0.47, n * 0.58, bw, bh, dep)
    box(n * 0.27, n * 0.3, bw, bh * 1.02, dep)

    tile.putalpha(mask)
    return tile.resize((size, size), Image.LANCZOS)


# --------------------------------------------------------------------------
# .ico writing

def _dib_entry(img):
    """Classic icon image: 32-bit BGRA DIB plus the 1-bit AND mask."""
    w, h = img.size
    px = img.load()
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in range(h - 1, -1, -1):            # bottom-up
        rows.append(b"".join(struct.pack("BBBB", px[x, y][2], px[x, y][1],
                                         px[x, y][0], px[x, y][3]) for x in range(w)))
    stride = ((w + 31) // 32) * 4
    mask_rows = []
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            if px[x, y][3] == 0:              # fully transparent
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits))
    return header + b"".join(rows) + b"".join(mask_rows)


def _png_entry(img):
    buf = io.BytesIO()
    img.save(buf, format="PNG", optimize=True)
    return buf.getvalue()


def write_icon(path, emblem):
    """Write a multi-size .ico.  Small sizes are plain DIBs, which every
    resource compiler and every Windows version understands; 256 is PNG, as
    Windows expects for that size."""
    images = [(s, emblem(s).convert("RGBA")) for s in SIZES]
    blobs = [(_png_entry(im) if s >= 256 else _dib_entry(im)) for s, im in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (s, _), blob in zip(images, blobs):
        dim = 0 if s >= 256 else s
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    out += b"".join(blobs)
    with open(path, "wb") as f:
        f.write(out)
    print(f"wrote {path}")
