"""Arrays of shapes: each element answers what its own shape answers for its
point, bit for bit, whatever the classes mixed and however the arrays
broadcast; constructors from coordinate arrays make exactly the objects the
classes' constructors make; bounds reads back exactly the objects' boxes.
Bad elements are refused, naming where they are, before anything is written."""

import numpy as np
import pytest
from hypothesis import given, settings, strategies as st

import planara.array as pa
import planara_core as pc
from bulk_cases import SHAPES, TAKES, bits, per_object, point_arrays, points

P = pc.Point2
FUNCTIONS = pytest.mark.parametrize("function", list(TAKES))


def mixed_shapes(function, max_size=8):
    """Lists of the classes a function takes, mixed."""
    return st.lists(st.one_of(*(SHAPES[name] for name in TAKES[function])), min_size=1,
                    max_size=max_size)


@FUNCTIONS
@settings(max_examples=120, deadline=None)
@given(data=st.data(), threads=st.sampled_from([1, 3]))
def test_each_shape_answers_for_its_point(function, data, threads):
    shapes = np.array(data.draw(mixed_shapes(function)), dtype=object)
    pts = data.draw(point_arrays(max_size=6))
    # Every pair, and element by element (points cycled to the shapes' length).
    got = getattr(pa, function)(shapes[:, None], pts, threads=threads)
    assert got.shape == (len(shapes), len(pts))
    for row, shape in zip(got.tolist(), shapes):
        assert row == per_object(function, shape, pts)
    paired = np.resize(pts, (len(shapes), 2))
    got = getattr(pa, function)(list(shapes), paired, threads=threads)
    assert got.tolist() == [per_object(function, s, p)[0] for s, p in zip(shapes, paired[:, None])]


@FUNCTIONS
@settings(max_examples=60, deadline=None)
@given(data=st.data())
def test_each_shape_answers_exactly_as_alone(function, data):
    shapes = data.draw(mixed_shapes(function))
    pts = data.draw(point_arrays(max_size=6))
    got = getattr(pa, function)(np.array(shapes, dtype=object)[:, None], pts, exact=True)
    for row, shape in zip(got.tolist(), shapes):
        assert row == getattr(pa, function)(shape, pts, exact=True).tolist()


def test_shape_arrays_of_any_layout_broadcast_as_numpy_does():
    t = pc.Triangle2(P(0, 0), P(4, 0), P(0, 3))
    c = pc.Circle2(P(1, 1), 1.0)
    r = pc.IsoRectangle2(P(0, 0), P(2, 1))
    grid = np.array([[t, c, r], [r, t, c]], dtype=object)
    pts = np.array([[1.0, 1.0], [2.0, 0.0], [0.5, 0.5]])
    for shapes in (grid, grid.T, grid[:, ::-1], grid[:, 1:], np.asfortranarray(grid)):
        got = pa.bounded_side(shapes[..., None], pts)
        assert got.shape == shapes.shape + (3,)
        for index in np.ndindex(shapes.shape):
            assert got[index].tolist() == per_object("bounded_side", shapes[index], pts)
    assert pa.bounded_side(np.array(t), pts).tolist() == per_object("bounded_side", t, pts)
    assert pa.bounded_side(grid[:0], pts[0]).shape == (0, 3)
    out = np.zeros((2, 3), np.int8)
    assert pa.bounded_side(grid, [1.0, 1.0], out=out, threads=2) is out


@pytest.mark.parametrize("shapes, message", [
    ([pc.Triangle2(P(0, 0), P(1, 0), P(0, 1)), None], r"not NoneType \(shape\[1\]\)"),
    ([[pc.Circle2(P(0, 0), 1.0), pc.Line2(1, 2, 3)]], r"not Line2 \(shape\[0, 1\]\)"),
    ([pc.Triangle2.__new__(pc.Triangle2)] * 2, r"shape\[0\]: object was created without __init__"),
    (np.zeros(2), "or an array of them, not an array of float64"),
    ([1.5, 2.5], r"not float \(shape\[0\]\)"),
])
def test_bad_elements_are_refused_with_their_position(shapes, message):
    out = np.full(np.shape(shapes), 7, np.int8)
    with pytest.raises(TypeError, match=message):
        pa.bounded_side(shapes, [0.0, 0.0], out=out)
    assert (out == 7).all()


coordinate_arrays = st.integers(1, 6).flatmap(
    lambda n: st.lists(points, min_size=n, max_size=n).map(np.array))

def pt(xy):
    return pc.Point2(*xy)


CONSTRUCTORS = {
    "points": (1, lambda p: pc.Point2(*p)),
    "segments": (2, lambda p, q: pc.Segment2(pt(p), pt(q))),
    "rays": (2, lambda p, q: pc.Ray2(pt(p), pt(q))),
    "lines": (2, lambda p, q: pc.Line2(pt(p), pt(q))),
    "triangles": (3, lambda p, q, r: pc.Triangle2(pt(p), pt(q), pt(r))),
    "circumcircles": (3, lambda p, q, r: pc.Circle2(pt(p), pt(q), pt(r))),
    "iso_rectangles": (2, lambda p, q: pc.IsoRectangle2(pt(p), pt(q))),
}


def state(obj):
    """Every number an object holds, through its accessors, as bits."""
    if isinstance(obj, pc.Point2):
        numbers = [obj.x, obj.y]
    elif isinstance(obj, pc.Line2):
        numbers = [obj.a, obj.b, obj.c]
    elif isinstance(obj, pc.Ray2):
        numbers = [obj.source().x, obj.source().y, obj.point(1).x, obj.point(1).y]
    elif isinstance(obj, pc.Circle2):
        numbers = [obj.center().x, obj.center().y, obj.squared_radius(), obj.orientation()]
    elif isinstance(obj, pc.IsoRectangle2):
        numbers = [obj.xmin(), obj.ymin(), obj.xmax(), obj.ymax()]
    else:
        numbers = [c for v in obj for c in (v.x, v.y)]
    return (type(obj), bits(numbers).tolist())


@pytest.mark.parametrize("name", list(CONSTRUCTORS))
@settings(max_examples=80, deadline=None)
@given(data=st.data())
def test_constructors_make_what_the_classes_make(name, data):
    count, make = CONSTRUCTORS[name]
    arrays = [data.draw(coordinate_arrays) for _ in range(count)]
    n = min(len(a) for a in arrays)
    arrays = [arrays[0][:n]] + [a[:n] if k % 2 else a[0] for k, a in enumerate(arrays[1:])]
    made = getattr(pa, name)(*arrays)
    assert made.dtype == object and made.shape == (n,)
    full = [np.broadcast_to(a, (n, 2)) for a in arrays]
    assert [state(o) for o in made] == [state(make(*(a[i] for a in full))) for i in range(n)]


@settings(max_examples=80, deadline=None)
@given(centers=coordinate_arrays, radius=st.one_of(st.floats(), st.integers(-3, 3)))
def test_circles_take_a_squared_radius_per_centre_or_one_for_all(centers, radius):
    radii = np.full(len(centers), radius, dtype=float)
    for r in (radius, radii, radii.tolist()):
        made = pa.circles(centers, r)
        assert [state(c) for c in made] == \
            [state(pc.Circle2(pt(c), float(radius))) for c in centers.tolist()]


@settings(max_examples=60, deadline=None)
@given(data=st.data())
def test_bounds_are_the_objects_boxes(data):
    shapes = data.draw(st.lists(st.one_of(*(SHAPES[n] for n in (
        "Triangle2", "Circle2", "IsoRectangle2", "Segment2"))), min_size=1, max_size=8))
    got = pa.bounds(shapes)
    assert got.shape == (len(shapes), 4)
    boxes = [s.bbox() for s in shapes]
    assert bits(got).tolist() == bits([[b.xmin, b.ymin, b.xmax, b.ymax] for b in boxes]).tolist()
    assert pa.bounds(np.array(shapes, dtype=object).reshape(-1, 1)).shape == (len(shapes), 1, 4)


@pytest.mark.parametrize("bad", [pc.Ray2(P(0, 0), P(1, 1)), pc.Line2(1, 2, 3), P(0, 0), None])
def test_bounds_refuse_what_has_no_box(bad):
    with pytest.raises(TypeError, match="bounds.. takes a Triangle2, Circle2, IsoRectangle2 or "
                                        "Segment2 as shapes"):
        pa.bounds([pc.Triangle2(P(0, 0), P(1, 0), P(0, 1)), bad])


class MarkedTriangle(pc.Triangle2):
    """A Python subclass: its instances answer as the class's."""


def test_large_arrays_read_by_the_workers_answer_and_refuse_as_small_ones():
    rng = np.random.default_rng(4)
    corners = rng.integers(0, 8, (3, 200_001, 2)).astype(float)
    shapes = pa.triangles(*corners)
    shapes[7] = MarkedTriangle(*(P(*c[7]) for c in corners))
    pts = rng.integers(0, 8, (200_001, 2)).astype(float)
    got = pa.bounded_side(shapes, pts, threads=3)
    sample = rng.integers(0, len(pts), 2000).tolist() + [7]
    assert [got[i] for i in sample] == \
        [shapes[i].bounded_side(P(*pts[i])) for i in sample]
    out = np.full(len(pts), 7, np.int8)
    shapes[-1] = None
    with pytest.raises(TypeError, match=r"not NoneType \(shape\[200000\]\)"):
        pa.bounded_side(shapes, pts, out=out, threads=2)
    assert (out == 7).all()
