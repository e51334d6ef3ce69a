"""`obj.__class__ = Other`: an object of one class can never become an object of
another class whose value it does not hold, by attribute assignment or through
object.__setattr__, in either direction and also with another binding module."""

import subprocess
import sys
import textwrap

import pytest

import planara_core
import surface
from conftest import text_of

CLASSES = surface.classes()


def sample(cls):
    try:
        return surface.Samples().instance(cls.__name__)
    except KeyError:  # OrientationResult has no constructor
        return planara_core.orientation(*(planara_core.Point2(*p) for p in [(0, 0), (1, 0), (0, 1)]))


def assign_class(obj, cls):
    obj.__class__ = cls


def set_class_attribute(obj, cls):
    object.__setattr__(obj, "__class__", cls)


ASSIGNMENTS = [assign_class, set_class_attribute]


def assert_refused(obj, cls):
    before, kind = text_of(obj), type(obj)
    for assign in ASSIGNMENTS:
        with pytest.raises(TypeError, match="__class__ assignment|can't apply"):
            assign(obj, cls)
        assert type(obj) is kind and text_of(obj) == before


@pytest.mark.parametrize("source", CLASSES, ids=lambda c: c.__name__)
def test_no_class_of_the_module_takes_another_classes_object(source):
    obj = sample(source)
    for target in CLASSES:
        if target is not source:
            assert_refused(obj, target)
    uninitialised = source.__new__(source)
    for target in CLASSES:
        if target is not source:
            assert_refused(uninitialised, target)


@pytest.mark.parametrize("source", CLASSES, ids=lambda c: c.__name__)
def test_python_subclasses_and_plain_classes_are_refused(source):
    subclass = type("Sub" + source.__name__, (source,), {})
    other = CLASSES[(CLASSES.index(source) + 1) % len(CLASSES)]
    other_subclass = type("Sub" + other.__name__, (other,), {})
    obj = sample(source)
    for target in (subclass, other_subclass, type("Plain", (), {"__slots__": ()}), int):
        assert_refused(obj, target)


@pytest.mark.parametrize("source", CLASSES, ids=lambda c: c.__name__)
def test_assigning_the_own_class_is_harmless(source):
    obj = sample(source)
    before = repr(obj)
    obj.__class__ = source
    assert type(obj) is source and repr(obj) == before


@pytest.fixture(scope="module")
def foreign_class(foreign_module):
    """A class of another module built with the same binding layer."""
    sys.path.insert(0, str(foreign_module))
    try:
        import foreign_class
    finally:
        sys.path.remove(str(foreign_module))
    return foreign_class.Label


@pytest.mark.parametrize("cls", CLASSES, ids=lambda c: c.__name__)
def test_another_binding_modules_class_is_refused_both_ways(foreign_class, cls):
    assert_refused(sample(cls), foreign_class)
    label = foreign_class("kept")
    assert_refused(label, cls)
    assert label.text == "kept"


def test_the_reported_crash_now_ends_normally():
    code = textwrap.dedent("""
        import planara_core as pc
        refused = 0
        def attempt(obj, cls):
            global refused
            try:
                obj.__class__ = cls
            except TypeError:
                refused += 1
        d = pc.Direction2(1.5, 2.5)
        attempt(d, pc.Segment2)
        assert repr(d) == "Direction2(1.500000, 2.500000)"
        p = pc.Point2(1, 2)
        attempt(p, pc.Triangle2)
        ds = [pc.Direction2(1, 2) for _ in range(50)]
        for d in ds:
            attempt(d, pc.Bbox2)
        del ds
        print(refused)
    """)
    run = subprocess.run([sys.executable, "-X", "dev", "-c", code], capture_output=True,
                         text=True, timeout=120)
    assert run.returncode == 0, run.stderr
    assert run.stdout.split() == ["52"]
