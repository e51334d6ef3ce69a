"""The kernel's predicates over numpy arrays of points.

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

import operator

try:
    import numpy as np
except ImportError as exc:
    raise ImportError("planara.array needs numpy >= 2: install the 'array' extra, "
                      "pip install 'planara_core[array]'") from exc
if int(np.__version__.split(".")[0]) < 2:
    raise ImportError(f"planara.array needs numpy >= 2, not {np.__version__}: install the "
                      "'array' extra, pip install 'planara_core[array]'")

from planara_core import Bbox2, Circle2, IsoRectangle2, Line2, Ray2, Segment2, Triangle2

from planara import _array

__all__ = ["orientation", "squared_distance", "oriented_side", "bounded_side", "has_on", "bbox"]

# Coordinate types the native loops read as they are; other real types are
# converted to float64 first.
_NATIVE_TYPES = frozenset(np.dtype(t) for t in (
    np.float64, np.float32, np.int8, np.int16, np.int32, np.int64, np.uint8, np.uint16,
    np.uint32, np.uint64, np.bool_))
_SIDE, _TRUTH, _DISTANCE = np.dtype(np.int8), np.dtype(np.bool_), np.dtype(np.float64)


def orientation(p, q, r, *, out=None, threads=None, exact=False):
    """Orientation of the triangles (p, q, r): -1 right turn, 0 collinear, 1 left turn.

    Element i is what `planara_core.orientation` answers for the three points
    (with exact=True: the sign of the exact determinant).
    """
    return _elementwise(_array.orientation, (), {"p": p, "q": q, "r": r}, _SIDE, out, threads,
                        exact)


def squared_distance(p, q, *, out=None, threads=None):
    """Squared distances between the points p and q, as `planara_core.squared_distance`."""
    return _elementwise(_array.squared_distance, (), {"p": p, "q": q}, _DISTANCE, out, threads)


def oriented_side(shape, points, *, out=None, threads=None, exact=False):
    """`shape.oriented_side(Point2(x, y))` for every point: -1, 0 or 1.

    shape is a Line2, Triangle2 or Circle2; exact=True decides as the exact
    kernel does.
    """
    _check_shape("oriented_side", "shape", shape, (Line2, Triangle2, Circle2))
    return _elementwise(_array.oriented_side, (shape,), {"points": points}, _SIDE, out, threads,
                        exact)


def bounded_side(shape, points, *, out=None, threads=None, exact=False):
    """`shape.bounded_side(Point2(x, y))` for every point: -1 outside, 0 boundary, 1 inside.

    shape is a Triangle2, Circle2 or IsoRectangle2; exact=True decides as the
    exact kernel does (for a rectangle, which compares coordinates only, the
    answers are the same).
    """
    _check_shape("bounded_side", "shape", shape, (Triangle2, Circle2, IsoRectangle2))
    return _elementwise(_array.bounded_side, (shape,), {"points": points}, _SIDE, out, threads,
                        exact)


def has_on(obj, points, *, out=None, threads=None, exact=False):
    """`obj.has_on(Point2(x, y))` for every point, as bools.

    obj is a Line2, Segment2 or Ray2; exact=True decides as the exact kernel
    does (for a ray: the vector from the source to the point, computed in
    double as that kernel constructs it, compared exactly with the ray's).
    """
    _check_shape("has_on", "obj", obj, (Line2, Segment2, Ray2))
    return _elementwise(_array.has_on, (obj,), {"points": points}, _TRUTH, out, threads,
                        exact)


def bbox(points):
    """The bounding box of the points, as a Bbox2.

    It is the union, in array order and with Bbox2's own rules for ties and
    NaN, of the one-point boxes Bbox2(x, y, x, y): what adding them up one
    after the other with `+` gives. An empty array raises ValueError.
    """
    array = _points("points", points)
    if array.size == 0:
        raise ValueError("bbox() needs at least one point")
    return Bbox2(*_array.bbox(array, 0))


def _check_shape(function, argument, obj, classes):
    if not isinstance(obj, classes):
        names = ", ".join(c.__name__ for c in classes[:-1]) + " or " + classes[-1].__name__
        raise TypeError(f"{function}() takes a {names} as {argument}, not {type(obj).__name__}")


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


def _exact(exact):
    # numpy's bool too: a flag may come out of an array.
    if not isinstance(exact, (bool, np.bool_)):
        raise TypeError(f"exact must be a bool, not {type(exact).__name__}")
    return bool(exact)


def _check_out(out, shape, dtype):
    if not isinstance(out, np.ndarray):
        raise TypeError(f"out must be a numpy array, not {type(out).__name__}")
    if out.dtype != dtype:
        raise TypeError(f"out must have dtype {dtype}, not {out.dtype}")
    if out.shape != shape:
        raise ValueError(f"out must have shape {shape}, not {out.shape}")
    if not out.flags.writeable:
        raise ValueError("out is not writable")


_NO_FLAG = object()  # a function without an exact form


def _elementwise(native, leading_args, named_points, dtype, out, threads, exact=_NO_FLAG):
    """Checks everything, then runs native(*leading_args, *points, result, workers),
    with the exact flag last if the function has one."""
    arrays = [_points(name, value) for name, value in named_points.items()]
    try:
        shape = np.broadcast_shapes(*(a.shape[:-1] for a in arrays))
    except ValueError:
        shapes = ", ".join(f"{name} {a.shape}" for name, a in zip(named_points, arrays))
        raise ValueError(f"the point arrays do not broadcast together: {shapes}") from None
    workers = _threads(threads)
    flags = () if exact is _NO_FLAG else (_exact(exact),)
    if out is not None:
        _check_out(out, shape, dtype)
    points = [np.broadcast_to(a, shape + (2,)) for a in arrays]
    # An out that shares memory with a point array would be read after being
    # written: compute into a new array, then copy.
    if out is None or any(np.may_share_memory(out, a) for a in arrays):
        result = np.empty(shape, dtype)
    else:
        result = out
    native(*leading_args, *points, result, workers, *flags)
    if out is None:
        return result
    if result is not out:
        out[...] = result
    return out
