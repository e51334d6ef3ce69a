#include "wrappers/vector2.h"

namespace {

Vector2 make(double x, double y) { return {Vector_2(x, y)}; }
double x(const Vector2 &v) { return v.value.x(); }
double y(const Vector2 &v) { return v.value.y(); }
Vector2 add(const Vector2 &u, const Vector2 &v) { return {u.value + v.value}; }
// v * s and s * v are the same product, with the vector on the left.
Vector2 scale(const Vector2 &v, double s) { return {v.value * s}; }
py::str repr(const Vector2 &v) {
    return planara::render("Vector2(", v.value.x(), ", ", v.value.y(), ")");
}

}  // namespace

void register_vector2(py::module_ &m) {
    py::class_<Vector2>(m, "Vector2")
        .def(py::init(&make))
        .def_property_readonly("x", &x)
        .def_property_readonly("y", &y)
        .def("__add__", &add)
        .def("__mul__", &scale)
        .def("__rmul__", &scale)
        .def("__repr__", &repr);
}
