"""Times planara.array's exact predicates (exact=True) against its plain ones,
a C++ loop asking CGAL's Epick kernel once per element (benchmarks/epick, built
by `make bench`) and the numpy way a user would write them: a floating-point
filter with a static error bound, then Python's fractions for the elements it
cannot decide. Workloads: 10^6 random points against a triangle and a circle,
10^6 random orientation triples, and the three classroom grids of
near-collinear triples (65,536 each). bulk.py prints the table after its own.

    python benchmarks/exact.py [--points N] [--rounds N] [--cell-ms MS] [--only TEXT]
"""

import argparse
import functools
import pathlib
import sys
from fractions import Fraction

import numpy as np

from planara import _array, array as pa
import planara_core as pc
from run import Cell, fmt_time, measure, times

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "examples"))
from robustness import GRIDS, grid_points  # noqa: E402

IMPLS = ("exact=False", "exact=True", "Epick loop (C++)", "numpy + fractions")
SEED = 2026
TRIANGLE = pc.Triangle2(pc.Point2(0, 0), pc.Point2(2, 0), pc.Point2(0, 2))
CIRCLE = pc.Circle2(pc.Point2(0, 0), pc.Point2(2, 0), pc.Point2(0, 2))
@functools.lru_cache(maxsize=None)
def random_points(n, seed=SEED):
    return np.random.default_rng(seed).uniform(-0.5, 2.5, (n, 2))


def grid(name):
    """The classroom grid's triples (examples/robustness.py), as three (n, 2) arrays."""
    p, q, r = GRIDS[name]
    points = grid_points(p).reshape(-1, 2)
    return points, *(np.ascontiguousarray(np.broadcast_to(v, points.shape)) for v in (q, r))


# The numpy way: the plain determinant and a static bound on its error
# (Shewchuk's for orient2d; for the circle the sum of squares' bound), then
# exact rationals for the undecided elements. Finite, moderate input only.
ORIENT_BOUND = 3.3306690738754716e-16
CIRCLE_BOUND = 4.440892098500627e-16


def np_orientation(p, q, r):
    """For (n, 2) arrays of points, or single points (2,) among them."""
    left = (q[..., 0] - p[..., 0]) * (r[..., 1] - p[..., 1])
    right = (r[..., 0] - p[..., 0]) * (q[..., 1] - p[..., 1])
    det = left - right
    codes = np.sign(det).astype(np.int8)
    for i in np.flatnonzero(np.abs(det) <= ORIENT_BOUND * (np.abs(left) + np.abs(right))):
        px, py, qx, qy, rx, ry = map(Fraction, (*at(p, i), *at(q, i), *at(r, i)))
        d = (qx - px) * (ry - py) - (rx - px) * (qy - py)
        codes[i] = (d > 0) - (d < 0)
    return codes


def at(points, i):
    return points if points.ndim == 1 else points[i]


def np_triangle(points, x0, y0, x1, y1, x2, y2):
    corners = [np.array(v) for v in ((x0, y0), (x1, y1), (x2, y2))]
    sides = [np_orientation(corners[k], corners[(k + 1) % 3], points) for k in range(3)]
    inside = (sides[0] == sides[1]) & (sides[1] == sides[2])
    # On an edge: on its line and within its box.
    on_edge = functools.reduce(np.logical_or, (
        (sides[k] == 0) & within(corners[k], points, corners[(k + 1) % 3]) for k in range(3)))
    return inside.view(np.int8) - (~inside & ~on_edge).view(np.int8)


def within(a, p, b):
    low, high = np.minimum(a, b), np.maximum(a, b)
    return (low[0] <= p[:, 0]) & (p[:, 0] <= high[0]) & (low[1] <= p[:, 1]) & (p[:, 1] <= high[1])


def np_circle(points, cx, cy, squared_radius):
    dx, dy = cx - points[:, 0], cy - points[:, 1]
    d = dx * dx + dy * dy
    diff = squared_radius - d
    codes = np.sign(diff).astype(np.int8)
    for i in np.flatnonzero(np.abs(diff) <= CIRCLE_BOUND * d):
        ex, ey = Fraction(cx) - Fraction(points[i, 0]), Fraction(cy) - Fraction(points[i, 1])
        e = Fraction(squared_radius) - (ex * ex + ey * ey)
        codes[i] = (e > 0) - (e < 0)
    return codes


def triangle_numbers():
    return tuple(c for k in range(3) for c in (TRIANGLE.vertex(k).x, TRIANGLE.vertex(k).y))


def circle_numbers():
    c = CIRCLE.center()
    return c.x, c.y, CIRCLE.squared_radius()


class Workload:
    """One row: arrays() makes the inputs; planara(*arrays, exact), epick(module,
    *arrays) and numpy(*arrays) answer; filtered(*arrays) is the share of elements
    the engine's filter leaves to the fallback, its bound recomputed in numpy."""

    def __init__(self, key, name, arrays, planara, epick, numpy, filtered):
        self.key, self.name, self.arrays = key, name, arrays
        self.planara, self.epick, self.numpy, self.filtered = planara, epick, numpy, filtered


# The engine's filter (exact_predicates.h), recomputed: decided where the
# plain value exceeds 2^-50 times its magnitude plus 2^-1000.
def undecided(value, magnitude):
    bound = magnitude * 2.0 ** -50 + 2.0 ** -1000
    return ~((np.abs(value) > bound) & (bound < 2.0 ** 900))


def orientation_undecided(p, q, r):
    left = (q[..., 0] - p[..., 0]) * (r[..., 1] - p[..., 1])
    right = (r[..., 0] - p[..., 0]) * (q[..., 1] - p[..., 1])
    return undecided(left - right, np.abs(left) + np.abs(right))


def triangle_undecided(points):
    x0, y0, x1, y1, x2, y2 = triangle_numbers()
    corners = [np.array(v) for v in ((x0, y0), (x1, y1), (x2, y2))]
    return functools.reduce(np.logical_or, (orientation_undecided(
        corners[k], corners[(k + 1) % 3], points) for k in range(3)))


def circle_undecided(points):
    cx, cy, r2 = circle_numbers()
    d = (cx - points[:, 0]) ** 2 + (cy - points[:, 1]) ** 2
    return undecided(r2 - d, 2 * d)


def grid_workload(name):
    return Workload(f"grid {name}", f"classroom grid ({name}), orientation", lambda: grid(name),
                    lambda p, q, r, exact: pa.orientation(p, q, r, threads=1, exact=exact),
                    lambda m, p, q, r: m.orientation(p, q, r),
                    np_orientation, orientation_undecided)


def three_random(n):
    return tuple(random_points(n, SEED + k) for k in range(3))


def workloads(points):
    n = points
    return [
        Workload("triangle", "`Triangle2.bounded_side`, random points",
                 lambda: (random_points(n),),
                 lambda pts, exact: pa.bounded_side(TRIANGLE, pts, threads=1, exact=exact),
                 lambda m, pts: m.triangle_bounded_side(pts, *triangle_numbers()),
                 lambda pts: np_triangle(pts, *triangle_numbers()), triangle_undecided),
        Workload("circle", "`Circle2.bounded_side`, random points", lambda: (random_points(n),),
                 lambda pts, exact: pa.bounded_side(CIRCLE, pts, threads=1, exact=exact),
                 lambda m, pts: m.circle_bounded_side(pts, *circle_numbers()),
                 lambda pts: np_circle(pts, *circle_numbers()), circle_undecided),
        Workload("orientation", "`orientation(p, q, r)`, random triples",
                 lambda: three_random(n),
                 lambda p, q, r, exact: pa.orientation(p, q, r, threads=1, exact=exact),
                 lambda m, p, q, r: m.orientation(p, q, r), np_orientation,
                 orientation_undecided),
    ] + [grid_workload(name) for name in GRIDS]


def epick_module():
    try:
        import planara_epick_loop
    except ImportError:
        print("benchmarks/epick is not built (make bench builds it): no Epick column",
              file=sys.stderr)
        return None
    return planara_epick_loop


def exact_table(points, rounds, cell_ms, only=None):
    """The table's lines, and the answers' agreement checked first."""
    seconds = cell_ms / 1000
    epick = epick_module()
    chosen = [w for w in workloads(points) if not only or only in w.key or only in w.name]
    cells, shares = {}, {}
    for w in chosen:
        arrays = w.arrays()
        exact = w.planara(*arrays, True)
        others = {"numpy + fractions": w.numpy(*arrays)}
        if epick:
            others["Epick loop (C++)"] = w.epick(epick, *arrays)
        for impl, answer in others.items():
            if not np.array_equal(answer, exact):
                print(f"WARNING: {impl} differs from exact=True for {w.key}", file=sys.stderr)
        shares[w.key] = w.filtered(*arrays).mean()
        calls = {
            "exact=False": lambda w=w, a=arrays: w.planara(*a, False),
            "exact=True": lambda w=w, a=arrays: w.planara(*a, True),
            "Epick loop (C++)": epick and (lambda w=w, a=arrays: w.epick(epick, *a)),
            "numpy + fractions": lambda w=w, a=arrays: w.numpy(*a),
        }
        for impl, call in calls.items():
            cells[w.key, impl] = call and Cell("f()", {"f": call}, seconds)
    measure({k: c for k, c in cells.items() if c}, rounds, seconds)
    rows = ["| workload | " + " | ".join(IMPLS) + " | exact over plain | Epick loop over exact "
            "| to the fallback |", "|---|" + "---:|" * (len(IMPLS) + 3)]
    for w in chosen:
        t = {impl: cells[w.key, impl].median for impl in IMPLS if cells[w.key, impl]}
        epick_ratio = times(t["Epick loop (C++)"] / t["exact=True"]) if epick else ""
        rows.append(f"| {w.name} | " + " | ".join(fmt_time(t[i]) if i in t else "—" for i in IMPLS)
                    + f" | {times(t['exact=True'] / t['exact=False'])} | {epick_ratio} "
                    f"| {100 * shares[w.key]:.3g}% |")
    types = epick.exact_types if epick else "—"
    head = (f"Exact predicates: planara.array with exact=False and exact=True (threads=1, "
            f"instruction set {_array.instruction_set()}), a C++ loop asking CGAL's Epick "
            f"kernel once per element (exact types: {types}), and numpy with a static filter "
            f"and fractions for the rest; {points:,} random points or triples, 65,536 per "
            f"grid; median of {rounds} interleaved rounds. To the fallback: the elements the "
            "filter of exact=True does not decide.")
    return [head, ""] + rows


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--points", type=int, default=10 ** 6)
    ap.add_argument("--rounds", type=int, default=11)
    ap.add_argument("--cell-ms", type=float, default=40)
    ap.add_argument("--only")
    args = ap.parse_args()
    print("\n".join(exact_table(args.points, args.rounds, args.cell_ms, args.only)))


if __name__ == "__main__":
    main()
