"""Objects go to worker processes and come back, whatever the worker imported:
a pickle loads through planara, which then pickles the answer. A worker that
receives no object and builds one needs planara imported up front, which one
line does (a pool's initializer, a dask worker's preload)."""

import subprocess
import sys
import textwrap

import pytest


def run(code):
    """Runs code in a new interpreter with `python -c`, as a REPL or a notebook
    would (spawned workers cannot re-run it), and returns what it printed."""
    done = subprocess.run([sys.executable, "-c", textwrap.dedent(code)], capture_output=True,
                          text=True, timeout=300)
    assert done.returncode == 0, done.stderr
    return done.stdout.split("\n")[:-1]


@pytest.mark.parametrize("method", ["spawn", "forkserver"])
def test_a_pool_worker_sends_back_what_it_builds_from_objects(method):
    out = run(f"""
        import multiprocessing as mp, concurrent.futures as cf, planara
        from planara import Point2, Segment2
        with cf.ProcessPoolExecutor(1, mp_context=mp.get_context({method!r})) as ex:
            print(ex.submit(Segment2, Point2(0, 0), Point2(1, 1)).result())
    """)
    assert out == ["Segment2((0.000000, 0.000000), (1.000000, 1.000000))"]


def test_a_spawned_manager_holds_and_returns_objects():
    out = run("""
        import multiprocessing as mp, planara
        from planara import Circle2, Point2
        with mp.get_context("spawn").Manager() as manager:
            shared = manager.list([Point2(1, 2)])
            print(shared[0])
            shared.append(Circle2(Point2(0, 0), Point2(1, 1), Point2(2, 2)))
            print(shared[1].orientation())
    """)
    assert out == ["Point2(1.000000, 2.000000)", "0"]


def test_an_initializer_lets_a_worker_build_objects_from_numbers():
    out = run("""
        import multiprocessing as mp, concurrent.futures as cf, importlib, planara_core
        with cf.ProcessPoolExecutor(1, mp_context=mp.get_context("spawn"),
                                    initializer=importlib.import_module,
                                    initargs=("planara",)) as ex:
            print(ex.submit(planara_core.Point2, 1.0, 2.0).result())
    """)
    assert out == ["Point2(1.000000, 2.000000)"]
