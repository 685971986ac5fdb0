"""Night winter photographs: the northern lights, and a full moon over the
fields.  Both rely on light painted additively over a very dark base."""

import numpy as np

from paint import (Canvas, add_glow, bare_tree, below_curve, blur, coords,
                   fbm, finish, forest_row, grain, lit_window, mix, noise1d,
                   paint, pine, radial, ramp, rgb, screen, smoothstep,
                   snowbank, snowfall, sparkle_snow, stars, vgradient, vignette)


def aurora_curtain(w, h, rng, edge, rise, colours, brightness=1.0):
    """One curtain of the aurora as an RGB light layer.

    edge is the curtain's lower hem per column.  The hem is sharp and
    brightest; above it the light fades in fine vertical rays over about
    rise pixels, shifting from green to violet with height.
    """
    x, y = coords(w, h)
    above = edge[None, :] - y
    r = rise * (0.6 + 0.8 * noise1d(w, 30, rng, 2))[None, :]
    vert = np.where(above >= 0, np.exp(-above / r) * (1 + 0.8 * np.exp(-above / 3)),
                    np.exp(-(above / 2.0) ** 2) * 0.8 + 0.12 * np.exp(above / 14))
    rays = 0.35 + 0.65 * noise1d(w, 2.2, rng, 2) ** 1.6
    envelope = 0.2 + 0.8 * smoothstep(0.2, 0.75, noise1d(w, 60, rng, 3))
    inten = vert * (rays * envelope)[None, :] * brightness
    t = np.clip(above / (rise * 2.2), 0, 1)
    col = ramp(t, [(0, colours[0]), (0.3, colours[1]), (1, colours[2])])
    return blur(inten[..., None] * col, 0.5, 1.2)


def aurora(w, h):
    """Northern lights rippling over a snowfield and dark spruces."""
    rng = np.random.default_rng(808)
    x, y = coords(w, h)
    horizon = 168.0
    img = vgradient(w, h, [(0, "#02050f"), (0.6, "#081630"), (1, "#123646")],
                    0, horizon / h)
    # a faint band of the Milky Way behind everything
    band = np.exp(-(((x * 0.5 + y) - 150) / 45) ** 2)
    dust = fbm(w, h, 14, rng, 5)
    paint(img, band * (0.15 + 0.3 * dust) * 0.5, "#6a78a8")
    stars(img, rng, 260, limit_y=horizon)

    # two ribbons sweeping across the sky, folded like hanging cloth
    xs = np.arange(w, dtype=np.float32)
    hem1 = 128 - xs * 0.26 + 16 * np.sin(xs * 0.035 + 1.0) + 8 * (noise1d(w, 40, rng, 3) - 0.5)
    hem2 = 70 - xs * 0.1 + 10 * np.sin(xs * 0.05 + 3.0) + 6 * (noise1d(w, 30, rng, 3) - 0.5)
    light = aurora_curtain(w, h, rng, hem1, 20, ("#8dffba", "#2fd08a", "#7a4fd8"))
    light += aurora_curtain(w, h, rng, hem2, 14, ("#a6ffd0", "#3ab894", "#c65ad0"),
                            brightness=0.55)
    img[:] = screen(img, light * 1.1)
    # green glow in the air around the lights and near the horizon
    img += blur(light, 12) * 0.25
    img += (np.exp(-((y - horizon) / 40) ** 2) * 0.06)[..., None] * rgb("#3cd890")
    # distant fells, then the forest edge, all black against the glow
    fell = horizon - 14 * noise1d(w, 80, rng, 3) - 4
    paint(img, below_curve(w, h, fell), "#0b1a24")
    forest_row(img, np.full(w, horizon + 2.0) + 2 * noise1d(w, 30, rng, 2), rng, 120,
               6, 18, "#050c14", snow_col="#2a4a4c", aspect=0.4, snowiness=0.35)

    # snowfield catching the green glow from above, bluer in the hollows
    ground = horizon + 4 + 2 * noise1d(w, 50, rng, 2)
    snowbank(img, ground, rng, lit="#4f8a86", shade="#1c3150", depth=80, texture=0.06)
    # wind-carved ripples: crests facing the sky catch the green light,
    # packed tighter towards the horizon
    _, yy = coords(w, h)
    depth = np.clip(yy - horizon, 0, None)
    ripple = fbm(w, h, 12, rng, 4, stretch=(4.0, 0.4))
    rows = (np.sqrt(depth) * 6).astype(int).clip(0, h - 1)
    field = ripple[rows, x.astype(int)]
    facing = np.clip(0.5 - np.gradient(blur(field, 0.8), axis=0) * 6, 0, 1)
    snow = ramp(facing, [(0, "#1d3550"), (0.5, "#467c80"), (1, "#86c4b6")])
    paint(img, below_curve(w, h, ground) * smoothstep(0, 8, depth) * 0.45, snow)
    # the aurora mirrored faintly on the wind-polished snow
    refl = light[int(2 * horizon - h):int(horizon)][::-1]
    refl = blur(refl, 2.5, 4)
    lower = img[int(horizon):]
    lower[:] = screen(lower, refl * 0.22 * below_curve(w, h, ground)[int(horizon):, :, None])

    # two big spruces in silhouette on the left, one on the right
    tb, ts = Canvas(w, h), Canvas(w, h)
    for tx, tbase, th in ((18, 238, 150), (46, 232, 104), (300, 236, 128)):
        pine(tb, tx, tbase, th, th * 0.4, rng, snow=ts, snowiness=0.4)
    body = tb.alpha()
    paint(img, body, "#03070d")
    paint(img, ts.alpha() * body, "#3b6a66")

    sparkle_snow(img, rng, below_curve(w, h, ground), 160, 0.4)
    vignette(img, 0.3)
    grain(img, rng, 0.01)
    return finish(img)


def moon_disc(img, cx, cy, r, rng):
    """A full moon: seas of darker grey, darker towards the limb."""
    h, w = img.shape[:2]
    x, y = coords(w, h)
    d = np.sqrt((x - cx) ** 2 + (y - cy) ** 2) / r
    mare = fbm(w, h, r * 0.7, rng, 4)
    crater = fbm(w, h, 2.5, rng, 2)
    tone = 1.0 - 0.22 * smoothstep(0.5, 0.75, mare) - 0.06 * crater
    tone *= 1.0 - 0.25 * np.clip(d, 0, 1) ** 3
    col = rgb("#f6f2de")[None, None, :] * tone[..., None]
    cv = Canvas(w, h)
    cv.ellipse(cx, cy, r, r)
    paint(img, cv.alpha(), col)


def moonlit_fields(w, h):
    """A winter moon over snowy farm fields, hedges and a lone oak."""
    rng = np.random.default_rng(1010)
    x, y = coords(w, h)
    horizon = 140.0
    img = vgradient(w, h, [(0, "#040a1e"), (0.55, "#11244c"), (1, "#2f4c7c")],
                    0, horizon / h)
    mx, my, mr = 262.0, 56.0, 17.0
    stars(img, rng, 140, limit_y=horizon,
          mask=(radial(w, h, mx, my, 60) > 1).astype(np.float32))
    add_glow(img, mx, my, 70, "#6d86c0", 0.35)
    add_glow(img, mx, my, 32, "#b9c6e6", 0.35)
    moon_disc(img, mx, my, mr, rng)
    # thin clouds drifting past, silvered near the moon
    n = fbm(w, h, 40, rng, 5, stretch=(4.0, 0.5))
    cl = smoothstep(0.55, 0.85, n) * (y < 120)
    near = np.exp(-(radial(w, h, mx, my, 90)) ** 2)
    ccol = mix(rgb("#1e2c50")[None, None, :], rgb("#c4cfe8")[None, None, :],
               np.clip(near * 1.2, 0, 1))
    paint(img, cl * (0.35 + 0.4 * near), ccol)

    # far fields rolling to the horizon, hedgerows dividing them
    layers = [(horizon, 6, "#6f84b6", "#3a4c7a"), (154, 10, "#7f94c4", "#3c4f80"),
              (172, 14, "#93a7d4", "#41568a")]
    for k, (base, amp, lit, shade) in enumerate(layers):
        curve = base - amp * noise1d(w, 90, rng, 3)
        snowbank(img, curve, rng, lit=lit, shade=shade, depth=28 + 10 * k)
        # hedgerow along the crest: clumps of bushes with gaps and the odd tree
        hedge = Canvas(w, h)
        thick = noise1d(w, 30, rng, 3)
        for hx in np.arange(-4, w + 4, 1.3):
            t = thick[int(np.clip(hx, 0, w - 1))]
            if t > 0.35 and rng.random() < 0.8:
                hy = np.interp(hx, np.arange(w), curve) + 1.0
                s = (0.4 + k * 0.35) * (0.6 + t)
                hedge.ellipse(hx, hy - s, s * 1.2, s * rng.uniform(0.8, 1.4))
        for _ in range(3 + k):
            tx = rng.uniform(0, w)
            if thick[int(tx)] > 0.4:
                bare_tree(hedge, tx, np.interp(tx, np.arange(w), curve),
                          8 + 7 * k, rng, depth=5, width=0.6 + 0.3 * k, trunk=0.25)
        paint(img, hedge.alpha(), "#0e1730")
        if k == 0:
            # a farmhouse far off, one window still lit
            fx = 70.0
            fy = np.interp(fx, np.arange(w), curve)
            farm = Canvas(w, h)
            farm.rect(fx, fy - 7, fx + 14, fy + 1)
            farm.poly([(fx - 1.5, fy - 6.5), (fx + 7, fy - 12), (fx + 15.5, fy - 6.5)])
            farm.rect(fx + 15, fy - 4, fx + 22, fy + 1)
            paint(img, farm.alpha(), "#10182e")
            roof = Canvas(w, h)
            roof.poly([(fx - 1.5, fy - 6.5), (fx + 7, fy - 12), (fx + 15.5, fy - 6.5),
                       (fx + 13, fy - 7), (fx + 7, fy - 10.5), (fx + 1, fy - 7)])
            paint(img, roof.alpha(), "#8b9dcc")
            lit_window(img, fx + 3, fy - 5, fx + 5.5, fy - 2.5, rng, bars=False,
                       glow=0.9, sill=None)
            lit_window(img, fx + 9, fy - 5, fx + 11.5, fy - 2.5, rng, bars=False,
                       glow=0.5, sill=None, warm=("#ffc870", "#d07028"))

    # the lone oak on the near rise
    oak = Canvas(w, h)
    bare_tree(oak, 96, 180, 130, rng, depth=8, spread=0.6, width=6, trunk=0.22)
    paint(img, oak.alpha(), "#070b18")

    # foreground: deep snow, moonlit, with a fence running towards us
    fg = 196 - 6 * noise1d(w, 80, rng, 3)
    snowbank(img, fg, rng, lit="#b3c4ea", shade="#55689c", depth=50, texture=0.1)
    posts = Canvas(w, h)
    shadows = Canvas(w, h)
    caps = Canvas(w, h)
    for k in range(8):
        # posts get bigger and further apart as they come towards the camera
        u = k / 7
        px = 190 + 150 * u ** 1.4
        base_y = 181 + 60 * u ** 1.3
        ph = 6 + 40 * u ** 1.5
        pw = 1 + 4.5 * u ** 1.3
        posts.poly([(px - pw / 2, base_y), (px + pw / 2, base_y),
                    (px + pw * 0.4, base_y - ph), (px - pw * 0.4, base_y - ph)])
        caps.ellipse(px, base_y - ph, pw * 0.65, pw * 0.3 + 0.3)
        # the moon is behind, so shadows reach towards us and to the left
        shadows.poly([(px - pw / 2, base_y), (px + pw / 2, base_y),
                      (px - ph * 0.5 + pw, base_y + ph * 0.5),
                      (px - ph * 0.5, base_y + ph * 0.5)])
        if k:
            # two strands of wire sagging between posts
            pu = (k - 1) / 7
            qx = 190 + 150 * pu ** 1.4
            qy = 181 + 60 * pu ** 1.3
            qh = 6 + 40 * pu ** 1.5
            for f in (0.45, 0.8):
                a, b = (qx, qy - qh * f), (px, base_y - ph * f)
                mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2 + 1 + 2 * u)
                posts.line([a, mid, b], 0.3 + 0.4 * u)
    img *= (1 - 0.35 * blur(shadows.alpha(), 0.8))[..., None]
    paint(img, posts.alpha(), "#161320")
    paint(img, caps.alpha() * 0.9, "#c5d2f0")

    sparkle_snow(img, rng, below_curve(w, h, fg), 260, 0.7)
    snowfall(img, rng, 40, 0.4, 1.1, (0.3, 0.7), colour="#dfe6ff")
    vignette(img, 0.32)
    grain(img, rng, 0.01)
    return finish(img)
