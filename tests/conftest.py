import contextlib
import ctypes
import ctypes.util
import math
import os
import pathlib
import platform
import shutil
import subprocess
import sysconfig

import pytest
from hypothesis import strategies as st

# Pictures are drawn without a display, here and in the interpreters tests start.
os.environ.setdefault("MPLBACKEND", "Agg")

_libc = ctypes.CDLL(None)


def printf_f(x: float) -> str:
    """The C library's own "%f" rendering of a double, as an independent reference."""
    buf = ctypes.create_string_buffer(512)
    n = _libc.snprintf(buf, len(buf), b"%f", ctypes.c_double(x))
    assert 0 <= n < len(buf)
    return buf.value.decode("ascii")


def same_float(a: float, b: float) -> bool:
    """Bit-for-bit equality of doubles except for NaN payloads (NaN matches NaN)."""
    if math.isnan(a) or math.isnan(b):
        return math.isnan(a) and math.isnan(b)
    return a == b and math.copysign(1.0, a) == math.copysign(1.0, b)


def ordered(s, p, t):
    """p lies between s and t, judged on the first coordinate in which p and s differ."""
    if s[0] < p[0]:
        return not t[0] < p[0]
    if p[0] < s[0]:
        return not p[0] < t[0]
    if s[1] < p[1]:
        return not t[1] < p[1]
    if p[1] < s[1]:
        return not p[1] < t[1]
    return True


def reference_orientation(a, b, c):
    """Orientation of three (x, y) tuples by comparing the two products; NaN gives 0."""
    left = (c[0] - a[0]) * (b[1] - a[1])
    right = (b[0] - a[0]) * (c[1] - a[1])
    return -1 if left > right else 1 if right > left else 0


_libm = ctypes.CDLL(ctypes.util.find_library("m"))
# The <fenv.h> rounding-mode codes of the platforms we build on.
ROUNDING_MODES = {
    "x86_64": {"nearest": 0x000, "downward": 0x400, "upward": 0x800, "toward zero": 0xC00},
    "aarch64": {"nearest": 0x000000, "upward": 0x400000, "downward": 0x800000,
                "toward zero": 0xC00000},
}[platform.machine()]
TO_NEAREST = ROUNDING_MODES["nearest"]


def rounding_mode() -> int:
    """The calling thread's floating-point rounding mode (fegetround)."""
    return _libm.fegetround()


@contextlib.contextmanager
def rounding(mode: int):
    """Runs the block with the calling thread in the given rounding mode."""
    assert _libm.fesetround(mode) == 0
    try:
        yield
    finally:
        _libm.fesetround(TO_NEAREST)


@pytest.fixture
def pc():
    import planara_core

    return planara_core


NATIVE = pathlib.Path(__file__).with_name("native")
SRC = pathlib.Path(__file__).parents[1] / "src"


def run_native_check(tmp_path, sources, flags, args):
    """Compiles a native check from its sources (relative to tests/native) with
    the modules' floating-point flags and `flags`, runs it with `args` and
    returns its counts (the NAME=VALUE words it prints) as ints; fails on a
    non-zero exit, skips without a compiler."""
    compiler = os.environ.get("CXX", "g++")
    if shutil.which(compiler) is None:
        pytest.skip(f"no C++ compiler {compiler!r}")
    exe = tmp_path / "check"
    subprocess.run([compiler, "-std=c++17", "-O2", "-frounding-math", "-ffp-contract=off",
                    "-fno-fast-math", "-DNDEBUG", *flags, "-o", str(exe),
                    *(str(NATIVE / s) for s in sources)],
                   check=True)
    run = subprocess.run([str(exe), *args], capture_output=True, text=True)
    assert run.returncode == 0, run.stdout + run.stderr
    return {k: int(v) for k, v in (item.split("=") for item in run.stdout.split())}


def same_floats(actual, expected) -> bool:
    """same_float over two sequences of equal length."""
    return len(actual) == len(expected) and all(map(same_float, actual, expected))


# Coordinates that often coincide, touch zero from both sides or are not finite,
# mixed with arbitrary doubles.
coords = st.one_of(
    st.sampled_from([0.0, -0.0, 1.0, -1.0, 2.0, 0.5, math.inf, -math.inf, math.nan]),
    st.floats(allow_nan=True, allow_infinity=True),
)
points = st.tuples(coords, coords)


def sign(x: float) -> int:
    return -1 if x < 0 else 1 if x > 0 else 0


def line_through(px, py, qx, qy):
    """Coefficients of the line from (px, py) to (qx, qy); horizontal and vertical
    lines get exact unit coefficients."""
    if py == qy:
        return (0.0, 1.0, -py) if qx > px else (0.0, 0.0, 0.0) if qx == px else (0.0, -1.0, py)
    if qx == px:
        return (-1.0, 0.0, px) if qy > py else (1.0, 0.0, -px)
    a, b = py - qy, qx - px
    return a, b, (-px) * a - py * b


def same_direction(dx1, dy1, dx2, dy2) -> bool:
    """Equality of two directions: equal component signs and neither cross product larger."""
    p, q = dy1 * dx2, dy2 * dx1
    return sign(dx1) == sign(dx2) and sign(dy1) == sign(dy2) and not (p > q or p < q)


def xy(p):
    return (p.x, p.y)


def text_of(obj) -> str:
    """repr of obj, or the error of an instance that never ran __init__."""
    try:
        return repr(obj)
    except TypeError as exc:
        return str(exc)


# Figures measured by the reliability checks (calls fuzzed, memory growth),
# printed at the end of the run so that every CI log carries them.
FIGURES = []


def record_figure(text: str) -> None:
    FIGURES.append(text)


def pytest_terminal_summary(terminalreporter):
    if FIGURES:
        terminalreporter.section("reliability figures")
        for line in FIGURES:
            terminalreporter.write_line(line)


@pytest.fixture(scope="session")
def foreign_module(tmp_path_factory):
    """The directory of `foreign_class`, a module of other classes built with the
    same binding layer (tests/native/foreign_class.cpp)."""
    compiler = os.environ.get("CXX", "g++")
    if shutil.which(compiler) is None:
        pytest.skip(f"no C++ compiler {compiler!r}")
    import pybind11

    out = tmp_path_factory.mktemp("foreign")
    suffix = sysconfig.get_config_var("EXT_SUFFIX")
    source = pathlib.Path(__file__).with_name("native") / "foreign_class.cpp"
    subprocess.run([compiler, "-std=c++17", "-O1", "-shared", "-fPIC", "-fvisibility=hidden",
                    f"-I{pybind11.get_include()}", f"-I{sysconfig.get_paths()['include']}",
                    "-o", str(out / f"foreign_class{suffix}"), str(source)], check=True)
    return out
