"""A short printed tour of planara_core."""

import planara_core as pc
from planara_core import Point2, Vector2


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
