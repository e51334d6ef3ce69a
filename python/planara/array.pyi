# Type stub of planara.array. tests/test_stubs.py holds it to the runtime
# signatures, result types and accepted shape classes.
from collections.abc import Sequence
from typing import TypeAlias

import numpy as np
from numpy.typing import ArrayLike, NDArray

from planara_core import Bbox2, Circle2, IsoRectangle2, Line2, Ray2, Segment2, Triangle2

__all__ = [
    "orientation", "squared_distance", "oriented_side", "bounded_side", "has_on", "bbox",
    "points", "segments", "rays", "lines", "triangles", "circles", "circumcircles",
    "iso_rectangles", "bounds", "locate",
]

# Numpy arrays of planara_core objects, as the constructors below make them.
Objects: TypeAlias = NDArray[np.object_]

def orientation(
    p: ArrayLike,
    q: ArrayLike,
    r: ArrayLike,
    *,
    out: NDArray[np.int8] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int8]: ...
def squared_distance(
    p: ArrayLike,
    q: ArrayLike,
    *,
    out: NDArray[np.float64] | None = None,
    threads: int | None = None,
) -> NDArray[np.float64]: ...
def oriented_side(
    shape: Line2 | Triangle2 | Circle2 | Sequence[Line2 | Triangle2 | Circle2] | Objects,
    points: ArrayLike,
    *,
    out: NDArray[np.int8] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int8]: ...
def bounded_side(
    shape: Triangle2 | Circle2 | IsoRectangle2 | Sequence[Triangle2 | Circle2 | IsoRectangle2]
    | Objects,
    points: ArrayLike,
    *,
    out: NDArray[np.int8] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int8]: ...
def has_on(
    obj: Line2 | Segment2 | Ray2 | Sequence[Line2 | Segment2 | Ray2] | Objects,
    points: ArrayLike,
    *,
    out: NDArray[np.bool_] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.bool_]: ...
def bbox(points: ArrayLike) -> Bbox2: ...
def points(xy: ArrayLike) -> Objects: ...
def segments(source: ArrayLike, target: ArrayLike) -> Objects: ...
def rays(source: ArrayLike, second_point: ArrayLike) -> Objects: ...
def lines(p: ArrayLike, q: ArrayLike) -> Objects: ...
def triangles(p: ArrayLike, q: ArrayLike, r: ArrayLike) -> Objects: ...
def circles(center: ArrayLike, squared_radius: ArrayLike) -> Objects: ...
def circumcircles(p: ArrayLike, q: ArrayLike, r: ArrayLike) -> Objects: ...
def iso_rectangles(p: ArrayLike, q: ArrayLike) -> Objects: ...
def bounds(
    shapes: Segment2 | Triangle2 | Circle2 | IsoRectangle2
    | Sequence[Segment2 | Triangle2 | Circle2 | IsoRectangle2] | Objects,
) -> NDArray[np.float64]: ...
def locate(
    shapes: Triangle2 | Circle2 | IsoRectangle2 | Sequence[Triangle2 | Circle2 | IsoRectangle2]
    | Objects,
    points: ArrayLike,
    *,
    boundary: bool = True,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int64]: ...
