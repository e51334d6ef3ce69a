"""A short printed tour of planara_core, and of planara.array when numpy is installed."""

import planara_core as pc
from planara_core import Direction2, Line2, Point2, Ray2, Segment2, Vector2


def section(title):
    print(f"\n== {title} ==")


def show(label, value):
    print(f"{label:<44} {value!r}")


section("Points and vectors")
p, q = Point2(1, 2), Point2(4, 6)
show("p, q", (p, q))
show("q - p", q - p)
show("p + Vector2(0.5, -1)", p + Vector2(0.5, -1))
show("Vector2(1, 2) * 3", Vector2(1, 2) * 3)
show("p == Point2(1, 2)  (points compare by identity)", p == Point2(1, 2))

section("Module functions")
show("squared_distance(1, 2, 4, 6)", pc.squared_distance(1, 2, 4, 6))
r = pc.orientation(Point2(0, 0), Point2(1, 0), Point2(0, 1))
show("orientation((0,0), (1,0), (0,1))", r)
show("  .left_turn()", r.left_turn())
# Plain doubles, no exact predicates: nearly collinear input is decided by rounding.
show("orientation of nearly collinear points",
     pc.orientation(Point2(0.5, 0.5000000000000001), Point2(12, 12), Point2(24, 24)))

section("Bounding boxes")
a, b = pc.Bbox2(0, 0, 2, 1), pc.Bbox2(1, -1, 3, 0.5)
show("a, b", (a, b))
show("a + b  (union)", a + b)
show("a.do_overlap(b)", a.do_overlap(b))
show("a.do_overlap(Bbox2(2, 1, 4, 4))  (touching)", a.do_overlap(pc.Bbox2(2, 1, 4, 4)))
show("Bbox2()  (empty, neutral for +)", pc.Bbox2())
c = a
a += b  # c is the old object, enlarged in place; a is a new equal box
show("c after a += b", c)
a.scale(0.5)
show("a.scale(0.5)  (about the centre)", a)
d = pc.Bbox2(0, 0, 1, 1)
d.dilate(1)  # one representable double outwards on every side
show("Bbox2(0, 0, 1, 1).dilate(1): xmin, xmax", (d.xmin, d.xmax))
try:
    pc.Bbox2(0, 0, 1.7976931348623157e308, 1).dilate(1)
except OverflowError as e:
    show("dilating the largest double", f"OverflowError: {e}")

section("Directions and lines")
show("sorted directions (counterclockwise)",
     sorted([Direction2(0, -1), Direction2(-1, 0), Direction2(1, 1), Direction2(1, 0)]))
show("Direction2(2, 0) == Direction2(1, 0)", Direction2(2, 0) == Direction2(1, 0))
show("-Direction2(1, 0)", -Direction2(1, 0))
show("(0, 1) between (1, 0) and (-1, 0)",
     Direction2(0, 1).counterclockwise_in_between(Direction2(1, 0), Direction2(-1, 0)))
line = Line2(Point2(0, 0), Point2(1, 1))
show("Line2(Point2(0, 0), Point2(1, 1))", line)
# Horizontal and vertical lines through two points get exact unit coefficients.
show("Line2(Point2(0, 2), Point2(5, 2))", Line2(Point2(0, 2), Point2(5, 2)))
show("  .oriented_side(Point2(0, 1))", line.oriented_side(Point2(0, 1)))
show("  .projection(Point2(2, 0))", line.projection(Point2(2, 0)))
show("Line2(1, 2, 3) == Line2(2, 4, 6)", Line2(1, 2, 3) == Line2(2, 4, 6))
show("Line2(0, 1, -2).x_at_y(3)  (horizontal line)", Line2(0, 1, -2).x_at_y(3))

section("Segments and rays")
seg = Segment2(Point2(3, -1), Point2(1, 4))
show("seg", seg)
show("  .min(), .max()", (seg.min(), seg.max()))
show("  seg[0], seg[3]  (even, odd index)", (seg[0], seg[3]))
source, target = seg
show("  source, target = seg", (source, target))
show("  .supporting_line()", seg.supporting_line())
show("  .has_on(Point2(2, 1.5))", seg.has_on(Point2(2, 1.5)))
show("  .bbox()", seg.bbox())
ray = Ray2(Point2(1, 1), Vector2(2, 0))
show("Ray2(Point2(1, 1), Vector2(2, 0))", ray)
show("  .point(2.5)", ray.point(2.5))
show("  .has_on(Point2(0, 1))  (behind the source)", ray.has_on(Point2(0, 1)))
show("  == Ray2(Point2(1, 1), Point2(9, 1))", ray == Ray2(Point2(1, 1), Point2(9, 1)))
show("Line2.from_ray(ray)", Line2.from_ray(ray))

section("Shapes")
t = pc.Triangle2(Point2(0, 0), Point2(4, 0), Point2(0, 3))
show("t", t)
show("t.area(), t.orientation()", (t.area(), t.orientation()))
show("t.bounded_side(Point2(1, 1)), on an edge", (t.bounded_side(Point2(1, 1)),
                                                  t.bounded_side(Point2(2, 0))))
show("t[-1]  (indices wrap)", t[-1])
show("list(t)", list(t))
show("t == its rotation, t == t.opposite()",
     (t == pc.Triangle2(Point2(4, 0), Point2(0, 3), Point2(0, 0)), t == t.opposite()))
c = pc.Circle2(Point2(0, 0), Point2(2, 0), Point2(0, 2))
show("circle through (0,0), (2,0), (0,2)", c)
show("  .orientation(), .bounded_side((1, 1))",
     (c.orientation(), c.bounded_side(Point2(1, 1))))
show("Circle2(Point2(0, 0), 4)  (int: orientation)", pc.Circle2(Point2(0, 0), 4))
show("Circle2(Point2(0, 0), 4.0)", pc.Circle2(Point2(0, 0), 4.0))
# The box encloses the exact circle: sqrt(3) is rounded up, not to nearest.
show("Circle2(Point2(0, 0), 3.0).bbox().xmax", pc.Circle2(Point2(0, 0), 3.0).bbox().xmax)
r = pc.IsoRectangle2(3, 4, 1, 1)
show("IsoRectangle2(3, 4, 1, 1)  (corners sorted)", r)
show("list(r)", list(r))
show("r.area(), r.bounded_side(Point2(1, 2))", (r.area(), r.bounded_side(Point2(1, 2))))
show("IsoRectangle2(t.bbox())", pc.IsoRectangle2(t.bbox()))

section("Many points at once")
try:
    import numpy as np

    import planara.array
except ImportError:
    print("(skipped: planara.array needs numpy: pip install 'planara_core[array]')")
else:
    cloud = np.random.default_rng(2024).uniform(-1, 5, size=(100_000, 2))
    codes = planara.array.bounded_side(t, cloud)  # one call for all the points
    show("bounded_side(t, 100,000 random points)",
         {where: int(np.count_nonzero(codes == code))
          for code, where in ((1, "inside"), (0, "boundary"), (-1, "outside"))})
    show("  the same as t.bounded_side point by point",
         codes.tolist() == [t.bounded_side(Point2(x, y)) for x, y in cloud.tolist()])
    # Nearly collinear: rounding decides the plain test, exact=True the true sign.
    near = [[0.5, 0.5000000000000001], [0.5, 0.5], [0.5000000000000001, 0.5]]
    show("orientation(near, (12, 12), (24, 24))",
         planara.array.orientation(near, (12, 12), (24, 24)).tolist())
    show("  the same with exact=True",
         planara.array.orientation(near, (12, 12), (24, 24), exact=True).tolist())
    # Many shapes: which of t, c and r hold each point, in one call.
    pairs = planara.array.locate([t, c, r], cloud)
    show("locate([t, c, r], the points): points held by each",
         np.bincount(pairs[1], minlength=3).tolist())
    every = planara.array.bounded_side(np.array([t, c, r])[:, None], cloud)  # 3 x 100,000
    show("  the same as asking every shape about every point",
         np.array_equal(pairs, np.argwhere(every.T >= 0).T))
