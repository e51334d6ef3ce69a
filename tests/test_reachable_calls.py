"""No Python call may end the process: every attribute reachable from planara_core,
its classes, their bases and their metaclass, called with no arguments and with a
few hostile ones, on the classes, on live, uninitialised and subclass instances,
returns or raises. The fallback reduction of pickle protocols 0 and 1 went
through the binding layer's base class and aborted; it now raises TypeError."""

import pickle
import subprocess
import sys
import textwrap

import pytest

# Run in a child process: a call that aborts must fail this test, not end the run.
SWEEP = textwrap.dedent("""
    import faulthandler, itertools, math, sys, warnings
    faulthandler.enable()
    warnings.simplefilter("ignore")
    import planara_core as pc
    if sys.argv[1] == "with planara":
        import planara
    import surface

    samples = surface.Samples()
    classes = surface.classes()
    base = pc.Point2.__base__
    metaclass = type(pc.Point2)

    def instance(cls):
        try:
            return samples.instance(cls.__name__)
        except KeyError:  # OrientationResult has no constructor
            return pc.orientation(pc.Point2(0, 0), pc.Point2(1, 0), pc.Point2(0, 1))

    subclasses = [type("Sub" + c.__name__, (c,), {}) for c in classes if c.__name__ != "OrientationResult"]
    bare_subclass = type("BareSub", (base,), {})
    HOSTILE = [None, 0, -1, 7, 2**70, 1.5, math.nan, "", "x", b"", (), [], {}, object(), int,
               base, metaclass, bare_subclass, pc, pc.Point2(1, 2)]
    PROTOCOLS = range(-1, 7)

    owners = [pc, base, metaclass, bare_subclass, object, type, *classes, *subclasses]
    receivers = [*owners, *(instance(c) for c in classes), *(c.__new__(c) for c in classes),
                 *(s.__new__(s) for s in subclasses), subclasses[0](1, 2)]

    calls = 0
    def call(f, *args):
        global calls
        calls += 1
        try:
            f(*args)
        except BaseException as exc:
            if isinstance(exc, (KeyboardInterrupt, SystemExit)):
                raise

    for receiver in receivers:
        for name in dir(receiver):
            if name in ("__class__", "__subclasshook__") and receiver is type:
                continue
            try:
                attr = getattr(receiver, name)
            except Exception:
                continue
            if not callable(attr):
                continue
            call(attr)
            for h in HOSTILE:
                call(attr, h)
            for h, g in itertools.product(HOSTILE[:6], HOSTILE[-6:]):
                call(attr, h, g)
        for protocol in PROTOCOLS:
            call(getattr(receiver, "__reduce_ex__"), protocol)
        call(getattr(receiver, "__reduce__"))

    # The metaclass with odd arguments, and the classes it makes.
    for args in [(), ("X",), ("X", ()), ("X", (), {}), ("X", (base,), {}), ("X", (pc.Point2,), {}),
                 ("X", (pc.Point2, pc.Vector2), {}), ("X", (int,), {}), (pc.Point2,), (1, 2, 3),
                 ("X", (bare_subclass,), {"__slots__": ()})]:
        try:
            made = metaclass(*args)
        except Exception:
            continue
        calls += 1
        if isinstance(made, type):
            for h in [(), (1, 2), (pc.Point2(0, 0),)]:
                call(made, *h)
                call(made.__new__, made, *h)
    print(calls)
""")


@pytest.mark.parametrize("imports", ["planara_core alone", "with planara"])
def test_every_reachable_call_returns_or_raises(imports):
    run = subprocess.run([sys.executable, "-c", SWEEP, imports], capture_output=True, text=True,
                         timeout=600, cwd=__import__("pathlib").Path(__file__).parent)
    assert run.returncode == 0, run.stderr[-3000:]
    assert int(run.stdout.split()[-1]) > 10_000


# The reported aborts, each in a fresh interpreter: a TypeError that names the
# remedy where there is one, and the process goes on.
@pytest.mark.parametrize("code, message", [
    ("import pickle, planara_core as pc; pickle.dumps(pc.Point2(1, 2), protocol=0)",
     "cannot pickle 'planara_core.Point2' object: import planara"),
    ("import pickle, planara_core as pc; pickle.dumps(pc.Circle2(pc.Point2(1, 2), 1.0), protocol=1)",
     "cannot pickle 'planara_core.Circle2' object: import planara"),
    ("import planara_core as pc; pc.Segment2(pc.Point2(0, 0), pc.Point2(1, 1)).__reduce_ex__(1)",
     "cannot pickle 'planara_core.Segment2' object: import planara"),
    ("import planara, planara_core as pc; pc.Point2(1, 2).__reduce__()",
     "cannot pickle 'planara_core.Point2' object through object.__reduce__"),
    ("import pickle, planara, planara_core as pc\nclass P(pc.Point2): pass\npickle.dumps(P(1, 2), 0)",
     "cannot pickle 'P' object: planara pickles the classes of planara_core, not subclasses"),
    ("import planara_core as pc; pc.Point2.__base__()", "cannot create 'pybind11_object' instances"),
    ("import planara_core as pc\nclass B(pc.Point2.__base__): pass\nB()", "cannot create 'B' instances"),
])
def test_the_reported_aborts_raise_type_error(code, message):
    run = subprocess.run([sys.executable, "-c", code + "\nprint('went on')"], capture_output=True,
                         text=True)
    assert run.returncode == 1, run.stderr
    assert run.stderr.splitlines()[-1].startswith("TypeError: " + message), run.stderr


# Another module built with the same binding layer shares the base class whose
# slot planara_core replaces: its classes must behave as before, whether they
# were made before planara_core was imported or after, except that the abort
# of protocols 0 and 1 is a TypeError for them too.
FOREIGN = textwrap.dedent("""
    import copy, pickle, sys
    if sys.argv[1] == "after":
        import planara, planara_core
    import foreign_class
    import planara, planara_core
    tag = foreign_class.Tag("kept")
    for protocol in range(2, pickle.HIGHEST_PROTOCOL + 1):
        assert pickle.loads(pickle.dumps(tag, protocol)).text == "kept"
    assert copy.deepcopy(tag).text == "kept"
    assert foreign_class.Tag.__new__(foreign_class.Tag) is not None
    assert foreign_class.Label("x").text == "x"
    for protocol in (0, 1):
        try:
            pickle.dumps(tag, protocol)
        except TypeError as exc:
            assert str(exc) == "cannot pickle 'foreign_class.Tag' object", exc
        else:
            raise AssertionError("pickled")
    print("ok")
""")


@pytest.mark.parametrize("order", ["before", "after"])
def test_other_binding_modules_behave_as_before(foreign_module, order):
    run = subprocess.run([sys.executable, "-c", FOREIGN, order], capture_output=True, text=True,
                         cwd=foreign_module)
    assert run.returncode == 0 and run.stdout.split() == ["ok"], run.stderr
