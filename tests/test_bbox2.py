import math
import time

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import SRC, printf_f, run_native_check, same_float

INF, NAN = math.inf, math.nan
# Few distinct values, so that ties, signed zeros and NaN turn up often.
bounds = st.sampled_from([0.0, -0.0, 1.0, -1.0, 2.5, INF, -INF, NAN]) | st.floats()
boxes = st.tuples(bounds, bounds, bounds, bounds)


def box(t):
    return pc.Bbox2(*t)


def bounds_of(b):
    return (b.xmin, b.ymin, b.xmax, b.ymax)


def same_bounds(b, expected):
    return all(same_float(x, y) for x, y in zip(bounds_of(b), expected))


def test_construction_and_read_only_bounds():
    assert bounds_of(pc.Bbox2()) == (INF, INF, -INF, -INF)
    # Stored as given, never reordered; ints and keywords accepted.
    assert bounds_of(pc.Bbox2(2, 0, 1, True)) == (2.0, 0.0, 1.0, 1.0)
    assert bounds_of(pc.Bbox2(ymax=4, xmax=3, ymin=2, xmin=1)) == (1.0, 2.0, 3.0, 4.0)
    b = pc.Bbox2(0, 0, 1, 1)
    with pytest.raises(AttributeError):
        b.xmin = 5
    assert b.dimension() == 2


@pytest.mark.parametrize("i, lo, hi", [(0, 1.0, 3.0), (1, 2.0, 4.0), (7, 2.0, 4.0), (-1, 2.0, 4.0)])
def test_min_and_max_take_y_for_every_index_but_zero(i, lo, hi):
    b = pc.Bbox2(1, 2, 3, 4)
    assert (b.min(i), b.max(i)) == (lo, hi)
    assert (b.min(i=i), b.max(i=i)) == (lo, hi)


def union_reference(a, b):
    """The argument's bound wins only when strictly better; ties and NaN keep a's."""
    return (b[0] if b[0] < a[0] else a[0], b[1] if b[1] < a[1] else a[1],
            b[2] if b[2] > a[2] else a[2], b[3] if b[3] > a[3] else a[3])


@given(boxes, boxes)
def test_union_keeps_left_bound_on_ties_and_nan(a, b):
    left, right = box(a), box(b)
    assert same_bounds(left + right, union_reference(a, b))
    assert same_bounds(left, a) and same_bounds(right, b)
    alias = left
    left += right
    assert same_bounds(alias, union_reference(a, b))
    assert same_bounds(left, union_reference(a, b))


def test_union_with_signed_zeros_keeps_left_zero():
    assert math.copysign(1, (pc.Bbox2(0.0, 0, 0.0, 0) + pc.Bbox2(-0.0, 0, -0.0, 0)).xmin) == 1
    assert math.copysign(1, (pc.Bbox2(-0.0, 0, -0.0, 0) + pc.Bbox2(0.0, 0, 0.0, 0)).xmax) == -1


@given(st.tuples(*[st.floats(allow_nan=False)] * 4))
def test_empty_box_is_neutral_for_the_union(t):
    b = box(t)
    assert same_bounds(pc.Bbox2() + b, t) and same_bounds(b + pc.Bbox2(), t)


def test_in_place_union_enlarges_the_old_object_and_returns_a_copy():
    a = pc.Bbox2(0, 0, 1, 1)
    c = a
    a += pc.Bbox2(-1, 0.5, 0.5, 3)
    assert a is not c and a == c
    assert bounds_of(c) == (-1.0, 0.0, 1.0, 3.0)
    a += pc.Bbox2(0, 0, 10, 10)  # the copy is independent of the old object now
    assert c.xmax == 1.0 and a.xmax == 10.0
    a += a
    assert bounds_of(a) == (-1.0, 0.0, 10.0, 10.0)


@pytest.mark.parametrize("a, b, expected", [
    ((0, 0, 1, 1), (1, 1, 2, 2), True),       # touching corners
    ((0, 0, 1, 1), (1, -5, 2, 5), True),      # touching edges
    ((0, 0, 1, 1), (1.5, 0, 2, 1), False),
    ((0, 0, 1, 1), (NAN, NAN, NAN, NAN), True),
    ((5, 5, 6, 6), (NAN, 0, 1, 1), False),    # y still separates
    ((), (0, 0, 1, 1), False),                # the empty box overlaps nothing
    ((), (), False),
    ((), (-INF, -INF, INF, INF), True),
])
def test_overlap_of_closed_boxes(a, b, expected):
    assert pc.Bbox2(*a).do_overlap(pc.Bbox2(*b)) is expected
    assert pc.Bbox2(*b).do_overlap(other=pc.Bbox2(*a)) is expected


@given(boxes, boxes)
def test_overlap_and_equality_follow_ieee_comparisons(a, b):
    overlap = not (b[0] > a[2] or a[0] > b[2] or b[1] > a[3] or a[1] > b[3])
    assert box(a).do_overlap(box(b)) is overlap
    equal = a == b if not any(map(math.isnan, a + b)) else False
    assert (box(a) == box(b)) is equal and (box(a) != box(b)) is (not equal)


@pytest.mark.parametrize("expr", [
    lambda a: a + 1,
    lambda a: a == None,  # noqa: E711
    lambda a: a != pc.Point2(0, 0),
    lambda a: a.do_overlap(None),
    lambda a: a.__iadd__((0, 0, 1, 1)),
    lambda a: hash(a),
    lambda a: pc.Bbox2(0, 0, 1, "1"),
    lambda a: a.min(0.0),
    lambda a: a.max(2**31),
    lambda a: a.dilate(2**31),
    lambda a: a.dilate(-2**31 - 1),
    lambda a: a.dilate(1.0),
])
def test_wrong_operands_raise_type_error_and_leave_the_box(expr):
    a = pc.Bbox2(0, 0, 1, 1)
    with pytest.raises(TypeError):
        expr(a)
    assert bounds_of(a) == (0.0, 0.0, 1.0, 1.0)


@given(boxes)
def test_repr_renders_every_bound_like_printf(t):
    expected = "Bbox2(" + ", ".join(map(printf_f, t)) + ")"
    assert repr(box(t)) == expected


def test_repr_examples():
    assert repr(pc.Bbox2(0, 0, 1, 2.5)) == "Bbox2(0.000000, 0.000000, 1.000000, 2.500000)"
    assert repr(pc.Bbox2()) == f"Bbox2({printf_f(INF)}, {printf_f(INF)}, " \
                               f"{printf_f(-INF)}, {printf_f(-INF)})"


@pytest.mark.parametrize("t, factor, expected", [
    ((0, 0, 2, 4), 0.5, (0.5, 1.0, 1.5, 3.0)),
    ((0, 0, 2, 4), -1, (2.0, 4.0, 0.0, 0.0)),         # mirrored about the centre
    ((0, 0, 2, 4), 0, (1.0, 2.0, 1.0, 2.0)),
    ((0.1, 0, 0.3, 1), 1, (0.10000000000000002, 0.0, 0.3, 1.0)),  # rounding, no shortcut
    ((0, 0, INF, 1), 1, (NAN, 0.0, INF, 1.0)),
    ((), 2, (NAN, NAN, NAN, NAN)),
])
def test_scale_about_the_centre(t, factor, expected):
    b = pc.Bbox2(*t)
    assert b.scale(factor=factor) is None
    assert same_bounds(b, expected)


TINY = math.ldexp(1, -1074)                 # the smallest subnormal
MAX = 1.7976931348623157e308
BELOW_2_1023 = math.nextafter(2.0**1023, 0)


@pytest.mark.parametrize("t, dist, expected", [
    ((0, 0, 1, 1), 1, (-TINY, -TINY, 1 + 2**-52, 1 + 2**-52)),
    ((0, 0, 1, 1), -1, (TINY, TINY, 1 - 2**-53, 1 - 2**-53)),
    ((-0.0, 0.0, -0.0, 0.0), 0, (-0.0, 0.0, -0.0, 0.0)),
    ((-0.0, 0.0, -0.0, 0.0), 3, (-3 * TINY, -3 * TINY, 3 * TINY, 3 * TINY)),
    # landing on zero: +0.0 from above, -0.0 from below, by one step or several
    ((TINY, 0, -TINY, 1), 1, (0.0, -TINY, -0.0, 1 + 2**-52)),
    ((5 * TINY, 0, -5 * TINY, 1), 5, (0.0, -5 * TINY, -0.0, 1 + 5 * 2**-52)),
    ((3 * TINY, 0, -3 * TINY, 0), 10, (-7 * TINY, -10 * TINY, 7 * TINY, 10 * TINY)),
    ((0, 0, 0, 0), 2**31 - 1, (-(2**31 - 1) * TINY, -(2**31 - 1) * TINY,
                               (2**31 - 1) * TINY, (2**31 - 1) * TINY)),
    ((0, 0, 0, 0), -(2**31 - 1), ((2**31 - 1) * TINY, (2**31 - 1) * TINY,
                                  -(2**31 - 1) * TINY, -(2**31 - 1) * TINY)),
    # from the largest subnormal into the normal range
    ((0, 0, 2.0**-1022 - TINY, 1), 2, (-2 * TINY, -2 * TINY, 2.0**-1022 + TINY, 1 + 2**-51)),
    ((0, 0, BELOW_2_1023, 1), 1, (-TINY, -TINY, 2.0**1023, 1 + 2**-52)),
    ((0, 0, BELOW_2_1023 - 2**970, 1), 2, (-2 * TINY, -2 * TINY, 2.0**1023, 1 + 2**-51)),
    ((0, 0, 2.0**1023, 1), 1, (-TINY, -TINY, 2.0**1023 + 2**971, 1 + 2**-52)),
    ((-MAX, -1, MAX, 1), -1000, (-MAX + 1000 * 2**971, -1 + 1000 * 2**-53,
                                 MAX - 1000 * 2**971, 1 - 1000 * 2**-53)),
])
def test_dilate_moves_each_bound_by_whole_doubles(t, dist, expected):
    b = pc.Bbox2(*t)
    assert b.dilate(dist=dist) is None
    assert same_bounds(b, expected)


VAL = "Error in function float_advance<double>(double, int): Argument val must be finite, but got "
NEXT = "Error in function float_next<double>(double): Overflow Error"
BEYOND = ("Error in function float_distance<double>(double, double): "
          "Argument b must be finite, but got inf")


@pytest.mark.parametrize("t, dist, error, message", [
    ((), 0, ValueError, VAL + "inf"),
    ((0, 0, 1, NAN), 3, ValueError, VAL + "nan"),
    ((0, -INF, 1, 1), 1, ValueError, VAL + "-inf"),
    ((0, 0, MAX, 1), 1, OverflowError, NEXT),
    ((0, 0, 1, -MAX), -1, OverflowError, NEXT),
    ((MAX, 0, 1, 1), -1, OverflowError, NEXT),
    ((0, 0, MAX, 1), 2, ValueError, BEYOND),
    ((0, 0, 2.0**1023, 1), 2, ValueError, BEYOND),
    ((0, 0, BELOW_2_1023, 1), 2, ValueError, BEYOND),
    ((-BELOW_2_1023, 0, 1, 1), 2**31 - 1, ValueError, BEYOND),
    ((NAN, 0, MAX, 1), 1, ValueError, VAL + "nan"),      # the first failing bound decides
    ((0, 0, MAX, NAN), 1, OverflowError, NEXT),
    ((0, 0, 1, 1), -2**31, ValueError, "dist must be greater than -2147483648"),
])
def test_failed_dilate_raises_and_leaves_every_bound(t, dist, error, message):
    b = pc.Bbox2(*t)
    before = bounds_of(b)
    with pytest.raises(error) as info:
        b.dilate(dist)
    assert str(info.value) == message
    assert same_bounds(b, before)


@pytest.mark.parametrize("t", [(0, 0, 1, 1), (-TINY, 0, 2.0**-969, 1)])
@pytest.mark.parametrize("dist", [2**31 - 1, -(2**31 - 1)])
def test_dilate_by_the_largest_distances_is_fast(t, dist):
    def best_of(k):
        times = []
        for _ in range(k):
            b = pc.Bbox2(*t)
            start = time.perf_counter()
            b.dilate(dist)
            times.append(time.perf_counter() - start)
        return min(times)
    assert best_of(5) < 1e-3


def test_fast_dilate_steps_agree_with_boost(tmp_path):
    """Compiles a native program that runs the stepping code of dilate and Boost's own
    float_advance side by side on generated bounds and distances."""
    counts = run_native_check(tmp_path, ["advance_doubles_check.cpp"], [f"-I{SRC / 'core'}"],
                              ["20240611", "60000"])
    # Every kind of outcome was exercised, not just plain moves.
    assert all(int(counts[k]) >= 20 for k in
               ("walks", "zeros", "crossings", "domain", "overflow")), counts
