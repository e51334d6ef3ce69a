"""Every example of README.md and of the site's pages (docs/**/*.md) runs as
written, section by section, in an empty working directory; so does every
example in the API reference's docstrings. The picture the Pictures page saves
is a PNG image."""

import doctest
import importlib.util
import pathlib
import re

import matplotlib.image
import pytest

import planara.array
import planara.plot

ROOT = pathlib.Path(__file__).resolve().parents[1]
PAGES = [ROOT / "README.md", *sorted((ROOT / "docs").rglob("*.md"))]
FLAGS = doctest.ELLIPSIS | doctest.NORMALIZE_WHITESPACE


def sections(path):
    """(title, first line number, text) for the part before the first section
    heading and each section; a section's examples share one namespace."""
    lines = path.read_text().splitlines(keepends=True)
    starts = [0] + [i for i, line in enumerate(lines) if re.match(r"#{2,3} ", line)]
    for start, end in zip(starts, starts[1:] + [len(lines)]):
        title = lines[start].lstrip("#").strip() if start else "introduction"
        yield title, start, "".join(lines[start:end])


SECTIONS = [(path, *section) for path in PAGES for section in sections(path)
            if ">>> " in section[2]]


def run_examples(text, name, filename, lineno):
    test = doctest.DocTestParser().get_doctest(text, {}, name, filename, lineno)
    runner = doctest.DocTestRunner(optionflags=FLAGS)
    report = []
    runner.run(test, out=report.append)
    assert runner.failures == 0, "".join(report)
    return test


@pytest.mark.parametrize("path, title, lineno, text", SECTIONS,
                         ids=[f"{s[0].relative_to(ROOT)}:{s[1]}" for s in SECTIONS])
def test_examples_run_as_written(path, title, lineno, text, tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    run_examples(text, title, str(path), lineno)
    if (path.name, title) == ("pictures.md", "introduction"):
        image = matplotlib.image.imread(tmp_path / "shapes.png")
        assert image.shape == (480, 640, 4) and image.std() > 0.1  # drawn, not blank


def test_every_page_with_examples_is_run():
    pages = {path.relative_to(ROOT).as_posix() for path, *_ in SECTIONS}
    assert {"README.md", "docs/index.md", "docs/guide/objects.md",
            "docs/guide/many-points.md"} <= pages


def core_docs():
    spec = importlib.util.spec_from_file_location("docs", ROOT / "python" / "planara_core_docs.py")
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module.DOCS


DOCSTRINGS = {**{f"planara_core.{name}": text for name, text in core_docs().items()},
              **{f"{module.__name__}.{name}": getattr(module, name).__doc__
                 for module in (planara.array, planara.plot) for name in module.__all__}}
WITH_EXAMPLES = sorted(name for name, text in DOCSTRINGS.items() if ">>> " in text)


@pytest.mark.parametrize("name", WITH_EXAMPLES)
def test_docstring_examples_run_as_written(name, tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    run_examples(DOCSTRINGS[name], name, name, 0)
