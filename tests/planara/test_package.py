"""The planara package: the very objects of planara_core under a second name,
planara.array loaded on first use, and numpy needed by planara.array alone."""

import subprocess
import sys
import textwrap

import pytest

import planara
import planara_core
import surface


def test_planara_re_exports_the_core_names_in_order():
    names = [n for n in vars(planara_core) if not n.startswith("__")]
    assert planara.__all__ == names
    for name in names:
        assert getattr(planara, name) is getattr(planara_core, name)


def test_the_array_module_loads_on_first_use():
    import planara.array

    assert planara.array is sys.modules["planara.array"]
    with pytest.raises(AttributeError, match="no attribute 'arrays'"):
        planara.arrays  # noqa: B018


def run_without(blocked_numpy, code):
    """Runs code in a fresh interpreter where `import numpy` finds blocked_numpy
    (None: no numpy at all)."""
    setup = ("import sys, types\n"
             + ("sys.modules['numpy'] = None\n" if blocked_numpy is None else
                f"sys.modules['numpy'] = types.SimpleNamespace(__version__={blocked_numpy!r})\n"))
    proc = subprocess.run([sys.executable, "-c", setup + textwrap.dedent(code)],
                          capture_output=True, text=True, timeout=120)
    assert proc.returncode == 0, proc.stderr
    return proc.stdout


@pytest.mark.parametrize("numpy", [None, "1.26.4"])
def test_without_numpy_2_only_the_array_module_is_missing(numpy):
    out = run_without(numpy, """
        import planara, planara_core
        t = planara.Triangle2(planara.Point2(0, 0), planara.Point2(1, 0), planara.Point2(0, 1))
        print(t.bounded_side(planara.Point2(0.2, 0.2)))
        try:
            import planara.array
        except ImportError as e:
            print(e)
    """)
    side, message = out.splitlines()
    assert side == "1"
    assert "numpy >= 2" in message and "pip install 'planara_core[array]'" in message


def test_the_bulk_engine_shares_the_core_types():
    # The engine reads planara_core's own classes; a class it does not take is
    # turned away by the binding layer too, not read as another type.
    from planara import _array
    import numpy as np

    circle = surface.Samples().instance("Circle2")
    with pytest.raises(TypeError):
        _array.has_on(circle, np.zeros((1, 2)), np.zeros(1, np.bool_), 1)


def test_the_version_is_the_installed_distributions():
    import importlib.metadata

    assert planara.__version__ == importlib.metadata.version("planara_core")
    assert "__version__" not in vars(planara_core)
