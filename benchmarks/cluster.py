"""Times planara.array as the blocks of a dask computation on a local cluster of
worker processes against one call in one process, and prints a Markdown table.

The points are made on the workers and kept there (as they would be on a real
cluster, where they are read where they lie); the shape travels with every task
by pickle. Run through `make bench`.

    python benchmarks/cluster.py [--points N] [--chunk N] [--workers N] [--rounds N]
"""

import argparse
import statistics
import time

import dask.array as da
import distributed
import numpy as np

import planara  # noqa: F401  (registers the reducers the triangle travels with)
import planara.array as pa
from planara import Point2, Triangle2

TRIANGLE = Triangle2(Point2(0.1, 0.1), Point2(0.9, 0.2), Point2(0.3, 0.8))


def median_time(call, rounds):
    times = []
    for _ in range(rounds):
        start = time.perf_counter()
        call()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def fmt(seconds):
    return f"{seconds * 1e3:.3g} ms"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--points", type=int, default=10 ** 7)
    ap.add_argument("--chunk", type=int, default=10 ** 6, help="points per block")
    ap.add_argument("--workers", type=int, default=2, help="worker processes, one thread each")
    ap.add_argument("--rounds", type=int, default=7)
    args = ap.parse_args()

    with distributed.LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True,
                                  dashboard_address=None, silence_logs=50) as cluster, \
            distributed.Client(cluster):
        points = da.random.default_rng(3).random((args.points, 2), chunks=(args.chunk, 2))
        points = points.persist()
        local = points.compute()
        sides = points.map_blocks(lambda block: pa.bounded_side(TRIANGLE, block), drop_axis=1,
                                  dtype=np.int8)
        assert np.array_equal(sides.compute(), pa.bounded_side(TRIANGLE, local))
        rows = {
            f"dask, {args.workers} workers, the results gathered in the client":
                median_time(sides.compute, args.rounds),
            "one process, threads=1": median_time(
                lambda: pa.bounded_side(TRIANGLE, local, threads=1), args.rounds),
            "one process, threads=None": median_time(
                lambda: pa.bounded_side(TRIANGLE, local), args.rounds),
        }

    print(f"`Triangle2.bounded_side` on {args.points:,} points in blocks of {args.chunk:,}, kept "
          f"on a local cluster of {args.workers} worker processes (one thread each), against "
          f"the same call in one process; median of {args.rounds} runs:\n")
    print("| run | time |\n|---|---:|")
    for name, seconds in rows.items():
        print(f"| {name} | {fmt(seconds)} |")


if __name__ == "__main__":
    main()
