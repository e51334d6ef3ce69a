"""Pictures of planara_core objects and point arrays, drawn with matplotlib.

Two entry points, in the manner of matplotlib's own plotting functions: each
draws on the Axes it is given (the current one when ax is None), passes its
style keywords on to matplotlib, returns what it drew and, unless told
otherwise, gives the Axes an equal aspect, so that circles look round.

- ``draw(obj, ax=None, **style)`` draws one object, or a list or object array of
  them (any shape, classes mixed), as one collection per class;
- ``points(xy, codes=None, *, ax=None, **style)`` draws an array of points,
  coloured by the codes that planara.array returns, with a legend naming them.

Numbers are read through the objects' public accessors. Whatever cannot be
drawn (a non-finite coordinate, a circle whose squared radius is negative or
NaN, a line with a = b = 0) is left out rather than handed to matplotlib.
"""

from __future__ import annotations

import contextlib

try:
    import matplotlib.axes
    import numpy as np
    from matplotlib import cbook, collections as mcollections, colors as mcolors
    from matplotlib import lines as mlines, patches as mpatches, path as mpath
    from matplotlib import transforms as mtransforms
except ImportError as exc:
    raise ImportError("planara.plot needs matplotlib: install the 'plot' extra, "
                      "pip install 'planara_core[plot]'") from exc

from planara_core import (Bbox2, Circle2, Direction2, IsoRectangle2, Line2, Point2, Ray2,
                          Segment2, Triangle2, Vector2)

__all__ = ["draw", "points"]

# Unless a colour is given, everything is drawn in the first colour of
# matplotlib's cycle, and the insides of shapes in the same colour, faint.
DEFAULT_COLOR = "C0"
FILL_ALPHA = 0.25
# Colours and legend entries of the codes of planara.array: the sides of
# bounded_side (and of oriented_side and orientation, whose names callers give),
# and the answers of has_on.
SIDE_COLORS = {-1: "#4c9bd6", 0: "#222222", 1: "#e4572e"}
SIDE_LABELS = {-1: "outside", 0: "boundary", 1: "inside"}
TRUTH_COLORS = {False: "#4c9bd6", True: "#e4572e"}
TRUTH_LABELS = {False: "not on", True: "on"}


def draw(obj, ax=None, *, at=None, aspect="equal", **style):
    """Draw a planara_core object, or a list or object array of them, on ax.

    One object gives one artist:

    - Point2: a marker (a PathCollection, as from Axes.scatter);
    - Segment2: a line (Line2D);
    - Triangle2, IsoRectangle2: a Polygon patch through the vertices in their
      order, filled faintly in the edge colour unless a facecolor is given;
    - Bbox2: a Polygon patch, dashed and unfilled by default: a box is a bound,
      not a shape;
    - Circle2: a matplotlib Circle patch of the centre and the square root of
      the squared radius. The circle through three collinear points holds a
      centre and radius that are infinite or NaN, as the kernel computes them,
      so nothing is drawn; through nearly collinear points it is enormous, its
      arc through the points looks straight, and while it is far larger than
      the view, only its part near the view is drawn, as a fine polygon;
    - Line2: an infinite line (Axes.axline), cut to the view whenever it is
      drawn, so also after pan and zoom;
    - Ray2: a LineCollection of one ray, from its source to the edge of the view,
      likewise recomputed whenever it is drawn; a ray whose two points
      coincide is a line of no length at its source;
    - Vector2, Direction2: arrows (a Quiver) from `at` (the origin by default),
      vectors as long as they are, directions of length 1.

    Nothing is drawn, and None returned, for an object with a non-finite
    coordinate, a circle whose squared radius is negative or NaN, and a line
    with a = b = 0, which has no points.

    A list, tuple or numpy object array (of any shape, nested lists included)
    is flattened and drawn as one collection per class, in the order the
    classes first appear: PathCollection for points, LineCollection for
    segments, lines and rays, PolyCollection for triangles, rectangles and
    boxes, a PolyCollection of circles and a Quiver for arrows. Objects that
    cannot be drawn are left out.

    Parameters
    ----------
    obj : planara_core object, or list, tuple or object array of them
        What to draw: Point2, Segment2, Triangle2, IsoRectangle2, Bbox2, Circle2,
        Line2, Ray2, Vector2 or Direction2.
    ax : matplotlib.axes.Axes, optional
        Where to draw; the current Axes (pyplot's) by default.
    at : Point2, optional
        Where arrows of vectors and directions start; the origin by default.
    aspect : {"equal", "auto"}, float or None, default "equal"
        Set on the Axes, so that circles look round; None leaves it alone.
    **style
        Passed on to every artist (color, linewidth, linestyle, alpha, label,
        zorder, ...); ``color`` colours lines and edges, and the insides of shapes
        faintly.

    Returns
    -------
    matplotlib artist, None, or list of matplotlib collections
        For one object, its artist (None if it cannot be drawn); for many, the
        list of collections, one per class.

    Raises
    ------
    TypeError
        If obj (or an element) is of another class, ax is not an Axes or at not a
        Point2; nothing is drawn then.

    Examples
    --------
    >>> import matplotlib
    >>> matplotlib.use("Agg")
    >>> import matplotlib.pyplot as plt
    >>> import planara.plot
    >>> from planara import Point2, Triangle2
    >>> fig, ax = plt.subplots()
    >>> t = Triangle2(Point2(0, 0), Point2(4, 0), Point2(1, 3))
    >>> planara.plot.draw(t, ax, color="C1").get_xy().tolist()
    [[0.0, 0.0], [4.0, 0.0], [1.0, 3.0], [0.0, 0.0]]
    >>> [type(c).__name__ for c in planara.plot.draw([t, Point2(1, 1), t.bbox()], ax)]
    ['PolyCollection', 'PathCollection', 'PolyCollection']
    >>> plt.close(fig)
    """
    ax = _axes(ax)
    start = _start(at)
    if _kind(obj) is not None:
        drawn = _draw_one(ax, obj, start, style)
    else:
        drawn = [_draw_many(ax, group, start, style) for group in _groups(obj).values()]
    _finish(ax, aspect)
    return drawn


def points(xy, codes=None, *, ax=None, labels=None, colors=None, legend=True, cells=None,
           aspect="equal", **style):
    """Draw the points of xy on ax, in one colour or coloured by codes.

    Without codes, the points are markers of one colour (a PathCollection, as
    from Axes.scatter, with style passed on) and that collection is returned.

    Codes (the results of planara.array, one per point) colour the points: -1
    outside, 0 boundary, 1 inside, and False and True ("not on", "on"), each in
    its own colour and its own labelled collection; labels and colors rename and
    recolour them (``{-1: "right turn", 0: "collinear", 1: "left turn"}`` for
    orientations).

    A grid of points (an m x n x 2 array whose x change along one axis and y
    along the other, both strictly monotonic, as numpy.meshgrid makes) is drawn
    as the cells around its points (PolyCollections of rectangles meeting
    halfway between neighbours), which tile the plane at any zoom: a 256 x 256
    grid of codes reads as a picture.

    Points with a non-finite coordinate are left out.

    Parameters
    ----------
    xy : array_like
        Points, an array whose last axis holds x and y.
    codes : array_like of int or bool, optional
        One code per point, of xy's leading shape.
    ax : matplotlib.axes.Axes, optional
        Where to draw; the current Axes (pyplot's) by default.
    labels : mapping, optional
        Legend text by code, replacing the default names.
    colors : mapping, optional
        Matplotlib colour by code, replacing the default colours; codes other
        than -1, 0, 1, False and True need one.
    legend : bool, default True
        Whether the Axes shows a legend of the codes.
    cells : bool, optional
        True insists on drawing a grid as cells, False draws markers; by default
        cells for a grid and markers otherwise.
    aspect : {"equal", "auto"}, float or None, default "equal"
        Set on the Axes; None leaves it alone.
    **style
        Passed on to the collections (s, marker, alpha, zorder, ...). With codes,
        colours and labels come from colors and labels, not from style.

    Returns
    -------
    PathCollection or dict
        Without codes, the one collection; with codes, a dict mapping each code
        present, in code order, to its collection.

    Raises
    ------
    TypeError
        If xy or codes are not real numbers or ints, or style gives color, c or
        label together with codes.
    ValueError
        If xy's last axis is not 2 long, codes has another shape, a code has no
        colour, or cells=True is asked of points that are not a grid.

    Examples
    --------
    >>> import matplotlib
    >>> matplotlib.use("Agg")
    >>> import matplotlib.pyplot as plt
    >>> import numpy as np
    >>> import planara.array
    >>> import planara.plot
    >>> from planara import Point2, Triangle2
    >>> fig, ax = plt.subplots()
    >>> t = Triangle2(Point2(0, 0), Point2(4, 0), Point2(1, 3))
    >>> xy = np.random.default_rng(0).uniform(-2, 5, (500, 2))
    >>> drawn = planara.plot.points(xy, planara.array.bounded_side(t, xy), ax=ax, s=6)
    >>> sorted(drawn), drawn[1].get_label()
    ([-1, 1], 'inside')
    >>> plt.close(fig)
    """
    ax = _axes(ax)
    xy = _point_array(xy)
    if codes is None:
        flat = xy.reshape(-1, 2)
        drawn = _scatter(ax, flat[np.isfinite(flat).all(axis=1)], style)
    else:
        drawn = _coloured_points(ax, xy, _codes(codes, xy.shape[:-1]), labels, colors, legend,
                                 cells, style)
    _finish(ax, aspect)
    return drawn


# What draw() takes --------------------------------------------------------


def _axes(ax):
    if ax is None:
        import matplotlib.pyplot as plt

        return plt.gca()
    if not isinstance(ax, matplotlib.axes.Axes):
        raise TypeError(f"ax must be a matplotlib Axes or None, not {type(ax).__name__}")
    return ax


def _start(at):
    if at is None:
        return (0.0, 0.0)
    if not isinstance(at, Point2):
        raise TypeError(f"at must be a Point2 or None, not {type(at).__name__}")
    return (at.x, at.y)


def _kind(obj):
    """How obj's class is drawn, or None if obj is not one of the drawable classes."""
    for cls in type(obj).__mro__:
        kind = _KINDS.get(cls)
        if kind is not None:
            return kind
    return None


def _groups(obj):
    """The objects of a list, tuple or object array, by class in order of first
    appearance; TypeError for anything that is not one of them."""
    groups = {}
    for item in _flatten(obj):
        cls = type(item)
        if cls not in groups and _kind(item) is None:
            raise _refusal(item)
        groups.setdefault(cls, []).append(item)
    return groups


def _flatten(obj):
    if isinstance(obj, np.ndarray):
        if obj.dtype != object:
            raise TypeError(f"draw() cannot draw an array of {obj.dtype}: it draws planara_core "
                            "objects; planara.plot.points draws arrays of points")
        obj = obj.ravel().tolist()
    elif not isinstance(obj, (list, tuple)):
        raise _refusal(obj)
    for item in obj:
        if isinstance(item, (list, tuple, np.ndarray)):
            yield from _flatten(item)
        else:
            yield item


def _refusal(obj):
    names = ", ".join(cls.__name__ for cls in _KINDS)
    return TypeError(f"draw() cannot draw {type(obj).__name__}: it takes {names}, "
                     "or a list or object array of them")


# Drawing ------------------------------------------------------------------


class _Kind:
    """How the objects of one class are drawn: read(objects) gives their numbers,
    a row per object, frame(rows) turns those into the numbers drawn (a row with
    a non-finite one is left out), many(ax, rows, style) draws a collection and
    one(ax, row, style) a single object (by default, a collection of one). An
    arrow's drawn numbers start with those of `at`."""

    def __init__(self, read, many, one=None, frame=None, arrow=False):
        self.read, self.many, self.frame, self.arrow = read, many, frame, arrow
        self.one = one or (lambda ax, row, style: many(ax, row[np.newaxis], style))

    def rows(self, objects, start):
        rows = self.read(objects).reshape(len(objects), -1)
        if self.frame is not None:
            with np.errstate(invalid="ignore", divide="ignore", over="ignore"):
                rows = self.frame(rows)
        if self.arrow:
            rows = np.hstack([np.broadcast_to(start, (len(rows), 2)), rows])
        return rows[np.isfinite(rows).all(axis=1)]


def _draw_one(ax, obj, start, style):
    kind = _kind(obj)
    rows = kind.rows([obj], start)
    return kind.one(ax, rows[0], style) if len(rows) else None


def _draw_many(ax, objects, start, style):
    kind = _kind(objects[0])
    return kind.many(ax, kind.rows(objects, start), style)


def _finish(ax, aspect):
    if aspect is not None:
        ax.set_aspect(aspect)
    ax.autoscale_view()


def _each(numbers):
    """A reader of the objects' numbers from numbers(obj), a tuple for one object."""
    return lambda objects: np.array([numbers(obj) for obj in objects], dtype=float)


def _vertices(objects):
    """The coordinates of the vertices of Segment2s, Triangle2s or IsoRectangle2s, in order."""
    return np.array([(p.x, p.y) for obj in objects for p in obj], dtype=float)


def _xy(obj):
    return obj.x, obj.y


def _box_corners(box):
    return (box.xmin, box.ymin, box.xmax, box.ymin, box.xmax, box.ymax, box.xmin, box.ymax)


def _circle(circle):
    centre = circle.center()
    return centre.x, centre.y, circle.squared_radius()


def _radius(rows):
    return np.column_stack([rows[:, :2], np.sqrt(rows[:, 2])])


def _coefficients(line):
    return line.a, line.b, line.c


def _line_frame(rows):
    """(a, b, c) to the line's point nearest the origin and its unit direction
    (b, -a); NaN for a = b = 0."""
    length = np.hypot(rows[:, 0], rows[:, 1])
    a, b, c = (rows[:, i] / length for i in range(3))
    return np.column_stack([-a * c, -b * c, b, -a])


def _source_and_vector(ray):
    source, vector = ray.source(), ray.to_vector()
    return source.x, source.y, vector.x, vector.y


def _ray_frame(rows):
    return np.column_stack([rows[:, :2], _unit(rows[:, 2:])])


def _direction(direction):
    return direction.dx, direction.dy


def _unit(vectors):
    """Vectors scaled to length 1; zero vectors stay zero."""
    length = np.hypot(vectors[:, 0], vectors[:, 1])[:, np.newaxis]
    return np.where(length > 0, vectors / np.where(length > 0, length, 1), 0.0)


def _scatter(ax, rows, style):
    return ax.scatter(rows[:, 0], rows[:, 1], **_with_color(style, ("c", "color", "facecolor",
                                                                    "facecolors", "fc")))


def _corners(rows):
    """Rows of x, y pairs as an (objects, corners, 2) array."""
    return rows.reshape(len(rows), rows.shape[1] // 2, 2)


def _segment(ax, row, style):
    return ax.add_line(mlines.Line2D(row[0::2], row[1::2], **style))


def _segments(ax, rows, style):
    return ax.add_collection(mcollections.LineCollection(_corners(rows), **style))


def _polygon(ax, row, style):
    patch = mpatches.Polygon(row.reshape(-1, 2), closed=True, **_shape_style(style, mpatches.Patch))
    return ax.add_patch(patch)


def _polygons(ax, rows, style):
    return ax.add_collection(mcollections.PolyCollection(
        _corners(rows), **_shape_style(style, mcollections.Collection)))


def _box(ax, row, style):
    return ax.add_patch(mpatches.Polygon(row.reshape(-1, 2), closed=True,
                                         **_box_style(style, mpatches.Patch)))


def _boxes(ax, rows, style):
    return ax.add_collection(mcollections.PolyCollection(
        _corners(rows), **_box_style(style, mcollections.Collection)))


def _circle_patch(ax, row, style):
    x, y, radius = row.tolist()
    circle = _Circle((x, y), radius, **_shape_style(style, mpatches.Patch))
    with circle.whole():
        return ax.add_patch(circle)


def _circles(ax, rows, style):
    circles = _Circles(rows[:, :2], rows[:, 2], **_shape_style(style, mcollections.Collection))
    with circles.whole():
        return ax.add_collection(circles)


def _axline(ax, row, style):
    x, y, dx, dy = row.tolist()
    return ax.axline((x, y), (x + dx, y + dy), **style)


def _lines(ax, rows, style, start=-np.inf):
    lines = _ViewLines(rows[:, :2], rows[:, 2:], start, **style)
    ax.add_collection(lines, autolim=False)  # what they show depends on the view
    _extend_limits(ax, np.vstack([rows[:, :2], rows[:, :2] + rows[:, 2:]]))
    return lines


def _rays(ax, rows, style):
    return _lines(ax, rows, style, start=0.0)


def _arrows(ax, rows, style):
    options = {"angles": "xy", "scale_units": "xy", "scale": 1,
               **_with_color(style, ("color", "facecolor", "facecolors", "fc"))}
    arrows = ax.quiver(rows[:, 0], rows[:, 1], rows[:, 2], rows[:, 3], **options)
    _extend_limits(ax, rows[:, :2] + rows[:, 2:] / options["scale"])  # the tips
    return arrows


def _extend_limits(ax, xy):
    if len(xy):
        ax.update_datalim(xy)


def _with_color(style, keys):
    """style, with the default colour unless one of keys gives one."""
    return style if any(key in style for key in keys) else {"color": DEFAULT_COLOR, **style}


def _shape_style(style, artist_class):
    """A shape's style: edges in `color` and the inside in the same colour, faint,
    unless facecolor or edgecolor say otherwise."""
    style = cbook.normalize_kwargs(style, artist_class)
    color = style.pop("color", None)
    if color is None and "facecolor" not in style and "edgecolor" not in style:
        color = DEFAULT_COLOR
    if color is not None:
        style.setdefault("facecolor", mcolors.to_rgba(color, FILL_ALPHA))
        style.setdefault("edgecolor", color)
    return style


def _box_style(style, artist_class):
    """A box's style: dashed edges in `color`, nothing inside."""
    style = cbook.normalize_kwargs(style, artist_class)
    style.setdefault("edgecolor", style.pop("color", DEFAULT_COLOR))
    style.setdefault("facecolor", "none")
    style.setdefault("linestyle", "--")
    return style


class _ViewLines(mcollections.LineCollection):
    """Lines or rays p + t d (d of length 1, or 0 for a ray of no length), for t
    from `start` (-inf for lines, 0 for rays) on: each time they are drawn, the
    part inside the Axes' view."""

    def __init__(self, anchors, directions, start, **style):
        super().__init__(np.stack([anchors, anchors + directions], axis=1), **style)
        self._anchors, self._directions, self._start = anchors, directions, start
        self._cut = None  # (view bounds, paths) of the last cut

    def get_paths(self):
        if self.axes is None:
            return super().get_paths()
        bounds = tuple(self.axes.viewLim.get_points().ravel())
        if self._cut is None or self._cut[0] != bounds:
            ends = _cut_to_box(self._anchors, self._directions, self._start, bounds)
            self._cut = bounds, [mpath.Path(segment) for segment in ends]
        return self._cut[1]


class _WholeOrNearView:
    """A circle's outline, or several, that while drawn far larger than the view
    is the part near the view (see _near_view). Within whole() it is always the
    whole circle, as the data limits of the Axes must see it."""

    _whole = False

    @contextlib.contextmanager
    def whole(self):
        self._whole = True
        try:
            yield
        finally:
            self._whole = False

    def _near_view(self, centre, radius):
        return None if self._whole or self.axes is None else _near_view(centre, radius, self.axes)


class _Circle(_WholeOrNearView, mpatches.Circle):
    def get_path(self):
        near = self._near_view(np.asarray(self.center), self.radius)
        return super().get_path() if near is None else near

    def get_patch_transform(self):
        # The part near the view is in data coordinates already.
        near = self._near_view(np.asarray(self.center), self.radius)
        return super().get_patch_transform() if near is None else mtransforms.IdentityTransform()


class _Circles(_WholeOrNearView, mcollections.PolyCollection):
    """Circles, their outlines in data coordinates."""

    def __init__(self, centres, radii, **style):
        super().__init__([], **style)
        unit = mpath.Path.unit_circle()
        vertices = centres[:, np.newaxis, :] + radii[:, np.newaxis, np.newaxis] * unit.vertices
        self.set_verts_and_codes(vertices, [unit.codes] * len(vertices))
        self._centres, self._radii = centres, radii

    def get_paths(self):
        paths = super().get_paths()
        if self._whole or self.axes is None or not len(paths):
            return paths
        huge = np.flatnonzero(self._radii * _pixels_per_unit(self.axes) > HUGE_RADIUS)
        if len(huge):
            paths = list(paths)
            for i in huge:
                paths[i] = self._near_view(self._centres[i], self._radii[i])
        return paths


# matplotlib cuts a curve into straight pieces, as many as its size on screen
# asks for, to draw it or to place a legend beside it, so a circle far larger
# than the view (through nearly collinear points, zoomed in) would take
# minutes. Beyond this radius in pixels only the part of the circle near the
# view is drawn, as a polygon.
HUGE_RADIUS = 1e6


def _pixels_per_unit(ax):
    view = ax.viewLim
    return max(abs(ax.bbox.width / view.width), abs(ax.bbox.height / view.height))


def _near_view(centre, radius, ax):
    """For a circle drawn much larger than ax's view, a polygon path (in data
    coordinates) that is the disc within a view's diagonal of the view's middle;
    None for a circle of an ordinary size."""
    if not radius * _pixels_per_unit(ax) > HUGE_RADIUS:
        return None
    view = ax.viewLim
    middle = np.array([(view.x0 + view.x1) / 2, (view.y0 + view.y1) / 2])
    reach = np.hypot(view.width, view.height)
    offset = middle - centre
    distance = np.hypot(*offset)
    if distance + reach <= radius:  # all of it inside: a square about the view
        return _closed_path(middle + reach * np.array([[-1, -1], [1, -1], [1, 1], [-1, 1]]))
    if distance - reach >= radius:  # all of it outside
        return mpath.Path(np.empty((0, 2)))
    # The arc around the point of the circle nearest the middle, reaching well
    # past the view on both sides, closed by points inside the circle, further
    # from the view than its diagonal.
    outward = offset / distance
    along = np.array([-outward[1], outward[0]])
    angles = np.linspace(-3 * reach, 3 * reach, 257) / radius
    nearest = centre + radius * outward
    arc = (nearest + np.outer(-2 * radius * np.sin(angles / 2) ** 2, outward)
           + np.outer(radius * np.sin(angles), along))
    return _closed_path(np.vstack([arc, arc[[-1, 0]] - 3 * reach * outward]))


def _closed_path(vertices):
    return mpath.Path(np.vstack([vertices, vertices[:1]]), closed=True)


def _cut_to_box(anchors, directions, start, bounds):
    """The ends of the parts of p + t d, t >= start, inside the box bounds (x0, y0,
    x1, y1), as an (n, 2, 2) array; NaN for those that miss it."""
    low = np.minimum(bounds[:2], bounds[2:])
    high = np.maximum(bounds[:2], bounds[2:])
    first = np.full(len(anchors), start, dtype=float)
    last = np.full(len(anchors), np.inf)
    missed = np.zeros(len(anchors), dtype=bool)
    # A direction too small along an axis to cross the box gives infinite
    # parameters there, as a zero one does.
    with np.errstate(divide="ignore", invalid="ignore", over="ignore"):
        for axis in (0, 1):
            p, d = anchors[:, axis], directions[:, axis]
            to_low, to_high = (low[axis] - p) / d, (high[axis] - p) / d
            moving = d != 0
            first = np.where(moving, np.maximum(first, np.minimum(to_low, to_high)), first)
            last = np.where(moving, np.minimum(last, np.maximum(to_low, to_high)), last)
            missed |= ~moving & ((p < low[axis]) | (p > high[axis]))
        last = np.where(np.isinf(last), first, last)  # a ray of no length ends where it starts
        missed |= ~(first <= last)
        ends = (anchors[:, np.newaxis, :]
                + np.stack([first, last], axis=1)[..., np.newaxis] * directions[:, np.newaxis, :])
    ends[missed | ~np.isfinite(ends).all(axis=(1, 2))] = np.nan
    return ends


_KINDS = {
    Point2: _Kind(_each(_xy), _scatter),
    Segment2: _Kind(_vertices, _segments, one=_segment),
    Triangle2: _Kind(_vertices, _polygons, one=_polygon),
    IsoRectangle2: _Kind(_vertices, _polygons, one=_polygon),
    Bbox2: _Kind(_each(_box_corners), _boxes, one=_box),
    Circle2: _Kind(_each(_circle), _circles, one=_circle_patch, frame=_radius),
    Line2: _Kind(_each(_coefficients), _lines, one=_axline, frame=_line_frame),
    Ray2: _Kind(_each(_source_and_vector), _rays, frame=_ray_frame),
    Vector2: _Kind(_each(_xy), _arrows, arrow=True),
    Direction2: _Kind(_each(_direction), _arrows, frame=_unit, arrow=True),
}


# Points by code -----------------------------------------------------------


def _point_array(xy):
    try:
        xy = np.asarray(xy, dtype=float)
    except (TypeError, ValueError) as exc:
        raise TypeError(f"xy must be an array-like of real numbers: {exc}") from None
    if xy.ndim == 0 or xy.shape[-1] != 2:
        raise ValueError(f"xy must have a last axis of length 2 (x, y), but its shape is {xy.shape}")
    return xy


def _codes(codes, shape):
    codes = np.asarray(codes)
    if codes.dtype.kind not in "biu":
        raise TypeError(f"codes must be ints or bools, not {codes.dtype}")
    if codes.shape != shape:
        raise ValueError(f"codes must have one entry per point, shape {shape}, not {codes.shape}")
    return codes


def _legend_entries(codes, labels, colors):
    """The legend text and colour of every code present, in code order."""
    truth = codes.dtype.kind == "b"
    names = {**(TRUTH_LABELS if truth else SIDE_LABELS), **(labels or {})}
    palette = {**(TRUTH_COLORS if truth else SIDE_COLORS), **(colors or {})}
    present = [code.item() for code in np.unique(codes)]
    missing = [code for code in present if code not in palette]
    if missing:
        raise ValueError(f"codes holds {missing[0]!r}, which has no colour: give "
                         f"colors={{{missing[0]!r}: ...}}")
    return ({code: str(names.get(code, code)) for code in present},
            {code: palette[code] for code in present})


def _coloured_points(ax, xy, codes, labels, colors, legend, cells, style):
    for key in ("color", "c", "label"):
        if key in style:
            raise TypeError(f"points() with codes takes colors= and labels=, not {key}=")
    names, palette = _legend_entries(codes, labels, colors)
    grid = _grid(xy) if cells is not False else None
    if cells and grid is None:
        raise ValueError("cells=True needs a grid of points: an m x n x 2 array (m, n >= 2) "
                         "whose x change along one axis and y along the other, strictly "
                         "monotonic")
    if grid is None:
        drawn = _coloured_markers(ax, xy, codes, names, palette, style)
    else:
        drawn = _coloured_cells(ax, grid, codes, names, palette, style)
    if legend:
        # Finding the best place beside many cells takes long; they fill the view anyway.
        ax.legend(**({} if grid is None else {"loc": "upper right"}))
    return drawn


def _coloured_markers(ax, xy, codes, names, palette, style):
    flat, flat_codes = xy.reshape(-1, 2), codes.ravel()
    finite = np.isfinite(flat).all(axis=1)
    return {code: _scatter(ax, flat[finite & (flat_codes == code)],
                           {**style, "color": palette[code], "label": names[code]})
            for code in names}


def _coloured_cells(ax, grid, codes, names, palette, style):
    corners, flat_codes = _cell_corners(*grid), codes.ravel()
    style = {"linewidth": 0, "antialiased": False, **style}
    return {code: ax.add_collection(mcollections.PolyCollection(
                corners[flat_codes == code], facecolor=palette[code], label=names[code], **style))
            for code in names}


def _grid(xy):
    """(x centres, y centres, rows along y) when xy is a grid of points with x changing
    along one axis and y along the other, strictly monotonic; else None."""
    if xy.ndim != 3 or min(xy.shape[:2]) < 2 or not np.isfinite(xy).all():
        return None
    x, y = xy[..., 0], xy[..., 1]
    if (x == x[:1]).all() and (y == y[:, :1]).all():
        grid = x[0], y[:, 0], True
    elif (x == x[:, :1]).all() and (y == y[:1]).all():
        grid = x[:, 0], y[0], False
    else:
        return None
    return grid if all(_monotonic(axis) for axis in grid[:2]) else None


def _monotonic(values):
    steps = np.diff(values)
    return bool((steps > 0).all() or (steps < 0).all())


def _cell_edges(centres):
    """Edges between neighbouring centres, halfway, and as far beyond the outer ones."""
    middles = (centres[:-1] + centres[1:]) / 2
    return np.concatenate([[2 * centres[0] - middles[0]], middles, [2 * centres[-1] - middles[-1]]])


def _cell_corners(xs, ys, rows_along_y):
    """The four corners of the cell around every point of the grid, in the order of
    the points."""
    ex, ey = _cell_edges(xs), _cell_edges(ys)
    x0, y0 = np.meshgrid(ex[:-1], ey[:-1])
    x1, y1 = np.meshgrid(ex[1:], ey[1:])
    corners = np.stack([np.stack(c, axis=-1) for c in ((x0, y0), (x1, y0), (x1, y1), (x0, y1))],
                       axis=2)
    if not rows_along_y:
        corners = corners.transpose(1, 0, 2, 3)
    return corners.reshape(-1, 4, 2)
