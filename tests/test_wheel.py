"""The distributions: the wheel that `make install` built and installed, the same
wheel repaired for manylinux by `make wheel`, and an sdist of this tree. What
they hold, and that each runs from a fresh virtual environment with no file of
the source tree on its path (the sdist compiled there from scratch, which takes
a few minutes)."""

import email.parser
import pathlib
import subprocess
import sys
import tarfile
import zipfile

import pytest

import planara_core

ROOT = pathlib.Path(__file__).resolve().parents[1]
WHEELHOUSE = ROOT / "build" / "wheelhouse"
DIST = ROOT / "dist"
PLATFORM = "manylinux_2_34_x86_64"
STUB = ROOT / "python" / "planara_core.pyi"
EXTENSION = pathlib.Path(planara_core.__file__).name
EXTENSIONS = {"planara/" + EXTENSION.replace("planara_core", name) for name in ("_array", "_values")}
# The package's sources, stubs and typing marker, as they stand in python/planara.
PACKAGE_FILES = ["__init__.py", "array.py", "plot.py", "_pickling.py", "__init__.pyi", "array.pyi",
                 "plot.pyi", "py.typed"]
PACKAGE = {*EXTENSIONS, *(f"planara/{name}" for name in PACKAGE_FILES)}
LICENSE_FILES = ("LICENSE", "COPYING")

pytestmark = pytest.mark.wheel


def run(command, **options):
    """Runs command and returns its output; a failure shows what it printed."""
    done = subprocess.run([str(part) for part in command], capture_output=True, text=True,
                          **options)
    assert done.returncode == 0, f"{command} failed:\n{done.stdout}\n{done.stderr}"
    return done.stdout


def only(directory, pattern, how):
    found = list(directory.glob(pattern))
    assert len(found) == 1, f"expected one {pattern} in {directory}; run `{how}`"
    return found[0]


@pytest.fixture(scope="module")
def wheel():
    return only(WHEELHOUSE, "planara_core-*.whl", "make install")


@pytest.fixture(scope="module")
def repaired():
    return only(DIST, f"planara_core-*-{PLATFORM}.whl", "make wheel")


@pytest.fixture(scope="module")
def sdist(tmp_path_factory):
    """An sdist of this tree as it stands."""
    out = tmp_path_factory.mktemp("sdist")
    run([sys.executable, "-m", "build", "--sdist", "--outdir", out, ROOT])
    return only(out, "planara_core-*.tar.gz", "python -m build --sdist")


@pytest.fixture(scope="module")
def installed(request, tmp_path_factory):
    """python("wheel"): the interpreter of a new virtual environment holding only
    the wheel; python("repaired") or python("sdist"): one holding the repaired
    wheel or the sdist with the array and plot extras (numpy and matplotlib from
    the index). Each is made once for the module."""
    made = {}

    def python(kind):
        if kind not in made:
            venv = tmp_path_factory.mktemp(kind) / "venv"
            run([sys.executable, "-m", "venv", "--without-pip", venv])
            made[kind] = venv / "bin" / "python"
            source = request.getfixturevalue(kind)
            what = (["--no-index", "--no-deps", source] if kind == "wheel"
                    else [f"{source}[array,plot]"])
            run([sys.executable, "-m", "pip", "--python", made[kind], "install", "--quiet",
                 *what])
        return made[kind]
    return python


def run_isolated(python, source, cwd, *args):
    """Runs source given on stdin in isolated mode (no PYTHONPATH, no user site, no cwd)."""
    return run([python, "-I", "-", *args], input=source, cwd=cwd)


@pytest.mark.parametrize("kind, tag", [("wheel", "linux_x86_64"), ("repaired", PLATFORM)])
def test_wheel_holds_the_installed_module_and_its_stubs(request, kind, tag):
    """The repair only retags the wheel: nothing is grafted in or changed."""
    wheel = request.getfixturevalue(kind)
    rebuild = "make install" if kind == "wheel" else "make wheel"
    site = pathlib.Path(planara_core.__file__).parent
    with zipfile.ZipFile(wheel) as zf:
        names = set(zf.namelist())
        # (auditwheel writes directory entries too)
        payload = {n for n in names if ".dist-info/" not in n and not n.endswith("/")}
        assert payload == {EXTENSION, "planara_core.pyi", "planara_core-stubs/__init__.pyi",
                           *PACKAGE}
        # The license and the GPL it builds on, as in the source tree.
        for name in LICENSE_FILES:
            (found,) = [n for n in names if ".dist-info/" in n and n.endswith("/" + name)]
            assert zf.read(found) == (ROOT / name).read_bytes()
        for name in (EXTENSION, *EXTENSIONS):
            assert zf.read(name) == (site / name).read_bytes(), \
                f"the installed {name} is not the wheel's; run `{rebuild}`"
        for stub in ("planara_core.pyi", "planara_core-stubs/__init__.pyi"):
            assert zf.read(stub).decode() == STUB.read_text()
        for name in PACKAGE_FILES:
            assert zf.read(f"planara/{name}") == (ROOT / "python" / "planara" / name).read_bytes(), \
                f"planara/{name} differs from the source; run `{rebuild}`"

        def dist_info(name):
            found = next(n for n in names if n.endswith(f".dist-info/{name}"))
            return email.parser.Parser().parsestr(zf.read(found).decode())
        meta, tags = dist_info("METADATA"), dist_info("WHEEL")
    assert tags.get_all("Tag") == [f"cp311-cp311-{tag}"]
    assert meta["Requires-Python"] == "==3.11.*"
    # Nothing is needed at run time but by the extras: numpy for the bulk
    # functions, matplotlib for the pictures, dask for running on a cluster,
    # both numpy and matplotlib for the examples.
    requires = meta.get_all("Requires-Dist")
    assert 'numpy>=2; extra == "array"' in requires
    assert any(r.startswith("matplotlib") and r.endswith('; extra == "plot"') for r in requires)
    assert all('; extra == "' in r for r in requires), requires
    assert set(meta.get_all("Provides-Extra")) == {"array", "plot", "dask", "examples"}


def test_sdist_holds_the_sources_and_no_build_products(sdist):
    with tarfile.open(sdist) as tf:
        names = {name.partition("/")[2] for name in tf.getnames()}
    sources = {str(path.relative_to(ROOT)) for top in ("src", "python")
               for path in (ROOT / top).rglob("*")
               if path.is_file() and "__pycache__" not in path.parts and path.suffix != ".so"}
    missing = {"PKG-INFO", "pyproject.toml", "README.md", *LICENSE_FILES, *sources} - names
    assert not missing
    stray = {name for name in names
             if name.split("/")[0] in {"build", "dist", ".venv", ".venv-asan", ".git"}
             or "__pycache__" in name.split("/") or name.endswith((".so", ".whl"))}
    assert not stray


@pytest.mark.parametrize("kind", ["wheel", "repaired", "sdist"])
def test_tour_and_picture_run_from_the_install(installed, kind, tmp_path):
    python = installed(kind)
    where = run_isolated(python, "import planara_core; print(planara_core.__file__)", tmp_path)
    assert pathlib.Path(where.strip()).is_relative_to(python.parents[1])
    tour = run_isolated(python, (ROOT / "examples" / "tour.py").read_text(), tmp_path)
    assert "== Points and vectors ==" in tour
    last = tour.splitlines()[-1]
    if kind == "wheel":
        # The wheel alone has no numpy: the tour says so and goes on.
        assert "(skipped: planara.array needs numpy" in last
        return  # nor matplotlib, which the picture needs
    def line(text):
        return next(line for line in tour.splitlines() if text in line)

    assert line("the same as t.bounded_side point by point").endswith(" True")
    assert line("the same with exact=True").endswith(" [1, 0, -1]")
    assert last.endswith(" True")  # locate agrees with every shape asked about every point
    out = run_isolated(python, (ROOT / "examples" / "picture.py").read_text(), tmp_path, "out.png")
    assert (tmp_path / "out.png").read_bytes().startswith(b"\x89PNG\r\n\x1a\n") and "out.png" in out


BULK_AND_PICKLE = """
import pickle
import numpy as np
import planara, planara.array, planara_core as pc

p, q = np.zeros((3, 2)), np.array([[1.0, 0.0]] * 3)
r = np.array([[0.0, 1.0], [0.0, -1.0], [2.0, 0.0]])
print(planara.array.orientation(p, q, r).tolist(), planara.array.squared_distance(q, r).tolist())
for obj in [pc.Point2(1.5, -0.0), pc.Segment2(pc.Point2(0, 0), pc.Point2(1, 2)),
            # a circle through collinear points, which planara._values rebuilds
            pc.Circle2(pc.Point2(0, 0), pc.Point2(1, 1), pc.Point2(2, 2)),
            pc.orientation(pc.Point2(0, 0), pc.Point2(1, 0), pc.Point2(0, 1))]:
    print(repr(pickle.loads(pickle.dumps(obj))))
"""


@pytest.mark.parametrize("kind", ["repaired", "sdist"])
def test_bulk_call_and_pickle_round_trip_from_the_install(installed, kind, tmp_path):
    assert run_isolated(installed(kind), BULK_AND_PICKLE, tmp_path).splitlines() == [
        "[1, -1, 0] [2.0, 2.0, 1.0]",
        "Point2(1.500000, -0.000000)",
        "Segment2((0.000000, 0.000000), (1.000000, 2.000000))",
        "Circle2(center=(-inf, inf), squared_radius=inf)",
        "Left turn"]


def test_planara_imports_without_numpy_or_matplotlib(installed, tmp_path):
    out = run_isolated(installed("wheel"), """
import planara, planara_core
assert planara.Point2 is planara_core.Point2
for attempt in ("import planara.array", "planara.array", "import planara.plot", "planara.plot"):
    try:
        exec(attempt)
    except ImportError as exc:
        print(exc)
""", tmp_path)
    assert out.splitlines() == [
        "planara.array needs numpy >= 2: install the 'array' extra, "
        "pip install 'planara_core[array]'"] * 2 + [
        "planara.plot needs matplotlib: install the 'plot' extra, "
        "pip install 'planara_core[plot]'"] * 2
