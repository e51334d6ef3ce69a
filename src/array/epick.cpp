// The exact fallback: the Epick kernel's own predicates (see epick.h).
//
// CGAL is used header-only, without GMP. Orientations are Epick's own
// functor. For the other predicates Epick's exact stage would use its field
// type, a quotient of Boost.Multiprecision integers, which reads a double
// through a numerator and denominator held as doubles: below about 2^-970 the
// denominator overflows and the conversion throws. Every predicate here needs
// ring operations only, so they run Epick's pipeline (the same functor of the
// same kernel, filtered by the same interval arithmetic) with Epick's exact
// ring type at the end instead, CGAL's MP_Float, the type of its orientations,
// which holds every finite double exactly.
#include "array/epick.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <cfenv>

namespace planara::bulk::epick {
namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using P = K::Point_2;

// Epick's predicate P with Epick's exact ring type.
#define PLANARA_RING_FILTERED(P)                                                       \
    CGAL::Filtered_predicate<K::Exact_kernel_rt::P, K::Approximate_kernel::P, K::C2E_rt, \
                             K::C2F>
using Oriented_side_2 = PLANARA_RING_FILTERED(Oriented_side_2);
using Bounded_side_2 = PLANARA_RING_FILTERED(Bounded_side_2);
using Are_ordered_along_line_2 = PLANARA_RING_FILTERED(Are_ordered_along_line_2);
using Equal_2 = PLANARA_RING_FILTERED(Equal_2);
#undef PLANARA_RING_FILTERED

// Round-to-nearest for the lifetime of the object, then the caller's mode.
class ToNearest {
public:
    ToNearest() : saved_(std::fegetround()) {
        if (saved_ != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    }
    ~ToNearest() {
        if (saved_ != FE_TONEAREST) std::fesetround(saved_);
    }
    ToNearest(const ToNearest &) = delete;
    ToNearest &operator=(const ToNearest &) = delete;

private:
    int saved_;
};

int code(CGAL::Sign s) { return static_cast<int>(s); }

K::Triangle_2 triangle(const Triangle &t) {
    return {P(t.x0, t.y0), P(t.x1, t.y1), P(t.x2, t.y2)};
}

K::Circle_2 circle(const Circle &c) {
    return {P(c.cx, c.cy), c.squared_radius, static_cast<CGAL::Orientation>(c.orientation)};
}

}  // namespace

int orientation(double px, double py, double qx, double qy, double rx, double ry) {
    const ToNearest nearest;
    return code(K::Orientation_2()(P(px, py), P(qx, qy), P(rx, ry)));
}

int oriented_side(const Line &l, double x, double y) {
    const ToNearest nearest;
    return code(Oriented_side_2()(K::Line_2(l.a, l.b, l.c), P(x, y)));
}

int oriented_side(const Triangle &t, double x, double y) {
    const ToNearest nearest;
    return code(Oriented_side_2()(triangle(t), P(x, y)));
}

int oriented_side(const Circle &c, double x, double y) {
    const ToNearest nearest;
    return code(Oriented_side_2()(circle(c), P(x, y)));
}

int bounded_side(const Triangle &t, double x, double y) {
    const ToNearest nearest;
    return static_cast<int>(Bounded_side_2()(triangle(t), P(x, y)));
}

int bounded_side(const Circle &c, double x, double y) {
    const ToNearest nearest;
    return static_cast<int>(Bounded_side_2()(circle(c), P(x, y)));
}

// Segment_2::has_on: the point between the ends along their line.
bool has_on(const Segment &s, double x, double y) {
    const ToNearest nearest;
    return Are_ordered_along_line_2()(P(s.sx, s.sy), P(x, y), P(s.tx, s.ty));
}

// Ray_2::has_on: p == source, or collinear(source, p, second point) and the
// two vectors of equal direction.
bool has_on(const Ray &r, double x, double y, double dx, double dy, double ray_dx, double ray_dy) {
    const ToNearest nearest;
    const P p(x, y), source(r.sx, r.sy);
    return p == source ||
           (K::Collinear_2()(source, p, P(r.qx, r.qy)) &&
            Equal_2()(K::Direction_2(dx, dy), K::Direction_2(ray_dx, ray_dy)));
}

}  // namespace planara::bulk::epick
