"""Every bulk answer is the per-object answer, bit for bit: for every function,
every class it takes, special values and degenerate shapes, on every
instruction set the processor has, for any number of threads and in every
rounding mode."""

import numpy as np
import pytest
from hypothesis import given, settings, strategies as st

import planara.array as pa
from bulk_cases import (INSTRUCTION_SETS, SHAPES, SHAPE_CASES, bits, box_bits, instruction_set,
                        per_object, per_object_bbox, per_object_orientation,
                        per_object_squared_distance, point_arrays, points)
from conftest import ROUNDING_MODES, rounding
from planara import _array

ISAS = pytest.mark.parametrize("isa", INSTRUCTION_SETS)
# One thread, and counts that split a few dozen points at odd places.
THREADS = st.sampled_from([1, 2, 3, 7])


@ISAS
@pytest.mark.parametrize("function, cls", SHAPE_CASES)
@settings(max_examples=150, deadline=None)
@given(data=st.data(), threads=THREADS)
def test_shape_predicates_answer_as_the_objects(isa, function, cls, data, threads):
    shape = data.draw(SHAPES[cls])
    pts = data.draw(point_arrays(shape))
    with instruction_set(isa):
        got = getattr(pa, function)(shape, pts, threads=threads)
    assert got.tolist() == per_object(function, shape, pts)


@ISAS
@settings(max_examples=200, deadline=None)
@given(data=st.data(), threads=THREADS)
def test_orientation_answers_as_the_module_function(isa, data, threads):
    p, q, r = (data.draw(point_arrays()) for _ in range(3))
    n = min(len(p), len(q), len(r))
    p, q, r = p[:n], q[:n], r[:n]
    with instruction_set(isa):
        got = pa.orientation(p, q, r, threads=threads)
        # One edge for all (the repeated p and q are read once).
        fixed = pa.orientation(p[0], q[0], r, threads=threads)
    assert got.tolist() == per_object_orientation(p, q, r)
    assert fixed.tolist() == per_object_orientation(np.broadcast_to(p[0], r.shape),
                                                    np.broadcast_to(q[0], r.shape), r)


@ISAS
@settings(max_examples=200, deadline=None)
@given(data=st.data(), threads=THREADS)
def test_squared_distance_answers_as_the_module_function(isa, data, threads):
    p, q = data.draw(point_arrays()), data.draw(point_arrays())
    n = min(len(p), len(q))
    p, q = p[:n], q[:n]
    with instruction_set(isa):
        pairs = pa.squared_distance(p, q, threads=threads)
        to_one = pa.squared_distance(p, q[0], threads=threads)
        from_one = pa.squared_distance(p[0], q, threads=threads)
    one = np.broadcast_to
    assert bits(pairs).tolist() == bits(per_object_squared_distance(p, q)).tolist()
    assert bits(to_one).tolist() == bits(per_object_squared_distance(p, one(q[0], p.shape))).tolist()
    assert bits(from_one).tolist() == bits(per_object_squared_distance(one(p[0], q.shape), q)).tolist()


@settings(max_examples=300, deadline=None)
@given(pts=point_arrays(max_size=60), threads=THREADS)
def test_bbox_is_the_union_of_the_one_point_boxes_in_order(pts, threads):
    expected = box_bits(per_object_bbox(pts))
    assert box_bits(pa.bbox(pts)).tolist() == expected.tolist()
    # The parts of several workers combine to the same box.
    assert bits(_array.bbox(pts, threads)).tolist() == expected.tolist()


@pytest.mark.parametrize("first", [np.nan, -np.nan, 0.0, -0.0, np.inf])
def test_bbox_keeps_the_first_bound_among_ties_and_a_leading_nan(first):
    # Ties between 0.0 and -0.0 keep the earlier one; a NaN first bound stays
    # NaN, and a later NaN is passed over, also across the workers' parts.
    rest = [-0.0, 0.0, np.nan, 1.0, -np.inf, 0.0, -0.0] * 40
    pts = np.array([[first, first]] + [[v, -v] for v in rest])
    expected = box_bits(per_object_bbox(pts)).tolist()
    for threads in (1, 2, 5, 13):
        assert bits(_array.bbox(pts, threads)).tolist() == expected


MODES = pytest.mark.parametrize("mode", list(ROUNDING_MODES.values()), ids=list(ROUNDING_MODES))


@MODES
@settings(max_examples=40, deadline=None)
@given(data=st.data())
def test_workers_compute_in_the_callers_rounding_mode(mode, data):
    # Inexact differences and products round differently in each mode; the
    # per-object calls run in the same mode, on the calling thread.
    values = st.floats(-1e3, 1e3, allow_nan=False).filter(lambda v: v != int(v))
    p, q = (np.array(data.draw(st.lists(st.tuples(values, values), min_size=64, max_size=64)))
            for _ in range(2))
    triangle = data.draw(SHAPES["Triangle2"])
    with rounding(mode):
        distances = pa.squared_distance(p, q, threads=4)
        expected_distances = per_object_squared_distance(p, q)
        sides = pa.oriented_side(triangle, p, threads=4)
        expected_sides = per_object("oriented_side", triangle, p)
    assert bits(distances).tolist() == bits(expected_distances).tolist()
    assert sides.tolist() == expected_sides


@given(p=points, q=points)
def test_a_single_point_gives_a_zero_dimensional_answer(p, q):
    got = pa.squared_distance(np.array(p), np.array(q))
    assert got.shape == () and bits(got) == bits(per_object_squared_distance(np.array([p]),
                                                                              np.array([q])))


def test_bbox_of_many_parts_keeps_the_rules_of_one_fold():
    # Large enough to be cut into many parts, some of which begin with a NaN
    # or hold only ties of zeros; the first point's NaN x must survive them all.
    rng = np.random.default_rng(4)
    n = 400_003
    for threads in (2, 3, 5):
        parts = _array.part_count(n, _array.worker_count(n, threads))
        assert parts > threads
        pts = rng.choice([0.0, -0.0, 1.0, -2.0, np.nan, np.inf], size=(n, 2))
        starts = [k * (n // parts) + min(k, n % parts) for k in range(parts)]
        pts[starts] = np.nan
        pts[1:, 0] = np.where(np.isnan(pts[1:, 0]), -0.0, pts[1:, 0])
        # The extremes of y lie only in the last part, right after its NaN.
        pts[starts[-1] + 1, 1], pts[starts[-1] + 2, 1] = -1e300, 1e300
        expected = box_bits(per_object_bbox(pts)).tolist()
        assert bits(_array.bbox(pts, threads)).tolist() == expected
