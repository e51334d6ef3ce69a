"""
Orientation: left turns, right turns and the sign of a determinant
==================================================================

``orientation(p, q, r)`` tells which way the path p, q, r turns at q: a left
turn (counterclockwise, code 1), a right turn (clockwise, code -1), or no turn
at all (collinear, code 0). It is the sign of the determinant

.. code-block:: text

    | q.x - p.x   r.x - p.x |
    | q.y - p.y   r.y - p.y |

that is twice the signed area of the triangle p, q, r. Each pixel below is a
point r, coloured by the orientation of p, q, r, one
:func:`planara.array.orientation` call for the whole grid: the left of the
directed line from p to q is positive. The triangle on the left is
counterclockwise (orientation 1, positive area), the one on the right has the
same points in the other order and is clockwise.

.. code-block:: text

    python examples/orientation.py [OUT.png]
"""

import sys

import matplotlib

matplotlib.use("Agg")  # files only, no window

import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import planara.array  # noqa: E402
import planara.plot  # noqa: E402
from planara import Line2, Point2, Triangle2  # noqa: E402

TURNS = {-1: "right turn (-1)", 0: "collinear (0)", 1: "left turn (1)"}
COLOURS = {-1: "#9cc3e6", 0: "#222222", 1: "#f3b09a"}


def panel(ax, p, q, r):
    """The orientation of (p, q, x) for every point x of the view, and the triangle p, q, r."""
    xs = np.linspace(-0.5, 4.5, 201)
    grid = np.stack(np.meshgrid(xs, xs), axis=-1)
    codes = planara.array.orientation(p, q, grid)
    planara.plot.points(grid, codes, ax=ax, labels=TURNS, colors=COLOURS, legend=False)
    a, b, c = Point2(*p), Point2(*q), Point2(*r)
    triangle = Triangle2(a, b, c)
    planara.plot.draw(Line2(a, b), ax, color="#555555", linewidth=1)
    planara.plot.draw(triangle, ax, color="k", linewidth=2)
    planara.plot.draw([a, b, c], ax, color="k", s=30, zorder=3)
    for name, point in zip("pqr", (a, b, c)):
        ax.annotate(name, (point.x, point.y), xytext=(6, 6), textcoords="offset points",
                    fontsize=13, fontweight="bold")
    turn = planara.orientation(a, b, c)
    ax.set_title(f"orientation(p, q, r): {turn}\n"
                 f"Triangle2.orientation() = {triangle.orientation()}, "
                 f"area() = {triangle.area()}", fontsize=10)
    ax.set_xlim(-0.5, 4.5)
    ax.set_ylim(-0.5, 4.5)


def draw():
    figure, (left, right) = plt.subplots(1, 2, figsize=(9, 4.9), layout="constrained")
    panel(left, (1, 1), (3, 1), (2, 3))
    panel(right, (1, 1), (2, 3), (3, 1))
    handles = [left.collections[i] for i in range(3)]
    figure.legend(handles, [h.get_label() for h in handles], loc="outside lower center",
                  ncol=3, frameon=False, title="colour of a point x: orientation(p, q, x)")
    return figure


def main(argv=None):
    argv = sys.argv[1:] if argv is None else argv
    figure = draw()
    if argv:
        figure.savefig(argv[0], dpi=80)
        print(f"wrote {argv[0]}")
    return figure


if __name__ == "__main__":
    main()
