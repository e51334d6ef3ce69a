"""Bad input gets a clear error before anything is computed: nothing is
written to `out`, nothing crashes. The engine itself refuses arrays that do
not fit together, also when called directly."""

import os

import numpy as np
import pytest

import planara.array as pa
import planara_core as pc
from planara import _array

P = pc.Point2
LINE = pc.Line2(1, 2, 3)
TRIANGLE = pc.Triangle2(P(0, 0), P(1, 0), P(0, 1))
CIRCLE = pc.Circle2(P(0, 0), 1.0)
RECTANGLE = pc.IsoRectangle2(0, 0, 1, 1)
SEGMENT = pc.Segment2(P(0, 0), P(1, 1))
RAY = pc.Ray2(P(0, 0), P(1, 1))
PTS = np.zeros((4, 2))

# Each function, called with points (and shape) that are valid, as
# call(points=..., **keywords).
CALLS = {
    "orientation": lambda points, **kw: pa.orientation(PTS, PTS, points, **kw),
    "squared_distance": lambda points, **kw: pa.squared_distance(points, PTS, **kw),
    "oriented_side": lambda points, **kw: pa.oriented_side(TRIANGLE, points, **kw),
    "bounded_side": lambda points, **kw: pa.bounded_side(CIRCLE, points, **kw),
    "has_on": lambda points, **kw: pa.has_on(RAY, points, **kw),
}
RESULT_TYPES = {"orientation": np.int8, "squared_distance": np.float64,
                "oriented_side": np.int8, "bounded_side": np.int8, "has_on": np.bool_}
FUNCTIONS = pytest.mark.parametrize("function", CALLS)


@FUNCTIONS
@pytest.mark.parametrize("points, error, text", [
    (np.zeros((4, 3)), ValueError, r"last axis of length 2.*\(4, 3\)"),
    (np.zeros(2 * 4), ValueError, r"last axis of length 2.*\(8,\)"),
    (5.0, ValueError, r"shape is \(\)"),
    (np.zeros((4, 2), dtype=complex), TypeError, "real numbers"),
    (np.array([["1", "2"]] * 4), TypeError, "real numbers"),
    (np.array([[object(), 1]] * 4), TypeError, "real numbers"),
    (np.zeros((4, 2), dtype="datetime64[s]"), TypeError, "real numbers"),
    ([[P(0, 0), P(1, 1)]] * 4, TypeError, "real numbers"),
])
def test_bad_points_are_refused_and_out_stays_untouched(function, points, error, text):
    out = np.full((4,), 3, dtype=RESULT_TYPES[function])
    before = out.copy()
    with pytest.raises(error, match=text):
        CALLS[function](points, out=out)
    assert np.array_equal(out, before)


@pytest.mark.parametrize("size, error, text", [
    (2**40, ValueError, r"result of shape \(1099511627776, 1099511627776\) would hold 1208925819614629174706176 elements"),
    # numpy's own refusal; the sanitizer's allocator reports so large a request.
    pytest.param(2**24, MemoryError, "Unable to allocate", marks=pytest.mark.skipif(
        os.environ.get("PLANARA_INSTRUMENTED") == "1", reason="the sanitizer reports the request")),
])
def test_a_result_too_large_is_refused_as_such(size, error, text):
    column = np.broadcast_to(np.zeros(2), (size, 1, 2))
    with pytest.raises(error, match=text):
        pa.squared_distance(column, column.reshape(1, size, 2))


def test_the_argument_in_error_is_named():
    with pytest.raises(ValueError, match="^q must have a last axis"):
        pa.orientation(PTS, np.zeros((4, 3)), PTS)
    out = np.zeros(4)
    with pytest.raises(ValueError, match=r"do not broadcast together: p \(4, 2\), q \(3, 2\)"):
        pa.squared_distance(PTS, np.zeros((3, 2)), out=out)
    assert not out.any()


@FUNCTIONS
@pytest.mark.parametrize("out", [
    np.zeros(4, dtype=np.int16), np.zeros(4, dtype=np.float32), np.zeros(5, dtype=np.int8),
    np.zeros((4, 1)), np.zeros(5, dtype=np.bool_), [0, 0, 0, 0], "out",
])
def test_a_wrong_out_is_refused_untouched(function, out):
    # The wrong type is a TypeError, the right type in the wrong shape a ValueError.
    right_type = isinstance(out, np.ndarray) and out.dtype == RESULT_TYPES[function]
    error = ValueError if right_type else TypeError
    before = out.copy() if isinstance(out, np.ndarray) else None
    with pytest.raises(error):
        CALLS[function](PTS, out=out)
    if before is not None:
        assert np.array_equal(out, before)


@FUNCTIONS
def test_a_read_only_out_is_refused(function):
    out = np.zeros(4, dtype=RESULT_TYPES[function])
    out.flags.writeable = False
    with pytest.raises(ValueError, match="not writable"):
        CALLS[function](PTS, out=out)


@FUNCTIONS
@pytest.mark.parametrize("threads, error", [
    (0, ValueError), (-1, ValueError), (1.0, TypeError), ("2", TypeError), (True, TypeError),
    ([2], TypeError),
])
def test_bad_thread_counts_are_refused(function, threads, error):
    with pytest.raises(error, match="threads"):
        CALLS[function](PTS, threads=threads)


@pytest.mark.parametrize("threads", [np.int64(3), 10**30])
def test_any_int_is_a_thread_count(threads):
    assert pa.bounded_side(CIRCLE, PTS, threads=threads).tolist() == [1, 1, 1, 1]


@pytest.mark.parametrize("function, shape", [
    ("oriented_side", RECTANGLE), ("oriented_side", SEGMENT), ("bounded_side", LINE),
    ("bounded_side", RAY), ("has_on", TRIANGLE), ("has_on", CIRCLE), ("has_on", None),
    ("bounded_side", pc.Bbox2(0, 0, 1, 1)), ("oriented_side", "Line2"),
])
def test_a_shape_of_another_class_is_refused_naming_the_classes(function, shape):
    classes = {"oriented_side": "Line2, Triangle2 or Circle2",
               "bounded_side": "Triangle2, Circle2 or IsoRectangle2",
               "has_on": "Line2, Segment2 or Ray2"}[function]
    with pytest.raises(TypeError, match=f"takes a {classes} as (shape|obj), not"):
        getattr(pa, function)(shape, PTS)


@pytest.mark.parametrize("function, cls", [
    ("oriented_side", pc.Line2), ("oriented_side", pc.Triangle2), ("oriented_side", pc.Circle2),
    ("bounded_side", pc.IsoRectangle2), ("has_on", pc.Segment2), ("has_on", pc.Ray2),
])
def test_a_shape_that_skipped_init_is_refused_as_the_objects_refuse_it(function, cls):
    bare = cls.__new__(cls)
    with pytest.raises(TypeError, match="created without __init__"):
        getattr(pa, function)(bare, PTS)
    with pytest.raises(TypeError, match="created without __init__"):
        getattr(bare, function)(P(0, 0))


def test_bbox_of_no_points_is_refused():
    with pytest.raises(ValueError, match="at least one point"):
        pa.bbox(np.empty((0, 2)))
    with pytest.raises(ValueError, match="last axis"):
        pa.bbox([1, 2, 3])


@pytest.mark.parametrize("call", [
    # Points that do not fit the result, in count, rank or last axis.
    lambda: _array.orientation(PTS, PTS, np.zeros((3, 2)), np.zeros(4, np.int8), 1),
    lambda: _array.orientation(PTS, PTS, PTS, np.zeros(5, np.int8), 1),
    lambda: _array.squared_distance(PTS, np.zeros((4, 3)), np.zeros(4), 1),
    lambda: _array.squared_distance(np.zeros((1, 2)), PTS, np.zeros(4), 1),
    lambda: _array.bounded_side(CIRCLE, np.zeros((2, 2, 2)), np.zeros(4, np.int8), 1),
    lambda: _array.has_on(LINE, np.zeros(3), np.zeros((), np.bool_), 1),
    # Results of the wrong type or read-only; points of an unknown type.
    lambda: _array.has_on(LINE, PTS, np.zeros(4, np.int8), 1),
    lambda: _array.bounded_side(CIRCLE, PTS, np.zeros(4, np.int64), 1),
    lambda: _array.bounded_side(CIRCLE, PTS, np.broadcast_to(np.zeros(1, np.int8), (4,)), 1),
    lambda: _array.bounded_side(CIRCLE, PTS.astype(np.complex128), np.zeros(4, np.int8), 1),
    lambda: _array.bounded_side(CIRCLE, PTS.astype(">f8"), np.zeros(4, np.int8), 1),
    lambda: _array.bbox(np.zeros((0, 2)), 1),
    lambda: _array.bbox(np.zeros((3, 3)), 1),
])
def test_the_engine_refuses_arrays_that_do_not_fit(call):
    with pytest.raises((ValueError, TypeError)):
        call()
