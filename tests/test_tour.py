"""examples/tour.py runs, and its bulk call agrees with the per-object calls."""

import ast
import pathlib
import subprocess
import sys

TOUR = pathlib.Path(__file__).resolve().parents[1] / "examples" / "tour.py"


def test_tour_classifies_the_random_points_as_the_objects_do():
    out = subprocess.run([sys.executable, str(TOUR)], capture_output=True, text=True,
                         check=True).stdout
    bulk = out.split("== Many points at once ==\n", 1)[1].splitlines()
    counts = ast.literal_eval("{" + bulk[0].partition("{")[2])
    assert counts.keys() == {"inside", "boundary", "outside"} and sum(counts.values()) == 100_000
    assert 0 < counts["inside"] < counts["outside"]
    assert bulk[1].split() == ["the", "same", "as", "t.bounded_side", "point", "by", "point", "True"]
    # One exact call next to the plain one it corrects.
    assert bulk[2].endswith(" [0, 0, 0]") and bulk[3].endswith(" [1, 0, -1]")
    assert bulk[4].startswith("locate([t, c, r], the points): points held by each [")
    assert bulk[5].split()[-1] == "True"
