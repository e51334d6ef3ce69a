"""squared_distance, orientation and OrientationResult."""

import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import reference_orientation, same_float

doubles = st.floats(allow_nan=True, allow_infinity=True)
P = pc.Point2


def turn(r):
    return [r.left_turn(), r.right_turn(), r.collinear()]


@given(doubles, doubles, doubles, doubles)
def test_squared_distance_is_the_plain_formula(x1, y1, x2, y2):
    dx, dy = x1 - x2, y1 - y2
    assert same_float(pc.squared_distance(x1, y1, x2, y2), dx * dx + dy * dy)


def test_squared_distance_examples():
    assert pc.squared_distance(0, 0, 3, 4) == 25.0
    assert pc.squared_distance(1e200, 0, -1e200, 0) == math.inf
    assert math.isnan(pc.squared_distance(math.nan, 0, 0, 0))
    assert pc.squared_distance(x1=1, y1=1, x2=1, y2=2) == 1.0


@given(st.tuples(doubles, doubles), st.tuples(doubles, doubles), st.tuples(doubles, doubles))
def test_orientation_compares_the_two_products(a, b, c):
    r = pc.orientation(P(*a), P(*b), P(*c))
    code = reference_orientation(a, b, c)
    assert turn(r) == [code == 1, code == -1, code == 0]


@pytest.mark.parametrize("points, text", [
    (((0, 0), (1, 0), (0, 1)), "Left turn"),
    (((0, 0), (0, 1), (1, 0)), "Right turn"),
    (((1, 1), (1, 1), (1, 1)), "Collinear"),
    (((1, 1), (1, 1), (5, 7)), "Collinear"),
    (((0, 0), (math.nan, 0), (0, 1)), "Collinear"),
    (((0, 0), (math.inf, 0), (1, 0)), "Collinear"),  # inf * 0 is NaN
    # Plain doubles decide: the exact determinant of these points is positive.
    (((0.5, 0.5000000000000001), (12, 12), (24, 24)), "Collinear"),
])
def test_orientation_examples(points, text):
    r = pc.orientation(*(P(*p) for p in points))
    assert type(r) is pc.OrientationResult
    assert repr(r) == str(r) == text


def test_orientation_takes_keywords_and_only_points():
    r = pc.orientation(p1=P(0, 0), p2=P(1, 0), p3=P(0, 1))
    assert turn(r) == [True, False, False]
    with pytest.raises(TypeError):
        pc.orientation(P(0, 0), P(1, 0), pc.Vector2(0, 1))


def test_orientation_result_has_no_constructor():
    with pytest.raises(TypeError, match=r": No constructor defined!$"):
        pc.OrientationResult()
