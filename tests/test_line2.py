"""Line2: the constructors, the formulas of the queries, the side of a point and equality."""

import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import coords, line_through, same_floats, sign, xy

L, P, D, V = pc.Line2, pc.Point2, pc.Direction2, pc.Vector2
nan = math.nan
small = st.sampled_from([-2.0, -1.0, -0.0, 0.0, 1.0, 2.0, nan])


def abc(line):
    return (line.a, line.b, line.c)


def div(x, y):
    """IEEE division: Python raises on a zero divisor where C++ gives inf or NaN."""
    try:
        return x / y
    except ZeroDivisionError:
        if math.isnan(x) or x == 0:
            return nan
        return math.copysign(math.inf, x) * math.copysign(1.0, y)


def same_line(l1, l2):
    (a1, b1, c1), (a2, b2, c2) = l1, l2
    if a1 * b2 > a2 * b1 or a1 * b2 < a2 * b1:
        return False
    if a1 < 0 or a1 > 0:
        return sign(a2) == sign(a1) and not (c1 * a2 > a1 * c2 or c1 * a2 < a1 * c2)
    return sign(b2) == sign(b1) and not (b2 * c1 > b1 * c2 or b2 * c1 < b1 * c2)


@given(coords, coords, coords, coords)
def test_line_through_two_points(px, py, qx, qy):
    assert same_floats(abc(L(P(px, py), P(qx, qy))), line_through(px, py, qx, qy))


@given(coords, coords, coords, coords)
def test_line_through_a_point_along_a_direction_or_vector(px, py, dx, dy):
    expected = (-dy, dx, px * dy - py * dx)
    assert same_floats(abc(L(P(px, py), D(dx, dy))), expected)
    assert same_floats(abc(L(p=P(px, py), v=V(dx, dy))), expected)


@given(st.tuples(coords, coords, coords), coords, coords, coords)
def test_queries_are_the_plain_formulas(line, px, py, t):
    a, b, c = line
    lin = L(*line)
    if b == 0:
        point = (div(-c, a), 1 - a * t)
    else:
        point = (1 + b * t, div(-(a + c), b) - a * t)
    assert same_floats(xy(lin.point(t)), point)
    if a == 0:
        proj = (px, div(-c, b))
    elif b == 0:
        proj = (div(-c, a), py)
    else:
        d = a * a + b * b
        proj = (div(b * b * px - a * b * py - a * c, d), div(a * a * py - a * b * px - b * c, d))
    assert same_floats(xy(lin.projection(P(px, py))), proj)
    assert same_floats((lin.x_at_y(t), lin.y_at_x(t)), (div(-b * t - c, a), div(-a * t - c, b)))
    assert same_floats(abc(lin.perpendicular(P(px, py))), (-b, a, b * px - a * py))
    assert same_floats(abc(lin.opposite()), (-a, -b, -c))
    assert same_floats(xy(lin.to_vector()), (b, -a))
    d = lin.direction()
    assert same_floats((d.dx, d.dy), (b, -a))


@given(st.tuples(coords, coords, coords), coords, coords)
def test_side_of_a_point(line, px, py):
    a, b, c = line
    code = sign((a * px + b * py) + c)
    lin, p = L(*line), P(px, py)
    assert lin.oriented_side(p) == code
    assert [lin.has_on(p), lin.has_on_positive_side(p), lin.has_on_negative_side(p)] == [
        code == 0, code == 1, code == -1]


@given(st.tuples(small, small, small), st.tuples(small, small, small))
def test_equality_of_oriented_lines(l1, l2):
    assert (L(*l1) == L(*l2), L(*l1) != L(*l2)) == (same_line(l1, l2), not same_line(l1, l2))


@pytest.mark.parametrize("line, expected", [
    (L(P(0, 0), P(1, 0)), (0.0, 1.0, -0.0)),
    (L(P(2, 5), P(2, 1)), (1.0, 0.0, -2.0)),
    (L(P(3, 4), P(3, 4)), (0.0, 0.0, 0.0)),
    (L(p=P(0, 0), q=P(0, nan)), (1.0, 0.0, -0.0)),  # a NaN y fails every test
    (L(P(0, 0), D(1, 0)), (-0.0, 1.0, 0.0)),
    (L(P(1, 2), d=D(0, 0)), (-0.0, 0.0, 0.0)),
    (L(a=2, b=4, c=6), (2.0, 4.0, 6.0)),  # never normalised
])
def test_constructor_examples(line, expected):
    assert same_floats(abc(line), expected)


@pytest.mark.parametrize("line, shape", [
    ((0, 0, 5), [True, True, True]),
    ((-0.0, 0, 1), [True, True, True]),
    ((nan, 0, 0), [False, False, True]),
    ((0, 1, 0), [False, True, False]),
    ((1, 1, 0), [False, False, False]),
])
def test_degenerate_horizontal_vertical(line, shape):
    lin = L(*line)
    assert [lin.is_degenerate(), lin.is_horizontal(), lin.is_vertical()] == shape


def test_query_examples():
    assert xy(L(1, -1, 0).projection(p=P(2, 0))) == (1.0, 1.0)
    assert xy(L(0, 1, -2).point(i=1)) == (2.0, 2.0) and xy(L(1, 0, -3).point(2)) == (3.0, -1.0)
    y2 = L(0, 1, -2)
    assert y2.y_at_x(x=5) == 2.0 and math.isnan(y2.x_at_y(y=2)) and y2.x_at_y(3) == -math.inf
    assert L(P(0, 0), P(1, 1)).oriented_side(p=P(0, 1)) == 1
    assert L(1, 2, 3) == L(2, 4, 6) and L(1, 2, 3) != L(-1, -2, -3)
    assert L(P(0, 0), D(1, 0)) == L(P(0, 0), P(1, 0)) and L(0, 0, 0) == L(0, 0, 5)
    lin = L(nan, 1, 1)
    assert lin == lin and not lin != lin and lin.has_on(P(3, 4))


def test_text_form():
    assert repr(L(1, -2, 0.5)) == "Line2(a=1.000000, b=-2.000000, c=0.500000)"
    assert repr(L(P(0, 0), P(1, 0))) == "Line2(a=0.000000, b=1.000000, c=-0.000000)"


@pytest.mark.parametrize("call", [
    lambda: L(1, 2, 3) == None,  # noqa: E711
    lambda: L(1, 2, 3) != D(1, 2),
    lambda: hash(L(1, 2, 3)),
    lambda: L(1, 2, 3).has_on(V(0, 0)),
    lambda: L(1, 2, 3).point("1"),
    lambda: L(P(0, 0), 1.0),
    lambda: L(1, 2),
])
def test_wrong_operands_raise_type_error(call):
    with pytest.raises(TypeError):
        call()
