"""
A mesh and locate: which triangle holds each point
==================================================

A grid of squares, each cut into two triangles, is built from coordinate arrays
with :func:`planara.array.triangles`, without a Python loop. One
:func:`planara.array.locate` call then finds, for 20,000 random points, every
triangle that holds each of them, as pairs of indices. The triangles are shaded
by how many points they hold; a point on an edge shared by two triangles
belongs to both.

.. code-block:: text

    python examples/mesh.py [OUT.png]
"""

import sys

import matplotlib

matplotlib.use("Agg")  # files only, no window

import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import planara.array as pa  # noqa: E402
import planara.plot  # noqa: E402

CELLS = 6


def mesh(cells=CELLS):
    """Two triangles per square of a cells x cells grid over the unit square."""
    ticks = np.linspace(0, 1, cells + 1)
    grid = np.stack(np.meshgrid(ticks, ticks), axis=-1)
    a, b, c, d = grid[:-1, :-1], grid[:-1, 1:], grid[1:, 1:], grid[1:, :-1]
    return pa.triangles(np.concatenate([a, a]), np.concatenate([b, c]),
                        np.concatenate([c, d])).ravel()


def draw(count=20_000, seed=3):
    triangles = mesh()
    # Uneven on purpose: more points towards the lower left corner.
    points = np.random.default_rng(seed).beta(1.2, 2.0, size=(count, 2))
    pairs = pa.locate(triangles, points)  # row 0: point index, row 1: triangle index
    held = np.bincount(pairs[1], minlength=len(triangles))

    figure, ax = plt.subplots(figsize=(6.4, 5.6), layout="constrained")
    (shaded,) = planara.plot.draw(list(triangles), ax, color="k", linewidth=0.8)
    shaded.set_array(held)
    shaded.set_cmap("YlOrRd")
    figure.colorbar(shaded, ax=ax, label="points held by the triangle")
    planara.plot.points(points[:2000], ax=ax, s=1, color="#1f3b73")
    ax.set_title(f"locate: {pairs.shape[1]:,} (point, triangle) pairs for {count:,} points",
                 fontsize=10)
    return figure, pairs


def main(argv=None):
    argv = sys.argv[1:] if argv is None else argv
    figure, pairs = draw()
    print(f"{pairs.shape[1]:,} pairs; every point held: "
          f"{np.array_equal(np.unique(pairs[0]), np.arange(20_000))}")
    if argv:
        figure.savefig(argv[0], dpi=80)
        print(f"wrote {argv[0]}")
    return figure


if __name__ == "__main__":
    main()
