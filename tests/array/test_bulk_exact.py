"""exact=True: every element is the sign of the exact real expression for the
stored doubles (Python's fractions as the reference), on input built to sit
within a few ulps of the boundary, at every scale from subnormal to near
overflow, on every instruction set, for several thread counts and in every
rounding mode. Elements with a NaN or an infinity get the plain answer."""

import math
import pathlib
import sys
from fractions import Fraction

import numpy as np
import pytest
from hypothesis import given, settings, strategies as st

import planara.array as pa
import planara_core as pc
from bulk_cases import INSTRUCTION_SETS, SHAPE_CASES, instruction_set, per_object
from conftest import SRC, ROUNDING_MODES, coords, ordered, rounding, run_native_check

sys.path.insert(0, str(pathlib.Path(__file__).parents[2] / "examples"))
from robustness import GRIDS, grid_points  # noqa: E402  (the classroom grids)

P = pc.Point2


def sgn(v):
    return (v > 0) - (v < 0)


def orient(p, q, r):
    """The exact orientation of three (x, y) tuples of floats."""
    px, py, qx, qy, rx, ry = map(Fraction, (*p, *q, *r))
    return sgn((qx - px) * (ry - py) - (rx - px) * (qy - py))


def triangle_sides(shape, p):
    """(oriented side, bounded side) by the kernel's triangle rules, exactly."""
    v = [(w.x, w.y) for w in shape]
    o = [orient(v[k], v[(k + 1) % 3], p) for k in range(3)]
    ot = orient(*v)
    on_edge = any(o[k] == 0 and ordered(v[k], p, v[(k + 1) % 3]) for k in range(3))
    oriented = ot if o == [ot] * 3 else 0 if on_edge else -ot
    bounded = 1 if o[0] == o[1] == o[2] else 0 if on_edge else -1
    return oriented, bounded


def circle_bounded(shape, p):
    c = shape.center()
    dx, dy = Fraction(c.x) - Fraction(p[0]), Fraction(c.y) - Fraction(p[1])
    return sgn(Fraction(shape.squared_radius()) - (dx * dx + dy * dy))


def ray_has_on(shape, p):
    """The source, or collinear and of the direction of the ray, comparing the
    vectors as the kernel constructs them: in double, in the current rounding
    mode (exact vectors where a rounded one overflows)."""
    s, q = shape.source(), shape.point(1)
    s, q = (s.x, s.y), (q.x, q.y)
    if p == s:
        return True
    if orient(s, p, q) != 0:
        return False
    v = (p[0] - s[0], p[1] - s[1], q[0] - s[0], q[1] - s[1])
    if not all(map(math.isfinite, v)):
        return (sgn(p[0] - s[0]) == sgn(q[0] - s[0]) and sgn(p[1] - s[1]) == sgn(q[1] - s[1]))
    dx1, dy1, dx2, dy2 = map(Fraction, v)
    return sgn(dx1) == sgn(dx2) and sgn(dy1) == sgn(dy2) and dx1 * dy2 == dy1 * dx2


def exact_answer(function, shape, p):
    if isinstance(shape, pc.Line2):
        side = sgn(sum(Fraction(k) * Fraction(v) for k, v in zip((shape.a, shape.b), p))
                   + Fraction(shape.c))
        return side if function == "oriented_side" else side == 0
    if isinstance(shape, pc.Triangle2):
        return triangle_sides(shape, p)[function == "bounded_side"]
    if isinstance(shape, pc.Circle2):
        side = circle_bounded(shape, p)
        return side * shape.orientation() if function == "oriented_side" else side
    if isinstance(shape, pc.Segment2):
        s, t = ((v.x, v.y) for v in shape)
        return orient(s, p, t) == 0 and ordered(s, p, t)
    if isinstance(shape, pc.Ray2):
        return ray_has_on(shape, p)
    return getattr(shape, function)(P(*p))  # a rectangle compares coordinates only


def shape_numbers(shape):
    if isinstance(shape, pc.Line2):
        return [shape.a, shape.b, shape.c]
    if isinstance(shape, pc.Circle2):
        return [shape.center().x, shape.center().y, shape.squared_radius()]
    if isinstance(shape, pc.Ray2):
        return [shape.source().x, shape.source().y, shape.point(1).x, shape.point(1).y]
    return [c for v in shape for c in (v.x, v.y)]


def expected(function, shape, pts):
    """The exact answer, or the plain one for an element with a non-finite input."""
    finite_shape = all(map(math.isfinite, shape_numbers(shape)))
    plain = per_object(function, shape, pts)
    return [exact_answer(function, shape, tuple(p)) if finite_shape and np.isfinite(p).all()
            else answer for p, answer in zip(pts.tolist(), plain)]


# Near-degenerate input: shapes through a few anchor points and points on
# their boundaries as rounding puts them, moved by a few ulps, all scaled by
# one power of two (exact, except where it underflows to subnormals).
unit = st.floats(-8, 8, allow_nan=False).filter(lambda v: abs(v) > 1e-3)
anchor = st.tuples(unit, unit)
exponents = st.one_of(st.just(0), st.integers(-1074, 1018))


def nudge(v, k):
    for _ in range(abs(k)):
        v = math.nextafter(v, math.copysign(math.inf, k))
    return v


@st.composite
def near_boundary(draw, cls):
    a, b, c = draw(anchor), draw(anchor), draw(anchor)
    if cls == "Circle2" and draw(st.booleans()):
        r2 = (a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2
        boundary = [(2 * a[0] - b[0], 2 * a[1] - b[1]), b, (a[0] + a[1] - b[1], a[1] - a[0] + b[0])]
        make = lambda s: pc.Circle2(P(a[0] * s, a[1] * s), r2 * s * s, draw(st.sampled_from([-1, 1])))
    else:
        ts = draw(st.lists(st.floats(-1, 2, allow_nan=False), min_size=1, max_size=6))
        edges = [(a, b), (b, c), (c, a)]
        boundary = [(u[0] + t * (v[0] - u[0]), u[1] + t * (v[1] - u[1]))
                    for t in ts for u, v in edges] + [a, b, c]
        make = {
            "Line2": lambda s: pc.Line2(P(a[0] * s, a[1] * s), P(b[0] * s, b[1] * s)),
            "Triangle2": lambda s: pc.Triangle2(*(P(v[0] * s, v[1] * s) for v in (a, b, c))),
            "Circle2": lambda s: pc.Circle2(*(P(v[0] * s, v[1] * s) for v in (a, b, c))),
            "IsoRectangle2": lambda s: pc.IsoRectangle2(P(a[0] * s, a[1] * s), P(b[0] * s, b[1] * s)),
            "Segment2": lambda s: pc.Segment2(P(a[0] * s, a[1] * s), P(b[0] * s, b[1] * s)),
            "Ray2": lambda s: pc.Ray2(P(a[0] * s, a[1] * s), P(b[0] * s, b[1] * s)),
        }[cls]
    moves = st.tuples(st.integers(-3, 3), st.integers(-3, 3))
    pts = [(nudge(x, i), nudge(y, j)) for (x, y), (i, j) in
           zip(boundary, draw(st.lists(moves, min_size=len(boundary), max_size=len(boundary))))]
    scale = 2.0 ** draw(exponents)
    pts = [(x * scale, y * scale) for x, y in pts]
    pts += draw(st.lists(st.tuples(coords, coords), max_size=3))  # NaN, infinities, extremes
    return make(scale), np.array(pts)


MODES = st.sampled_from(list(ROUNDING_MODES.values()))
ISAS = pytest.mark.parametrize("isa", INSTRUCTION_SETS)


@ISAS
@pytest.mark.parametrize("function, cls", SHAPE_CASES)
@settings(max_examples=120, deadline=None)
@given(data=st.data(), threads=st.sampled_from([1, 3]), mode=MODES)
def test_shape_predicates_are_exact(isa, function, cls, data, threads, mode):
    shape, pts = data.draw(near_boundary(cls))
    with rounding(mode):
        with instruction_set(isa):
            got = getattr(pa, function)(shape, pts, threads=threads, exact=True)
        want = expected(function, shape, pts)
    assert got.tolist() == want


# Arbitrary doubles of every magnitude: products overflow and underflow.
wide = st.floats(allow_nan=False, allow_infinity=False)


@ISAS
@settings(max_examples=150, deadline=None)
@given(data=st.data(), mode=MODES)
def test_orientation_is_exact(isa, data, mode):
    a, b = data.draw(anchor), data.draw(anchor)
    ts = data.draw(st.lists(st.floats(-1, 2, allow_nan=False), min_size=1, max_size=20))
    scale = 2.0 ** data.draw(exponents)
    r = np.array([(nudge(a[0] + t * (b[0] - a[0]), data.draw(st.integers(-2, 2))),
                   a[1] + t * (b[1] - a[1])) for t in ts]) * scale
    p, q = np.array(a) * scale, np.array(b) * scale
    mixed = np.array(data.draw(st.lists(st.tuples(wide, wide), min_size=3, max_size=3)))
    with rounding(mode), instruction_set(isa):
        fixed = pa.orientation(p, q, r, exact=True)
        rolled = pa.orientation(np.roll(r, 1, axis=0), p, r, exact=True)
        extreme = pa.orientation(mixed[0], mixed[1], mixed, exact=True)
    assert fixed.tolist() == [orient(p, q, x) for x in r]
    assert rolled.tolist() == [orient(w, p, x) for w, x in zip(np.roll(r, 1, axis=0), r)]
    assert extreme.tolist() == [orient(mixed[0], mixed[1], x) for x in mixed]


@pytest.mark.parametrize("name", GRIDS)
def test_classroom_grids_are_exact_where_the_plain_test_fails(name):
    p, q, r = GRIDS[name]
    pts = grid_points(p)
    want = [[orient(tuple(x), q, r) for x in row] for row in pts.tolist()]
    plain = pa.orientation(pts, q, r)
    assert (plain != np.array(want)).any()  # the plain test is wrong somewhere
    for isa in INSTRUCTION_SETS:
        with instruction_set(isa):
            for threads in (1, 2, 5):
                assert pa.orientation(pts, q, r, threads=threads, exact=True).tolist() == want
                # The same triples, none repeated.
                qs, rs = (np.broadcast_to(v, pts.shape).copy() for v in (q, r))
                assert pa.orientation(pts, qs, rs, threads=threads, exact=True).tolist() == want


def test_large_mixed_arrays_agree_across_instruction_sets_and_threads():
    # Random points, a tenth of them a few ulps off the triangle's edges, at
    # one scale and at the edge of underflow; parts of workers split them.
    rng = np.random.default_rng(18)
    t = pc.Triangle2(P(0.1, 0.2), P(3.7, 0.3), P(0.4, 2.9))
    pts = rng.uniform(-1, 4, size=(100_000, 2))
    along = rng.uniform(0, 1, size=(10_000, 1))
    pts[::10] = np.nextafter([0.1, 0.2] + along * [3.6, 0.1],
                             rng.choice([-np.inf, np.inf], (10_000, 2)))
    for scale in (1.0, 2.0 ** -1070):
        shape = pc.Triangle2(*(P(v.x * scale, v.y * scale) for v in t))
        results = set()
        for isa in INSTRUCTION_SETS:
            with instruction_set(isa):
                for threads in (1, 2, 7):
                    results.add(pa.oriented_side(shape, pts * scale, threads=threads,
                                                 exact=True).tobytes())
        assert len(results) == 1


@pytest.mark.parametrize("flag", [1, 0, None, 1.0, "yes", np.int8(1), np.array([True])])
@pytest.mark.parametrize("call", [
    lambda **kw: pa.orientation([0, 0], [1, 0], [[0, 1]], **kw),
    lambda **kw: pa.oriented_side(pc.Line2(1, 2, 3), [[0, 1]], **kw),
    lambda **kw: pa.bounded_side(pc.IsoRectangle2(0, 0, 1, 1), [[0, 1]], **kw),
    lambda **kw: pa.has_on(pc.Ray2(P(0, 0), P(1, 1)), [[0, 1]], **kw),
])
def test_exact_must_be_a_bool(call, flag):
    out = np.full(1, 7, np.int8) if call(exact=True).dtype == np.int8 else np.ones(1, bool)
    before = out.copy()
    with pytest.raises(TypeError, match="exact must be a bool"):
        call(out=out, exact=flag)
    assert np.array_equal(out, before)
    assert call(exact=np.True_).tolist() == call(exact=True).tolist()


def test_squared_distance_has_no_exact_form():
    with pytest.raises(TypeError):
        pa.squared_distance([0, 0], [1, 1], exact=True)


def test_the_exact_predicates_answer_as_epick_itself(tmp_path):
    """Compiles a native program that asks the engine's exact predicates and
    Epick's own objects the same questions on generated near-boundary input
    (see the program), with the build's flags and without GMP."""
    counts = run_native_check(
        tmp_path, ["exact_predicates_check.cpp", SRC / "array" / "epick.cpp"],
        ["-DCGAL_NDEBUG", "-DCGAL_NO_GMP=1", f"-I{SRC}"], ["20261208", "30000"])
    assert counts["compared"] > 300_000, counts
    # Random input never needs the fallback.
    assert counts["triangle_fallbacks"] == counts["circle_fallbacks"] == 0, counts
    assert counts["orientation_fallbacks"] == 0, counts
