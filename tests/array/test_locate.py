"""locate finds exactly the pairs that evaluating every pair finds, for every
input: NaN, infinite, huge, tiny, degenerate and needle-thin shapes and points
mixed in, with and without boundaries, on any number of threads. The boxes it
searches by are sound: no point outside a shape's box is inside the shape or on
its boundary, even where rounding decides."""

import math

import numpy as np
import pytest
from hypothesis import given, settings, strategies as st

import planara.array as pa
import planara_core as pc
from bulk_cases import SHAPES, numbers, points
from planara import _array

P = pc.Point2


def pt(xy):
    return pc.Point2(*xy)


scales = st.sampled_from([1.0, 1e-300, 1e300, 2.0**-600, 3.0**200])
thin = st.builds(  # needles: a vertex a tiny height off the line through the other two
    lambda s, h, x, flip: pc.Triangle2(P(0, 0), P(s, 0), P(x * s, (-h if flip else h) * s)),
    scales, st.sampled_from([0.0, 2.0**-60, 1e-12, 2.0**-16, 2.0**-15, 1e-3, 0.3]),
    st.sampled_from([0.5, 1.0, 2.0, -1.0]), st.booleans())
scaled = st.builds(lambda t, s: pc.Triangle2(*(P(v.x * s, v.y * s) for v in t)),
                   SHAPES["Triangle2"], scales)
shape_lists = st.lists(st.one_of(SHAPES["Triangle2"], SHAPES["Circle2"], SHAPES["IsoRectangle2"],
                                 thin, scaled), min_size=1, max_size=12)


def near(shapes):
    """Points on and around the shapes: vertices, centres, points along edges
    and their lines, each nudged by a few units in the last place."""
    out = []
    for s in shapes:
        if isinstance(s, pc.Circle2):
            c, r = s.center(), math.sqrt(abs(s.squared_radius())) if s.squared_radius() == s.squared_radius() else 0.0
            corners = [(c.x, c.y), (c.x + r, c.y), (c.x, c.y - r)]
        else:
            corners = [(v.x, v.y) for v in s]
        for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]):
            for t in (0.0, 0.5, 1.0, 1.5, -0.5, 3.0):
                x, y = x0 + t * (x1 - x0), y0 + t * (y1 - y0)
                out += [(x, y), (math.nextafter(x, math.inf), y), (x, math.nextafter(y, -math.inf))]
    return out


def all_pairs(shapes, pts, boundary, exact=False):
    sides = pa.bounded_side(shapes[:, None], pts, exact=exact) if len(shapes) and len(pts) else \
        np.zeros((len(shapes), len(pts)), np.int8)
    shape, point = np.nonzero(sides >= 0 if boundary else sides == 1)
    order = np.lexsort((shape, point))
    return np.stack([point[order], shape[order]]).astype(np.int64)


@settings(max_examples=300, deadline=None)
@given(data=st.data(), boundary=st.booleans(), threads=st.sampled_from([1, 3]),
       exact=st.booleans())
def test_locate_finds_exactly_the_pairs_of_every_pair(data, boundary, threads, exact):
    shapes = np.array(data.draw(shape_lists), dtype=object)
    drawn = data.draw(st.lists(points, max_size=20))
    candidates = near(shapes)
    picked = data.draw(st.lists(st.sampled_from(candidates), max_size=30)) if candidates else []
    pts = np.array(drawn + picked, dtype=np.float64).reshape(-1, 2)
    got = pa.locate(shapes, pts, boundary=boundary, threads=threads, exact=exact)
    assert got.dtype == np.int64 and got.shape[0] == 2
    assert got.tolist() == all_pairs(shapes, pts, boundary, exact).tolist()


def test_many_points_and_shapes_on_several_threads():
    rng = np.random.default_rng(5)
    corners = rng.integers(0, 40, (300, 3, 2)) / 4  # many coincident and collinear vertices
    shapes = np.concatenate([pa.triangles(*corners.transpose(1, 0, 2)),
                             pa.circles(corners[:100, 0], rng.integers(0, 9, 100) / 4),
                             pa.iso_rectangles(corners[:100, 1], corners[:100, 2])])
    # more points than one chunk of the search holds, the wild ones among them
    pts = np.concatenate([rng.integers(-4, 44, (60000, 2)) / 4, rng.uniform(0, 10, (80000, 2))])
    pts = np.insert(pts, [0, 65535, 65536, 100000], [[np.nan, 1.0], [np.inf, 0.0], [1e300, -1e300],
                                                     [2.0**450, 2.0**451]], axis=0)
    for boundary in (True, False):
        expected = all_pairs(shapes, pts, boundary)
        for threads in (1, 2, 5):
            assert np.array_equal(pa.locate(shapes, pts, boundary=boundary, threads=threads),
                                  expected)


def outside(box, rng, count):
    """Points just outside a box: on its edges stepped out by one double, two,
    and by fractions of the box's size down to rounding's."""
    x0, y0, x1, y1 = np.clip(box, -2.0**451, 2.0**451)
    u, w = rng.uniform(0, 1, count), rng.uniform(0, 1, count)
    xs, ys = x0 * (1 - u) + x1 * u, y0 * (1 - w) + y1 * w
    size = max(x1 - x0, y1 - y0)
    out = []
    for k in [None, 0, *range(8, 56, 6)]:
        def step(v, to):
            v = np.full(count, v)
            return np.nextafter(v, to) if k is None else np.nextafter(np.nextafter(v, to), to) \
                if k == 0 else v + np.copysign(size * 2.0**-k, to)
        out += [np.stack([step(x0, -np.inf), ys], -1), np.stack([step(x1, np.inf), ys], -1),
                np.stack([xs, step(y0, -np.inf)], -1), np.stack([xs, step(y1, np.inf)], -1)]
    return np.concatenate(out)


def along_edges(triangle, box, rng, count):
    """Points on the lines through a triangle's edges, beyond the box, where
    rounding is most likely to call them inside."""
    v = np.array([(p.x, p.y) for p in triangle])
    out = []
    for k in range(3):
        a, b = v[k], v[(k + 1) % 3]
        span = max(b[0] - a[0], b[1] - a[1], a[0] - b[0], a[1] - b[1]) or 1.0
        width = max(box[2] - box[0], box[3] - box[1]) / span
        for t in np.concatenate([1 + width * rng.uniform(1, 50, count), -width * rng.uniform(1, 50, count)]):
            p = a + t * (b - a)
            out += [p, np.nextafter(p, p + 1), np.nextafter(p, p - 1)]
    pts = np.array(out)
    keep = (pts[:, 0] < box[0]) | (pts[:, 0] > box[2]) | (pts[:, 1] < box[1]) | (pts[:, 1] > box[3])
    return pts[keep & (np.abs(pts) <= 2.0**450).all(axis=1)]


@settings(max_examples=400, deadline=None)
@given(shape=st.one_of(thin, scaled, SHAPES["Triangle2"], SHAPES["Circle2"], SHAPES["IsoRectangle2"]),
       seed=st.integers(0, 2**32 - 1))
def test_no_point_outside_a_box_is_held(shape, seed):
    (kind, *box), = _array.reach(np.array([shape], dtype=object))
    if kind != 0:  # evaluated against every point, or none
        return
    rng = np.random.default_rng(seed)
    pts = outside(box, rng, 50)
    if isinstance(shape, pc.Triangle2):
        pts = np.concatenate([pts, along_edges(shape, box, rng, 30)])
    x0, y0, x1, y1 = box
    beyond = (pts[:, 0] < x0) | (pts[:, 0] > x1) | (pts[:, 1] < y0) | (pts[:, 1] > y1)
    pts = pts[beyond & (np.abs(pts) <= 2.0**450).all(axis=1)]
    assert (pa.bounded_side(shape, pts) == -1).all()


@pytest.mark.parametrize("call, error, message", [
    (lambda: pa.locate([pc.Line2(1, 2, 3)], [[0, 0]]), TypeError,
     r"locate\(\) takes a Triangle2, Circle2 or IsoRectangle2 as shapes, not Line2 \(shapes\[0\]\)"),
    (lambda: pa.locate([pc.Triangle2.__new__(pc.Triangle2)], [[0, 0]]), TypeError, "without __init__"),
    (lambda: pa.locate(np.zeros(3), [[0, 0]]), TypeError, "not an array of float64"),
    (lambda: pa.locate([], [[0, 0, 0]]), ValueError, "last axis of length 2"),
    (lambda: pa.locate([], [[0, 0]], boundary=1), TypeError, "boundary must be a bool"),
    (lambda: pa.locate([], [[0, 0]], threads=0), ValueError, "threads must be at least 1"),
    (lambda: pa.locate([], [[0, 0]], exact=None), TypeError, "exact must be a bool"),
])
def test_bad_arguments_are_refused(call, error, message):
    with pytest.raises(error, match=message):
        call()


def test_indices_run_over_both_arrays_flattened():
    t = pc.Triangle2(P(0, 0), P(4, 0), P(0, 4))
    c = pc.Circle2(P(0, 0), 1.0)
    shapes = np.array([[t, c], [c, t]], dtype=object)
    pts = np.array([[[1.0, 1.0], [5.0, 5.0]], [[0.5, 0.0], [np.nan, 0.0]]])
    got = pa.locate(shapes, pts)
    assert got.tolist() == all_pairs(shapes.ravel(), pts.reshape(-1, 2), True).tolist()
    assert pa.locate([], pts).shape == (2, 0) and pa.locate(shapes, np.zeros((0, 2))).shape == (2, 0)
