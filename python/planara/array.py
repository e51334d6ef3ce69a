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

from __future__ import annotations

import math
import operator

try:
    import numpy as np
except ImportError as exc:
    raise ImportError("planara.array needs numpy >= 2: install the 'array' extra, "
                      "pip install 'planara_core[array]'") from exc
if int(np.__version__.split(".")[0]) < 2:
    raise ImportError(f"planara.array needs numpy >= 2, not {np.__version__}: install the "
                      "'array' extra, pip install 'planara_core[array]'")

from planara_core import (Bbox2, Circle2, Direction2, IsoRectangle2, Line2, OrientationResult,
                          Point2, Ray2, Segment2, Triangle2, Vector2)

from planara import _array

__all__ = [
    "orientation", "squared_distance", "oriented_side", "bounded_side", "has_on", "bbox",
    "points", "segments", "rays", "lines", "triangles", "circles", "circumcircles",
    "iso_rectangles", "bounds", "locate",
]

# Coordinate types the native loops read as they are; other real types are
# converted to float64 first.
_NATIVE_TYPES = frozenset(np.dtype(t) for t in (
    np.float64, np.float32, np.int8, np.int16, np.int32, np.int64, np.uint8, np.uint16,
    np.uint32, np.uint64, np.bool_))
_SIDE, _TRUTH, _DISTANCE = np.dtype(np.int8), np.dtype(np.bool_), np.dtype(np.float64)
_CORE_CLASSES = (Point2, Vector2, Direction2, Line2, Segment2, Ray2, Triangle2, Circle2,
                 IsoRectangle2, Bbox2, OrientationResult)


def orientation(p, q, r, *, out=None, threads=None, exact=False):
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
    return _elementwise(_array.orientation, (), {"p": p, "q": q, "r": r}, _SIDE, out, threads,
                        exact)


def squared_distance(p, q, *, out=None, threads=None):
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
    return _elementwise(_array.squared_distance, (), {"p": p, "q": q}, _DISTANCE, out, threads)


def oriented_side(shape, points, *, out=None, threads=None, exact=False):
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
    return _sides(_array.oriented_side, _array.oriented_side_of_shapes, "oriented_side", "shape",
                  (Line2, Triangle2, Circle2), shape, points, _SIDE, out, threads, exact)


def bounded_side(shape, points, *, out=None, threads=None, exact=False):
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
    return _sides(_array.bounded_side, _array.bounded_side_of_shapes, "bounded_side", "shape",
                  (Triangle2, Circle2, IsoRectangle2), shape, points, _SIDE, out, threads, exact)


def has_on(obj, points, *, out=None, threads=None, exact=False):
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
    return _sides(_array.has_on, _array.has_on_of_shapes, "has_on", "obj",
                  (Line2, Segment2, Ray2), obj, points, _TRUTH, out, threads, exact)


def bbox(points):
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
    array = _points("points", points)
    if array.size == 0:
        raise ValueError("bbox() needs at least one point")
    return Bbox2(*_array.bbox(array, 0))


def points(xy):
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
    return _objects(_array.points, {"xy": xy})


def segments(source, target):
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
    return _objects(_array.segments, {"source": source, "target": target})


def rays(source, second_point):
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
    return _objects(_array.rays, {"source": source, "second_point": second_point})


def lines(p, q):
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
    return _objects(_array.lines, {"p": p, "q": q})


def triangles(p, q, r):
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
    return _objects(_array.triangles, {"p": p, "q": q, "r": r})


def circles(center, squared_radius):
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
    return _objects(_array.circles, {"center": center}, {"squared_radius": squared_radius})


def circumcircles(p, q, r):
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
    return _objects(_array.circumcircles, {"p": p, "q": q, "r": r})


def iso_rectangles(p, q):
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
    return _objects(_array.iso_rectangles, {"p": p, "q": q})


def bounds(shapes):
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
    array = _object_array("bounds", "shapes", (Triangle2, Circle2, IsoRectangle2, Segment2),
                          shapes, single=True)
    out = np.empty(array.shape + (4,))
    _array.bounds(array, out)
    return out


def locate(shapes, points, *, boundary=True, threads=None, exact=False):
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
    array = _object_array("locate", "shapes", (Triangle2, Circle2, IsoRectangle2), shapes)
    coordinates = _points("points", points)
    return _array.locate(array, coordinates, _flag("boundary", boundary), _threads(threads),
                         _flag("exact", exact))


def _names(classes):
    return ", ".join(c.__name__ for c in classes[:-1]) + " or " + classes[-1].__name__


def _check_shape(function, argument, obj, classes):
    if not isinstance(obj, classes):
        raise TypeError(f"{function}() takes a {_names(classes)} as {argument}, "
                        f"not {type(obj).__name__}")


def _object_array(function, argument, classes, value, single=False):
    """value, an array or list of objects (or, if single, also one object), as a
    C-contiguous numpy object array. Its elements are checked by the engine."""
    if isinstance(value, np.ndarray):
        if value.dtype != object:
            raise TypeError(f"{function}() takes a {_names(classes)} as {argument}, or an "
                            f"array of them, not an array of {value.dtype}")
    elif not isinstance(value, (list, tuple)) and not (single and isinstance(value, _CORE_CLASSES)):
        _check_shape(function, argument, value, classes)
    return np.asarray(value, dtype=object, order="C")


def _sides(single, many, function, argument, classes, shape, points, dtype, out, threads, exact):
    """One shape against every point (single), or each shape of an array
    against its point (many)."""
    if isinstance(shape, classes):
        return _elementwise(single, (shape,), {"points": points}, dtype, out, threads, exact)
    shapes = _object_array(function, argument, classes, shape)
    return _elementwise(many, (shapes,), {"points": points}, dtype, out, threads, exact,
                        {argument: shapes.shape})


def _points(name, value):
    """value as an array of points of a type the native loops read."""
    array = np.asarray(value)
    if array.dtype.kind not in "biuf":
        raise TypeError(f"{name} must hold real numbers, not {array.dtype}")
    if array.ndim == 0 or array.shape[-1] != 2:
        raise ValueError(f"{name} must have a last axis of length 2 (x, y), "
                         f"but its shape is {array.shape}")
    if array.dtype not in _NATIVE_TYPES:  # float16, long double, another byte order
        array = array.astype(np.float64)
    return array


def _threads(threads):
    """The worker count for the native side: 0 lets it choose."""
    if threads is None:
        return 0
    if isinstance(threads, bool):
        raise TypeError("threads must be an int or None, not bool")
    try:
        count = operator.index(threads)
    except TypeError:
        raise TypeError(f"threads must be an int or None, not {type(threads).__name__}") from None
    if count < 1:
        raise ValueError(f"threads must be at least 1, not {count}")
    return min(count, 1 << 30)


def _check_out(out, shape, dtype):
    if not isinstance(out, np.ndarray):
        raise TypeError(f"out must be a numpy array, not {type(out).__name__}")
    if out.dtype != dtype:
        raise TypeError(f"out must have dtype {dtype}, not {out.dtype}")
    if out.shape != shape:
        raise ValueError(f"out must have shape {shape}, not {out.shape}")
    if not out.flags.writeable:
        raise ValueError("out is not writable")


def _broadcast_shape(named_shapes, points=()):
    """The leading shape that numpy's broadcasting rules give these leading
    shapes, for any number of axes numpy arrays may have (numpy's own helpers
    stop at 32). points: the names of point arrays (their shapes have one more
    axis, for the refusal to show)."""
    axes = max(len(shape) for shape in named_shapes.values())
    result = []
    for axis in range(-axes, 0):
        sizes = {shape[axis] for shape in named_shapes.values() if -axis <= len(shape)} - {1}
        if len(sizes) > 1:
            shapes = ", ".join(f"{name} {shape + (2,) if name in points else shape}"
                               for name, shape in named_shapes.items())
            what = "point arrays" if set(points) == set(named_shapes) else "arrays"
            raise ValueError(f"the {what} do not broadcast together: {shapes}")
        result.append(sizes.pop() if sizes else 1)
    shape = tuple(result)
    if math.prod(shape) > np.iinfo(np.intp).max // 8:
        raise ValueError(f"the result of shape {shape} would hold {math.prod(shape)} elements, "
                         "more than one array can")
    return shape


def _broadcast_to(array, shape, inner=1):
    """A read-only view of array with the leading shape `shape` (its last `inner`
    axes kept): repeated elements have stride 0, as with np.broadcast_to (which
    stops at 32 axes)."""
    leading = array.shape[:array.ndim - inner]
    added = len(shape) - len(leading)
    strides = [0] * added + [0 if size == 1 else stride
                             for size, stride in zip(leading, array.strides[:len(leading)])]
    return np.lib.stride_tricks.as_strided(array, shape + array.shape[len(leading):],
                                           (*strides, *array.strides[len(leading):]),
                                           writeable=False)


def _numbers(name, value):
    """value as a float64 array of real numbers."""
    array = np.asarray(value)
    if array.dtype.kind not in "biuf":
        raise TypeError(f"{name} must hold real numbers, not {array.dtype}")
    return array.astype(np.float64, copy=False)


def _objects(native, named_points, named_numbers={}):
    """An object array of the broadcast shape, filled by native(*points, *numbers, out)."""
    arrays = [_points(name, value) for name, value in named_points.items()]
    numbers = [_numbers(name, value) for name, value in named_numbers.items()]
    shape = _broadcast_shape({**{name: a.shape[:-1] for name, a in zip(named_points, arrays)},
                              **{name: a.shape for name, a in zip(named_numbers, numbers)}},
                             points=named_points)
    out = np.empty(shape, dtype=object)
    native(*(_broadcast_to(a, shape) for a in arrays),
           *(_broadcast_to(a, shape, inner=0) for a in numbers), out)
    return out


def _flag(name, value):
    # numpy's bool too: a flag may come out of an array.
    if not isinstance(value, (bool, np.bool_)):
        raise TypeError(f"{name} must be a bool, not {type(value).__name__}")
    return bool(value)


_NO_FLAG = object()  # a function without an exact form


def _elementwise(native, leading_args, named_points, dtype, out, threads, exact=_NO_FLAG,
                 named_shapes={}):
    """Checks everything, then runs native(*leading_args, *points, result, workers),
    with the exact flag last if the function has one.

    named_shapes: the shapes of other arguments that take part in broadcasting
    (an array of shapes, which the engine broadcasts itself)."""
    arrays = [_points(name, value) for name, value in named_points.items()]
    shape = _broadcast_shape({**named_shapes,
                              **{name: a.shape[:-1] for name, a in zip(named_points, arrays)}},
                             points=named_points)
    workers = _threads(threads)
    flags = () if exact is _NO_FLAG else (_flag("exact", exact),)
    if out is not None:
        _check_out(out, shape, dtype)
    points = [_broadcast_to(a, shape) for a in arrays]
    # An out that shares memory with a point array would be read after being
    # written, and an array of shapes may turn out to hold a bad element after
    # results were written: compute into a new array, then copy.
    if out is None or named_shapes or any(np.may_share_memory(out, a) for a in arrays):
        result = np.empty(shape, dtype)
    else:
        result = out
    native(*leading_args, *points, result, workers, *flags)
    if out is None:
        return result
    if result is not out:
        out[...] = result
    return out
