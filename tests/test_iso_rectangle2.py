"""IsoRectangle2: sorting constructors, vertex numbering, bounded side, area, iteration."""

import itertools
import math

import pytest
from hypothesis import given, strategies as st

import planara_core as pc
from conftest import coords, points, same_float, same_floats, xy

P = pc.Point2
nan = math.nan
int32 = st.integers(-2**31, 2**31 - 1)


def bounds(r):
    return (r.xmin(), r.ymin(), r.xmax(), r.ymax())


@pytest.mark.parametrize("args, kwargs, expected", [
    ((P(3, 1), P(1, 4)), {}, (1, 1, 3, 4)),
    ((3.0, 4.0, 1.0, 1.0), {}, (1, 1, 3, 4)),
    ((3, 4, 1, 1), {}, (1, 1, 3, 4)),
    ((), {"min_x": 3, "min_y": 4, "max_x": 1, "max_y": 1}, (1, 1, 3, 4)),
    # A pair is sorted by one strict comparison: with NaN or equal values the
    # second corner's coordinate becomes the minimum.
    ((0.0, -0.0, -0.0, 0.0), {}, (-0.0, 0.0, 0.0, -0.0)),
    ((nan, 1.0, 2.0, nan), {}, (2, nan, nan, 1)),
    ((P(nan, 1), P(2, nan)), {}, (2, nan, nan, 1)),
    # left, right, bottom, top are stored as given
    ((P(0, 5), P(4, 7), P(9, 1), P(8, 3)), {}, (0, 1, 4, 3)),
    ((P(2, 0), P(0, 0), P(0, 0), P(0, 1)), {}, (2, 0, 0, 1)),
])
def test_constructors(args, kwargs, expected):
    r = pc.IsoRectangle2(*args, **kwargs)
    assert same_floats(bounds(r), expected)
    mn, mx = r.min(), r.max()
    assert same_floats((mn.x, mn.y, mx.x, mx.y), expected)


@pytest.mark.parametrize("args", [(1.0, 2.0), (P(0, 0), P(1, 1), P(2, 2)), (P(0, 0), 1.0),
                                  (0, 0, 1, "1"), (None,)])
def test_rejected_arguments(args):
    with pytest.raises(TypeError):
        pc.IsoRectangle2(*args)


def reference_bounded_side(b, p):
    xmin, ymin, xmax, ymax = b
    x_in, y_in = xmin < p[0] < xmax, ymin < p[1] < ymax
    y_edge, x_edge = p[1] == ymin or p[1] == ymax, p[0] == xmin or p[0] == xmax
    if x_in and y_in:
        return 1
    return 0 if (x_in and y_edge) or (x_edge and (y_in or y_edge)) else -1


rectangles = st.one_of(st.builds(pc.IsoRectangle2, *[st.builds(P, coords, coords)] * 2),
                       st.builds(pc.IsoRectangle2, *[st.builds(P, coords, coords)] * 4))


@given(rectangles, points)
def test_bounded_side_area_and_degeneracy(r, p):
    b = bounds(r)
    side = reference_bounded_side(b, p)
    q = P(*p)
    assert r.bounded_side(q) == side
    assert [r.has_on_bounded_side(q), r.has_on_boundary(q), r.has_on_unbounded_side(q)] == [
        side == 1, side == 0, side == -1]
    xmin, ymin, xmax, ymax = b
    assert same_float(r.area(), (ymax - ymin) * (xmax - xmin))
    assert r.is_degenerate() == (xmin == xmax or ymin == ymax)


@given(int32)
def test_vertex_numbering_uses_the_truncating_remainder(i):
    r = pc.IsoRectangle2(1.0, 2.0, 3.0, 4.0)
    k = int(math.copysign(abs(i) % 4, i))
    expected = {0: (1, 2), 1: (3, 2), 2: (3, 4)}.get(k, (1, 4))
    assert xy(r[i]) == xy(r.vertex(i=i)) == expected
    assert (r.min_coord(i), r.max_coord(i=i)) == ((1, 3) if i == 0 else (2, 4))


def test_iteration_yields_vertices_0_to_3():
    r = pc.IsoRectangle2(P(3, 1), P(1, 4))
    assert list(map(xy, r)) == [(1, 1), (3, 1), (3, 4), (1, 4)]
    assert len(list(itertools.islice(r, 10))) == 4
    a, b, c, d = r
    assert a is not r[0] and P(1, 1) not in r
    with pytest.raises(TypeError):
        len(r)


def test_equality_text_form_and_operand_types():
    r = pc.IsoRectangle2(P(1, 1), P(3, 4))
    assert r == pc.IsoRectangle2(3.0, 4.0, 1.0, 1.0) and not r != pc.IsoRectangle2(3, 4, 1, 1)
    assert r != pc.IsoRectangle2(1, 1, 3, 5)
    assert pc.IsoRectangle2(-0.0, 0, 1, 1) == pc.IsoRectangle2(0, 0, 1, 1)
    n = pc.IsoRectangle2(0, 0, 1, nan)
    assert n != n
    assert repr(r) == "IsoRectangle2(xmin=1.000000, ymin=1.000000, xmax=3.000000, ymax=4.000000)"
    for bad in (lambda: r == 5, lambda: r != None, lambda: hash(r),  # noqa: E711
                lambda: r.bounded_side((0, 0)), lambda: r[1.0], lambda: r.vertex(2**31)):
        with pytest.raises(TypeError):
            bad()


@given(rectangles)
def test_bbox_sorts_each_stored_pair(r):
    xmin, ymin, xmax, ymax = bounds(r)
    lo = lambda a, b: b if a > b else a
    hi = lambda a, b: b if b > a else a
    b = r.bbox()
    expected = (lo(xmin, xmax), lo(ymin, ymax), hi(xmin, xmax), hi(ymin, ymax))
    assert same_floats((b.xmin, b.ymin, b.xmax, b.ymax), expected)


@given(coords, coords, coords, coords)
def test_a_box_is_sorted_like_four_numbers(a, b, c, d):
    r = pc.IsoRectangle2(bbox=pc.Bbox2(a, b, c, d))
    assert same_floats(bounds(r), bounds(pc.IsoRectangle2(a, b, c, d)))


def test_bbox_of_a_reversed_rectangle():
    r = pc.IsoRectangle2(P(2, 0), P(0, 0), P(0, 0), P(0, 1))
    assert (r.area(), r.is_degenerate(), r.bounded_side(P(1, 0.5))) == (-2.0, False, -1)
    assert r.bbox() == pc.Bbox2(0, 0, 2, 1)
    assert bounds(pc.IsoRectangle2(pc.Bbox2(3, 4, 1, 1))) == (1, 1, 3, 4)
