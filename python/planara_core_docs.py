"""The documentation text of planara_core, one numpydoc docstring per name.

The compiled module keeps its runtime docstrings as they are (only
`orientation` has one); python/stubgen.py merges the texts below into the
generated stub python/planara_core.pyi, from which the site's API reference is
built. Keys are the names the stub declares: "Point2", "Point2.__init__",
"orientation". stubgen refuses a declared name without text and text for a
name the module does not have, so the two stay in step; run `make stubs` after
changing this file.

A text for several overloads (constructors above all) describes each of them.
"""

import textwrap

_WIDTH = 88
_SPACE_IN_LITERAL = "\x00"


def _fill(text, indent=""):
    """text wrapped to the stub's width, paragraph by paragraph, never inside a
    ``literal``."""
    pieces = text.strip().split("``")
    joined = "``".join(piece.replace(" ", _SPACE_IN_LITERAL) if i % 2 else piece
                       for i, piece in enumerate(pieces))
    return "\n\n".join(
        textwrap.fill(paragraph, _WIDTH, initial_indent=indent, subsequent_indent=indent,
                      break_on_hyphens=False, break_long_words=False)
        for paragraph in joined.split("\n\n")).replace(_SPACE_IN_LITERAL, " ")


def _entries(items):
    return "\n".join(f"{head}\n{_fill(text, '    ')}" for head, text in items)


def _doc(summary, body="", params=(), returns=None, raises=(), examples=""):
    """A numpydoc docstring: params as (name, type, text), returns as (type, text),
    raises as (exception, text)."""
    parts = [_fill(summary)]
    if body:
        parts.append(_fill(body))
    if params:
        parts.append("Parameters\n----------\n"
                     + _entries((f"{name} : {kind}", text) for name, kind, text in params))
    if returns:
        parts.append("Returns\n-------\n" + _entries([returns]))
    if raises:
        parts.append("Raises\n------\n" + _entries(raises))
    if examples:
        parts.append("Examples\n--------\n" + examples.strip())
    return "\n\n".join(parts)


_POINT = ("p", "Point2", "The point asked about.")
_SIDE = ("int", "-1, 0 or 1.")


def _repr(cls, example):
    return _doc(f"The text form, for example ``{example}``.",
                "Numbers are written as C's ``%f`` writes them: six decimals and no "
                "exponent, so different values can print alike. Compare coordinates, "
                "not text forms.",
                returns=("str", "The text form."))


def _eq(cls, rule):
    return _doc(f"Whether two {cls} objects are equal: {rule}",
                f"The other operand must be a {cls}: anything else, None included, raises "
                f"TypeError instead of giving False. Defining equality makes {cls} "
                "unhashable.",
                params=[("other", cls, "The object compared with, positional only.")],
                returns=("bool", "The answer."),
                raises=[("TypeError", f"If other is not a {cls}.")])


def _ne(cls):
    return _doc(f"The negation of ``==`` for two {cls} objects.",
                params=[("other", cls, "The object compared with, positional only.")],
                returns=("bool", "The answer."),
                raises=[("TypeError", f"If other is not a {cls}.")])


def _coordinate(what, of):
    return _doc(f"The {what} of the {of}, as stored.", returns=("float", f"The {what}."))


def _side_test(shape, method, code, meaning):
    return _doc(f"Whether p lies {meaning}: ``{method}(p) == {code}``.",
                params=[_POINT], returns=("bool", "The answer."))


def _iterate(cls, what):
    return _doc(f"Iterate over the {what} of the {cls}.",
                "Iteration ends, although indexing wraps: ``list()``, unpacking and ``for`` "
                f"loops see the {what} once. There is no ``len()``.",
                returns=("iterator of Point2", f"The {what}, in order."))


def _vertex(cls, rule):
    return _doc(f"The vertex number i of the {cls}.",
                f"Every int index is taken, none raises: {rule}",
                params=[("i", "int", "The index; a float is refused.")],
                returns=("Point2", "A new point."),
                raises=[("TypeError", "If i is a float or outside the signed 32-bit range.")])


def _degenerate(cls, rule):
    return _doc(f"Whether the {cls} is degenerate: {rule}", returns=("bool", "The answer."))


def _axis_parallel(cls, which, rule):
    return _doc(f"Whether the {cls} is {which}: {rule}", returns=("bool", "The answer."))


def _bbox(cls, rule):
    return _doc(f"The bounding box of the {cls}.", rule, returns=("Bbox2", "A new box."))


def _circle_side(method, orientation_note):
    return _doc(f"Whether p lies {method}.", orientation_note, params=[_POINT],
                returns=("bool", "The answer."))


DOCS = {
    "planara_core": """2D geometry value objects over the CGAL kernel ``Simple_cartesian<double>``.

The compiled module: eleven classes and the functions ``orientation`` and
``squared_distance``. Every coordinate is a double and every predicate and
construction is evaluated in plain double arithmetic, as the kernel does. The
package ``planara`` re-exports these names (the very same objects) and adds
``planara.array`` and ``planara.plot``; import from ``planara``.

Side and position questions answer with the ints -1, 0 and 1; only
``orientation`` wraps its answer in an ``OrientationResult``.
""",

    # Functions ----------------------------------------------------------

    "squared_distance": _doc(
        "The squared distance between the points (x1, y1) and (x2, y2).",
        "It takes four numbers, not two points: no Point2 is built. The value is "
        "``(x1 - x2)**2 + (y1 - y2)**2`` in double arithmetic, each step rounded; "
        "overflow gives infinity and a NaN coordinate NaN. ``planara.array.squared_distance`` "
        "takes arrays of points instead.",
        params=[("x1, y1", "float", "The first point's coordinates."),
                ("x2, y2", "float", "The second point's coordinates.")],
        returns=("float", "The squared distance."),
        examples=">>> from planara import squared_distance\n"
                 ">>> squared_distance(0, 0, 3, 4)\n25.0"),

    "orientation": _doc(
        "The orientation of the three points p1, p2, p3: a left turn, a right turn or collinear.",
        "The kernel compares the two products ``(p3.x - p1.x) * (p2.y - p1.y)`` and "
        "``(p2.x - p1.x) * (p3.y - p1.y)``, each rounded to double; equal products, and any "
        "NaN, give collinear. A left turn (counterclockwise) is the positive orientation. "
        "Nearly collinear points are decided by rounding; ``planara.array.orientation`` "
        "with ``exact=True`` gives the exact answer.",
        params=[("p1, p2, p3", "Point2", "The three points, in order.")],
        returns=("OrientationResult", "The answer; its methods ``left_turn()``, "
                 "``right_turn()`` and ``collinear()`` read it."),
        examples=">>> from planara import Point2, orientation\n"
                 ">>> turn = orientation(Point2(0, 0), Point2(1, 0), Point2(0, 1))\n"
                 ">>> turn, turn.left_turn()\n(Left turn, True)"),

    # Point2 -------------------------------------------------------------

    "Point2": _doc(
        "A point of the plane, with coordinates x and y.",
        "Immutable. Points compare and hash by identity: two points with the same "
        "coordinates are different objects, so compare ``(p.x, p.y)``."),
    "Point2.__init__": _doc(
        "The point (x, y).",
        "The two coordinates are positional only: ``Point2(x=1, y=2)`` raises TypeError. "
        "Any double is taken, NaN and infinities included.",
        params=[("x", "float", "The x coordinate (an int or bool is converted)."),
                ("y", "float", "The y coordinate.")],
        examples=">>> from planara import Point2, Vector2\n"
                 ">>> p = Point2(1, 2)\n"
                 ">>> p.x, p.y\n(1.0, 2.0)\n"
                 ">>> Point2(4, 6) - p\nVector2(3.000000, 4.000000)\n"
                 ">>> p + Vector2(0.5, -1)\nPoint2(1.500000, 1.000000)"),
    "Point2.x": _coordinate("x coordinate", "point"),
    "Point2.y": _coordinate("y coordinate", "point"),
    "Point2.__sub__": _doc(
        "``p - q``: the vector from q to p.",
        params=[("q", "Point2", "The point subtracted.")],
        returns=("Vector2", "``Vector2(p.x - q.x, p.y - q.y)``."),
        raises=[("TypeError", "If q is not a Point2 (a point minus a vector is not offered).")]),
    "Point2.__add__": _doc(
        "``p + v``: the point p moved by the vector v.",
        params=[("v", "Vector2", "The translation.")],
        returns=("Point2", "``Point2(p.x + v.x, p.y + v.y)``."),
        raises=[("TypeError", "If v is not a Vector2 (two points do not add).")]),
    "Point2.__repr__": _repr("Point2", "Point2(1.000000, 2.000000)"),

    # Vector2 ------------------------------------------------------------

    "Vector2": _doc(
        "A vector of the plane, with coordinates x and y.",
        "Immutable. Vectors add and scale by a number; they compare and hash by identity."),
    "Vector2.__init__": _doc(
        "The vector (x, y).",
        "The two coordinates are positional only.",
        params=[("x", "float", "The x coordinate."), ("y", "float", "The y coordinate.")],
        examples=">>> from planara import Vector2\n"
                 ">>> Vector2(1, 2) + Vector2(3, 4)\nVector2(4.000000, 6.000000)\n"
                 ">>> 0.5 * Vector2(1, 2)\nVector2(0.500000, 1.000000)"),
    "Vector2.x": _coordinate("x coordinate", "vector"),
    "Vector2.y": _coordinate("y coordinate", "vector"),
    "Vector2.__add__": _doc(
        "``u + v``: the sum of two vectors.",
        params=[("v", "Vector2", "The vector added.")],
        returns=("Vector2", "``Vector2(u.x + v.x, u.y + v.y)``."),
        raises=[("TypeError", "If v is not a Vector2.")]),
    "Vector2.__mul__": _doc(
        "``v * s``: the vector scaled by the number s.",
        params=[("s", "float", "The factor.")],
        returns=("Vector2", "``Vector2(v.x * s, v.y * s)``."),
        raises=[("TypeError", "If s is not a number (there is no product of two vectors).")]),
    "Vector2.__rmul__": _doc(
        "``s * v``: the same as ``v * s``.",
        params=[("s", "float", "The factor.")],
        returns=("Vector2", "``Vector2(v.x * s, v.y * s)``.")),
    "Vector2.__repr__": _repr("Vector2", "Vector2(3.000000, 4.000000)"),

    # OrientationResult --------------------------------------------------

    "OrientationResult": _doc(
        "The answer of ``orientation``: a left turn, a right turn or collinear.",
        "It has no constructor of its own and no ``==``: results compare by identity, so "
        "ask its methods (with parentheses: ``r.left_turn`` without a call is a method, "
        "and always true). Its code is the -1/0/1 of the other predicates: "
        "``r.left_turn() - r.right_turn()``. Its text form is ``Left turn``, "
        "``Right turn`` or ``Collinear``.",
        examples=">>> from planara import Point2, orientation\n"
                 ">>> r = orientation(Point2(0, 0), Point2(0, 1), Point2(1, 0))\n"
                 ">>> r, r.right_turn(), r.left_turn() - r.right_turn()\n"
                 "(Right turn, True, -1)"),
    "OrientationResult.left_turn": _doc(
        "Whether the points make a left turn (counterclockwise; code 1).",
        returns=("bool", "The answer.")),
    "OrientationResult.right_turn": _doc(
        "Whether the points make a right turn (clockwise; code -1).",
        returns=("bool", "The answer.")),
    "OrientationResult.collinear": _doc(
        "Whether the points are collinear (code 0), as rounding decides.",
        returns=("bool", "The answer.")),
    "OrientationResult.__repr__": _doc(
        "The text form: ``Left turn``, ``Right turn`` or ``Collinear``.",
        returns=("str", "The text form.")),

    # Bbox2 ----------------------------------------------------------------

    "Bbox2": _doc(
        "An axis-parallel bounding box of doubles, xmin, ymin, xmax, ymax.",
        "The one mutable class: ``dilate``, ``scale`` and ``+=`` change the box in place. "
        "The bounds are stored as given, unsorted. Boxes are closed: boxes that touch "
        "overlap."),
    "Bbox2.__init__": _doc(
        "A box from its four bounds, or the empty box.",
        "Without arguments, the empty box (inf, inf, -inf, -inf), neutral for ``+``. "
        "The four bounds are stored as given, even when xmin > xmax.",
        params=[("xmin, ymin, xmax, ymax", "float", "The bounds.")],
        examples=">>> from planara import Bbox2\n"
                 ">>> a = Bbox2(0, 0, 2, 1)\n"
                 ">>> a + Bbox2(1, -1, 3, 0.5)\n"
                 "Bbox2(0.000000, -1.000000, 3.000000, 1.000000)\n"
                 ">>> a.do_overlap(Bbox2(2, 1, 4, 4))\nTrue"),
    "Bbox2.xmin": _coordinate("least x", "box"),
    "Bbox2.ymin": _coordinate("least y", "box"),
    "Bbox2.xmax": _coordinate("greatest x", "box"),
    "Bbox2.ymax": _coordinate("greatest y", "box"),
    "Bbox2.dimension": _doc("The dimension of the box: always 2.", returns=("int", "2.")),
    "Bbox2.min": _doc(
        "A lower bound: xmin for i = 0, ymin for any other i.",
        params=[("i", "int", "The axis; a float is refused.")], returns=("float", "The bound.")),
    "Bbox2.max": _doc(
        "An upper bound: xmax for i = 0, ymax for any other i.",
        params=[("i", "int", "The axis; a float is refused.")], returns=("float", "The bound.")),
    "Bbox2.dilate": _doc(
        "Grow the box, in place, by dist representable doubles on every side.",
        "xmin and ymin move dist doubles down and xmax and ymax dist doubles up "
        "(a negative dist shrinks the box). The one operation of the module that "
        "raises for non-finite values: a bound that is infinite or NaN, or one that "
        "would overflow, raises, and the box keeps all four old bounds.",
        params=[("dist", "int", "How many doubles to move each bound; a float is refused.")],
        raises=[("ValueError", "If a bound is not finite, or dist is -2147483648."),
                ("OverflowError", "If a bound would move beyond the largest double.")],
        examples=">>> from planara import Bbox2\n"
                 ">>> b = Bbox2(0, 0, 1, 1)\n"
                 ">>> b.dilate(1)\n"
                 ">>> b.xmax == 1 + 2 ** -52, b.xmin < 0\n(True, True)"),
    "Bbox2.scale": _doc(
        "Scale the box, in place, about its centre by factor.",
        "Each half-extent is multiplied by factor; a negative factor swaps the bounds.",
        params=[("factor", "float", "The scale factor.")],
        examples=">>> from planara import Bbox2\n"
                 ">>> b = Bbox2(0, 0, 2, 4)\n"
                 ">>> b.scale(0.5)\n"
                 ">>> b\nBbox2(0.500000, 1.000000, 1.500000, 3.000000)"),
    "Bbox2.do_overlap": _doc(
        "Whether the two closed boxes share a point (touching counts).",
        "A NaN bound never separates boxes.",
        params=[("other", "Bbox2", "The other box.")], returns=("bool", "The answer.")),
    "Bbox2.__add__": _doc(
        "``a + b``: a new box, the union of the two.",
        "Each bound is taken from b only where b's is strictly beyond a's, so the "
        "empty box ``Bbox2()`` is neutral.",
        params=[("b", "Bbox2", "The box added.")], returns=("Bbox2", "A new box."),
        raises=[("TypeError", "If b is not a Bbox2.")]),
    "Bbox2.__iadd__": _doc(
        "``a += b``: grow a to the union, in place.",
        "The old object is changed (every other name for it sees the union) and then "
        "``a`` is bound to a new, equal copy.",
        params=[("b", "Bbox2", "The box added.")], returns=("Bbox2", "A copy of the grown box."),
        raises=[("TypeError", "If b is not a Bbox2.")]),
    "Bbox2.__eq__": _eq("Bbox2", "all four bounds equal (a NaN bound makes boxes unequal, "
                        "even a box and itself)."),
    "Bbox2.__ne__": _ne("Bbox2"),
    "Bbox2.__repr__": _repr("Bbox2", "Bbox2(0.000000, 0.000000, 1.000000, 2.500000)"),

    # Direction2 -----------------------------------------------------------

    "Direction2": _doc(
        "A direction of the plane: a vector whose length does not matter.",
        "Its components dx, dy are stored as given, not normalised. Directions are equal "
        "when one is a positive multiple of the other, and ordered by their angle "
        "counterclockwise from the positive x axis, in [0, 2 pi): the only class with "
        "``<``, so ``sorted`` orders directions by angle."),
    "Direction2.__init__": _doc(
        "A direction from two components, a vector, a segment or a ray.",
        "``Direction2(x, y)``, ``Direction2(v)``, ``Direction2(s)`` (from the source to the "
        "target) and ``Direction2(r)`` (the ray's direction).",
        params=[("x, y", "float", "The components dx, dy."),
                ("v", "Vector2", "A vector."),
                ("s", "Segment2", "A segment: the direction target - source."),
                ("r", "Ray2", "A ray: its direction.")],
        examples=">>> from planara import Direction2\n"
                 ">>> Direction2(2, 0) == Direction2(1, 0)\nTrue\n"
                 ">>> sorted([Direction2(0, -1), Direction2(-1, 0)])  # by angle\n"
                 "[Direction2(-1.000000, 0.000000), Direction2(0.000000, -1.000000)]"),
    "Direction2.dx": _coordinate("x component", "direction"),
    "Direction2.dy": _coordinate("y component", "direction"),
    "Direction2.delta": _doc(
        "A component: dx for i = 0, dy for any other i.",
        params=[("i", "int", "The axis, positional only; a float is refused.")],
        returns=("float", "The component.")),
    "Direction2.counterclockwise_in_between": _doc(
        "Whether this direction lies strictly between d1 and d2, turning counterclockwise "
        "from d1.",
        "If d1 and d2 are the same angle, every other direction is between them.",
        params=[("d1", "Direction2", "Where the turn starts."),
                ("d2", "Direction2", "Where it ends.")],
        returns=("bool", "The answer."),
        examples=">>> from planara import Direction2\n"
                 ">>> Direction2(0, 1).counterclockwise_in_between(Direction2(1, 0), "
                 "Direction2(-1, 0))\nTrue"),
    "Direction2.vector": _doc("The vector (dx, dy).", returns=("Vector2", "A new vector.")),
    "Direction2.opposite": _doc("The opposite direction (-dx, -dy).",
                                returns=("Direction2", "A new direction.")),
    "Direction2.__neg__": _doc("``-d``: the same as ``opposite()``.",
                               returns=("Direction2", "A new direction.")),
    "Direction2.__eq__": _eq("Direction2", "the same signs of the components and equal "
                             "cross products, that is one a positive multiple of the other."),
    "Direction2.__ne__": _ne("Direction2"),
    "Direction2.__lt__": _doc(
        "``d < e``: d comes first counterclockwise from the positive x axis.",
        params=[("e", "Direction2", "The direction compared with.")],
        returns=("bool", "The answer.")),
    "Direction2.__gt__": _doc(
        "``d > e``: e comes first counterclockwise from the positive x axis.",
        params=[("e", "Direction2", "The direction compared with.")],
        returns=("bool", "The answer.")),
    "Direction2.__le__": _doc(
        "``d <= e``: d does not come after e.",
        params=[("e", "Direction2", "The direction compared with.")],
        returns=("bool", "The answer.")),
    "Direction2.__ge__": _doc(
        "``d >= e``: d does not come before e.",
        params=[("e", "Direction2", "The direction compared with.")],
        returns=("bool", "The answer.")),
    "Direction2.__repr__": _repr("Direction2", "Direction2(1.000000, -0.500000)"),

    # Line2 ----------------------------------------------------------------

    "Line2": _doc(
        "An oriented line a x + b y + c = 0.",
        "Its direction is (b, -a) and its positive side, where a x + b y + c > 0, is on "
        "the left looking along it. The coefficients are stored as computed, never "
        "normalised; a line with a = b = 0 is degenerate and gives infinities or NaN "
        "rather than errors."),
    "Line2.__init__": _doc(
        "A line from coefficients, two points, a point and a direction or vector, a "
        "segment or a ray.",
        "``Line2(a, b, c)`` keeps the coefficients as given. ``Line2(p, q)`` is the line "
        "through p and then q, directed from p to q (horizontal and vertical lines get "
        "coefficients 0 and +-1). ``Line2(p, d)`` and ``Line2(p, v)`` pass through p in "
        "that direction. ``Line2(s)`` and ``Line2(r)`` are the supporting lines.",
        params=[("a, b, c", "float", "The coefficients."),
                ("p", "Point2", "A point on the line."),
                ("q", "Point2", "A second point, which the line runs towards."),
                ("d", "Direction2", "The line's direction."),
                ("v", "Vector2", "The line's direction, as a vector."),
                ("s", "Segment2", "A segment: its supporting line."),
                ("r", "Ray2", "A ray: its supporting line.")],
        examples=">>> from planara import Line2, Point2\n"
                 ">>> line = Line2(Point2(0, 0), Point2(2, 2))\n"
                 ">>> line\nLine2(a=-2.000000, b=2.000000, c=0.000000)\n"
                 ">>> line.oriented_side(Point2(0, 1)), line.projection(Point2(2, 0))\n"
                 "(1, Point2(1.000000, 1.000000))"),
    "Line2.from_ray": _doc(
        "The supporting line of the ray r: the same as ``Line2(r)``.",
        params=[("r", "Ray2", "The ray.")], returns=("Line2", "A new line.")),
    "Line2.a": _coordinate("coefficient a", "line"),
    "Line2.b": _coordinate("coefficient b", "line"),
    "Line2.c": _coordinate("coefficient c", "line"),
    "Line2.point": _doc(
        "A point of the line, at parameter i.",
        "Consecutive integers give points one direction vector (b, -a) apart.",
        params=[("i", "float", "The parameter.")], returns=("Point2", "A new point.")),
    "Line2.projection": _doc(
        "The orthogonal projection of p onto the line.",
        params=[_POINT], returns=("Point2", "A new point.")),
    "Line2.x_at_y": _doc(
        "The x of the line's point at height y: ``(-b y - c) / a``.",
        "Infinite or NaN for a horizontal line, never an error.",
        params=[("y", "float", "The height.")], returns=("float", "The x coordinate.")),
    "Line2.y_at_x": _doc(
        "The y of the line's point at abscissa x: ``(-a x - c) / b``.",
        "Infinite or NaN for a vertical line, never an error.",
        params=[("x", "float", "The abscissa.")], returns=("float", "The y coordinate.")),
    "Line2.is_degenerate": _degenerate("line", "a = 0 and b = 0."),
    "Line2.is_horizontal": _axis_parallel("line", "horizontal", "a = 0."),
    "Line2.is_vertical": _axis_parallel("line", "vertical", "b = 0."),
    "Line2.oriented_side": _doc(
        "The side of the line p lies on: 1 positive (left), -1 negative (right), 0 on it.",
        "The sign of a p.x + b p.y + c, rounded; NaN gives 0.",
        params=[_POINT], returns=_SIDE),
    "Line2.has_on": _side_test("line", "oriented_side", 0, "on the line"),
    "Line2.has_on_positive_side": _side_test("line", "oriented_side", 1,
                                             "on the positive (left) side"),
    "Line2.has_on_negative_side": _side_test("line", "oriented_side", -1,
                                             "on the negative (right) side"),
    "Line2.to_vector": _doc("A vector along the line: (b, -a).", returns=("Vector2", "A new vector.")),
    "Line2.direction": _doc("The line's direction: (b, -a).",
                            returns=("Direction2", "A new direction.")),
    "Line2.opposite": _doc("The same line, oriented the other way: (-a, -b, -c).",
                           returns=("Line2", "A new line.")),
    "Line2.perpendicular": _doc(
        "The line through p perpendicular to this one, turned counterclockwise from it.",
        params=[_POINT], returns=("Line2", "A new line: (-b, a, b p.x - a p.y).")),
    "Line2.__eq__": _eq("Line2", "the same oriented line, their coefficients positive "
                        "multiples of each other."),
    "Line2.__ne__": _ne("Line2"),
    "Line2.__repr__": _repr("Line2", "Line2(a=1.000000, b=-2.000000, c=0.500000)"),

    # Segment2 -------------------------------------------------------------

    "Segment2": _doc(
        "A segment from a source point to a target point.",
        "Every member of Segment2 takes its arguments by position only."),
    "Segment2.__init__": _doc(
        "The segment from source to target.",
        params=[("source", "Point2", "The first endpoint, positional only."),
                ("target", "Point2", "The second endpoint, positional only.")],
        examples=">>> from planara import Point2, Segment2\n"
                 ">>> s = Segment2(Point2(0, 0), Point2(4, 2))\n"
                 ">>> s.squared_length(), s.has_on(Point2(2, 1))\n(20.0, True)\n"
                 ">>> source, target = s\n>>> target\nPoint2(4.000000, 2.000000)"),
    "Segment2.source": _doc("The source endpoint.", returns=("Point2", "A new point.")),
    "Segment2.target": _doc("The target endpoint.", returns=("Point2", "A new point.")),
    "Segment2.min": _doc("The lexicographically smaller endpoint (by x, then y).",
                         returns=("Point2", "A new point.")),
    "Segment2.max": _doc("The lexicographically larger endpoint (by x, then y).",
                         returns=("Point2", "A new point.")),
    "Segment2.vertex": _vertex("segment", "even i gives the source, odd i the target."),
    "Segment2.point": _vertex("segment", "even i gives the source, odd i the target "
                              "(the same as ``vertex``)."),
    "Segment2.__getitem__": _vertex("segment", "``s[i]`` is ``s.vertex(i)``: even i gives "
                                    "the source, odd i the target."),
    "Segment2.squared_length": _doc("The squared length of the segment.",
                                    returns=("float", "The squared length.")),
    "Segment2.direction": _doc("The direction from the source to the target.",
                               returns=("Direction2", "A new direction.")),
    "Segment2.to_vector": _doc("The vector target - source.", returns=("Vector2", "A new vector.")),
    "Segment2.opposite": _doc("The segment from the target to the source.",
                              returns=("Segment2", "A new segment.")),
    "Segment2.supporting_line": _doc(
        "The line through the source and then the target, as ``Line2(source, target)``.",
        returns=("Line2", "A new line.")),
    "Segment2.is_degenerate": _degenerate("segment", "source and target coincide."),
    "Segment2.is_horizontal": _axis_parallel("segment", "horizontal", "equal y at both ends."),
    "Segment2.is_vertical": _axis_parallel("segment", "vertical", "equal x at both ends."),
    "Segment2.has_on": _doc(
        "Whether p lies on the segment, endpoints included: collinear with it and between "
        "its ends.",
        params=[("p", "Point2", "The point asked about, positional only.")],
        returns=("bool", "The answer.")),
    "Segment2.collinear_has_on": _doc(
        "Whether p, taken to be on the supporting line, lies between the ends.",
        "Only the betweenness is tested, not collinearity.",
        params=[("p", "Point2", "The point asked about, positional only.")],
        returns=("bool", "The answer.")),
    "Segment2.bbox": _bbox("segment", "The box of the two endpoints."),
    "Segment2.__eq__": _eq("Segment2", "the same source and the same target (a segment "
                           "and its opposite are unequal)."),
    "Segment2.__ne__": _ne("Segment2"),
    "Segment2.__repr__": _repr("Segment2", "Segment2((1.000000, 2.000000), (3.000000, 4.500000))"),
    "Segment2.__iter__": _iterate("segment", "source and target"),

    # Ray2 -----------------------------------------------------------------

    "Ray2": _doc(
        "A ray: a source point and every point beyond it in one direction.",
        "It holds its source and a second point; the ray is source + t (second - source) "
        "for t >= 0."),
    "Ray2.__init__": _doc(
        "The ray from p through q, or from p in a direction, along a vector or along a line.",
        "``Ray2(p, d)``, ``Ray2(p, v)`` and ``Ray2(p, l)`` store p plus the direction, the "
        "vector or the line's vector (b, -a) as the second point.",
        params=[("p", "Point2", "The source."),
                ("q", "Point2", "A second point of the ray."),
                ("d", "Direction2", "The ray's direction."),
                ("v", "Vector2", "The ray's direction, as a vector."),
                ("l", "Line2", "A line whose direction the ray takes.")],
        examples=">>> from planara import Point2, Ray2, Vector2\n"
                 ">>> r = Ray2(Point2(1, 1), Vector2(2, 0))\n"
                 ">>> r.point(2.5), r.has_on(Point2(9, 1)), r.has_on(Point2(0, 1))\n"
                 "(Point2(6.000000, 1.000000), True, False)"),
    "Ray2.source": _doc("The source point.", returns=("Point2", "A new point.")),
    "Ray2.point": _doc(
        "The point at parameter i: the source for 0, the stored second point for 1.",
        params=[("i", "float", "The parameter; negative values lie behind the source.")],
        returns=("Point2", "A new point.")),
    "Ray2.direction": _doc("The ray's direction (second point - source, not normalised).",
                           returns=("Direction2", "A new direction.")),
    "Ray2.to_vector": _doc("The vector second point - source.", returns=("Vector2", "A new vector.")),
    "Ray2.supporting_line": _doc(
        "The line through the source and then the second point.",
        returns=("Line2", "A new line.")),
    "Ray2.opposite": _doc("The ray from the same source in the opposite direction.",
                          returns=("Ray2", "A new ray.")),
    "Ray2.is_degenerate": _degenerate("ray", "its two points coincide."),
    "Ray2.is_horizontal": _axis_parallel("ray", "horizontal", "equal y at both points."),
    "Ray2.is_vertical": _axis_parallel("ray", "vertical", "equal x at both points."),
    "Ray2.has_on": _doc(
        "Whether p lies on the ray: the source, or a point in the ray's direction from it.",
        params=[_POINT], returns=("bool", "The answer.")),
    "Ray2.collinear_has_on": _doc(
        "Whether p, taken to be on the supporting line, is not behind the source.",
        "Collinearity is not tested.",
        params=[_POINT], returns=("bool", "The answer.")),
    "Ray2.__eq__": _eq("Ray2", "equal sources and equal directions (the second points "
                       "need not coincide)."),
    "Ray2.__ne__": _ne("Ray2"),
    "Ray2.__repr__": _repr("Ray2", "Ray2(source=(1.000000, 1.000000), "
                           "direction=(3.000000, 4.000000))"),

    # Triangle2 ------------------------------------------------------------

    "Triangle2": _doc(
        "A triangle with vertices p, q, r, in that order.",
        "Counterclockwise vertices make orientation 1 and a positive area; clockwise ones "
        "-1 and a negative area. Triangles are equal up to a rotation of the vertices."),
    "Triangle2.__init__": _doc(
        "The triangle p, q, r.",
        params=[("p, q, r", "Point2", "The vertices 0, 1 and 2.")],
        examples=">>> from planara import Point2, Triangle2\n"
                 ">>> t = Triangle2(Point2(0, 0), Point2(4, 0), Point2(0, 3))\n"
                 ">>> t.area(), t.orientation()\n(6.0, 1)\n"
                 ">>> [t.bounded_side(p) for p in (Point2(1, 1), Point2(2, 0), Point2(5, 5))]\n"
                 "[1, 0, -1]"),
    "Triangle2.vertex": _vertex("triangle", "the vertex i mod 3 (``t.vertex(-1)`` is vertex 2)."),
    "Triangle2.__getitem__": _vertex("triangle", "``t[i]`` is ``t.vertex(i)``, the vertex "
                                     "i mod 3."),
    "Triangle2.is_degenerate": _degenerate("triangle", "its vertices are collinear (as "
                                           "rounding decides)."),
    "Triangle2.orientation": _doc(
        "The orientation of the vertices: 1 counterclockwise, -1 clockwise, 0 collinear.",
        returns=_SIDE),
    "Triangle2.oriented_side": _doc(
        "The oriented side of p: 1 on the positive side, -1 on the negative side, 0 on "
        "the boundary.",
        "The positive side is the inside of a counterclockwise triangle and the outside "
        "of a clockwise one. A point anywhere on the line of a degenerate triangle counts "
        "as on it.",
        params=[_POINT], returns=_SIDE),
    "Triangle2.bounded_side": _doc(
        "Where p lies: 1 inside, 0 on the boundary, -1 outside, whatever the orientation.",
        params=[_POINT], returns=_SIDE),
    "Triangle2.has_on_positive_side": _side_test("triangle", "oriented_side", 1,
                                                 "on the positive side"),
    "Triangle2.has_on_negative_side": _side_test("triangle", "oriented_side", -1,
                                                 "on the negative side"),
    "Triangle2.has_on_boundary": _side_test("triangle", "bounded_side", 0, "on the boundary"),
    "Triangle2.has_on_bounded_side": _side_test("triangle", "bounded_side", 1, "inside"),
    "Triangle2.has_on_unbounded_side": _side_test("triangle", "bounded_side", -1, "outside"),
    "Triangle2.opposite": _doc("The triangle p, r, q: the same points, the other orientation.",
                               returns=("Triangle2", "A new triangle.")),
    "Triangle2.area": _doc("The signed area: positive counterclockwise, negative clockwise.",
                           returns=("float", "The signed area.")),
    "Triangle2.bbox": _bbox("triangle", "The box of the three vertices."),
    "Triangle2.__eq__": _eq("Triangle2", "the same vertices up to a rotation of their order "
                            "(a triangle and its opposite are unequal)."),
    "Triangle2.__ne__": _ne("Triangle2"),
    "Triangle2.__repr__": _repr("Triangle2", "Triangle2((0.000000, 0.000000), "
                                "(1.000000, 0.000000), (0.000000, 1.500000))"),
    "Triangle2.__iter__": _iterate("triangle", "three vertices"),

    # Circle2 --------------------------------------------------------------

    "Circle2": _doc(
        "An oriented circle: a centre, a squared radius and an orientation.",
        "The orientation is 1 (counterclockwise) or -1 (clockwise); the circle through "
        "three collinear points has orientation 0 and an infinite or NaN centre and "
        "radius. The squared radius is stored as given, unchecked. Write the squared "
        "radius as a float: ``Circle2(c, 4)`` takes 4 as the orientation of a point "
        "circle."),
    "Circle2.__init__": _doc(
        "A circle from its centre and squared radius, through three points, from a "
        "diameter, or the point circle at a centre.",
        "``Circle2(center, squared_radius, orientation=1)``; ``Circle2(p, q, r)``, the "
        "circle through three points, oriented as the turn p, q, r; ``Circle2(p, q, "
        "orientation=1)``, the circle with diameter pq; ``Circle2(center, "
        "orientation=1)``, of squared radius 0.\n\n"
        "An orientation argument is normalised: a negative value gives -1 (clockwise), "
        "zero or any positive value 1 (counterclockwise), so 0 and 5 both give a "
        "counterclockwise circle. Overloads are tried first without converting numbers, "
        "so an int second argument is an orientation: ``Circle2(c, 4)`` is a point "
        "circle, ``Circle2(c, 4.0)`` and ``Circle2(c, squared_radius=4)`` have squared "
        "radius 4.",
        params=[("center", "Point2", "The centre."),
                ("squared_radius", "float", "The squared radius, stored unchecked."),
                ("orientation", "int, default 1", "Negative for clockwise, else "
                 "counterclockwise."),
                ("p, q, r", "Point2", "Points on the circle (p and q: the ends of a diameter).")],
        examples=">>> from planara import Circle2, Point2\n"
                 ">>> c = Circle2(Point2(0, 0), Point2(2, 0), Point2(0, 2))\n"
                 ">>> c\nCircle2(center=(1.000000, 1.000000), squared_radius=2.000000)\n"
                 ">>> c.orientation(), c.bounded_side(Point2(1, 1))\n(1, 1)\n"
                 ">>> [Circle2(Point2(0, 0), 1.0, k).orientation() for k in (0, 5, -7)]\n"
                 "[1, 1, -1]"),
    "Circle2.center": _doc("The centre.", returns=("Point2", "A new point.")),
    "Circle2.squared_radius": _doc("The squared radius, as stored.",
                                   returns=("float", "The squared radius.")),
    "Circle2.orientation": _doc(
        "The orientation: 1 counterclockwise, -1 clockwise, 0 for the circle through "
        "three collinear points.",
        returns=_SIDE),
    "Circle2.is_degenerate": _degenerate("circle", "a squared radius of 0."),
    "Circle2.oriented_side": _doc(
        "The oriented side of p: ``bounded_side(p)`` times the orientation.",
        "Inside is the positive side of a counterclockwise circle.",
        params=[_POINT], returns=_SIDE),
    "Circle2.bounded_side": _doc(
        "Where p lies: 1 inside, 0 on the circle, -1 outside.",
        "The squared distance from the centre, rounded, against the squared radius; NaN "
        "gives 0.",
        params=[_POINT], returns=_SIDE),
    "Circle2.has_on_positive_side": _circle_side(
        "on the positive side", "Inside for a counterclockwise circle, outside otherwise."),
    "Circle2.has_on_negative_side": _circle_side(
        "on the negative side", "Outside for a counterclockwise circle, inside otherwise."),
    "Circle2.has_on_boundary": _side_test("circle", "bounded_side", 0, "on the circle"),
    "Circle2.has_on_bounded_side": _side_test("circle", "bounded_side", 1, "inside"),
    "Circle2.has_on_unbounded_side": _side_test("circle", "bounded_side", -1, "outside"),
    "Circle2.opposite": _doc("The same circle, oriented the other way (0 stays 0).",
                             returns=("Circle2", "A new circle.")),
    "Circle2.bbox": _bbox(
        "circle", "Rounded outward (the square root of the squared radius in interval "
        "arithmetic), so the box always contains the circle."),
    "Circle2.__eq__": _eq("Circle2", "the same centre, squared radius and orientation."),
    "Circle2.__ne__": _ne("Circle2"),
    "Circle2.__repr__": _repr("Circle2", "Circle2(center=(1.000000, 1.000000), "
                              "squared_radius=2.000000)"),

    # IsoRectangle2 --------------------------------------------------------

    "IsoRectangle2": _doc(
        "An axis-parallel rectangle, closed, with corners (xmin, ymin) and (xmax, ymax).",
        "Its constructors sort the coordinates (but the one from four points). Its "
        "vertices run counterclockwise from the lower left corner."),
    "IsoRectangle2.__init__": _doc(
        "A rectangle from two opposite corners, from four extreme points, from four "
        "numbers or from a box.",
        "``IsoRectangle2(p, q)``, ``IsoRectangle2(min_x, min_y, max_x, max_y)`` and "
        "``IsoRectangle2(bbox)`` sort the coordinates, so any two opposite corners do. "
        "``IsoRectangle2(left, right, bottom, top)`` takes xmin from left, xmax from right, "
        "ymin from bottom and ymax from top, unsorted.",
        params=[("p, q", "Point2", "Two opposite corners."),
                ("left, right, bottom, top", "Point2", "Points giving xmin, xmax, ymin, ymax."),
                ("min_x, min_y, max_x, max_y", "float", "The corners' coordinates, in any order."),
                ("bbox", "Bbox2", "A box.")],
        examples=">>> from planara import IsoRectangle2, Point2\n"
                 ">>> r = IsoRectangle2(Point2(3, 1), Point2(1, 4))\n"
                 ">>> r\nIsoRectangle2(xmin=1.000000, ymin=1.000000, xmax=3.000000, "
                 "ymax=4.000000)\n"
                 ">>> r.area(), r.bounded_side(Point2(2, 2))\n(6.0, 1)"),
    "IsoRectangle2.vertex": _vertex("rectangle", "0 the lower left corner, then "
                                    "counterclockwise; ``r.vertex(5)`` is ``r.vertex(1)`` "
                                    "and every negative remainder gives the upper left corner."),
    "IsoRectangle2.__getitem__": _vertex("rectangle", "``r[i]`` is ``r.vertex(i)``."),
    "IsoRectangle2.min": _doc("The lower left corner (xmin, ymin).",
                              returns=("Point2", "A new point.")),
    "IsoRectangle2.max": _doc("The upper right corner (xmax, ymax).",
                              returns=("Point2", "A new point.")),
    "IsoRectangle2.xmin": _doc("The least x (a method, unlike Bbox2's property).",
                               returns=("float", "The bound.")),
    "IsoRectangle2.ymin": _doc("The least y (a method).", returns=("float", "The bound.")),
    "IsoRectangle2.xmax": _doc("The greatest x (a method).", returns=("float", "The bound.")),
    "IsoRectangle2.ymax": _doc("The greatest y (a method).", returns=("float", "The bound.")),
    "IsoRectangle2.min_coord": _doc(
        "A lower bound: xmin for i = 0, ymin for any other i.",
        params=[("i", "int", "The axis.")], returns=("float", "The bound.")),
    "IsoRectangle2.max_coord": _doc(
        "An upper bound: xmax for i = 0, ymax for any other i.",
        params=[("i", "int", "The axis.")], returns=("float", "The bound.")),
    "IsoRectangle2.is_degenerate": _degenerate("rectangle", "of no width or no height."),
    "IsoRectangle2.bounded_side": _doc(
        "Where p lies: 1 inside, 0 on the boundary, -1 outside.",
        "Only coordinates are compared, so the answer is exact.",
        params=[_POINT], returns=_SIDE),
    "IsoRectangle2.has_on_boundary": _side_test("rectangle", "bounded_side", 0, "on the boundary"),
    "IsoRectangle2.has_on_bounded_side": _side_test("rectangle", "bounded_side", 1, "inside"),
    "IsoRectangle2.has_on_unbounded_side": _side_test("rectangle", "bounded_side", -1, "outside"),
    "IsoRectangle2.area": _doc("The area, (xmax - xmin) (ymax - ymin).",
                               returns=("float", "The area.")),
    "IsoRectangle2.bbox": _bbox("rectangle", "The box of its corners."),
    "IsoRectangle2.__eq__": _eq("IsoRectangle2", "all four bounds equal."),
    "IsoRectangle2.__ne__": _ne("IsoRectangle2"),
    "IsoRectangle2.__repr__": _repr("IsoRectangle2", "IsoRectangle2(xmin=1.000000, "
                                    "ymin=1.000000, xmax=3.000000, ymax=4.000000)"),
    "IsoRectangle2.__iter__": _iterate("rectangle", "four vertices, counterclockwise from the "
                                       "lower left"),
}
