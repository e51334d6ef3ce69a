// The exact fallback: the Epick kernel's own predicates (see epick.h).
//
// CGAL is used header-only: without GMP its exact number types are its own
// MP_Float (orientations) and a quotient of Boost.Multiprecision integers
// (the other predicates).
#include "array/epick.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <cfenv>

namespace planara::bulk::epick {
namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using P = K::Point_2;

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
    return code(K::Line_2(l.a, l.b, l.c).oriented_side(P(x, y)));
}

int oriented_side(const Triangle &t, double x, double y) {
    const ToNearest nearest;
    return code(triangle(t).oriented_side(P(x, y)));
}

int oriented_side(const Circle &c, double x, double y) {
    const ToNearest nearest;
    return code(circle(c).oriented_side(P(x, y)));
}

int bounded_side(const Triangle &t, double x, double y) {
    const ToNearest nearest;
    return static_cast<int>(triangle(t).bounded_side(P(x, y)));
}

int bounded_side(const Circle &c, double x, double y) {
    const ToNearest nearest;
    return static_cast<int>(circle(c).bounded_side(P(x, y)));
}

bool has_on(const Segment &s, double x, double y) {
    const ToNearest nearest;
    return K::Segment_2(P(s.sx, s.sy), P(s.tx, s.ty)).has_on(P(x, y));
}

// Ray_2::has_on: p == source, or collinear(source, p, second point) and the
// two vectors of equal direction.
bool has_on(const Ray &r, double x, double y, double dx, double dy, double ray_dx, double ray_dy) {
    const ToNearest nearest;
    const P p(x, y), source(r.sx, r.sy);
    return p == source || (K::Collinear_2()(source, p, P(r.qx, r.qy)) &&
                           K::Direction_2(dx, dy) == K::Direction_2(ray_dx, ray_dy));
}

}  // namespace planara::bulk::epick
