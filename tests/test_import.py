"""Import robustness, each case in a fresh interpreter (warnings are errors,
and mostly in development mode, where the allocators check their blocks):
importing again and again, a second copy of the library, and shutdown with
live objects everywhere."""

import json
import os
import pathlib
import shutil
import subprocess
import sys
import textwrap

import pytest

import planara_core
import surface
from conftest import record_figure

TESTS = pathlib.Path(__file__).parent


def run_python(code, dev_mode=True):
    """Runs code in a fresh interpreter; development mode's allocator checks
    are left out where they would distort memory figures."""
    env = dict(os.environ, PYTHONPATH=str(TESTS))
    flags = ["-X", "dev"] if dev_mode else []
    proc = subprocess.run([sys.executable, *flags, "-W", "error", "-c", textwrap.dedent(code)],
                          capture_output=True, text=True, timeout=300, env=env)
    assert proc.returncode == 0, proc.stderr
    assert proc.stderr == ""
    return proc.stdout


def test_reimporting_returns_the_cached_module_and_leaks_nothing():
    out = run_python("""
        import importlib, json, sys, tracemalloc
        from memory import heap_in_use, quietest_batch, traced
        import planara_core
        first, point2 = planara_core, planara_core.Point2

        def reimport():
            del sys.modules["planara_core"]
            again = importlib.import_module("planara_core")
            if again is not first or again.Point2 is not point2:
                raise SystemExit("a new module or class came back")
        quietest_batch(heap_in_use, 1, 200, reimport)
        heap = quietest_batch(heap_in_use, 5, 200, reimport)
        tracemalloc.start()  # its own tables live on the C heap: measured apart
        print(json.dumps({"heap": heap, "traced": quietest_batch(traced, 5, 200, reimport)}))
    """, dev_mode=False)
    growth = json.loads(out)
    # A leaked module, dictionary, type or function record per import would
    # show in either. What does remain is one empty module-state block per
    # import (32 bytes): the interpreter drops the state pointer of a module
    # that a create slot hands back from the cache and allocates a new one.
    assert growth["traced"] < 2048, growth
    assert growth["heap"] < 200 * 64, growth
    record_figure(f"re-import: {growth['heap'] / 200:.0f} B C heap and "
                  f"{growth['traced'] / 200:.0f} B traced per import")


@pytest.mark.parametrize("copy_first", [False, True], ids=["installed first", "copy first"])
def test_a_second_copy_of_the_library_yields_the_same_module(tmp_path, copy_first):
    copy = tmp_path / pathlib.Path(planara_core.__file__).name
    shutil.copy(planara_core.__file__, copy)
    run_python(f"""
        import importlib.util

        def load_copy():
            spec = importlib.util.spec_from_file_location("planara_core", {str(copy)!r})
            module = importlib.util.module_from_spec(spec)
            spec.loader.exec_module(module)
            return module

        def load_installed():
            import planara_core
            return planara_core

        a, b = (load_copy(), load_installed()) if {copy_first} else (load_installed(), load_copy())
        assert a is b and a.Point2 is b.Point2
        v = a.Point2(1, 2) - b.Point2(0.5, 0.5)
        assert type(v) is b.Vector2 and repr(v) == "Vector2(0.500000, 1.500000)"
    """)


def test_shutdown_with_live_objects_is_clean():
    out = run_python("""
        import atexit, sys, threading
        import planara_core, surface

        live = [surface.Samples(i).instance(cls.__name__)
                for cls in surface.classes() for i in range(3)]
        bare = [cls.__new__(cls) for cls in surface.classes()]
        cycle = [live, bare]
        cycle.append(cycle)
        Holder = type("Holder", (), {"objects": live})
        atexit.register(lambda: [repr(obj) for obj in live])
        try:
            raise RuntimeError(live)
        except RuntimeError as exc:
            kept = exc
        threading.Thread(target=lambda: threading.Event().wait() or live, daemon=True).start()
        print(len(live) + len(bare))
        del sys.modules["planara_core"]
    """)
    assert int(out) == 4 * len(surface.classes())
