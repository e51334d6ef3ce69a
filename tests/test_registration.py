"""The registered surface of the module against the table in registration_table.txt:
names, kinds, parameter names, positional-only parameters, defaults, result types
and the order of registration and of overloads."""

import pathlib
import re

import pytest

import planara_core

TABLE_FILE = pathlib.Path(__file__).with_name("registration_table.txt")
NUMBER_TYPES = {
    "typing.SupportsFloat | typing.SupportsIndex": "float",
    "typing.SupportsInt | typing.SupportsIndex": "int",
}


def load_table():
    sections, current = {}, None
    for line in TABLE_FILE.read_text().splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("["):
            current = sections.setdefault(line.strip("[]"), [])
            continue
        name, kind, signature = re.match(r"(\S+)\s+(\S+)\s+(\(.*)$", line).groups()
        current.append((name, kind, signature))
    return sections


TABLE = load_table()
CLASSES = [name for name in TABLE if name != "module"]


def normalise_type(text):
    text = NUMBER_TYPES.get(text, text)
    return re.sub(r"\b(planara_core|collections\.abc|typing)\.", "", text)


def normalise_signature(line, name):
    """'name(self: X, arg0: T, y: U = 1) -> R' -> '(T, y: U = 1) -> R'."""
    m = re.fullmatch(re.escape(name) + r"\((.*)\) -> (.+)", line)
    assert m, f"unexpected signature text {line!r}"
    params, result = m.groups()
    out = []
    for param in filter(None, (p.strip() for p in params.split(", "))):
        if param in ("/", "*"):
            continue
        pname, _, rest = param.partition(": ")
        if pname == "self":
            continue
        ptype, _, default = rest.partition(" = ")
        text = normalise_type(ptype)
        if not re.fullmatch(r"arg\d+", pname):
            text = f"{pname}: {text}"
        if default:
            text += f" = {default}"
        out.append(text)
    return f"({', '.join(out)}) -> {normalise_type(result)}"


def signatures(func, name):
    """The signatures of every overload of a bound callable, in overload order."""
    lines = func.__doc__.splitlines()
    if len(lines) > 1 and lines[1] == "Overloaded function.":
        lines = [re.sub(r"^\d+\. ", "", line) for line in lines[2:]]
    return [normalise_signature(line, name) for line in lines if line.startswith(name + "(")]


def kind_of(scope, name):
    raw = scope.__dict__[name]
    if name == "__init__":
        return "constructor"
    if isinstance(raw, property):
        return "property"
    if isinstance(raw, staticmethod):
        return "static"
    if type(raw).__name__ == "instancemethod":
        return "method"
    if type(raw).__name__ == "builtin_function_or_method":
        return "function"
    return type(raw).__name__


def actual_rows(scope, names):
    rows = []
    for name in names:
        raw = scope.__dict__[name]
        kind = kind_of(scope, name)
        if kind == "property":
            assert raw.fset is None, f"{name} must be read-only"
            # The getter is a free function: its first parameter is the instance.
            getter = re.sub(r"^\(\w+: [\w.]+(, )?", "f(", raw.fget.__doc__.strip())
            rows.append((name, kind, normalise_signature(getter, "f")))
            continue
        func = raw.__func__ if isinstance(raw, staticmethod) else raw
        rows += [(name, kind, sig) for sig in signatures(func, name)]
    return rows


def expected_order(rows):
    return list(dict.fromkeys(name for name, _, _ in rows))


def registered(name):
    assert hasattr(planara_core, name), f"{name} is not registered"
    return getattr(planara_core, name)


def test_module_docstring():
    assert planara_core.__doc__ == "CGAL Python bindings \u2014 call CGAL C++ functions from Python"


def test_module_registration_order():
    expected = ["squared_distance", "Point2", "Vector2", "OrientationResult", "orientation",
                "Bbox2", "Direction2", "Line2", "Segment2", "Ray2", "Triangle2", "Circle2",
                "IsoRectangle2"]
    assert [n for n in planara_core.__dict__ if n in expected] == expected
    assert [n for n in planara_core.__dict__ if not n.startswith("__")] == expected
    assert list(planara_core.__dict__)[:2] == ["__name__", "__doc__"]


def test_module_functions():
    rows = TABLE["module"]
    assert actual_rows(planara_core, expected_order(rows)) == rows


def test_only_orientation_has_a_docstring():
    doc = planara_core.orientation.__doc__.splitlines()
    assert doc[1:] == ["", "Returns orientation of three Point2 objects"]
    assert planara_core.squared_distance.__doc__.count("\n") == 1


@pytest.mark.parametrize("cls_name", CLASSES)
def test_class_surface(cls_name):
    cls = registered(cls_name)
    rows = TABLE[cls_name]
    names = expected_order(rows)
    assert actual_rows(cls, names) == rows


@pytest.mark.parametrize("cls_name", CLASSES)
def test_class_attribute_order(cls_name):
    cls = registered(cls_name)
    names = [n for n in expected_order(TABLE[cls_name]) if n != "__init__"]
    if "__eq__" in names:
        names.insert(names.index("__eq__") + 1, "__hash__")
    # __slotnames__ is copyreg's cache, which it writes into any class it is
    # asked about (dask's tokenize asks, for instance): not a registered name.
    own = [n for n in cls.__dict__ if n not in ("__init__", "__doc__", "__module__", "__slotnames__")]
    assert own == ["_pybind11_conduit_v1_"] + names


@pytest.mark.parametrize("cls_name", CLASSES)
def test_class_shape(cls_name):
    cls = registered(cls_name)
    assert cls.__doc__ is None
    assert cls.__module__ == "planara_core"
    assert [b.__name__ for b in cls.__mro__[1:]] == ["pybind11_object", "object"]
    assert "__dict__" not in dir(cls)
    has_eq = "__eq__" in cls.__dict__
    assert (cls.__hash__ is None) == has_eq
    for name in ("__len__", "__str__", "__getstate__", "__copy__"):
        assert name not in cls.__dict__
