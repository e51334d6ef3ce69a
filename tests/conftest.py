import contextlib
import ctypes
import ctypes.util
import math
import platform

import pytest

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
