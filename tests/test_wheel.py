"""The wheel that `make install` built and installed: what it holds, and that it runs
from a fresh virtual environment with no file of the source tree on its path."""

import email.parser
import pathlib
import subprocess
import sys
import zipfile

import pytest

import planara_core

ROOT = pathlib.Path(__file__).resolve().parents[1]
WHEELHOUSE = ROOT / "build" / "wheelhouse"
STUB = ROOT / "python" / "planara_core.pyi"
EXTENSION = pathlib.Path(planara_core.__file__).name
EXTENSIONS = {"planara/" + EXTENSION.replace("planara_core", name) for name in ("_array", "_values")}
# The package's sources, stubs and typing marker, as they stand in python/planara.
PACKAGE_FILES = ["__init__.py", "array.py", "_pickling.py", "__init__.pyi", "array.pyi", "py.typed"]
PACKAGE = {*EXTENSIONS, *(f"planara/{name}" for name in PACKAGE_FILES)}

pytestmark = pytest.mark.wheel


@pytest.fixture(scope="module")
def wheel():
    found = list(WHEELHOUSE.glob("planara_core-*.whl"))
    assert len(found) == 1, f"expected one wheel in {WHEELHOUSE}; run `make install`"
    return found[0]


@pytest.fixture(scope="module")
def fresh_python(wheel, tmp_path_factory):
    """The interpreter of a new virtual environment holding only the wheel."""
    venv = tmp_path_factory.mktemp("wheel") / "venv"
    subprocess.run([sys.executable, "-m", "venv", "--without-pip", str(venv)], check=True)
    python = venv / "bin" / "python"
    subprocess.run([sys.executable, "-m", "pip", "--python", str(python), "install", "--quiet",
                    "--no-index", "--no-deps", str(wheel)], check=True)
    return python


def run_isolated(python, source, cwd, *args):
    """Runs source given on stdin in isolated mode (no PYTHONPATH, no user site, no cwd)."""
    return subprocess.run([str(python), "-I", "-", *args], input=source, cwd=cwd,
                          capture_output=True, text=True, check=True).stdout


def test_wheel_holds_the_installed_module_and_its_stubs(wheel):
    with zipfile.ZipFile(wheel) as zf:
        names = set(zf.namelist())
        payload = {n for n in names if ".dist-info/" not in n}
        assert payload == {EXTENSION, "planara_core.pyi", "planara_core-stubs/__init__.pyi",
                           *PACKAGE}
        assert zf.read(EXTENSION) == pathlib.Path(planara_core.__file__).read_bytes(), \
            "the installed module is not the wheel's; run `make install`"
        for stub in ("planara_core.pyi", "planara_core-stubs/__init__.pyi"):
            assert zf.read(stub).decode() == STUB.read_text()
        for name in PACKAGE_FILES:
            assert zf.read(f"planara/{name}") == (ROOT / "python" / "planara" / name).read_bytes(), \
                f"planara/{name} differs from the source; run `make install`"
        meta_name = next(n for n in names if n.endswith(".dist-info/METADATA"))
        meta = email.parser.Parser().parsestr(zf.read(meta_name).decode())
    assert meta["Requires-Python"] == "==3.11.*"
    # Nothing is needed at run time but by the extras: numpy for the bulk
    # functions, dask for running them on a cluster.
    requires = meta.get_all("Requires-Dist")
    assert 'numpy>=2; extra == "array"' in requires
    assert all('; extra == "' in r for r in requires), requires
    assert set(meta.get_all("Provides-Extra")) == {"array", "dask"}


def test_tour_and_picture_run_from_the_wheel(fresh_python, tmp_path):
    where = run_isolated(fresh_python, "import planara_core; print(planara_core.__file__)",
                         tmp_path)
    assert pathlib.Path(where.strip()).is_relative_to(fresh_python.parents[1])
    tour = run_isolated(fresh_python, (ROOT / "examples" / "tour.py").read_text(), tmp_path)
    assert "== Points and vectors ==" in tour
    # The wheel alone has no numpy: the tour says so and goes on.
    assert "(skipped: planara.array needs numpy" in tour.splitlines()[-1]
    out = run_isolated(fresh_python, (ROOT / "examples" / "picture.py").read_text(), tmp_path,
                       "out.svg")
    assert (tmp_path / "out.svg").read_text().startswith("<svg") and "out.svg" in out


def test_planara_imports_without_numpy(fresh_python, tmp_path):
    out = run_isolated(fresh_python, """
import planara, planara_core
assert planara.Point2 is planara_core.Point2
for attempt in ("import planara.array", "planara.array"):
    try:
        exec(attempt)
    except ImportError as exc:
        print(exc)
""", tmp_path)
    assert out.splitlines() == [
        "planara.array needs numpy >= 2: install the 'array' extra, "
        "pip install 'planara_core[array]'"] * 2
