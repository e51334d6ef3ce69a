#pragma once
#include "module/planara.h"
#include "wrappers/point2.h"

struct Triangle2 {
    Triangle_2 value;
};

// Triangle2(p, q, r); planara.array builds its triangles with it too.
inline Triangle2 make_triangle2(const Point2 &p, const Point2 &q, const Point2 &r) {
    return {Triangle_2(p.value, q.value, r.value)};
}
