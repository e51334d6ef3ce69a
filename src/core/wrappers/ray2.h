#pragma once
#include "module/planara.h"
#include "wrappers/point2.h"

struct Ray2 {
    Ray_2 value;
};

// Ray2(p, q), from p through q; planara.array builds its rays with it too.
inline Ray2 ray2_through(const Point2 &p, const Point2 &q) { return {Ray_2(p.value, q.value)}; }
