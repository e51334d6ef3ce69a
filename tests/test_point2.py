import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import same_float

doubles = st.floats(allow_nan=True, allow_infinity=True)


def test_coordinates_are_floats():
    p = pc.Point2(1, 2)
    assert (p.x, p.y) == (1.0, 2.0) and type(p.x) is float
    assert pc.Point2(True, 2.5).x == 1.0


def test_difference_and_translation():
    p, q = pc.Point2(1, 2), pc.Point2(0.5, 0.5)
    d = p - q
    assert type(d) is pc.Vector2 and (d.x, d.y) == (0.5, 1.5)
    assert (p.x, p.y, q.x, q.y) == (1.0, 2.0, 0.5, 0.5)
    t = p + pc.Vector2(1, -1)
    assert type(t) is pc.Point2 and (t.x, t.y) == (2.0, 1.0)
    assert t is not p


@given(doubles, doubles, doubles, doubles)
def test_arithmetic_is_one_ieee_operation_per_coordinate(a, b, c, d):
    v = pc.Point2(a, b) - pc.Point2(c, d)
    assert same_float(v.x, a - c) and same_float(v.y, b - d)
    p = pc.Point2(a, b) + pc.Vector2(c, d)
    assert same_float(p.x, a + c) and same_float(p.y, b + d)


@pytest.mark.parametrize("expr", [
    lambda: pc.Point2(0, 0) + pc.Point2(1, 1),
    lambda: pc.Point2(0, 0) - pc.Vector2(1, 1),
    lambda: pc.Point2(0, 0) + 1,
    lambda: -pc.Point2(0, 0),
    lambda: pc.Point2(0, 0) - None,
])
def test_unsupported_operations_raise_type_error(expr):
    with pytest.raises(TypeError):
        expr()


def test_nan_coordinates_flow_through():
    v = pc.Point2(math.nan, 1) - pc.Point2(0, 0)
    assert math.isnan(v.x) and v.y == 1.0
