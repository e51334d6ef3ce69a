#pragma once
#include "module/planara.h"

#include <pybind11/typing.h>

struct Point2 {
    Point_2 value;
};

// Point2(x, y); planara.array builds its points with it too.
inline Point2 make_point2(double x, double y) { return {Point_2(x, y)}; }

namespace planara {

// Iterates over vertex(0) .. vertex(n - 1) of a kernel shape as new Point2
// objects. The vertices are copied up front, so the iteration is bounded and
// does not keep the shape alive.
template <class Shape>
py::typing::Iterator<Point2> vertex_iterator(const Shape &shape, int n) {
    py::list vertices;
    for (int i = 0; i < n; ++i) vertices.append(Point2{shape.vertex(i)});
    return py::typing::Iterator<Point2>(py::iter(vertices));
}

}  // namespace planara
