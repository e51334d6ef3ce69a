// Entry point of planara._values: planara_core objects that none of its
// constructors can make, so that a pickled object comes back exactly.
//
// A circle through three collinear points has orientation 0 and a centre and
// squared radius that only that constructor's arithmetic yields; no
// constructor takes them as they are. The objects are planara_core's own
// classes, found through the binding layer's shared type registry.
#include "module/planara.h"
#include "wrappers/circle2.h"

#include <string>

namespace {

// A circle as stored: centre, squared radius and orientation code -1
// (clockwise), 0 (collinear) or 1 (counterclockwise). Nothing else is a
// stored circle, so anything else is refused.
Circle2 circle(double cx, double cy, double squared_radius, int orientation) {
    if (orientation < -1 || orientation > 1) {
        throw py::value_error("orientation must be -1, 0 or 1, not " + std::to_string(orientation));
    }
    return {Circle_2(Point_2(cx, cy), squared_radius, static_cast<CGAL::Orientation>(orientation))};
}

}  // namespace

PYBIND11_MODULE(_values, m) {
    py::module_::import("planara_core");
    // Floats and ints as pickles hold them, never converted.
    m.def("circle", &circle, py::arg("cx").noconvert(), py::arg("cy").noconvert(),
          py::arg("squared_radius").noconvert(), py::arg("orientation").noconvert());
}
