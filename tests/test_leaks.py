"""Repeated calls leave memory and reference counts flat: every operation run
many times, and every refused call too. Memory is watched three ways:
tracemalloc sees the interpreter's own allocations, the C heap's bytes in use
(mallinfo2) see native ones exactly, and the resident size sees everything
that reaches the machine, coarsely."""

import os
import sys
import tracemalloc

import pytest

import planara_core
import surface
from conftest import record_figure
from memory import heap_in_use, quietest_batch, repeat, resident, traced

# ASan keeps freed memory in quarantine and replaces the C allocator, so under
# the sanitizer run the loops are shorter and only tracemalloc and reference
# counts are checked.
UNDER_ASAN = "libasan" in os.environ.get("LD_PRELOAD", "")
REPEATS = 10**4 if UNDER_ASAN else 10**5
REFUSED_REPEATS = 10**3 if UNDER_ASAN else 10**4
RESIDENT_BATCHES = 5
TRACED_BATCHES = 3
RESIDENT_LIMIT = 64 * 1024  # bytes over REPEATS / 5 calls: about 3 bytes a call
HEAP_LIMIT = 16 * 1024  # bytes over REPEATS / 5 calls
TRACED_LIMIT = 1024  # bytes over REPEATS / 30 calls
GROWTH = {"resident": [], "heap": [], "traced": []}


def check_flat(label, func, args, kwargs, n):
    call = (func, args, kwargs)
    batch = n // RESIDENT_BATCHES
    # Small ints are shared by the whole interpreter: their counts move anyway.
    watched = [obj for obj in (func, *args, *kwargs.values(), *surface.classes())
               if type(obj) not in (int, bool)]
    refs = [sys.getrefcount(obj) for obj in watched]
    repeat(1000, *call)
    grown = quietest_batch(resident, RESIDENT_BATCHES, batch, *call)
    heap = quietest_batch(heap_in_use, RESIDENT_BATCHES, batch, *call)
    tracemalloc.start()
    try:
        repeat(100, *call)
        traced_growth = quietest_batch(traced, TRACED_BATCHES, n // 30, *call)
    finally:
        tracemalloc.stop()
    assert [sys.getrefcount(obj) for obj in watched] == refs, label
    assert traced_growth < TRACED_LIMIT, f"{label}: {traced_growth} bytes traced"
    if not UNDER_ASAN:
        assert heap < HEAP_LIMIT, f"{label}: C heap grew by {heap} bytes"
        assert grown < RESIDENT_LIMIT, f"{label}: resident size grew by {grown} bytes"
    GROWTH["resident"].append(grown)
    GROWTH["heap"].append(heap)
    GROWTH["traced"].append(traced_growth)


@pytest.fixture(scope="module", autouse=True)
def report_growth():
    yield
    if GROWTH["traced"]:
        native = ("not measured under ASan" if UNDER_ASAN else
                  f"{max(GROWTH['resident'])} B resident and {max(GROWTH['heap'])} B C heap "
                  f"per {REPEATS // RESIDENT_BATCHES} calls")
        record_figure(f"leaks: {len(GROWTH['traced'])} call shapes; largest steady growth "
                      f"{native}, {max(GROWTH['traced'])} B traced per {REPEATS // 30} calls")


@pytest.mark.parametrize("call", surface.valid_calls(), ids=lambda c: c.label)
def test_repeated_calls_leak_nothing(call):
    check_flat(call.label, call.func, call.args, call.kwargs, REPEATS)


def refused_calls():
    """Per member: one argument too many, and a wrong type in every place."""
    for call in surface.valid_calls():
        if call.kwargs:
            continue
        bogus = object()
        yield pytest.param(call.func, call.args + (bogus,), id=f"{call.label}+extra")
        for i in range(len(call.args)):
            args = call.args[:i] + (object(),) + call.args[i + 1:]
            yield pytest.param(call.func, args, id=f"{call.label}-wrong{i}")


@pytest.mark.parametrize("func, args", list(refused_calls()))
def test_refused_calls_leak_nothing(func, args):
    with pytest.raises(TypeError):
        func(*args)
    check_flat("refused", func, args, {}, REFUSED_REPEATS)


@pytest.mark.parametrize("member", [m for m in surface.members() if m.takes_self],
                         ids=lambda m: m.label)
def test_uses_of_uninitialised_instances_leak_nothing(member):
    bare = member.owner.__new__(member.owner)
    # Each refusal is a native exception: slow enough to keep this loop short.
    check_flat(member.label, member.target(), (bare,), {}, 2000)
