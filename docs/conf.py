"""Sphinx configuration of the planara site (`make docs`).

The site builds offline and loads nothing from outside when viewed: no web
fonts, no scripts from a CDN, no math renderer (the pages use no math markup;
MathJax is switched off below so that a stray formula fails the build instead
of fetching a script).
"""

import os
import pathlib
import sys

import planara

ROOT = pathlib.Path(__file__).resolve().parents[1]

project = "planara"
author = "the planara developers"
copyright = "the planara developers; LGPL-3.0-or-later"
release = planara.__version__
version = release

sys.path.insert(0, str(ROOT / "docs" / "_ext"))
extensions = [
    "member_tables",
    "myst_parser",
    "autoapi.extension",
    "numpydoc",
    "sphinx_gallery.gen_gallery",
]

# Markdown pages; the gallery writes reStructuredText.
source_suffix = {".md": "markdown", ".rst": "restructuredtext"}
root_doc = "index"
exclude_patterns = ["_build", "**/*.ipynb", "**/*.zip", "**/*.py", "**/*.json", "**/*.md5"]
myst_heading_anchors = 3
myst_enable_extensions = ["colon_fence"]

# The API reference, read from the type stubs: planara_core's (generated, with
# its documentation text merged in) and the package's own. The tools beside them
# are not part of the interface.
autoapi_type = "python"
autoapi_dirs = [str(ROOT / "python")]
autoapi_file_patterns = ["*.pyi", "*.py"]
autoapi_ignore = ["*stubgen.py", "*planara_core_docs.py", "*_pickling.py", "*CMakeLists.txt"]
autoapi_root = "api"
autoapi_add_toctree_entry = False
autoapi_options = ["members", "undoc-members", "show-module-summary", "special-members",
                   "imported-members"]
autoapi_member_order = "bysource"
# A class's text and its constructor's make one docstring: the constructor's
# parameters are the class's, as numpydoc has it.
autoapi_python_class_content = "both"
autoapi_keep_files = False


numpydoc_show_class_members = False
numpydoc_class_members_toctree = False
numpydoc_xref_param_type = False

# The examples gallery: every script of examples/ that draws a picture,
# executed at build time without a display.
os.environ.setdefault("MPLBACKEND", "Agg")
sphinx_gallery_conf = {
    "examples_dirs": str(ROOT / "examples"),
    "gallery_dirs": "gallery",
    "filename_pattern": r"/",
    "ignore_pattern": r"tour\.py",
    "download_all_examples": False,
    "remove_config_comments": True,
    "within_subsection_order": "FileNameSortKey",
    "show_signature": False,
    "image_scrapers": ("matplotlib",),
    "reference_url": {},
    "write_computation_times": False,
}
# sphinx-gallery's configuration holds functions, which Sphinx cannot cache.
suppress_warnings = ["config.cache"]

# Unresolvable offline: the types of Python, numpy and matplotlib that the
# stubs name. Every other reference must resolve.
nitpicky = True
nitpick_ignore_regex = [
    (r"py:.*", r"(typing|collections\.abc|numpy|np|numpy\.typing|matplotlib|mpl)(\..*)?"),
    (r"py:.*", r"(float|int|bool|str|None|object|list|dict|tuple|Any|Literal|Sequence|Mapping"
               r"|ArrayLike|NDArray|TypeAlias|ColorType|Axes|Collection|LineCollection"
               r"|PathCollection|PolyCollection|AxLine|Line2D|Circle|Polygon|Quiver)"),
    # The stubs' own type aliases, which the pages describe in words.
    (r"py:class", r"(Objects|_Aspect|_Drawables|_Drawable)"),
]

html_theme = "furo"
html_title = f"planara {release}"
html_static_path = ["_static"]
html_favicon = "_static/favicon.svg"
html_theme_options = {
    "footer_icons": [],
    "top_of_page_buttons": [],
}
html_show_sourcelink = False
# Search results without a summary: fetching the pages' text for one fails
# when the site is opened from files rather than a server.
html_show_search_summary = False
html_copy_source = False


def skip_member(app, what, name, obj, skip, options):
    # `__hash__ = None` in the stubs marks the classes that define == as
    # unhashable; each class's == entry says so in words.
    if name.endswith(".__hash__"):
        return True
    return None


def setup(app):
    app.connect("autoapi-skip-member", skip_member)
