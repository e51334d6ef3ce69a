#pragma once
#include "module/planara.h"
#include "wrappers/point2.h"

struct Line2 {
    Line_2 value;
};

// Line2(p, q), directed from p to q; horizontal and vertical lines get exact
// unit coefficients. planara.array builds its lines with it too.
inline Line2 line2_through(const Point2 &p, const Point2 &q) { return {Line_2(p.value, q.value)}; }
