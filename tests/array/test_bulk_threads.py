"""Threads and the interpreter lock: the loops run without the lock, results
do not depend on the number of workers, Python threads may call at once on
shared arrays, no worker outlives its call (so fork and exit are safe), and a
call allocates nothing the size of its input."""

import os
import subprocess
import sys
import textwrap
import threading
import tracemalloc

import numpy as np
import pytest

import planara.array as pa
import planara_core as pc
from bulk_cases import bits
from planara import _array

P = pc.Point2
TRIANGLE = pc.Triangle2(P(0.1, 0.1), P(0.9, 0.2), P(0.3, 0.8))
CIRCLE = pc.Circle2(P(0.5, 0.5), 0.1)
CORES = len(os.sched_getaffinity(0))


@pytest.fixture(scope="module")
def many():
    return np.random.default_rng(7).random((2_000_000, 2))


def os_threads():
    return len(os.listdir("/proc/self/task"))


def test_results_do_not_depend_on_the_worker_count(many):
    pts = many[:300_001]
    shapes = np.resize(np.array([TRIANGLE, CIRCLE], dtype=object), len(pts))
    mesh = pa.triangles(pts[:3000], pts[3000:6000], pts[6000:9000])
    first = pa.oriented_side(TRIANGLE, pts, threads=1)
    distances = pa.squared_distance(pts, pts[::-1], threads=1)
    each = pa.bounded_side(shapes, pts, threads=1)
    pairs = pa.locate(mesh, pts, threads=1)
    for threads in (2, 3, 16, None):
        assert np.array_equal(pa.oriented_side(TRIANGLE, pts, threads=threads), first)
        assert bits(pa.squared_distance(pts, pts[::-1], threads=threads)).tobytes() == \
            bits(distances).tobytes()
        assert np.array_equal(pa.bounded_side(shapes, pts, threads=threads), each)
        assert np.array_equal(pa.locate(mesh, pts, threads=threads), pairs)


@pytest.mark.parametrize("size, threads, workers", [
    (10, None, 1), (65_535, None, 1), (10**7, None, CORES), (10, 3, 3), (2, 8, 2), (0, 4, 1),
    (10**9, 10**6, 1024),
])
def test_worker_counts(size, threads, workers):
    assert _array.worker_count(size, threads or 0) == workers


def test_no_worker_outlives_its_call(many):
    before = os_threads()
    pa.bounded_side(CIRCLE, many, threads=8)
    assert os_threads() == before


@pytest.mark.parametrize("call", [
    lambda pts: pa.bounded_side(TRIANGLE, pts, threads=1),
    lambda pts: pa.bounded_side(np.array([[TRIANGLE], [CIRCLE]]), pts, threads=1),
    lambda pts: pa.locate([TRIANGLE, CIRCLE], pts, threads=1),
], ids=["one shape", "array of shapes", "locate"])
def test_the_lock_is_released_while_the_loops_run(many, call):
    ticks = 0
    done = threading.Event()

    def count():
        nonlocal ticks
        while not done.is_set():
            ticks += 1

    counter = threading.Thread(target=count)
    counter.start()
    try:
        with_lock_held = []
        for _ in range(3):
            start = ticks
            call(many)
            with_lock_held.append(ticks - start)
    finally:
        done.set()
        counter.join()
    # Holding the lock through the loops would leave the counter a handful of
    # ticks at most, whatever the machine's speed.
    assert max(with_lock_held) > 1000, with_lock_held


def test_python_threads_may_call_at_once_on_shared_arrays(many):
    pts = many[:200_000]
    expected = [pa.bounded_side(TRIANGLE, pts), pa.has_on(pc.Line2(1, -1, 0), pts),
                bits(pa.squared_distance(pts, [0.5, 0.5]))]
    failures = []

    def work():
        for _ in range(10):
            got = [pa.bounded_side(TRIANGLE, pts, threads=2), pa.has_on(pc.Line2(1, -1, 0), pts),
                   bits(pa.squared_distance(pts, [0.5, 0.5], threads=3))]
            if not all(np.array_equal(g, e) for g, e in zip(got, expected)):
                failures.append(got)

    callers = [threading.Thread(target=work) for _ in range(4)]
    for t in callers:
        t.start()
    for t in callers:
        t.join()
    assert failures == []


def run_python(code):
    proc = subprocess.run([sys.executable, "-X", "dev", "-c", textwrap.dedent(code)],
                          capture_output=True, text=True, timeout=300)
    assert proc.returncode == 0, proc.stderr
    return proc.stdout


def test_a_forked_child_computes_with_threads_and_exits_cleanly():
    out = run_python("""
        import os, warnings
        import numpy as np
        import planara.array as pa, planara_core as pc
        warnings.simplefilter("ignore", DeprecationWarning)  # fork of a threaded process
        pts = np.random.default_rng(1).random((400_000, 2))
        circle = pc.Circle2(pc.Point2(0.5, 0.5), 0.1)
        expected = pa.bounded_side(circle, pts, threads=4)
        pid = os.fork()
        if pid == 0:
            ok = np.array_equal(pa.bounded_side(circle, pts, threads=4), expected)
            os._exit(0 if ok else 1)
        _, status = os.waitpid(pid, 0)
        print(os.waitstatus_to_exitcode(status))
    """)
    assert out.split() == ["0"]


def test_the_interpreter_exits_while_a_thread_is_in_a_call():
    run_python("""
        import threading
        import numpy as np
        import planara.array as pa, planara_core as pc
        pts = np.random.default_rng(1).random((3_000_000, 2))
        t = pc.Triangle2(pc.Point2(0, 0), pc.Point2(1, 0), pc.Point2(0, 1))
        def forever():
            while True:
                pa.bounded_side(t, pts, threads=2)
        threading.Thread(target=forever, daemon=True).start()
        pa.bounded_side(t, pts, threads=2)
    """)


def peak_extra_bytes(call):
    tracemalloc.start()
    try:
        tracemalloc.reset_peak()
        before = tracemalloc.get_traced_memory()[0]
        call()
        return tracemalloc.get_traced_memory()[1] - before
    finally:
        tracemalloc.stop()


@pytest.mark.parametrize("dtype", [np.float64, np.float32, np.int32])
def test_a_call_allocates_its_result_and_no_copy_of_its_input(many, dtype):
    pts = many.astype(dtype) if dtype is not np.float64 else many
    n = len(pts)
    constant = 64 * 1024
    assert peak_extra_bytes(lambda: pa.bounded_side(TRIANGLE, pts)) <= n + constant
    assert peak_extra_bytes(lambda: pa.squared_distance(pts, pts[::-1])) <= 8 * n + constant
    assert peak_extra_bytes(lambda: pa.orientation(pts[:, None], [0, 0], pts[0])) <= n + constant
    out = np.empty(n, np.int8)
    assert peak_extra_bytes(lambda: pa.bounded_side(CIRCLE, pts, out=out)) <= constant
    assert peak_extra_bytes(lambda: pa.bbox(pts)) <= constant


def test_locate_takes_its_output_and_memory_in_proportion_to_its_inputs():
    # In a fresh process, whose peak resident size tells what the call took.
    out = run_python("""
        import resource
        import numpy as np
        import planara.array as pa
        rng = np.random.default_rng(3)
        points = rng.random((1_000_000, 2))
        corners = rng.random((5_000, 2)) + rng.random((3, 5_000, 2)) / 50  # small shapes
        shapes = np.concatenate([pa.triangles(*corners), pa.circles(corners[0], 0.0001)])
        pa.locate(shapes[:10], points[:10])
        before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        pairs = pa.locate(shapes, points)
        after = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        print((after - before) * 1024, pairs.nbytes)
    """)
    grown, output = map(int, out.split())
    # The pairs, their row of shapes and a count per point while they are
    # gathered, and a few MB for the index: nothing like points x shapes.
    assert grown <= 1.5 * output + 8 * 1_000_000 + 8 * 2**20, (grown, output)
