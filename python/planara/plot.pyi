# Type stub of planara.plot. tests/test_stubs.py holds it to the runtime
# signatures and to the artists drawn for every class.
"""Pictures of planara_core objects and point arrays, drawn with matplotlib.

Two entry points, in the manner of matplotlib's own plotting functions: each
draws on the Axes it is given (the current one when ax is None), passes its
style keywords on to matplotlib, returns what it drew and, unless told
otherwise, gives the Axes an equal aspect, so that circles look round.

- ``draw(obj, ax=None, **style)`` draws one object, or a list or object array of
  them (any shape, classes mixed), as one collection per class;
- ``points(xy, codes=None, *, ax=None, **style)`` draws an array of points,
  coloured by the codes that planara.array returns, with a legend naming them.

Numbers are read through the objects' public accessors. Whatever cannot be
drawn (a non-finite coordinate, a circle whose squared radius is negative or
NaN, a line with a = b = 0) is left out rather than handed to matplotlib.
"""
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
         aspect: _Aspect = "equal", **style: Any) -> PathCollection | None:
    """Draw a planara_core object, or a list or object array of them, on ax.

    One object gives one artist:

    - Point2: a marker (a PathCollection, as from Axes.scatter);
    - Segment2: a line (Line2D);
    - Triangle2, IsoRectangle2: a Polygon patch through the vertices in their
      order, filled faintly in the edge colour unless a facecolor is given;
    - Bbox2: a Polygon patch, dashed and unfilled by default: a box is a bound,
      not a shape;
    - Circle2: a matplotlib Circle patch of the centre and the square root of
      the squared radius. The circle through three collinear points holds a
      centre and radius that are infinite or NaN, as the kernel computes them,
      so nothing is drawn; through nearly collinear points it is enormous, its
      arc through the points looks straight, and while it is far larger than
      the view, only its part near the view is drawn, as a fine polygon;
    - Line2: an infinite line (Axes.axline), cut to the view whenever it is
      drawn, so also after pan and zoom;
    - Ray2: a LineCollection of one ray, from its source to the edge of the view,
      likewise recomputed whenever it is drawn; a ray whose two points
      coincide is a line of no length at its source;
    - Vector2, Direction2: arrows (a Quiver) from `at` (the origin by default),
      vectors as long as they are, directions of length 1.

    Nothing is drawn, and None returned, for an object with a non-finite
    coordinate, a circle whose squared radius is negative or NaN, and a line
    with a = b = 0, which has no points.

    A list, tuple or numpy object array (of any shape, nested lists included)
    is flattened and drawn as one collection per class, in the order the
    classes first appear: PathCollection for points, LineCollection for
    segments, lines and rays, PolyCollection for triangles, rectangles and
    boxes, a PolyCollection of circles and a Quiver for arrows. Objects that
    cannot be drawn are left out.

    Parameters
    ----------
    obj : planara_core object, or list, tuple or object array of them
        What to draw: Point2, Segment2, Triangle2, IsoRectangle2, Bbox2, Circle2,
        Line2, Ray2, Vector2 or Direction2.
    ax : matplotlib.axes.Axes, optional
        Where to draw; the current Axes (pyplot's) by default.
    at : Point2, optional
        Where arrows of vectors and directions start; the origin by default.
    aspect : {"equal", "auto"}, float or None, default "equal"
        Set on the Axes, so that circles look round; None leaves it alone.
    **style
        Passed on to every artist (color, linewidth, linestyle, alpha, label,
        zorder, ...); ``color`` colours lines and edges, and the insides of shapes
        faintly.

    Returns
    -------
    matplotlib artist, None, or list of matplotlib collections
        For one object, its artist (None if it cannot be drawn); for many, the
        list of collections, one per class.

    Raises
    ------
    TypeError
        If obj (or an element) is of another class, ax is not an Axes or at not a
        Point2; nothing is drawn then.

    Examples
    --------
    >>> import matplotlib
    >>> matplotlib.use("Agg")
    >>> import matplotlib.pyplot as plt
    >>> import planara.plot
    >>> from planara import Point2, Triangle2
    >>> fig, ax = plt.subplots()
    >>> t = Triangle2(Point2(0, 0), Point2(4, 0), Point2(1, 3))
    >>> planara.plot.draw(t, ax, color="C1").get_xy().tolist()
    [[0.0, 0.0], [4.0, 0.0], [1.0, 3.0], [0.0, 0.0]]
    >>> [type(c).__name__ for c in planara.plot.draw([t, Point2(1, 1), t.bbox()], ax)]
    ['PolyCollection', 'PathCollection', 'PolyCollection']
    >>> plt.close(fig)
    """
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
           **style: Any) -> PathCollection:
    """Draw the points of xy on ax, in one colour or coloured by codes.

    Without codes, the points are markers of one colour (a PathCollection, as
    from Axes.scatter, with style passed on) and that collection is returned.

    Codes (the results of planara.array, one per point) colour the points: -1
    outside, 0 boundary, 1 inside, and False and True ("not on", "on"), each in
    its own colour and its own labelled collection; labels and colors rename and
    recolour them (``{-1: "right turn", 0: "collinear", 1: "left turn"}`` for
    orientations).

    A grid of points (an m x n x 2 array whose x change along one axis and y
    along the other, both strictly monotonic, as numpy.meshgrid makes) is drawn
    as the cells around its points (PolyCollections of rectangles meeting
    halfway between neighbours), which tile the plane at any zoom: a 256 x 256
    grid of codes reads as a picture.

    Points with a non-finite coordinate are left out.

    Parameters
    ----------
    xy : array_like
        Points, an array whose last axis holds x and y.
    codes : array_like of int or bool, optional
        One code per point, of xy's leading shape.
    ax : matplotlib.axes.Axes, optional
        Where to draw; the current Axes (pyplot's) by default.
    labels : mapping, optional
        Legend text by code, replacing the default names.
    colors : mapping, optional
        Matplotlib colour by code, replacing the default colours; codes other
        than -1, 0, 1, False and True need one.
    legend : bool, default True
        Whether the Axes shows a legend of the codes.
    cells : bool, optional
        True insists on drawing a grid as cells, False draws markers; by default
        cells for a grid and markers otherwise.
    aspect : {"equal", "auto"}, float or None, default "equal"
        Set on the Axes; None leaves it alone.
    **style
        Passed on to the collections (s, marker, alpha, zorder, ...). With codes,
        colours and labels come from colors and labels, not from style.

    Returns
    -------
    PathCollection or dict
        Without codes, the one collection; with codes, a dict mapping each code
        present, in code order, to its collection.

    Raises
    ------
    TypeError
        If xy or codes are not real numbers or ints, or style gives color, c or
        label together with codes.
    ValueError
        If xy's last axis is not 2 long, codes has another shape, a code has no
        colour, or cells=True is asked of points that are not a grid.

    Examples
    --------
    >>> import matplotlib
    >>> matplotlib.use("Agg")
    >>> import matplotlib.pyplot as plt
    >>> import numpy as np
    >>> import planara.array
    >>> import planara.plot
    >>> from planara import Point2, Triangle2
    >>> fig, ax = plt.subplots()
    >>> t = Triangle2(Point2(0, 0), Point2(4, 0), Point2(1, 3))
    >>> xy = np.random.default_rng(0).uniform(-2, 5, (500, 2))
    >>> drawn = planara.plot.points(xy, planara.array.bounded_side(t, xy), ax=ax, s=6)
    >>> sorted(drawn), drawn[1].get_label()
    ([-1, 1], 'inside')
    >>> plt.close(fig)
    """
@overload
def points(xy: ArrayLike, codes: ArrayLike, *, ax: Axes | None = None,
           labels: Mapping[int, str] | None = None,
           colors: Mapping[int, ColorType] | None = None, legend: bool = True,
           cells: bool | None = None, aspect: _Aspect = "equal",
           **style: Any) -> dict[int, PathCollection | PolyCollection]: ...
