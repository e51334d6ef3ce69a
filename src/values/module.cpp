// Entry point of planara._values: planara_core objects that none of its
// constructors can make, so that a pickled object comes back exactly.
//
// A circle through three collinear points has orientation 0 and a centre and
// squared radius that only that constructor's arithmetic yields; no
// constructor takes them as they are. The objects are planara_core's own
// classes, found through the binding layer's shared type registry.
#include "module/planara.h"
#include "wrappers/circle2.h"

namespace {

// Any orientation code: negative clockwise, 0 collinear, positive counterclockwise.
Circle2 circle(double cx, double cy, double squared_radius, int orientation) {
    const CGAL::Orientation o = orientation < 0   ? CGAL::CLOCKWISE
                                : orientation > 0 ? CGAL::COUNTERCLOCKWISE
                                                  : CGAL::COLLINEAR;
    return {Circle_2(Point_2(cx, cy), squared_radius, o)};
}

}  // namespace

PYBIND11_MODULE(_values, m) {
    py::module_::import("planara_core");
    m.def("circle", &circle, py::arg("cx"), py::arg("cy"), py::arg("squared_radius"),
          py::arg("orientation"));
}
