"""Every script of the examples gallery runs as it stands and draws a picture:
the file it is given is a PNG image with something on it."""

import pathlib
import subprocess
import sys

import matplotlib.image
import pytest

EXAMPLES = pathlib.Path(__file__).resolve().parents[1] / "examples"
# The scripts sphinx-gallery runs: all but the printed tour.
GALLERY = sorted(path.name for path in EXAMPLES.glob("*.py") if path.name != "tour.py")


def test_the_gallery_has_every_drawing_script():
    assert {"picture.py", "robustness.py", "orientation.py", "mesh.py"} <= set(GALLERY)


@pytest.mark.parametrize("script", GALLERY)
def test_script_draws_its_picture(script, tmp_path):
    out = tmp_path / "out.png"
    subprocess.run([sys.executable, str(EXAMPLES / script), str(out)], cwd=tmp_path, check=True,
                   capture_output=True)
    image = matplotlib.image.imread(out)
    assert image.std() > 0.1  # drawn, not blank


@pytest.mark.parametrize("script", GALLERY)
def test_script_opens_with_a_gallery_title(script):
    """sphinx-gallery takes the title from the docstring's first underlined line."""
    lines = (EXAMPLES / script).read_text().split('"""')[1].strip().splitlines()
    assert len(lines) > 2 and set(lines[1]) == {"="} and len(lines[1]) == len(lines[0])
