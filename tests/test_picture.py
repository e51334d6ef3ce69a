"""examples/picture.py runs and writes its picture, PNG by default and SVG by
extension, and the figure shows what the scene's objects answer."""

import math
import pathlib
import runpy
import subprocess
import sys
import xml.etree.ElementTree as ET

import matplotlib.image
import pytest
from matplotlib import collections as mcollections, patches as mpatches

from planara import Point2

EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "examples" / "picture.py"


@pytest.fixture(scope="module")
def example():
    return runpy.run_path(str(EXAMPLE))


def test_writes_a_png_by_default_and_other_formats_by_extension(example, tmp_path):
    subprocess.run([sys.executable, str(EXAMPLE)], cwd=tmp_path, check=True, capture_output=True)
    image = matplotlib.image.imread(tmp_path / "planara_picture.png")
    assert image.shape[:2] == (760, 800) and image.std() > 0.1  # not blank
    svg = example["main"]([str(tmp_path / "picture.svg")])
    assert ET.parse(svg).getroot().tag == "{http://www.w3.org/2000/svg}svg"


@pytest.fixture(scope="module")
def drawn(example):
    scene = example["scene"]()
    return scene, example["picture"](scene).axes[0]


SIDES = {"inside": 1, "on the boundary of": 0, "outside": -1}


def test_points_are_coloured_by_their_side_of_the_triangle(drawn):
    scene, ax = drawn
    groups = [c for c in ax.collections if "the triangle" in c.get_label()]
    assert len(groups) == 3 and len({tuple(c.get_facecolor()[0]) for c in groups}) == 3
    for group in groups:
        count, where = group.get_label().split(" points ")
        sides = {scene["triangle"].bounded_side(Point2(*xy)) for xy in group.get_offsets()}
        assert sides == {next(code for w, code in SIDES.items() if where.startswith(w))}
        assert int(count) == len(group.get_offsets())
    assert sum(len(c.get_offsets()) for c in groups) == len(scene["points"])


def test_the_circle_runs_through_the_marked_points(drawn):
    scene, ax = drawn
    (circle,) = [p for p in ax.patches if isinstance(p, mpatches.Circle)]
    (marks,) = [c for c in ax.collections if isinstance(c, mcollections.PathCollection)
                and "the circle's three points" in c.get_label()]
    marked = marks.get_offsets().tolist()
    assert [math.dist(circle.center, xy) for xy in marked[:3]] == pytest.approx([circle.radius] * 3)
    assert marked[3] == list(circle.center)
