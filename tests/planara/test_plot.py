"""planara.plot draws what the objects hold: the geometry of the artists, not
their pixels, on the Agg backend."""

import math
import subprocess
import sys
import textwrap

import matplotlib
import numpy as np
import pytest
from hypothesis import given, settings, strategies as st
from matplotlib import collections as mcollections, colors as mcolors, patches as mpatches
from matplotlib.backends.backend_agg import FigureCanvasAgg
from matplotlib.figure import Figure
from matplotlib.path import Path
from matplotlib.transforms import Bbox

import planara.array
import planara.plot
from planara import (Bbox2, Circle2, Direction2, IsoRectangle2, Line2, Point2, Ray2, Segment2,
                     Triangle2, Vector2, orientation)

NAN = math.nan


def new_axes():
    fig = Figure()
    FigureCanvasAgg(fig)
    return fig.add_subplot()


@pytest.fixture
def ax():
    return new_axes()


def redraw(ax, xlim=None, ylim=None):
    if xlim is not None:
        ax.set_xlim(*xlim)
        ax.set_ylim(*ylim)
    ax.figure.canvas.draw()


def drawn_vertices(artist):
    """The vertices an artist draws, in data coordinates."""
    if isinstance(artist, mcollections.Collection):
        return [path.vertices for path in artist.get_paths()]
    display = artist.get_transform().transform(artist.get_path().vertices)
    return [artist.axes.transData.inverted().transform(display)]


def coords(points):
    return [(p.x, p.y) for p in points]


T = Triangle2(Point2(0, 0), Point2(4, 0), Point2(1, 3))
R = IsoRectangle2(Point2(3, 1), Point2(1, 4))
B = Bbox2(-1, -2, 5, 6)
SHAPES = [(T, coords(T)), (R, coords(R)),
          (B, [(-1, -2), (5, -2), (5, 6), (-1, 6)])]


@pytest.mark.parametrize("many", [False, True], ids=["one", "many"])
@pytest.mark.parametrize("shape, corners", SHAPES, ids=["Triangle2", "IsoRectangle2", "Bbox2"])
def test_shapes_are_polygons_through_their_vertices_in_order(ax, shape, corners, many):
    drawn = planara.plot.draw([shape, shape] if many else shape, ax)
    if many:
        (collection,) = drawn
        assert isinstance(collection, mcollections.PolyCollection)
        outlines = [path.vertices[:len(corners)] for path in collection.get_paths()]
    else:
        assert isinstance(drawn, mpatches.Polygon)
        outlines = [drawn.get_xy()[:len(corners)]]
    assert [o.tolist() for o in outlines] == [[list(c) for c in corners]] * len(outlines)
    redraw(ax)
    x0, x1 = ax.get_xlim()
    assert x0 <= min(c[0] for c in corners) and max(c[0] for c in corners) <= x1


def test_boxes_are_dashed_and_hollow_and_shapes_faintly_filled(ax):
    box, triangle = planara.plot.draw(B, ax), planara.plot.draw(T, ax, color="red")
    assert box.get_linestyle() == "--" and box.get_facecolor()[3] == 0
    assert triangle.get_edgecolor() == mcolors.to_rgba("red")
    assert triangle.get_facecolor() == mcolors.to_rgba("red", planara.plot.FILL_ALPHA)


@pytest.mark.parametrize("many", [False, True], ids=["one", "many"])
def test_circles_have_the_centre_and_the_root_of_the_squared_radius(ax, many):
    circle = Circle2(Point2(1, 2), 2.25)
    drawn = planara.plot.draw([circle] if many else circle, ax)
    if many:
        (path,) = drawn[0].get_paths()
        extents = path.get_extents()
        assert (extents.x0, extents.y0, extents.x1, extents.y1) == pytest.approx((-0.5, 0.5, 2.5, 3.5))
    else:
        assert isinstance(drawn, mpatches.Circle)
        assert tuple(drawn.center) == (1, 2) and drawn.radius == 1.5
    redraw(ax)
    assert ax.get_xlim()[0] <= -0.5 and ax.get_ylim()[1] >= 3.5


def on_line(line, xy):
    a, b, c = line
    return abs(a * xy[0] + b * xy[1] + c) <= 1e-9 * max(1.0, abs(c), *map(abs, xy))


def in_view(ax, xy, slack=1e-9):
    (x0, x1), (y0, y1) = sorted(ax.get_xlim()), sorted(ax.get_ylim())
    span = max(x1 - x0, y1 - y0)
    return (x0 - slack * span <= xy[0] <= x1 + slack * span
            and y0 - slack * span <= xy[1] <= y1 + slack * span)


def on_view_edge(ax, xy):
    (x0, x1), (y0, y1) = ax.get_xlim(), ax.get_ylim()
    span = max(abs(x1 - x0), abs(y1 - y0))
    return min(abs(xy[0] - x0), abs(xy[0] - x1), abs(xy[1] - y0), abs(xy[1] - y1)) <= 1e-9 * span


def check_cut_to_view(ax, artist, line, source=None):
    """The drawn part of a line (or of a ray from source) lies in the view, on the
    line, and runs to the view's edges; nothing at all when it misses the view."""
    (ends,) = drawn_vertices(artist)
    (x0, x1), (y0, y1) = sorted(ax.get_xlim()), sorted(ax.get_ylim())
    view = Bbox.from_extents(x0, y0, x1, y1)
    if np.isnan(ends).all() or not Path(ends).intersects_bbox(view, filled=False):
        return False
    for end in ends:
        assert in_view(ax, end) and on_line(line, end), (ends, ax.get_xlim(), ax.get_ylim())
        if source is None or not np.allclose(end, source, rtol=0, atol=1e-12):
            assert on_view_edge(ax, end), (ends, ax.get_xlim(), ax.get_ylim())
    return True


CUTS = [  # an object, views to zoom to, and in which of them it shows
    (Line2(Point2(0, 1), Point2(1, 3)),
     [((-10, 10), (-3, 7)), ((2, 3), (-1, 8)), ((100, 200), (-50, -40)), ((5, -5), (4, -4))],
     [True, True, False, True]),
    (Ray2(Point2(1, 1), Vector2(1, 2)),
     [((0, 5), (0, 5)), ((-10, 0), (-10, 0)), ((1.5, 3), (1, 9))],
     [True, False, True]),
]


@pytest.mark.parametrize("many", [False, True], ids=["one", "many"])
@pytest.mark.parametrize("obj, views, shown", CUTS, ids=["Line2", "Ray2"])
def test_lines_and_rays_are_cut_to_the_view_after_every_zoom(ax, obj, views, shown, many):
    drawn = planara.plot.draw([obj] if many else obj, ax)
    artist = drawn[0] if many else drawn
    ray = isinstance(obj, Ray2)
    line = obj.supporting_line() if ray else obj
    source = (obj.source().x, obj.source().y) if ray else None
    seen = []
    for xlim, ylim in views:
        redraw(ax, xlim, ylim)
        seen.append(check_cut_to_view(ax, artist, (line.a, line.b, line.c), source))
    assert seen == shown


views = st.tuples(st.floats(-50, 50), st.floats(-50, 50), st.floats(0.01, 60), st.floats(0.01, 60))
small = st.floats(-20, 20, allow_subnormal=False)


@settings(max_examples=60, deadline=None)
@given(st.tuples(small, small, small, small), st.sampled_from([Line2, Ray2]), views)
def test_lines_and_rays_in_random_views(pq, cls, view):
    p, q = Point2(*pq[:2]), Point2(*pq[2:])
    if p.x == q.x and p.y == q.y:
        return
    ax = new_axes()
    (artist,) = planara.plot.draw([cls(p, q)], ax)
    x, y, w, h = view
    redraw(ax, (x, x + w), (y, y + h))
    line = Line2(p, q)
    check_cut_to_view(ax, artist, (line.a, line.b, line.c), source=(p.x, p.y) if cls is Ray2 else None)


def test_ten_thousand_triangles_are_one_collection(ax):
    corners = np.random.default_rng(7).uniform(0, 100, (10_000, 3, 2))
    triangles = [Triangle2(*(Point2(x, y) for x, y in t)) for t in corners.tolist()]
    (collection,) = planara.plot.draw(triangles, ax)
    assert isinstance(collection, mcollections.PolyCollection)
    assert len(ax.get_children()) - len(new_axes().get_children()) == 1
    paths = collection.get_paths()
    assert len(paths) == 10_000 and np.array_equal(paths[9_999].vertices[:3], corners[9_999])


def test_mixed_arrays_draw_one_collection_per_class_in_order(ax):
    objects = np.array([[Point2(0, 0), T, Point2(1, 1)],
                        [Circle2(Point2(0, 0), 1.0), T, Segment2(Point2(0, 0), Point2(1, 1))]],
                       dtype=object)
    drawn = planara.plot.draw(objects, ax)
    assert [type(c).__name__ for c in drawn] == [
        "PathCollection", "PolyCollection", "_Circles", "LineCollection"]
    assert [len(c.get_offsets()) if i == 0 else len(c.get_paths())
            for i, c in enumerate(drawn)] == [2, 2, 1, 1]
    nested = planara.plot.draw([Point2(0, 0), (Point2(1, 1), [Point2(2, 2)])], ax)
    assert nested[0].get_offsets().tolist() == [[0, 0], [1, 1], [2, 2]]


def test_arrows_start_at_the_origin_or_at_the_point_given(ax):
    vector = planara.plot.draw(Vector2(3, 4), ax)
    direction = planara.plot.draw([Direction2(3, 4)], ax, at=Point2(1, 1))[0]
    assert (vector.X, vector.Y, vector.U, vector.V) == ([0], [0], [3], [4])
    assert (direction.X, direction.Y) == ([1], [1])
    assert [*direction.U, *direction.V] == pytest.approx([0.6, 0.8])
    redraw(ax)
    assert ax.get_xlim()[1] >= 3 and ax.get_ylim()[1] >= 4  # the tips are in view


DEGENERATE = [
    (Segment2(Point2(1, 1), Point2(1, 1)), True),
    (Ray2(Point2(1, 1), Point2(1, 1)), True),
    (Direction2(0, 0), True),
    (Triangle2(Point2(0, 0), Point2(1, 1), Point2(2, 2)), True),
    (Circle2(Point2(0, 0), Point2(1, 1), Point2(2, 2)), False),  # centre (-inf, inf)
    (Circle2(Point2(0, 0), Point2(0, 0), Point2(0, 0)), False),  # centre NaN
    (Circle2(Point2(0, 0), -1.0), False),
    (Circle2(Point2(0, 0), NAN), False),
    (Circle2(Point2(0, 0), math.inf), False),
    (Line2(0, 0, 1), False),
    (Line2(NAN, 1, 0), False),
    (Point2(NAN, 0), False),
    (Segment2(Point2(0, 0), Point2(math.inf, 0)), False),
    (IsoRectangle2(NAN, 0, 1, 1), False),
    (Bbox2(), False),  # the empty box
    (Vector2(math.inf, 0), False),
]


@pytest.mark.parametrize("obj, drawable", DEGENERATE, ids=lambda v: repr(v)[:40])
def test_degenerate_objects_draw_or_are_left_out_without_raising(ax, obj, drawable):
    assert (planara.plot.draw(obj, ax) is not None) == drawable
    (collection,) = planara.plot.draw([obj, obj], ax)
    count = len(collection.get_offsets() if isinstance(obj, Point2) else
                collection.U if isinstance(obj, (Vector2, Direction2)) else collection.get_paths())
    assert count == (2 if drawable else 0)
    redraw(ax)
    assert all(map(math.isfinite, ax.get_xlim() + ax.get_ylim()))


@pytest.mark.parametrize("many", [False, True], ids=["one", "many"])
def test_a_huge_circle_is_drawn_near_the_view_when_zoomed_in(ax, many):
    circle = Circle2(Point2(0, 0), Point2(1, 1e-12), Point2(2, 0))  # nearly collinear
    drawn = planara.plot.draw([circle] if many else circle, ax)
    redraw(ax)
    assert ax.get_ylim()[0] < -1e12  # the view holds the whole circle
    redraw(ax, (-1, 3), (-1, 2))
    (outline,) = drawn_vertices(drawn[0] if many else drawn)
    assert len(outline) < 1000
    centre, radius = circle.center(), math.sqrt(circle.squared_radius())
    near = [xy for xy in outline if in_view(ax, xy, slack=0.5)]
    assert near and all(math.hypot(x - centre.x, y - centre.y) == pytest.approx(radius, abs=1e-3)
                        for x, y in near)
    path = (drawn[0].get_paths()[0] if many else
            drawn.get_transform().transform_path(drawn.get_path()))
    below, above = (1, -0.5), (1, 0.5)
    if not many:
        below, above = ax.transData.transform([below, above])
    assert path.contains_point(below) and not path.contains_point(above)


def test_points_are_markers(ax):
    xy = [[0, 0], [1, 2], [NAN, 3]]
    drawn = planara.plot.points(xy, ax=ax, s=4)
    assert isinstance(drawn, mcollections.PathCollection)
    assert drawn.get_offsets().tolist() == [[0, 0], [1, 2]] and drawn.get_sizes().tolist() == [4]


# Random points, and three on the diagonal: a vertex of T, inside it, on an edge.
XY = np.vstack([np.random.default_rng(3).uniform(-1, 5, (397, 2)), [[0, 0], [1, 1], [2, 2]]])


@pytest.mark.parametrize("codes, labels, colors, expected", [
    (planara.array.bounded_side(T, XY), None, None,
     {-1: ("outside", "#4c9bd6"), 0: ("boundary", "#222222"), 1: ("inside", "#e4572e")}),
    (planara.array.orientation(XY, [0, 0], [1, 1]), {-1: "right", 0: "on", 1: "left"},
     {0: "k"}, {-1: ("right", "#4c9bd6"), 0: ("on", "k"), 1: ("left", "#e4572e")}),
    (planara.array.has_on(Line2(1, -1, 0), XY), None, {False: "grey"},
     {False: ("not on", "grey"), True: ("on", "#e4572e")}),
    (np.arange(400) % 2 == 0, {True: "even"}, None,
     {False: ("not on", "#4c9bd6"), True: ("even", "#e4572e")}),
], ids=["sides", "turns", "has_on", "bools"])
def test_point_colours_and_legend_follow_the_codes(ax, codes, labels, colors, expected):
    drawn = planara.plot.points(XY, codes, ax=ax, labels=labels, colors=colors)
    assert list(drawn) == sorted(expected)
    for code, (label, color) in expected.items():
        assert drawn[code].get_label() == label
        assert mcolors.same_color(drawn[code].get_facecolor()[0], color)
        assert np.array_equal(drawn[code].get_offsets(), XY[codes == code])
    assert [t.get_text() for t in ax.get_legend().get_texts()] == [
        label for label, _ in expected.values()]


@pytest.mark.parametrize("indexing", ["xy", "ij"])
def test_a_grid_of_codes_is_drawn_as_cells_that_tile(ax, indexing):
    xs, ys = np.array([0.0, 1, 3, 4]), np.array([5.0, 4, 2])
    grid = np.stack(np.meshgrid(xs, ys, indexing=indexing), axis=-1)
    codes = planara.array.orientation(grid, [0, 0], [4, 4])
    drawn = planara.plot.points(grid, codes, ax=ax)
    assert all(isinstance(c, mcollections.PolyCollection) for c in drawn.values())
    area = 0
    for code, collection in drawn.items():
        centres = grid[codes == code]
        for path, (x, y) in zip(collection.get_paths(), centres, strict=True):
            assert path.contains_point((x, y))
            box = path.get_extents()
            area += box.width * box.height
    assert area == (4.5 - -0.5) * (5.5 - 1)  # the cells cover the grid's span once
    ax.clear()
    markers = planara.plot.points(grid, codes, ax=ax, cells=False)
    assert all(isinstance(c, mcollections.PathCollection) for c in markers.values())


@pytest.mark.parametrize("obj, message", [
    (orientation(Point2(0, 0), Point2(1, 0), Point2(0, 1)), "cannot draw OrientationResult"),
    ("triangle", "cannot draw str"),
    (3.0, "cannot draw float"),
    ({Point2(0, 0)}, "cannot draw set"),
    (np.zeros((3, 2)), "cannot draw an array of float64: .*points draws arrays"),
    ([T, None], "cannot draw NoneType: it takes Point2, Segment2"),
])
def test_draw_refuses_what_it_cannot_draw_before_drawing_anything(ax, obj, message):
    before = len(ax.get_children())
    with pytest.raises(TypeError, match=message):
        planara.plot.draw(obj, ax)
    assert len(ax.get_children()) == before


@pytest.mark.parametrize("call, error, message", [
    (lambda ax: planara.plot.draw(T, "red"), TypeError, "ax must be a matplotlib Axes"),
    (lambda ax: planara.plot.draw(Vector2(1, 1), ax, at=(0, 0)), TypeError, "at must be a Point2"),
    (lambda ax: planara.plot.points([[0, 0, 0]], ax=ax), ValueError, "last axis of length 2"),
    (lambda ax: planara.plot.points([["a", 0]], ax=ax), TypeError, "real numbers"),
    (lambda ax: planara.plot.points(XY, np.zeros(400), ax=ax), TypeError, "ints or bools"),
    (lambda ax: planara.plot.points(XY, np.zeros(3, int), ax=ax), ValueError, "one entry per point"),
    (lambda ax: planara.plot.points(XY, np.full(400, 2), ax=ax), ValueError, "colors={2: ...}"),
    (lambda ax: planara.plot.points(XY, np.zeros(400, int), ax=ax, color="k"), TypeError,
     "colors= and labels="),
    (lambda ax: planara.plot.points(XY, np.zeros(400, int), ax=ax, cells=True), ValueError,
     "needs a grid"),
])
def test_bad_arguments_are_refused(ax, call, error, message):
    with pytest.raises(error, match=message):
        call(ax)


def test_equal_aspect_by_default_and_the_current_axes_without_ax():
    import matplotlib.pyplot as plt

    fig = plt.figure()
    try:
        drawn = planara.plot.draw(T, label="T")
        assert drawn.axes is plt.gca() and plt.gca().get_aspect() == 1.0
        planara.plot.points(XY, ax=plt.gca(), aspect=None, label="points")
        assert [t.get_text() for t in plt.gca().legend().get_texts()] == ["T", "points"]
    finally:
        plt.close(fig)
    ax = new_axes()
    planara.plot.draw(T, ax, aspect=None)
    assert ax.get_aspect() == "auto"


def run_fresh(code):
    proc = subprocess.run([sys.executable, "-c", textwrap.dedent(code)], capture_output=True,
                          text=True, timeout=120)
    assert proc.returncode == 0, proc.stderr
    return proc.stdout


def test_only_planara_plot_imports_matplotlib():
    assert run_fresh("""
        import sys
        import planara, planara.array
        print("matplotlib" in sys.modules)
        planara.plot
        print("matplotlib" in sys.modules)
    """).split() == ["False", "True"]


def test_without_matplotlib_importing_planara_plot_names_the_extra():
    out = run_fresh("""
        import sys
        sys.modules["matplotlib"] = None
        import planara, planara.array
        for attempt in ("import planara.plot", "planara.plot"):
            try:
                exec(attempt)
            except ImportError as exc:
                print(exc)
    """)
    assert out.splitlines() == ["planara.plot needs matplotlib: install the 'plot' extra, "
                                "pip install 'planara_core[plot]'"] * 2
