"""Times planara.array on a million points against the per-object loop through
planara_core, the same formulas as numpy expressions and as numba loops,
shapely 2.x's vectorized calls and a plain copy of the input, and prints a
Markdown table; below it, the speed-up of all processors over one on larger
arrays, the memory one call takes beyond its result, and the time of each
compiled instruction set; last, the exact predicates' table (benchmarks/exact.py).

Cells are interleaved as in benchmarks/run.py: every round times every cell,
in a fresh random order, and a cell's figure is the median of its rounds.
Run through `make bench`, which installs numba and shapely.

    python benchmarks/bulk.py [--points N] [--loop-points N] [--large-points N]
                              [--rounds N] [--cell-ms MS] [--only TEXT]
"""

import argparse
import functools
import gc
import importlib.metadata
import os
import pathlib
import sys
import time
import tracemalloc

import numpy as np

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import planara_core as pc  # noqa: E402
from planara import _array, array as pa  # noqa: E402
from exact import exact_table  # noqa: E402
from run import Cell, fmt_time, machine, measure, speed, times  # noqa: E402

IMPLS = ("planara.array", "per-object loop", "numpy", "numba", "shapely 2.x", "copy")
SEED = 2024

# The query objects: those of benchmarks/run.py, around the points' square
# [-0.5, 2.5]^2, so that every answer occurs often.
TRIANGLE = pc.Triangle2(pc.Point2(0, 0), pc.Point2(2, 0), pc.Point2(0, 2))
CIRCLE = pc.Circle2(pc.Point2(0, 0), pc.Point2(2, 0), pc.Point2(0, 2))
RECTANGLE = pc.IsoRectangle2(pc.Point2(0, 0), pc.Point2(2, 1))
LINE = pc.Line2(pc.Point2(0, 0), pc.Point2(2, 1))
P, Q = pc.Point2(0, 0), pc.Point2(2, 0.5)  # the fixed points of the orientations


@functools.lru_cache(maxsize=None)
def random_points(n, seed=SEED):
    """n points uniform in [-0.5, 2.5]^2, a contiguous (n, 2) float64 array (made
    once: the workloads share it; nothing writes to it)."""
    return np.random.default_rng(seed).uniform(-0.5, 2.5, (n, 2))


# The shapes' defining numbers as planara_core holds them, for the formulas below.
def triangle_numbers():
    return tuple(c for k in range(3) for c in (TRIANGLE.vertex(k).x, TRIANGLE.vertex(k).y))


def circle_numbers():
    centre = CIRCLE.center()
    return centre.x, centre.y, CIRCLE.squared_radius()


def rectangle_numbers():
    return RECTANGLE.xmin(), RECTANGLE.ymin(), RECTANGLE.xmax(), RECTANGLE.ymax()


def line_numbers():
    return LINE.a, LINE.b, LINE.c


def pq_numbers():
    return P.x, P.y, Q.x, Q.y


# The formulas as numpy expressions over the coordinate columns. Each gives the
# kernel's answer for ordinary points (not for NaN, infinities or a degenerate
# shape), in the result type planara.array gives.
def sign8(values):
    return np.sign(values).astype(np.int8)


def np_orientation(px, py, qx, qy, x, y):
    """The sign of (q - p).x * (r - p).y - (r - p).x * (q - p).y, as float -1, 0, 1."""
    return np.sign((qx - px) * (y - py) - (x - px) * (qy - py))


def np_triangle(points, x0, y0, x1, y1, x2, y2):
    # Inside when the three edge orientations agree; outside when two are of
    # opposite signs; otherwise on an edge.
    x, y = points[:, 0], points[:, 1]
    o1 = np_orientation(x0, y0, x1, y1, x, y)
    o2 = np_orientation(x1, y1, x2, y2, x, y)
    o3 = np_orientation(x2, y2, x0, y0, x, y)
    inside = (o1 == o2) & (o2 == o3)
    mixed = (np.minimum(np.minimum(o1, o2), o3) * np.maximum(np.maximum(o1, o2), o3)) < 0
    return inside.view(np.int8) - mixed.view(np.int8)


def np_circle(points, cx, cy, squared_radius):
    x, y = points[:, 0], points[:, 1]
    return sign8(squared_radius - ((cx - x) ** 2 + (cy - y) ** 2))


def np_rectangle(points, xmin, ymin, xmax, ymax):
    x, y = points[:, 0], points[:, 1]
    inside = (xmin < x) & (x < xmax) & (ymin < y) & (y < ymax)
    closed = (xmin <= x) & (x <= xmax) & (ymin <= y) & (y <= ymax)
    return inside.view(np.int8) + closed.view(np.int8) - 1


def np_line(points, a, b, c):
    return sign8(a * points[:, 0] + b * points[:, 1] + c)


def np_orientations(points, px, py, qx, qy):
    return np_orientation(px, py, qx, qy, points[:, 0], points[:, 1]).astype(np.int8)


def np_squared_distance(p, q):
    dx, dy = p[:, 0] - q[:, 0], p[:, 1] - q[:, 1]
    return dx * dx + dy * dy


def numba_loops():
    """The same formulas as numba loops by workload name, compiled; None without numba.

    The loops select their answers by arithmetic on the comparisons rather
    than by branches, which on points in random order run twice as fast."""
    try:
        import numba
    except ImportError:
        return None
    njit = numba.njit(cache=False)

    @njit
    def compare(a, b):
        return (a > b) - (a < b)

    @njit
    def orient(px, py, qx, qy, x, y):
        return compare((qx - px) * (y - py), (x - px) * (qy - py))

    @njit
    def triangle(points, x0, y0, x1, y1, x2, y2):
        out = np.empty(points.shape[0], np.int8)
        for i in range(points.shape[0]):
            x, y = points[i, 0], points[i, 1]
            o1 = orient(x0, y0, x1, y1, x, y)
            o2 = orient(x1, y1, x2, y2, x, y)
            o3 = orient(x2, y2, x0, y0, x, y)
            inside = (o1 == o2) & (o2 == o3)
            mixed = min(o1, min(o2, o3)) * max(o1, max(o2, o3)) < 0
            out[i] = inside - mixed
        return out

    @njit
    def circle(points, cx, cy, squared_radius):
        out = np.empty(points.shape[0], np.int8)
        for i in range(points.shape[0]):
            dx, dy = cx - points[i, 0], cy - points[i, 1]
            out[i] = compare(squared_radius, dx * dx + dy * dy)
        return out

    @njit
    def rectangle(points, xmin, ymin, xmax, ymax):
        out = np.empty(points.shape[0], np.int8)
        for i in range(points.shape[0]):
            x, y = points[i, 0], points[i, 1]
            inside = (xmin < x) & (x < xmax) & (ymin < y) & (y < ymax)
            closed = (xmin <= x) & (x <= xmax) & (ymin <= y) & (y <= ymax)
            out[i] = inside + closed - 1
        return out

    @njit
    def line(points, a, b, c):
        out = np.empty(points.shape[0], np.int8)
        for i in range(points.shape[0]):
            out[i] = compare(a * points[i, 0] + b * points[i, 1] + c, 0.0)
        return out

    @njit
    def orientations(points, px, py, qx, qy):
        out = np.empty(points.shape[0], np.int8)
        for i in range(points.shape[0]):
            out[i] = orient(px, py, qx, qy, points[i, 0], points[i, 1])
        return out

    @njit
    def squared_distance(p, q):
        out = np.empty(p.shape[0])
        for i in range(p.shape[0]):
            dx, dy = p[i, 0] - q[i, 0], p[i, 1] - q[i, 1]
            out[i] = dx * dx + dy * dy
        return out

    loops = {"triangle": triangle, "circle": circle, "rectangle": rectangle, "line": line,
             "orientation": orientations, "squared distance": squared_distance}
    for workload in WORKLOADS:  # compile now, on a few points
        loops[workload.key](*workload.formula_args(workload.arrays(4)))
    return loops


class Workload:
    """One row. `arrays(n)` makes its input arrays and `numbers()` the shape's
    numbers. planara(*arrays, threads), numpy(*arrays, *numbers) and
    loop(*lists of coordinate pairs) answer; shapely(*arrays), where there is
    an equivalent, returns the call to time. shapely_setup(*arrays) is what
    that call needs done first: it is timed apart, for the note's {setup}."""

    def __init__(self, key, name, arrays, numbers, planara, numpy, loop, shapely=None,
                 shapely_setup=None, note=None):
        self.key, self.name, self.arrays, self.numbers = key, name, arrays, numbers
        self.planara, self.numpy, self.loop, self.shapely = planara, numpy, loop, shapely
        self.shapely_setup, self.note = shapely_setup, note

    def formula_args(self, arrays):
        return (*arrays, *self.numbers())


def one_array(n):
    return (random_points(n),)


def two_arrays(n):
    return random_points(n), random_points(n, SEED + 1)


def side_loop(method):
    """The per-object loop over a list of coordinate pairs."""
    return lambda coords: [method(pc.Point2(x, y)) for x, y in coords]


# shapely's calls: each takes the input arrays and returns the call to time.
def contains_xy(polygon):
    def build(points):
        import shapely
        geometry = polygon(shapely)
        shapely.prepare(geometry)
        return lambda: shapely.contains_xy(geometry, points)
    return build


def shapely_points(p, q):
    import shapely
    return shapely.points(p), shapely.points(q)


def shapely_distance(p, q):
    import shapely
    geometries = shapely_points(p, q)
    return lambda: shapely.distance(*geometries)


WORKLOADS = [
    Workload("triangle", "`Triangle2.bounded_side`", one_array, triangle_numbers,
             lambda pts, threads: pa.bounded_side(TRIANGLE, pts, threads=threads),
             np_triangle, side_loop(TRIANGLE.bounded_side),
             contains_xy(lambda s: s.Polygon([(0, 0), (2, 0), (0, 2)])),
             note="shapely: `contains_xy` on the prepared polygon, a bool that is false on "
             "the boundary (no boundary answer)"),
    Workload("circle", "`Circle2.bounded_side`", one_array, circle_numbers,
             lambda pts, threads: pa.bounded_side(CIRCLE, pts, threads=threads),
             np_circle, side_loop(CIRCLE.bounded_side)),
    Workload("rectangle", "`IsoRectangle2.bounded_side`", one_array, rectangle_numbers,
             lambda pts, threads: pa.bounded_side(RECTANGLE, pts, threads=threads),
             np_rectangle, side_loop(RECTANGLE.bounded_side),
             contains_xy(lambda s: s.box(0, 0, 2, 1)),
             note="shapely: `contains_xy` on the prepared box, as for the triangle"),
    Workload("line", "`Line2.oriented_side`", one_array, line_numbers,
             lambda pts, threads: pa.oriented_side(LINE, pts, threads=threads),
             np_line, side_loop(LINE.oriented_side)),
    Workload("orientation", "`orientation(p, q, r)`, p and q fixed", one_array, pq_numbers,
             lambda pts, threads: pa.orientation(
                 (P.x, P.y), (Q.x, Q.y), pts, threads=threads),
             np_orientations,
             lambda coords: [pc.orientation(P, Q, pc.Point2(x, y)) for x, y in coords]),
    Workload("squared distance", "`squared_distance` of pairs", two_arrays, tuple,
             lambda p, q, threads: pa.squared_distance(p, q, threads=threads),
             np_squared_distance,
             lambda coords_p, coords_q: [pc.squared_distance(x1, y1, x2, y2)
                                         for (x1, y1), (x2, y2) in zip(coords_p, coords_q)],
             shapely_distance, shapely_points,
             note="shapely: `distance` (not squared) between two arrays of Point geometries "
             "built beforehand; building them from the coordinates (`shapely.points`) "
             "takes another {setup} and is not counted"),
]


def selected(only):
    return [w for w in WORKLOADS if not only or only in w.key or only in w.name]


def call_cell(function, cell_seconds):
    return Cell("f()", {"f": function}, cell_seconds)


def build_cells(workloads, args, loops):
    """Cells by (workload key, implementation): a Cell or None (no equivalent)."""
    seconds = args.cell_ms / 1000
    cells = {}
    for w in workloads:
        arrays = w.arrays(args.points)
        coords = [a[:args.loop_points].tolist() for a in arrays]
        formula_args = w.formula_args(arrays)
        calls = {
            "planara.array": lambda w=w, a=arrays: w.planara(*a, threads=1),
            "per-object loop": lambda w=w, c=coords: w.loop(*c),
            "numpy": lambda w=w, f=formula_args: w.numpy(*f),
            "numba": loops and (lambda f=loops[w.key], a=formula_args: f(*a)),
            "shapely 2.x": w.shapely and w.shapely(*arrays),
            "copy": lambda a=arrays: [x.copy() for x in a],
        }
        for impl, call in calls.items():
            cells[w.key, impl] = call_cell(call, seconds) if call else None
        if w.shapely_setup:
            cells[w.key, "setup"] = call_cell(lambda w=w, a=arrays: w.shapely_setup(*a), seconds)
    return cells


def row_times(w, cells, args):
    """The per-call times of a row, the loop's scaled to the full size."""
    result = {}
    for impl in IMPLS:
        cell = cells[w.key, impl]
        if cell is not None:
            result[impl] = cell.median
    if "per-object loop" in result:
        result["per-object loop"] *= args.points / min(args.loop_points, args.points)
    return result


def table(workloads, cells, args):
    rows = ["| workload | " + " | ".join(IMPLS) + " | vs loop | vs numpy | vs numba "
            "| vs shapely | over floor |",
            "|---|" + "---:|" * (len(IMPLS) + 5)]
    notes = []
    for w in workloads:
        t = row_times(w, cells, args)
        ours = t["planara.array"]
        ratios = [speed(t[i], ours) if i in t else ""
                  for i in ("per-object loop", "numpy", "numba", "shapely 2.x")]
        ratios.append(f"{times(ours / t['copy'])} floor")
        name = w.name
        if w.note:
            setup = cells.get((w.key, "setup"))
            notes.append(w.note.format(setup=setup and fmt_time(setup.median)))
            name += f" [{len(notes)}]"
        rows.append("| " + " | ".join([name] + [fmt_time(t[i]) if i in t else "—" for i in IMPLS]
                                      + ratios) + " |")
    return rows, notes


def check_answers(workloads, loops, n=10_000):
    """The formulas must give planara.array's answers (also tested)."""
    for w in workloads:
        arrays = w.arrays(n)
        expected = w.planara(*arrays, threads=1)
        answers = {"numpy": w.numpy(*w.formula_args(arrays))}
        if loops:
            answers["numba"] = loops[w.key](*w.formula_args(arrays))
        for impl, answer in answers.items():
            if not np.array_equal(answer, expected):
                print(f"WARNING: {impl} differs from planara.array for {w.key}", file=sys.stderr)


class BusyCell(Cell):
    """A cell that also adds up the process's CPU time while it is timed."""

    def __init__(self, function, cell_seconds):
        super().__init__("f()", {"f": function}, cell_seconds)
        self.cpu = self.wall = 0.0

    def time_once(self):
        start = time.process_time()
        elapsed = super().time_once()
        self.cpu += time.process_time() - start
        self.wall += elapsed * self.number
        return elapsed

    @property
    def processors(self):
        """The processors the process kept busy on average: CPU time over wall time."""
        return self.cpu / self.wall


def scaling(workloads, args):
    """All usable processors against one on large arrays."""
    seconds = args.cell_ms / 1000
    cells = {}
    for w in workloads:
        arrays = w.arrays(args.large_points)
        for threads in (None, 1):
            cells[w.key, threads] = BusyCell(
                lambda w=w, a=arrays, t=threads: w.planara(*a, threads=t), seconds)
    measure(cells, args.rounds, seconds)
    cores = len(os.sched_getaffinity(0))
    workers = _array.worker_count(args.large_points, 0)
    rows = [f"Speed-up on {args.large_points:,} points, threads=None ({workers} workers) over "
            f"threads=1; {cores} usable cores. Busy: the process's CPU time over the wall time "
            "with threads=None, the processors it actually got (other load takes the rest):", "",
            "| workload | threads=1 | threads=None | speed-up | per core | busy |",
            "|---|---:|---:|---:|---:|---:|"]
    for w in workloads:
        one, many = cells[w.key, 1].median, cells[w.key, None]
        speedup = one / many.median
        rows.append(f"| {w.name} | {fmt_time(one)} | {fmt_time(many.median)} | {times(speedup)} "
                    f"| {speedup / cores:.2f} | {many.processors:.2f} |")
    return rows


def peak_extra(call):
    """Bytes allocated at the peak of call() beyond what was held before it, and its result."""
    gc.collect()
    tracemalloc.start()
    try:
        before = tracemalloc.get_traced_memory()[0]
        tracemalloc.reset_peak()
        result = call()
        return tracemalloc.get_traced_memory()[1] - before, result
    finally:
        tracemalloc.stop()


def memory(workloads, args):
    rows = [f"Peak memory of one call on {args.points:,} points beyond what was held before it "
            "(tracemalloc, which sees numpy's arrays), against the result's size:", "",
            "| workload | result | planara.array | beyond the result | numpy expression |",
            "|---|---:|---:|---:|---:|"]
    for w in workloads:
        arrays = w.arrays(args.points)
        formula_args = w.formula_args(arrays)
        ours, result = peak_extra(lambda: w.planara(*arrays, threads=1))
        theirs, _ = peak_extra(lambda: w.numpy(*formula_args))
        rows.append(f"| {w.name} | {size(result.nbytes)} | {size(ours)} "
                    f"| {ours - result.nbytes:+,} bytes | {size(theirs)} |")
    return rows


def size(n):
    return f"{n / 1e6:.3g} MB" if n >= 10 ** 5 else f"{n:,} bytes"


def instruction_sets(args):
    """The triangle workload once per instruction set this processor runs."""
    seconds = args.cell_ms / 1000
    w = WORKLOADS[0]
    (points,) = w.arrays(args.points)
    in_use = _array.instruction_set()
    cells = {}

    def under(name):
        def call():
            _array.select_instruction_set(name)
            try:
                return w.planara(points, threads=1)
            finally:
                _array.select_instruction_set(in_use)
        return call

    for name in _array.instruction_sets():
        cells[name] = call_cell(under(name), seconds)
    measure(cells, args.rounds, seconds)
    return [f"Instruction set in use: {in_use}. {w.name} on {args.points:,} points, threads=1, "
            "by instruction set: " + ", ".join(f"{name} {fmt_time(cell.median)}"
                                               for name, cell in cells.items()) + "."]


def versions(loops):
    numba = importlib.metadata.version("numba") if loops else "not installed"
    return f"numpy {np.__version__}; numba {numba}"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--points", type=int, default=10 ** 6, help="points of each workload")
    ap.add_argument("--loop-points", type=int, default=10 ** 5,
                    help="points the per-object loop is timed on (scaled up to --points)")
    ap.add_argument("--large-points", type=int, default=10 ** 7,
                    help="points of the threads=None against threads=1 comparison")
    ap.add_argument("--rounds", type=int, default=11, help="timing rounds per cell")
    ap.add_argument("--cell-ms", type=float, default=40, help="time of one sample of a cell")
    ap.add_argument("--only", help="only workloads whose name contains this text")
    args = ap.parse_args()

    workloads = selected(args.only)
    loops = numba_loops()
    check_answers(workloads, loops)
    cells = build_cells(workloads, args, loops)
    empty = measure(cells, args.rounds, args.cell_ms / 1000)
    rows, notes = table(workloads, cells, args)

    print(f"Machine: {machine()}; {versions(loops)}\n")
    print(f"Bulk predicates on {args.points:,} random points (float64, contiguous (N, 2) "
          f"arrays): median of {args.rounds} interleaved rounds per cell, per call (the timing "
          f"loop adds {fmt_time(empty)}). planara.array runs with threads=1; the per-object loop "
          "calls planara_core once per point of a list of float pairs, building a Point2 from "
          "each (squared_distance takes the four floats themselves), timed on "
          f"{min(args.loop_points, args.points):,} points and scaled up to {args.points:,}; numpy "
          "and numba compute the same formulas (numba compiled beforehand); the copy is "
          "`.copy()` of every input array, one pass over the input that writes as much again "
          "(a call that writes less, a byte or a double per point, can beat it). vs: the "
          "other's time over planara.array's; over floor: planara.array's time over the "
          "copy's.\n")
    print("\n".join(rows))
    print()
    print("\n".join(f"[{k}] {note}" for k, note in enumerate(notes, 1)))
    print()
    print("\n".join(scaling([w for w in workloads], args)))
    print()
    print("\n".join(memory(workloads, args)))
    print()
    print("\n".join(instruction_sets(args)))
    print()
    print("\n".join(exact_table(args.points, args.rounds, args.cell_ms, args.only)))


if __name__ == "__main__":
    main()
