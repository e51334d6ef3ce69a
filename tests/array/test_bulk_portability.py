"""The build runs on every x86-64, not just on processors like the build
machine: each module is run under an emulated processor without AVX, and the
value classes under the plain x86-64 of 2003 (numpy itself needs SSE4.2).
Nothing may stop at an unknown instruction, the kernels in use must be the
widest the emulated processor has, and the answers must be this machine's."""

import json
import platform
import shutil
import subprocess
import sys
import textwrap

import numpy as np
import pytest

import planara.array as pa
import planara_core as pc
from planara import _array

QEMU = shutil.which("qemu-x86_64")
pytestmark = [
    pytest.mark.emulated,
    pytest.mark.skipif(platform.machine() != "x86_64" or QEMU is None,
                       reason="needs x86-64 and qemu-x86_64 (Debian: qemu-user)"),
]

BULK = """
    import json
    import numpy as np
    import planara.array as pa, planara_core as pc
    from planara import _array
    P = pc.Point2
    pts = np.random.default_rng(3).integers(-2, 7, (3000, 2)) / 2
    t = pc.Triangle2(P(0, 0), P(4, 0), P(0, 4))
    print(json.dumps({
        "sets": _array.instruction_sets(), "in use": _array.instruction_set(),
        "sides": pa.bounded_side(t, pts, threads=2).tolist(),
        "on": pa.has_on(pc.Segment2(P(0, 0), P(3, 3)), pts).tolist(),
        "turns": pa.orientation([0, 0], [1, 2], pts).tolist(),
        "distances": pa.squared_distance(pts, pts[::-1]).tolist(),
        "box": [b := pa.bbox(pts), [b.xmin, b.ymin, b.xmax, b.ymax]][1],
    }))
"""


def emulated(cpu, code):
    run = subprocess.run([QEMU, "-cpu", cpu, sys.executable, "-c", textwrap.dedent(code)],
                         capture_output=True, text=True, timeout=600)
    assert run.returncode == 0, run.stderr
    return run.stdout


def test_the_bulk_engine_runs_without_avx_and_answers_alike():
    got = json.loads(emulated("Nehalem", BULK))
    assert got["sets"] == ["baseline", "sse4.2"] and got["in use"] == "sse4.2"
    P = pc.Point2
    pts = np.random.default_rng(3).integers(-2, 7, (3000, 2)) / 2
    assert got["sides"] == pa.bounded_side(pc.Triangle2(P(0, 0), P(4, 0), P(0, 4)), pts).tolist()
    assert got["on"] == pa.has_on(pc.Segment2(P(0, 0), P(3, 3)), pts).tolist()
    assert got["turns"] == pa.orientation([0, 0], [1, 2], pts).tolist()
    assert got["distances"] == pa.squared_distance(pts, pts[::-1]).tolist()
    box = pa.bbox(pts)
    assert got["box"] == [box.xmin, box.ymin, box.xmax, box.ymax]
    assert _array.instruction_set() in _array.instruction_sets()


def test_the_value_classes_run_on_the_first_x86_64():
    out = emulated("qemu64", """
        import pickle
        import planara, planara_core as pc
        P = pc.Point2
        c = pc.Circle2(P(0.5, 0), P(2, 1), P(0, 3))
        t = pickle.loads(pickle.dumps(pc.Triangle2(P(0, 0), P(1, 0), P(0, 1))))
        print(repr(c.bbox()), t.bounded_side(P(0.2, 0.2)), repr(pc.orientation(P(0, 0), P(1, 0), P(0, 1))))
    """)
    P = pc.Point2
    c = pc.Circle2(P(0.5, 0), P(2, 1), P(0, 3))
    assert out.split(" ", 1)[0] == repr(c.bbox()).split(" ", 1)[0]
    assert out.strip() == f"{c.bbox()!r} 1 Left turn"
