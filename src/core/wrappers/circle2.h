#pragma once
#include "module/planara.h"
#include "wrappers/point2.h"

#include <CGAL/Bbox_2.h>
#include <CGAL/FPU.h>

struct Circle2 {
    Circle_2 value;
};

// Orientation arguments are plain ints: negative means clockwise, anything else
// (0 and values beyond 1 included) counterclockwise. Only the three-point
// constructor can yield a collinear (0) circle.
inline CGAL::Orientation circle2_turn(int orientation) {
    return orientation < 0 ? CGAL::CLOCKWISE : CGAL::COUNTERCLOCKWISE;
}

// Circle2(center, squared_radius, orientation) and Circle2(p, q, r), the circle
// through three points; planara.array builds its circles with them too.
inline Circle2 circle2_around(const Point2 &center, double squared_radius, int orientation) {
    return {Circle_2(center.value, squared_radius, circle2_turn(orientation))};
}
inline Circle2 circle2_through(const Point2 &p, const Point2 &q, const Point2 &r) {
    return {Circle_2(p.value, q.value, r.value)};
}

namespace planara::detail {
// a + b rounded upward; the barriers keep the compiler from folding the sum or
// moving it across a change of rounding mode.
inline double add_up(double a, double b) { return CGAL::IA_up(a + CGAL::IA_opacify(b)); }
}  // namespace planara::detail

// Circle2.bbox(): the kernel's outward-rounded box, computed as its interval
// arithmetic does: r is the square root rounded up, upper bounds are c + r
// rounded up and lower bounds -((-c) + r) rounded up (signed zeros included).
// The kernel switches the rounding mode around every operation, at some 10 ns
// a switch; here it is switched once and the caller's mode is restored on
// return. planara.array's bounds() uses it too.
inline CGAL::Bbox_2 circle2_bbox(const Circle_2 &c) {
    using planara::detail::add_up;
    const Point_2 &o = c.center();
    CGAL::Protect_FPU_rounding<true> upward(CGAL_FE_UPWARD);
    const double r = CGAL::IA_sqrt_up(c.squared_radius());
    return CGAL::Bbox_2(-add_up(-o.x(), r), -add_up(-o.y(), r), add_up(o.x(), r), add_up(o.y(), r));
}
