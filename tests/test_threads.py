"""Several Python threads calling the module at once get exactly the results
of a single-threaded run, and no thread's rounding mode ever changes, also
while another thread computes circles' boxes under a different mode."""

import sys
import threading

import pytest

import surface
from conftest import ROUNDING_MODES, rounding, rounding_mode

THREADS = 4
ROUNDS = 8
# Worker k runs in MODES[k % 2]: one thread in a directed mode must not
# disturb the others, nor they it.
MODES = (ROUNDING_MODES["nearest"], ROUNDING_MODES["upward"])


def outcomes(start):
    return [call.outcome() for call in surface.valid_calls(start)]


@pytest.fixture
def frequent_switches():
    interval = sys.getswitchinterval()
    sys.setswitchinterval(1e-6)
    yield
    sys.setswitchinterval(interval)


def test_concurrent_calls_match_a_single_threaded_run(frequent_switches):
    expected = {}
    for mode in MODES:
        with rounding(mode):
            expected.update({(mode, r): outcomes(r) for r in range(ROUNDS)})
    results, seen_modes, errors = {}, {mode: set() for mode in MODES}, []
    start = threading.Barrier(THREADS + 1)
    done = threading.Event()

    def worker(k):
        mode = MODES[k % 2]
        try:
            with rounding(mode):
                start.wait()
                for r in range(ROUNDS):
                    results[k, r] = outcomes(r)
                    seen_modes[mode].add(rounding_mode())
        except BaseException as exc:  # reported by the main thread
            errors.append(exc)

    def observer():
        start.wait()
        while not done.is_set():
            seen_modes[MODES[0]].add(rounding_mode())

    threads = [threading.Thread(target=worker, args=(k,)) for k in range(THREADS)]
    watcher = threading.Thread(target=observer)
    for t in threads + [watcher]:
        t.start()
    for t in threads:
        t.join()
    done.set()
    watcher.join()

    assert errors == []
    assert seen_modes == {mode: {mode} for mode in MODES}
    for (k, r), got in results.items():
        assert got == expected[MODES[k % 2], r], f"thread {k}, round {r}"
    assert len(results) == THREADS * ROUNDS
