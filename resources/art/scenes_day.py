"""Daylight winter photographs: hills, frozen lake, sunrise peaks, snowman,
and the snowy forest."""

import math

import numpy as np

from paint import (Canvas, add_glow, bare_tree, below_curve, blur, coords,
                   fbm, finish, forest_row, grain, mix, noise1d, paint, pine,
                   radial, ramp, rgb, screen, smoothstep, snowbank, snowfall,
                   sparkle_snow, vgradient, vignette)


def peaks(w, rng, base, height, count, detail=0.12):
    """A mountain skyline of overlapping sharp summits plus rocky jitter.

    Returns the ridge line and, for every column, the x of the summit that
    owns it (the shading needs to know which side of a spur it is on).
    """
    xs = np.arange(w, dtype=np.float32)
    top = np.zeros(w, np.float32)
    owner = np.zeros(w, np.float32)
    for _ in range(count):
        px = rng.uniform(-0.1, 1.1) * w
        ph = height * rng.uniform(0.4, 1.0)
        # flanks of different steepness, concave like real eroded peaks
        left = ph * rng.uniform(0.9, 2.2)
        right = ph * rng.uniform(0.9, 2.2)
        spread = np.where(xs < px, left, right)
        p = ph * np.clip(1 - np.abs(xs - px) / spread, 0, 1) ** rng.uniform(1.2, 1.8)
        owner = np.where(p > top, px, owner)
        top = np.maximum(top, p)
    top += height * detail * (noise1d(w, 6, rng, 3) - 0.5)
    top += height * detail * 1.5 * (noise1d(w, 25, rng, 2) - 0.5) * (top > height * 0.2)
    return base - top, owner


def mountain_range(img, ridge, owner, rng, lit, shade, haze, haze_amt,
                   sun_left=False, scale=1.0, texture=2.2, contrast=0.38):
    """Snow-covered peaks lit from one side.

    Each summit sends a spur straight down; the flank turned to the sun is
    bright and the other blue.  Smaller spurs and gullies run diagonally
    outwards along the fall lines so the slopes do not look like curtains.
    """
    h, w = img.shape[:2]
    x, y = coords(w, h)
    d = np.clip(y - ridge[None, :], 0, None)
    # valley and spur lines wander as they come down the mountain
    wander = 12 * scale * (fbm(w, h, 30 * scale, rng, 3) - 0.5) * np.clip(d / 25, 0, 1)
    spur_x = owner[np.clip((x + wander).astype(int), 0, w - 1)]
    spur_x = spur_x + wander * 0.6
    # soften the seams where one summit's flank meets the next one's
    side = blur(np.tanh((x - spur_x) / 1.2), 1.2 * scale, 0)
    sun = -1.0 if sun_left else 1.0
    # small spurs: noise sampled along lines sloping away from the summit
    big = fbm(w * 3, h, 7 * scale, rng, 4, stretch=(1.0, 2.5))
    sx = np.clip((x + w - np.sign(x - spur_x) * d * 1.3).astype(int), 0, 3 * w - 1)
    field = big[y.astype(int), sx]
    spur = np.gradient(blur(field, 0.8), axis=1) * np.sign(x - spur_x)
    light = 0.5 + contrast * side * sun + spur * texture * sun
    light -= 0.25 * np.clip(d / (70 * scale), 0, 1)
    light = np.clip(light, 0, 1)
    col = ramp(light, [(0, shade), (0.55, mix_hex(shade, lit, 0.6)), (1, lit)])
    # bare rock shows on the steepest, shadowed flanks near the tops
    rocky = smoothstep(0.66, 0.85, field) * (1 - smoothstep(10, 45 * scale, d)) \
        * (1 - light)
    col = mix(col, col * 0.45, np.clip(rocky * 1.6, 0, 1))
    col = mix(col, rgb(haze)[None, None, :], np.clip(haze_amt + d / (300 * scale), 0, 1))
    paint(img, below_curve(w, h, ridge), col)


def mix_hex(a, b, t):
    c = rgb(a) * (1 - t) + rgb(b) * t
    return tuple(int(v * 255 + 0.5) for v in c)


def snowy_hills(w, h):
    """Bright morning over rolling snow with a spruce forest."""
    rng = np.random.default_rng(101)
    x, y = coords(w, h)
    img = vgradient(w, h, [(0, "#2a5ca6"), (0.5, "#6f9fd8"), (1, "#dde8f4")],
                    0, 0.6)

    # fair-weather clouds, flattened and thinning towards the horizon
    n = fbm(w, h, 70, rng, octaves=5, stretch=(2.6, 1.0))
    band = smoothstep(0.0, 0.15, y / h) * (1 - smoothstep(0.3, 0.45, y / h))
    cloud = smoothstep(0.5, 0.85, n) * band
    cloud_col = mix(rgb("#ffffff")[None, None, :], rgb("#b9c9de")[None, None, :],
                    smoothstep(0.6, 1.0, n) * 0.6)
    paint(img, cloud * 0.85, cloud_col)
    add_glow(img, w * 0.85, h * 0.1, 70, "#fff3d6", 0.35)

    # far range, hazy blue, sun from the right
    ridge, owner = peaks(w, rng, h * 0.52, 52, 7)
    mountain_range(img, ridge, owner, rng, "#f6f9fe", "#6f8ab5", "#c9d8ea", 0.25)

    # rolling snowfields, each nearer one brighter and with bigger trees
    hill1 = h * 0.6 - 10 * noise1d(w, 70, rng, 3)
    snowbank(img, hill1, rng, lit="#eaf1f9", shade="#a9bfdb", depth=28)
    forest_row(img, hill1 - 1, rng, 90, 5, 12, "#4f6784", snow_col="#c9d7e8",
               aspect=0.4)

    hill2 = h * 0.71 + 12 * np.sin(x[0] / w * 3.4 + 0.6) - 8 * noise1d(w, 60, rng, 3)
    snowbank(img, hill2, rng, lit="#f7faff", shade="#a4bcd9", depth=36)
    forest_row(img, hill2 + 1, rng, 30, 14, 34, "#17322d", snow_col="#dde7f3",
               x_range=(w * 0.22, w * 0.5), snowiness=0.45)
    forest_row(img, hill2 + 1, rng, 18, 12, 30, "#17322d", snow_col="#dde7f3",
               x_range=(w * 0.64, w * 0.82), snowiness=0.45)

    # foreground slope; the big trees throw long blue shadows to the left
    fg = h * 0.87 - 14 * (x[0] / w) + 5 * noise1d(w, 80, rng, 3)
    snowbank(img, fg, rng, lit="#fcfdff", shade="#c0d1e8", depth=40, texture=0.08)
    trees = [(w * 0.05, 170), (w * 0.15, 128), (w * 0.92, 150)]
    ground = below_curve(w, h, fg)
    for tx, th in trees:
        by = fg[int(min(tx, w - 1))] + 4
        sh = radial(w, h, tx - 34, by, 40, 0.15)
        img *= (1 - 0.25 * np.exp(-sh ** 2) * ground)[..., None]
    body_cv, cap_cv = Canvas(w, h), Canvas(w, h)
    for tx, th in trees:
        by = fg[int(min(tx, w - 1))] + 4
        pine(body_cv, tx, by, th, th * 0.42, rng, snow=cap_cv)
    body = body_cv.alpha()
    needles = fbm(w, h, 3, rng, 2)
    paint(img, body, mix(rgb("#0c201d")[None, None, :], rgb("#2b4d42")[None, None, :],
                         needles * 0.8))
    # snow on the boughs: sunlit white to shadowed blue
    scol = mix(rgb("#ffffff")[None, None, :], rgb("#b3c6df")[None, None, :],
               fbm(w, h, 4, rng, 2) * 0.7)
    paint(img, cap_cv.alpha() * body, scol)

    sparkle_snow(img, rng, ground, 260, 0.8)
    snowfall(img, rng, 60, 0.4, 1.2, (0.5, 0.9))
    vignette(img, 0.25)
    grain(img, rng, 0.012)
    return finish(img)


def birch(cv, marks, twigs, x, base, height, width, rng, lean=0.0):
    """A birch: pale trunk (cv), dark bark scars (marks) and a haze of fine
    dark twigs (twigs) making up the crown."""
    top = (x + lean * height, base - height)
    cv.poly([(x - width / 2, base), (x + width / 2, base),
             (top[0] + width * 0.15, top[1]), (top[0] - width * 0.15, top[1])])
    for _ in range(int(height / 9)):
        t = rng.uniform(0.25, 0.95)
        bx = x + lean * height * t
        by = base - height * t
        side = rng.choice([-1, 1])
        L = height * rng.uniform(0.08, 0.22) * (1.2 - t)
        twigs.line([(bx, by), (bx + side * L * 0.6, by - L * 0.5),
                    (bx + side * L, by - L * 1.1)], max(width * 0.2 * (1.2 - t), 0.4))
    bare_tree(twigs, top[0], base - height * 0.55, height * 0.75, rng, depth=6,
              spread=0.45, width=width * 0.35)
    for _ in range(int(height / 3.5)):
        t = rng.uniform(0.02, 0.9)
        bx = x + lean * height * t
        by = base - height * t
        half = width * (0.5 - 0.35 * t)
        mw = rng.uniform(0.3, 1.0) * half * 2
        off = rng.uniform(-half, half - mw * 0.5)
        marks.rect(bx + off, by, bx + off + mw, by + rng.uniform(0.6, 1.4))


def frozen_lake(w, h):
    """A frozen lake under a low sun, far shore mirrored in the ice."""
    rng = np.random.default_rng(404)
    x, y = coords(w, h)
    shore = 126.0
    img = vgradient(w, h, [(0, "#3a5f9f"), (0.55, "#98abd0"), (0.85, "#e2c9bf"),
                           (1, "#f0c3a0")], 0, shore / h)
    sun_x, sun_y = w * 0.68, 70.0
    # thin high veils of cloud lit from below
    n = fbm(w, h, 50, rng, 5, stretch=(3.5, 0.7))
    paint(img, smoothstep(0.45, 0.9, n) * (y < shore) * 0.55,
          mix(rgb("#f4e4dc")[None, None, :], rgb("#9aa6c6")[None, None, :],
              smoothstep(0.6, 1.0, n) * 0.6))
    add_glow(img, sun_x, sun_y, 6, "#fffbe8", 1.2)
    add_glow(img, sun_x, sun_y, 25, "#ffd9a0", 0.4)
    add_glow(img, sun_x, sun_y, 90, "#ffb98a", 0.15)

    # distant fells and the forested far shore, all hazed by cold air
    ridge, owner = peaks(w, rng, shore - 8, 34, 9, detail=0.1)
    mountain_range(img, ridge, owner, rng, "#f6e4dc", "#7483b2", "#b9c0da", 0.25,
                   sun_left=False, scale=0.8)
    hills = shore - 5 - 9 * noise1d(w, 50, rng, 3)
    paint(img, below_curve(w, h, hills), "#5f6f98")
    forest_row(img, np.full(w, shore + 1.0), rng, 170, 6, 19, "#26344f",
               snow_col="#8d98b8", aspect=0.38, snowiness=0.4)

    # ice: the world above mirrored, dimmed and smeared by the frosted surface
    depth = h - int(shore)
    src = img[int(shore) - depth:int(shore)][::-1].copy()
    src = blur(src, 1.2, 0.6)
    refl = src * np.array([0.78, 0.84, 0.95], np.float32)
    lake = img[int(shore):]
    lx, ly = coords(w, depth)
    streak = fbm(w, depth, 10, rng, 4, stretch=(9.0, 0.3))
    refl = refl * (0.88 + 0.22 * streak[..., None])
    # wind-blown snow lying on the ice in long tongues
    drift = smoothstep(0.5, 0.75, fbm(w, depth, 16, rng, 4, stretch=(5.0, 0.5))
                       + ly / depth * 0.35)
    snow_on_ice = mix(rgb("#f2f2f6")[None, None, :], rgb("#b4c0da")[None, None, :],
                      fbm(w, depth, 5, rng, 2) * 0.5)
    surface = mix(refl, snow_on_ice, drift * 0.85)
    # a path of sunlight on the clear ice
    path = np.exp(-((lx - sun_x) / (10 + ly * 0.35)) ** 2) * (1 - drift) \
        * (0.5 + 0.5 * streak)
    surface = surface + path[..., None] * rgb("#ffe1b8") * 0.5
    lake[:] = surface

    # near bank: snow with reeds and a pair of birches on the right
    bank = np.interp(x[0], [0, 120, 230, 320], [196, 206, 192, 178]) \
        + 4 * noise1d(w, 40, rng, 3)
    snowbank(img, bank, rng, lit="#fff8f0", shade="#b8c2dc", depth=40, texture=0.08)
    reeds = Canvas(w, h)
    for _ in range(70):
        rx = rng.uniform(0, 150) if rng.random() < 0.7 else rng.uniform(150, 320)
        by = np.interp(rx, np.arange(w), bank) + rng.uniform(1, 10)
        L = rng.uniform(5, 20)
        bend = rng.uniform(-0.5, 0.5)
        reeds.line([(rx, by), (rx + bend * L * 0.3, by - L * 0.55),
                    (rx + bend * L, by - L)], rng.uniform(0.3, 0.65))
    paint(img, reeds.alpha(), "#6b5436")
    trunk, marks, twigs = Canvas(w, h), Canvas(w, h), Canvas(w, h)
    for bx, bh, bw, lean in ((276, 190, 6.5, -0.03), (298, 150, 4.8, 0.05),
                             (262, 110, 3.5, -0.08)):
        by = np.interp(bx, np.arange(w), bank) + 6
        birch(trunk, marks, twigs, bx, by, bh, bw, rng, lean)
    paint(img, twigs.alpha() * 0.75, "#4a3c44")
    ta = trunk.alpha()
    # bark is lit from the sun side (right)
    shade = np.clip(0.65 + 0.35 * np.sin((x % 7) / 7 * np.pi), 0, 1)
    paint(img, ta, mix(rgb("#8c8fa6")[None, None, :], rgb("#f3eee6")[None, None, :],
                       shade))
    paint(img, marks.alpha() * ta, "#2b2a30")

    sparkle_snow(img, rng, below_curve(w, h, bank), 200, 0.8)
    vignette(img, 0.28)
    grain(img, rng, 0.012)
    return finish(img)


def mountain_sunrise(w, h):
    """Alpenglow: the first sun turns the snowy summits pink and gold."""
    rng = np.random.default_rng(707)
    x, y = coords(w, h)
    horizon = 150.0
    img = vgradient(w, h, [(0, "#23346c"), (0.35, "#5d5e9c"), (0.65, "#c98a9c"),
                           (0.85, "#f6b08a"), (1, "#ffd9a0")], 0, horizon / h)
    # clouds underlit by the sun still below them
    n = fbm(w, h, 45, rng, 5, stretch=(3.0, 0.6))
    cl = smoothstep(0.55, 0.8, n) * np.exp(-((y - 48) / 28) ** 2)
    under = smoothstep(0.55, 0.95, n)
    ccol = mix(rgb("#ffc2a0")[None, None, :], rgb("#7d6396")[None, None, :], under)
    paint(img, cl * 0.9, ccol)

    # the high range, lit from the left by a sun just clearing a saddle
    ridge, owner = peaks(w, rng, 142, 78, 6, detail=0.08)
    lo = int(w * 0.08)
    sun_x = lo + int(np.argmax(ridge[lo:int(w * 0.4)]))
    sun_y = ridge[sun_x] + 3
    add_glow(img, sun_x, sun_y, 9, "#fffbe0", 1.5)
    add_glow(img, sun_x, sun_y, 40, "#ffc27a", 0.5)
    mountain_range(img, ridge, owner, rng, "#ffcf9e", "#4e4a8e", "#c796a8", 0.05,
                   sun_left=True, scale=1.2, texture=1.3, contrast=0.5)
    # light spilling over the ridge
    add_glow(img, sun_x, sun_y, 14, "#fff0c0", 0.6)
    # a nearer, lower range still mostly in shadow
    ridge2, owner2 = peaks(w, rng, 172, 40, 7, detail=0.1)
    mountain_range(img, ridge2, owner2, rng, "#f0b4a8", "#343569", "#6c6494", 0.08,
                   sun_left=True, scale=0.9, texture=1.3, contrast=0.5)

    # mist lying in the valley
    mist = fbm(w, h, 30, rng, 4, stretch=(4.0, 0.5))
    band = np.exp(-((y - 172) / 12) ** 2)
    paint(img, np.clip(band * (0.4 + 0.6 * mist), 0, 0.85), "#b99ab8")

    # foreground: a snowy shoulder with dark spruces
    fg = np.interp(x[0], [0, 140, 320], [198, 212, 200]) + 4 * noise1d(w, 30, rng, 3)
    snowbank(img, fg, rng, lit="#f2c9c4", shade="#7e78aa", depth=40, texture=0.08)
    forest_row(img, fg + 4, rng, 16, 30, 70, "#151833", snow_col="#d7a9b6",
               x_range=(-10, 90), snowiness=0.5)
    forest_row(img, fg + 4, rng, 12, 26, 60, "#151833", snow_col="#d7a9b6",
               x_range=(245, 330), snowiness=0.5)
    sparkle_snow(img, rng, below_curve(w, h, fg), 120, 0.6)
    vignette(img, 0.3)
    grain(img, rng, 0.012)
    return finish(img)


def snowball(img, cx, cy, r, light_dir, lit="#fff6ea", shade="#7489bf", rng=None):
    """A sphere of packed snow: warm where the sun hits, sky-blue elsewhere."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    nx, ny = (x - cx) / r, (y - cy) / r
    inside = nx * nx + ny * ny
    nz = np.sqrt(np.clip(1 - inside, 0, 1))
    lx, ly, lz = light_dir
    ln = math.sqrt(lx * lx + ly * ly + lz * lz)
    diffuse = np.clip((nx * lx + ny * ly + nz * lz) / ln, 0, 1)
    col = mix(rgb(shade)[None, None, :], rgb(lit)[None, None, :],
              smoothstep(0.0, 0.75, diffuse))
    # light bounced up from the snowy ground warms the underside a little
    col = col + (np.clip(ny, 0, 1) * 0.08)[..., None]
    if rng is not None:
        col = col * (0.93 + 0.1 * fbm(w, h, 3, rng, 3))[..., None]
    cv = Canvas(w, h)
    cv.ellipse(cx, cy, r, r)
    paint(img, cv.alpha(), col)


def snowman(w, h):
    """A snowman in a garden, late afternoon sun, a robin on the fence."""
    rng = np.random.default_rng(606)
    x, y = coords(w, h)
    img = vgradient(w, h, [(0, "#5f86c2"), (0.5, "#a9bedd"), (1, "#f2dcc6")], 0, 0.6)
    n = fbm(w, h, 50, rng, 5, stretch=(2.5, 0.8))
    paint(img, smoothstep(0.5, 0.85, n) * (y < 150) * 0.6,
          mix(rgb("#fbeee2")[None, None, :], rgb("#a4b0cc")[None, None, :],
              smoothstep(0.6, 1, n) * 0.7))
    add_glow(img, w * 0.95, 40, 60, "#ffdca8", 0.45)

    # beyond the fence: hazy spruces and a bare oak
    far = 128 - 10 * noise1d(w, 50, rng, 3)
    forest_row(img, far + 6, rng, 30, 20, 46, "#6c7d9e", snow_col="#d2dcec",
               aspect=0.4, snowiness=0.5)
    oak = Canvas(w, h)
    bare_tree(oak, 48, 140, 120, rng, depth=7, spread=0.55, width=5)
    paint(img, oak.alpha(), "#5a5568")
    snowbank(img, np.full(w, 136.0) + 2 * noise1d(w, 30, rng, 2), rng,
             lit="#f6efe8", shade="#b5c1dc", depth=20)

    # hedge of snowy shrubs along the fence line
    shrub = fbm(w, h, 10, rng, 4)
    hedge_top = 138 - 12 * noise1d(w, 22, rng, 3)
    hedge = below_curve(w, h, hedge_top) * (y < 160)
    paint(img, hedge, mix(rgb("#2d3b2c")[None, None, :], rgb("#53684a")[None, None, :], shrub))
    paint(img, hedge * smoothstep(0.55, 0.7, shrub + 0.3 * (1 - np.clip((y - hedge_top) / 12, 0, 1))),
          "#eef0f6")

    # picket fence
    fence = Canvas(w, h)
    caps = Canvas(w, h)
    for px in np.arange(-4, w + 8, 11.0):
        top = 142 + 1.5 * math.sin(px * 0.3)
        fence.poly([(px, top + 3), (px + 3.5, top), (px + 7, top + 3), (px + 7, 176),
                    (px, 176)])
        caps.ellipse(px + 3.5, top + 1.5, 4.2, 2.0)
    fence.rect(-2, 150, w + 2, 153.5)
    fence.rect(-2, 165, w + 2, 168.5)
    caps.rect(-2, 149, w + 2, 150.5)
    caps.rect(-2, 164, w + 2, 165.5)
    wood = mix(rgb("#7b6a5f")[None, None, :], rgb("#c3ae98")[None, None, :],
               fbm(w, h, 3, rng, 2, stretch=(0.4, 3)))
    paint(img, fence.alpha(), wood)
    paint(img, caps.alpha(), "#f4f1ee")

    # the garden: deep snow, warm where the sun reaches it
    ground = 170 + 2 * noise1d(w, 40, rng, 2)
    snowbank(img, ground, rng, lit="#fdf3e8", shade="#a9b9dc", depth=70, texture=0.1)
    sun = (0.8, -0.55, 0.6)
    # the snowman's shadow falls away from the sun, across the snow to the left
    sh = radial(w, h, 88, 228, 44, 0.22)
    img *= (1 - 0.35 * np.exp(-sh ** 2))[..., None]

    cx = 126.0
    snowball(img, cx, 198, 36, sun, rng=rng)
    snowball(img, cx + 1, 152, 26, sun, rng=rng)

    # stick arms with twiggy hands
    arms = Canvas(w, h)
    arms.line([(cx - 20, 148), (cx - 42, 136), (cx - 58, 120)], 2.0)
    arms.line([(cx - 48, 128), (cx - 58, 130)], 1.1)
    arms.line([(cx - 56, 121), (cx - 62, 112)], 0.9)
    arms.line([(cx - 56, 121), (cx - 66, 120)], 0.9)
    arms.line([(cx + 22, 146), (cx + 44, 140), (cx + 62, 126)], 2.0)
    arms.line([(cx + 52, 135), (cx + 60, 140)], 1.1)
    arms.line([(cx + 60, 127), (cx + 64, 118)], 0.9)
    arms.line([(cx + 60, 127), (cx + 70, 124)], 0.9)
    paint(img, arms.alpha(), "#4a3424")

    snowball(img, cx, 114, 19, sun, rng=rng)

    # scarf: red knit with cream stripes, one tail hanging down
    scarf = Canvas(w, h)
    scarf.poly([(cx - 19, 126), (cx + 19, 125), (cx + 21, 132), (cx - 20, 134)])
    scarf.poly([(cx + 6, 130), (cx + 16, 129), (cx + 18, 160), (cx + 8, 161)])
    sa = scarf.alpha()
    stripes = ((y // 4) % 3 == 0).astype(np.float32)
    knit = mix(rgb("#b3202c")[None, None, :], rgb("#f2e6d0")[None, None, :], stripes * (y > 133))
    knit = knit * (0.75 + 0.35 * np.clip((x - cx + 20) / 40, 0, 1))[..., None]
    paint(img, sa, knit)
    fringe = Canvas(w, h)
    for k in range(5):
        fringe.line([(cx + 9 + k * 2, 160), (cx + 9 + k * 2.2, 165)], 0.8)
    paint(img, fringe.alpha(), "#b3202c")

    # top hat with a holly sprig, snow on the brim
    hat = Canvas(w, h)
    hat.rect(cx - 12, 82, cx + 12, 99)
    hat.ellipse(cx, 99, 19, 3.2)
    ha = hat.alpha()
    sheen = np.clip(1 - np.abs((x - cx - 5) / 6), 0, 1) * 0.18
    paint(img, ha, rgb("#15141c")[None, None, :] + sheen[..., None])
    band = Canvas(w, h)
    band.rect(cx - 12, 93, cx + 12, 97)
    paint(img, band.alpha(), "#8e1c25")
    holly = Canvas(w, h)
    holly.ellipse(cx - 7, 93, 3.5, 1.8)
    holly.ellipse(cx - 3, 91.5, 3.0, 1.6)
    paint(img, holly.alpha(), "#2c6b3a")
    berries = Canvas(w, h)
    for bx, by in ((cx - 5.5, 94.5), (cx - 3.5, 95.5), (cx - 6.5, 96)):
        berries.ellipse(bx, by, 1.2, 1.2)
    paint(img, berries.alpha(), "#e02a2a")
    brim_snow = Canvas(w, h)
    brim_snow.ellipse(cx + 6, 97.5, 10, 1.6)
    brim_snow.ellipse(cx - 2, 81.5, 9, 1.8)
    paint(img, brim_snow.alpha(), "#f7f3ee")

    # coal eyes and smile, carrot nose
    coal = Canvas(w, h)
    coal.ellipse(cx - 6, 109, 2.0, 2.2)
    coal.ellipse(cx + 6, 109, 2.0, 2.2)
    for k in range(5):
        a = math.pi * (0.25 + 0.125 * k)
        coal.ellipse(cx + 9 * math.cos(a), 113 + 6 * math.sin(a), 1.2, 1.2)
    for by in (146, 156, 166):
        coal.ellipse(cx + 1, by, 2.2, 2.2)
    paint(img, coal.alpha(), "#1b1a20")
    glint = Canvas(w, h)
    glint.ellipse(cx - 5.3, 108.2, 0.6, 0.6)
    glint.ellipse(cx + 6.7, 108.2, 0.6, 0.6)
    paint(img, glint.alpha(), "#d0d4e8")
    nose = Canvas(w, h)
    nose.poly([(cx, 112.0), (cx + 17, 115), (cx, 116.5)])
    paint(img, nose.alpha(), mix(rgb("#f08a24")[None, None, :], rgb("#b8501a")[None, None, :],
                                 np.clip((y - 112) / 5, 0, 1)))

    # a robin on the fence rail
    bx, by = 208.0, 141.0
    bird = Canvas(w, h)
    bird.ellipse(bx, by, 6, 4.5)
    bird.ellipse(bx + 5, by - 4, 3.3, 3.3)
    bird.poly([(bx - 5, by - 1), (bx - 12, by - 4), (bx - 11, by + 1)])
    paint(img, bird.alpha(), "#6a5442")
    breast = Canvas(w, h)
    breast.ellipse(bx + 3, by + 0.5, 3.8, 3.5)
    breast.ellipse(bx + 5.5, by - 2.5, 2.2, 2.0)
    paint(img, breast.alpha(), "#e0602e")
    beak = Canvas(w, h)
    beak.poly([(bx + 8, by - 4.5), (bx + 10.5, by - 3.8), (bx + 8, by - 3.2)])
    beak.ellipse(bx + 6, by - 5, 0.7, 0.7)
    paint(img, beak.alpha(), "#1a1614")

    snowfall(img, rng, 80, 0.4, 1.6, (0.5, 0.95))
    sparkle_snow(img, rng, below_curve(w, h, ground), 150, 0.7)
    vignette(img, 0.28)
    grain(img, rng, 0.012)
    return finish(img)


def snowy_forest(w, h):
    """Deep in a spruce wood while it snows; an old lamp glows by the path."""
    rng = np.random.default_rng(909)
    x, y = coords(w, h)
    img = vgradient(w, h, [(0, "#8e9cb6"), (0.55, "#c3ccdb"), (1, "#dfe4ee")], 0, 0.62)

    # rows of spruces, each nearer one darker and less veiled by the snowfall;
    # the nearer rows leave a gap in the middle where the path runs
    rows = [(128, 16, 50, 100, "#aab5c9", "#d8dee9", None),
            (137, 10, 70, 120, "#8794ad", "#cdd4e2", None),
            (148, 4, 100, 150, "#5b6881", "#c3cbdb", (-10, 50)),
            (148, 3, 100, 150, "#5b6881", "#c3cbdb", (112, 185))]
    for base, count, hmin, hmax, body, snow_col, span in rows:
        ground = np.full(w, float(base)) + 3 * noise1d(w, 40, rng, 2)
        snowbank(img, ground + 2, rng, lit="#eef1f7", shade="#c6cfdf", depth=30)
        forest_row(img, ground, rng, count, hmin, hmax, body, snow_col=snow_col,
                   aspect=0.32, snowiness=0.5, x_range=span)
        # falling snow between the rows thickens the air with distance
        snowfall(img, rng, 50, 0.3, 0.8, (0.3, 0.6), colour="#eef2f8")

    # foreground snow and a trodden path winding into the wood
    ground = 160 + 3 * noise1d(w, 40, rng, 2)
    snowbank(img, ground, rng, lit="#f4f6fb", shade="#c2cde0", depth=80, texture=0.08)
    t = np.clip((y - 150) / (h - 150), 0, 1)
    centre = 80 + 16 * np.sin(t * 4.0 + 0.3) * t
    half = 1.5 + 38 * t ** 1.5
    across = (x - centre) / np.maximum(half, 0.5)
    inside = np.exp(-across ** 6) * (y > 150)
    # the groove is shaded on its left wall and slightly bluer inside
    wall = np.exp(-((across + 0.95) / 0.2) ** 2) * (y > 150) * t
    lip = np.exp(-((across - 1.05) / 0.2) ** 2) * (y > 150) * t
    prints = fbm(w, h, 2.5, rng, 2)
    img *= (1 - inside * (0.03 + 0.07 * prints * t) - wall * 0.1)[..., None]
    img[:] = screen(img, (lip * 0.25)[..., None])

    # two big spruces right in front frame the view
    nb, ns = Canvas(w, h), Canvas(w, h)
    pine(nb, 8, 214, 235, 90, rng, snow=ns, snowiness=0.45)
    pine(nb, 172, 226, 250, 96, rng, snow=ns, snowiness=0.45)
    body = nb.alpha()
    paint(img, body, mix(rgb("#1a2333")[None, None, :], rgb("#33415a")[None, None, :],
                         fbm(w, h, 3, rng, 2)))
    paint(img, ns.alpha() * body, "#dfe5ef")

    # the lamp post, leaning a touch, its glow gilding the snowflakes nearby
    lx, lb = 122.0, 196.0
    post = Canvas(w, h)
    post.line([(lx, lb), (lx - 0.6, lb - 70)], 2.0)
    post.rect(lx - 3.5, lb - 3, lx + 3.5, lb)
    post.poly([(lx - 6, lb - 72), (lx + 5, lb - 72), (lx + 3, lb - 86),
               (lx - 4, lb - 86)])
    post.poly([(lx - 7, lb - 85), (lx + 6, lb - 85), (lx - 0.5, lb - 93)])
    post.line([(lx - 0.5, lb - 60), (lx + 6, lb - 60)], 0.8)
    paint(img, post.alpha(), "#1c1a22")
    glass = Canvas(w, h)
    glass.poly([(lx - 4.6, lb - 73.5), (lx + 3.6, lb - 73.5), (lx + 2.2, lb - 84),
                (lx - 3.2, lb - 84)])
    paint(img, glass.alpha(), "#fff0c0")
    mull = Canvas(w, h)
    mull.rect(lx - 0.9, lb - 84, lx - 0.1, lb - 73.5)
    paint(img, mull.alpha() * 0.7, "#4a3a2a")
    lsnow = Canvas(w, h)
    lsnow.ellipse(lx - 1, lb - 91, 4.5, 2)
    paint(img, lsnow.alpha(), "#f4f1ea")
    lamp_y = lb - 79
    add_glow(img, lx - 0.5, lamp_y, 8, "#fff0c0", 0.8)
    add_glow(img, lx - 0.5, lamp_y, 34, "#ffb860", 0.35)
    pool = np.exp(-(((x - lx) / 30) ** 2 + ((y - lb - 2) / 7) ** 2))
    img += pool[..., None] * rgb("#ffb868") * 0.25

    # near flakes: big, soft; the ones close to the lamp catch its light
    snowfall(img, rng, 140, 0.4, 1.3, (0.5, 0.95), motion=0.8)
    warm = np.exp(-(((x - lx) / 40) ** 2 + ((y - lamp_y) / 40) ** 2))
    before = img.copy()
    snowfall(img, rng, 40, 0.5, 1.6, (0.6, 1.0), colour="#fff2d0",
             region=(lx - 45, lamp_y - 45, lx + 45, lamp_y + 45))
    img[:] = mix(before, img, np.clip(warm * 1.5, 0, 1))
    snowfall(img, rng, 14, 2.0, 4.5, (0.25, 0.5))
    vignette(img, 0.3)
    grain(img, rng, 0.012)
    return finish(img)
