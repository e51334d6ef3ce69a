"""Times many shapes at once: planara.array.locate against shapely 2.x's spatial
index (STRtree.query) and against a Python loop of one bulk call per shape;
element-wise predicates over object arrays of shapes against the per-object
loop and the numpy expression over the same coordinates; and the vectorised
constructors against a Python loop of the classes' constructors. Prints
Markdown tables. Run through `make bench`, which installs shapely.

    python benchmarks/shapes.py [--points N] [--shapes N] [--rounds N]
"""

import argparse
import os
import pathlib
import statistics
import sys
import time

import numpy as np
import shapely

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import planara.array as pa  # noqa: E402
import planara_core as pc  # noqa: E402
from bulk import np_triangle  # noqa: E402
from run import fmt_time, times  # noqa: E402

SEED = 17


def median_time(call, rounds):
    """The median time of call(); what it returns is freed after the clock stops."""
    samples = []
    for _ in range(rounds):
        start = time.perf_counter()
        kept = call()
        samples.append(time.perf_counter() - start)
        del kept
    return statistics.median(samples)


# The workloads: about `count` shapes over the unit square, each point in a few.
def tiling(count):
    """Triangles tiling the unit square: a grid of squares, two triangles each."""
    n = max(1, round((count / 2) ** 0.5))
    v = np.stack(np.meshgrid(np.linspace(0, 1, n + 1), np.linspace(0, 1, n + 1)), axis=-1)
    a, b = v[:-1, :-1].reshape(-1, 2), v[:-1, 1:].reshape(-1, 2)
    c, d = v[1:, 1:].reshape(-1, 2), v[1:, :-1].reshape(-1, 2)
    p, q, r = np.concatenate([a, a]), np.concatenate([b, c]), np.concatenate([c, d])
    return pa.triangles(p, q, r), shapely.polygons(np.stack([p, q, r], axis=1))


def random_circles(count, rng, cover=3.0):
    centers = rng.uniform(0, 1, (count, 2))
    radius = (cover / (np.pi * count)) ** 0.5
    polygons = shapely.buffer(shapely.points(centers), radius, quad_segs=16)
    return pa.circles(centers, radius * radius), polygons


def random_rectangles(count, rng, cover=3.0):
    low = rng.uniform(0, 1, (count, 2))
    side = (cover / count) ** 0.5 * rng.uniform(0.5, 1.5, (count, 2))
    high = low + side
    return pa.iso_rectangles(low, high), shapely.box(low[:, 0], low[:, 1], high[:, 0], high[:, 1])


def loop_of_bulk_calls(shapes, points, sample):
    """One bounded_side call per shape, over `sample` shapes (the time is scaled)."""
    def run():
        return [np.flatnonzero(pa.bounded_side(shape, points, threads=1) == 1)
                for shape in shapes[:sample]]
    return run


def locate_table(args, rng):
    points = rng.uniform(0, 1, (args.points, 2))
    workloads = {
        "(a) triangles tiling the square": tiling(args.shapes),
        "(b) random circles": random_circles(args.shapes, rng),
        "(c) random rectangles": random_rectangles(args.shapes, rng),
    }
    start = time.perf_counter()
    geometries = shapely.points(points)
    build_points = time.perf_counter() - start
    rows = []
    for name, (shapes, polygons) in workloads.items():
        pairs = pa.locate(shapes, points, boundary=False)
        start = time.perf_counter()
        tree = shapely.STRtree(polygons)
        build_tree = time.perf_counter() - start
        found = tree.query(geometries, predicate="within")
        sample = min(len(shapes), 100)
        row = {
            "name": name, "shapes": len(shapes), "pairs": pairs.shape[1],
            "shapely pairs": found.shape[1],
            "locate 1": median_time(lambda: pa.locate(shapes, points, boundary=False, threads=1),
                                    args.rounds),
            "locate": median_time(lambda: pa.locate(shapes, points, boundary=False), args.rounds),
            "shapely": median_time(lambda: tree.query(geometries, predicate="within"),
                                   max(1, args.rounds // 2)),
            "tree": build_tree,
            "loop": median_time(loop_of_bulk_calls(shapes, points, sample), 1) * len(shapes) / sample,
        }
        rows.append(row)
    print(f"`locate(shapes, points, boundary=False)` of {args.points:,} uniform points in the unit "
          f"square (medians of {args.rounds} runs; shapely {shapely.__version__}, GEOS "
          f"{shapely.geos_version_string}, `STRtree.query(points, predicate=\"within\")`, circles as "
          f"64-gons; building shapely's {args.points:,} points took {fmt_time(build_points)}; the "
          "loop is one `bounded_side` call per shape, timed on 100 shapes and scaled):\n")
    print("| workload | shapes | pairs | locate, 1 thread | locate, all threads | shapely query "
          "| shapely tree | loop of calls | vs shapely | vs loop |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    for r in rows:
        print(f"| {r['name']} | {r['shapes']:,} | {r['pairs']:,} ({r['shapely pairs']:,}) "
              f"| {fmt_time(r['locate 1'])} | {fmt_time(r['locate'])} | {fmt_time(r['shapely'])} "
              f"| {fmt_time(r['tree'])} | {fmt_time(r['loop'])} | {times(r['shapely'] / r['locate 1'])} "
              f"| {times(r['loop'] / r['locate 1'])} |")
    print("\npairs: locate's, and in parentheses shapely's (which differ only where a circle's "
          "64-gon cuts the circle)")


def scaling_table(args, rng):
    shapes, _ = tiling(args.shapes)
    print(f"\n`locate` with threads=1 over the {len(shapes):,} tiling triangles, by number of points:\n")
    print("| points | time | over the last |\n|---:|---:|---:|")
    last = None
    for n in (10**5, 10**6, 10**7):
        points = rng.uniform(0, 1, (n, 2))
        t = median_time(lambda: pa.locate(shapes, points, threads=1), args.rounds)
        print(f"| {n:,} | {fmt_time(t)} | {times(t / last) if last else ''} |")
        last = t


def pairs_table(args, rng):
    n = args.points
    corners = rng.uniform(0, 1, (3, n, 2))
    triangles = pa.triangles(*corners)
    points = rng.uniform(0, 1, (n, 2))
    numbers = [c[:, k] for c in corners for k in (0, 1)]
    loop_n = min(n, 10**5)
    objects, listed = list(triangles[:loop_n]), points[:loop_n].tolist()

    def per_object():
        return [t.bounded_side(pc.Point2(x, y)) for t, (x, y) in zip(objects, listed)]

    rows = {
        "planara.array, one thread": median_time(lambda: pa.bounded_side(triangles, points, threads=1),
                                                 args.rounds),
        "per-object loop": median_time(per_object, 1) * n / loop_n,
        "numpy expression over the coordinates": median_time(lambda: np_triangle(points, *numbers),
                                                             args.rounds),
    }
    ours = rows["planara.array, one thread"]
    print(f"\n`bounded_side(triangles, points)` of {n:,} (triangle, point) pairs, the triangles an "
          "object array (the per-object loop timed on 10^5 and scaled):\n")
    print("| way | time | planara.array is |\n|---|---:|---:|")
    for name, t in rows.items():
        print(f"| {name} | {fmt_time(t)} | {times(t / ours) + ' faster' if t != ours else ''} |")


def constructors_table(args, rng):
    n = args.points
    loop_n = min(n, 10**5)
    p, q, r = rng.uniform(0, 1, (3, n, 2))
    rows = []
    for name, build, loop in [
        ("triangles(p, q, r)", lambda: pa.triangles(p, q, r),
         lambda a, b, c: [pc.Triangle2(pc.Point2(*u), pc.Point2(*v), pc.Point2(*w))
                          for u, v, w in zip(a, b, c)]),
        ("points(xy)", lambda: pa.points(p), lambda a, b, c: [pc.Point2(x, y) for x, y in a]),
        ("circles(center, squared_radius)", lambda: pa.circles(p, 0.25),
         lambda a, b, c: [pc.Circle2(pc.Point2(*u), 0.25) for u in a]),
        ("segments(source, target)", lambda: pa.segments(p, q),
         lambda a, b, c: [pc.Segment2(pc.Point2(*u), pc.Point2(*v)) for u, v in zip(a, b)]),
    ]:
        lists = [a[:loop_n].tolist() for a in (p, q, r)]
        ours = median_time(build, max(1, args.rounds // 2))
        theirs = median_time(lambda: loop(*lists), 1) * n / loop_n
        rows.append((name, ours, theirs))
    print(f"\nBuilding {n:,} objects from coordinate arrays, against a Python loop of the classes' "
          "constructors over lists of floats (timed on 10^5 and scaled; freeing the objects "
          "is not timed):\n")
    print("| constructor | planara.array | Python loop | planara.array is |\n|---|---:|---:|---:|")
    for name, ours, theirs in rows:
        print(f"| `{name}` | {fmt_time(ours)} | {fmt_time(theirs)} | {times(theirs / ours)} faster |")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--points", type=int, default=10**6)
    ap.add_argument("--shapes", type=int, default=10**4)
    ap.add_argument("--rounds", type=int, default=5)
    args = ap.parse_args()
    rng = np.random.default_rng(SEED)
    print(f"{os.cpu_count()} cores; numpy {np.__version__}\n")
    locate_table(args, rng)
    scaling_table(args, rng)
    pairs_table(args, rng)
    constructors_table(args, rng)


if __name__ == "__main__":
    main()
