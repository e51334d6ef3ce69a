"""Pickling and copying, which importing planara adds from outside the classes:
exact round trips with every protocol, pickles that load through planara (so
that whoever loads one can pickle objects back), earlier pickles that still
load, loaders that refuse what no pickle holds, copies that are independent,
and objects that travel to other processes and back."""

import base64
import copy
import io
import math
import multiprocessing
import pathlib
import pickle
import struct
import subprocess
import sys
import textwrap

import pytest
from hypothesis import given, settings, strategies as st

import planara  # noqa: F401  (registers the reducers)
import planara_core as pc
import surface
from conftest import coords

numbers = st.one_of(st.integers(-2, 2).map(float), coords,
                    st.sampled_from([struct.unpack("<d", struct.pack("<Q", bits))[0] for bits in
                                     (0x7FF8000000000001, 0xFFF0000000000BAD, 1, 0x800FFFFFFFFFFFFF)]))
points = st.builds(pc.Point2, numbers, numbers)


def collinear_points(draw_from=numbers):
    return st.builds(lambda p, q, t: (pc.Point2(p, q), pc.Point2(p + t, q + t), pc.Point2(p - t, q - t)),
                     draw_from, draw_from, draw_from)


OBJECTS = {
    "Point2": points,
    "Vector2": st.builds(pc.Vector2, numbers, numbers),
    "OrientationResult": st.builds(pc.orientation, points, points, points),
    "Bbox2": st.builds(pc.Bbox2, numbers, numbers, numbers, numbers),
    "Direction2": st.builds(pc.Direction2, numbers, numbers),
    "Line2": st.one_of(st.builds(pc.Line2, numbers, numbers, numbers),
                       st.builds(pc.Line2, points, points)),
    "Segment2": st.builds(pc.Segment2, points, points),
    "Ray2": st.one_of(st.builds(pc.Ray2, points, points),
                      st.builds(pc.Ray2, points, st.builds(pc.Direction2, numbers, numbers))),
    "Triangle2": st.builds(pc.Triangle2, points, points, points),
    "Circle2": st.one_of(
        st.builds(pc.Circle2, points, numbers, st.sampled_from([-1, 1])),
        st.builds(pc.Circle2, points, points, points),
        collinear_points().map(lambda ps: pc.Circle2(*ps))),
    "IsoRectangle2": st.one_of(st.builds(pc.IsoRectangle2, points, points),
                               st.builds(pc.IsoRectangle2, points, points, points, points)),
}


def bits(value):
    """Exact bits of floats (NaN payload and zero sign included), recursively."""
    if isinstance(value, float):
        return struct.pack("<d", value)
    if isinstance(value, (tuple, list)):
        return tuple(bits(v) for v in value)
    return value


def loose(value):
    """As bits, except that every NaN counts as one (protocol 0 writes text)."""
    if isinstance(value, float) and math.isnan(value):
        return "nan"
    if isinstance(value, (tuple, list)):
        return tuple(loose(v) for v in value)
    return bits(value)


def xy(p):
    return (p.x, p.y)


# What each class holds, through its accessors.
STATE = {
    "Point2": xy, "Vector2": xy,
    "OrientationResult": lambda r: (r.left_turn(), r.right_turn(), r.collinear()),
    "Bbox2": lambda b: (b.xmin, b.ymin, b.xmax, b.ymax),
    "Direction2": lambda d: (d.dx, d.dy),
    "Line2": lambda line: (line.a, line.b, line.c),
    "Segment2": lambda s: (xy(s.source()), xy(s.target())),
    "Ray2": lambda r: (xy(r.source()), xy(r.point(1))),
    "Triangle2": lambda t: tuple(xy(v) for v in t),
    "Circle2": lambda c: (xy(c.center()), c.squared_radius(), c.orientation()),
    "IsoRectangle2": lambda r: (xy(r.min()), xy(r.max())),
}
assert set(STATE) == {cls.__name__ for cls in surface.classes()}


def zero_argument_answers(obj):
    """repr of every zero-argument method and property of obj's class."""
    answers = {}
    for member in surface.members():
        if member.owner is type(obj) and member.takes_self and not member.name.startswith("__") \
                and any(not o.params for o in member.overloads):
            result = member.target(obj)() if member.kind == "method" else member.target()(obj)
            answers[member.name] = repr(list(result) if member.name == "__iter__" else result)
    return answers


CLASSES = pytest.mark.parametrize("name", list(OBJECTS))


@CLASSES
@settings(max_examples=60, deadline=None)
@given(data=st.data())
def test_pickle_round_trips_are_exact(name, data):
    obj = data.draw(OBJECTS[name])
    state = STATE[name](obj)
    for protocol in range(pickle.HIGHEST_PROTOCOL + 1):
        back = pickle.loads(pickle.dumps(obj, protocol))
        assert type(back) is type(obj)
        exact = bits if protocol >= 1 else loose  # protocol 0 writes numbers as text
        assert exact(STATE[name](back)) == exact(state), protocol
        if protocol >= 1:
            assert zero_argument_answers(back) == zero_argument_answers(obj)
    for copied in (copy.copy(obj), copy.deepcopy(obj)):
        assert type(copied) is type(obj) and copied is not obj
        assert bits(STATE[name](copied)) == bits(state)


def has_nan(value):
    if isinstance(value, float):
        return math.isnan(value)
    return isinstance(value, tuple) and any(map(has_nan, value))


@CLASSES
@given(data=st.data())
def test_a_copy_equals_its_original_where_the_class_compares(name, data):
    obj = data.draw(OBJECTS[name])
    if "__eq__" in vars(type(obj)) and not has_nan(STATE[name](obj)):
        assert pickle.loads(pickle.dumps(obj)) == obj
        assert copy.deepcopy(obj) == obj


class NamesRecorder(pickle.Unpickler):
    """Loads a pickle, noting the module.name of every class or function it refers to."""

    def __init__(self, data):
        super().__init__(io.BytesIO(data))
        self.named = set()

    def find_class(self, module, name):
        self.named.add(f"{module}.{name}")
        return super().find_class(module, name)


def globals_named(data):
    recorder = NamesRecorder(data)
    recorder.load()
    return recorder.named


@CLASSES
@given(data=st.data())
def test_pickles_load_through_the_loaders_of_planara(name, data):
    obj = data.draw(OBJECTS[name])
    for protocol in (0, 2, 5):
        named = globals_named(pickle.dumps(obj, protocol))
        assert {n.rsplit(".", 1)[0] for n in named} == {"planara._pickling"}, named


# Objects as planara 0.1.0 pickled them, naming planara_core's constructors
# (tests/planara/data/pickles_0.1.0.txt holds those pickles).
NEG_NAN = struct.unpack("<d", struct.pack("<Q", 0xFFF8000000000BAD))[0]
P = pc.Point2
EARLIER_OBJECTS = [
    P(1.5, -0.0), pc.Vector2(5e-324, -math.inf), pc.orientation(P(0, 0), P(1, 0), P(0, 1)),
    pc.orientation(P(0, 0), P(1, 0), P(2, 0)), pc.Bbox2(0, -1, NEG_NAN, 2), pc.Direction2(3, -4),
    pc.Line2(P(0, 0), P(1, 1)), pc.Segment2(P(0, 0), P(1e300, 2)), pc.Ray2(P(1, 1), P(1, 1)),
    pc.Triangle2(P(0, 0), P(4, 0), P(0, 3)), pc.Circle2(P(0, 0), P(1, 1), P(2, 2)),
    pc.Circle2(P(0.5, -0.0), 2.0, -1), pc.IsoRectangle2(P(math.nan, 1), P(0, 2)),
]


def earlier_pickles():
    text = (pathlib.Path(__file__).parent / "data" / "pickles_0.1.0.txt").read_text()
    return dict(line.split() for line in text.splitlines() if not line.startswith("#"))


@pytest.mark.parametrize("protocol", ["0", "2"])
def test_earlier_pickles_still_load_exactly(protocol):
    loaded = pickle.loads(base64.b64decode(earlier_pickles()[protocol]))
    exact = bits if protocol == "2" else loose
    assert [type(o) for o in loaded] == [type(o) for o in EARLIER_OBJECTS]
    for back, obj in zip(loaded, EARLIER_OBJECTS):
        state = STATE[type(obj).__name__]
        assert exact(state(back)) == exact(state(obj))


@pytest.mark.parametrize("loader, args, error", [
    ("orientation_result", (2,), ValueError), ("orientation_result", (True,), ValueError),
    ("orientation_result", ("1",), ValueError), ("circle2", (0.0, 0.0, 1.0, 5), ValueError),
    ("circle2", (0.0, 0.0, 1.0, 1.0), ValueError), ("collinear_circle", (0.0, 0.0, 1), TypeError),
    ("point2", (1, 2.0), TypeError), ("point2", ("1", 2.0), TypeError),
    ("segment2", (0.0, 0.0, 1.0, None), TypeError), ("triangle2", (0.0,) * 5 + (True,), TypeError),
])
def test_loaders_refuse_what_no_pickle_holds(loader, args, error):
    from planara import _pickling

    with pytest.raises(error, match="not a pickle that planara wrote"):
        getattr(_pickling, loader)(*args)


@pytest.mark.parametrize("args", [(0.0, 0.0, 1.0, 2), (0.0, 0.0, 1.0, -5), (0, 0.0, 1.0, 1)])
def test_the_circle_builder_refuses_what_no_pickle_holds(args):
    from planara import _values

    with pytest.raises((ValueError, TypeError)):
        _values.circle(*args)


def test_a_process_that_loads_a_pickle_can_send_objects_back():
    samples = surface.Samples()
    objects = [samples.instance(name) for name in STATE if name != "OrientationResult"]
    objects.append(pc.Circle2(pc.Point2(0.5, -0.0), 2.0, -1))
    data = pickle.dumps(objects)
    code = ("import pickle, sys\n"
            "objects = pickle.loads(sys.stdin.buffer.read())\n"
            "sys.stdout.buffer.write(pickle.dumps(objects + [objects[0]]))\n")
    out = subprocess.run([sys.executable, "-c", code], input=data, capture_output=True, check=True)
    back = pickle.loads(out.stdout)
    assert [repr(o) for o in back] == [repr(o) for o in objects + [objects[0]]]


def test_without_planara_the_classes_still_refuse_pickling():
    code = ("import pickle, planara_core as pc\n"
            "try:\n    pickle.dumps(pc.Point2(1, 2))\nexcept TypeError as e:\n    print(e)\n")
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True)
    assert "cannot pickle 'planara_core.Point2' object" in out.stdout


def test_copies_of_a_box_are_independent_and_deepcopy_keeps_sharing():
    box = pc.Bbox2(0, 0, 1, 1)
    for copied in (copy.copy(box), copy.deepcopy(box), pickle.loads(pickle.dumps(box))):
        copied += pc.Bbox2(5, 5, 6, 6)
        copied.scale(3)
        assert STATE["Bbox2"](box) == (0.0, 0.0, 1.0, 1.0)
    twice = copy.deepcopy([box, box])
    assert twice[0] is twice[1] and twice[0] is not box
    twice[0].dilate(1)
    assert STATE["Bbox2"](twice[1]) == STATE["Bbox2"](twice[0]) != STATE["Bbox2"](box)


def side_of(args):
    triangle, x, y = args
    return triangle.bounded_side(pc.Point2(x, y))


@pytest.mark.parametrize("method", ["spawn", "fork"])
def test_a_process_pool_maps_a_shape_over_points(method):
    triangle = pc.Triangle2(pc.Point2(0, 0), pc.Point2(4, 0), pc.Point2(0, 4))
    work = [(triangle, x / 2, y / 2) for x in range(-1, 10) for y in range(-1, 10)]
    with multiprocessing.get_context(method).Pool(2) as pool:
        got = pool.map(side_of, work, chunksize=8)
    assert got == [side_of(w) for w in work]
