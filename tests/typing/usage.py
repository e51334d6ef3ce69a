"""Typed use of planara_core, checked by mypy against the installed stub and also run.

Lines marked `# type: ignore[...]` are misuse that the stub must reject: mypy runs
with warn_unused_ignores, so a stub that stopped rejecting one fails the check.
Those lines sit in functions that are checked but never called.
"""

from collections.abc import Iterator
from typing import assert_type

from planara_core import (Bbox2, Circle2, Direction2, IsoRectangle2, Line2, OrientationResult,
                          Point2, Ray2, Segment2, Triangle2, Vector2, orientation,
                          squared_distance)

p, q = Point2(1, 2), Point2(4.5, True)
assert_type(p.x, float)
assert_type(q - p, Vector2)
assert_type(p + Vector2(0.5, -1), Point2)
assert_type(Vector2(1, 2) * 3, Vector2)
assert_type(3 * Vector2(1, 2), Vector2)
assert_type(Vector2(1, 2) + Vector2(0, 1), Vector2)
assert_type(squared_distance(0, 0, x2=3, y2=4.0), float)
turn = orientation(p1=p, p2=q, p3=Point2(0, 0))
assert_type(turn, OrientationResult)
assert_type(turn.left_turn(), bool)
assert_type(repr(turn), str)
points = {p, q}  # points hash by identity

box = Bbox2(xmin=0, ymin=0, xmax=1, ymax=1)
box += Bbox2()
assert_type(box + Bbox2(1, 1, 2, 2.5), Bbox2)
assert_type(box.max(0), float)
assert_type(box.do_overlap(other=Bbox2()), bool)
box.scale(2)
box.dilate(dist=1)

d = Direction2(x=1, y=0)
assert_type(sorted([d, Direction2(Vector2(0, 1)), -d]), list[Direction2])
assert_type(d.counterclockwise_in_between(d1=d, d2=d.opposite()), bool)
assert_type(d.delta(0), float)

seg = Segment2(p, q)
line = Line2(seg)
assert_type(line, Line2)
assert_type(Line2(a=1, b=2, c=3).perpendicular(p=p), Line2)
assert_type(line.oriented_side(p), int)
assert_type(seg.bbox(), Bbox2)
assert_type(iter(seg), Iterator[Point2])
start, end = seg
assert_type(end, Point2)
ray = Ray2(p=p, v=Vector2(1, 0))
assert_type(Line2.from_ray(r=ray), Line2)
assert_type(ray.point(i=0.5), Point2)

tri = Triangle2(p=p, q=q, r=Point2(0, 5))
assert_type(tri.area(), float)
assert_type(tri.bounded_side(p=p), int)
assert_type(tri[-1], Point2)
assert_type(list(tri), list[Point2])
assert_type(tri.bbox() + seg.bbox(), Bbox2)
circle = Circle2(p, q, Point2(0, 5))
assert_type(Circle2(center=p, squared_radius=4.0, orientation=-1).opposite(), Circle2)
assert_type(Circle2(p, orientation=-1).is_degenerate(), bool)
assert_type(circle.center(), Point2)
rect = IsoRectangle2(circle.bbox())
assert_type(IsoRectangle2(min_x=0, min_y=0, max_x=2, max_y=1) == rect, bool)
assert_type(rect.min_coord(1), float)
for corner in rect:
    assert_type(corner, Point2)


def _misuse() -> None:
    Point2(x=1, y=2)  # type: ignore[call-arg]
    Point2("1", 2)  # type: ignore[arg-type]
    p.x = 3.0  # type: ignore[misc]
    p + p  # type: ignore[operator]
    Vector2(1, 2) * Vector2(1, 2)  # type: ignore[operator]
    orientation(p, q)  # type: ignore[call-arg]
    squared_distance(0, 0, 3, None)  # type: ignore[arg-type]
    box.xmin = 0.0  # type: ignore[misc]
    box + p  # type: ignore[operator]
    box.do_overlap(p)  # type: ignore[arg-type]
    Bbox2(0, 0, 1)  # type: ignore[call-overload]
    d < p  # type: ignore[operator]
    Segment2(p, q).has_on(p=p)  # type: ignore[call-arg]
    Ray2(p, line=line)  # type: ignore[call-overload]
    line.point(None)  # type: ignore[arg-type]
    tri.vertex(i="0")  # type: ignore[arg-type]
    circle == rect  # type: ignore[operator]
    Circle2(p, 2.0, "ccw")  # type: ignore[call-overload]
    rect.xmin = 0  # type: ignore[method-assign, assignment]
    IsoRectangle2(p, q, p)  # type: ignore[call-overload]
