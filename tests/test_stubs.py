"""The type stub: generated from the module, committed, installed, and right for mypy.

mypy's stubtest cannot check this stub: pybind11 functions have no __text_signature__,
so it sees no parameter lists. The drift test below compares every signature instead.
"""

import difflib
import importlib.util
import pathlib
import subprocess
import sys

import pytest

import planara_core

ROOT = pathlib.Path(__file__).resolve().parents[1]
STUB = ROOT / "python" / "planara_core.pyi"
USAGE = ROOT / "tests" / "typing" / "usage.py"


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


@pytest.mark.parametrize("relative", ["planara_core.pyi", "planara_core-stubs/__init__.pyi"])
def test_stub_is_installed_with_the_module(relative):
    installed = pathlib.Path(planara_core.__file__).parent / relative
    assert installed.read_text() == STUB.read_text()


@pytest.mark.parametrize("text", [
    "CGAL::Point_2<CGAL::Simple_cartesian<double> >",   # a native type pybind11 could not name
    "numpy.ndarray",                                    # a module the stub does not import
    "Point3",                                           # a class the module does not have
])
def test_generator_refuses_types_it_cannot_spell(text):
    with pytest.raises(stubgen.StubError):
        stubgen.Writer(planara_core).type_text(text)


@pytest.mark.parametrize("signature", [
    "f(self: planara_core.Point2, p: planara_core.Point2 = <planara_core.Point2 object at 0x7f>)"
    " -> None",
    "f(self: planara_core.Point2, x: float, arg1: float) -> None",
])
def test_generator_refuses_parameters_it_cannot_state(signature):
    params, result = stubgen.parse_signature(signature, "f")
    with pytest.raises(stubgen.StubError):
        stubgen.Writer(planara_core).parameters(stubgen.Overload(params, result, ""), "method")


@pytest.mark.parametrize("target", [[str(USAGE)], [str(STUB)]], ids=["usage", "stub"])
def test_mypy_accepts(target):
    # Settings (strict, warn_unused_ignores) come from pyproject.toml.
    run = subprocess.run([sys.executable, "-m", "mypy", *target], cwd=ROOT,
                         capture_output=True, text=True)
    assert run.returncode == 0, run.stdout + run.stderr


def test_typed_usage_runs():
    subprocess.run([sys.executable, str(USAGE)], check=True)
