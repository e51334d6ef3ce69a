"""Times planara_core against a pure-Python peer, shapely 2.x and the binding
layer's floor, and prints one Markdown table.

Every cell is timed in every round and the rounds visit the cells in a fresh
random order, so load from other processes spreads over all cells instead of
hitting a few; a cell's figure is the median of its rounds. planara_core and the
floor are timed in worker processes (the floor shares planara_core's C++ type
names and cannot be loaded beside it), several for each, taking turns, all on
one CPU; a worker times a sample when the round asks for it. Run through
`make bench`, which builds what it needs.

    python benchmarks/run.py [--rounds N] [--points N] [--cell-ms MS] [--only TEXT]
"""

import argparse
import importlib
import importlib.metadata
import json
import os
import pathlib
import platform
import random
import statistics
import subprocess
import sys
import timeit

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

IMPLS = ("planara_core", "pure Python", "shapely 2.x", "floor")
# The bindings run in worker processes: the floor cannot share a process with
# planara_core, and timing each in several processes evens out the accidents of
# memory layout that tilt one process against another.
NATIVE = ("planara_core", "floor")
MODULE_NAMES = {"planara_core": "planara_core", "pure Python": "peer",
                "shapely 2.x": "shapely", "floor": "planara_floor"}


def load(impl):
    return importlib.import_module(MODULE_NAMES[impl])


class Op:
    """One row: a statement and its names for each implementation.

    `geo` serves planara_core, the peer and the floor alike (they share the
    interface); `shapely` serves shapely. A builder takes the implementation's
    module and returns (statement, names); without one the implementation has
    no equivalent.
    """

    def __init__(self, name, geo, shapely=None, note=None):
        self.name, self.note = name, note
        self.builders = {"planara_core": geo, "pure Python": geo,
                         "shapely 2.x": shapely, "floor": geo}


def pts(m, *coords):
    return [m.Point2(x, y) for x, y in coords]


def named(names, objects):
    return dict(zip(names, objects))


# The query objects: a triangle, circle and rectangle around the unit square,
# and a line, segment and ray along the direction (2, 1).
def triangle(m):
    return m.Triangle2(*pts(m, (0, 0), (2, 0), (0, 2)))


def circle(m):
    return m.Circle2(*pts(m, (0, 0), (2, 0), (0, 2)))


def rectangle(m):
    return m.IsoRectangle2(*pts(m, (0, 0), (2, 1)))


def s_triangle(s):
    return s.Polygon([(0, 0), (2, 0), (0, 2)])


def s_rectangle(s):
    return s.box(0, 0, 2, 1)


SIDE = "1 if shape.contains(p) else (0 if shape.touches(p) else -1)"
DISTANCE_SIDE = "d = centre.distance(p); side = (d < r) - (d > r)"
INSIDE = "(the point is inside)"


def side_of(shape, point):
    return "shape.bounded_side(p)", {"shape": shape, "p": point}


OPS = [
    Op("`Point2(x, y)`",
       lambda m: ("Point2(x, y)", {"Point2": m.Point2, "x": 1.5, "y": -2.25}),
       lambda s: ("Point(x, y)", {"Point": s.Point, "x": 1.5, "y": -2.25})),
    Op("`p.x`",
       lambda m: ("p.x", {"p": m.Point2(1.5, -2.25)}),
       lambda s: ("p.x", {"p": s.Point(1.5, -2.25)})),
    Op("`p - q`",
       lambda m: ("p - q", named("pq", pts(m, (1.5, -2.25), (0.5, 4))))),
    Op("`p + v`",
       lambda m: ("p + v", {"p": m.Point2(1.5, -2.25), "v": m.Vector2(0.5, 4)})),
    Op("`squared_distance`",
       lambda m: ("squared_distance(1.5, -2.25, 0.5, 4.0)",
                  {"squared_distance": m.squared_distance})),
    Op("`orientation(p, q, r)`",
       lambda m: ("orientation(p, q, r)", {"orientation": m.orientation,
                                           **named("pqr", pts(m, (0, 0), (2, 0.5), (0.5, 2)))})),
    Op("`Line2(p, q)`",
       lambda m: ("Line2(p, q)", {"Line2": m.Line2, **named("pq", pts(m, (0, 0), (2, 1)))})),
    Op("`Line2.oriented_side`",
       lambda m: ("line.oriented_side(p)",
                  {"line": m.Line2(*pts(m, (0, 0), (2, 1))), "p": m.Point2(0.5, 1)})),
    Op("`Segment2.has_on`",
       lambda m: ("seg.has_on(p)", {"seg": m.Segment2(*pts(m, (0, 0), (2, 1))),
                                    "p": m.Point2(1, 0.5)}),
       lambda s: ("seg.intersects(p)", {"seg": s.LineString([(0, 0), (2, 1)]),
                                        "p": s.Point(1, 0.5)}),
       note="shapely: `LineString.intersects(Point)`"),
    Op("`Segment2.bbox`",
       lambda m: ("seg.bbox()", {"seg": m.Segment2(*pts(m, (0, 0), (2, 1)))}),
       lambda s: ("seg.bounds", {"seg": s.LineString([(0, 0), (2, 1)])}),
       note="shapely: `LineString.bounds` (a tuple)"),
    Op("`Ray2.has_on`",
       lambda m: ("ray.has_on(p)", {"ray": m.Ray2(*pts(m, (0, 0), (2, 1))),
                                    "p": m.Point2(4, 2)})),
    Op("`Triangle2.bounded_side`",
       lambda m: side_of(triangle(m), m.Point2(0.5, 0.5)),
       lambda s: (SIDE, {"shape": s_triangle(s), "p": s.Point(0.5, 0.5)}),
       note=f"shapely: `Polygon.contains`, then `touches` if needed {INSIDE}"),
    Op("`Triangle2.area`",
       lambda m: ("t.area()", {"t": triangle(m)}),
       lambda s: ("t.area", {"t": s_triangle(s)}),
       note="shapely: `Polygon.area` (unsigned)"),
    Op("`Circle2(p, q, r)`",
       lambda m: ("Circle2(p, q, r)",
                  {"Circle2": m.Circle2, **named("pqr", pts(m, (0, 0), (2, 0), (0, 2)))})),
    Op("`Circle2.bounded_side`",
       lambda m: side_of(circle(m), m.Point2(1.2, 0.9)),
       lambda s: (DISTANCE_SIDE, {"centre": s.Point(1, 1), "r": 2 ** 0.5,
                                  "p": s.Point(1.2, 0.9)}),
       note="shapely has no circle: `Point.distance` to the centre against the radius"),
    Op("`Circle2.bbox`",
       lambda m: ("c.bbox()", {"c": circle(m)})),
    Op("`Bbox2 + Bbox2`",
       lambda m: ("a + b", {"a": m.Bbox2(0.0, 0.0, 1.0, 1.0), "b": m.Bbox2(0.5, 0.5, 2.0, 2.0)})),
    Op("`Bbox2.do_overlap`",
       lambda m: ("a.do_overlap(b)", {"a": m.Bbox2(0.0, 0.0, 1.0, 1.0),
                                      "b": m.Bbox2(0.5, 0.5, 2.0, 2.0)}),
       lambda s: ("a.intersects(b)", {"a": s.box(0, 0, 1, 1), "b": s.box(0.5, 0.5, 2, 2)}),
       note="shapely: `box.intersects(box)`"),
    Op("`IsoRectangle2.bounded_side`",
       lambda m: side_of(rectangle(m), m.Point2(0.5, 0.5)),
       lambda s: (SIDE, {"shape": s_rectangle(s), "p": s.Point(0.5, 0.5)}),
       note=f"shapely: `box.contains`, then `touches` if needed {INSIDE}"),
    Op("`repr(Point2)`",
       lambda m: ("repr(p)", {"p": m.Point2(1.5, -2.25)}),
       lambda s: ("repr(p)", {"p": s.Point(1.5, -2.25)}),
       note="shapely: the WKT text form; floor: a fixed text of the same length"),
]


# The end-to-end workload: classify points against a triangle, a circle and a
# rectangle, building each point from its coordinates as user code would.
def classify(coords, Point2, triangle, circle, rectangle):
    t = c = r = 0
    for x, y in coords:
        p = Point2(x, y)
        t += triangle.bounded_side(p)
        c += circle.bounded_side(p)
        r += rectangle.bounded_side(p)
    return t, c, r


def classify_shapely(coords, Point, triangle, centre, radius, rectangle):
    t = c = r = 0
    for x, y in coords:
        p = Point(x, y)
        t += 1 if triangle.contains(p) else (0 if triangle.touches(p) else -1)
        d = centre.distance(p)
        c += (d < radius) - (d > radius)
        r += 1 if rectangle.contains(p) else (0 if rectangle.touches(p) else -1)
    return t, c, r


def workload_op(n):
    rnd = random.Random(7)
    coords = [(rnd.uniform(-0.5, 2.5), rnd.uniform(-0.5, 2.5)) for _ in range(n)]
    stmt = "result = run(coords, *args)"
    return Op(
        f"classify {n:,} points (triangle, circle, rectangle)",
        lambda m: (stmt, {"run": classify, "coords": coords,
                          "args": (m.Point2, triangle(m), circle(m), rectangle(m))}),
        lambda s: (stmt, {"run": classify_shapely, "coords": coords,
                          "args": (s.Point, s_triangle(s), s.Point(1, 1), 2 ** 0.5,
                                   s_rectangle(s))}),
        note="shapely: `contains`/`touches` for triangle and rectangle, `Point.distance` "
             "for the circle",
    )


def all_ops(points, only=None):
    ops = OPS + [workload_op(points)]
    return [op for op in ops if not only or only in op.name]


def make_timer(stmt, env):
    setup = "\n".join(f"{name} = _env[{name!r}]" for name in env)
    return timeit.Timer(stmt, setup, globals={"_env": env})


class Cell:
    def __init__(self, stmt, env, cell_seconds):
        self.timer = make_timer(stmt, env)
        self.timer.timeit(1)  # fails here, before any timing, if the statement does
        self.number = self.calibrate(cell_seconds)
        self.samples = []

    def calibrate(self, cell_seconds):
        number = 1
        while True:
            elapsed = self.timer.timeit(number)
            if elapsed >= cell_seconds / 5 or number >= 10 ** 7:
                return max(1, int(number * cell_seconds / max(elapsed, 1e-9)))
            number *= 10

    def time_once(self):
        return self.timer.timeit(self.number) / self.number

    def sample(self):
        self.samples.append(self.time_once())

    @property
    def median(self):
        return statistics.median(self.samples)


class RemoteCell(Cell):
    """A cell timed in worker processes, taking turns, one sample per request."""

    def __init__(self, workers, index):
        self.workers, self.index, self.samples = workers, index, []

    def time_once(self):
        worker = self.workers[len(self.samples) % len(self.workers)]
        worker.stdin.write(f"{self.index}\n")
        worker.stdin.flush()
        return float(worker.stdout.readline())


def build_cells(ops, impls, cell_seconds):
    """Cells by (row, implementation): a Cell, or the text to show instead."""
    cells = {}
    for op in ops:
        for impl in impls:
            builder = op.builders[impl]
            if builder is None:
                cells[op.name, impl] = "—"
                continue
            try:
                stmt, env = builder(load(impl))
            except AttributeError:  # a class or member not registered (yet)
                cells[op.name, impl] = "missing"
                continue
            cells[op.name, impl] = Cell(stmt, env, cell_seconds)
    return cells


def worker(args):
    """A worker's side: build one implementation's cells, report which exist, then
    time the one asked for, until the end of input."""
    cells = list(build_cells(all_ops(args.points, args.only), [args.worker],
                             args.cell_ms / 1000).values())
    print(json.dumps([c if isinstance(c, str) else "" for c in cells]), flush=True)
    for line in sys.stdin:
        print(repr(cells[int(line)].time_once()), flush=True)


def start_workers(args, ops, impl):
    command = [sys.executable, __file__, "--worker", impl, "--points", str(args.points),
               "--cell-ms", str(args.cell_ms)] + (["--only", args.only] if args.only else [])
    workers = [subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
               for _ in range(args.processes)]
    shown = [json.loads(w.stdout.readline()) for w in workers][0]
    cells = {(op.name, impl): text or RemoteCell(workers, k)
             for k, (op, text) in enumerate(zip(ops, shown))}
    return workers, cells


def measure(cells, rounds, cell_seconds, seed=1):
    """Samples every cell once per round; returns the empty loop's time per call."""
    timed = [c for c in cells.values() if isinstance(c, Cell)]
    empty = Cell("pass", {}, cell_seconds)
    rnd = random.Random(seed)
    for k in range(rounds):
        order = timed + [empty]
        rnd.shuffle(order)
        for cell in order:
            cell.sample()
        print(f"\rround {k + 1}/{rounds}", end="", file=sys.stderr, flush=True)
    print(file=sys.stderr)
    return empty.median


def fmt_time(seconds):
    for unit, scale in (("ns", 1e-9), ("µs", 1e-6), ("ms", 1e-3)):
        if seconds < 1000 * scale:
            return f"{seconds / scale:.3g} {unit}"
    return f"{seconds:.3g} s"


def times(r):
    """A ratio to two significant digits, without an exponent (120x, not 1.2e+02x)."""
    return f"{float(f'{r:.2g}'):g}x"


def speed(other, ours):
    r = other / ours
    return f"{times(r)} faster" if r >= 1 else f"{times(1 / r)} slower"


def machine():
    model = "unknown processor"
    try:
        for line in open("/proc/cpuinfo"):
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    shapely = load("shapely 2.x")
    return (f"{model}, {os.cpu_count()} cores; CPython {platform.python_version()}; "
            f"pybind11 {importlib.metadata.version('pybind11')}; "
            f"shapely {shapely.__version__} (GEOS {shapely.geos_version_string})")


def table(ops, cells):
    def value(op, impl):
        cell = cells[op.name, impl]
        if not isinstance(cell, Cell):
            return None, cell
        return cell.median, fmt_time(cell.median)

    rows = ["| operation | planara_core | pure Python | shapely 2.x | floor "
            "| over floor | vs pure Python | vs shapely |",
            "|---|---:|---:|---:|---:|---:|---:|---:|"]
    notes = []
    for op in ops:
        values = {impl: value(op, impl) for impl in IMPLS}
        ours = values["planara_core"][0]
        extra = ["", "", ""]
        if ours is not None:
            floor, py, sh = (values[i][0] for i in ("floor", "pure Python", "shapely 2.x"))
            extra[0] = f"{(ours - floor) / floor:+.0%}"
            extra[1] = speed(py, ours)
            if sh:
                extra[2] = speed(sh, ours)
        name = op.name
        if op.note:
            notes.append(op.note)
            name += f" [{len(notes)}]"
        rows.append("| " + " | ".join([name] + [values[i][1] for i in IMPLS] + extra) + " |")
    rows.append("")
    rows += [f"[{k}] {note}" for k, note in enumerate(notes, 1)]
    return "\n".join(rows)


def check_agreement(op, cells):
    """The workload's answers must agree between planara_core and the peer."""
    answers = {}
    for impl in ("planara_core", "pure Python"):
        if isinstance(cells[op.name, impl], Cell):
            ns = {}
            stmt, env = op.builders[impl](load(impl))
            exec(stmt, dict(env), ns)
            answers[impl] = ns["result"]
    if len(set(answers.values())) > 1:
        print(f"WARNING: the workload's answers differ: {answers}", file=sys.stderr)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--rounds", type=int, default=25, help="timing rounds per cell")
    ap.add_argument("--points", type=int, default=100_000, help="points of the workload")
    ap.add_argument("--cell-ms", type=float, default=12, help="time of one sample of a cell")
    ap.add_argument("--only", help="only rows whose name contains this text")
    ap.add_argument("--processes", type=int, default=5,
                    help="worker processes for each of planara_core and the floor")
    ap.add_argument("--worker", choices=NATIVE, help=argparse.SUPPRESS)
    args = ap.parse_args()
    if args.worker:
        return worker(args)

    # One CPU for every process, so that all time under the same conditions.
    os.sched_setaffinity(0, {max(os.sched_getaffinity(0))})
    ops = all_ops(args.points, args.only)
    workers, cells = [], {}
    for impl in NATIVE:
        started, remote = start_workers(args, ops, impl)
        workers += started
        cells.update(remote)
    cells.update(build_cells(ops, [i for i in IMPLS if i not in NATIVE], args.cell_ms / 1000))
    empty = measure(cells, args.rounds, args.cell_ms / 1000)
    for w in workers:
        w.stdin.close()
        w.wait()
    if not args.only:
        check_agreement(ops[-1], cells)
    print(f"Machine: {machine()}\n")
    print(f"Median of {args.rounds} interleaved rounds per cell, per call (the workload: per "
          f"run), including the timing loop's own {fmt_time(empty)} per call; planara_core and "
          f"the floor each in {args.processes} processes taking turns.")
    print("over floor: planara_core's time above the floor's; vs: the other's time over "
          "planara_core's.\n")
    print(table(ops, cells))


if __name__ == "__main__":
    main()
