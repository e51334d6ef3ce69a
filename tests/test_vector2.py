import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import same_float

doubles = st.floats(allow_nan=True, allow_infinity=True)


def xy(v):
    return (v.x, v.y)


def test_sum_and_scaling():
    assert xy(pc.Vector2(1, 2) + pc.Vector2(3, 4)) == (4.0, 6.0)
    assert xy(pc.Vector2(1, 2) * 3) == xy(3 * pc.Vector2(1, 2)) == (3.0, 6.0)
    assert xy(pc.Vector2(1, 2) * 0.5) == (0.5, 1.0)
    assert repr(pc.Vector2(0.1, 3)) == "Vector2(0.100000, 3.000000)"


@given(doubles, doubles, doubles)
def test_scaling_matches_ieee_products_on_both_sides(x, y, s):
    for v in (pc.Vector2(x, y) * s, s * pc.Vector2(x, y)):
        assert same_float(v.x, x * s) and same_float(v.y, y * s)


def test_scaling_a_zero_coordinate_by_infinity_gives_nan():
    v = pc.Vector2(0, 1) * math.inf
    assert math.isnan(v.x) and v.y == math.inf


@pytest.mark.parametrize("expr", [
    lambda: pc.Vector2(1, 1) - pc.Vector2(1, 1),
    lambda: pc.Vector2(1, 1) * pc.Vector2(1, 1),
    lambda: pc.Vector2(1, 1) + pc.Point2(0, 0),
    lambda: -pc.Vector2(1, 1),
    lambda: pc.Vector2(1, 1) / 2,
    lambda: pc.Vector2(1, 1) * "2",
])
def test_unsupported_operations_raise_type_error(expr):
    with pytest.raises(TypeError):
        expr()
