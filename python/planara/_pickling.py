"""Pickling and copying of planara_core objects.

planara_core's classes define no pickling or copy protocol of their own;
importing planara registers a reducer for each with copyreg, which pickle,
copy.copy and copy.deepcopy consult first. A reducer names a planara_core
constructor and the values that rebuild the object exactly as it is stored,
so that such pickles load in any process that has planara_core, whether or
not it imports planara. Only two kinds of object have no such constructor:
OrientationResult and a circle through collinear points (orientation 0);
they are rebuilt by the functions below.
"""

import copyreg

import planara_core as pc


def orientation_result(code):
    """The OrientationResult of code -1, 0 or 1, as orientation() gives it."""
    third = {1: (0.0, 1.0), -1: (0.0, -1.0), 0: (2.0, 0.0)}[code]
    return pc.orientation(pc.Point2(0.0, 0.0), pc.Point2(1.0, 0.0), pc.Point2(*third))


def collinear_circle(cx, cy, squared_radius):
    """A Circle2 of orientation 0 with this centre and squared radius."""
    from planara import _values

    return _values.circle(cx, cy, squared_radius, 0)


def _circle(c):
    center, orientation = c.center(), c.orientation()
    if orientation == 0:
        return collinear_circle, (center.x, center.y, c.squared_radius())
    return pc.Circle2, (center, c.squared_radius(), orientation)


def _iso_rectangle(r):
    # From extreme points, which are stored as they are: from two corners the
    # constructor would sort them, and a NaN corner would move.
    low, high = r.min(), r.max()
    return pc.IsoRectangle2, (low, high, low, high)


REDUCERS = {
    pc.Point2: lambda p: (pc.Point2, (p.x, p.y)),
    pc.Vector2: lambda v: (pc.Vector2, (v.x, v.y)),
    pc.OrientationResult: lambda r: (orientation_result, (r.left_turn() - r.right_turn(),)),
    pc.Bbox2: lambda b: (pc.Bbox2, (b.xmin, b.ymin, b.xmax, b.ymax)),
    pc.Direction2: lambda d: (pc.Direction2, (d.dx, d.dy)),
    pc.Line2: lambda line: (pc.Line2, (line.a, line.b, line.c)),
    pc.Segment2: lambda s: (pc.Segment2, (s.source(), s.target())),
    # point(1) is the stored second point itself, also for a degenerate ray.
    pc.Ray2: lambda r: (pc.Ray2, (r.source(), r.point(1))),
    pc.Triangle2: lambda t: (pc.Triangle2, (t.vertex(0), t.vertex(1), t.vertex(2))),
    pc.Circle2: _circle,
    pc.IsoRectangle2: _iso_rectangle,
}


def register():
    for cls, reducer in REDUCERS.items():
        copyreg.pickle(cls, reducer)
