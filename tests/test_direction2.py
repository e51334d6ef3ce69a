"""Direction2: the angle order, equality, betweenness and the constructors."""

import math
import random

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import coords, same_direction, same_floats, xy

D = pc.Direction2
pairs = st.tuples(coords, coords)


def quadrant(dx, dy):
    if dx >= 0:
        return 1 if dy >= 0 else 4
    return 2 if dy >= 0 else 3


def compare(u, v):
    """-1, 0 or 1 as u comes before, with or after v counterclockwise from the x axis."""
    qu, qv = quadrant(*u), quadrant(*v)
    if qu != qv:
        return -1 if qu < qv else 1
    p, q = v[0] * u[1], u[0] * v[1]
    return 1 if p > q else -1 if p < q else 0


def between(d, d1, d2):
    if compare(d1, d) < 0:
        return compare(d, d2) < 0 or compare(d2, d1) <= 0
    return compare(d, d2) < 0 and compare(d2, d1) <= 0


@given(pairs, pairs)
def test_comparisons_follow_the_angle_order_and_equality_rule(u, v):
    a, b = D(*u), D(*v)
    assert [a < b, a > b, a <= b, a >= b] == [
        compare(u, v) < 0, compare(v, u) < 0, compare(u, v) <= 0, compare(u, v) >= 0]
    assert (a == b, a != b) == (same_direction(*u, *v), not same_direction(*u, *v))


@given(pairs, pairs, pairs)
def test_counterclockwise_in_between_follows_the_reference(u, v, w):
    assert D(*u).counterclockwise_in_between(D(*v), D(*w)) == between(u, v, w)


@pytest.mark.parametrize("d, d1, d2, expected", [
    ((0, 1), (1, 0), (-1, 0), True),
    ((0, -1), (1, 0), (-1, 0), False),
    ((0, -1), (-1, 0), (1, 0), True),  # wraps through the positive x axis
    ((1, 0), (1, 0), (1, 0), False),
    ((2, 0), (1, 0), (1, 0), False),
    ((0, 1), (1, 0), (1, 0), True),
    ((1, -1), (1, 0), (1, 0), True),
])
def test_counterclockwise_in_between_examples(d, d1, d2, expected):
    assert D(*d).counterclockwise_in_between(d1=D(*d1), d2=D(*d2)) is expected


def test_sorting_goes_counterclockwise_from_the_x_axis():
    ccw = [(1, 0), (1, 1), (0, 1), (-1, 0), (-1, -1), (0, -1), (1, -0.001)]
    shuffled = [D(*d) for d in ccw]
    random.Random(7).shuffle(shuffled)
    assert [(d.dx, d.dy) for d in sorted(shuffled)] == ccw


@pytest.mark.parametrize("u, v, equal", [
    ((2, 0), (1, 0), True),
    ((1, 0), (-1, 0), False),
    ((1, 1), (2, 2.0000001), False),
    ((0, 0), (1, 1), False),
    ((math.nan, 1), (0, 1), True),  # the sign of NaN is 0 and NaN products compare equal
])
def test_equality_examples(u, v, equal):
    assert (D(*u) == D(*v), D(*u) != D(*v)) == (equal, not equal)


def test_zero_direction_is_level_with_the_first_quadrant_but_not_equal():
    z, d = D(0, 0), D(1, 1)
    assert [z < d, z > d, z <= d, z >= d, z == d] == [False, False, True, True, False]


def test_a_direction_equals_itself_even_with_nan():
    d = D(math.nan, math.nan)
    assert d == d and not d != d


@given(pairs)
def test_opposite_flips_both_sign_bits(u):
    for d in (D(*u).opposite(), -D(*u)):
        assert type(d) is D and same_floats((d.dx, d.dy), (-u[0], -u[1]))


@pytest.mark.parametrize("i, component", [(0, 3.0), (1, 4.0), (2, 4.0), (-1, 4.0),
                                          (2**31 - 1, 4.0), (-2**31, 4.0)])
def test_delta_selects_dx_only_for_zero(i, component):
    assert D(3, 4).delta(i) == component


def test_constructors_keep_the_components():
    for d in (D(3, 4), D(x=3, y=4.0), D(pc.Vector2(3, 4)), D(v=pc.Vector2(3, 4))):
        assert (d.dx, d.dy) == (3.0, 4.0) and type(d.dx) is float
    assert (D(2, 0).dx, D(2, 0).dy) == (2.0, 0.0)  # never normalised
    assert same_floats(xy(D(3, -0.0).vector()), (3.0, -0.0))


def test_text_form():
    assert repr(D(1, -0.5)) == "Direction2(1.000000, -0.500000)"
    assert repr(-D(1, 0)) == "Direction2(-1.000000, -0.000000)"


@pytest.mark.parametrize("call", [
    lambda: D(1, 0).delta(i=0),
    lambda: D(1, 0).delta(1.0),
    lambda: D(1, 0).delta(2**31),
    lambda: D(1, 0) < 5,
    lambda: D(1, 0) == None,  # noqa: E711
    lambda: D(1, 0) != pc.Vector2(1, 0),
    lambda: D(1, 0).counterclockwise_in_between(D(1, 0), None),
    lambda: hash(D(1, 0)),
    lambda: D(pc.Point2(1, 0)),
])
def test_wrong_operands_raise_type_error(call):
    with pytest.raises(TypeError):
        call()
