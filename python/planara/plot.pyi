# Type stub of planara.plot. tests/test_stubs.py holds it to the runtime
# signatures and to the artists drawn for every class.
from collections.abc import Mapping, Sequence
from typing import Any, Literal, TypeAlias, overload

import numpy as np
from matplotlib.axes import Axes
from matplotlib.collections import Collection, LineCollection, PathCollection, PolyCollection
from matplotlib.lines import AxLine, Line2D
from matplotlib.patches import Circle, Polygon
from matplotlib.quiver import Quiver
from matplotlib.typing import ColorType
from numpy.typing import ArrayLike, NDArray

from planara_core import (Bbox2, Circle2, Direction2, IsoRectangle2, Line2, Point2, Ray2,
                          Segment2, Triangle2, Vector2)

__all__ = ["draw", "points"]

_Drawable: TypeAlias = (Point2 | Segment2 | Triangle2 | IsoRectangle2 | Bbox2 | Circle2 | Line2
                        | Ray2 | Vector2 | Direction2)
# Lists nest at run time to any depth; the stub types two levels, since a
# recursive sequence type would take a str too.
_Drawables: TypeAlias = Sequence[_Drawable | Sequence[_Drawable]] | NDArray[np.object_]
_Aspect: TypeAlias = Literal["auto", "equal"] | float | None

@overload
def draw(obj: Point2, ax: Axes | None = None, *, at: Point2 | None = None,
         aspect: _Aspect = "equal", **style: Any) -> PathCollection | None: ...
@overload
def draw(obj: Segment2, ax: Axes | None = None, *, at: Point2 | None = None,
         aspect: _Aspect = "equal", **style: Any) -> Line2D | None: ...
@overload
def draw(obj: Triangle2 | IsoRectangle2 | Bbox2, ax: Axes | None = None, *,
         at: Point2 | None = None, aspect: _Aspect = "equal", **style: Any) -> Polygon | None: ...
@overload
def draw(obj: Circle2, ax: Axes | None = None, *, at: Point2 | None = None,
         aspect: _Aspect = "equal", **style: Any) -> Circle | None: ...
@overload
def draw(obj: Line2, ax: Axes | None = None, *, at: Point2 | None = None,
         aspect: _Aspect = "equal", **style: Any) -> AxLine | None: ...
@overload
def draw(obj: Ray2, ax: Axes | None = None, *, at: Point2 | None = None,
         aspect: _Aspect = "equal", **style: Any) -> LineCollection | None: ...
@overload
def draw(obj: Vector2 | Direction2, ax: Axes | None = None, *, at: Point2 | None = None,
         aspect: _Aspect = "equal", **style: Any) -> Quiver | None: ...
@overload
def draw(obj: _Drawables, ax: Axes | None = None, *, at: Point2 | None = None,
         aspect: _Aspect = "equal", **style: Any) -> list[Collection]: ...
@overload
def points(xy: ArrayLike, codes: None = None, *, ax: Axes | None = None,
           labels: Mapping[int, str] | None = None,
           colors: Mapping[int, ColorType] | None = None, legend: bool = True,
           cells: bool | None = None, aspect: _Aspect = "equal",
           **style: Any) -> PathCollection: ...
@overload
def points(xy: ArrayLike, codes: ArrayLike, *, ax: Axes | None = None,
           labels: Mapping[int, str] | None = None,
           colors: Mapping[int, ColorType] | None = None, legend: bool = True,
           cells: bool | None = None, aspect: _Aspect = "equal",
           **style: Any) -> dict[int, PathCollection | PolyCollection]: ...
