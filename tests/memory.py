"""Memory gauges for the leak checks, and the batch rule that tells a leak
from the allocators' one-off growth."""

import ctypes
import itertools
import os
import tracemalloc


class MallInfo2(ctypes.Structure):
    _fields_ = [(name, ctypes.c_size_t) for name in (
        "arena", "ordblks", "smblks", "hblks", "hblkhd", "usmblks", "fsmblks", "uordblks",
        "fordblks", "keepcost")]


_mallinfo2 = ctypes.CDLL(None).mallinfo2
_mallinfo2.restype = MallInfo2


def heap_in_use():
    """Bytes the C allocator has handed out and not yet had back."""
    info = _mallinfo2()
    return info.uordblks + info.hblkhd


def resident():
    """The process's resident size in bytes."""
    with open("/proc/self/statm") as f:
        return int(f.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")


def traced():
    """Bytes allocated by the interpreter since tracemalloc started."""
    return tracemalloc.get_traced_memory()[0]


def repeat(n, func, args=(), kwargs={}):
    for _ in itertools.repeat(None, n):
        try:
            func(*args, **kwargs)
        except (TypeError, ValueError, OverflowError):
            pass


def quietest_batch(gauge, batches, n, func, args=(), kwargs={}):
    """The smallest growth of gauge() over one of several batches of n calls.

    A leak grows every batch, while one-off growth (a cache filling, a heap
    threshold moving, a dictionary resizing) shows in one batch only, so the
    quietest batch of a leak-free call is flat."""
    grown = []
    for _ in range(batches):
        before = gauge()
        repeat(n, func, args, kwargs)
        grown.append(gauge() - before)
    return min(grown)
