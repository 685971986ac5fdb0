"""Twilight winter photographs: the log cabin, the village and the
lighthouse.  Warm lamplight against blue snow is what sells these."""

import numpy as np

from paint import (Canvas, add_glow, below_curve, coords, fbm, finish,
                   forest_row, grain, lit_window, mix, noise1d, paint, pine,
                   ramp, rgb, screen, smoothstep, snowbank, snowfall, stars,
                   vgradient, vignette)


def dusk_sky(w, h, rng, horizon, stops=None, star_count=60):
    """Evening gradient from deep indigo to a glowing horizon, first stars."""
    stops = stops or [(0, "#10163a"), (0.45, "#33387a"), (0.75, "#9a5c8c"),
                      (0.92, "#e89572"), (1, "#f7c48a")]
    img = vgradient(w, h, stops, 0, horizon / h)
    stars(img, rng, star_count, limit_y=horizon * 0.45)
    return img


def smoke(img, x0, y0, rng, drift=0.25, rise=None, colour="#b7b4cc",
          opacity=0.55):
    """A chimney plume: widens and thins as it climbs and drifts."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    rise = rise or y0
    up = np.clip((y0 - y) / rise, 0, 1)
    climb = np.clip(y0 - y, 0, None)
    cx = x0 + drift * climb ** 1.25
    width = 1.5 + climb * 0.22
    across = np.exp(-((x - cx) / width) ** 2)
    n = fbm(w, h, 9, rng, 4)
    a = across * (0.4 + 0.9 * n) * (1 - up) ** 1.2 * (y < y0) * opacity
    return paint(img, np.clip(a, 0, 1), colour)


def log_wall(w, h, rng, top, log_h, base="#8a5532", dark="#2e1b10"):
    """Horizontal round logs: each one lit on top, in shadow underneath."""
    x, y = coords(w, h)
    v = ((y - top) % log_h) / log_h
    round_ = np.sin(np.pi * v) ** 0.6
    grain_ = fbm(w, h, 6, rng, 3, stretch=(5.0, 0.4))
    t = np.clip(round_ * 0.8 + (grain_ - 0.5) * 0.35 - (v > 0.5) * 0.15, 0, 1)
    return mix(rgb(dark)[None, None, :], rgb(base)[None, None, :], t)


def log_cabin(w, h):
    """A log cabin at dusk, lamps lit, smoke rising, pines all around."""
    rng = np.random.default_rng(202)
    x, y = coords(w, h)
    horizon = h * 0.62
    img = dusk_sky(w, h, rng, horizon + 10)

    # wooded hills behind, already in shadow
    hills = h * 0.55 - 16 * noise1d(w, 90, rng, 4)
    paint(img, below_curve(w, h, hills), "#2b3566")
    forest_row(img, hills + 2, rng, 80, 6, 16, "#1c2550", snow_col="#4c5994",
               aspect=0.45, snowiness=0.5)
    ridge2 = h * 0.63 - 8 * noise1d(w, 70, rng, 3)
    snowbank(img, ridge2, rng, lit="#8d93c6", shade="#5d6699", depth=20)
    forest_row(img, ridge2 + 1, rng, 40, 12, 28, "#141c3d", snow_col="#6f78ad",
               aspect=0.42, snowiness=0.5)

    # the clearing: snow still holding a little violet from the sky
    ground = h * 0.74 + 3 * noise1d(w, 60, rng, 3)
    snowbank(img, ground, rng, lit="#b5b8e0", shade="#7d84ba", depth=60, texture=0.07)

    # --- the cabin ---------------------------------------------------------
    cx, base = 165.0, 196.0
    x0, x1, wall_top = 104.0, 226.0, 150.0
    apex = 108.0
    body = Canvas(w, h)
    body.rect(x0, wall_top, x1, base)
    body.poly([(x0 + 2, wall_top + 0.5), (cx, apex), (x1 - 2, wall_top + 0.5)])
    wood = log_wall(w, h, rng, wall_top, 6.5)
    # dusk light: the wall is cool and dim except where lamps reach it
    wood = wood * np.array([0.62, 0.6, 0.75], np.float32)
    paint(img, body.alpha(), wood)

    # log ends poking out at the corners
    ends = Canvas(w, h)
    for k in range(int((base - wall_top) / 6.5)):
        yy = wall_top + 3.25 + k * 6.5
        ends.ellipse(x0 - 1.5, yy, 3.4, 3.1)
        ends.ellipse(x1 + 1.5, yy, 3.4, 3.1)
    paint(img, ends.alpha(), "#8c6a4c")
    rings = Canvas(w, h)
    for k in range(int((base - wall_top) / 6.5)):
        yy = wall_top + 3.25 + k * 6.5
        rings.ellipse(x0 - 1.5, yy, 1.2, 1.1)
        rings.ellipse(x1 + 1.5, yy, 1.2, 1.1)
    paint(img, rings.alpha(), "#5e412c")

    # chimney, stone, behind the roof's snow
    chim = Canvas(w, h)
    chim.rect(196, 102, 208, 132)
    stone = fbm(w, h, 2.5, rng, 2)
    paint(img, chim.alpha(), mix(rgb("#3c3a4c")[None, None, :],
                                 rgb("#6d6a80")[None, None, :], stone))
    smoke(img, 202, 100, rng, drift=0.32, rise=100)

    # roof: dark eaves, then a thick quilt of snow with a rounded front edge
    roof = Canvas(w, h)
    roof.poly([(cx, apex - 6), (x0 - 14, wall_top + 4), (x0 - 10, wall_top + 8),
               (cx, apex + 2), (x1 + 10, wall_top + 8), (x1 + 14, wall_top + 4)])
    paint(img, roof.alpha(), "#24160f")
    cap = Canvas(w, h)
    for side in (-1, 1):
        eave_x = cx + side * (cx - x0 + 14)

        def on_roof(u, lift):
            # a point u of the way from ridge to eave, lift px above the slates
            return (cx + (eave_x - cx) * u, apex - 6 + (wall_top + 4 - apex + 6) * u - lift)
        top = [on_roof(k / 14, 7.5 + rng.uniform(-0.7, 0.7)) for k in range(15)]
        under = [on_roof(k / 14, -1.5) for k in range(14, -1, -1)]
        # the quilt curls over the eave in a rounded lip
        lip = [(eave_x + side * 2.5, wall_top + 1), (eave_x + side * 1.5, wall_top + 5),
               (eave_x - side * 1.0, wall_top + 6.5)]
        cap.poly(top + lip + under)
    cap.rect(195, 99, 209, 103)  # snow on the chimney top
    cap.ellipse(202, 99.5, 7.5, 2.2)
    snow_t = np.clip((y - apex + 14) / 50, 0, 1)
    snow_col = mix(rgb("#e4e6fb")[None, None, :], rgb("#9aa0d0")[None, None, :], snow_t)
    paint(img, cap.alpha(), snow_col)

    # icicles hanging from the barge boards, longest near the eaves
    ice = Canvas(w, h)
    for side in (-1, 1):
        for u in np.arange(0.35, 1.0, 0.045):
            if rng.random() < 0.75:
                ex = cx + side * (cx - x0 + 10) * u
                ey = apex + 2 + (wall_top + 6 - apex) * u
                L = rng.uniform(1.0, 2.5 + 4 * u)
                ice.poly([(ex - 0.7, ey - 0.5), (ex + 0.7, ey - 0.5), (ex, ey + L)])
    paint(img, ice.alpha() * 0.8, "#c9d3ff")

    # door, with a crack of light
    door = Canvas(w, h)
    door.rect(157, 162, 173, base)
    planks = 0.75 + 0.25 * (np.abs(((x - 157) % 4) - 2) / 2)
    paint(img, door.alpha(), rgb("#3b2414")[None, None, :] * planks[..., None])
    crack = Canvas(w, h)
    crack.rect(172, 163, 173.2, base)
    paint(img, crack.alpha(), "#ffb347")
    add_glow(img, 172.5, 185, 6, "#ff9d3a", 0.3, aspect=3)

    # two lamp-lit windows
    lit_window(img, 118, 163, 144, 182, rng)
    lit_window(img, 186, 163, 212, 182, rng)
    lit_window(img, cx - 6, 125, cx + 6, 137, rng, warm=("#ffd27a", "#e07a30"),
               glow=0.6, sill=None)

    # snow drifted up against the walls: the cabin sits sunk in the clearing
    near = (x[0] > x0 - 8) & (x[0] < x1 + 8)
    drift_line = ground - np.where(near, 1 + 2.5 * noise1d(w, 12, rng, 2), 0)
    snowbank(img, drift_line, rng, lit="#b7bbe2", shade="#7f86bc", depth=40,
             texture=0.07)

    # lamplight pooled on the snow in front of the windows and the door
    for lx in (131.0, 199.0, 165.0):
        pool = np.exp(-(((x - lx) / 24) ** 2 + ((y - ground[int(lx)] - 9) / 7) ** 2))
        img += pool[..., None] * rgb("#ff9f4a") * 0.3 * below_curve(w, h, drift_line)[..., None]

    # big dark spruces framing the clearing
    fgb, fgs = Canvas(w, h), Canvas(w, h)
    for tx, tb, th in ((28, 214, 175), (64, 206, 120), (276, 210, 150), (305, 222, 190)):
        pine(fgb, tx, tb, th, th * 0.42, rng, snow=fgs, snowiness=0.55)
    bod = fgb.alpha()
    paint(img, bod, "#0b1024")
    paint(img, fgs.alpha() * bod, "#8089bd")

    # fence posts with caps of snow
    for fx in (84, 95, 236, 247, 258):
        post = Canvas(w, h)
        post.rect(fx, 196, fx + 3, 214)
        paint(img, post.alpha(), "#23160f")
        capc = Canvas(w, h)
        capc.ellipse(fx + 1.5, 196, 2.6, 1.6)
        paint(img, capc.alpha(), "#c8cbef")
    rail = Canvas(w, h)
    rail.rect(82, 201, 99, 202.5)
    rail.rect(234, 201, 262, 202.5)
    paint(img, rail.alpha(), "#23160f")

    snowfall(img, rng, 90, 0.4, 1.4, (0.4, 0.85), colour="#e8e6ff")
    vignette(img, 0.35)
    grain(img, rng, 0.012)
    return finish(img)


def house(img, rng, x0, base, wd, ht, wall, roof_h, gable=False, lit=0.7,
          rows=1, chimney=True, shade=1.0):
    """A village house with a snow-laden roof and some lamplit windows."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    x1, top = x0 + wd, base - ht
    body = Canvas(w, h)
    body.rect(x0, top, x1, base)
    if gable:
        body.poly([(x0, top + 0.5), ((x0 + x1) / 2, top - roof_h), (x1, top + 0.5)])
    plaster = fbm(w, h, 4, rng, 2)
    # dusk: walls lit only by the sky, so cool and darker towards the ground
    col = rgb(wall) * np.array([0.55, 0.58, 0.78], np.float32) * shade
    wcol = col[None, None, :] * (0.85 + 0.2 * plaster[..., None]) \
        * (1 - 0.25 * np.clip((y - top) / ht, 0, 1))[..., None]
    paint(img, body.alpha(), wcol)

    if chimney:
        chx = x0 + wd * rng.uniform(0.6, 0.8)
        ch = Canvas(w, h)
        ch.rect(chx, top - roof_h * 0.9, chx + 4, top - roof_h * 0.3)
        paint(img, ch.alpha(), "#3a3346")
        smoke(img, chx + 2, top - roof_h * 0.9 - 1, rng, drift=0.18,
              rise=top - roof_h, opacity=0.35)

    roof = Canvas(w, h)
    edge = Canvas(w, h)
    if gable:
        mx = (x0 + x1) / 2
        for side in (-1, 1):
            ex = mx + side * (wd / 2 + 3)
            roof.poly([(mx, top - roof_h - 3), (ex, top + 1), (ex - side * 3, top + 2.5),
                       (mx, top - roof_h + 1.5)])
        edge.poly([(mx, top - roof_h + 1.5), (x0 - 1, top + 2.5), (x0 + 2, top + 3.3),
                   (mx, top - roof_h + 3.2), (x1 - 2, top + 3.3), (x1 + 1, top + 2.5)])
    else:
        roof.poly([(x0 - 3, top + 1), (x0 + roof_h * 0.4, top - roof_h),
                   (x1 - roof_h * 0.4, top - roof_h), (x1 + 3, top + 1)])
        edge.rect(x0 - 2, top + 0.5, x1 + 2, top + 2)
    paint(img, edge.alpha(), "#1c1626")
    t = np.clip((y - (top - roof_h)) / (roof_h + 2), 0, 1)
    paint(img, roof.alpha(), mix(rgb("#dfe3fb")[None, None, :],
                                 rgb("#8e97cb")[None, None, :], t * 0.8))

    # windows: a loose grid, not every room lit
    cols = max(1, int(wd // 11))
    for r in range(rows):
        for c in range(cols):
            wx = x0 + (c + 0.5) * wd / cols - 2.8
            wy = top + 4 + r * (ht - 6) / rows
            if rng.random() < lit:
                lit_window(img, wx, wy, wx + 5.6, wy + 6.5, rng, glow=0.55,
                           sill="#8e95c6", frame="#2a2030")
            else:
                dark = Canvas(w, h)
                dark.rect(wx, wy, wx + 5.6, wy + 6.5)
                paint(img, dark.alpha(), "#1c2140")
    return img


def church(img, rng, tx, base):
    """Village church: tall tower and spire, stained-glass windows aglow."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    stone = rgb("#8d8aa0") * np.array([0.6, 0.62, 0.8], np.float32)
    tex = fbm(w, h, 3, rng, 2)
    scol = stone[None, None, :] * (0.85 + 0.25 * tex[..., None])
    # nave runs off to the right of the tower
    nave = Canvas(w, h)
    nave.rect(tx + 14, base - 44, tx + 78, base)
    paint(img, nave.alpha(), scol * 0.9)
    nroof = Canvas(w, h)
    nroof.poly([(tx + 10, base - 43), (tx + 20, base - 60), (tx + 74, base - 60),
                (tx + 82, base - 43)])
    paint(img, nroof.alpha(), mix(rgb("#dde1fa")[None, None, :], rgb("#9aa2d2")[None, None, :],
                                  np.clip((y - base + 60) / 18, 0, 1)))
    for k in range(3):
        wx = tx + 26 + k * 17
        win = Canvas(w, h)
        win.rect(wx, base - 34, wx + 7, base - 16)
        win.ellipse(wx + 3.5, base - 34, 3.5, 4)
        a = win.alpha()
        glass = ramp(np.clip((y - base + 38) / 22, 0, 1),
                     [(0, "#ffd27a"), (0.6, "#ff9f45"), (1, "#d9602a")])
        paint(img, a, glass)
        bar = Canvas(w, h)
        bar.rect(wx + 3, base - 37, wx + 4, base - 16)
        bar.rect(wx, base - 26, wx + 7, base - 25)
        paint(img, bar.alpha(), "#3b2530")
        add_glow(img, wx + 3.5, base - 26, 14, "#ff9d4a", 0.3)
    # tower
    tw = Canvas(w, h)
    tw.rect(tx, base - 92, tx + 20, base)
    paint(img, tw.alpha(), scol)
    # belfry opening and a clock
    bel = Canvas(w, h)
    bel.rect(tx + 6, base - 86, tx + 14, base - 72)
    bel.ellipse(tx + 10, base - 86, 4, 4)
    paint(img, bel.alpha(), "#e8a650")
    add_glow(img, tx + 10, base - 80, 12, "#ffae5a", 0.35)
    clk = Canvas(w, h)
    clk.ellipse(tx + 10, base - 60, 5, 5)
    paint(img, clk.alpha(), "#f3e2b6")
    hands = Canvas(w, h)
    hands.line([(tx + 10, base - 60), (tx + 10, base - 63.5)], 0.7)
    hands.line([(tx + 10, base - 60), (tx + 12.5, base - 59)], 0.7)
    paint(img, hands.alpha(), "#2a2030")
    door = Canvas(w, h)
    door.rect(tx + 5, base - 16, tx + 15, base)
    door.ellipse(tx + 10, base - 16, 5, 5)
    paint(img, door.alpha(), "#2b1a18")
    # spire, snow streaking its lit side
    sp = Canvas(w, h)
    sp.poly([(tx - 2, base - 91), (tx + 10, base - 150), (tx + 22, base - 91)])
    paint(img, sp.alpha(), "#3b3a5e")
    sn = Canvas(w, h)
    sn.poly([(tx - 2, base - 91), (tx + 10, base - 150), (tx + 7, base - 91)])
    sn.rect(tx - 3, base - 93, tx + 23, base - 90)
    paint(img, sn.alpha() * 0.85, "#c8cdf0")
    cross = Canvas(w, h)
    cross.rect(tx + 9.4, base - 160, tx + 10.6, base - 149)
    cross.rect(tx + 7.5, base - 157, tx + 12.5, base - 156)
    paint(img, cross.alpha(), "#e9c77a")


def street_lamp(img, x0, base, height=30):
    """Old iron lamp post with a warm halo and a pool of light below."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    post = Canvas(w, h)
    post.rect(x0 - 0.7, base - height, x0 + 0.7, base)
    post.rect(x0 - 2, base - 2, x0 + 2, base)
    post.poly([(x0 - 3, base - height), (x0 + 3, base - height),
               (x0 + 2, base - height - 6), (x0 - 2, base - height - 6)])
    paint(img, post.alpha(), "#15121c")
    glass = Canvas(w, h)
    glass.rect(x0 - 1.6, base - height - 5, x0 + 1.6, base - height - 0.8)
    paint(img, glass.alpha(), "#fff1c2")
    add_glow(img, x0, base - height - 3, 10, "#ffc46b", 0.7)
    add_glow(img, x0, base - height - 3, 28, "#ff9d4a", 0.25)
    pool = np.exp(-(((x - x0) / 22) ** 2 + ((y - base - 2) / 5) ** 2))
    img += pool[..., None] * rgb("#ffb060") * 0.35
    return img


def village(w, h):
    """A village at blue hour: snowy roofs, lit windows, the church spire."""
    rng = np.random.default_rng(505)
    x, y = coords(w, h)
    img = dusk_sky(w, h, rng, h * 0.62,
                   [(0, "#0d1a44"), (0.5, "#2d4688"), (0.8, "#7582b9"),
                    (0.93, "#d49a8c"), (1, "#f0bd8d")], star_count=50)

    hill = h * 0.5 - 18 * noise1d(w, 100, rng, 4)
    paint(img, below_curve(w, h, hill), "#2a3a72")
    forest_row(img, hill + 2, rng, 90, 5, 13, "#1d2a5c", snow_col="#45569a",
               aspect=0.45, snowiness=0.5)
    slope = h * 0.6 - 6 * noise1d(w, 60, rng, 3)
    snowbank(img, slope, rng, lit="#9aa3d6", shade="#6c76b0", depth=30)

    # back row of houses and the church standing above them on its rise
    church(img, rng, 206, 158)
    for hx, hw_, hh, col, gab in ((8, 34, 22, "#c9b89c", True), (46, 30, 20, "#a25a4a", False),
                                  (82, 36, 24, "#d7c9a8", True), (124, 32, 20, "#7b8a9a", False),
                                  (160, 30, 22, "#b98a5a", True), (288, 36, 22, "#c9b89c", False)):
        house(img, rng, hx, 162, hw_, hh, col, 12, gable=gab, lit=0.65, shade=0.85)

    # front row, bigger and warmer
    street = h * 0.78 + 2 * noise1d(w, 50, rng, 2)
    yard = h * 0.68 + 2 * noise1d(w, 40, rng, 2)
    snowbank(img, yard, rng, lit="#9ea6d8", shade="#6a72ac", depth=40)
    # spruces in the gardens between the front houses
    gb, gs = Canvas(w, h), Canvas(w, h)
    for tx, th in ((108, 44), (124, 58), (140, 40), (190, 50), (166, 30)):
        pine(gb, tx, 192, th, th * 0.45, rng, snow=gs, snowiness=0.55)
    bod = gb.alpha()
    paint(img, bod, "#101a3a")
    paint(img, gs.alpha() * bod, "#9aa3d6")
    for hx, hw_, hh, col, gab, rows in ((-6, 52, 40, "#a9564a", True, 2),
                                         (52, 46, 34, "#d8c7a0", False, 2),
                                         (204, 48, 36, "#6f8297", True, 2),
                                         (258, 66, 40, "#c79b62", False, 2)):
        house(img, rng, hx, 190, hw_, hh, col, 18, gable=gab, lit=0.75, rows=rows)

    # the snowy lane in front, lamps down its side
    snowbank(img, street + 8, rng, lit="#bcc2ec", shade="#8a90c4", depth=40, texture=0.08)
    for lx in (112, 180, 310):
        street_lamp(img, lx, 201 + (lx % 3), 32)
    # a few wheel ruts / footprints in the lane
    ruts = fbm(w, h, 5, rng, 3, stretch=(8, 0.5))
    img *= (1 - 0.07 * smoothstep(0.6, 0.9, ruts) * (y > street[None, :] + 12))[..., None]

    snowfall(img, rng, 110, 0.4, 1.4, (0.4, 0.9), colour="#eeeeff")
    vignette(img, 0.35)
    grain(img, rng, 0.012)
    return finish(img)


def lighthouse(w, h):
    """A lighthouse on a snowy headland, its beam sweeping the twilight."""
    rng = np.random.default_rng(303)
    x, y = coords(w, h)
    horizon = 150.0
    img = dusk_sky(w, h, rng, horizon,
                   [(0, "#141c48"), (0.4, "#34437f"), (0.72, "#8286b8"),
                    (0.9, "#dca79c"), (1, "#f3c597")], star_count=35)
    # low streaks of cloud catching the last light
    n = fbm(w, h, 40, rng, 4, stretch=(4.0, 0.6))
    band = np.exp(-((y - 115) / 18) ** 2)
    paint(img, smoothstep(0.55, 0.85, n) * band * 0.6, "#b98aa0")

    # sea: darker towards us, ripples catching the sky's glow
    sea_t = np.clip((y - horizon) / (h - horizon), 0, 1)
    sea = ramp(sea_t, [(0, "#9a93b8"), (0.12, "#4a5688"), (1, "#101a38")])
    ripple = fbm(w, h, 6, rng, 3, stretch=(7.0, 0.35))
    sea = sea * (0.85 + 0.3 * ripple[..., None])
    glint = smoothstep(0.78, 0.95, ripple) * np.exp(-((x - 40) / 45) ** 2) * (1 - sea_t)
    sea = sea + glint[..., None] * rgb("#f0b890") * 0.6
    paint(img, np.clip((y - horizon) + 0.5, 0, 1), sea)

    # ice floes drifting near the shore
    floe_n = fbm(w, h, 9, rng, 3, stretch=(3.0, 0.7))
    floes = smoothstep(0.68, 0.74, floe_n) * (y > 175) * (y < 214)
    floe_col = mix(rgb("#c8cdec")[None, None, :], rgb("#7f88bb")[None, None, :],
                   smoothstep(0.74, 0.9, floe_n))
    paint(img, floes, floe_col)

    # the headland: dark rock with snow on every ledge, a snowy cap on top
    top = np.interp(x[0], [0, 55, 95, 203], [200, 170, 138, 132]) \
        + 4 * (noise1d(w, 14, rng, 3) - 0.5)
    # snow over the whole headland, blue in the hollows; rock shows through
    # in thin horizontal ledges, more of it lower down where the sea scours
    ledge = fbm(w, h, 7, rng, 4, stretch=(3.5, 0.45))
    below = np.clip((y - top[None, :]) / 60, 0, 1)
    snow = mix(rgb("#c3c8ee")[None, None, :], rgb("#6e77ad")[None, None, :],
               below ** 0.8)
    snow = snow * (0.92 + 0.12 * fbm(w, h, 4, rng, 2))[..., None]
    rocky = smoothstep(0.6, 0.66, ledge - 0.25 + 0.4 * below)
    rock = mix(rgb("#141628")[None, None, :], rgb("#363a5c")[None, None, :],
               fbm(w, h, 2, rng, 2))
    face = mix(snow, rock, rocky * 0.95)
    paint(img, below_curve(w, h, top), face)
    cap = top + 3 + 2 * noise1d(w, 8, rng, 2)
    snowcap = below_curve(w, h, top) * (1 - below_curve(w, h, cap))
    paint(img, snowcap, "#cdd1f2")

    # keeper's cottage
    house(img, rng, 84, 142, 30, 12, "#d8cdb0", 9, gable=False, lit=1.0, chimney=True)

    # the tower: banded, rounded by light from the western sky
    cx, base, top_y = 146.0, 140.0, 64.0
    tower = Canvas(w, h)
    tower.poly([(cx - 12, base), (cx - 8, top_y), (cx + 8, top_y), (cx + 12, base)])
    half = 8 + 4 * np.clip((y - top_y) / (base - top_y), 0, 1)
    u = np.clip((x - cx) / half, -1, 1)
    roundness = np.sqrt(np.clip(1 - u * u, 0, 1))
    lightside = 0.55 + 0.45 * roundness - 0.25 * np.clip(u, 0, 1)
    band = (((y - top_y) // 12) % 2 == 0)
    paint_col = np.where(band[..., None], rgb("#c2372f")[None, None, :],
                         rgb("#e9e6f2")[None, None, :])
    dusk = np.array([0.7, 0.68, 0.85], np.float32)
    paint(img, tower.alpha(), paint_col * dusk * lightside[..., None])
    # snow clinging to the base, door glow
    door = Canvas(w, h)
    door.rect(cx - 3, base - 11, cx + 3, base)
    door.ellipse(cx, base - 11, 3, 2.5)
    paint(img, door.alpha(), "#2c1b1a")
    lit_window(img, cx - 1.5, 98, cx + 1.5, 104, rng, bars=False, glow=0.5, sill=None)

    # gallery, lantern room and dome
    gal = Canvas(w, h)
    gal.rect(cx - 12, top_y - 3, cx + 12, top_y)
    for k in range(7):
        gal.rect(cx - 12 + k * 3.83, top_y - 9, cx - 11.4 + k * 3.83, top_y - 3)
    gal.rect(cx - 12, top_y - 9.5, cx + 12, top_y - 8.8)
    paint(img, gal.alpha(), "#15131f")
    lamp = Canvas(w, h)
    lamp.rect(cx - 6, top_y - 16, cx + 6, top_y - 3)
    paint(img, lamp.alpha(), "#fff4c4")
    mull = Canvas(w, h)
    for mx in (-6, -2, 2, 6):
        mull.rect(cx + mx - 0.4, top_y - 16, cx + mx + 0.4, top_y - 3)
    paint(img, mull.alpha() * 0.6, "#7a5a30")
    dome = Canvas(w, h)
    dome.ellipse(cx, top_y - 16, 8, 7)
    dome.rect(cx - 8, top_y - 17, cx + 8, top_y - 15)
    paint(img, dome.alpha() * (y < top_y - 15), "#6e1f24")
    dsnow = Canvas(w, h)
    dsnow.ellipse(cx - 1, top_y - 20, 6, 3)
    paint(img, dsnow.alpha() * (y < top_y - 19), "#d9dcf5")
    tip = Canvas(w, h)
    tip.line([(cx, top_y - 22), (cx, top_y - 27)], 0.8)
    paint(img, tip.alpha(), "#15131f")

    # the beam: a long soft cone out to sea, and a halo round the lamp
    lx, ly = cx, top_y - 10
    dx, dy = x - lx, y - ly
    dist = np.sqrt(dx * dx + dy * dy) + 1e-3
    ang = np.arctan2(dy, -dx) - 0.1
    cone = np.exp(-(ang / 0.06) ** 2) * (dx < 0)
    beam = cone * np.exp(-dist / 160) * smoothstep(4, 14, dist)
    img[:] = screen(img, beam[..., None] * rgb("#fff0b8") * 0.55)
    add_glow(img, lx, ly, 9, "#fff1b0", 0.9)
    add_glow(img, lx, ly, 30, "#ffc870", 0.3)

    # foreground drift of snow with a few fence posts
    fg = np.interp(x[0], [0, 80, 203], [206, 214, 222]) + 3 * noise1d(w, 30, rng, 3)
    snowbank(img, fg, rng, lit="#c9cdf0", shade="#8b92c6", depth=25, texture=0.08)
    for k, fx in enumerate((18, 44, 70)):
        py = np.interp(fx, [0, 80, 203], [206, 214, 222]) - 14 + k * 1.5
        post = Canvas(w, h)
        post.poly([(fx, py), (fx + 3, py), (fx + 3.3, py + 18), (fx - 0.3, py + 18)])
        paint(img, post.alpha(), "#221a22")
        pcap = Canvas(w, h)
        pcap.ellipse(fx + 1.5, py, 2.6, 1.5)
        paint(img, pcap.alpha(), "#d4d8f5")

    snowfall(img, rng, 70, 0.4, 1.5, (0.4, 0.9), colour="#eeeeff")
    vignette(img, 0.3)
    grain(img, rng, 0.012)
    return finish(img)
