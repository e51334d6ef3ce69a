"""planara.array as the blocks of a dask computation on a real cluster of
worker processes: shapes travel by pickle, the answers are those of one call
in one process, and bad input fails with the error one call would give."""

import sys

import numpy as np
import pytest

import planara  # noqa: F401  (registers the reducers the shapes travel with)
import planara.array as pa
import planara_core as pc

da = pytest.importorskip("dask.array")
distributed = pytest.importorskip("distributed")
dask = pytest.importorskip("dask")

P = pc.Point2
SHAPES = {
    "triangle": (pa.bounded_side, pc.Triangle2(P(0.1, 0.1), P(0.9, 0.2), P(0.3, 0.8)), np.int8),
    "circle": (pa.bounded_side, pc.Circle2(P(0.5, 0.5), P(0.9, 0.5), P(0.5, 0.1)), np.int8),
    "segment": (pa.has_on, pc.Segment2(P(0, 0), P(1, 1)), np.bool_),
}


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=":0", silence_logs=50) as cluster, \
            distributed.Client(cluster) as client:
        yield client


@pytest.fixture(scope="module")
def points(client):
    """(dask array, the same points in this process): made on the workers, on a
    grid of quarters, so that many points lie on the segment and on edges."""
    chunked = da.random.default_rng(11).integers(0, 5, (1_200_003, 2), chunks=(250_000, 2)) / 4
    chunked = chunked.persist()
    return chunked, chunked.compute()


def blocks(function, shape, dtype, points):
    return points.map_blocks(lambda block: function(shape, block), drop_axis=1, dtype=dtype)


@pytest.mark.parametrize("name", SHAPES)
def test_workers_answer_as_one_process(client, points, name):
    function, shape, dtype = SHAPES[name]
    chunked, local = points
    assert chunked.numblocks[0] > 2
    got = blocks(function, shape, dtype, chunked).compute()
    assert got.dtype == dtype and np.array_equal(got, function(shape, local))
    # Computed by the two worker processes, which loaded the bulk engine.
    assert len(client.scheduler_info()["workers"]) == 2
    assert list(client.run(lambda: "planara.array" in sys.modules).values()) == [True, True]


def test_the_box_of_the_blocks_boxes_is_the_box(client, points):
    chunked, local = points
    boxes = [dask.delayed(pa.bbox)(block) for block in chunked.to_delayed().ravel()]
    total = dask.delayed(sum)(boxes[1:], start=boxes[0]).compute()
    expected = pa.bbox(local)
    assert (total.xmin, total.ymin, total.xmax, total.ymax) == \
        (expected.xmin, expected.ymin, expected.xmax, expected.ymax)


def test_a_bad_block_fails_in_the_client_as_one_call_fails(client):
    good = da.zeros((1000, 2), chunks=(500, 2))
    # A block that is not what it claims to be: three numbers per point.
    bad = da.from_delayed(dask.delayed(np.zeros)((500, 3)), shape=(500, 2), dtype=float)
    triangle = SHAPES["triangle"][1]
    with pytest.raises(ValueError) as one_call:
        pa.bounded_side(triangle, np.zeros((500, 3)))
    with pytest.raises(ValueError) as on_cluster:
        blocks(pa.bounded_side, triangle, np.int8, da.concatenate([good, bad])).compute()
    assert str(on_cluster.value) == str(one_call.value)


@pytest.mark.parametrize("preload", [[], ["planara"]])
def test_fresh_workers_send_objects_back(preload):
    """Workers that never imported planara: objects they receive load through
    planara; with planara preloaded they also send back objects they build from
    numbers alone."""
    with distributed.LocalCluster(n_workers=1, threads_per_worker=1, processes=True,
                                  dashboard_address=":0", silence_logs=50,
                                  preload=preload) as cluster, \
            distributed.Client(cluster) as fresh:
        assert fresh.run(lambda: "planara" in sys.modules).popitem()[1] == bool(preload)
        segment = fresh.submit(pc.Segment2, P(0, 0), P(1, 1)).result()
        assert repr(segment) == "Segment2((0.000000, 0.000000), (1.000000, 1.000000))"
        if preload:
            assert repr(fresh.submit(pc.Point2, 1.0, 2.0).result()) == "Point2(1.000000, 2.000000)"
