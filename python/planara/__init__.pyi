# Type stub of planara: the names of planara_core, typed by its own stub, and
# the bulk functions and the drawing functions, which `import planara` makes
# reachable as planara.array and planara.plot.
"""2D geometry over the CGAL kernel Simple_cartesian<double>.

The value classes and the two functions are those of planara_core, the very
same objects; `planara.array` applies the kernel's predicates to numpy arrays
of points (it needs numpy: the `array` extra), and `planara.plot` draws objects
and point arrays with matplotlib (the `plot` extra). Importing planara also
makes every planara_core object picklable and copyable.
"""
from . import array as array
from . import plot as plot
from planara_core import Bbox2 as Bbox2
from planara_core import Circle2 as Circle2
from planara_core import Direction2 as Direction2
from planara_core import IsoRectangle2 as IsoRectangle2
from planara_core import Line2 as Line2
from planara_core import OrientationResult as OrientationResult
from planara_core import Point2 as Point2
from planara_core import Ray2 as Ray2
from planara_core import Segment2 as Segment2
from planara_core import Triangle2 as Triangle2
from planara_core import Vector2 as Vector2
from planara_core import orientation as orientation
from planara_core import squared_distance as squared_distance

__version__: str

__all__ = [
    "squared_distance", "Point2", "Vector2", "OrientationResult", "orientation", "Bbox2",
    "Direction2", "Line2", "Segment2", "Ray2", "Triangle2", "Circle2", "IsoRectangle2",
]
