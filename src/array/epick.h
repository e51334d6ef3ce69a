// The exact fallback of the bulk engine's exact predicates: CGAL's
// Exact_predicates_inexact_constructions_kernel (Epick), asked the question
// for objects holding the given doubles. Its answer is the sign of the exact
// real expression, decided by its own filters and, where they cannot tell,
// by exact arithmetic.
//
// The inputs must be finite (Epick's exact conversion of a non-finite double
// is not defined). The functions may be called in any rounding mode: they
// run Epick in round-to-nearest, which its static filters assume, and give
// the caller's mode back. They are compiled once, for every processor: an
// exact answer does not depend on the instruction set.
#pragma once

#include "array/predicates.h"

namespace planara::bulk::epick {

// -1, 0 or 1, as the kernel's orientation.
int orientation(double px, double py, double qx, double qy, double rx, double ry);

int oriented_side(const Line &l, double x, double y);
int oriented_side(const Triangle &t, double x, double y);  // its own orientation, exactly
int oriented_side(const Circle &c, double x, double y);
int bounded_side(const Triangle &t, double x, double y);
int bounded_side(const Circle &c, double x, double y);
bool has_on(const Segment &s, double x, double y);

// Ray_2::has_on, whose direction test compares the vectors p - source and
// second point - source as Epick constructs them, in double: the caller
// computes them (in its own rounding mode) and passes them in, finite.
bool has_on(const Ray &r, double x, double y, double dx, double dy, double ray_dx, double ray_dy);

}  // namespace planara::bulk::epick
