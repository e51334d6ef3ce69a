"""Every example in README.md runs as written, section by section, in an empty
working directory; the picture the Pictures section saves is a PNG image."""

import doctest
import pathlib
import re

import matplotlib.image
import pytest

README = pathlib.Path(__file__).resolve().parents[1] / "README.md"
FLAGS = doctest.ELLIPSIS | doctest.NORMALIZE_WHITESPACE


def sections():
    """(title, first line number, text) for the part before the first heading and each
    section; a section's examples share one namespace."""
    lines = README.read_text().splitlines(keepends=True)
    starts = [0] + [i for i, line in enumerate(lines) if re.match(r"#{2,3} ", line)]
    for start, end in zip(starts, starts[1:] + [len(lines)]):
        title = lines[start].lstrip("#").strip() if start else "introduction"
        yield title, start, "".join(lines[start:end])


SECTIONS = [s for s in sections() if ">>> " in s[2]]


@pytest.mark.parametrize("title, lineno, text", SECTIONS, ids=[s[0] for s in SECTIONS])
def test_readme_examples_run_as_written(title, lineno, text, tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    test = doctest.DocTestParser().get_doctest(text, {}, title, str(README), lineno)
    runner = doctest.DocTestRunner(optionflags=FLAGS)
    report = []
    runner.run(test, out=report.append)
    assert runner.failures == 0, "".join(report)
    if title == "Pictures":
        image = matplotlib.image.imread(tmp_path / "shapes.png")
        assert image.shape == (480, 640, 4) and image.std() > 0.1  # drawn, not blank
