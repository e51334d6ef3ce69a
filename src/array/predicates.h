// The kernel's predicates for one point, written without branches so that a
// loop over many points can run in vector registers.
//
// Each function performs the floating-point operations of the kernel's own
// code for Simple_cartesian<double>, in the same order and with the same
// operands (differences, products and one sum, never contracted into a fused
// multiply-add), and combines the IEEE comparisons with the same logic. Only
// the control flow differs: every comparison is evaluated up front (the
// compiler may not move a comparison that could raise a floating-point flag
// out from under a condition) and the outcome selected, which gives the
// kernel's answer bit for bit, NaN, infinities and signed zeros included. The
// tests compare every function with the kernel.
//
// The functions have internal linkage: the kernels are compiled once per
// instruction set, and a shared out-of-line copy compiled for the widest one
// could otherwise end up in the code of another.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace planara::bulk {

// One point repeated for every element, and two.
struct FixedPoint {
    double x, y;
};
struct FixedPair {
    double px, py, qx, qy;
};

struct Line {
    double a, b, c;
};

struct Triangle {
    double x0, y0, x1, y1, x2, y2;
    int orientation;  // of the vertices in order, as the kernel computes it per call
};

struct Circle {
    double cx, cy, squared_radius;
    int orientation;  // -1, 0 (three collinear points) or 1
};

struct IsoRectangle {
    double xmin, ymin, xmax, ymax;  // the stored corners, sorted or not
};

struct Segment {
    double sx, sy, tx, ty;
};

struct Ray {
    double sx, sy, qx, qy;  // the source and the second point
};

// One shape of an array of shapes of any of the classes above.
enum class Kind : unsigned char { line, triangle, circle, iso_rectangle, segment, ray };

struct AnyShape {
    Kind kind;
    union {
        Line line;
        Triangle triangle;
        Circle circle;
        IsoRectangle iso_rectangle;
        Segment segment;
        Ray ray;
    };
};

// A vector of values that are written before they are read: growing it
// leaves the new elements uninitialised instead of zeroing memory that is
// overwritten right after.
template <class T>
struct uninitialised_allocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = uninitialised_allocator<U>;
    };
    template <class U>
    void construct(U *p) noexcept {
        ::new (static_cast<void *>(p)) U;
    }
    template <class U, class... Args>
    void construct(U *p, Args &&...args) {
        ::new (static_cast<void *>(p)) U(std::forward<Args>(args)...);
    }
};

using Shapes = std::vector<AnyShape, uninitialised_allocator<AnyShape>>;

namespace {

// The kernel's three-way comparison: 1 if a > b, -1 if a < b, 0 otherwise
// (equal, or unordered because of a NaN).
inline int compare(double a, double b) { return int(a > b) - int(a < b); }

// The kernel's sign of a double: 0 for zero and NaN.
inline int sign(double v) { return compare(v, 0.0); }

// orientation(p, q, r): the sign of the determinant, found by comparing its
// two products (q - p).x * (r - p).y and (r - p).x * (q - p).y.
inline int orientation(double px, double py, double qx, double qy, double rx, double ry) {
    return compare((qx - px) * (ry - py), (rx - px) * (qy - py));
}

// Whether q lies between p and r, for collinear points: one coordinate
// decides, x whenever p and q differ in it, otherwise y; an undecided
// comparison (equal points or NaN) answers true.
inline bool collinear_are_ordered(double px, double py, double qx, double qy, double rx,
                                  double ry) {
    const bool x_up = px < qx, x_down = qx < px, rx_below = rx < qx, rx_above = qx < rx;
    const bool y_up = py < qy, y_down = qy < py, ry_below = ry < qy, ry_above = qy < ry;
    const bool by_x = x_up | x_down;
    const bool by_y = !by_x & (y_up | y_down);
    const bool x_answer = (x_up & !rx_below) | (!x_up & !rx_above);
    const bool y_answer = (y_up & !ry_below) | (!y_up & !ry_above);
    return (by_x & x_answer) | (by_y & y_answer) | (!by_x & !by_y);
}

// The squared distance between two points: the squares of the coordinate
// differences, added.
inline double squared_distance(double px, double py, double qx, double qy) {
    const double dx = px - qx, dy = py - qy;
    return dx * dx + dy * dy;
}

// The side value (a*x + b*y) + c and its sign.
inline int oriented_side(const Line &l, double x, double y) {
    return sign(l.a * x + l.b * y + l.c);
}
inline bool has_on(const Line &l, double x, double y) { return oriented_side(l, x, y) == 0; }

// Triangles. The edge test needs many comparisons but matters only where an
// edge orientation is 0, so the bulk loops can decide the other points
// without it (see off_edge_side and may_be_on_edge) and the rest in full.
struct EdgeOrientations {
    int o1, o2, o3;  // of p against the edges (v0, v1), (v1, v2), (v2, v0)
};

inline EdgeOrientations edge_orientations(const Triangle &t, double x, double y) {
    return {orientation(t.x0, t.y0, t.x1, t.y1, x, y), orientation(t.x1, t.y1, t.x2, t.y2, x, y),
            orientation(t.x2, t.y2, t.x0, t.y0, x, y)};
}

// p lies on an edge: collinear with it and between its ends.
inline bool on_edge(const Triangle &t, const EdgeOrientations &e, double x, double y) {
    return ((e.o1 == 0) & collinear_are_ordered(t.x0, t.y0, x, y, t.x1, t.y1)) |
           ((e.o2 == 0) & collinear_are_ordered(t.x1, t.y1, x, y, t.x2, t.y2)) |
           ((e.o3 == 0) & collinear_are_ordered(t.x2, t.y2, x, y, t.x0, t.y0));
}

// Only a point with a zero edge orientation can lie on an edge.
inline bool may_be_on_edge(const EdgeOrientations &e) {
    return (e.o1 == 0) | (e.o2 == 0) | (e.o3 == 0);
}

// Oriented side: ot when all three edge orientations equal it; else 0 on an
// edge, else -ot. (Selections are written as arithmetic on the outcomes, which
// compilers keep in vector registers.)
inline int oriented_side(const Triangle &t, const EdgeOrientations &e, bool on_edge) {
    const int ot = t.orientation;
    const bool inside = (e.o1 == ot) & (e.o2 == ot) & (e.o3 == ot);
    return ot * (int(inside) - int(!inside & !on_edge));
}

// Bounded side: 1 when the three edge orientations agree (whatever they are),
// else 0 on an edge, else -1.
inline int bounded_side(const Triangle &, const EdgeOrientations &e, bool on_edge) {
    const bool inside = (e.o2 == e.o1) & (e.o3 == e.o1);
    return int(inside) - int(!inside & !on_edge);
}

inline int oriented_side(const Triangle &t, double x, double y) {
    const EdgeOrientations e = edge_orientations(t, x, y);
    return oriented_side(t, e, on_edge(t, e, x, y));
}

inline int bounded_side(const Triangle &t, double x, double y) {
    const EdgeOrientations e = edge_orientations(t, x, y);
    return bounded_side(t, e, on_edge(t, e, x, y));
}

// The squared radius compared with the squared distance from the centre.
inline int bounded_side(const Circle &c, double x, double y) {
    return compare(c.squared_radius, squared_distance(c.cx, c.cy, x, y));
}
inline int oriented_side(const Circle &c, double x, double y) {
    return bounded_side(c, x, y) * c.orientation;
}

// Strictly between both pairs of bounds: inside; on a bound line within the
// other pair's closed range: boundary; otherwise (NaN included) outside.
inline int bounded_side(const IsoRectangle &r, double x, double y) {
    const bool x_inside = (r.xmin < x) & (x < r.xmax);
    const bool y_inside = (r.ymin < y) & (y < r.ymax);
    const bool y_bound = (y == r.ymin) | (r.ymax == y);
    const bool x_bound = (x == r.xmin) | (r.xmax == x);
    const bool boundary = (x_inside & y_bound) | (x_bound & (y_inside | y_bound));
    const bool inside = x_inside & y_inside;
    return int(inside) - int(!inside & !boundary);
}

// Collinear with the ends and between them, ends included.
inline bool has_on(const Segment &s, double x, double y) {
    return (orientation(s.sx, s.sy, x, y, s.tx, s.ty) == 0) &
           collinear_are_ordered(s.sx, s.sy, x, y, s.tx, s.ty);
}

// The source itself, or collinear with the ray and pointing its way: the
// vector from the source to the point has the direction of the ray's (equal
// component signs, neither cross product larger).
inline bool has_on(const Ray &r, double x, double y) {
    const bool at_source = (x == r.sx) & (y == r.sy);
    const bool collinear = orientation(r.sx, r.sy, r.qx, r.qy, x, y) == 0;
    const double dx1 = x - r.sx, dy1 = y - r.sy;
    const double dx2 = r.qx - r.sx, dy2 = r.qy - r.sy;
    const bool same_direction =
        (sign(dx1) == sign(dx2)) & (sign(dy1) == sign(dy2)) & (compare(dx1 * dy2, dx2 * dy1) == 0);
    return at_source | (collinear & same_direction);
}

// A triangle's side, the edge test only where an edge orientation is 0.
template <int (*side)(const Triangle &, const EdgeOrientations &, bool)>
inline int triangle_side(const Triangle &t, double x, double y) {
    const EdgeOrientations e = edge_orientations(t, x, y);
    return side(t, e, may_be_on_edge(e) && on_edge(t, e, x, y));
}

// The predicates of every kind of shape the functions take; the others were
// refused before any element is computed.
inline int any_oriented_side(const AnyShape &s, double x, double y) {
    switch (s.kind) {
        case Kind::line: return oriented_side(s.line, x, y);
        case Kind::triangle: return triangle_side<&oriented_side>(s.triangle, x, y);
        case Kind::circle: return oriented_side(s.circle, x, y);
        default: return 0;
    }
}
inline int any_bounded_side(const AnyShape &s, double x, double y) {
    switch (s.kind) {
        case Kind::triangle: return triangle_side<&bounded_side>(s.triangle, x, y);
        case Kind::circle: return bounded_side(s.circle, x, y);
        case Kind::iso_rectangle: return bounded_side(s.iso_rectangle, x, y);
        default: return 0;
    }
}
inline bool any_has_on(const AnyShape &s, double x, double y) {
    switch (s.kind) {
        case Kind::line: return has_on(s.line, x, y);
        case Kind::segment: return has_on(s.segment, x, y);
        case Kind::ray: return has_on(s.ray, x, y);
        default: return false;
    }
}

}  // namespace
}  // namespace planara::bulk
