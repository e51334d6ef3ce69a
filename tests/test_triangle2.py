"""Triangle2: vertex indexing, sides, area, equality up to rotation, iteration."""

import itertools
import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import ordered, points, reference_orientation as orient, same_float, same_floats, xy

P = pc.Point2
int32 = st.integers(-2**31, 2**31 - 1)


def triangle(*vertices):
    return pc.Triangle2(*(P(*v) for v in vertices))


def on_edge(a, b, p):
    return orient(a, b, p) == 0 and ordered(a, p, b)


def reference_sides(v, p):
    """(oriented side, bounded side) of p for the triangle with vertices v."""
    o = [orient(v[i], v[(i + 1) % 3], p) for i in range(3)]
    ot = orient(*v)
    edge = any(on_edge(v[i], v[(i + 1) % 3], p) for i in range(3))
    oriented = ot if o == [ot] * 3 else 0 if edge else -ot
    bounded = 1 if o[0] == o[1] == o[2] else 0 if edge else -1
    return oriented, bounded


@given(st.tuples(points, points, points), points)
def test_orientation_sides_and_area_follow_the_plain_formulas(v, p):
    t, q = triangle(*v), P(*p)
    oriented, bounded = reference_sides(v, p)
    assert (t.oriented_side(q), t.bounded_side(q)) == (oriented, bounded)
    assert [t.has_on_positive_side(q), t.has_on_negative_side(q)] == [oriented == 1, oriented == -1]
    assert [t.has_on_bounded_side(q), t.has_on_boundary(q), t.has_on_unbounded_side(q)] == [
        bounded == 1, bounded == 0, bounded == -1]
    assert t.orientation() == orient(*v) and t.is_degenerate() == (orient(*v) == 0)
    (x0, y0), (x1, y1), (x2, y2) = v
    assert same_float(t.area(), ((y2 - y0) * (x1 - x0) - (x2 - x0) * (y1 - y0)) / 2)


@given(int32)
def test_every_index_selects_the_vertex_with_remainder_in_0_to_2(i):
    t = triangle((0, 0), (1, 0), (0, 1))
    expected = [(0, 0), (1, 0), (0, 1)][i % 3]
    assert xy(t[i]) == xy(t.vertex(i=i)) == expected


# Few distinct vertices, so that repeated vertices, signed zeros and NaN meet often.
vertices = st.sampled_from([(0.0, 0.0), (-0.0, 0.0), (1.0, 0.0), (0.0, math.nan)])


@given(st.tuples(vertices, vertices, vertices), st.permutations([0, 1, 2]))
def test_equality_matches_the_first_vertex_then_the_rotation(v, perm):
    u = [v[k] for k in perm]
    same = lambda a, b: a[0] == b[0] and a[1] == b[1]
    k = next((k for k in range(3) if same(u[k], v[0])), None)
    expected = k is not None and same(u[(k + 1) % 3], v[1]) and same(u[(k + 2) % 3], v[2])
    assert (triangle(*v) == triangle(*u)) is expected
    assert (triangle(*v) != triangle(*u)) is not expected


def test_opposite_swaps_the_last_two_vertices():
    t = triangle((0, 0), (1, 0), (0, 1))
    o = t.opposite()
    assert list(map(xy, o)) == [(0, 0), (0, 1), (1, 0)]
    assert (o.orientation(), o.area(), o.oriented_side(P(0.2, 0.2))) == (-1, -0.5, -1)
    assert o.bounded_side(P(0.2, 0.2)) == 1


def test_iteration_yields_the_three_vertices_once():
    t = pc.Triangle2(p=P(0, 0), q=P(1, 0), r=P(0, 1.5))
    a, b, c = t
    assert list(map(xy, (a, b, c))) == [(0, 0), (1, 0), (0, 1.5)]
    assert len(list(itertools.islice(t, 10))) == 3
    assert a is not t[0] and P(0, 0) not in t  # new objects, identity equality
    with pytest.raises(TypeError):
        len(t)


def test_text_form_and_operand_types():
    t = triangle((0, 0), (1, 0), (0, 1.5))
    assert repr(t) == "Triangle2((0.000000, 0.000000), (1.000000, 0.000000), (0.000000, 1.500000))"
    for bad in (lambda: t == None, lambda: t != (0, 0), lambda: hash(t),  # noqa: E711
                lambda: t.bounded_side((0, 0)), lambda: pc.Triangle2(P(0, 0), P(1, 0)),
                lambda: t[1.0], lambda: t.vertex(2**31)):
        with pytest.raises(TypeError):
            bad()


@given(st.tuples(points, points, points))
def test_bbox_folds_the_vertices_in_order(v):
    lo, hi = list(v[0]), list(v[0])
    for p in v[1:]:
        for k in (0, 1):
            lo[k] = p[k] if p[k] < lo[k] else lo[k]
            hi[k] = p[k] if p[k] > hi[k] else hi[k]
    b = triangle(*v).bbox()
    assert same_floats((b.xmin, b.ymin, b.xmax, b.ymax), lo + hi)
