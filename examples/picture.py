"""Draws planara_core at work into an SVG file (nothing else needed; numpy is optional).

    python examples/picture.py [OUTPUT.svg]      (default: planara_picture.svg)

Random points are coloured by their side of a triangle; a circle runs through three
marked points; a rectangle, the bounding boxes of all three shapes and their union
are drawn; a line crosses the scene with its perpendicular through the circle's
centre, meeting it at the centre's projection. With numpy installed, the points are
coloured in one call through planara.array, with the same result.
"""

import math
import pathlib
import random
import sys

from planara_core import Circle2, IsoRectangle2, Line2, Point2, Segment2, Triangle2, Vector2

try:
    import planara.array as bulk
except ImportError:  # no numpy: the points are classified one by one
    bulk = None

WIDTH, HEIGHT, MARGIN = 800, 600, 20  # the scene; the legend goes below it
LEGEND_ROW = 22
VIEW = IsoRectangle2(0.0, 0.0, 12.0, 9.0)  # the part of the plane shown
SCALE = min((WIDTH - 2 * MARGIN) / (VIEW.xmax() - VIEW.xmin()),
            (HEIGHT - 2 * MARGIN) / (VIEW.ymax() - VIEW.ymin()))
SIDE_CLASS = {1: "inside", 0: "boundary", -1: "outside"}  # Triangle2.bounded_side codes
STYLE = """
  .inside { fill: #e4572e; } .boundary { fill: #000; } .outside { fill: #4c9bd6; }
  .shape { fill-opacity: 0.12; stroke-width: 2; }
  #triangle { fill: #e4572e; stroke: #b23a1c; } #circle { fill: #2e933c; stroke: #2e933c; }
  #rectangle { fill: #7b4fa0; stroke: #7b4fa0; }
  .bbox { fill: none; stroke: #777; stroke-width: 1; stroke-dasharray: 6 4; }
  .union { stroke: #222; stroke-dasharray: 2 3; }
  .line { stroke: #333; stroke-width: 1.5; } #perpendicular { stroke-dasharray: 8 3 2 3; }
  .mark { fill: #fff; stroke: #000; stroke-width: 1.5; }
  text { font: 14px sans-serif; fill: #222; }
  #labels text { paint-order: stroke; stroke: #fff; stroke-width: 4px; stroke-linejoin: round; }
"""


def pixel(p):
    """Plane to picture coordinates (the picture's y axis points down)."""
    return ((p.x - VIEW.xmin()) * SCALE + MARGIN, (VIEW.ymax() - p.y) * SCALE + MARGIN)


def attrs(**values):
    return " ".join(f'{k.rstrip("_").replace("_", "-")}="{v}"' for k, v in values.items())


def number(x):
    return f"{x:.2f}"


def polygon(points, **extra):
    coords = " ".join(f"{number(x)},{number(y)}" for x, y in map(pixel, points))
    return f'<polygon points="{coords}" {attrs(**extra)}/>'


def box(b, **extra):
    """A Bbox2 or IsoRectangle2 as an SVG rect (both answer bbox())."""
    b = b.bbox()
    x, y = pixel(Point2(b.xmin, b.ymax))
    return (f'<rect x="{number(x)}" y="{number(y)}" width="{number((b.xmax - b.xmin) * SCALE)}" '
            f'height="{number((b.ymax - b.ymin) * SCALE)}" {attrs(**extra)}/>')


def dot(p, radius, **extra):
    x, y = pixel(p)
    return f'<circle cx="{number(x)}" cy="{number(y)}" r="{number(radius)}" {attrs(**extra)}/>'


def across_view(line, **extra):
    """The line drawn from one side of the view to the other; the picture clips the rest."""
    if line.is_vertical():
        ends = [Point2(line.x_at_y(y), y) for y in (VIEW.ymin(), VIEW.ymax())]
    else:
        ends = [Point2(x, line.y_at_x(x)) for x in (VIEW.xmin(), VIEW.xmax())]
    (x1, y1), (x2, y2) = map(pixel, ends)
    return (f'<line x1="{number(x1)}" y1="{number(y1)}" x2="{number(x2)}" y2="{number(y2)}" '
            f'{attrs(**extra)}/>')


def scene(seed=2024, count=400):
    """The objects of the picture, built and queried through planara_core."""
    rng = random.Random(seed)
    triangle = Triangle2(Point2(1.0, 1.0), Point2(7.0, 2.0), Point2(3.5, 7.5))
    on_circle = [Point2(7.5, 5.0), Point2(10.5, 6.5), Point2(8.0, 8.2)]
    circle = Circle2(*on_circle)
    rectangle = IsoRectangle2(Point2(8.0, 0.8), Point2(11.2, 3.6))
    line = Line2(Point2(0.0, 4.5), Point2(12.0, 8.5))
    center = circle.center()
    points = [Point2(rng.uniform(VIEW.xmin(), VIEW.xmax()), rng.uniform(VIEW.ymin(), VIEW.ymax()))
              for _ in range(count)]
    # Points on the edges show the boundary colour; these midpoints lie exactly on them.
    corners = list(triangle)
    points += [Point2((a.x + b.x) / 2, (a.y + b.y) / 2)
               for a, b in zip(corners, corners[1:] + corners[:1])]
    return {
        "triangle": triangle, "circle": circle, "on_circle": on_circle, "rectangle": rectangle,
        "line": line, "perpendicular": line.perpendicular(center),
        "foot": Segment2(center, line.projection(center)), "points": points,
    }


def triangle_sides(triangle, points):
    """Triangle2.bounded_side of every point, as a list of codes."""
    if bulk is None:
        return [triangle.bounded_side(p) for p in points]
    return bulk.bounded_side(triangle, [(p.x, p.y) for p in points]).tolist()


def label(p, text, anchor="start"):
    x, y = pixel(p)
    return f'<text x="{number(x)}" y="{number(y)}" text-anchor="{anchor}">{text}</text>'


def legend(rows):
    """Rows below the scene: (sample element drawn at (x, y), text)."""
    out = []
    for row, (sample, text) in enumerate(rows):
        y = HEIGHT + LEGEND_ROW * row + 5
        out += [sample(MARGIN + 14, y - 5), f'<text x="{MARGIN + 32}" y="{y}">{text}</text>']
    return out


def render(s):
    triangle, circle, rectangle = s["triangle"], s["circle"], s["rectangle"]
    shapes = (triangle, circle, rectangle)
    union = triangle.bbox() + circle.bbox() + rectangle.bbox()
    center, foot = s["foot"]
    perpendicular_end = Point2(s["perpendicular"].x_at_y(0.3) - 0.15, 0.3)
    sides = triangle_sides(triangle, s["points"])
    rows = [(lambda x, y, cls=SIDE_CLASS[code]: f'<circle cx="{x}" cy="{y}" r="5" class="{cls}"/>',
             f"{sides.count(code)} points {where} the triangle")
            for code, where in ((1, "inside"), (0, "on the boundary of"), (-1, "outside"))]
    rows[1] = (rows[1][0], rows[1][1] + " (the midpoints of its edges)")
    rows += [(lambda x, y, cls=cls: f'<line x1="{x - 10}" y1="{y}" x2="{x + 10}" y2="{y}" '
              f'class="{cls}"/>', text)
             for cls, text in (("bbox", "the bounding boxes of the three shapes"),
                               ("bbox union", "their union (Bbox2 + Bbox2 + Bbox2)"))]
    rows.append((lambda x, y: f'<circle cx="{x}" cy="{y}" r="4" class="mark"/>',
                 "the circle's three points, its centre, and the centre's projection on the line"))
    total_height = HEIGHT + LEGEND_ROW * len(rows)
    return "\n".join([
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{total_height}" '
        f'viewBox="0 0 {WIDTH} {total_height}">',
        f"<style>{STYLE}</style>",
        f'<rect width="{WIDTH}" height="{total_height}" fill="#fff"/>',
        f'<clipPath id="scene"><rect width="{WIDTH}" height="{HEIGHT}"/></clipPath>',
        '<g clip-path="url(#scene)">',
        polygon(triangle, id="triangle", class_="shape"),
        dot(center, math.sqrt(circle.squared_radius()) * SCALE, id="circle", class_="shape"),
        box(rectangle, id="rectangle", class_="shape"),
        '<g id="bboxes">', *(box(shape, class_="bbox") for shape in shapes),
        box(IsoRectangle2(union), id="union", class_="bbox union"), "</g>",
        across_view(s["line"], id="line", class_="line"),
        across_view(s["perpendicular"], id="perpendicular", class_="line"),
        '<g id="points">',
        *(dot(p, 2.5, class_=SIDE_CLASS[side]) for p, side in zip(s["points"], sides)),
        "</g>",
        '<g id="marks">', *(dot(p, 4, class_="mark") for p in s["on_circle"]),
        dot(center, 3, class_="mark"), dot(foot, 3, class_="mark"), "</g>",
        "</g>",
        '<g id="labels">',
        label(triangle.vertex(2) + Vector2(0.25, 0), "Triangle2"),
        label(Point2(circle.bbox().xmin, circle.bbox().ymin - 0.35), "Circle2 through three points"),
        label(rectangle.vertex(3) + Vector2(0, 0.15), "IsoRectangle2"),
        label(Point2(0.3, s["line"].y_at_x(0.3) + 0.2), "Line2"),
        label(perpendicular_end, "its perpendicular through the centre", anchor="end"),
        "</g>",
        '<g id="legend">', *legend(rows), "</g>",
        "</svg>", "",
    ])


def main(argv=None):
    argv = sys.argv[1:] if argv is None else argv
    path = pathlib.Path(argv[0] if argv else "planara_picture.svg")
    path.write_text(render(scene()))
    print(f"wrote {path.resolve()}")
    return path


if __name__ == "__main__":
    main()
