#pragma once
#include "module/planara.h"
#include "wrappers/point2.h"

struct Segment2 {
    Segment_2 value;
};

// Segment2(p, q); planara.array builds its segments with it too.
inline Segment2 make_segment2(const Point2 &p, const Point2 &q) {
    return {Segment_2(p.value, q.value)};
}
