#!/usr/bin/env python3
"""Writes the expected principal-axis, per-fibre and plastic values of the sections that
test_section_axes checks, computed independently of the program: rational arithmetic
(fractions) for everything rational and 80-digit decimals where a root enters. The plastic
neutral axis is found by clipping each figure's polygon against the half-plane (Sutherland-
Hodgman), bracketing the half area between sorted vertex levels and solving the quadratic
through three exact points of the bracket. Coordinates are multiples of 1/1024, exact in
binary, so the program reads exactly the same section. Prints the C++ rows of the data table.
Usage: tests/core/section/data/section-axes-reference.py > tests/core/section/SectionAxesCases.inc"""
import random
from decimal import Decimal, getcontext
from fractions import Fraction as F

getcontext().prec = 80
D = lambda f: Decimal(f.numerator) / Decimal(f.denominator) if isinstance(f, F) else Decimal(f)


def basic(poly):
    """Signed area and centroidal Ix, Iy, Ixy (counter-clockwise positive) and centroid."""
    n = len(poly)
    a = sx = sy = ixx = iyy = ixy = F(0)
    for i in range(n):
        (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % n]
        c = x0 * y1 - x1 * y0
        a += c / 2
        sx += (x0 + x1) * c / 6
        sy += (y0 + y1) * c / 6
        ixx += (y0 * y0 + y0 * y1 + y1 * y1) * c / 12
        iyy += (x0 * x0 + x0 * x1 + x1 * x1) * c / 12
        ixy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * c / 24
    xb, yb = sx / a, sy / a
    return a, xb, yb, ixx - a * yb * yb, iyy - a * xb * xb, ixy - a * xb * yb


def principal(ix, iy, ixy):
    ix, iy, ixy = D(ix), D(iy), D(ixy)
    mean, half = (ix + iy) / 2, (ix - iy) / 2
    r = (half * half + ixy * ixy).sqrt()
    import math
    theta = Decimal(math.atan2(float(-ixy), float(half)) / 2)  # refined below
    # refine the angle with Newton steps on tan(2 theta) = -2 ixy / (ix - iy) in decimals
    c2, s2 = half / r, -ixy / r  # cos 2theta, sin 2theta exactly
    cos_t = ((1 + c2) / 2).sqrt()
    sin_t = s2 / (2 * cos_t) if cos_t != 0 else Decimal(1)
    deg = Decimal(math.degrees(math.atan2(float(sin_t), float(cos_t))))
    return deg, mean + r, mean - r, cos_t, sin_t


def clip_below(poly, nx, ny, t):
    """The polygon's part with x nx + y ny <= t (decimals)."""
    out = []
    n = len(poly)
    for i in range(n):
        p, q = poly[i], poly[(i + 1) % n]
        ep, eq = p[0] * nx + p[1] * ny - t, q[0] * nx + q[1] * ny - t
        if ep <= 0:
            out.append(p)
        if (ep < 0 < eq) or (eq < 0 < ep):
            k = ep / (ep - eq)
            out.append((p[0] + k * (q[0] - p[0]), p[1] + k * (q[1] - p[1])))
    return out


def area_moment(poly, nx, ny):
    """Signed area and first moment of eta = x nx + y ny."""
    a = m = Decimal(0)
    n = len(poly)
    for i in range(n):
        (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % n]
        c = x0 * y1 - x1 * y0
        a += c / 2
        m += ((x0 + x1) * nx + (y0 + y1) * ny) * c / 6
    return a, m


def plastic(figs, nx, ny):
    """figs: (decimal polygon, weight); returns (level t, modulus)."""
    def below(t):
        a = m = Decimal(0)
        for poly, w in figs:
            pa, pm = area_moment(clip_below(poly, nx, ny, t), nx, ny)
            a += w * pa
            m += w * pm
        return a, m
    levels = sorted({p[0] * nx + p[1] * ny for poly, _ in figs for p in poly})
    total_a = total_m = Decimal(0)
    for poly, w in figs:
        pa, pm = area_moment(poly, nx, ny)
        total_a += w * pa
        total_m += w * pm
    half = total_a / 2
    lo, hi = 0, len(levels) - 1
    while hi - lo > 1:
        mid = (lo + hi) // 2
        if below(levels[mid])[0] <= half:
            lo = mid
        else:
            hi = mid
    a, b = levels[lo], levels[hi]
    fa, fm, fb = below(a)[0], below((a + b) / 2)[0], below(b)[0]
    h = b - a
    # f(a + u) = fa + p u + q u^2 through the three points
    q = (fb - 2 * fm + fa) * 2 / (h * h)
    p = (fb - fa) / h - q * h
    need = half - fa
    if q == 0:
        u = need / p
    else:
        u = (-p + (p * p + 4 * q * need).sqrt()) / (2 * q)
    t = a + u
    ab, mb = below(t)
    return t, total_m - 2 * mb + t * (2 * ab - total_a)


def section(adds, subs):
    """Expected values: per figure dicts and the combined dict."""
    figs = [(f, 1) for f in adds] + [(f, -1) for f in subs]
    cols = []
    parts = []
    for poly, sign in figs:
        a, xb, yb, ix, iy, ixy = basic(poly)
        o = 1 if a > 0 else -1
        a, ix, iy, ixy = a * o, ix * o, iy * o, ixy * o
        deg, iu, iv, c, s = principal(ix, iy, ixy)
        du = max(abs(-(D(x) - D(xb)) * s + (D(y) - D(yb)) * c) for x, y in poly)
        dv = max(abs((D(x) - D(xb)) * c + (D(y) - D(yb)) * s) for x, y in poly)
        top = max(y for _, y in poly) - yb
        bottom = yb - min(y for _, y in poly)
        right = max(x for x, _ in poly) - xb
        left = xb - min(x for x, _ in poly)
        v = {"Ixy": sign * ixy, "Ixy'": sign * (ixy + a * xb * yb), "theta": deg,
             "Iu": sign * iu, "Iv": sign * iv, "Zu": sign * iu / du, "Zv": sign * iv / dv,
             "iu": sign * (iu / D(a)).sqrt(), "iv": sign * (iv / D(a)).sqrt(),
             "Zx_top": sign * ix / top, "Zx_bottom": sign * ix / bottom,
             "Zy_right": sign * iy / right, "Zy_left": sign * iy / left}
        cols.append(v)
        parts.append((sign * a, xb, yb, sign * ix, sign * iy, sign * ixy, o * sign))
    A = sum(p[0] for p in parts)
    xb = sum(p[0] * p[1] for p in parts) / A
    yb = sum(p[0] * p[2] for p in parts) / A
    ix = sum(p[3] + p[0] * (p[2] - yb) ** 2 for p in parts)
    iy = sum(p[4] + p[0] * (p[1] - xb) ** 2 for p in parts)
    ixy = sum(p[5] + p[0] * (p[1] - xb) * (p[2] - yb) for p in parts)
    deg, iu, iv, c, s = principal(ix, iy, ixy)
    added = [p for f in adds for p in f]
    du = max(abs(-(D(x) - D(xb)) * s + (D(y) - D(yb)) * c) for x, y in added)
    dv = max(abs((D(x) - D(xb)) * c + (D(y) - D(yb)) * s) for x, y in added)
    zx = ix / max(abs(y - yb) for _, y in added)
    zy = iy / max(abs(x - xb) for x, _ in added)
    # the plastic values about the centroid, to keep the decimals small
    dfigs = [([(D(x - xb), D(y - yb)) for x, y in poly], p[6]) for (poly, _), p in zip(figs, parts)]
    tx, zpx = plastic(dfigs, Decimal(0), Decimal(1))
    ty, zpy = plastic(dfigs, Decimal(1), Decimal(0))
    _, zpu = plastic(dfigs, -s, c)
    _, zpv = plastic(dfigs, c, s)
    comb = {"Ixy": ixy, "Ixy'": sum(col["Ixy'"] for col in cols), "theta": deg, "Iu": iu, "Iv": iv,
            "Zu": iu / du, "Zv": iv / dv, "iu": (iu / D(A)).sqrt(), "iv": (iv / D(A)).sqrt(),
            "Zx_top": ix / (max(y for _, y in added) - yb),
            "Zx_bottom": ix / (yb - min(y for _, y in added)),
            "Zy_right": iy / (max(x for x, _ in added) - xb),
            "Zy_left": iy / (xb - min(x for x, _ in added)),
            "x_p": D(xb) + ty, "y_p": D(yb) + tx, "Zpx": zpx, "Zpy": zpy,
            "fx": zpx / D(zx), "fy": zpy / D(zy), "Zpu": zpu, "Zpv": zpv}
    return cols, comb


def star(rng, cx, cy, size, n, clockwise):
    """A polygon of n >= 4 vertices sorted by angle around (cx, cy), no gap between angles
    reaching half a turn: star-shaped about the centre, so simple."""
    n = max(n, 4)
    angles = [6.283185 * (i + rng.uniform(0.1, 0.9)) / n for i in range(n)]
    pts = []
    import math
    base = (F(round(cx * 1024), 1024), F(round(cy * 1024), 1024))
    for t in angles:
        r = size * rng.uniform(0.3, 1.0)
        pts.append((base[0] + F(round(r * math.cos(t) * 1024), 1024),
                    base[1] + F(round(r * math.sin(t) * 1024), 1024)))
    return pts[::-1] if clockwise else pts


def cpp_points(poly):
    return ";".join(f"{float(x)!r},{float(y)!r}" for x, y in poly)


def fmt(v):
    return f"{float(D(v)):.17g}"


def row(name, adds, subs):
    cols, comb = section(adds, subs)
    figs = "|".join(cpp_points(p) for p in adds)
    holes = "|".join(cpp_points(p) for p in subs)
    values = [("総合", comb)] + [(str(i), c) for i, c in enumerate(cols)]
    text = ", ".join(f"{k}={fmt(v)}" for head, vs in values for k, v in
                     ((f"{head}:{key}", val) for key, val in vs.items()))
    print(f'    {{"{name}", "{figs}", "{holes}",\n     "{text}"}},')


rng = random.Random(18)
row("Z-section", [[(F(-1), F(-6)), (F(5), F(-6)), (F(5), F(-4)), (F(1), F(-4)), (F(1), F(6)),
                   (F(-5), F(6)), (F(-5), F(4)), (F(-1), F(4))]], [])
row("rectangle 50 x 100", [[(F(0), F(0)), (F(50), F(0)), (F(50), F(100)), (F(0), F(100))]], [])
for i in range(5):
    centres = [(rng.randint(-50, 50), rng.randint(-50, 50)) for _ in range(rng.randint(1, 3))]
    adds = [star(rng, cx, cy, rng.uniform(5, 40), rng.randint(4, 9), rng.random() < 0.5)
            for cx, cy in centres]
    # every other section gets a small hole about its first figure's centre, inside it
    subs = [star(rng, *centres[0], 0.2, rng.randint(4, 6), rng.random() < 0.5)] if i % 2 == 0 else []
    row(f"random section {i + 1}", adds, subs)
for i in range(2):
    far = [star(rng, 12345 + 17 * i, -9876 + 3 * i, rng.uniform(0.01, 0.5), rng.randint(3, 8),
                rng.random() < 0.5) for _ in range(2)]
    row(f"small figures far from the origin {i + 1}", far, [])
