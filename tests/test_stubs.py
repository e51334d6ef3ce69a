"""The type stubs: planara_core's, generated from the module, and the planara package's,
written by hand; both committed, installed, held to the runtime and right for mypy.

mypy's stubtest cannot check planara_core's stub: pybind11 functions have no
__text_signature__, so it sees no parameter lists. The drift test below compares every
signature instead. The package's stubs are compared with the package by the tests at
the end.
"""

import ast
import difflib
import importlib.util
import inspect
import pathlib
import subprocess
import sys

import numpy as np
import pytest

import planara
import planara.array
import planara.plot
import planara_core

ROOT = pathlib.Path(__file__).resolve().parents[1]
STUB = ROOT / "python" / "planara_core.pyi"
PACKAGE = ROOT / "python" / "planara"
TYPING = ROOT / "tests" / "typing"
USAGES = [TYPING / "usage.py", TYPING / "usage_array.py", TYPING / "usage_plot.py"]


def load_stubgen():
    spec = importlib.util.spec_from_file_location("stubgen", ROOT / "python" / "stubgen.py")
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


stubgen = load_stubgen()


def test_committed_stub_matches_the_module():
    fresh = stubgen.generate(planara_core)
    diff = "".join(difflib.unified_diff(STUB.read_text().splitlines(True), fresh.splitlines(True),
                                        "committed", "from the module"))
    assert not diff, f"python/planara_core.pyi is stale; run `make stubs`:\n{diff}"


DOCS = stubgen.load_docs()


def test_every_name_the_stub_declares_has_documentation_text():
    """The generated stub carries a docstring for the module, every function and
    class and every member but __hash__; stubgen refuses a declared name without
    text and text for a name the module lacks."""
    tree = ast.parse(STUB.read_text())
    assert ast.get_docstring(tree)
    declared = set()
    for node in tree.body:
        members = node.body if isinstance(node, ast.ClassDef) else []
        for item in [node, *members]:
            if isinstance(item, (ast.FunctionDef, ast.ClassDef)) and ast.get_docstring(item):
                declared.add(item.name if item is node else f"{node.name}.{item.name}")
    assert declared == set(DOCS) - {"planara_core"}


@pytest.mark.parametrize("change, message", [
    (lambda docs: docs.pop("Circle2.bbox"), "Circle2.bbox has no documentation text"),
    (lambda docs: docs.setdefault("Circle2.area", "The area."), "does not declare: Circle2.area"),
])
def test_generator_refuses_names_without_text_and_text_without_a_name(change, message):
    docs = dict(DOCS)
    change(docs)
    with pytest.raises(stubgen.StubError, match=message):
        stubgen.generate(planara_core, docs)


@pytest.mark.parametrize("relative, source", [
    ("planara_core.pyi", STUB),
    ("planara_core-stubs/__init__.pyi", STUB),
    *((f"planara/{name}", PACKAGE / name)
      for name in ("__init__.pyi", "array.pyi", "plot.pyi", "py.typed")),
])
def test_stub_is_installed_with_the_module(relative, source):
    installed = pathlib.Path(planara_core.__file__).parent / relative
    assert installed.read_text() == source.read_text()


@pytest.mark.parametrize("text", [
    "CGAL::Point_2<CGAL::Simple_cartesian<double> >",   # a native type pybind11 could not name
    "numpy.ndarray",                                    # a module the stub does not import
    "Point3",                                           # a class the module does not have
])
def test_generator_refuses_types_it_cannot_spell(text):
    with pytest.raises(stubgen.StubError):
        stubgen.Writer(planara_core, {}).type_text(text)


@pytest.mark.parametrize("signature", [
    "f(self: planara_core.Point2, p: planara_core.Point2 = <planara_core.Point2 object at 0x7f>)"
    " -> None",
    "f(self: planara_core.Point2, x: float, arg1: float) -> None",
])
def test_generator_refuses_parameters_it_cannot_state(signature):
    params, result = stubgen.parse_signature(signature, "f")
    with pytest.raises(stubgen.StubError):
        stubgen.Writer(planara_core, {}).parameters(stubgen.Overload(params, result, ""), "method")


@pytest.mark.parametrize("target", [
    *USAGES, STUB, PACKAGE / "__init__.pyi", PACKAGE / "array.pyi", PACKAGE / "plot.pyi",
], ids=lambda path: path.relative_to(ROOT).as_posix())
def test_mypy_accepts(target):
    # Settings (strict, warn_unused_ignores) come from pyproject.toml.
    run = subprocess.run([sys.executable, "-m", "mypy", str(target)], cwd=ROOT,
                         capture_output=True, text=True)
    assert run.returncode == 0, run.stdout + run.stderr


@pytest.mark.parametrize("usage", USAGES, ids=lambda path: path.name)
def test_typed_usage_runs(usage):
    subprocess.run([sys.executable, str(usage)], check=True)


def stub_tree(name):
    return ast.parse((PACKAGE / name).read_text())


def stub_all(tree):
    return next(ast.literal_eval(node.value) for node in tree.body
                if isinstance(node, ast.Assign) and node.targets[0].id == "__all__")


ARRAY_STUB = stub_tree("array.pyi")
ARRAY_FUNCTIONS = {node.name: node for node in ARRAY_STUB.body if isinstance(node, ast.FunctionDef)}


def test_package_stub_reexports_the_core_names():
    tree = stub_tree("__init__.pyi")
    reexported = {alias.name for node in tree.body if isinstance(node, ast.ImportFrom)
                  and node.module == "planara_core" for alias in node.names
                  if alias.asname == alias.name}
    core = {name for name in vars(planara_core) if not name.startswith("_")}
    assert reexported == core == set(planara.__all__) == set(stub_all(tree))


def test_array_stub_declares_the_public_functions():
    assert list(ARRAY_FUNCTIONS) == stub_all(ARRAY_STUB) == planara.array.__all__


def stub_parameters(node):
    """(name, kind, default) of a stub function, as inspect.Parameter describes them."""
    args, P = node.args, inspect.Parameter
    positional = [(a, P.POSITIONAL_ONLY) for a in args.posonlyargs]
    positional += [(a, P.POSITIONAL_OR_KEYWORD) for a in args.args]
    defaults = [P.empty] * (len(positional) - len(args.defaults)) + args.defaults
    params = [(a.arg, kind, d) for (a, kind), d in zip(positional, defaults)]
    params += [(a.arg, P.KEYWORD_ONLY, d if d is not None else P.empty)
               for a, d in zip(args.kwonlyargs, args.kw_defaults)]
    return [(name, kind, d if d is P.empty else ast.literal_eval(d)) for name, kind, d in params]


@pytest.mark.parametrize("name", planara.array.__all__)
def test_array_stub_parameters_match_the_runtime(name):
    runtime = [(p.name, p.kind, p.default)
               for p in inspect.signature(getattr(planara.array, name)).parameters.values()]
    assert stub_parameters(ARRAY_FUNCTIONS[name]) == runtime


def annotation(name, parameter=None):
    node = ARRAY_FUNCTIONS[name]
    if parameter is None:
        return node.returns
    args = node.args.posonlyargs + node.args.args + node.args.kwonlyargs
    return next(a.annotation for a in args if a.arg == parameter)


def union(node):
    """The names of a union annotation such as `Line2 | Segment2 | None`."""
    if isinstance(node, ast.BinOp):
        return union(node.left) | union(node.right)
    return {ast.unparse(node)}


def stub_dtype(node):
    """The dtype of NDArray[np.X] (the array member of a union with None)."""
    (array,) = union(node) - {"None"}
    scalar = ast.parse(array, mode="eval").body.slice
    return np.dtype(getattr(np, scalar.attr))


ONE_OF_EACH = [
    planara_core.Point2(0, 0), planara_core.Vector2(1, 0), planara_core.Direction2(1, 0),
    planara_core.Bbox2(0, 0, 1, 1), planara_core.Line2(0, 1, 0),
    planara_core.Segment2(planara_core.Point2(0, 0), planara_core.Point2(1, 0)),
    planara_core.Ray2(planara_core.Point2(0, 0), planara_core.Vector2(1, 0)),
    planara_core.Triangle2(planara_core.Point2(0, 0), planara_core.Point2(1, 0),
                           planara_core.Point2(0, 1)),
    planara_core.Circle2(planara_core.Point2(0, 0), 1.0), planara_core.IsoRectangle2(0, 0, 1, 1),
    planara_core.orientation(planara_core.Point2(0, 0), planara_core.Point2(1, 0),
                             planara_core.Point2(0, 1)),
]
SHAPE_PARAMETERS = [(name, node.args.args[0].arg) for name, node in ARRAY_FUNCTIONS.items()
                    if node.args.args[-1].arg == "points" and len(node.args.args) == 2]


@pytest.mark.parametrize("name, parameter", SHAPE_PARAMETERS)
def test_array_stub_names_the_shape_classes_the_runtime_accepts(name, parameter):
    accepted = set()
    for obj in ONE_OF_EACH:
        try:
            getattr(planara.array, name)(obj, [[0.0, 0.0]])
        except TypeError as exc:
            assert parameter in str(exc)
        else:
            accepted.add(type(obj).__name__)
    # Beside single objects, arrays and sequences of them.
    arrays = {"Objects"} | {n for n in union(annotation(name, parameter)) if n.startswith("Sequence[")}
    assert accepted == union(annotation(name, parameter)) - arrays


POINTS = [[0.0, 0.0], [1.0, 2.0], [3.0, -1.0]]
SAMPLE_ARGUMENTS = {
    "orientation": (POINTS, POINTS[::-1], [0.5, 0.5]),
    "squared_distance": (POINTS, [1.0, 1.0]),
    "oriented_side": (ONE_OF_EACH[4], POINTS),
    "bounded_side": (ONE_OF_EACH[7], POINTS),
    "has_on": (ONE_OF_EACH[4], POINTS),
}


@pytest.mark.parametrize("name", SAMPLE_ARGUMENTS)
def test_array_stub_result_and_out_types_match_the_runtime(name):
    function, args = getattr(planara.array, name), SAMPLE_ARGUMENTS[name]
    dtype = stub_dtype(annotation(name))
    assert stub_dtype(annotation(name, "out")) == dtype
    assert function(*args).dtype == dtype
    out = np.empty(len(POINTS), dtype)
    assert function(*args, out=out) is out


def test_array_stub_bbox_result_matches_the_runtime():
    result = planara.array.bbox(POINTS)
    assert union(annotation("bbox")) == {type(result).__name__}


PLOT_STUB = stub_tree("plot.pyi")
PLOT_OVERLOADS = [node for node in PLOT_STUB.body if isinstance(node, ast.FunctionDef)]


def test_plot_stub_declares_the_public_functions():
    assert list(dict.fromkeys(node.name for node in PLOT_OVERLOADS)) == stub_all(PLOT_STUB) \
        == planara.plot.__all__


@pytest.mark.parametrize("node", PLOT_OVERLOADS, ids=lambda node: f"{node.name}:{node.lineno}")
def test_plot_stub_overloads_have_the_runtime_parameters(node):
    """Every overload has the runtime's parameters; it may leave a default out
    (points with codes), never state another."""
    runtime = inspect.signature(getattr(planara.plot, node.name)).parameters.values()
    stub = stub_parameters(node) + [(node.args.kwarg.arg, inspect.Parameter.VAR_KEYWORD,
                                     inspect.Parameter.empty)]
    assert [(name, kind) for name, kind, _ in stub] == [(p.name, p.kind) for p in runtime]
    for (name, _, default), parameter in zip(stub, runtime):
        assert default in (inspect.Parameter.empty, parameter.default), name


def stub_class(name):
    """The matplotlib class a name of the plot stub stands for."""
    module = next(node.module for node in PLOT_STUB.body if isinstance(node, ast.ImportFrom)
                  and any(alias.name == name for alias in node.names))
    return getattr(importlib.import_module(module), name)


DRAW_RESULTS = {name: union(node.returns) - {"None"} for node in PLOT_OVERLOADS
                if node.name == "draw" for name in union(node.args.args[0].annotation)}


@pytest.mark.parametrize("obj", [o for o in ONE_OF_EACH if type(o).__name__ in DRAW_RESULTS],
                         ids=lambda o: type(o).__name__)
def test_plot_stub_names_the_artist_drawn_for_each_class(obj):
    from matplotlib.figure import Figure

    ax = Figure().add_subplot()
    (result,) = DRAW_RESULTS[type(obj).__name__]
    assert isinstance(planara.plot.draw(obj, ax), stub_class(result))
    assert all(isinstance(c, stub_class("Collection")) for c in planara.plot.draw([obj], ax))


@pytest.mark.parametrize("module, stub", [
    (planara, "__init__.pyi"), (planara.array, "array.pyi"), (planara.plot, "plot.pyi"),
], ids=lambda value: getattr(value, "__name__", value))
def test_package_stub_docstrings_are_the_runtime_docstrings(module, stub):
    """The reference is built from the stubs; their text is the source's, the
    module's and every public function's (on its first overload)."""
    tree = stub_tree(stub)
    assert ast.get_docstring(tree, clean=True) == inspect.getdoc(module)
    functions = {}
    for node in tree.body:
        if isinstance(node, ast.FunctionDef):
            functions.setdefault(node.name, node)
    for name in getattr(module, "__all__", []):
        if name in functions:
            assert ast.get_docstring(functions[name], clean=True) == \
                inspect.getdoc(getattr(module, name)), name
