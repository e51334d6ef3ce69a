"""Shapes, point arrays and per-object answers for the tests of planara.array.

The reference for every bulk function is the object it stands for: the same
question asked of planara_core one point at a time."""

import functools
import operator
import os

import numpy as np
from hypothesis import strategies as st

import planara_core as pc
from conftest import coords
from planara import _array

# Small integers make coincident, collinear and boundary cases common; the
# rest are special values and arbitrary doubles.
numbers = st.one_of(st.integers(-3, 3).map(float), st.sampled_from([0.5, -0.5]), coords)
points = st.tuples(numbers, numbers)


def P(xy):
    return pc.Point2(*xy)


def circles():
    return st.one_of(
        st.builds(lambda c, r2, o: pc.Circle2(P(c), r2, o), points, numbers,
                  st.sampled_from([-1, 1])),
        st.builds(lambda p, q, r: pc.Circle2(P(p), P(q), P(r)), points, points, points),
        st.builds(lambda p, q, o: pc.Circle2(P(p), P(q), o), points, points,
                  st.sampled_from([-1, 1])),
    )


# Every class each bulk function takes, with degenerate members as likely as
# ordinary ones: lines by coefficients and through two (maybe equal) points,
# rectangles with unsorted extreme points, rays of every constructor.
SHAPES = {
    "Line2": st.one_of(st.builds(pc.Line2, numbers, numbers, numbers),
                       st.builds(lambda p, q: pc.Line2(P(p), P(q)), points, points)),
    "Triangle2": st.builds(lambda p, q, r: pc.Triangle2(P(p), P(q), P(r)), points, points, points),
    "Circle2": circles(),
    "IsoRectangle2": st.one_of(
        st.builds(lambda p, q: pc.IsoRectangle2(P(p), P(q)), points, points),
        st.builds(lambda a, b, c, d: pc.IsoRectangle2(P(a), P(b), P(c), P(d)),
                  points, points, points, points)),
    "Segment2": st.builds(lambda p, q: pc.Segment2(P(p), P(q)), points, points),
    "Ray2": st.one_of(st.builds(lambda p, q: pc.Ray2(P(p), P(q)), points, points),
                      st.builds(lambda p, d: pc.Ray2(P(p), pc.Direction2(*d)), points, points)),
}
TAKES = {
    "oriented_side": ("Line2", "Triangle2", "Circle2"),
    "bounded_side": ("Triangle2", "Circle2", "IsoRectangle2"),
    "has_on": ("Line2", "Segment2", "Ray2"),
}
SHAPE_CASES = [(function, cls) for function, classes in TAKES.items() for cls in classes]


def defining_points(shape):
    """Points that lie on or next to a shape's boundary: its vertices and ends."""
    if isinstance(shape, pc.Line2):
        return []
    if isinstance(shape, pc.Circle2):
        c = shape.center()
        return [(c.x, c.y)]
    if isinstance(shape, pc.Ray2):
        return [(shape.source().x, shape.source().y), (shape.point(1).x, shape.point(1).y)]
    return [(v.x, v.y) for v in shape]


@st.composite
def point_arrays(draw, shape=None, max_size=40):
    """(n, 2) float64 arrays of drawn points, mixed with a shape's own points."""
    extra = defining_points(shape) if shape is not None else []
    chosen = draw(st.lists(st.one_of(points, st.sampled_from(extra)) if extra else points,
                           min_size=1, max_size=max_size))
    return np.array(chosen, dtype=np.float64).reshape(-1, 2)


def per_object(function, shape, pts):
    """shape.<function>(Point2(x, y)) for every point of a float64 array."""
    method = getattr(shape, function)
    return [method(pc.Point2(x, y)) for x, y in pts.reshape(-1, 2).tolist()]


def orientation_code(result):
    return result.left_turn() - result.right_turn()


def per_object_orientation(p, q, r):
    return [orientation_code(pc.orientation(pc.Point2(*a), pc.Point2(*b), pc.Point2(*c)))
            for a, b, c in zip(p.tolist(), q.tolist(), r.tolist())]


def per_object_squared_distance(p, q):
    return [pc.squared_distance(*a, *b) for a, b in zip(p.tolist(), q.tolist())]


def per_object_bbox(pts):
    boxes = (pc.Bbox2(x, y, x, y) for x, y in pts.reshape(-1, 2).tolist())
    return functools.reduce(operator.add, boxes)


# Where two NaNs of different sign or payload meet in one addition, which of
# them comes out depends on the order in which the compiler put the operands
# (IEEE leaves it open). The release build of both modules agrees on it, and
# the tests hold it to that; an instrumented build (make sanitize) orders the
# objects' arithmetic differently, so there a NaN only has to match a NaN.
NAN_PAYLOADS_AGREE = os.environ.get("PLANARA_INSTRUMENTED") != "1"


def bits(values):
    """The exact bit patterns of doubles, NaN payloads and zero signs included
    (in an instrumented build, every NaN as one)."""
    values = np.asarray(values, dtype=np.float64)
    if not NAN_PAYLOADS_AGREE:
        values = np.where(np.isnan(values), np.nan, values)
    return values.view(np.uint64)


def box_bits(box):
    return bits([box.xmin, box.ymin, box.xmax, box.ymax])


INSTRUCTION_SETS = _array.instruction_sets()


class instruction_set:
    """Runs a block with the kernels of one instruction set."""

    def __init__(self, name):
        self.name = name

    def __enter__(self):
        self.previous = _array.instruction_set()
        assert _array.select_instruction_set(self.name)

    def __exit__(self, *exc):
        _array.select_instruction_set(self.previous)
