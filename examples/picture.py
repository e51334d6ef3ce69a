"""
Shapes, boxes and sides
=======================

Random points are coloured by their side of a triangle, in one
:func:`planara.array.bounded_side` call; a circle runs through three marked
points; a rectangle, the bounding boxes of all three shapes and their union are
drawn; a line crosses the scene with its perpendicular through the circle's
centre, meeting it at the centre's projection.

.. code-block:: text

    python examples/picture.py [OUTPUT]      (default: planara_picture.png)

The file's extension picks the format: .png, .svg, .pdf, anything matplotlib
writes. ``make demo`` draws it into build/picture.png.
"""

import pathlib
import random
import sys

import matplotlib

matplotlib.use("Agg")  # files only, no window

import matplotlib.pyplot as plt  # noqa: E402
from matplotlib import patheffects  # noqa: E402

import planara.array  # noqa: E402
import planara.plot  # noqa: E402
from planara import Circle2, IsoRectangle2, Line2, Point2, Segment2, Triangle2  # noqa: E402

VIEW = IsoRectangle2(0.0, 0.0, 12.0, 9.0)  # the part of the plane shown
COLORS = {"triangle": "#e4572e", "circle": "#2e933c", "rectangle": "#7b4fa0"}
WHERE = {1: "inside", 0: "on the boundary of", -1: "outside"}  # Triangle2.bounded_side codes


def scene(seed=2024, count=400):
    """The objects of the picture, built and queried through planara_core."""
    rng = random.Random(seed)
    triangle = Triangle2(Point2(1.0, 1.0), Point2(7.0, 2.0), Point2(3.5, 7.5))
    on_circle = [Point2(7.5, 5.0), Point2(10.5, 6.5), Point2(8.0, 8.2)]
    circle = Circle2(*on_circle)
    rectangle = IsoRectangle2(Point2(8.0, 0.8), Point2(11.2, 3.6))
    line = Line2(Point2(0.0, 4.5), Point2(12.0, 8.5))
    center = circle.center()
    points = [(rng.uniform(VIEW.xmin(), VIEW.xmax()), rng.uniform(VIEW.ymin(), VIEW.ymax()))
              for _ in range(count)]
    # Points on the edges show the boundary colour; these midpoints lie exactly on them.
    corners = list(triangle)
    points += [((a.x + b.x) / 2, (a.y + b.y) / 2)
               for a, b in zip(corners, corners[1:] + corners[:1])]
    return {
        "triangle": triangle, "circle": circle, "on_circle": on_circle, "rectangle": rectangle,
        "line": line, "perpendicular": line.perpendicular(center),
        "foot": Segment2(center, line.projection(center)), "points": points,
    }


def picture(s):
    """The figure of scene s."""
    fig = plt.figure(figsize=(8, 7.6), layout="constrained")
    ax = fig.add_subplot()
    triangle, circle, rectangle = s["triangle"], s["circle"], s["rectangle"]
    shapes = (triangle, circle, rectangle)
    sides = planara.array.bounded_side(triangle, s["points"])
    labels = {code: f"{(sides == code).sum()} points {where} the triangle"
              for code, where in WHERE.items()}
    labels[0] += " (the midpoints of its edges)"
    planara.plot.points(s["points"], sides, ax=ax, labels=labels, legend=False, s=12, zorder=3)
    for name, shape in zip(COLORS, shapes):
        planara.plot.draw(shape, ax, color=COLORS[name], linewidth=2)
    planara.plot.draw([shape.bbox() for shape in shapes], ax, color="#777777",
                      label="the bounding boxes of the three shapes")
    union = triangle.bbox() + circle.bbox() + rectangle.bbox()
    planara.plot.draw(union, ax, color="#222222", linestyle=":",
                      label="their union (Bbox2 + Bbox2 + Bbox2)")
    planara.plot.draw(s["line"], ax, color="#333333", linewidth=1.5)
    planara.plot.draw(s["perpendicular"], ax, color="#333333", linewidth=1.5, linestyle="-.")

    center, foot = s["foot"]
    planara.plot.draw([*s["on_circle"], center, foot], ax, facecolor="white", edgecolor="black",
                      linewidth=1.5, s=40, zorder=4,
                      label="the circle's three points, its centre, and the centre's "
                            "projection on the line")

    text = {"fontsize": 12,
            "path_effects": [patheffects.withStroke(linewidth=4, foreground="white")]}
    ax.annotate("Triangle2", (triangle.vertex(2).x + 0.25, triangle.vertex(2).y), **text)
    box = circle.bbox()
    ax.annotate("Circle2 through three points", (box.xmin, box.ymin - 0.35), **text)
    ax.annotate("IsoRectangle2", (rectangle.xmin(), rectangle.ymax() + 0.15), **text)
    ax.annotate("Line2", (0.3, s["line"].y_at_x(0.3) + 0.2), **text)
    ax.annotate("its perpendicular through the centre",
                (s["perpendicular"].x_at_y(0.3) - 0.15, 0.3), ha="right", **text)

    ax.set_xlim(VIEW.xmin(), VIEW.xmax())
    ax.set_ylim(VIEW.ymin(), VIEW.ymax())
    fig.legend(*ax.get_legend_handles_labels(), loc="outside lower center", frameon=False)
    return fig


def main(argv=None):
    argv = sys.argv[1:] if argv is None else argv
    path = pathlib.Path(argv[0] if argv else "planara_picture.png")
    picture(scene()).savefig(path, dpi=100)
    print(f"wrote {path}")
    return path


if __name__ == "__main__":
    main()
