// The reach of a shape: a box outside which no point that is not wild can lie
// inside the shape or on its boundary, as the predicates evaluate it in
// floating point (in any rounding mode) and also exactly. Every box is widened
// outward by two units in the last place after it is computed, so that the
// rounding of its own arithmetic cannot shrink it.
#include "array/locate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace planara::bulk {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
// A rounding error bound relative to the exact result, in any rounding mode.
constexpr double unit = 0x1p-52;

double below(double v) { return std::nextafter(std::nextafter(v, -infinity), -infinity); }
double above(double v) { return std::nextafter(std::nextafter(v, infinity), infinity); }

Reach box(double x0, double y0, double x1, double y1, double margin) {
    return {Reach::bounded, {below(x0 - margin), below(y0 - margin), above(x1 + margin), above(y1 + margin)}};
}

constexpr Reach everywhere{Reach::everywhere, {-infinity, -infinity, infinity, infinity}};
constexpr Reach nowhere{Reach::nowhere, {}};

// The closed range of the bounds lo and hi in either order, NaN bounds left
// out; false if both are NaN.
bool span(double lo, double hi, double &from, double &to) {
    if (std::isnan(lo) && std::isnan(hi)) return false;
    from = std::isnan(lo) ? hi : std::isnan(hi) ? lo : std::min(lo, hi);
    to = std::isnan(lo) ? hi : std::isnan(hi) ? lo : std::max(lo, hi);
    return true;
}

// Triangles whose numbers stay within these limits and whose angles are not
// too close to 0 or pi have a box reach (see below); the others are evaluated
// against every point.
constexpr double coordinate_limit = 0x1p450;
constexpr double min_component = 0x1p-450;  // of a non-zero edge vector component
constexpr double min_extent = 0x1p-400;     // width plus height
constexpr double min_sine = 0x1p-16;        // of every angle

}  // namespace

// Comparisons only: a point is inside or on the boundary only if each
// coordinate equals a bound or lies strictly between the two; a NaN bound
// compares false, so only the other bound can be met; two NaN bounds never.
Reach reach_of(const IsoRectangle &r) {
    double x0, x1, y0, y1;
    if (!span(r.xmin, r.xmax, x0, x1) || !span(r.ymin, r.ymax, y0, y1)) return nowhere;
    return {Reach::bounded, {x0, y0, x1, y1}};
}

// The side is compare(r2, (cx - x)^2 + (cy - y)^2), each operation rounded.
// w is a double with w > sqrt(r2) and fl(w * w) > r2 in the current rounding
// mode. For a point with |x - cx| > w, monotone rounding gives |fl(cx - x)| >= w,
// so fl(dx * dx) >= fl(w * w) > r2, and adding fl(dy * dy) >= +0 cannot lower
// the sum: the point is outside, in floating point and exactly. A negative r2
// holds no point (the squared distance is at least +0); NaN and infinite
// numbers are evaluated against every point.
Reach reach_of(const Circle &c) {
    const double r2 = c.squared_radius;
    if (!std::isfinite(c.cx) || !std::isfinite(c.cy) || std::isnan(r2) || r2 == infinity) {
        return everywhere;
    }
    if (r2 < 0) return nowhere;
    double w = std::sqrt(r2) * (1 + 0x1p-40) + 0x1p-537;
    while (!(w * w > r2)) w *= 2;
    return box(c.cx - w, c.cy - w, c.cx + w, c.cy + w, 0);
}

// The orientation of a point p against edge k is compare(fl(a * fl(py - yk)),
// fl(fl(px - xk) * b)) with (a, b) = fl(v(k+1) - v(k)). Within the limits above
// nothing overflows and an underflow errs by far less than the margins below,
// so each product is the exact one times (1 + e), |e| <= 2 units, plus a
// relative unit from (a, b): the floating-point orientation is the exact sign
// wherever |det| exceeds some 8 units of |a (py - yk)| + |b (px - xk)|.
//
// - On the boundary: an orientation of 0 and p between the edge's ends in the
//   coordinate that decides (the other coordinate then lies at most some 16
//   units of the edge's extent beyond the edge), so within the box widened by
//   the margin.
// - Inside: all three orientations equal. A point outside the widened box lies
//   outside the triangle at a distance r of at least the margin, in an edge's
//   region (outside one edge line by r) or a vertex's (outside two, the larger
//   by at least r sin(angle / 2)). With every angle's sine at least s and so
//   every edge at least s times the extent D, both the most negative and the
//   most positive of the three determinants exceed their error bound once
//   r >= 8 pi units D / s^2 (the positive one grows with r as the three sum to
//   twice the area): two orientations differ, and the point is outside.
//   The margin D (2^-20 + 256 units / s^2) is beyond that, with room for the
//   rounding of s itself.
// Degenerate and needle-thin triangles have no such bound (a point far along a
// degenerate triangle's line is inside by the kernel's rule): every point is
// evaluated. Exact evaluation holds points inside the triangle only.
Reach reach_of(const Triangle &t) {
    const double x[3] = {t.x0, t.x1, t.x2}, y[3] = {t.y0, t.y1, t.y2};
    double a[3], b[3];
    for (int k = 0; k < 3; ++k) {
        if (!(std::fabs(x[k]) <= coordinate_limit && std::fabs(y[k]) <= coordinate_limit)) {
            return everywhere;
        }
    }
    for (int k = 0; k < 3; ++k) {
        a[k] = x[(k + 1) % 3] - x[k];
        b[k] = y[(k + 1) % 3] - y[k];
        if ((a[k] != 0 && std::fabs(a[k]) < min_component) ||
            (b[k] != 0 && std::fabs(b[k]) < min_component)) {
            return everywhere;
        }
    }
    const double x0 = std::min({x[0], x[1], x[2]}), x1 = std::max({x[0], x[1], x[2]});
    const double y0 = std::min({y[0], y[1], y[2]}), y1 = std::max({y[0], y[1], y[2]});
    const double extent = (x1 - x0) + (y1 - y0);
    if (!(extent >= min_extent)) return everywhere;
    // The sine of the angle at vertex k, between edges k - 1 and k, from
    // below: the cross product less its error bound, over the product of the
    // edges' 1-norms (at least their lengths).
    double sine = infinity;
    for (int k = 0; k < 3; ++k) {
        const int j = (k + 2) % 3;
        const double p = a[j] * b[k], q = b[j] * a[k];
        const double cross = std::fabs(p - q) - 8 * unit * (std::fabs(p) + std::fabs(q));
        const double norms = (std::fabs(a[j]) + std::fabs(b[j])) * (std::fabs(a[k]) + std::fabs(b[k]));
        sine = std::min(sine, cross / norms);
    }
    sine *= 1 - 0x1p-20;
    if (!(sine >= min_sine)) return everywhere;
    return box(x0, y0, x1, y1, extent * (0x1p-20 + 256 * unit / (sine * sine)));
}

Reach reach_of(const AnyShape &s) {
    switch (s.kind) {
        case Kind::triangle: return reach_of(s.triangle);
        case Kind::circle: return reach_of(s.circle);
        case Kind::iso_rectangle: return reach_of(s.iso_rectangle);
        default: return everywhere;
    }
}

}  // namespace planara::bulk
