"""examples/picture.py writes a well-formed SVG whose drawing matches its geometry,
checked in picture coordinates independently of the module."""

import math
import pathlib
import runpy
import xml.etree.ElementTree as ET

import pytest

EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "examples" / "picture.py"
NS = "{http://www.w3.org/2000/svg}"


def draw(directory, bulk):
    """Runs the example into directory/picture.svg, the points coloured through
    planara.array (bulk) or one by one, as without numpy."""
    path = directory / "picture.svg"
    main = runpy.run_path(str(EXAMPLE))["main"]
    if bulk:
        assert main.__globals__["bulk"] is not None, "planara.array did not load"
    else:
        main.__globals__["bulk"] = None
    main([str(path)])
    return path


@pytest.fixture(scope="module", params=[True, False], ids=["numpy", "no numpy"])
def picture(request, tmp_path_factory):
    return draw(tmp_path_factory.mktemp("picture"), request.param)


@pytest.fixture(scope="module")
def svg(picture):
    return ET.parse(picture).getroot()  # raises unless well-formed


def test_both_ways_of_colouring_draw_the_same_picture(tmp_path_factory):
    drawn = [draw(tmp_path_factory.mktemp("both"), bulk).read_text() for bulk in (True, False)]
    assert drawn[0] == drawn[1]


def by_id(svg, ident):
    found = [el for el in svg.iter() if el.get("id") == ident]
    assert len(found) == 1, ident
    return found[0]


def floats(el, *names):
    return [float(el.get(n)) for n in names]


def triangle_corners(svg):
    return [tuple(map(float, xy.split(","))) for xy in by_id(svg, "triangle").get("points").split()]


def cross(o, a, b):
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def test_every_part_is_drawn(svg):
    assert svg.tag == NS + "svg"
    assert [el.tag for el in by_id(svg, "bboxes")] == [NS + "rect"] * 4
    for ident in ("triangle", "circle", "rectangle", "union", "line", "perpendicular", "legend"):
        by_id(svg, ident)
    classes = [el.get("class") for el in by_id(svg, "points")]
    assert {c: classes.count(c) for c in set(classes)}.keys() == {"inside", "boundary", "outside"}
    assert classes.count("boundary") == 3 and len(classes) > 300


def test_points_are_coloured_by_their_side_of_the_triangle(svg):
    corners = triangle_corners(svg)
    edges = list(zip(corners, corners[1:] + corners[:1]))
    for el in by_id(svg, "points"):
        p = floats(el, "cx", "cy")
        # Signed distances to the edges, in pixels (the picture's y axis points down).
        dist = [cross(a, b, p) / math.dist(a, b) for a, b in edges]
        near_edge = min(map(abs, dist)) < 0.02  # within the rounding of the drawing
        if el.get("class") == "boundary":
            assert near_edge, p
        elif not near_edge:
            inside = all(d < 0 for d in dist) or all(d > 0 for d in dist)
            assert el.get("class") == ("inside" if inside else "outside"), p


def test_circle_runs_through_the_marked_points(svg):
    cx, cy, r = floats(by_id(svg, "circle"), "cx", "cy", "r")
    marks = [floats(el, "cx", "cy") for el in by_id(svg, "marks")]
    assert [math.dist((cx, cy), m) for m in marks[:3]] == pytest.approx([r] * 3, abs=0.02)
    assert marks[3] == [cx, cy]


def test_perpendicular_meets_the_line_at_right_angles_at_the_foot(svg):
    (x1, y1, x2, y2), (u1, v1, u2, v2) = (
        floats(by_id(svg, i), "x1", "y1", "x2", "y2") for i in ("line", "perpendicular"))
    dot = (x2 - x1) * (u2 - u1) + (y2 - y1) * (v2 - v1)
    assert dot == pytest.approx(0, abs=1e-3 * math.dist((x1, y1), (x2, y2)) ** 2)
    foot = floats(list(by_id(svg, "marks"))[4], "cx", "cy")
    for a, b in (((x1, y1), (x2, y2)), ((u1, v1), (u2, v2))):
        assert abs(cross(a, b, foot)) / math.dist(a, b) < 0.02


def test_bounding_boxes_hold_their_shapes_and_the_union_holds_them_all(svg):
    rects = [floats(el, "x", "y", "width", "height") for el in by_id(svg, "bboxes")]
    (tx, ty, tw, th), (kx, ky, kw, kh), rect, (ux, uy, uw, uh) = rects
    corners = triangle_corners(svg)
    assert (min(c[0] for c in corners), min(c[1] for c in corners)) == pytest.approx((tx, ty), abs=0.01)
    cx, cy, r = floats(by_id(svg, "circle"), "cx", "cy", "r")
    assert (kx, ky, kw, kh) == pytest.approx((cx - r, cy - r, 2 * r, 2 * r), abs=0.02)
    assert rect == floats(by_id(svg, "rectangle"), "x", "y", "width", "height")
    for x, y, w, h in rects[:3]:
        assert ux <= x and uy <= y and x + w <= ux + uw + 0.01 and y + h <= uy + uh + 0.01
