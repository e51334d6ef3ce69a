"""Circle2: overload choice, orientation rule, constructions, sides, equality."""

import ctypes
import math
import platform
from fractions import Fraction

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import coords, points, reference_orientation, same_floats

P = pc.Point2
nan = math.nan


def state(c):
    o = c.center()
    return (o.x, o.y, c.squared_radius(), c.orientation())


@pytest.mark.parametrize("args, kwargs, expected", [
    ((P(1, 2), 2.5), {}, (1, 2, 2.5, 1)),
    ((P(1, 2), 4), {}, (1, 2, 0.0, 1)),  # an int is an orientation before it is a radius
    ((P(1, 2), 4.0), {}, (1, 2, 4.0, 1)),
    ((P(1, 2),), {"squared_radius": 4}, (1, 2, 4.0, 1)),
    ((P(1, 2),), {}, (1, 2, 0.0, 1)),
    ((P(1, 2), -1.0, 0), {}, (1, 2, -1.0, 1)),
    ((P(1, 2), 1.0, 7), {}, (1, 2, 1.0, 1)),
    ((P(1, 2), 1.0, -5), {}, (1, 2, 1.0, -1)),
    ((P(1, 2), nan), {"orientation": 2**31 - 1}, (1, 2, nan, 1)),
    ((P(0, 0), P(3, 4)), {}, (1.5, 2, 6.25, 1)),
    ((P(0, 0), P(3, 4), -1), {}, (1.5, 2, 6.25, -1)),
    ((P(1, 1), P(1, 1)), {"orientation": 0}, (1, 1, 0.0, 1)),
    ((P(0, nan), P(0, nan)), {}, (0, nan, nan, 1)),  # NaN points are never equal
    ((P(0, 0), P(2, 0), P(0, 2)), {}, (1, 1, 2, 1)),
    ((P(0, 0), P(0, 2), P(2, 0)), {}, (1, 1, 2, -1)),
    ((P(0, 0), P(1, 1), P(2, 2)), {}, (-math.inf, math.inf, math.inf, 0)),
])
def test_constructors(args, kwargs, expected):
    assert same_floats(state(pc.Circle2(*args, **kwargs)), expected)


@pytest.mark.parametrize("args", [
    (P(0, 0), 2.0, 1.0), (P(0, 0), 1.0, 2**31), (P(0, 0), "1"), (P(0, 0), None),
    (P(0, 0), P(1, 1), P(2, 2), 1), (1.0, 2.0), (),
])
def test_rejected_arguments(args):
    with pytest.raises(TypeError):
        pc.Circle2(*args)


def ieee_div(a, b):
    try:
        return a / b
    except ZeroDivisionError:
        return math.nan if a == 0 or a != a else math.copysign(math.inf, a) * math.copysign(1, b)


@given(points, points, points)
def test_three_point_circle_is_the_circumcircle_formula(p, q, r):
    dqx, dqy, drx, dry = q[0] - p[0], q[1] - p[1], r[0] - p[0], r[1] - p[1]
    q2, r2 = dqx * dqx + dqy * dqy, drx * drx + dry * dry
    den = 2 * (dqx * dry - dqy * drx)
    cx = p[0] + ieee_div(dry * q2 - dqy * r2, den)
    cy = p[1] - ieee_div(drx * q2 - dqx * r2, den)
    s = (p[0] - cx) * (p[0] - cx) + (p[1] - cy) * (p[1] - cy)
    expected = (cx, cy, s, reference_orientation(p, q, r))
    assert same_floats(state(pc.Circle2(P(*p), P(*q), P(*r))), expected)


circles = st.one_of(
    st.builds(pc.Circle2, st.builds(P, coords, coords), coords,
              st.integers(-2, 2)),
    st.builds(pc.Circle2, *[st.builds(P, coords, coords)] * 3))


@given(circles, points)
def test_sides_compare_squared_distance_with_squared_radius(c, p):
    cx, cy, s, o = state(c)
    d = (cx - p[0]) * (cx - p[0]) + (cy - p[1]) * (cy - p[1])
    b = -1 if d > s else 1 if s > d else 0
    q = P(*p)
    assert (c.bounded_side(q), c.oriented_side(q)) == (b, b * o)
    assert [c.has_on_bounded_side(q), c.has_on_boundary(q), c.has_on_unbounded_side(q)] == [
        b == 1, b == 0, b == -1]
    inside_positive = o == 1
    assert c.has_on_positive_side(q) == (b == (1 if inside_positive else -1))
    assert c.has_on_negative_side(q) == (b == (-1 if inside_positive else 1))


def test_degeneracy_opposite_and_equality():
    assert pc.Circle2(P(0, 0), -0.0).is_degenerate()
    assert not pc.Circle2(P(0, 0), nan).is_degenerate()
    cw = pc.Circle2(P(0, 0), 1.0, -1)
    assert cw.opposite() == pc.Circle2(P(0, 0), 1.0) and cw != pc.Circle2(P(0, 0), 1.0)
    assert state(pc.Circle2(P(0, 0), P(1, 1), P(2, 2)).opposite())[3] == 0
    assert pc.Circle2(P(-0.0, 0), 0.0) == pc.Circle2(P(0, 0), -0.0)
    n = pc.Circle2(P(0, 0), nan)
    assert n != n and not n == n


def test_text_form_and_operand_types():
    for o in (1, -1):
        c = pc.Circle2(P(1, 2), 2.25, o)
        assert repr(c) == "Circle2(center=(1.000000, 2.000000), squared_radius=2.250000)"
    for bad in (lambda: c == 5, lambda: c != None, lambda: hash(c),  # noqa: E711
                lambda: c.bounded_side((1, 2)), lambda: c.opposite(1)):
        with pytest.raises(TypeError):
            bad()


libc = ctypes.CDLL(None)
FE_TONEAREST, FE_UPWARD = 0, 0x800  # x86-64 values


def rounds_to_nearest(one=1.0, tiny=2.0**-60, most_of_an_ulp=0.75 * 2.0**-52):
    """Probes the mode Python's own float arithmetic runs in, which need not be
    the register fegetround reads."""
    return one + tiny == one == -(-one - tiny) and one + most_of_an_ulp == 1.0000000000000002


def box(c):
    b = c.bbox()
    return (b.xmin, b.ymin, b.xmax, b.ymax)


@pytest.mark.parametrize("center, s, expected", [
    ((0, 0), 3.0, (-1.7320508075688774, -1.7320508075688774,
                   1.7320508075688774, 1.7320508075688774)),  # sqrt(3) rounded up
    ((1, 0), 3.0, (-0.7320508075688774, -1.7320508075688774,
                   2.7320508075688776, 1.7320508075688774)),
    ((0, 0), 0.0, (-0.0, -0.0, 0.0, 0.0)),
    ((2, -1), 4.0, (-0.0, -3.0, 4.0, 1.0)),  # 2 - 2 rounded down
    ((0, 0), math.inf, (-math.inf, -math.inf, math.inf, math.inf)),
    ((0, 0), -1.0, (nan,) * 4),
    ((0, 0), nan, (nan,) * 4),
    ((nan, 0), 1.0, (nan, -1.0, nan, 1.0)),
])
def test_bbox_is_rounded_outward_and_restores_the_rounding_mode(center, s, expected):
    assert libc.fegetround() == FE_TONEAREST and rounds_to_nearest()
    assert same_floats(box(pc.Circle2(P(*center), s)), expected)
    assert libc.fegetround() == FE_TONEAREST and rounds_to_nearest()


@pytest.mark.skipif(platform.machine() != "x86_64", reason="rounding mode constants of x86-64")
def test_bbox_keeps_a_callers_other_rounding_mode():
    c = pc.Circle2(P(1, 0), 3.0)
    expected = box(c)
    assert libc.fesetround(FE_UPWARD) == 0
    try:
        got, mode, nearest = box(c), libc.fegetround(), rounds_to_nearest()
    finally:
        libc.fesetround(FE_TONEAREST)
    assert (got, mode, nearest) == (expected, FE_UPWARD, False)


def rounded(exact, up):
    d = float(exact)
    if (Fraction(d) < exact) if up else (Fraction(d) > exact):
        d = math.nextafter(d, math.inf if up else -math.inf)
    return d


finite = st.floats(-1e300, 1e300)


@given(finite, finite, st.floats(0, 1e300))
def test_bbox_is_the_tightest_box_with_r_rounded_up(cx, cy, s):
    r = math.sqrt(s)
    r = r if Fraction(r) ** 2 >= Fraction(s) else math.nextafter(r, math.inf)
    expected = [rounded(Fraction(v) + sign * Fraction(r), sign > 0)
                for sign in (-1, 1) for v in (cx, cy)]
    assert list(box(pc.Circle2(P(cx, cy), s))) == expected
