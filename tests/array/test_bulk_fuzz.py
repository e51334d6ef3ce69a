"""Hostile calls of planara.array: any argument from the fuzz pool of the
classes (wrong types, hostile numbers, instances of every class, objects that
skipped __init__), odd arrays, wrong keywords. Nothing may crash; the only
errors are TypeError and ValueError; a refused call leaves `out` as it was."""

import inspect

import numpy as np
import pytest
from hypothesis import HealthCheck, given, settings, strategies as st

import planara.array as pa
from conftest import TO_NEAREST, record_figure, rounding_mode
from test_fuzz import hostile

FUNCTIONS = [getattr(pa, name) for name in pa.__all__]
ODD_ARRAYS = [
    np.zeros((3, 2)), np.zeros((3, 3)), np.zeros(2), np.zeros((0, 2)), np.zeros((2, 0)),
    np.zeros((3, 2), dtype=np.complex64), np.array([["a", "b"]]), np.full((2, 2), None),
    np.zeros((2, 2), dtype="M8[s]"), np.zeros((2, 2), dtype=np.float16), np.zeros((1, 1, 2)),
    np.zeros((2, 2), dtype=[("x", "f8"), ("y", "f8")]), np.zeros((4, 2))[::3],
    np.array(np.nan), [[1, 2], [3]], [[1, 2], [3, "4"]], [], [[]], range(4),
    np.broadcast_to(np.zeros(2), (5, 2)), np.ma.masked_array(np.zeros((2, 2)), mask=True),
]
OUTS = [np.zeros(3, np.int8), np.zeros(3), np.zeros(3, np.bool_), np.zeros((), np.int8),
        np.zeros(3, np.int8)[::-1], np.zeros(6, np.int8).reshape(3, 2)]
VALID_POINTS = [np.zeros((3, 2)), np.arange(6.0).reshape(3, 2), [1.5, 2.5], np.ones((1, 3, 2), np.int8)]
argument = st.one_of(hostile, st.sampled_from(ODD_ARRAYS), st.sampled_from(VALID_POINTS))
CALLS = []
ANSWERED = []


@pytest.fixture(scope="module", autouse=True)
def report_calls():
    yield
    record_figure(f"fuzz: {len(CALLS)} hostile calls of the {len(FUNCTIONS)} bulk functions, "
                  f"{len(ANSWERED)} of them answered")


@pytest.mark.parametrize("function", FUNCTIONS, ids=lambda f: f.__name__)
@settings(max_examples=300, deadline=None, database=None,
          suppress_health_check=[HealthCheck.too_slow, HealthCheck.data_too_large])
@given(data=st.data())
def test_hostile_bulk_calls_fail_cleanly(function, data):
    params = [p for p in inspect.signature(function).parameters.values()
              if p.kind is p.POSITIONAL_OR_KEYWORD]
    count = data.draw(st.one_of(st.just(len(params)), st.integers(0, len(params) + 1)))
    args = [data.draw(argument) for _ in range(count)]
    kwargs = {}
    if "out" in inspect.signature(function).parameters and data.draw(st.booleans()):
        kwargs["out"] = data.draw(st.one_of(st.sampled_from(OUTS).map(np.copy), hostile))
    if "threads" in inspect.signature(function).parameters and data.draw(st.booleans()):
        kwargs["threads"] = data.draw(st.one_of(st.integers(-3, 5), hostile))
    if "exact" in inspect.signature(function).parameters and data.draw(st.booleans()):
        kwargs["exact"] = data.draw(st.one_of(st.just(True), hostile))
    if data.draw(st.integers(0, 3)) == 0:
        kwargs[data.draw(st.sampled_from(["bogus", "shape", "points", "p", "x"]))] = \
            data.draw(argument)
    out = kwargs.get("out")
    before = out.copy() if isinstance(out, np.ndarray) else None
    CALLS.append(function.__name__)
    try:
        result = function(*args, **kwargs)
    # DeprecationWarning: the interpreter's own, for an __index__ that returns
    # an int subclass (the suite turns warnings into errors).
    except (TypeError, ValueError, DeprecationWarning):
        if before is not None:
            assert np.array_equal(out, before, equal_nan=True)
    else:
        ANSWERED.append(function.__name__)
        assert isinstance(repr(result), str)
    finally:
        assert rounding_mode() == TO_NEAREST
