# Type stub of planara.array. tests/test_stubs.py holds it to the runtime
# signatures, result types and accepted shape classes.
import numpy as np
from numpy.typing import ArrayLike, NDArray

from planara_core import Bbox2, Circle2, IsoRectangle2, Line2, Ray2, Segment2, Triangle2

__all__ = ["orientation", "squared_distance", "oriented_side", "bounded_side", "has_on", "bbox"]

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
    shape: Line2 | Triangle2 | Circle2,
    points: ArrayLike,
    *,
    out: NDArray[np.int8] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int8]: ...
def bounded_side(
    shape: Triangle2 | Circle2 | IsoRectangle2,
    points: ArrayLike,
    *,
    out: NDArray[np.int8] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int8]: ...
def has_on(
    obj: Line2 | Segment2 | Ray2,
    points: ArrayLike,
    *,
    out: NDArray[np.bool_] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.bool_]: ...
def bbox(points: ArrayLike) -> Bbox2: ...
