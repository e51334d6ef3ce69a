"""Times planara.plot drawing many objects with the Agg backend and prints a Markdown
table: building the artist (draw() or points(), which read every object's numbers)
and one fig.canvas.draw() of a 640 x 480 figure. Run through `make bench`.

    python benchmarks/plot.py [--count N] [--rounds N]

The workloads: N triangles tiling a grid, as a triangulation does; N random
triangles across the view, overlapping many times, where Agg's filling of pixels
dominates; the same N random triangles as a plain matplotlib PolyCollection of a
ready numpy array, for what matplotlib alone takes; and the codes of a 256 x 256
grid of points, drawn as cells.
"""

import argparse
import statistics
import time

import matplotlib

matplotlib.use("Agg")

import numpy as np  # noqa: E402
from matplotlib.backends.backend_agg import FigureCanvasAgg  # noqa: E402
from matplotlib.collections import PolyCollection  # noqa: E402
from matplotlib.figure import Figure  # noqa: E402

import planara.array  # noqa: E402
import planara.plot  # noqa: E402
from planara import Point2, Triangle2  # noqa: E402


def tiling(count):
    """count triangles (count even) tiling a grid of squares, two to a square."""
    columns = max(1, int((count // 2) ** 0.5))
    rows = -(-count // (2 * columns))
    triangles = []
    for i in range(rows):
        for j in range(columns):
            a, b, c, d = Point2(j, i), Point2(j + 1, i), Point2(j + 1, i + 1), Point2(j, i + 1)
            triangles += [Triangle2(a, b, c), Triangle2(a, c, d)]
    return triangles[:count]


def timed(build, rounds):
    """Median seconds of build(ax) on a fresh figure, and of drawing the figure."""
    builds, draws = [], []
    for _ in range(rounds):
        fig = Figure()
        FigureCanvasAgg(fig)
        ax = fig.add_subplot()
        start = time.perf_counter()
        build(ax)
        built = time.perf_counter()
        fig.canvas.draw()
        builds.append(built - start)
        draws.append(time.perf_counter() - built)
    return statistics.median(builds), statistics.median(draws)


def fmt(seconds):
    return f"{seconds:.3g} s" if seconds >= 1 else f"{seconds * 1e3:.3g} ms"


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--count", type=int, default=10 ** 4, help="triangles")
    ap.add_argument("--rounds", type=int, default=5)
    args = ap.parse_args()

    corners = np.random.default_rng(5).uniform(0, 100, (args.count, 3, 2))
    scattered = [Triangle2(*(Point2(x, y) for x, y in t)) for t in corners.tolist()]
    xs = np.linspace(-1, 1, 256)
    grid = np.stack(np.meshgrid(xs, xs), axis=-1)
    codes = planara.array.orientation(grid, [-1, -0.9], [1, 0.9])
    tiles = tiling(args.count)
    n = f"{args.count:,}"
    rows = {
        f"`draw` of {n} triangles tiling a grid": lambda ax: planara.plot.draw(tiles, ax),
        f"`draw` of {n} random, overlapping triangles": lambda ax: planara.plot.draw(scattered, ax),
        f"matplotlib `PolyCollection` of the same, from a numpy array":
            lambda ax: ax.add_collection(PolyCollection(corners, facecolor=(0, 0, 1, 0.25),
                                                        edgecolor="C0")),
        "`points` of a 256 x 256 grid of codes (cells)":
            lambda ax: planara.plot.points(grid, codes, ax=ax),
    }
    print("| workload | build | one Agg draw | total |\n|---|---:|---:|---:|")
    for name, build in rows.items():
        built, drawn = timed(build, args.rounds)
        print(f"| {name} | {fmt(built)} | {fmt(drawn)} | {fmt(built + drawn)} |")
    print(f"\nmedians of {args.rounds} rounds; matplotlib {matplotlib.__version__}")


if __name__ == "__main__":
    main()
