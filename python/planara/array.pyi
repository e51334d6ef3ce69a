# Type stub of planara.array. tests/test_stubs.py holds it to the runtime
# signatures, result types and accepted shape classes.
"""The kernel's predicates over numpy arrays of points and of shapes.

Each function answers, for every point (or pair, or triple of points) of its
arrays, exactly what the corresponding planara_core call answers for those
coordinates, bit for bit, but pays the crossing into native code once per call
instead of once per point. The work runs without the interpreter lock and,
for large arrays, on every processor the process may use.

Points are array-likes whose last axis has length 2 (x, y), of any leading
shape; the point arguments of one call broadcast against each other as numpy
arrays do, and the result has the broadcast leading shape. Coordinates of
other real number types (ints, bools, float32) are taken as numpy converts
them to float64.

Shapes come one at a time or as numpy object arrays (or lists) of
planara_core objects, which broadcast against the points' leading shape;
constructors such as `triangles(p, q, r)` make such arrays from coordinates,
`bounds` reads their boxes back, and `locate` finds which shapes hold which
points.

With exact=True the predicates (all but squared_distance and bbox) answer
as CGAL's Exact_predicates_inexact_constructions_kernel does for the same
doubles: the sign of the exact real expression, whatever rounding would make
of it. A static error bound on the plain evaluation decides almost every
element; that kernel itself decides the rest. An element with a NaN or an
infinite input has no exact answer and gets the plain one.

Every argument is checked before any element is computed: a bad one raises
and leaves `out` untouched.
"""
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
) -> NDArray[np.int8]:
    """Orientation of the triangles (p, q, r): -1 right turn, 0 collinear, 1 left turn.

    Element i is what ``planara_core.orientation`` answers for the three points,
    as a code (``r.left_turn() - r.right_turn()``); with exact=True, the sign of
    the exact determinant. The three point arrays broadcast against each other.

    Parameters
    ----------
    p, q, r : array_like
        Points, arrays whose last axis holds x and y.
    out : numpy.ndarray, optional
        An array of exactly the result's shape and dtype to fill instead of
        allocating one; the call returns it. It may share memory with the points.
    threads : int, optional
        How many threads share the work (cut to 1,024 and to the number of
        results). By default one for every full 65,536 results, at least one and
        at most as many as the processors the process may use.
    exact : bool, default False
        Answer as exact arithmetic does for the same doubles (as CGAL's
        Exact_predicates_inexact_constructions_kernel decides), instead of as
        rounding does. An element with a NaN or infinite input gets the plain
        answer.

    Returns
    -------
    numpy.ndarray of int8
        The codes, of the broadcast leading shape.

    Raises
    ------
    TypeError
        If the points are not real numbers, or out or threads are of the wrong type.
    ValueError
        If a last axis is not 2 long, the arrays do not broadcast together, out
        has the wrong shape or is read-only, or threads < 1.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.orientation([0, 0], [1, 0], [[0, 1], [0, -1], [2, 0]])
    array([ 1, -1,  0], dtype=int8)
    """
def squared_distance(
    p: ArrayLike,
    q: ArrayLike,
    *,
    out: NDArray[np.float64] | None = None,
    threads: int | None = None,
) -> NDArray[np.float64]:
    """Squared distances between the points p and q, as
    ``planara_core.squared_distance``.

    Element i is ``squared_distance(*p[i], *q[i])``; p and q broadcast against
    each other.

    Parameters
    ----------
    p, q : array_like
        Points, arrays whose last axis holds x and y.
    out : numpy.ndarray, optional
        An array of exactly the result's shape and dtype to fill instead of
        allocating one; the call returns it. It may share memory with the points.
    threads : int, optional
        How many threads share the work (cut to 1,024 and to the number of
        results). By default one for every full 65,536 results, at least one and
        at most as many as the processors the process may use.

    Returns
    -------
    numpy.ndarray of float64
        The squared distances, of the broadcast leading shape.

    Raises
    ------
    TypeError
        If the points are not real numbers, or out or threads are of the wrong type.
    ValueError
        If a last axis is not 2 long, the arrays do not broadcast together, out
        has the wrong shape or is read-only, or threads < 1.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.squared_distance([[1, 1], [3, 4]], [0, 0])
    array([ 2., 25.])
    """
def oriented_side(
    shape: Line2 | Triangle2 | Circle2 | Sequence[Line2 | Triangle2 | Circle2] | Objects,
    points: ArrayLike,
    *,
    out: NDArray[np.int8] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int8]:
    """``shape.oriented_side(Point2(x, y))`` for every point: -1, 0 or 1.

    Element i is what the shape's own method answers for point i: 1 on the positive
    side (the left of a line, the inside of a counterclockwise triangle or circle),
    -1 on the negative side, 0 on the boundary. An array of shapes (classes mixed)
    broadcasts against the points' leading shape, each element answering for its own
    shape.

    Parameters
    ----------
    shape : Line2, Triangle2, Circle2 or array_like of them
        One shape, or a numpy object array or list of shapes.
    points : array_like
        Points, an array whose last axis holds x and y, of any leading shape.
    out : numpy.ndarray, optional
        An array of exactly the result's shape and dtype to fill instead of
        allocating one; the call returns it. It may share memory with the points.
    threads : int, optional
        How many threads share the work (cut to 1,024 and to the number of
        results). By default one for every full 65,536 results, at least one and
        at most as many as the processors the process may use.
    exact : bool, default False
        Answer as exact arithmetic does for the same doubles (as CGAL's
        Exact_predicates_inexact_constructions_kernel decides), instead of as
        rounding does. An element with a NaN or infinite input gets the plain
        answer.

    Returns
    -------
    numpy.ndarray of int8
        The codes, of the broadcast leading shape.

    Raises
    ------
    TypeError
        If the shape is of a class the function does not take, the points are not
        real numbers, or out or threads are of the wrong type.
    ValueError
        If the points' last axis is not 2 long, the arrays do not broadcast
        together, or out has the wrong shape or is read-only, or threads < 1.

    Examples
    --------
    >>> import planara.array as pa
    >>> from planara import Line2, Point2
    >>> pa.oriented_side(Line2(Point2(0, 0), Point2(1, 0)), [[0, 1], [0, -1], [5, 0]])
    array([ 1, -1,  0], dtype=int8)
    """
def bounded_side(
    shape: Triangle2 | Circle2 | IsoRectangle2 | Sequence[Triangle2 | Circle2 | IsoRectangle2]
    | Objects,
    points: ArrayLike,
    *,
    out: NDArray[np.int8] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int8]:
    """``shape.bounded_side(Point2(x, y))`` for every point: -1 outside, 0 boundary, 1
    inside.

    Element i is what the shape's own method answers for point i, whatever the
    shape's orientation. An array of shapes (classes mixed) broadcasts against the
    points' leading shape, each element answering for its own shape. For a
    rectangle, which compares coordinates only, exact=True answers the same.

    Parameters
    ----------
    shape : Triangle2, Circle2, IsoRectangle2 or array_like of them
        One shape, or a numpy object array or list of shapes.
    points : array_like
        Points, an array whose last axis holds x and y, of any leading shape.
    out : numpy.ndarray, optional
        An array of exactly the result's shape and dtype to fill instead of
        allocating one; the call returns it. It may share memory with the points.
    threads : int, optional
        How many threads share the work (cut to 1,024 and to the number of
        results). By default one for every full 65,536 results, at least one and
        at most as many as the processors the process may use.
    exact : bool, default False
        Answer as exact arithmetic does for the same doubles (as CGAL's
        Exact_predicates_inexact_constructions_kernel decides), instead of as
        rounding does. An element with a NaN or infinite input gets the plain
        answer.

    Returns
    -------
    numpy.ndarray of int8
        The codes, of the broadcast leading shape.

    Raises
    ------
    TypeError
        If the shape is of a class the function does not take, the points are not
        real numbers, or out or threads are of the wrong type.
    ValueError
        If the points' last axis is not 2 long, the arrays do not broadcast
        together, or out has the wrong shape or is read-only, or threads < 1.

    Examples
    --------
    >>> import planara.array as pa
    >>> from planara import Point2, Triangle2
    >>> t = Triangle2(Point2(0, 0), Point2(4, 0), Point2(0, 3))
    >>> pa.bounded_side(t, [[1, 1], [2, 0], [5, 5]])
    array([ 1,  0, -1], dtype=int8)
    """
def has_on(
    obj: Line2 | Segment2 | Ray2 | Sequence[Line2 | Segment2 | Ray2] | Objects,
    points: ArrayLike,
    *,
    out: NDArray[np.bool_] | None = None,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.bool_]:
    """``obj.has_on(Point2(x, y))`` for every point, as bools.

    Element i is what the object's own method answers for point i. An array of
    objects (classes mixed) broadcasts against the points' leading shape. With
    exact=True a ray compares the vector from its source to the point, computed in
    doubles as the exact kernel constructs it, exactly with its own.

    Parameters
    ----------
    obj : Line2, Segment2, Ray2 or array_like of them
        One object, or a numpy object array or list of them.
    points : array_like
        Points, an array whose last axis holds x and y, of any leading shape.
    out : numpy.ndarray, optional
        An array of exactly the result's shape and dtype to fill instead of
        allocating one; the call returns it. It may share memory with the points.
    threads : int, optional
        How many threads share the work (cut to 1,024 and to the number of
        results). By default one for every full 65,536 results, at least one and
        at most as many as the processors the process may use.
    exact : bool, default False
        Answer as exact arithmetic does for the same doubles (as CGAL's
        Exact_predicates_inexact_constructions_kernel decides), instead of as
        rounding does. An element with a NaN or infinite input gets the plain
        answer.

    Returns
    -------
    numpy.ndarray of bool
        The answers, of the broadcast leading shape.

    Raises
    ------
    TypeError
        If the shape is of a class the function does not take, the points are not
        real numbers, or out or threads are of the wrong type.
    ValueError
        If the points' last axis is not 2 long, the arrays do not broadcast
        together, or out has the wrong shape or is read-only, or threads < 1.

    Examples
    --------
    >>> import planara.array as pa
    >>> from planara import Point2, Segment2
    >>> pa.has_on(Segment2(Point2(0, 0), Point2(2, 2)), [[1, 1], [3, 3], [1, 0]])
    array([ True, False, False])
    """
def bbox(points: ArrayLike) -> Bbox2:
    """The bounding box of the points, as a Bbox2.

    It is the union, in array order and with Bbox2's own rules for ties and NaN,
    of the one-point boxes ``Bbox2(x, y, x, y)``: what adding them up one after
    the other with ``+`` gives. The call chooses its threads itself.

    Parameters
    ----------
    points : array_like
        Points, an array whose last axis holds x and y, of any leading shape.

    Returns
    -------
    Bbox2
        A new box.

    Raises
    ------
    TypeError
        If the points are not real numbers.
    ValueError
        If the last axis is not 2 long, or there are no points.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.bbox([[1, 1], [2, 0], [5, 5]])
    Bbox2(1.000000, 0.000000, 5.000000, 5.000000)
    """
def points(xy: ArrayLike) -> Objects:
    """An object array of Point2, one per element of the arguments.

    Element i is ``Point2(*xy[i])``, made by the class's own constructor, with no
    Python loop. The arguments broadcast against each other (their leading shapes,
    as numpy's rules say).

    Parameters
    ----------
    xy : array_like
        Coordinates, an array whose last axis holds x and y.

    Returns
    -------
    numpy.ndarray
        An object array of Point2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.points([[1, 2], [3, 4]])
    array([Point2(1.000000, 2.000000), Point2(3.000000, 4.000000)], dtype=object)
    """
def segments(source: ArrayLike, target: ArrayLike) -> Objects:
    """An object array of Segment2, one per element of the arguments.

    Element i is ``Segment2(Point2(*source[i]), Point2(*target[i]))``, made by the
    class's own constructor, with no Python loop. The arguments broadcast against
    each other (their leading shapes, as numpy's rules say).

    Parameters
    ----------
    source, target : array_like
        The endpoints, arrays whose last axis holds x and y.

    Returns
    -------
    numpy.ndarray
        An object array of Segment2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.segments([[0, 0], [1, 1]], [2, 2])
    array([Segment2((0.000000, 0.000000), (2.000000, 2.000000)),
           Segment2((1.000000, 1.000000), (2.000000, 2.000000))], dtype=object)
    """
def rays(source: ArrayLike, second_point: ArrayLike) -> Objects:
    """An object array of Ray2, one per element of the arguments.

    Element i is ``Ray2(Point2(*source[i]), Point2(*second_point[i]))``, made by the
    class's own constructor, with no Python loop. The arguments broadcast against
    each other (their leading shapes, as numpy's rules say).

    Parameters
    ----------
    source, second_point : array_like
        The sources and a second point of each ray, arrays whose last axis holds x
        and y.

    Returns
    -------
    numpy.ndarray
        An object array of Ray2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.rays([[0, 0]], [[2, 0]])
    array([Ray2(source=(0.000000, 0.000000), direction=(2.000000, 0.000000))], dtype=object)
    """
def lines(p: ArrayLike, q: ArrayLike) -> Objects:
    """An object array of Line2, one per element of the arguments.

    Element i is ``Line2(Point2(*p[i]), Point2(*q[i]))``, made by the class's own
    constructor, with no Python loop. The arguments broadcast against each other
    (their leading shapes, as numpy's rules say).

    Parameters
    ----------
    p, q : array_like
        Two points of each line, which runs from p to q; arrays whose last axis
        holds x and y.

    Returns
    -------
    numpy.ndarray
        An object array of Line2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.lines([[0, 0]], [[2, 2]])
    array([Line2(a=-2.000000, b=2.000000, c=0.000000)], dtype=object)
    """
def triangles(p: ArrayLike, q: ArrayLike, r: ArrayLike) -> Objects:
    """An object array of Triangle2, one per element of the arguments.

    Element i is ``Triangle2(Point2(*p[i]), Point2(*q[i]), Point2(*r[i]))``, made by
    the class's own constructor, with no Python loop. The arguments broadcast
    against each other (their leading shapes, as numpy's rules say).

    Parameters
    ----------
    p, q, r : array_like
        The vertices, arrays whose last axis holds x and y.

    Returns
    -------
    numpy.ndarray
        An object array of Triangle2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.triangles([0, 0], [[1, 0], [0, 1]], [1, 1])
    array([Triangle2((0.000000, 0.000000), (1.000000, 0.000000), (1.000000, 1.000000)),
        Triangle2((0.000000, 0.000000), (0.000000, 1.000000), (1.000000,
        1.000000))],
          dtype=object)
    """
def circles(center: ArrayLike, squared_radius: ArrayLike) -> Objects:
    """An object array of Circle2, one per element of the arguments.

    Element i is ``Circle2(Point2(*center[i]), float(squared_radius[i]))``, made by
    the class's own constructor, with no Python loop. The arguments broadcast
    against each other (their leading shapes, as numpy's rules say).

    Parameters
    ----------
    center : array_like
        The centres, an array whose last axis holds x and y.
    squared_radius : array_like
        Real numbers, broadcast against the centres' leading shape (one number
        serves every centre). A squared radius, never an orientation.

    Returns
    -------
    numpy.ndarray
        An object array of Circle2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.circles([[0, 0], [3, 3]], 4)
    array([Circle2(center=(0.000000, 0.000000), squared_radius=4.000000),
           Circle2(center=(3.000000, 3.000000), squared_radius=4.000000)],
          dtype=object)
    """
def circumcircles(p: ArrayLike, q: ArrayLike, r: ArrayLike) -> Objects:
    """An object array of Circle2, one per element of the arguments.

    Element i is ``Circle2(Point2(*p[i]), Point2(*q[i]), Point2(*r[i]))``, made by
    the class's own constructor, with no Python loop. The arguments broadcast
    against each other (their leading shapes, as numpy's rules say). Collinear
    points give the circle of orientation 0, with an infinite or NaN centre and
    radius.

    Parameters
    ----------
    p, q, r : array_like
        Three points on each circle, arrays whose last axis holds x and y.

    Returns
    -------
    numpy.ndarray
        An object array of Circle2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.circumcircles([[0, 0]], [[2, 0]], [[0, 2]])
    array([Circle2(center=(1.000000, 1.000000), squared_radius=2.000000)], dtype=object)
    """
def iso_rectangles(p: ArrayLike, q: ArrayLike) -> Objects:
    """An object array of IsoRectangle2, one per element of the arguments.

    Element i is ``IsoRectangle2(Point2(*p[i]), Point2(*q[i]))``, made by the
    class's own constructor, with no Python loop. The arguments broadcast against
    each other (their leading shapes, as numpy's rules say).

    Parameters
    ----------
    p, q : array_like
        Two opposite corners of each rectangle, in any order; arrays whose last
        axis holds x and y.

    Returns
    -------
    numpy.ndarray
        An object array of IsoRectangle2 of the broadcast leading shape.

    Raises
    ------
    TypeError
        If an argument does not hold real numbers.
    ValueError
        If a point argument's last axis is not 2 long or the arguments do not
        broadcast together.

    Examples
    --------
    >>> import planara.array as pa
    >>> pa.iso_rectangles([[3, 1]], [[1, 4]])
    array([IsoRectangle2(xmin=1.000000, ymin=1.000000, xmax=3.000000, ymax=4.000000)],
          dtype=object)
    """
def bounds(
    shapes: Segment2 | Triangle2 | Circle2 | IsoRectangle2
    | Sequence[Segment2 | Triangle2 | Circle2 | IsoRectangle2] | Objects,
) -> NDArray[np.float64]:
    """The boxes of shapes, as numbers: (xmin, ymin, xmax, ymax) of each ``bbox()``.

    Element i holds the four bounds of ``shapes[i].bbox()``, bit for bit.

    Parameters
    ----------
    shapes : Segment2, Triangle2, Circle2, IsoRectangle2 or array_like of them
        One shape, or a numpy object array or list of shapes, classes mixed.

    Returns
    -------
    numpy.ndarray of float64
        An array of shape ``shapes.shape + (4,)``.

    Raises
    ------
    TypeError
        If a shape is of another class.

    Examples
    --------
    >>> import planara.array as pa
    >>> from planara import Point2, Segment2
    >>> pa.bounds([Segment2(Point2(3, -1), Point2(1, 4))])
    array([[ 1., -1.,  3.,  4.]])
    """
def locate(
    shapes: Triangle2 | Circle2 | IsoRectangle2 | Sequence[Triangle2 | Circle2 | IsoRectangle2]
    | Objects,
    points: ArrayLike,
    *,
    boundary: bool = True,
    threads: int | None = None,
    exact: bool = False,
) -> NDArray[np.int64]:
    """Which shapes hold which points: every pair (j, i) such that point j lies in
    shape i.

    Point j lies in shape i where ``shapes.flat[i].bounded_side(Point2(*points[j]))``
    is 1, or 0 too when boundary is true: exactly the pairs that evaluating every
    pair gives, found without evaluating most of them, in memory in proportion to
    the points, the shapes and the answer. A point with a NaN coordinate lies
    inside every triangle and on the boundary of every circle, by the kernel's
    rules; drop such points first if that is not wanted.

    Parameters
    ----------
    shapes : array_like of Triangle2, Circle2 and IsoRectangle2
        A numpy object array or list of shapes, classes mixed.
    points : array_like
        Points, an array whose last axis holds x and y, of any leading shape.
    boundary : bool, default True
        Whether a point on a shape's boundary lies in it.
    threads : int, optional
        How many threads share the work; by default the call chooses.
    exact : bool, default False
        Answer as exact arithmetic does for the same doubles (as CGAL's
        Exact_predicates_inexact_constructions_kernel decides), instead of as
        rounding does. An element with a NaN or infinite input gets the plain
        answer.

    Returns
    -------
    numpy.ndarray of int64
        An array of shape (2, k): row 0 holds point indices and row 1 shape
        indices, into the points' and the shapes' leading shapes flattened in C
        order, sorted by point, then by shape.

    Raises
    ------
    TypeError
        If a shape is of another class, the points are not real numbers, or
        boundary, threads or exact are of the wrong type.
    ValueError
        If the points' last axis is not 2 long, or threads < 1.

    Examples
    --------
    >>> import planara.array as pa
    >>> from planara import Circle2, Point2, Triangle2
    >>> shapes = [Triangle2(Point2(0, 0), Point2(4, 0), Point2(0, 4)), Circle2(Point2(3, 3), 1.0)]
    >>> pa.locate(shapes, [[1, 1], [3, 3.5], [9, 9]])
    array([[0, 1],
           [0, 1]])
    """
