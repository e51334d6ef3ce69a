"""Typed use of planara.array, checked by mypy against the package's stubs and also run.

As in usage.py, lines marked `# type: ignore[...]` are misuse that the stubs must
reject (mypy runs with warn_unused_ignores); they sit in a function never called.
"""

from typing import assert_type

import numpy as np
from numpy.typing import NDArray

import planara
from planara import (Bbox2, Circle2, IsoRectangle2, Line2, Point2, Ray2, Segment2, Triangle2,
                     Vector2)
from planara.array import bbox, bounded_side, has_on, orientation, oriented_side, squared_distance

points = np.array([[0.0, 0.0], [1.0, 1.0], [3.0, 0.5]])
nested = [[0, 0], [2, 1]]  # any array-like: nested lists, ints
origin = (0.0, 0.0)
tri = Triangle2(Point2(0, 0), Point2(4, 0), Point2(0, 3))
circle = Circle2(Point2(0, 0), 4.0)
rect = IsoRectangle2(Point2(0, 0), Point2(2, 2))
line = Line2(Point2(0, 0), Point2(1, 1))
seg = Segment2(Point2(0, 0), Point2(2, 2))
ray = Ray2(Point2(0, 0), Vector2(1, 0))

sides = np.empty(3, np.int8)
assert_type(orientation(origin, (1, 0), points), NDArray[np.int8])
assert_type(orientation(points, points[::-1], points, out=sides, threads=2), NDArray[np.int8])
assert_type(squared_distance(points, origin), NDArray[np.float64])
assert_type(squared_distance(nested, nested, out=np.empty(2), threads=None), NDArray[np.float64])
for shape in (line, tri, circle):
    assert_type(oriented_side(shape, points, out=sides), NDArray[np.int8])
for closed in (tri, circle, rect):
    assert_type(bounded_side(closed, nested), NDArray[np.int8])
for thin in (line, seg, ray):
    assert_type(has_on(thin, points, out=np.empty(3, np.bool_), threads=1), NDArray[np.bool_])
assert_type(orientation(origin, (1, 0), points, exact=True), NDArray[np.int8])
assert_type(has_on(seg, points, threads=1, exact=False), NDArray[np.bool_])
assert_type(bbox(points), Bbox2)
assert_type(bbox(nested) + tri.bbox(), Bbox2)
# planara.array is reachable after `import planara` alone.
assert_type(planara.array.bounded_side(tri, points), NDArray[np.int8])
inside = points[bounded_side(tri, points) == 1]
assert_type(int(np.count_nonzero(has_on(line, points))), int)


def _misuse() -> None:
    orientation(points, points)  # type: ignore[call-arg]
    orientation(points, points, points, sides)  # type: ignore[call-arg]
    squared_distance(points, points, out=sides)  # type: ignore[arg-type]
    squared_distance(points, points, threads="2")  # type: ignore[arg-type]
    oriented_side(rect, points)  # type: ignore[arg-type]
    bounded_side(line, points)  # type: ignore[arg-type]
    has_on(tri, points)  # type: ignore[arg-type]
    has_on(Point2(0, 0), points)  # type: ignore[arg-type]
    bounded_side(tri, points, shape=tri)  # type: ignore[misc]
    bbox(points, threads=2)  # type: ignore[call-arg]
    squared_distance(points, points, exact=True)  # type: ignore[call-arg]
    bounded_side(tri, points, exact=1.5)  # type: ignore[arg-type]
    wrong: NDArray[np.bool_] = oriented_side(line, points)  # type: ignore[assignment]
    planara.array.bbox(points).xmin = 0.0  # type: ignore[misc]


# Arrays of shapes: made from coordinates, asked element by element, read back.
corners = np.array([[0.0, 0.0], [1.0, 0.0], [0.0, 1.0]])
mesh = planara.array.triangles(corners[0], corners[1:], corners[::-1][:2])
assert_type(mesh, NDArray[np.object_])
assert_type(bounded_side(mesh[:, None], points), NDArray[np.int8])
assert_type(bounded_side([tri, circle, rect], points[0]), NDArray[np.int8])
assert_type(has_on([line, seg, ray], points), NDArray[np.bool_])
assert_type(planara.array.bounds(mesh), NDArray[np.float64])
assert_type(planara.array.circles(points, 2.0), NDArray[np.object_])
pairs = planara.array.locate(mesh, points, boundary=False, threads=1)
assert_type(pairs, NDArray[np.int64])
assert_type(planara.array.locate([tri, circle], nested), NDArray[np.int64])


def _misuse_arrays() -> None:
    planara.array.locate(mesh, points, True)  # type: ignore[call-arg]
    planara.array.locate([line], points)  # type: ignore[list-item]
    planara.array.bounds(ray)  # type: ignore[arg-type]
