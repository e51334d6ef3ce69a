"""Typed use of planara.plot, checked by mypy against the package's stubs and also run.

As in usage.py, lines marked `# type: ignore[...]` are misuse that the stubs must
reject (mypy runs with warn_unused_ignores); they sit in a function never called.
"""

from typing import assert_type

import matplotlib

matplotlib.use("Agg")

import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.collections import (Collection, LineCollection, PathCollection,  # noqa: E402
                                    PolyCollection)
from matplotlib.figure import Figure  # noqa: E402
from matplotlib.lines import AxLine, Line2D  # noqa: E402
from matplotlib.patches import Circle, Polygon  # noqa: E402
from matplotlib.quiver import Quiver  # noqa: E402

import planara  # noqa: E402
from planara import (Bbox2, Circle2, Direction2, IsoRectangle2, Line2, Point2, Ray2,  # noqa: E402
                     Segment2, Triangle2, Vector2, orientation)
from planara.plot import draw, points  # noqa: E402

ax = Figure().add_subplot()
p, q = Point2(0, 0), Point2(2, 1)
tri = Triangle2(p, q, Point2(0, 3))
assert_type(draw(p, ax), PathCollection | None)
assert_type(draw(Segment2(p, q), ax, color="k", linewidth=2), Line2D | None)
assert_type(draw(tri, ax, label="triangle"), Polygon | None)
assert_type(draw(IsoRectangle2(p, q), ax=ax), Polygon | None)
assert_type(draw(Bbox2(0, 0, 1, 1), ax, aspect=None), Polygon | None)
assert_type(draw(Circle2(p, q, Point2(0, 3)), ax), Circle | None)
assert_type(draw(Line2(p, q), ax, linestyle="--"), AxLine | None)
assert_type(draw(Ray2(p, q), ax), LineCollection | None)
assert_type(draw(Vector2(1, 1), ax, at=q), Quiver | None)
assert_type(draw(Direction2(1, 0), ax, aspect="auto"), Quiver | None)
assert_type(draw([tri, p, [q, Segment2(p, q)]], ax), list[Collection])
assert_type(draw(np.array([tri, tri], dtype=object), ax), list[Collection])
xy = np.random.default_rng(0).uniform(-1, 4, (100, 2))
assert_type(points(xy, ax=ax, s=4), PathCollection)
codes = planara.array.bounded_side(tri, xy)
drawn = points(xy, codes, ax=ax, labels={1: "in"}, colors={0: "k"}, legend=False)
assert_type(drawn, dict[int, PathCollection | PolyCollection])
# planara.plot is reachable after `import planara` alone, and ax=None is the current Axes.
assert_type(planara.plot.draw(tri), Polygon | None)
plt.close("all")


def _misuse() -> None:
    draw(orientation(p, q, Point2(0, 3)), ax)  # type: ignore[call-overload]
    draw("triangle", ax)  # type: ignore[arg-type]
    draw(tri, ax, at=(0, 0))  # type: ignore[call-overload]
    points(xy, codes, ax)  # type: ignore[call-overload]
    points(xy, codes, ax=ax, labels=["in"])  # type: ignore[call-overload]
    one: PathCollection = points(xy, codes, ax=ax)  # type: ignore[assignment]
