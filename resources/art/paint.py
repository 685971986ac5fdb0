"""Small painting toolkit shared by the winter scenes.

Pictures are numpy float arrays of shape (h, w, 3) with values in 0..1.
Hard-edged shapes are drawn with PIL at several times the final size and
scaled down, which gives them clean anti-aliased edges; everything soft
(skies, snow, mist, glows) is computed directly with numpy.
"""

import math

import numpy as np
from PIL import Image, ImageDraw

SS = 4  # supersampling factor for shape masks


def rgb(hex_or_tuple):
    """'#rrggbb' or (r, g, b) in 0..255 -> float array in 0..1."""
    if isinstance(hex_or_tuple, str):
        h = hex_or_tuple.lstrip("#")
        hex_or_tuple = tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))
    return np.array(hex_or_tuple, dtype=np.float32) / 255.0


def mix(a, b, t):
    """Linear blend; t may be a scalar or an array broadcastable to a."""
    t = np.asarray(t, dtype=np.float32)
    if t.ndim and t.shape[-1] != 3:
        t = t[..., None]
    return a + (b - a) * t


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def ramp(t, stops):
    """Colour ramp: stops is [(pos, colour), ...] with pos ascending 0..1."""
    t = np.asarray(t, dtype=np.float32)
    pos = np.array([p for p, _ in stops], dtype=np.float32)
    cols = np.stack([rgb(c) for _, c in stops])
    out = np.empty(t.shape + (3,), dtype=np.float32)
    for ch in range(3):
        out[..., ch] = np.interp(t, pos, cols[:, ch])
    return out


def vgradient(w, h, stops, y0=0.0, y1=1.0):
    """Sky-style vertical gradient; y0/y1 say which rows the stops span."""
    t = (np.arange(h, dtype=np.float32) / max(h - 1, 1) - y0) / (y1 - y0)
    col = ramp(np.clip(t, 0, 1), stops)
    return np.repeat(col[:, None, :], w, axis=1)


def coords(w, h):
    """Pixel-centre coordinate grids (x, y)."""
    y, x = np.mgrid[0:h, 0:w].astype(np.float32)
    return x, y


# --------------------------------------------------------------------------
# noise

def value_noise(w, h, cell_x, cell_y, rng):
    """One octave of smooth noise with features about cell_x by cell_y px."""
    gw = int(math.ceil(w / cell_x)) + 3
    gh = int(math.ceil(h / cell_y)) + 3
    grid = rng.random((gh, gw)).astype(np.float32)
    big = Image.fromarray(grid, "F").resize(
        (int(gw * cell_x), int(gh * cell_y)), Image.BICUBIC)
    ox = int(rng.integers(0, max(1, int(cell_x))))
    oy = int(rng.integers(0, max(1, int(cell_y))))
    arr = np.asarray(big)[oy + int(cell_y):oy + int(cell_y) + h,
                          ox + int(cell_x):ox + int(cell_x) + w]
    return arr.astype(np.float32)


def fbm(w, h, cell, rng, octaves=4, gain=0.5, stretch=(1.0, 1.0)):
    """Fractal noise normalised to roughly 0..1.

    stretch lets a caller squash the features (e.g. (4, 1) for long
    horizontal streaks on ice, (1, 6) for rain-like vertical gullies).
    """
    total = np.zeros((h, w), dtype=np.float32)
    amp, norm = 1.0, 0.0
    c = float(cell)
    for _ in range(octaves):
        cx = max(c * stretch[0], 1.0)
        cy = max(c * stretch[1], 1.0)
        total += amp * value_noise(w, h, cx, cy, rng)
        norm += amp
        amp *= gain
        c /= 2.0
    total /= norm
    lo, hi = np.percentile(total, 1), np.percentile(total, 99)
    return np.clip((total - lo) / (hi - lo + 1e-6), 0, 1)


def noise1d(n, cell, rng, octaves=4, gain=0.5):
    """Fractal noise along a line (ridges, shorelines, aurora curtains)."""
    total = np.zeros(n, dtype=np.float32)
    amp, norm, c = 1.0, 0.0, float(cell)
    xs = np.arange(n, dtype=np.float32)
    for _ in range(octaves):
        c = max(c, 1.0)
        k = int(n / c) + 4
        pts = rng.random(k).astype(np.float32)
        # cosine interpolation between random control points
        u = xs / c + rng.random()
        i = np.floor(u).astype(int)
        f = u - i
        f = (1 - np.cos(f * np.pi)) * 0.5
        total += amp * (pts[i] * (1 - f) + pts[i + 1] * f)
        norm += amp
        amp *= gain
        c /= 2.0
    total /= norm
    return (total - total.min()) / (total.max() - total.min() + 1e-6)


# --------------------------------------------------------------------------
# blurs and glows

def gaussian_kernel(sigma):
    r = max(1, int(sigma * 3))
    k = np.exp(-0.5 * (np.arange(-r, r + 1) / sigma) ** 2).astype(np.float32)
    return k / k.sum(), r


def blur(arr, sigma, sigma_y=None):
    """Separable Gaussian blur of a 2-D or 3-D array (edges clamped)."""
    if sigma_y is None:
        sigma_y = sigma
    out = arr.astype(np.float32)
    for axis, s in ((1, sigma), (0, sigma_y)):
        if s <= 0:
            continue
        k, r = gaussian_kernel(s)
        pad = [(0, 0)] * out.ndim
        pad[axis] = (r, r)
        p = np.pad(out, pad, mode="edge")
        acc = np.zeros_like(out)
        n = out.shape[axis]
        for i, wgt in enumerate(k):
            sl = [slice(None)] * out.ndim
            sl[axis] = slice(i, i + n)
            acc += wgt * p[tuple(sl)]
        out = acc
    return out


def radial(w, h, cx, cy, radius, aspect=1.0):
    """Distance from (cx, cy) in units of radius (aspect squashes y)."""
    x, y = coords(w, h)
    return np.sqrt(((x - cx) / radius) ** 2 + ((y - cy) / (radius * aspect)) ** 2)


def add_glow(img, cx, cy, radius, colour, strength=1.0, aspect=1.0):
    """Additive soft light, e.g. a lamp or a low sun."""
    h, w = img.shape[:2]
    d = radial(w, h, cx, cy, radius, aspect)
    g = np.exp(-d * d) * strength
    img += g[..., None] * rgb(colour)
    return img


def screen(img, light):
    """Screen blend: brightens without clipping harshly."""
    return 1.0 - (1.0 - img) * (1.0 - np.clip(light, 0, 1))


# --------------------------------------------------------------------------
# shapes

class Canvas:
    """A supersampled greyscale mask to draw shapes onto with PIL.

    Coordinates passed to the helpers are in final-picture pixels.
    """

    def __init__(self, w, h, ss=SS):
        self.w, self.h, self.ss = w, h, ss
        self.im = Image.new("L", (w * ss, h * ss), 0)
        self.d = ImageDraw.Draw(self.im)

    def _p(self, pts):
        s = self.ss
        return [(x * s, y * s) for x, y in pts]

    def poly(self, pts, fill=255):
        self.d.polygon(self._p(pts), fill=fill)

    def rect(self, x0, y0, x1, y1, fill=255):
        s = self.ss
        self.d.rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=fill)

    def ellipse(self, cx, cy, rx, ry, fill=255):
        s = self.ss
        self.d.ellipse([(cx - rx) * s, (cy - ry) * s,
                        (cx + rx) * s, (cy + ry) * s], fill=fill)

    def line(self, pts, width, fill=255):
        s = self.ss
        self.d.line(self._p(pts), fill=fill, width=max(1, int(round(width * s))),
                    joint="curve")
        # round the ends so thick branches do not look sawn off
        r = width * s / 2
        for x, y in (pts[0], pts[-1]):
            self.d.ellipse([x * s - r, y * s - r, x * s + r, y * s + r], fill=fill)

    def alpha(self):
        small = self.im.resize((self.w, self.h), Image.BOX)
        return np.asarray(small, dtype=np.float32) / 255.0


def paint(img, alpha, colour):
    """Composite colour (constant or per-pixel array) through an alpha mask."""
    a = np.clip(alpha, 0, 1)[..., None]
    col = colour if isinstance(colour, np.ndarray) else rgb(colour)
    img *= (1 - a)
    img += a * col
    return img


def below_curve(w, h, curve, soft=0.7):
    """Alpha that is 1 under a per-column height line (ground, hills)."""
    _, y = coords(w, h)
    return np.clip((y - curve[None, :]) / soft + 0.5, 0, 1)


# --------------------------------------------------------------------------
# trees

def pine(cv, x, base, height, width, rng, snow=None, snowiness=0.6, lean=0.0):
    """A spruce built from tapering, drooping boughs, drawn top to bottom.

    cv receives the dark body; snow (another Canvas) receives the snow lying
    along the upper side of the boughs.  snowiness 0..1 says how laden.
    """
    top = base - height
    trunk_h = height * 0.08
    crown_h = height - trunk_h
    cv.line([(x, base), (x, top + crown_h * 0.2)], max(width * 0.06, 0.5))
    cv.poly([(x, top - 1), (x - width * 0.05, top + crown_h * 0.1),
             (x + width * 0.05, top + crown_h * 0.1)])
    levels = int(np.clip(crown_h / 1.5, 4, 90))
    gap = crown_h / levels
    for i in range(levels):
        t = (i + 0.5) / levels
        y = top + crown_h * t
        cx = x + lean * (1 - t) * width
        # boughs get longer downwards, but irregularly
        reach = width * 0.5 * (0.08 + 0.92 * t ** 0.9) * rng.uniform(0.7, 1.1)
        th = max(gap * 1.7, 0.5)
        for side in (-1, 1):
            r = reach * rng.uniform(0.85, 1.05)
            droop = rng.uniform(0.25, 0.6)

            def along(u, off=0.0):
                # the bough is flat near the trunk and sags towards its tip
                return (cx + side * r * u, y + r * droop * u * u + off)
            cv.poly([along(0, -th / 2), along(0.5, -th * 0.4), along(1.0),
                     along(0.5, th * 0.4), along(0, th / 2)])
            if snow is not None and rng.random() < snowiness:
                a0 = rng.uniform(0.0, 0.3)
                a1 = rng.uniform(0.55, 0.95)
                st = th * rng.uniform(0.45, 0.75)
                am = (a0 + a1) / 2
                snow.poly([along(a0, -th * 0.55), along(am, -th * 0.55 - st * 0.3),
                           along(a1, -th * 0.4), along(am, -th * 0.55 + st),
                           along(a0, -th * 0.55 + st * 0.8)])


def bare_tree(cv, x, base, height, rng, depth=7, spread=0.55, width=None,
              trunk=0.32):
    """A leafless deciduous tree, grown by recursive forking.

    trunk is the length of the bole as a fraction of the height.
    """
    width = width or height * 0.06

    def grow(x0, y0, ang, length, wd, d):
        x1 = x0 + math.sin(ang) * length
        y1 = y0 - math.cos(ang) * length
        # a gentle kink in the middle keeps branches from looking ruled
        mx = (x0 + x1) / 2 + rng.uniform(-0.08, 0.08) * length
        my = (y0 + y1) / 2
        cv.line([(x0, y0), (mx, my), (x1, y1)], max(wd, 0.35))
        if d == 0:
            return
        kids = 2 if rng.random() < 0.75 else 3
        for k in range(kids):
            a = ang + (k - (kids - 1) / 2) * spread * rng.uniform(0.6, 1.3) \
                + rng.uniform(-0.15, 0.15)
            grow(x1, y1, a, length * rng.uniform(0.62, 0.8), wd * 0.66, d - 1)

    grow(x, base, rng.uniform(-0.05, 0.05), height * trunk, width, depth)


# --------------------------------------------------------------------------
# weather and sky

def snowfall(img, rng, count, rmin=0.4, rmax=1.6, opacity=(0.5, 0.95),
             colour="#ffffff", region=None, motion=0.0):
    """Soft round flakes; bigger ones are nearer, so blurrier and brighter.

    region=(x0, y0, x1, y1) limits where flakes appear.  motion smears flakes
    downward a little, as a camera would with a slow shutter.
    """
    h, w = img.shape[:2]
    x0, y0, x1, y1 = region or (0, 0, w, h)
    col = rgb(colour)
    for _ in range(count):
        r = rmin + (rmax - rmin) * rng.random() ** 2.2
        fx = rng.uniform(x0, x1)
        fy = rng.uniform(y0, y1)
        op = rng.uniform(*opacity)
        ext = int(math.ceil(r * 2.5 + motion)) + 1
        xa, xb = max(0, int(fx) - ext), min(w, int(fx) + ext + 1)
        ya, yb = max(0, int(fy) - ext), min(h, int(fy) + ext + 1)
        if xa >= xb or ya >= yb:
            continue
        yy, xx = np.mgrid[ya:yb, xa:xb].astype(np.float32)
        dy = yy + 0.5 - fy
        dy = np.where(dy > 0, np.maximum(dy - motion * r, 0), dy)
        d = np.sqrt((xx + 0.5 - fx) ** 2 + dy ** 2) / r
        a = np.clip(1.3 - d, 0, 1) ** 1.5 * op
        patch = img[ya:yb, xa:xb]
        patch += (col - patch) * a[..., None]
    return img


def stars(img, rng, count, limit_y=None, mask=None, tint=True):
    """Scattered stars; a few bright ones get a tiny glow."""
    h, w = img.shape[:2]
    limit_y = limit_y or h
    for _ in range(count):
        x = rng.uniform(0, w)
        y = rng.uniform(0, limit_y)
        b = rng.random() ** 3.0
        ix, iy = int(x), int(y)
        if mask is not None and mask[min(iy, h - 1), min(ix, w - 1)] < 0.5:
            continue
        c = np.array([1.0, 1.0, 1.0], dtype=np.float32)
        if tint:
            c = mix(c, rgb(["#bcd4ff", "#fff0d0", "#ffffff"][int(rng.integers(0, 3))]), 0.7)
        fade = 1.0 - (y / limit_y) ** 2 * 0.7
        val = (0.25 + 0.75 * b) * fade
        img[iy, ix] = screen(img[iy, ix], c * val)
        if b > 0.5:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                jx, jy = ix + dx, iy + dy
                if 0 <= jx < w and 0 <= jy < h:
                    img[jy, jx] = screen(img[jy, jx], c * val * 0.35)
    return img


def vignette(img, strength=0.35, power=2.2):
    """Darken the corners like a real lens does."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    r = np.sqrt(((x - w / 2) / (w / 2)) ** 2 + ((y - h / 2) / (h / 2)) ** 2) / math.sqrt(2)
    img *= (1 - strength * r ** power)[..., None]
    return img


def grain(img, rng, amount=0.015):
    """A whisper of film grain so gradients do not band."""
    img += (rng.random(img.shape[:2]).astype(np.float32)[..., None] - 0.5) * amount
    return img


def finish(img):
    return np.clip(img, 0.0, 1.0)


def to_image(img):
    return Image.fromarray((finish(img) * 255 + 0.5).astype(np.uint8), "RGB")


# --------------------------------------------------------------------------
# landscape building blocks

def snowbank(img, curve, rng, lit="#f4f7fb", shade="#b9cbe0", depth=40.0,
             texture=0.06, cell=18, soft=0.8):
    """Fill everything below curve with snow.

    Snow is brightest on the crest and turns bluer further down, which is
    what makes stacked hills read as separate rolls of ground.
    """
    h, w = img.shape[:2]
    _, y = coords(w, h)
    a = below_curve(w, h, curve, soft)
    t = np.clip((y - curve[None, :]) / depth, 0, 1) ** 0.7
    col = mix(rgb(lit)[None, None, :], rgb(shade)[None, None, :], t)
    n = fbm(w, h, cell, rng, octaves=4, stretch=(2.5, 1.0))
    col = col * (1 - texture / 2 + texture * n)[..., None]
    return paint(img, a, col)


def forest_row(img, curve, rng, count, hmin, hmax, body, snow_col=None,
               aspect=0.42, x_range=None, sink=1.5, snowiness=0.7):
    """A line of spruces standing on a height curve."""
    h, w = img.shape[:2]
    cv = Canvas(w, h)
    sn = Canvas(w, h) if snow_col else None
    x0, x1 = x_range or (-10, w + 10)
    xs = np.sort(rng.uniform(x0, x1, count))
    for x in xs:
        th = rng.uniform(hmin, hmax)
        xi = int(np.clip(x, 0, w - 1))
        pine(cv, x, curve[xi] + sink, th, th * aspect * rng.uniform(0.85, 1.15),
             rng, snow=sn, snowiness=snowiness)
    paint(img, cv.alpha(), body)
    if sn is not None:
        paint(img, sn.alpha() * cv.alpha(), snow_col)
    return cv.alpha()


def sparkle_snow(img, rng, mask, count, strength=0.6):
    """Pinpoint glints where sunlight catches ice crystals."""
    h, w = img.shape[:2]
    for _ in range(count):
        x, y = int(rng.integers(0, w)), int(rng.integers(0, h))
        if mask[y, x] > 0.9:
            img[y, x] = screen(img[y, x], np.float32(strength * rng.random()))
    return img


def lit_window(img, x0, y0, x1, y1, rng, warm=("#ffe08a", "#ff9d3a"),
               frame="#2a1a10", bars=True, glow=1.0, sill="#dfe6f5"):
    """A window with lamplight behind it: hot centre, mullions, soft halo."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    # light inside is brightest where the lamp is, a little low and off-centre
    d = np.sqrt(((x - cx - (x1 - x0) * 0.15) / (x1 - x0)) ** 2
                + ((y - cy - (y1 - y0) * 0.2) / (y1 - y0)) ** 2)
    inside = mix(rgb(warm[0])[None, None, :], rgb(warm[1])[None, None, :],
                 np.clip(d * 1.4, 0, 1))
    fr = Canvas(w, h)
    fr.rect(x0 - 1, y0 - 1, x1 + 1, y1 + 1)
    paint(img, fr.alpha(), frame)
    pane = Canvas(w, h)
    pane.rect(x0, y0, x1, y1)
    paint(img, pane.alpha(), inside)
    if bars:
        b = Canvas(w, h)
        bw = max(0.8, (x1 - x0) * 0.07)
        b.rect(cx - bw / 2, y0, cx + bw / 2, y1)
        b.rect(x0, cy - bw / 2, x1, cy + bw / 2)
        paint(img, b.alpha(), frame)
    if sill:
        s = Canvas(w, h)
        s.ellipse(cx, y1 + 1.2, (x1 - x0) / 2 + 2, 1.6)
        s.rect(x0 - 2, y1 + 0.5, x1 + 2, y1 + 1.8)
        paint(img, s.alpha(), sill)
    if glow:
        add_glow(img, cx, cy, max(x1 - x0, y1 - y0) * 1.1, warm[1], 0.35 * glow)
    return img
