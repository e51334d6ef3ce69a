"""The module's callable surface, read from the module itself: every constructor,
method, property, static method and module function with its overloads and
parameter types, plus valid arguments and sample instances built from that
surface alone. A newly registered class is covered without any change here."""

import collections.abc
import dataclasses
import functools
import itertools
import re

import pytest

import planara_core

NUMBER_TYPES = {
    "typing.SupportsFloat | typing.SupportsIndex": "float",
    "typing.SupportsInt | typing.SupportsIndex": "int",
}
# Members added by the binding layer itself, not part of this module's code.
BINDING_LAYER = {"_pybind11_conduit_v1_"}


@dataclasses.dataclass(frozen=True)
class Param:
    name: str | None  # None: positional only
    type: str  # "float", "int" or a class name
    has_default: bool


@dataclasses.dataclass(frozen=True)
class Overload:
    params: tuple[Param, ...]
    returns: str


@dataclasses.dataclass(frozen=True)
class Member:
    owner: type | None  # None for module functions
    name: str
    kind: str  # constructor, method, property, static, function
    overloads: tuple[Overload, ...]

    @property
    def label(self):
        return f"{self.owner.__name__ if self.owner else 'module'}.{self.name}"

    @property
    def takes_self(self):
        return self.kind in ("method", "property")

    def target(self, obj=None):
        """The callable that runs this member: bound to obj for methods."""
        if self.kind == "constructor":
            return self.owner
        if self.kind == "function":
            return getattr(planara_core, self.name)
        if self.kind == "static":
            return getattr(self.owner, self.name)
        if self.kind == "property":
            return self.owner.__dict__[self.name].fget
        return getattr(obj, self.name) if obj is not None else self.owner.__dict__[self.name]


def _type_name(text):
    text = NUMBER_TYPES.get(text.strip(), text.strip())
    return re.sub(r"\b(planara_core|collections\.abc|typing)\.", "", text)


def _overloads(doc, name):
    """The overloads listed in a generated docstring, in overload order."""
    out = []
    for line in doc.splitlines():
        line = re.sub(r"^\d+\. ", "", line)
        m = re.fullmatch(re.escape(name) + r"\((.*)\) -> (.+)", line)
        if not m:
            continue
        params = []
        for text in filter(None, (p.strip() for p in m.group(1).split(", "))):
            if text in ("/", "*"):
                continue
            pname, _, rest = text.partition(": ")
            if pname == "self":
                continue
            ptype, _, default = rest.partition(" = ")
            positional = re.fullmatch(r"arg\d+", pname) is not None
            params.append(Param(None if positional else pname, _type_name(ptype), bool(default)))
        out.append(Overload(tuple(params), _type_name(m.group(2))))
    assert out, f"no signature found for {name}"
    return tuple(out)


def classes():
    return [obj for obj in planara_core.__dict__.values()
            if isinstance(obj, type) and obj.__module__ == "planara_core"]


def _class_members(cls):
    for name, raw in cls.__dict__.items():
        if name in BINDING_LAYER or name in ("__doc__", "__module__", "__hash__"):
            continue
        if isinstance(raw, property):
            getter = re.sub(r"^\(\w+: [\w.]+(, )?", "f(", raw.fget.__doc__.strip())
            yield Member(cls, name, "property", _overloads(getter, "f"))
        elif isinstance(raw, staticmethod):
            yield Member(cls, name, "static", _overloads(raw.__func__.__doc__, name))
        elif type(raw).__name__ != "instancemethod":
            # A class without constructors keeps the binding layer's refusing
            # __init__: callable, but with no signature of ours.
            yield Member(cls, name, "constructor", ())
        else:
            kind = "constructor" if name == "__init__" else "method"
            yield Member(cls, name, kind, _overloads(raw.__doc__, name))


@functools.cache
def members():
    """Every registered member, in registration order."""
    out = []
    for name, obj in planara_core.__dict__.items():
        if isinstance(obj, type) and obj.__module__ == "planara_core":
            out.extend(_class_members(obj))
        elif type(obj).__name__ == "builtin_function_or_method":
            out.append(Member(None, name, "function", _overloads(obj.__doc__, name)))
    return tuple(out)


# Valid values: a fixed cycle of plain doubles, so that sample shapes are
# neither degenerate nor random and every run builds the same objects.
FLOATS = (0.5, 3.0, -1.25, 2.0, 7.5, -4.0, 1.75, -0.5, 5.0, 6.25, -3.5)
INTS = (1, 0, -1, 2)


class Samples:
    """Builds valid arguments of any parameter type; class instances come from
    whatever registered member produces that class from buildable arguments."""

    def __init__(self, start=0):
        self._floats = itertools.islice(itertools.cycle(FLOATS), start, None)
        self._ints = itertools.islice(itertools.cycle(INTS), start, None)
        self._producers = _producers()

    def value(self, type_name):
        if type_name == "float":
            return next(self._floats)
        if type_name == "int":
            return next(self._ints)
        return self.instance(type_name)

    def args(self, overload):
        return [self.value(p.type) for p in overload.params]

    def instance(self, class_name):
        member, overload = self._producers[class_name]
        return _run(member, overload, self)


def _run(member, overload, samples):
    obj = samples.instance(member.owner.__name__) if member.takes_self else None
    args = samples.args(overload)
    if member.kind == "property":
        return member.target()(obj)
    return member.target(obj)(*args)


@functools.cache
def _producers():
    """class name -> (member, overload) that builds it from buildable types."""
    found = {}
    # Constructors first, so that each class is built the plain way if it can be.
    everything = sorted(members(), key=lambda m: m.kind != "constructor")
    buildable = {"float", "int"}
    progress = True
    while progress:
        progress = False
        for member in everything:
            for overload in member.overloads:
                made = member.owner.__name__ if member.kind == "constructor" else overload.returns
                if made in found or made not in _class_names():
                    continue
                needs = {p.type for p in overload.params}
                if member.takes_self:
                    needs.add(member.owner.__name__)
                if needs <= buildable:
                    found[made] = (member, overload)
                    buildable.add(made)
                    progress = True
    return found


def _class_names():
    return {cls.__name__ for cls in classes()}


@dataclasses.dataclass
class Call:
    """One valid call of one overload, on objects of its own."""

    label: str
    func: object
    args: tuple
    kwargs: dict
    obj: object  # the instance a method runs on (None for other kinds)

    def __call__(self):
        return self.func(*self.args, **self.kwargs)

    def outcome(self):
        """What the call did, as comparable text: result, then the instance."""
        try:
            result = self()
            if isinstance(result, collections.abc.Iterator):
                result = list(result)
            result = repr(result)
        except Exception as exc:  # the failures a caller can see are part of the outcome
            result = f"{type(exc).__name__}: {exc}"
        return result, repr(self.obj)


def valid_calls(start=0):
    """One call per overload of every member, each on freshly built objects,
    and one more by keyword on the same objects where the overload has named
    parameters."""
    samples = Samples(start)
    calls = []
    for member in members():
        for i, overload in enumerate(member.overloads):
            obj = samples.instance(member.owner.__name__) if member.takes_self else None
            args = samples.args(overload)
            label = f"{member.label}#{i}"
            if member.kind == "property":
                calls.append(Call(label, member.target(), (obj,), {}, obj))
                continue
            func = member.target(obj)
            calls.append(Call(label, func, tuple(args), {}, obj))
            named = {p.name: a for p, a in zip(overload.params, args) if p.name}
            if named:
                positional = tuple(a for p, a in zip(overload.params, args) if not p.name)
                calls.append(Call(label + "(keywords)", func, positional, named, obj))
    return calls


def require(class_name):
    """The class if it is registered; skips the calling test otherwise."""
    if not hasattr(planara_core, class_name):
        pytest.skip(f"{class_name} is not built yet")
    return getattr(planara_core, class_name)
