"""The pure-Python peer: what a user would write instead of planara_core.

Plain classes with __slots__ holding the floats they are given, computing the same formulas
in the same order as planara_core (so results agree bit for bit), and nothing
more than the benchmark needs. Two honest simplifications: orientation() returns
a plain int, and Circle2.bbox uses math.sqrt rounded to nearest instead of the
outward-rounded square root (its box can be one unit in the last place tighter).
"""

import math


def _sign(v):
    return -1 if v < 0 else (1 if v > 0 else 0)


def _orient(ax, ay, bx, by, cx, cy):
    """1 for a left turn, -1 for a right turn, 0 for collinear (or NaN)."""
    f = (bx - ax) * (cy - ay)
    g = (cx - ax) * (by - ay)
    return 1 if f > g else (-1 if f < g else 0)


def _ordered(ax, ay, px, py, bx, by):
    """Whether p lies between a and b, for p collinear with them."""
    if ax < px:
        return not bx < px
    if px < ax:
        return not px < bx
    if ay < py:
        return not by < py
    if py < ay:
        return not py < by
    return True


def squared_distance(x1, y1, x2, y2):
    dx = x1 - x2
    dy = y1 - y2
    return dx * dx + dy * dy


def orientation(p, q, r):
    return _orient(p.x, p.y, q.x, q.y, r.x, r.y)


class Vector2:
    __slots__ = ("x", "y")

    def __init__(self, x, y):
        self.x = x
        self.y = y


class Point2:
    __slots__ = ("x", "y")

    def __init__(self, x, y):
        self.x = x
        self.y = y

    def __sub__(self, q):
        return Vector2(self.x - q.x, self.y - q.y)

    def __add__(self, v):
        return Point2(self.x + v.x, self.y + v.y)

    def __repr__(self):
        return f"Point2({self.x:f}, {self.y:f})"


class Bbox2:
    __slots__ = ("xmin", "ymin", "xmax", "ymax")

    def __init__(self, xmin, ymin, xmax, ymax):
        self.xmin = xmin
        self.ymin = ymin
        self.xmax = xmax
        self.ymax = ymax

    def __add__(self, o):
        return Bbox2(
            o.xmin if o.xmin < self.xmin else self.xmin,
            o.ymin if o.ymin < self.ymin else self.ymin,
            o.xmax if o.xmax > self.xmax else self.xmax,
            o.ymax if o.ymax > self.ymax else self.ymax,
        )

    def do_overlap(self, o):
        return not (o.xmin > self.xmax or self.xmin > o.xmax
                    or o.ymin > self.ymax or self.ymin > o.ymax)


class Line2:
    __slots__ = ("a", "b", "c")

    def __init__(self, p, q):
        px, py, qx, qy = p.x, p.y, q.x, q.y
        if py == qy:
            if qx > px:
                self.a, self.b, self.c = 0.0, 1.0, -py
            elif qx == px:
                self.a, self.b, self.c = 0.0, 0.0, 0.0
            else:
                self.a, self.b, self.c = 0.0, -1.0, py
        elif qx == px:
            if qy > py:
                self.a, self.b, self.c = -1.0, 0.0, px
            else:
                self.a, self.b, self.c = 1.0, 0.0, -px
        else:
            a = py - qy
            b = qx - px
            self.a, self.b, self.c = a, b, (-px) * a - py * b

    def oriented_side(self, p):
        return _sign((self.a * p.x + self.b * p.y) + self.c)


class Segment2:
    __slots__ = ("sx", "sy", "tx", "ty")

    def __init__(self, p, q):
        self.sx, self.sy, self.tx, self.ty = p.x, p.y, q.x, q.y

    def has_on(self, p):
        sx, sy, tx, ty, px, py = self.sx, self.sy, self.tx, self.ty, p.x, p.y
        a = (py - sy) * (tx - sx)
        b = (px - sx) * (ty - sy)
        if a > b or a < b:
            return False
        return _ordered(sx, sy, px, py, tx, ty)

    def bbox(self):
        sx, sy, tx, ty = self.sx, self.sy, self.tx, self.ty
        return Bbox2(tx if tx < sx else sx, ty if ty < sy else sy,
                     tx if sx < tx else sx, ty if sy < ty else sy)


class Ray2:
    __slots__ = ("sx", "sy", "qx", "qy")

    def __init__(self, p, q):
        self.sx, self.sy, self.qx, self.qy = p.x, p.y, q.x, q.y

    def has_on(self, p):
        sx, sy, qx, qy, px, py = self.sx, self.sy, self.qx, self.qy, p.x, p.y
        if px == sx and py == sy:
            return True
        a = (qx - sx) * (py - sy)
        b = (px - sx) * (qy - sy)
        if a > b or a < b:
            return False
        dx1, dy1, dx2, dy2 = px - sx, py - sy, qx - sx, qy - sy
        if _sign(dx1) != _sign(dx2) or _sign(dy1) != _sign(dy2):
            return False
        u, v = dy1 * dx2, dy2 * dx1
        return not (u > v or u < v)


class Triangle2:
    __slots__ = ("x0", "y0", "x1", "y1", "x2", "y2")

    def __init__(self, p, q, r):
        self.x0, self.y0, self.x1, self.y1, self.x2, self.y2 = p.x, p.y, q.x, q.y, r.x, r.y

    def bounded_side(self, p):
        x0, y0, x1, y1, x2, y2, px, py = (
            self.x0, self.y0, self.x1, self.y1, self.x2, self.y2, p.x, p.y)
        o1 = _orient(x0, y0, x1, y1, px, py)
        o2 = _orient(x1, y1, x2, y2, px, py)
        o3 = _orient(x2, y2, x0, y0, px, py)
        if o1 == o2 == o3:
            return 1
        if ((o1 == 0 and _ordered(x0, y0, px, py, x1, y1))
                or (o2 == 0 and _ordered(x1, y1, px, py, x2, y2))
                or (o3 == 0 and _ordered(x2, y2, px, py, x0, y0))):
            return 0
        return -1

    def area(self):
        x0, y0 = self.x0, self.y0
        return ((self.y2 - y0) * (self.x1 - x0) - (self.x2 - x0) * (self.y1 - y0)) / 2.0


class Circle2:
    """The circle through three points (the only constructor the benchmark uses)."""

    __slots__ = ("cx", "cy", "squared_radius", "orientation")

    def __init__(self, p, q, r):
        px, py = p.x, p.y
        dqx, dqy = q.x - px, q.y - py
        drx, dry = r.x - px, r.y - py
        s, t = dqx * dry, dqy * drx
        self.orientation = 1 if s > t else (-1 if s < t else 0)
        q2 = dqx * dqx + dqy * dqy
        r2 = drx * drx + dry * dry
        den = 2 * (s - t)
        self.cx = cx = px + (dry * q2 - dqy * r2) / den
        self.cy = cy = py - (drx * q2 - dqx * r2) / den
        dx, dy = px - cx, py - cy
        self.squared_radius = dx * dx + dy * dy

    def bounded_side(self, p):
        dx, dy = self.cx - p.x, self.cy - p.y
        d = dx * dx + dy * dy
        s = self.squared_radius
        return -1 if d > s else (1 if s > d else 0)

    def bbox(self):
        s = self.squared_radius
        r = math.sqrt(s) if s >= 0 else math.nan
        return Bbox2(self.cx - r, self.cy - r, self.cx + r, self.cy + r)


class IsoRectangle2:
    """The rectangle with opposite corners p and q."""

    __slots__ = ("xmin", "ymin", "xmax", "ymax")

    def __init__(self, p, q):
        self.xmin, self.xmax = (p.x, q.x) if p.x < q.x else (q.x, p.x)
        self.ymin, self.ymax = (p.y, q.y) if p.y < q.y else (q.y, p.y)

    def bounded_side(self, p):
        px, py = p.x, p.y
        xmin, ymin, xmax, ymax = self.xmin, self.ymin, self.xmax, self.ymax
        x_inside = xmin < px < xmax
        y_inside = ymin < py < ymax
        if x_inside and y_inside:
            return 1
        y_edge = py == ymin or py == ymax
        if x_inside and y_edge:
            return 0
        if (px == xmin or px == xmax) and (y_inside or y_edge):
            return 0
        return -1
