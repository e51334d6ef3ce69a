# Type stub of planara_core, generated from the built module by python/stubgen.py.
# Do not edit by hand: run `make stubs` after changing a registration.
"""2D geometry value objects over the CGAL kernel ``Simple_cartesian<double>``.

The compiled module: eleven classes and the functions ``orientation`` and
``squared_distance``. Every coordinate is a double and every predicate and
construction is evaluated in plain double arithmetic, as the kernel does. The
package ``planara`` re-exports these names (the very same objects) and adds
``planara.array`` and ``planara.plot``; import from ``planara``.

Side and position questions answer with the ints -1, 0 and 1; only
``orientation`` wraps its answer in an ``OrientationResult``.
"""

import collections.abc
import typing

def squared_distance(
    x1: typing.SupportsFloat | typing.SupportsIndex,
    y1: typing.SupportsFloat | typing.SupportsIndex,
    x2: typing.SupportsFloat | typing.SupportsIndex,
    y2: typing.SupportsFloat | typing.SupportsIndex,
) -> float:
    """The squared distance between the points (x1, y1) and (x2, y2).

    It takes four numbers, not two points: no Point2 is built. The value is
    ``(x1 - x2)**2 + (y1 - y2)**2`` in double arithmetic, each step rounded; overflow gives
    infinity and a NaN coordinate NaN. ``planara.array.squared_distance`` takes arrays of
    points instead.

    Parameters
    ----------
    x1, y1 : float
        The first point's coordinates.
    x2, y2 : float
        The second point's coordinates.

    Returns
    -------
    float
        The squared distance.

    Examples
    --------
    >>> from planara import squared_distance
    >>> squared_distance(0, 0, 3, 4)
    25.0
    """

class Point2:
    """A point of the plane, with coordinates x and y.

    Immutable. Points compare and hash by identity: two points with the same coordinates are
    different objects, so compare ``(p.x, p.y)``.
    """
    def __init__(
        self,
        arg0: typing.SupportsFloat | typing.SupportsIndex,
        arg1: typing.SupportsFloat | typing.SupportsIndex,
        /,
    ) -> None:
        """The point (x, y).

        The two coordinates are positional only: ``Point2(x=1, y=2)`` raises TypeError. Any
        double is taken, NaN and infinities included.

        Parameters
        ----------
        x : float
            The x coordinate (an int or bool is converted).
        y : float
            The y coordinate.

        Examples
        --------
        >>> from planara import Point2, Vector2
        >>> p = Point2(1, 2)
        >>> p.x, p.y
        (1.0, 2.0)
        >>> Point2(4, 6) - p
        Vector2(3.000000, 4.000000)
        >>> p + Vector2(0.5, -1)
        Point2(1.500000, 1.000000)
        """
    @property
    def x(self) -> float:
        """The x coordinate of the point, as stored.

        Returns
        -------
        float
            The x coordinate.
        """
    @property
    def y(self) -> float:
        """The y coordinate of the point, as stored.

        Returns
        -------
        float
            The y coordinate.
        """
    def __sub__(self, arg0: Point2, /) -> Vector2:
        """``p - q``: the vector from q to p.

        Parameters
        ----------
        q : Point2
            The point subtracted.

        Returns
        -------
        Vector2
            ``Vector2(p.x - q.x, p.y - q.y)``.

        Raises
        ------
        TypeError
            If q is not a Point2 (a point minus a vector is not offered).
        """
    def __add__(self, arg0: Vector2, /) -> Point2:
        """``p + v``: the point p moved by the vector v.

        Parameters
        ----------
        v : Vector2
            The translation.

        Returns
        -------
        Point2
            ``Point2(p.x + v.x, p.y + v.y)``.

        Raises
        ------
        TypeError
            If v is not a Vector2 (two points do not add).
        """
    def __repr__(self) -> str:
        """The text form, for example ``Point2(1.000000, 2.000000)``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """

class Vector2:
    """A vector of the plane, with coordinates x and y.

    Immutable. Vectors add and scale by a number; they compare and hash by identity.
    """
    def __init__(
        self,
        arg0: typing.SupportsFloat | typing.SupportsIndex,
        arg1: typing.SupportsFloat | typing.SupportsIndex,
        /,
    ) -> None:
        """The vector (x, y).

        The two coordinates are positional only.

        Parameters
        ----------
        x : float
            The x coordinate.
        y : float
            The y coordinate.

        Examples
        --------
        >>> from planara import Vector2
        >>> Vector2(1, 2) + Vector2(3, 4)
        Vector2(4.000000, 6.000000)
        >>> 0.5 * Vector2(1, 2)
        Vector2(0.500000, 1.000000)
        """
    @property
    def x(self) -> float:
        """The x coordinate of the vector, as stored.

        Returns
        -------
        float
            The x coordinate.
        """
    @property
    def y(self) -> float:
        """The y coordinate of the vector, as stored.

        Returns
        -------
        float
            The y coordinate.
        """
    def __add__(self, arg0: Vector2, /) -> Vector2:
        """``u + v``: the sum of two vectors.

        Parameters
        ----------
        v : Vector2
            The vector added.

        Returns
        -------
        Vector2
            ``Vector2(u.x + v.x, u.y + v.y)``.

        Raises
        ------
        TypeError
            If v is not a Vector2.
        """
    def __mul__(self, arg0: typing.SupportsFloat | typing.SupportsIndex, /) -> Vector2:
        """``v * s``: the vector scaled by the number s.

        Parameters
        ----------
        s : float
            The factor.

        Returns
        -------
        Vector2
            ``Vector2(v.x * s, v.y * s)``.

        Raises
        ------
        TypeError
            If s is not a number (there is no product of two vectors).
        """
    def __rmul__(self, arg0: typing.SupportsFloat | typing.SupportsIndex, /) -> Vector2:
        """``s * v``: the same as ``v * s``.

        Parameters
        ----------
        s : float
            The factor.

        Returns
        -------
        Vector2
            ``Vector2(v.x * s, v.y * s)``.
        """
    def __repr__(self) -> str:
        """The text form, for example ``Vector2(3.000000, 4.000000)``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """

class OrientationResult:
    """The answer of ``orientation``: a left turn, a right turn or collinear.

    It has no constructor of its own and no ``==``: results compare by identity, so ask its
    methods (with parentheses: ``r.left_turn`` without a call is a method, and always true).
    Its code is the -1/0/1 of the other predicates: ``r.left_turn() - r.right_turn()``. Its
    text form is ``Left turn``, ``Right turn`` or ``Collinear``.

    Examples
    --------
    >>> from planara import Point2, orientation
    >>> r = orientation(Point2(0, 0), Point2(0, 1), Point2(1, 0))
    >>> r, r.right_turn(), r.left_turn() - r.right_turn()
    (Right turn, True, -1)
    """
    def left_turn(self) -> bool:
        """Whether the points make a left turn (counterclockwise; code 1).

        Returns
        -------
        bool
            The answer.
        """
    def right_turn(self) -> bool:
        """Whether the points make a right turn (clockwise; code -1).

        Returns
        -------
        bool
            The answer.
        """
    def collinear(self) -> bool:
        """Whether the points are collinear (code 0), as rounding decides.

        Returns
        -------
        bool
            The answer.
        """
    def __repr__(self) -> str:
        """The text form: ``Left turn``, ``Right turn`` or ``Collinear``.

        Returns
        -------
        str
            The text form.
        """

def orientation(p1: Point2, p2: Point2, p3: Point2) -> OrientationResult:
    """The orientation of the three points p1, p2, p3: a left turn, a right turn or collinear.

    The kernel compares the two products ``(p3.x - p1.x) * (p2.y - p1.y)`` and
    ``(p2.x - p1.x) * (p3.y - p1.y)``, each rounded to double; equal products, and any NaN,
    give collinear. A left turn (counterclockwise) is the positive orientation. Nearly
    collinear points are decided by rounding; ``planara.array.orientation`` with
    ``exact=True`` gives the exact answer.

    Parameters
    ----------
    p1, p2, p3 : Point2
        The three points, in order.

    Returns
    -------
    OrientationResult
        The answer; its methods ``left_turn()``, ``right_turn()`` and ``collinear()`` read
        it.

    Examples
    --------
    >>> from planara import Point2, orientation
    >>> turn = orientation(Point2(0, 0), Point2(1, 0), Point2(0, 1))
    >>> turn, turn.left_turn()
    (Left turn, True)
    """

class Bbox2:
    """An axis-parallel bounding box of doubles, xmin, ymin, xmax, ymax.

    The one mutable class: ``dilate``, ``scale`` and ``+=`` change the box in place. The
    bounds are stored as given, unsorted. Boxes are closed: boxes that touch overlap.
    """
    @typing.overload
    def __init__(self) -> None:
        """A box from its four bounds, or the empty box.

        Without arguments, the empty box (inf, inf, -inf, -inf), neutral for ``+``. The four
        bounds are stored as given, even when xmin > xmax.

        Parameters
        ----------
        xmin, ymin, xmax, ymax : float
            The bounds.

        Examples
        --------
        >>> from planara import Bbox2
        >>> a = Bbox2(0, 0, 2, 1)
        >>> a + Bbox2(1, -1, 3, 0.5)
        Bbox2(0.000000, -1.000000, 3.000000, 1.000000)
        >>> a.do_overlap(Bbox2(2, 1, 4, 4))
        True
        """
    @typing.overload
    def __init__(
        self,
        xmin: typing.SupportsFloat | typing.SupportsIndex,
        ymin: typing.SupportsFloat | typing.SupportsIndex,
        xmax: typing.SupportsFloat | typing.SupportsIndex,
        ymax: typing.SupportsFloat | typing.SupportsIndex,
    ) -> None: ...
    @property
    def xmin(self) -> float:
        """The least x of the box, as stored.

        Returns
        -------
        float
            The least x.
        """
    @property
    def ymin(self) -> float:
        """The least y of the box, as stored.

        Returns
        -------
        float
            The least y.
        """
    @property
    def xmax(self) -> float:
        """The greatest x of the box, as stored.

        Returns
        -------
        float
            The greatest x.
        """
    @property
    def ymax(self) -> float:
        """The greatest y of the box, as stored.

        Returns
        -------
        float
            The greatest y.
        """
    def dimension(self) -> int:
        """The dimension of the box: always 2.

        Returns
        -------
        int
            2.
        """
    def min(self, i: typing.SupportsInt | typing.SupportsIndex) -> float:
        """A lower bound: xmin for i = 0, ymin for any other i.

        Parameters
        ----------
        i : int
            The axis; a float is refused.

        Returns
        -------
        float
            The bound.
        """
    def max(self, i: typing.SupportsInt | typing.SupportsIndex) -> float:
        """An upper bound: xmax for i = 0, ymax for any other i.

        Parameters
        ----------
        i : int
            The axis; a float is refused.

        Returns
        -------
        float
            The bound.
        """
    def dilate(self, dist: typing.SupportsInt | typing.SupportsIndex) -> None:
        """Grow the box, in place, by dist representable doubles on every side.

        xmin and ymin move dist doubles down and xmax and ymax dist doubles up (a negative dist
        shrinks the box). The one operation of the module that raises for non-finite values: a
        bound that is infinite or NaN, or one that would overflow, raises, and the box keeps all
        four old bounds.

        Parameters
        ----------
        dist : int
            How many doubles to move each bound; a float is refused.

        Raises
        ------
        ValueError
            If a bound is not finite, or dist is -2147483648.
        OverflowError
            If a bound would move beyond the largest double.

        Examples
        --------
        >>> from planara import Bbox2
        >>> b = Bbox2(0, 0, 1, 1)
        >>> b.dilate(1)
        >>> b.xmax == 1 + 2 ** -52, b.xmin < 0
        (True, True)
        """
    def scale(self, factor: typing.SupportsFloat | typing.SupportsIndex) -> None:
        """Scale the box, in place, about its centre by factor.

        Each half-extent is multiplied by factor; a negative factor swaps the bounds.

        Parameters
        ----------
        factor : float
            The scale factor.

        Examples
        --------
        >>> from planara import Bbox2
        >>> b = Bbox2(0, 0, 2, 4)
        >>> b.scale(0.5)
        >>> b
        Bbox2(0.500000, 1.000000, 1.500000, 3.000000)
        """
    def do_overlap(self, other: Bbox2) -> bool:
        """Whether the two closed boxes share a point (touching counts).

        A NaN bound never separates boxes.

        Parameters
        ----------
        other : Bbox2
            The other box.

        Returns
        -------
        bool
            The answer.
        """
    def __add__(self, arg0: Bbox2, /) -> Bbox2:
        """``a + b``: a new box, the union of the two.

        Each bound is taken from b only where b's is strictly beyond a's, so the empty box
        ``Bbox2()`` is neutral.

        Parameters
        ----------
        b : Bbox2
            The box added.

        Returns
        -------
        Bbox2
            A new box.

        Raises
        ------
        TypeError
            If b is not a Bbox2.
        """
    def __iadd__(self, arg0: Bbox2, /) -> Bbox2:
        """``a += b``: grow a to the union, in place.

        The old object is changed (every other name for it sees the union) and then ``a`` is
        bound to a new, equal copy.

        Parameters
        ----------
        b : Bbox2
            The box added.

        Returns
        -------
        Bbox2
            A copy of the grown box.

        Raises
        ------
        TypeError
            If b is not a Bbox2.
        """
    def __eq__(self, arg0: Bbox2, /) -> bool:  # type: ignore[override]
        """Whether two Bbox2 objects are equal: all four bounds equal (a NaN bound makes boxes
        unequal, even a box and itself).

        The other operand must be a Bbox2: anything else, None included, raises TypeError
        instead of giving False. Defining equality makes Bbox2 unhashable.

        Parameters
        ----------
        other : Bbox2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Bbox2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: Bbox2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two Bbox2 objects.

        Parameters
        ----------
        other : Bbox2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Bbox2.
        """
    def __repr__(self) -> str:
        """The text form, for example ``Bbox2(0.000000, 0.000000, 1.000000, 2.500000)``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """

class Direction2:
    """A direction of the plane: a vector whose length does not matter.

    Its components dx, dy are stored as given, not normalised. Directions are equal when one
    is a positive multiple of the other, and ordered by their angle counterclockwise from
    the positive x axis, in [0, 2 pi): the only class with ``<``, so ``sorted`` orders
    directions by angle.
    """
    @typing.overload
    def __init__(
        self,
        x: typing.SupportsFloat | typing.SupportsIndex,
        y: typing.SupportsFloat | typing.SupportsIndex,
    ) -> None:
        """A direction from two components, a vector, a segment or a ray.

        ``Direction2(x, y)``, ``Direction2(v)``, ``Direction2(s)`` (from the source to the
        target) and ``Direction2(r)`` (the ray's direction).

        Parameters
        ----------
        x, y : float
            The components dx, dy.
        v : Vector2
            A vector.
        s : Segment2
            A segment: the direction target - source.
        r : Ray2
            A ray: its direction.

        Examples
        --------
        >>> from planara import Direction2
        >>> Direction2(2, 0) == Direction2(1, 0)
        True
        >>> sorted([Direction2(0, -1), Direction2(-1, 0)])  # by angle
        [Direction2(-1.000000, 0.000000), Direction2(0.000000, -1.000000)]
        """
    @typing.overload
    def __init__(self, v: Vector2) -> None: ...
    @typing.overload
    def __init__(self, s: Segment2) -> None: ...
    @typing.overload
    def __init__(self, r: Ray2) -> None: ...
    @property
    def dx(self) -> float:
        """The x component of the direction, as stored.

        Returns
        -------
        float
            The x component.
        """
    @property
    def dy(self) -> float:
        """The y component of the direction, as stored.

        Returns
        -------
        float
            The y component.
        """
    def delta(self, arg0: typing.SupportsInt | typing.SupportsIndex, /) -> float:
        """A component: dx for i = 0, dy for any other i.

        Parameters
        ----------
        i : int
            The axis, positional only; a float is refused.

        Returns
        -------
        float
            The component.
        """
    def counterclockwise_in_between(self, d1: Direction2, d2: Direction2) -> bool:
        """Whether this direction lies strictly between d1 and d2, turning counterclockwise from
        d1.

        If d1 and d2 are the same angle, every other direction is between them.

        Parameters
        ----------
        d1 : Direction2
            Where the turn starts.
        d2 : Direction2
            Where it ends.

        Returns
        -------
        bool
            The answer.

        Examples
        --------
        >>> from planara import Direction2
        >>> Direction2(0, 1).counterclockwise_in_between(Direction2(1, 0), Direction2(-1, 0))
        True
        """
    def vector(self) -> Vector2:
        """The vector (dx, dy).

        Returns
        -------
        Vector2
            A new vector.
        """
    def opposite(self) -> Direction2:
        """The opposite direction (-dx, -dy).

        Returns
        -------
        Direction2
            A new direction.
        """
    def __neg__(self) -> Direction2:
        """``-d``: the same as ``opposite()``.

        Returns
        -------
        Direction2
            A new direction.
        """
    def __eq__(self, arg0: Direction2, /) -> bool:  # type: ignore[override]
        """Whether two Direction2 objects are equal: the same signs of the components and equal
        cross products, that is one a positive multiple of the other.

        The other operand must be a Direction2: anything else, None included, raises TypeError
        instead of giving False. Defining equality makes Direction2 unhashable.

        Parameters
        ----------
        other : Direction2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Direction2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: Direction2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two Direction2 objects.

        Parameters
        ----------
        other : Direction2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Direction2.
        """
    def __lt__(self, arg0: Direction2, /) -> bool:
        """``d < e``: d comes first counterclockwise from the positive x axis.

        Parameters
        ----------
        e : Direction2
            The direction compared with.

        Returns
        -------
        bool
            The answer.
        """
    def __gt__(self, arg0: Direction2, /) -> bool:
        """``d > e``: e comes first counterclockwise from the positive x axis.

        Parameters
        ----------
        e : Direction2
            The direction compared with.

        Returns
        -------
        bool
            The answer.
        """
    def __le__(self, arg0: Direction2, /) -> bool:
        """``d <= e``: d does not come after e.

        Parameters
        ----------
        e : Direction2
            The direction compared with.

        Returns
        -------
        bool
            The answer.
        """
    def __ge__(self, arg0: Direction2, /) -> bool:
        """``d >= e``: d does not come before e.

        Parameters
        ----------
        e : Direction2
            The direction compared with.

        Returns
        -------
        bool
            The answer.
        """
    def __repr__(self) -> str:
        """The text form, for example ``Direction2(1.000000, -0.500000)``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """

class Line2:
    """An oriented line a x + b y + c = 0.

    Its direction is (b, -a) and its positive side, where a x + b y + c > 0, is on the left
    looking along it. The coefficients are stored as computed, never normalised; a line with
    a = b = 0 is degenerate and gives infinities or NaN rather than errors.
    """
    @typing.overload
    def __init__(
        self,
        a: typing.SupportsFloat | typing.SupportsIndex,
        b: typing.SupportsFloat | typing.SupportsIndex,
        c: typing.SupportsFloat | typing.SupportsIndex,
    ) -> None:
        """A line from coefficients, two points, a point and a direction or vector, a segment or a
        ray.

        ``Line2(a, b, c)`` keeps the coefficients as given. ``Line2(p, q)`` is the line through
        p and then q, directed from p to q (horizontal and vertical lines get coefficients 0 and
        +-1). ``Line2(p, d)`` and ``Line2(p, v)`` pass through p in that direction. ``Line2(s)``
        and ``Line2(r)`` are the supporting lines.

        Parameters
        ----------
        a, b, c : float
            The coefficients.
        p : Point2
            A point on the line.
        q : Point2
            A second point, which the line runs towards.
        d : Direction2
            The line's direction.
        v : Vector2
            The line's direction, as a vector.
        s : Segment2
            A segment: its supporting line.
        r : Ray2
            A ray: its supporting line.

        Examples
        --------
        >>> from planara import Line2, Point2
        >>> line = Line2(Point2(0, 0), Point2(2, 2))
        >>> line
        Line2(a=-2.000000, b=2.000000, c=0.000000)
        >>> line.oriented_side(Point2(0, 1)), line.projection(Point2(2, 0))
        (1, Point2(1.000000, 1.000000))
        """
    @typing.overload
    def __init__(self, p: Point2, q: Point2) -> None: ...
    @typing.overload
    def __init__(self, p: Point2, d: Direction2) -> None: ...
    @typing.overload
    def __init__(self, p: Point2, v: Vector2) -> None: ...
    @typing.overload
    def __init__(self, s: Segment2) -> None: ...
    @typing.overload
    def __init__(self, r: Ray2) -> None: ...
    @staticmethod
    def from_ray(r: Ray2) -> Line2:
        """The supporting line of the ray r: the same as ``Line2(r)``.

        Parameters
        ----------
        r : Ray2
            The ray.

        Returns
        -------
        Line2
            A new line.
        """
    @property
    def a(self) -> float:
        """The coefficient a of the line, as stored.

        Returns
        -------
        float
            The coefficient a.
        """
    @property
    def b(self) -> float:
        """The coefficient b of the line, as stored.

        Returns
        -------
        float
            The coefficient b.
        """
    @property
    def c(self) -> float:
        """The coefficient c of the line, as stored.

        Returns
        -------
        float
            The coefficient c.
        """
    def point(self, i: typing.SupportsFloat | typing.SupportsIndex) -> Point2:
        """A point of the line, at parameter i.

        Consecutive integers give points one direction vector (b, -a) apart.

        Parameters
        ----------
        i : float
            The parameter.

        Returns
        -------
        Point2
            A new point.
        """
    def projection(self, p: Point2) -> Point2:
        """The orthogonal projection of p onto the line.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        Point2
            A new point.
        """
    def x_at_y(self, y: typing.SupportsFloat | typing.SupportsIndex) -> float:
        """The x of the line's point at height y: ``(-b y - c) / a``.

        Infinite or NaN for a horizontal line, never an error.

        Parameters
        ----------
        y : float
            The height.

        Returns
        -------
        float
            The x coordinate.
        """
    def y_at_x(self, x: typing.SupportsFloat | typing.SupportsIndex) -> float:
        """The y of the line's point at abscissa x: ``(-a x - c) / b``.

        Infinite or NaN for a vertical line, never an error.

        Parameters
        ----------
        x : float
            The abscissa.

        Returns
        -------
        float
            The y coordinate.
        """
    def is_degenerate(self) -> bool:
        """Whether the line is degenerate: a = 0 and b = 0.

        Returns
        -------
        bool
            The answer.
        """
    def is_horizontal(self) -> bool:
        """Whether the line is horizontal: a = 0.

        Returns
        -------
        bool
            The answer.
        """
    def is_vertical(self) -> bool:
        """Whether the line is vertical: b = 0.

        Returns
        -------
        bool
            The answer.
        """
    def oriented_side(self, p: Point2) -> int:
        """The side of the line p lies on: 1 positive (left), -1 negative (right), 0 on it.

        The sign of a p.x + b p.y + c, rounded; NaN gives 0.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def has_on(self, p: Point2) -> bool:
        """Whether p lies on the line: ``oriented_side(p) == 0``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_positive_side(self, p: Point2) -> bool:
        """Whether p lies on the positive (left) side: ``oriented_side(p) == 1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_negative_side(self, p: Point2) -> bool:
        """Whether p lies on the negative (right) side: ``oriented_side(p) == -1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def to_vector(self) -> Vector2:
        """A vector along the line: (b, -a).

        Returns
        -------
        Vector2
            A new vector.
        """
    def direction(self) -> Direction2:
        """The line's direction: (b, -a).

        Returns
        -------
        Direction2
            A new direction.
        """
    def opposite(self) -> Line2:
        """The same line, oriented the other way: (-a, -b, -c).

        Returns
        -------
        Line2
            A new line.
        """
    def perpendicular(self, p: Point2) -> Line2:
        """The line through p perpendicular to this one, turned counterclockwise from it.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        Line2
            A new line: (-b, a, b p.x - a p.y).
        """
    def __eq__(self, arg0: Line2, /) -> bool:  # type: ignore[override]
        """Whether two Line2 objects are equal: the same oriented line, their coefficients positive
        multiples of each other.

        The other operand must be a Line2: anything else, None included, raises TypeError
        instead of giving False. Defining equality makes Line2 unhashable.

        Parameters
        ----------
        other : Line2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Line2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: Line2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two Line2 objects.

        Parameters
        ----------
        other : Line2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Line2.
        """
    def __repr__(self) -> str:
        """The text form, for example ``Line2(a=1.000000, b=-2.000000, c=0.500000)``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """

class Segment2:
    """A segment from a source point to a target point.

    Every member of Segment2 takes its arguments by position only.
    """
    def __init__(self, arg0: Point2, arg1: Point2, /) -> None:
        """The segment from source to target.

        Parameters
        ----------
        source : Point2
            The first endpoint, positional only.
        target : Point2
            The second endpoint, positional only.

        Examples
        --------
        >>> from planara import Point2, Segment2
        >>> s = Segment2(Point2(0, 0), Point2(4, 2))
        >>> s.squared_length(), s.has_on(Point2(2, 1))
        (20.0, True)
        >>> source, target = s
        >>> target
        Point2(4.000000, 2.000000)
        """
    def source(self) -> Point2:
        """The source endpoint.

        Returns
        -------
        Point2
            A new point.
        """
    def target(self) -> Point2:
        """The target endpoint.

        Returns
        -------
        Point2
            A new point.
        """
    def min(self) -> Point2:
        """The lexicographically smaller endpoint (by x, then y).

        Returns
        -------
        Point2
            A new point.
        """
    def max(self) -> Point2:
        """The lexicographically larger endpoint (by x, then y).

        Returns
        -------
        Point2
            A new point.
        """
    def vertex(self, arg0: typing.SupportsInt | typing.SupportsIndex, /) -> Point2:
        """The vertex number i of the segment.

        Every int index is taken, none raises: even i gives the source, odd i the target.

        Parameters
        ----------
        i : int
            The index; a float is refused.

        Returns
        -------
        Point2
            A new point.

        Raises
        ------
        TypeError
            If i is a float or outside the signed 32-bit range.
        """
    def point(self, arg0: typing.SupportsInt | typing.SupportsIndex, /) -> Point2:
        """The vertex number i of the segment.

        Every int index is taken, none raises: even i gives the source, odd i the target (the
        same as ``vertex``).

        Parameters
        ----------
        i : int
            The index; a float is refused.

        Returns
        -------
        Point2
            A new point.

        Raises
        ------
        TypeError
            If i is a float or outside the signed 32-bit range.
        """
    def __getitem__(self, arg0: typing.SupportsInt | typing.SupportsIndex, /) -> Point2:
        """The vertex number i of the segment.

        Every int index is taken, none raises: ``s[i]`` is ``s.vertex(i)``: even i gives the
        source, odd i the target.

        Parameters
        ----------
        i : int
            The index; a float is refused.

        Returns
        -------
        Point2
            A new point.

        Raises
        ------
        TypeError
            If i is a float or outside the signed 32-bit range.
        """
    def squared_length(self) -> float:
        """The squared length of the segment.

        Returns
        -------
        float
            The squared length.
        """
    def direction(self) -> Direction2:
        """The direction from the source to the target.

        Returns
        -------
        Direction2
            A new direction.
        """
    def to_vector(self) -> Vector2:
        """The vector target - source.

        Returns
        -------
        Vector2
            A new vector.
        """
    def opposite(self) -> Segment2:
        """The segment from the target to the source.

        Returns
        -------
        Segment2
            A new segment.
        """
    def supporting_line(self) -> Line2:
        """The line through the source and then the target, as ``Line2(source, target)``.

        Returns
        -------
        Line2
            A new line.
        """
    def is_degenerate(self) -> bool:
        """Whether the segment is degenerate: source and target coincide.

        Returns
        -------
        bool
            The answer.
        """
    def is_horizontal(self) -> bool:
        """Whether the segment is horizontal: equal y at both ends.

        Returns
        -------
        bool
            The answer.
        """
    def is_vertical(self) -> bool:
        """Whether the segment is vertical: equal x at both ends.

        Returns
        -------
        bool
            The answer.
        """
    def has_on(self, arg0: Point2, /) -> bool:
        """Whether p lies on the segment, endpoints included: collinear with it and between its
        ends.

        Parameters
        ----------
        p : Point2
            The point asked about, positional only.

        Returns
        -------
        bool
            The answer.
        """
    def collinear_has_on(self, arg0: Point2, /) -> bool:
        """Whether p, taken to be on the supporting line, lies between the ends.

        Only the betweenness is tested, not collinearity.

        Parameters
        ----------
        p : Point2
            The point asked about, positional only.

        Returns
        -------
        bool
            The answer.
        """
    def bbox(self) -> Bbox2:
        """The bounding box of the segment.

        The box of the two endpoints.

        Returns
        -------
        Bbox2
            A new box.
        """
    def __eq__(self, arg0: Segment2, /) -> bool:  # type: ignore[override]
        """Whether two Segment2 objects are equal: the same source and the same target (a segment
        and its opposite are unequal).

        The other operand must be a Segment2: anything else, None included, raises TypeError
        instead of giving False. Defining equality makes Segment2 unhashable.

        Parameters
        ----------
        other : Segment2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Segment2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: Segment2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two Segment2 objects.

        Parameters
        ----------
        other : Segment2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Segment2.
        """
    def __repr__(self) -> str:
        """The text form, for example ``Segment2((1.000000, 2.000000), (3.000000, 4.500000))``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """
    def __iter__(self) -> collections.abc.Iterator[Point2]:
        """Iterate over the source and target of the segment.

        Iteration ends, although indexing wraps: ``list()``, unpacking and ``for`` loops see the
        source and target once. There is no ``len()``.

        Returns
        -------
        iterator of Point2
            The source and target, in order.
        """

class Ray2:
    """A ray: a source point and every point beyond it in one direction.

    It holds its source and a second point; the ray is source + t (second - source) for t >=
    0.
    """
    @typing.overload
    def __init__(self, p: Point2, q: Point2) -> None:
        """The ray from p through q, or from p in a direction, along a vector or along a line.

        ``Ray2(p, d)``, ``Ray2(p, v)`` and ``Ray2(p, l)`` store p plus the direction, the vector
        or the line's vector (b, -a) as the second point.

        Parameters
        ----------
        p : Point2
            The source.
        q : Point2
            A second point of the ray.
        d : Direction2
            The ray's direction.
        v : Vector2
            The ray's direction, as a vector.
        l : Line2
            A line whose direction the ray takes.

        Examples
        --------
        >>> from planara import Point2, Ray2, Vector2
        >>> r = Ray2(Point2(1, 1), Vector2(2, 0))
        >>> r.point(2.5), r.has_on(Point2(9, 1)), r.has_on(Point2(0, 1))
        (Point2(6.000000, 1.000000), True, False)
        """
    @typing.overload
    def __init__(self, p: Point2, d: Direction2) -> None: ...
    @typing.overload
    def __init__(self, p: Point2, v: Vector2) -> None: ...
    @typing.overload
    def __init__(self, p: Point2, l: Line2) -> None: ...
    def source(self) -> Point2:
        """The source point.

        Returns
        -------
        Point2
            A new point.
        """
    def point(self, i: typing.SupportsFloat | typing.SupportsIndex) -> Point2:
        """The point at parameter i: the source for 0, the stored second point for 1.

        Parameters
        ----------
        i : float
            The parameter; negative values lie behind the source.

        Returns
        -------
        Point2
            A new point.
        """
    def direction(self) -> Direction2:
        """The ray's direction (second point - source, not normalised).

        Returns
        -------
        Direction2
            A new direction.
        """
    def to_vector(self) -> Vector2:
        """The vector second point - source.

        Returns
        -------
        Vector2
            A new vector.
        """
    def supporting_line(self) -> Line2:
        """The line through the source and then the second point.

        Returns
        -------
        Line2
            A new line.
        """
    def opposite(self) -> Ray2:
        """The ray from the same source in the opposite direction.

        Returns
        -------
        Ray2
            A new ray.
        """
    def is_degenerate(self) -> bool:
        """Whether the ray is degenerate: its two points coincide.

        Returns
        -------
        bool
            The answer.
        """
    def is_horizontal(self) -> bool:
        """Whether the ray is horizontal: equal y at both points.

        Returns
        -------
        bool
            The answer.
        """
    def is_vertical(self) -> bool:
        """Whether the ray is vertical: equal x at both points.

        Returns
        -------
        bool
            The answer.
        """
    def has_on(self, p: Point2) -> bool:
        """Whether p lies on the ray: the source, or a point in the ray's direction from it.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def collinear_has_on(self, p: Point2) -> bool:
        """Whether p, taken to be on the supporting line, is not behind the source.

        Collinearity is not tested.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def __eq__(self, arg0: Ray2, /) -> bool:  # type: ignore[override]
        """Whether two Ray2 objects are equal: equal sources and equal directions (the second
        points need not coincide).

        The other operand must be a Ray2: anything else, None included, raises TypeError instead
        of giving False. Defining equality makes Ray2 unhashable.

        Parameters
        ----------
        other : Ray2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Ray2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: Ray2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two Ray2 objects.

        Parameters
        ----------
        other : Ray2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Ray2.
        """
    def __repr__(self) -> str:
        """The text form, for example
        ``Ray2(source=(1.000000, 1.000000), direction=(3.000000, 4.000000))``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """

class Triangle2:
    """A triangle with vertices p, q, r, in that order.

    Counterclockwise vertices make orientation 1 and a positive area; clockwise ones -1 and
    a negative area. Triangles are equal up to a rotation of the vertices.
    """
    def __init__(self, p: Point2, q: Point2, r: Point2) -> None:
        """The triangle p, q, r.

        Parameters
        ----------
        p, q, r : Point2
            The vertices 0, 1 and 2.

        Examples
        --------
        >>> from planara import Point2, Triangle2
        >>> t = Triangle2(Point2(0, 0), Point2(4, 0), Point2(0, 3))
        >>> t.area(), t.orientation()
        (6.0, 1)
        >>> [t.bounded_side(p) for p in (Point2(1, 1), Point2(2, 0), Point2(5, 5))]
        [1, 0, -1]
        """
    def vertex(self, i: typing.SupportsInt | typing.SupportsIndex) -> Point2:
        """The vertex number i of the triangle.

        Every int index is taken, none raises: the vertex i mod 3 (``t.vertex(-1)`` is vertex
        2).

        Parameters
        ----------
        i : int
            The index; a float is refused.

        Returns
        -------
        Point2
            A new point.

        Raises
        ------
        TypeError
            If i is a float or outside the signed 32-bit range.
        """
    def __getitem__(self, i: typing.SupportsInt | typing.SupportsIndex) -> Point2:
        """The vertex number i of the triangle.

        Every int index is taken, none raises: ``t[i]`` is ``t.vertex(i)``, the vertex i mod 3.

        Parameters
        ----------
        i : int
            The index; a float is refused.

        Returns
        -------
        Point2
            A new point.

        Raises
        ------
        TypeError
            If i is a float or outside the signed 32-bit range.
        """
    def is_degenerate(self) -> bool:
        """Whether the triangle is degenerate: its vertices are collinear (as rounding decides).

        Returns
        -------
        bool
            The answer.
        """
    def orientation(self) -> int:
        """The orientation of the vertices: 1 counterclockwise, -1 clockwise, 0 collinear.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def oriented_side(self, p: Point2) -> int:
        """The oriented side of p: 1 on the positive side, -1 on the negative side, 0 on the
        boundary.

        The positive side is the inside of a counterclockwise triangle and the outside of a
        clockwise one. A point anywhere on the line of a degenerate triangle counts as on it.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def bounded_side(self, p: Point2) -> int:
        """Where p lies: 1 inside, 0 on the boundary, -1 outside, whatever the orientation.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def has_on_positive_side(self, p: Point2) -> bool:
        """Whether p lies on the positive side: ``oriented_side(p) == 1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_negative_side(self, p: Point2) -> bool:
        """Whether p lies on the negative side: ``oriented_side(p) == -1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_boundary(self, p: Point2) -> bool:
        """Whether p lies on the boundary: ``bounded_side(p) == 0``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_bounded_side(self, p: Point2) -> bool:
        """Whether p lies inside: ``bounded_side(p) == 1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_unbounded_side(self, p: Point2) -> bool:
        """Whether p lies outside: ``bounded_side(p) == -1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def opposite(self) -> Triangle2:
        """The triangle p, r, q: the same points, the other orientation.

        Returns
        -------
        Triangle2
            A new triangle.
        """
    def area(self) -> float:
        """The signed area: positive counterclockwise, negative clockwise.

        Returns
        -------
        float
            The signed area.
        """
    def bbox(self) -> Bbox2:
        """The bounding box of the triangle.

        The box of the three vertices.

        Returns
        -------
        Bbox2
            A new box.
        """
    def __eq__(self, arg0: Triangle2, /) -> bool:  # type: ignore[override]
        """Whether two Triangle2 objects are equal: the same vertices up to a rotation of their
        order (a triangle and its opposite are unequal).

        The other operand must be a Triangle2: anything else, None included, raises TypeError
        instead of giving False. Defining equality makes Triangle2 unhashable.

        Parameters
        ----------
        other : Triangle2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Triangle2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: Triangle2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two Triangle2 objects.

        Parameters
        ----------
        other : Triangle2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Triangle2.
        """
    def __repr__(self) -> str:
        """The text form, for example
        ``Triangle2((0.000000, 0.000000), (1.000000, 0.000000), (0.000000, 1.500000))``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """
    def __iter__(self) -> collections.abc.Iterator[Point2]:
        """Iterate over the three vertices of the triangle.

        Iteration ends, although indexing wraps: ``list()``, unpacking and ``for`` loops see the
        three vertices once. There is no ``len()``.

        Returns
        -------
        iterator of Point2
            The three vertices, in order.
        """

class Circle2:
    """An oriented circle: a centre, a squared radius and an orientation.

    The orientation is 1 (counterclockwise) or -1 (clockwise); the circle through three
    collinear points has orientation 0 and an infinite or NaN centre and radius. The squared
    radius is stored as given, unchecked. Write the squared radius as a float:
    ``Circle2(c, 4)`` takes 4 as the orientation of a point circle.
    """
    @typing.overload
    def __init__(
        self,
        center: Point2,
        squared_radius: typing.SupportsFloat | typing.SupportsIndex,
        orientation: typing.SupportsInt | typing.SupportsIndex = 1,
    ) -> None:
        """A circle from its centre and squared radius, through three points, from a diameter, or
        the point circle at a centre.

        ``Circle2(center, squared_radius, orientation=1)``; ``Circle2(p, q, r)``, the circle
        through three points, oriented as the turn p, q, r; ``Circle2(p, q, orientation=1)``,
        the circle with diameter pq; ``Circle2(center, orientation=1)``, of squared radius 0.

        An orientation argument is normalised: a negative value gives -1 (clockwise), zero or
        any positive value 1 (counterclockwise), so 0 and 5 both give a counterclockwise circle.
        Overloads are tried first without converting numbers, so an int second argument is an
        orientation: ``Circle2(c, 4)`` is a point circle, ``Circle2(c, 4.0)`` and
        ``Circle2(c, squared_radius=4)`` have squared radius 4.

        Parameters
        ----------
        center : Point2
            The centre.
        squared_radius : float
            The squared radius, stored unchecked.
        orientation : int, default 1
            Negative for clockwise, else counterclockwise.
        p, q, r : Point2
            Points on the circle (p and q: the ends of a diameter).

        Examples
        --------
        >>> from planara import Circle2, Point2
        >>> c = Circle2(Point2(0, 0), Point2(2, 0), Point2(0, 2))
        >>> c
        Circle2(center=(1.000000, 1.000000), squared_radius=2.000000)
        >>> c.orientation(), c.bounded_side(Point2(1, 1))
        (1, 1)
        >>> [Circle2(Point2(0, 0), 1.0, k).orientation() for k in (0, 5, -7)]
        [1, 1, -1]
        """
    @typing.overload
    def __init__(self, p: Point2, q: Point2, r: Point2) -> None: ...
    @typing.overload
    def __init__(
        self,
        p: Point2,
        q: Point2,
        orientation: typing.SupportsInt | typing.SupportsIndex = 1,
    ) -> None: ...
    @typing.overload
    def __init__(
        self,
        center: Point2,
        orientation: typing.SupportsInt | typing.SupportsIndex = 1,
    ) -> None: ...
    def center(self) -> Point2:
        """The centre.

        Returns
        -------
        Point2
            A new point.
        """
    def squared_radius(self) -> float:
        """The squared radius, as stored.

        Returns
        -------
        float
            The squared radius.
        """
    def orientation(self) -> int:
        """The orientation: 1 counterclockwise, -1 clockwise, 0 for the circle through three
        collinear points.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def is_degenerate(self) -> bool:
        """Whether the circle is degenerate: a squared radius of 0.

        Returns
        -------
        bool
            The answer.
        """
    def oriented_side(self, p: Point2) -> int:
        """The oriented side of p: ``bounded_side(p)`` times the orientation.

        Inside is the positive side of a counterclockwise circle.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def bounded_side(self, p: Point2) -> int:
        """Where p lies: 1 inside, 0 on the circle, -1 outside.

        The squared distance from the centre, rounded, against the squared radius; NaN gives 0.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def has_on_positive_side(self, p: Point2) -> bool:
        """Whether p lies on the positive side.

        Inside for a counterclockwise circle, outside otherwise.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_negative_side(self, p: Point2) -> bool:
        """Whether p lies on the negative side.

        Outside for a counterclockwise circle, inside otherwise.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_boundary(self, p: Point2) -> bool:
        """Whether p lies on the circle: ``bounded_side(p) == 0``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_bounded_side(self, p: Point2) -> bool:
        """Whether p lies inside: ``bounded_side(p) == 1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_unbounded_side(self, p: Point2) -> bool:
        """Whether p lies outside: ``bounded_side(p) == -1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def opposite(self) -> Circle2:
        """The same circle, oriented the other way (0 stays 0).

        Returns
        -------
        Circle2
            A new circle.
        """
    def bbox(self) -> Bbox2:
        """The bounding box of the circle.

        Rounded outward (the square root of the squared radius in interval arithmetic), so the
        box always contains the circle.

        Returns
        -------
        Bbox2
            A new box.
        """
    def __eq__(self, arg0: Circle2, /) -> bool:  # type: ignore[override]
        """Whether two Circle2 objects are equal: the same centre, squared radius and orientation.

        The other operand must be a Circle2: anything else, None included, raises TypeError
        instead of giving False. Defining equality makes Circle2 unhashable.

        Parameters
        ----------
        other : Circle2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Circle2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: Circle2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two Circle2 objects.

        Parameters
        ----------
        other : Circle2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a Circle2.
        """
    def __repr__(self) -> str:
        """The text form, for example
        ``Circle2(center=(1.000000, 1.000000), squared_radius=2.000000)``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """

class IsoRectangle2:
    """An axis-parallel rectangle, closed, with corners (xmin, ymin) and (xmax, ymax).

    Its constructors sort the coordinates (but the one from four points). Its vertices run
    counterclockwise from the lower left corner.
    """
    @typing.overload
    def __init__(self, p: Point2, q: Point2) -> None:
        """A rectangle from two opposite corners, from four extreme points, from four numbers or
        from a box.

        ``IsoRectangle2(p, q)``, ``IsoRectangle2(min_x, min_y, max_x, max_y)`` and
        ``IsoRectangle2(bbox)`` sort the coordinates, so any two opposite corners do.
        ``IsoRectangle2(left, right, bottom, top)`` takes xmin from left, xmax from right, ymin
        from bottom and ymax from top, unsorted.

        Parameters
        ----------
        p, q : Point2
            Two opposite corners.
        left, right, bottom, top : Point2
            Points giving xmin, xmax, ymin, ymax.
        min_x, min_y, max_x, max_y : float
            The corners' coordinates, in any order.
        bbox : Bbox2
            A box.

        Examples
        --------
        >>> from planara import IsoRectangle2, Point2
        >>> r = IsoRectangle2(Point2(3, 1), Point2(1, 4))
        >>> r
        IsoRectangle2(xmin=1.000000, ymin=1.000000, xmax=3.000000, ymax=4.000000)
        >>> r.area(), r.bounded_side(Point2(2, 2))
        (6.0, 1)
        """
    @typing.overload
    def __init__(self, left: Point2, right: Point2, bottom: Point2, top: Point2) -> None: ...
    @typing.overload
    def __init__(
        self,
        min_x: typing.SupportsFloat | typing.SupportsIndex,
        min_y: typing.SupportsFloat | typing.SupportsIndex,
        max_x: typing.SupportsFloat | typing.SupportsIndex,
        max_y: typing.SupportsFloat | typing.SupportsIndex,
    ) -> None: ...
    @typing.overload
    def __init__(self, bbox: Bbox2) -> None: ...
    def vertex(self, i: typing.SupportsInt | typing.SupportsIndex) -> Point2:
        """The vertex number i of the rectangle.

        Every int index is taken, none raises: 0 the lower left corner, then counterclockwise;
        ``r.vertex(5)`` is ``r.vertex(1)`` and every negative remainder gives the upper left
        corner.

        Parameters
        ----------
        i : int
            The index; a float is refused.

        Returns
        -------
        Point2
            A new point.

        Raises
        ------
        TypeError
            If i is a float or outside the signed 32-bit range.
        """
    def __getitem__(self, i: typing.SupportsInt | typing.SupportsIndex) -> Point2:
        """The vertex number i of the rectangle.

        Every int index is taken, none raises: ``r[i]`` is ``r.vertex(i)``.

        Parameters
        ----------
        i : int
            The index; a float is refused.

        Returns
        -------
        Point2
            A new point.

        Raises
        ------
        TypeError
            If i is a float or outside the signed 32-bit range.
        """
    def min(self) -> Point2:
        """The lower left corner (xmin, ymin).

        Returns
        -------
        Point2
            A new point.
        """
    def max(self) -> Point2:
        """The upper right corner (xmax, ymax).

        Returns
        -------
        Point2
            A new point.
        """
    def xmin(self) -> float:
        """The least x (a method, unlike Bbox2's property).

        Returns
        -------
        float
            The bound.
        """
    def ymin(self) -> float:
        """The least y (a method).

        Returns
        -------
        float
            The bound.
        """
    def xmax(self) -> float:
        """The greatest x (a method).

        Returns
        -------
        float
            The bound.
        """
    def ymax(self) -> float:
        """The greatest y (a method).

        Returns
        -------
        float
            The bound.
        """
    def min_coord(self, i: typing.SupportsInt | typing.SupportsIndex) -> float:
        """A lower bound: xmin for i = 0, ymin for any other i.

        Parameters
        ----------
        i : int
            The axis.

        Returns
        -------
        float
            The bound.
        """
    def max_coord(self, i: typing.SupportsInt | typing.SupportsIndex) -> float:
        """An upper bound: xmax for i = 0, ymax for any other i.

        Parameters
        ----------
        i : int
            The axis.

        Returns
        -------
        float
            The bound.
        """
    def is_degenerate(self) -> bool:
        """Whether the rectangle is degenerate: of no width or no height.

        Returns
        -------
        bool
            The answer.
        """
    def bounded_side(self, p: Point2) -> int:
        """Where p lies: 1 inside, 0 on the boundary, -1 outside.

        Only coordinates are compared, so the answer is exact.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        int
            -1, 0 or 1.
        """
    def has_on_boundary(self, p: Point2) -> bool:
        """Whether p lies on the boundary: ``bounded_side(p) == 0``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_bounded_side(self, p: Point2) -> bool:
        """Whether p lies inside: ``bounded_side(p) == 1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def has_on_unbounded_side(self, p: Point2) -> bool:
        """Whether p lies outside: ``bounded_side(p) == -1``.

        Parameters
        ----------
        p : Point2
            The point asked about.

        Returns
        -------
        bool
            The answer.
        """
    def area(self) -> float:
        """The area, (xmax - xmin) (ymax - ymin).

        Returns
        -------
        float
            The area.
        """
    def bbox(self) -> Bbox2:
        """The bounding box of the rectangle.

        The box of its corners.

        Returns
        -------
        Bbox2
            A new box.
        """
    def __eq__(self, arg0: IsoRectangle2, /) -> bool:  # type: ignore[override]
        """Whether two IsoRectangle2 objects are equal: all four bounds equal.

        The other operand must be a IsoRectangle2: anything else, None included, raises
        TypeError instead of giving False. Defining equality makes IsoRectangle2 unhashable.

        Parameters
        ----------
        other : IsoRectangle2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a IsoRectangle2.
        """
    __hash__: typing.ClassVar[None]  # type: ignore[assignment]
    def __ne__(self, arg0: IsoRectangle2, /) -> bool:  # type: ignore[override]
        """The negation of ``==`` for two IsoRectangle2 objects.

        Parameters
        ----------
        other : IsoRectangle2
            The object compared with, positional only.

        Returns
        -------
        bool
            The answer.

        Raises
        ------
        TypeError
            If other is not a IsoRectangle2.
        """
    def __repr__(self) -> str:
        """The text form, for example
        ``IsoRectangle2(xmin=1.000000, ymin=1.000000, xmax=3.000000, ymax=4.000000)``.

        Numbers are written as C's ``%f`` writes them: six decimals and no exponent, so
        different values can print alike. Compare coordinates, not text forms.

        Returns
        -------
        str
            The text form.
        """
    def __iter__(self) -> collections.abc.Iterator[Point2]:
        """Iterate over the four vertices, counterclockwise from the lower left of the rectangle.

        Iteration ends, although indexing wraps: ``list()``, unpacking and ``for`` loops see the
        four vertices, counterclockwise from the lower left once. There is no ``len()``.

        Returns
        -------
        iterator of Point2
            The four vertices, counterclockwise from the lower left, in order.
        """
