"""Segment2: extremes, the index rule, incidence, derived objects, equality and iteration."""

import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import coords, line_through, ordered, same_float, same_floats, xy

S, P = pc.Segment2, pc.Point2
points = st.tuples(coords, coords)


def source_is_smaller(s, t):
    if t[0] > s[0] or s[0] > t[0]:
        return t[0] > s[0]
    return t[1] > s[1]


def collinear(s, p, t):
    a, b = (p[1] - s[1]) * (t[0] - s[0]), (p[0] - s[0]) * (t[1] - s[1])
    return not (a > b or a < b)


@given(points, points, points)
def test_segment_queries_follow_the_reference(s, t, p):
    seg = S(P(*s), P(*t))
    low, high = (s, t) if source_is_smaller(s, t) else (t, s)
    assert same_floats(xy(seg.min()) + xy(seg.max()), low + high)
    assert same_floats(xy(seg.source()) + xy(seg.target()), s + t)
    assert seg.collinear_has_on(P(*p)) == ordered(s, p, t)
    assert seg.has_on(P(*p)) == (collinear(s, p, t) and ordered(s, p, t))
    dx, dy = t[0] - s[0], t[1] - s[1]
    ey, ex = s[1] - t[1], s[0] - t[0]
    assert same_float(seg.squared_length(), ey * ey + ex * ex)
    for d in (seg.direction(), pc.Direction2(seg), pc.Direction2(s=seg)):
        assert same_floats((d.dx, d.dy), (dx, dy))
    assert same_floats(xy(seg.to_vector()), (dx, dy))
    assert same_floats(xy(seg.opposite().source()) + xy(seg.opposite().target()), t + s)
    assert [seg.is_degenerate(), seg.is_horizontal(), seg.is_vertical()] == [
        s[0] == t[0] and s[1] == t[1], s[1] == t[1], s[0] == t[0]]


@given(points, points)
def test_supporting_line_is_the_line_through_source_and_target(s, t):
    seg = S(P(*s), P(*t))
    for line in (seg.supporting_line(), pc.Line2(seg), pc.Line2(s=seg)):
        assert same_floats((line.a, line.b, line.c), line_through(*s, *t))


@given(points, points)
def test_bbox_keeps_the_source_unless_the_target_lies_strictly_beyond(s, t):
    box = S(P(*s), P(*t)).bbox()
    expected = (t[0] if t[0] < s[0] else s[0], t[1] if t[1] < s[1] else s[1],
                t[0] if s[0] < t[0] else s[0], t[1] if s[1] < t[1] else s[1])
    assert type(box) is pc.Bbox2
    assert same_floats((box.xmin, box.ymin, box.xmax, box.ymax), expected)


@given(points, points, points, points)
def test_equality_compares_all_four_coordinates(s, t, u, v):
    equal = s[0] == u[0] and s[1] == u[1] and t[0] == v[0] and t[1] == v[1]
    a, b = S(P(*s), P(*t)), S(P(*u), P(*v))
    assert (a == b, a != b) == (equal, not equal)


@pytest.mark.parametrize("i", [0, 1, 2, 3, -1, -2, 2**31 - 1, -2**31])
def test_index_rule_uses_the_lowest_bit(i):
    seg = S(P(1, 2), P(3, 4))
    expected = (3.0, 4.0) if i % 2 else (1.0, 2.0)
    assert xy(seg.vertex(i)) == xy(seg.point(i)) == xy(seg[i]) == expected


def test_iteration_and_unpacking_end_after_the_two_ends():
    seg = S(P(1, 2), P(3, 4))
    a, b = seg
    assert (xy(a), xy(b)) == ((1.0, 2.0), (3.0, 4.0))
    assert [xy(p) for p in seg] == [(1.0, 2.0), (3.0, 4.0)]
    assert P(1, 2) not in seg  # points compare by identity; the search still ends
    first, second = list(seg), list(seg)
    assert first[0] is not second[0]  # new objects on every pass


@pytest.mark.parametrize("s, t, p, on, collinear_on", [
    ((0, 0), (2, 2), (3, 3), False, False),
    ((0, 0), (2, 2), (1, 1), True, True),
    ((0, 0), (2, 2), (1, 7), False, True),
    ((1, 1), (1, 1), (1, 2), False, False),
    ((0, 0), (2, 2), (math.nan, 1), True, True),  # unordered comparisons say yes
])
def test_incidence_examples(s, t, p, on, collinear_on):
    seg = S(P(*s), P(*t))
    assert (seg.has_on(P(*p)), seg.collinear_has_on(P(*p))) == (on, collinear_on)


def test_extremes_and_equality_examples():
    seg = S(P(0, 5), P(0, 1))
    assert (xy(seg.min()), xy(seg.max())) == ((0.0, 1.0), (0.0, 5.0))
    p, q = P(1, 2), P(3, 4)
    assert S(p, q) != S(q, p) and not S(p, q) == S(q, p)
    nan_seg = S(P(math.nan, 0), q)
    assert nan_seg != nan_seg  # no shortcut for the same object
    assert S(P(0.0, 0), P(0, 0)) == S(P(-0.0, 0), P(0, 0))


def test_text_form():
    assert repr(S(P(1, 2), P(3, 4.5))) == "Segment2((1.000000, 2.000000), (3.000000, 4.500000))"


@pytest.mark.parametrize("call", [
    lambda: S(p=P(0, 0), q=P(1, 1)),
    lambda: S(P(0, 0), P(1, 1)).vertex(i=0),
    lambda: S(P(0, 0), P(1, 1)).has_on(p=P(0, 0)),
    lambda: S(P(0, 0), P(1, 1))[1.0],
    lambda: S(P(0, 0), P(1, 1))[2**31],
    lambda: S(P(0, 0), P(1, 1)) == None,  # noqa: E711
    lambda: hash(S(P(0, 0), P(1, 1))),
    lambda: S(P(0, 0), pc.Vector2(1, 1)),
])
def test_wrong_operands_and_keywords_raise_type_error(call):
    with pytest.raises(TypeError):
        call()
