#pragma once
#include "module/planara.h"
#include "wrappers/point2.h"

struct IsoRectangle2 {
    Iso_rectangle_2 value;
};

// IsoRectangle2(p, q) from two opposite corners: the constructor sorts each
// coordinate pair with one strict comparison (a pair holding NaN keeps the
// second corner's value as minimum). planara.array builds its rectangles with
// it too.
inline IsoRectangle2 make_iso_rectangle2(const Point2 &p, const Point2 &q) {
    return {Iso_rectangle_2(p.value, q.value)};
}
