"""Arrays of every layout and number type give the answers of the same points
as a plain float64 array: strided, reversed, Fortran-order, broadcast,
misaligned and byte-swapped arrays, other real types, leading shapes of any
rank including none and empty ones, results written into views, and sizes
around the engine's block and chunk boundaries."""

import numpy as np
import pytest

import planara.array as pa
import planara_core as pc
from bulk_cases import bits, box_bits, per_object, per_object_bbox

P = pc.Point2
TRIANGLE = pc.Triangle2(P(0, 0), P(4, 0), P(0, 4))
SEGMENT = pc.Segment2(P(-2, -2), P(3, 3))


def grid(n, seed=0):
    """n points on a small grid, so that edges and ends are hit often."""
    return np.random.default_rng(seed).integers(-3, 6, size=(n, 2)).astype(np.float64)


def same_everywhere(reference, variant):
    """Each function's answer for `variant` (an array-like of the same points as
    the float64 array `reference`) equals its answer for `reference`."""
    expect = {
        "side": pa.bounded_side(TRIANGLE, reference),
        "on": pa.has_on(SEGMENT, reference),
        "turn": pa.orientation(reference, [1.0, 0.5], [0.0, 2.0]),
        "distance": pa.squared_distance(reference, [0.5, -1.0]),
    }
    got = {
        "side": pa.bounded_side(TRIANGLE, variant),
        "on": pa.has_on(SEGMENT, variant),
        "turn": pa.orientation(variant, [1.0, 0.5], [0.0, 2.0]),
        "distance": pa.squared_distance(variant, [0.5, -1.0]),
    }
    for key in expect:
        assert got[key].shape == expect[key].shape, key
        assert bits(got[key]).tobytes() == bits(expect[key]).tobytes() if key == "distance" \
            else np.array_equal(got[key], expect[key]), key
    if reference.size:
        assert box_bits(pa.bbox(variant)).tolist() == box_bits(pa.bbox(reference)).tolist()


def misaligned(a):
    """A copy of a float64 array whose data starts one byte past an alignment."""
    raw = np.zeros(a.nbytes + 1, dtype=np.uint8)
    view = raw[1:].view(np.float64).reshape(a.shape)
    view[...] = a
    assert not view.flags.aligned
    return view


BASE = grid(1000)
LAYOUTS = {
    "every other point": (lambda: BASE[::2], lambda: np.array(BASE[::2])),
    "reversed": (lambda: BASE[::-1], lambda: np.array(BASE[::-1])),
    "Fortran order": (lambda: np.asfortranarray(BASE), lambda: BASE),
    "columns swapped twice": (lambda: BASE[:, ::-1][:, ::-1], lambda: BASE),
    "points along the first axis": (lambda: np.ascontiguousarray(BASE.T).T, lambda: BASE),
    "three leading axes": (lambda: BASE.reshape(10, 5, 20, 2), lambda: BASE.reshape(10, 5, 20, 2)),
    "transposed leading axes": (lambda: BASE.reshape(20, 50, 2).transpose(1, 0, 2),
                                lambda: np.array(BASE.reshape(20, 50, 2).transpose(1, 0, 2))),
    "misaligned": (lambda: misaligned(BASE), lambda: BASE),
    "big-endian": (lambda: BASE.astype(">f8"), lambda: BASE),
    "float32": (lambda: BASE.astype(np.float32), lambda: BASE.astype(np.float32).astype(np.float64)),
    "float16": (lambda: BASE.astype(np.float16), lambda: BASE.astype(np.float16).astype(np.float64)),
    "int8": (lambda: BASE.astype(np.int8), lambda: BASE),
    "uint16": (lambda: (BASE + 3).astype(np.uint16), lambda: BASE + 3),
    "int64": (lambda: BASE.astype(np.int64), lambda: BASE),
    "uint64": (lambda: (BASE + 3).astype(np.uint64), lambda: BASE + 3),
    "bool": (lambda: BASE > 0, lambda: (BASE > 0).astype(np.float64)),
    "nested lists": (lambda: BASE.tolist(), lambda: BASE),
    "one point": (lambda: [2.0, 1.0], lambda: np.array([2.0, 1.0])),
    "no points": (lambda: np.empty((0, 2)), lambda: np.empty((0, 2))),
    "no points in a 2-d leading shape": (lambda: np.empty((3, 0, 2), np.int32),
                                         lambda: np.empty((3, 0, 2))),
}


@pytest.mark.parametrize("layout", LAYOUTS)
def test_every_layout_and_type_answers_as_packed_doubles(layout):
    variant, reference = LAYOUTS[layout]
    same_everywhere(reference(), variant())


def test_large_integers_are_taken_as_numpy_converts_them():
    big = np.array([[2**63 - 1, 2**53 + 1], [-2**63, 3]], dtype=np.int64)
    as_doubles = big.astype(np.float64)
    assert bits(pa.squared_distance(big, [0, 0])).tolist() == \
        bits(pa.squared_distance(as_doubles, [0, 0])).tolist()


def test_point_arguments_broadcast_over_several_axes():
    p = grid(6).reshape(6, 1, 2)
    q = grid(4, seed=1).reshape(1, 4, 2)
    r = np.array([0.5, 0.25])
    got = pa.orientation(p, q, r)
    assert got.shape == (6, 4)
    full = [np.broadcast_to(a, (6, 4, 2)).reshape(-1, 2) for a in (p, q, r)]
    assert got.ravel().tolist() == pa.orientation(*(np.array(a) for a in full)).tolist()


@pytest.mark.parametrize("axes", [32, 33, 63])
def test_any_number_of_leading_axes_numpy_allows(axes):
    pts = grid(6).reshape((2,) + (1,) * (axes - 2) + (3, 2))
    q = grid(3, seed=1).reshape((1,) * (axes - 1) + (3, 2))
    got = pa.orientation(pts, q, [0.5, 0.25])
    assert got.shape == (2,) + (1,) * (axes - 2) + (3,)
    flat = pa.orientation(pts.reshape(2, 3, 2), q.reshape(1, 3, 2), [0.5, 0.25])
    assert got.ravel().tolist() == flat.ravel().tolist()


@pytest.mark.parametrize("n", [1, 255, 256, 257, 511, 512, 513, 1023, 1025, 4099])
@pytest.mark.parametrize("threads", [1, 2, 3, 8])
def test_block_and_chunk_boundaries(n, threads):
    pts = grid(n, seed=n)
    expected = per_object("bounded_side", TRIANGLE, pts)
    assert pa.bounded_side(TRIANGLE, pts, threads=threads).tolist() == expected
    # Results into a strided view, so they go through the block buffer.
    out = np.full(2 * n, 7, dtype=np.int8)
    pa.bounded_side(TRIANGLE, pts, out=out[::2], threads=threads)
    assert out[::2].tolist() == expected and set(out[1::2].tolist()) == {7}
    assert box_bits(pa.bbox(pts)).tolist() == box_bits(per_object_bbox(pts)).tolist()


def test_out_receives_the_results_and_is_returned():
    pts = grid(100)
    out = np.empty((100,), dtype=np.bool_)
    assert pa.has_on(SEGMENT, pts, out=out) is out
    assert out.tolist() == per_object("has_on", SEGMENT, pts)
    distances = np.empty((10, 10))
    assert pa.squared_distance(pts.reshape(10, 10, 2), [0, 0], out=distances) is distances


def test_an_out_that_overlaps_the_points_is_written_as_if_apart():
    # The distances land on the memory of the points themselves.
    pts = grid(200)
    expected = pa.squared_distance(pts[:, :], [1.0, 2.0])
    buffer = pts.copy()
    out = buffer.reshape(-1)[:200]  # overlaps the first 100 points
    result = pa.squared_distance(buffer, [1.0, 2.0], out=out)
    assert result is out
    assert bits(out).tolist() == bits(expected).tolist()
