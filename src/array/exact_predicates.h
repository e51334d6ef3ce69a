// Exact predicates: the answers of CGAL's exact-predicates kernel (Epick) for
// the same doubles, at nearly the speed of the plain ones.
//
// A filter decides almost every element: it evaluates the plain kernel's
// expression, with the plain kernel's operations in the plain kernel's order
// (so a decided element gets the plain answer), and a static bound on that
// evaluation's rounding error. Where the value lies farther from zero than the
// bound, its sign is the sign of the exact real expression. The rest go to
// Epick itself (epick.h), except elements with a NaN or infinite input, which
// have no exact answer and get the plain one.
//
// The bound holds in every rounding mode. In any mode a rounded sum,
// difference or product carries a relative error below u = 2^-52 (one unit in
// the last place), or, for a product in the subnormal range, an absolute
// error below 2^-1074. For a difference of two products of rounded
// differences, l - r, that makes the error of the computed value less than
// (3u + 8u^2)(|l| + |r|) + 4 * 2^-1074; for a line's a*x + b*y + c less than
// (2u + 2u^2)(|a*x| + |b*y|) + 3 * 2^-1074. The filter asks for more than
// |value| > 4u * magnitude + 2^-1000 (rounding of the bound itself included),
// and gives up where a result may have overflowed: a bound of 2^900 or more
// (a product beyond 2^951), or coordinates of 2^1022 or more, whose
// differences may overflow (in the directed modes an overflow gives the
// largest double, not infinity). Those elements, rare, go to Epick too.
//
// Like predicates.h, everything here has internal linkage and no branches in
// the filters, so the block loops compiled per instruction set keep them in
// vector registers; the exact answer is the same on every instruction set.
#pragma once

#include "array/epick.h"
#include "array/predicates.h"

#include <cmath>

namespace planara::bulk {
namespace {

// The filter's answer for one element: the plain value, and whether it is
// certainly the exact one (1) or not (0). An int, not a bool: the compiler
// keeps a bool member in memory and then gives up vectorising the loops.
struct Decision {
    int value;
    int certain;
};

namespace filter {

constexpr double relative_error = 0x1p-50;  // 4u
constexpr double underflow_margin = 0x1p-1000;
constexpr double bound_limit = 0x1p900;
constexpr double coordinate_limit = 0x1p1022;

// Whether the computed value has the sign of the exact expression, whose
// evaluation's error is bounded (see above) by magnitude.
inline bool certain_sign(double value, double magnitude) {
    const double bound = magnitude * relative_error + underflow_margin;
    return (std::fabs(value) > bound) & (bound < bound_limit);
}

// Coordinates whose differences cannot overflow; false for NaN and infinity.
inline bool small(double v) { return std::fabs(v) < coordinate_limit; }

inline bool finite(double x, double y) { return std::isfinite(x) & std::isfinite(y); }

// The limit that points' coordinates are held to against a shape: the
// coordinate limit for a finite shape whose coordinates are small, else
// none passes (0).
template <class... Values>
double limit_for(Values... shape_coordinates) {
    return (small(shape_coordinates) & ...) ? coordinate_limit : 0.0;
}

inline bool within(double limit, double x, double y) {
    return (std::fabs(x) < limit) & (std::fabs(y) < limit);
}

// orientation(p, q, r) as the plain predicate computes it, with the bound
// on its products; the caller checks that the differences did not overflow.
inline Decision orientation(double px, double py, double qx, double qy, double rx, double ry) {
    const double l = (qx - px) * (ry - py), r = (rx - px) * (qy - py);
    return {compare(l, r), certain_sign(l - r, std::fabs(l) + std::fabs(r))};
}

}  // namespace filter

// The per-call form of each shape for the exact loops: the plain shape and
// what the filter needs beyond it (see prepare_exact).
struct ExactLine {
    Line line;
    bool finite;
};
struct ExactTriangle {
    Triangle plain;  // orientation as the plain kernel computes it
    Triangle exact;  // the same vertices, orientation decided exactly
    double limit;
    bool finite;
};
struct ExactCircle {
    Circle circle;
    bool finite;
};
struct ExactSegment {
    Segment segment;
    double limit;
    bool finite;
};
struct ExactRay {
    Ray ray;
    double limit;
    bool finite;
};
// An orientation's repeated p and q.
struct ExactFixedPair {
    FixedPair pq;
    double limit;
    bool finite;
};

// Orientation of any three points: the filter, then Epick for finite input,
// else the plain answer.
inline Decision filtered_orientation(double px, double py, double qx, double qy, double rx,
                                     double ry) {
    const Decision d = filter::orientation(px, py, qx, qy, rx, ry);
    const bool in_range = filter::small(px) & filter::small(py) & filter::small(qx) &
                          filter::small(qy) & filter::small(rx) & filter::small(ry);
    const bool certain = d.certain & in_range;
    return {d.value, certain};
}

// The filter's value where it is certain, or where an input is not finite
// (then it is the plain answer); else exact(), Epick's.
template <class Exact>
int settle(const Decision &d, bool finite, Exact &&exact) {
    return (d.certain | !finite) ? d.value : exact();
}

inline int exact_orientation(double px, double py, double qx, double qy, double rx, double ry) {
    return settle(filtered_orientation(px, py, qx, qy, rx, ry),
                  filter::finite(px, py) & filter::finite(qx, qy) & filter::finite(rx, ry),
                  [&] { return epick::orientation(px, py, qx, qy, rx, ry); });
}

inline ExactFixedPair prepare_exact(const FixedPair &f) {
    const bool finite = filter::finite(f.px, f.py) & filter::finite(f.qx, f.qy);
    return {f, filter::limit_for(f.px, f.py, f.qx, f.qy), finite};
}

inline Decision filtered_orientation(const ExactFixedPair &f, double rx, double ry) {
    const Decision d = filter::orientation(f.pq.px, f.pq.py, f.pq.qx, f.pq.qy, rx, ry);
    const bool certain = d.certain & filter::within(f.limit, rx, ry);
    return {d.value, certain};
}

inline int exact_orientation(const ExactFixedPair &f, double rx, double ry) {
    return settle(filtered_orientation(f, rx, ry), f.finite & filter::finite(rx, ry),
                  [&] { return epick::orientation(f.pq.px, f.pq.py, f.pq.qx, f.pq.qy, rx, ry); });
}

// Lines: the sign of (a*x + b*y) + c. No differences, so only products can
// overflow, which the bound catches.
inline ExactLine prepare_exact(const Line &l) {
    const bool finite = std::isfinite(l.a) & std::isfinite(l.b) & std::isfinite(l.c);
    return {l, finite};
}

inline Decision filtered_oriented_side(const ExactLine &e, double x, double y) {
    const double ax = e.line.a * x, by = e.line.b * y;
    const double value = ax + by + e.line.c;
    return {sign(value), filter::certain_sign(value, std::fabs(ax) + std::fabs(by))};
}

inline int exact_oriented_side(const ExactLine &e, double x, double y) {
    return settle(filtered_oriented_side(e, x, y), e.finite & filter::finite(x, y),
                  [&] { return epick::oriented_side(e.line, x, y); });
}

inline Decision filtered_has_on(const ExactLine &e, double x, double y) {
    const Decision d = filtered_oriented_side(e, x, y);
    return {d.value == 0, d.certain};
}

inline bool exact_has_on(const ExactLine &e, double x, double y) {
    return exact_oriented_side(e, x, y) == 0;
}

// Triangles: the three edge orientations, each certain; the triangle's own
// orientation is decided exactly once per call, as Epick decides it per point.
inline ExactTriangle prepare_exact(const Triangle &t) {
    Triangle exact = t;
    exact.orientation = exact_orientation(t.x0, t.y0, t.x1, t.y1, t.x2, t.y2);
    const bool finite =
        filter::finite(t.x0, t.y0) & filter::finite(t.x1, t.y1) & filter::finite(t.x2, t.y2);
    return {t, exact, filter::limit_for(t.x0, t.y0, t.x1, t.y1, t.x2, t.y2), finite};
}

// The edge orientations and whether all three are certain (so none is 0,
// and the point lies on no edge).
inline Decision certain_edges(const ExactTriangle &e, double x, double y, EdgeOrientations &edges) {
    const Triangle &t = e.exact;
    const Decision d1 = filter::orientation(t.x0, t.y0, t.x1, t.y1, x, y);
    const Decision d2 = filter::orientation(t.x1, t.y1, t.x2, t.y2, x, y);
    const Decision d3 = filter::orientation(t.x2, t.y2, t.x0, t.y0, x, y);
    edges = {d1.value, d2.value, d3.value};
    const bool certain = d1.certain & d2.certain & d3.certain & filter::within(e.limit, x, y);
    return {0, certain};
}

inline Decision filtered_oriented_side(const ExactTriangle &e, double x, double y) {
    EdgeOrientations edges;
    const Decision d = certain_edges(e, x, y, edges);
    return {oriented_side(e.exact, edges, false), d.certain};
}

inline Decision filtered_bounded_side(const ExactTriangle &e, double x, double y) {
    EdgeOrientations edges;
    const Decision d = certain_edges(e, x, y, edges);
    return {bounded_side(e.exact, edges, false), d.certain};
}

inline int exact_oriented_side(const ExactTriangle &e, double x, double y) {
    const Decision d = filtered_oriented_side(e, x, y);
    if (d.certain) return d.value;
    if (e.finite & filter::finite(x, y)) return epick::oriented_side(e.exact, x, y);
    return oriented_side(e.plain, x, y);
}

inline int exact_bounded_side(const ExactTriangle &e, double x, double y) {
    const Decision d = filtered_bounded_side(e, x, y);
    if (d.certain) return d.value;
    if (e.finite & filter::finite(x, y)) return epick::bounded_side(e.exact, x, y);
    return bounded_side(e.plain, x, y);
}

// Circles: the squared radius against the squared distance. The distance's
// error is below (4u + 10u^2) times itself (its rounding included), hence
// the magnitude 2d. A difference that overflowed is squared into a distance
// of the largest double or more, which the bound's limit catches.
inline ExactCircle prepare_exact(const Circle &c) {
    const bool finite = filter::finite(c.cx, c.cy) & std::isfinite(c.squared_radius);
    return {c, finite};
}

inline Decision filtered_bounded_side(const ExactCircle &e, double x, double y) {
    const Circle &c = e.circle;
    const double d = squared_distance(c.cx, c.cy, x, y);
    return {compare(c.squared_radius, d), filter::certain_sign(c.squared_radius - d, 2 * d)};
}

inline Decision filtered_oriented_side(const ExactCircle &e, double x, double y) {
    const Decision d = filtered_bounded_side(e, x, y);
    return {d.value * e.circle.orientation, d.certain};
}

inline int exact_bounded_side(const ExactCircle &e, double x, double y) {
    return settle(filtered_bounded_side(e, x, y), e.finite & filter::finite(x, y),
                  [&] { return epick::bounded_side(e.circle, x, y); });
}

inline int exact_oriented_side(const ExactCircle &e, double x, double y) {
    return settle(filtered_oriented_side(e, x, y), e.finite & filter::finite(x, y),
                  [&] { return epick::oriented_side(e.circle, x, y); });
}

// Segments: a point certainly off the supporting line is off the segment.
inline ExactSegment prepare_exact(const Segment &s) {
    const bool finite = filter::finite(s.sx, s.sy) & filter::finite(s.tx, s.ty);
    return {s, filter::limit_for(s.sx, s.sy, s.tx, s.ty), finite};
}

inline Decision filtered_has_on(const ExactSegment &e, double x, double y) {
    const Segment &s = e.segment;
    const Decision d = filter::orientation(s.sx, s.sy, x, y, s.tx, s.ty);
    const bool certain = d.certain & filter::within(e.limit, x, y);
    return {false, certain};
}

inline bool exact_has_on(const ExactSegment &e, double x, double y) {
    if (filtered_has_on(e, x, y).certain) return false;
    if (e.finite & filter::finite(x, y)) return epick::has_on(e.segment, x, y);
    return has_on(e.segment, x, y);
}

// Rays: a point certainly off the supporting line is on the ray only as its
// source.
inline ExactRay prepare_exact(const Ray &r) {
    const bool finite = filter::finite(r.sx, r.sy) & filter::finite(r.qx, r.qy);
    return {r, filter::limit_for(r.sx, r.sy, r.qx, r.qy), finite};
}

inline Decision filtered_has_on(const ExactRay &e, double x, double y) {
    const Ray &r = e.ray;
    const Decision d = filter::orientation(r.sx, r.sy, r.qx, r.qy, x, y);
    const bool at_source = (x == r.sx) & (y == r.sy);
    const bool certain = d.certain & filter::within(e.limit, x, y);
    return {at_source, certain};
}

inline bool exact_has_on(const ExactRay &e, double x, double y) {
    const Decision d = filtered_has_on(e, x, y);
    if (d.certain) return d.value;
    const Ray &r = e.ray;
    if (!(e.finite & filter::finite(x, y))) return has_on(r, x, y);
    // The vectors Epick constructs, in the caller's rounding mode.
    const double dx = x - r.sx, dy = y - r.sy, ray_dx = r.qx - r.sx, ray_dy = r.qy - r.sy;
    if (filter::finite(dx, dy) & filter::finite(ray_dx, ray_dy)) {
        return epick::has_on(r, x, y, dx, dy, ray_dx, ray_dy);
    }
    // A difference beyond the largest double has no rounded vector to compare:
    // the exact vectors decide, which for collinear points have the same
    // direction exactly when their components' signs agree.
    return d.value | ((epick::orientation(r.sx, r.sy, r.qx, r.qy, x, y) == 0) &
                      (compare(x, r.sx) == compare(r.qx, r.sx)) &
                      (compare(y, r.sy) == compare(r.qy, r.sy)));
}

// The plain rectangle test compares coordinates only, and is exact already.
inline IsoRectangle prepare_exact(const IsoRectangle &r) { return r; }
inline int exact_bounded_side(const IsoRectangle &r, double x, double y) {
    return bounded_side(r, x, y);
}

// The scalar exact predicates for one point against one shape's plain
// parameters, for loops over many shapes (each call prepares its shape).
template <class Shape>
int exact_oriented_side(const Shape &s, double x, double y) {
    return exact_oriented_side(prepare_exact(s), x, y);
}
template <class Shape>
int exact_bounded_side(const Shape &s, double x, double y) {
    return exact_bounded_side(prepare_exact(s), x, y);
}
template <class Shape>
bool exact_has_on(const Shape &s, double x, double y) {
    return exact_has_on(prepare_exact(s), x, y);
}

// Any kind of shape, as arrays of shapes hold them.
inline int exact_any_oriented_side(const AnyShape &s, double x, double y) {
    switch (s.kind) {
        case Kind::line: return exact_oriented_side(s.line, x, y);
        case Kind::triangle: return exact_oriented_side(s.triangle, x, y);
        case Kind::circle: return exact_oriented_side(s.circle, x, y);
        default: return 0;
    }
}
inline int exact_any_bounded_side(const AnyShape &s, double x, double y) {
    switch (s.kind) {
        case Kind::triangle: return exact_bounded_side(s.triangle, x, y);
        case Kind::circle: return exact_bounded_side(s.circle, x, y);
        case Kind::iso_rectangle: return exact_bounded_side(s.iso_rectangle, x, y);
        default: return 0;
    }
}
inline bool exact_any_has_on(const AnyShape &s, double x, double y) {
    switch (s.kind) {
        case Kind::line: return exact_has_on(s.line, x, y);
        case Kind::segment: return exact_has_on(s.segment, x, y);
        case Kind::ray: return exact_has_on(s.ray, x, y);
        default: return false;
    }
}

}  // namespace
}  // namespace planara::bulk
