// The bounding box of many points: the union of their one-point boxes, taken
// in array order with the box union's own rules.
#pragma once

#include "array/points.h"

namespace planara::bulk {

struct Bounds {
    double xmin, ymin, xmax, ymax;
};

// The union b0 + b1 + ... of the boxes (x, y, x, y) of the traversal's points
// (at least one), each bound of a later box replacing the running one only
// when strictly better, so that ties keep the earlier value (and its zero
// sign) and a NaN bound never replaces nor is replaced. `workers` threads
// share the work; the result does not depend on their number.
Bounds union_of_points(const Traversal<1> &traversal, const PointLayout &points,
                       unsigned workers);

}  // namespace planara::bulk
