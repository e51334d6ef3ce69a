#include "wrappers/point2.h"

#include "wrappers/vector2.h"

namespace {

double x(const Point2 &p) { return p.value.x(); }
double y(const Point2 &p) { return p.value.y(); }
Vector2 sub(const Point2 &p, const Point2 &q) { return {p.value - q.value}; }
Point2 add(const Point2 &p, const Vector2 &v) { return {p.value + v.value}; }
py::str repr(const Point2 &p) {
    return planara::render("Point2(", p.value.x(), ", ", p.value.y(), ")");
}

}  // namespace

void register_point2(py::module_ &m) {
    py::class_<Point2>(m, "Point2")
        .def(py::init(&make_point2))
        .def_property_readonly("x", &x)
        .def_property_readonly("y", &y)
        .def("__sub__", &sub)
        .def("__add__", &add)
        .def("__repr__", &repr);
}
