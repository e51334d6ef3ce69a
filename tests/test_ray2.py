"""Ray2: the four constructors, points along the ray, incidence, derived objects and equality."""

import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import coords, line_through, same_direction, same_floats, xy

R, P, D, V, L = pc.Ray2, pc.Point2, pc.Direction2, pc.Vector2, pc.Line2
points = st.tuples(coords, coords)


def ends(ray):
    """The stored source and second point (point(1) returns the latter as stored)."""
    return xy(ray.source()) + xy(ray.point(1))


def collinear_has_on(s, q, p):
    if q[0] > s[0]:
        return not s[0] > p[0]
    if q[0] < s[0]:
        return not p[0] > s[0]
    if q[1] > s[1]:
        return not s[1] > p[1]
    if q[1] < s[1]:
        return not p[1] > s[1]
    return True


@given(points, points, coords)
def test_constructors_reduce_to_two_points(s, d, t):
    moved = (s[0] + d[0], s[1] + d[1])
    assert same_floats(ends(R(P(*s), P(*d))), s + d)
    assert same_floats(ends(R(P(*s), D(*d))), s + moved)
    assert same_floats(ends(R(p=P(*s), v=V(*d))), s + moved)
    a, b = d[0], t
    assert same_floats(ends(R(P(*s), l=L(a, b, 1))), s + (s[0] + b, s[1] - a))


@given(points, points, points, coords)
def test_ray_queries_follow_the_reference(s, q, p, i):
    ray = R(P(*s), P(*q))
    dx, dy = q[0] - s[0], q[1] - s[1]
    along = s if i == 0 else q if i == 1 else (dx * i + s[0], dy * i + s[1])
    assert same_floats(xy(ray.point(i)), along)
    for d in (ray.direction(), D(ray), D(r=ray)):
        assert same_floats((d.dx, d.dy), (dx, dy))
    assert same_floats(xy(ray.to_vector()), (dx, dy))
    assert same_floats(ends(ray.opposite()), s + (s[0] - dx, s[1] - dy))
    assert [ray.is_degenerate(), ray.is_horizontal(), ray.is_vertical()] == [
        q[0] == s[0] and q[1] == s[1], s[1] == q[1], s[0] == q[0]]
    a, b = dx * (p[1] - s[1]), (p[0] - s[0]) * dy
    on = (p[0] == s[0] and p[1] == s[1]) or (
        not (a > b or a < b) and same_direction(p[0] - s[0], p[1] - s[1], dx, dy))
    assert ray.has_on(p=P(*p)) == on
    assert ray.collinear_has_on(P(*p)) == collinear_has_on(s, q, p)


@given(points, points)
def test_supporting_line_is_the_line_through_the_two_points(s, q):
    ray = R(P(*s), P(*q))
    for line in (ray.supporting_line(), L(ray), L(r=ray), L.from_ray(ray), L.from_ray(r=ray)):
        assert type(line) is L and same_floats((line.a, line.b, line.c), line_through(*s, *q))


@given(points, points, points, points)
def test_equality_compares_sources_and_directions(s, q, u, v):
    equal = s[0] == u[0] and s[1] == u[1] and same_direction(
        q[0] - s[0], q[1] - s[1], v[0] - u[0], v[1] - u[1])
    a, b = R(P(*s), P(*q)), R(P(*u), P(*v))
    assert (a == b, a != b) == (equal, not equal)


def test_examples():
    r = R(P(0, 0), P(2, 0))
    assert [xy(r.point(t)) for t in (0.5, -1, 1)] == [(1.0, 0.0), (-2.0, 0.0), (2.0, 0.0)]
    assert r.has_on(P(5, 0)) and not r.has_on(P(-1, 0)) and r.collinear_has_on(P(3, 9))
    assert R(P(0, 0), P(1, 0)) == R(P(0, 0), P(5, 0)) != R(P(0, 0), P(-1, 0))
    assert xy(R(P(1, 1), L(1, 2, 3)).to_vector()) == (2.0, -1.0)
    assert xy(R(P(1, 1), P(3, 2)).opposite().point(1)) == (-1.0, 0.0)
    # 0 and 1 return the stored points, where the formula would give NaN.
    far = R(P(math.inf, 0), P(0, 0))
    assert xy(far.point(1)) == (0.0, 0.0) and xy(far.point(-0.0)) == (math.inf, 0.0)
    nan_ray = R(P(math.nan, 0), P(1, 1))
    assert nan_ray != nan_ray  # no shortcut for the same object


def test_degenerate_ray():
    r = R(p=P(0, 0), d=D(0, 0))
    assert [r.is_degenerate(), r.is_horizontal(), r.is_vertical()] == [True] * 3
    assert r.has_on(P(0, 0)) and not r.has_on(P(1, 0))
    assert (r.supporting_line().a, r.supporting_line().b, r.supporting_line().c) == (0, 0, 0)


def test_text_form_uses_the_stored_points():
    assert repr(R(P(1, 1), P(4, 5))) == "Ray2(source=(1.000000, 1.000000), direction=(3.000000, 4.000000))"
    assert repr(R(P(1, 1), V(2, 0))) == "Ray2(source=(1.000000, 1.000000), direction=(2.000000, 0.000000))"
    # The vector is lost in the sum with the source: the stored ray is degenerate.
    tiny = R(P(1e20, 0), V(1, 0))
    assert tiny.is_degenerate() and repr(tiny).endswith("direction=(0.000000, 0.000000))")


@pytest.mark.parametrize("call", [
    lambda: R(P(0, 0), P(1, 1)) == None,  # noqa: E711
    lambda: R(P(0, 0), P(1, 1)) != pc.Segment2(P(0, 0), P(1, 1)),
    lambda: hash(R(P(0, 0), P(1, 1))),
    lambda: R(P(0, 0), P(1, 1)).point("1"),
    lambda: R(P(0, 0), 1.0),
    lambda: L.from_ray(pc.Segment2(P(0, 0), P(1, 1))),
])
def test_wrong_operands_raise_type_error(call):
    with pytest.raises(TypeError):
        call()
