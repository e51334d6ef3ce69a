"""examples/robustness.py draws the classroom grids, plain next to exact, and
counts the plain panels' wrong pixels."""

import pathlib
import subprocess
import sys

import pytest

EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "examples" / "robustness.py"


def test_the_picture_is_written_with_its_counts(tmp_path):
    pytest.importorskip("matplotlib")
    out = tmp_path / "robustness.png"
    run = subprocess.run([sys.executable, str(EXAMPLE), str(out)], capture_output=True,
                         text=True, check=True)
    assert out.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
    counts = [int(line.split(":")[1].split()[0].replace(",", ""))
              for line in run.stdout.splitlines() if "pixels wrong" in line]
    # Each grid has pixels the plain test gets wrong, but far from all.
    assert len(counts) == 3 and all(0 < n < 65536 // 2 for n in counts), run.stdout
