"""2D geometry over the CGAL kernel Simple_cartesian<double>.

The value classes and the two functions are those of planara_core, the very
same objects; `planara.array` applies the kernel's predicates to numpy arrays
of points (it needs numpy: the `array` extra), and `planara.plot` draws objects
and point arrays with matplotlib (the `plot` extra). Importing planara also
makes every planara_core object picklable and copyable.
"""

import importlib.metadata

from planara_core import (
    Bbox2,
    Circle2,
    Direction2,
    IsoRectangle2,
    Line2,
    OrientationResult,
    Point2,
    Ray2,
    Segment2,
    Triangle2,
    Vector2,
    orientation,
    squared_distance,
)

from planara import _pickling

_pickling.register()
__version__ = importlib.metadata.version("planara_core")

__all__ = [
    "squared_distance", "Point2", "Vector2", "OrientationResult", "orientation", "Bbox2",
    "Direction2", "Line2", "Segment2", "Ray2", "Triangle2", "Circle2", "IsoRectangle2",
]


def __getattr__(name: str) -> object:
    # `planara.array` and `planara.plot` without importing them first: loaded on
    # first use, so that `import planara` itself never needs numpy or matplotlib.
    if name in ("array", "plot"):
        return importlib.import_module(f"planara.{name}")
    raise AttributeError(f"module 'planara' has no attribute {name!r}")
