"""Pickling and copying of planara_core objects.

planara_core's classes define no pickling or copy protocol of their own;
importing planara registers a reducer for each with copyreg, which pickle,
copy.copy and copy.deepcopy consult first. A reducer names a loader below and
the numbers that rebuild the object exactly as it is stored. Loading a pickle
therefore imports planara, and with it these reducers: a process that
receives objects (a pool worker, a dask worker, a manager) can send objects
back without importing planara itself.

The loaders' names and parameters are part of every pickle written: keep them.
Each checks that it got what a reducer writes (floats, and an orientation code
of -1, 0 or 1) and refuses anything else. Pickles written before the loaders
existed name planara_core's constructors, or orientation_result and
collinear_circle; they load as they always did.
"""

import copyreg

import planara_core as pc


def _floats(loader, values):
    for value in values:
        if type(value) is not float:
            raise TypeError(f"{loader}() takes floats, not {type(value).__name__}: "
                            "this is not a pickle that planara wrote")


def _code(loader, code):
    if type(code) is not int or code not in (-1, 0, 1):
        raise ValueError(f"{loader}() takes an orientation code -1, 0 or 1, not {code!r}: "
                         "this is not a pickle that planara wrote")


def point2(x, y):
    _floats("point2", (x, y))
    return pc.Point2(x, y)


def vector2(x, y):
    _floats("vector2", (x, y))
    return pc.Vector2(x, y)


def bbox2(xmin, ymin, xmax, ymax):
    _floats("bbox2", (xmin, ymin, xmax, ymax))
    return pc.Bbox2(xmin, ymin, xmax, ymax)


def direction2(dx, dy):
    _floats("direction2", (dx, dy))
    return pc.Direction2(dx, dy)


def line2(a, b, c):
    _floats("line2", (a, b, c))
    return pc.Line2(a, b, c)


def segment2(sx, sy, tx, ty):
    _floats("segment2", (sx, sy, tx, ty))
    return pc.Segment2(pc.Point2(sx, sy), pc.Point2(tx, ty))


def ray2(sx, sy, qx, qy):
    """The ray from its source through its stored second point (a degenerate
    ray stays degenerate)."""
    _floats("ray2", (sx, sy, qx, qy))
    return pc.Ray2(pc.Point2(sx, sy), pc.Point2(qx, qy))


def triangle2(x0, y0, x1, y1, x2, y2):
    _floats("triangle2", (x0, y0, x1, y1, x2, y2))
    return pc.Triangle2(pc.Point2(x0, y0), pc.Point2(x1, y1), pc.Point2(x2, y2))


def circle2(cx, cy, squared_radius, orientation):
    """A circle as stored, of any orientation: only the circle through three
    collinear points has orientation 0, with the centre and radius that
    arithmetic gave, and no constructor takes those as they are."""
    _floats("circle2", (cx, cy, squared_radius))
    _code("circle2", orientation)
    from planara import _values

    return _values.circle(cx, cy, squared_radius, orientation)


def iso_rectangle2(xmin, ymin, xmax, ymax):
    """From its extreme points, which are stored as they are: from two corners
    the constructor would sort them, and a NaN corner would move."""
    _floats("iso_rectangle2", (xmin, ymin, xmax, ymax))
    low, high = pc.Point2(xmin, ymin), pc.Point2(xmax, ymax)
    return pc.IsoRectangle2(low, high, low, high)


def orientation_result(code):
    """The OrientationResult of code -1, 0 or 1, as orientation() gives it."""
    _code("orientation_result", code)
    third = {1: (0.0, 1.0), -1: (0.0, -1.0), 0: (2.0, 0.0)}[code]
    return pc.orientation(pc.Point2(0.0, 0.0), pc.Point2(1.0, 0.0), pc.Point2(*third))


def collinear_circle(cx, cy, squared_radius):
    """A Circle2 of orientation 0 (the loader of earlier pickles)."""
    return circle2(cx, cy, squared_radius, 0)


def _xy(p):
    return p.x, p.y


def _circle(c):
    center = c.center()
    return circle2, (center.x, center.y, c.squared_radius(), c.orientation())


def _iso_rectangle(r):
    return iso_rectangle2, (*_xy(r.min()), *_xy(r.max()))


REDUCERS = {
    pc.Point2: lambda p: (point2, (p.x, p.y)),
    pc.Vector2: lambda v: (vector2, (v.x, v.y)),
    pc.OrientationResult: lambda r: (orientation_result, (r.left_turn() - r.right_turn(),)),
    pc.Bbox2: lambda b: (bbox2, (b.xmin, b.ymin, b.xmax, b.ymax)),
    pc.Direction2: lambda d: (direction2, (d.dx, d.dy)),
    pc.Line2: lambda line: (line2, (line.a, line.b, line.c)),
    pc.Segment2: lambda s: (segment2, (*_xy(s.source()), *_xy(s.target()))),
    # point(1) is the stored second point itself, also for a degenerate ray.
    pc.Ray2: lambda r: (ray2, (*_xy(r.source()), *_xy(r.point(1)))),
    pc.Triangle2: lambda t: (triangle2, (*_xy(t.vertex(0)), *_xy(t.vertex(1)), *_xy(t.vertex(2)))),
    pc.Circle2: _circle,
    pc.IsoRectangle2: _iso_rectangle,
}


def register():
    for cls, reducer in REDUCERS.items():
        copyreg.pickle(cls, reducer)
