// Directions: vectors whose length does not matter, ordered by the angle they
// make with the positive x axis.
#include "wrappers/direction2.h"

#include "wrappers/ray2.h"
#include "wrappers/segment2.h"
#include "wrappers/vector2.h"

namespace {

Direction2 make(double x, double y) { return {Direction_2(x, y)}; }
Direction2 from_vector(const Vector2 &v) { return {Direction_2(v.value)}; }
Direction2 from_segment(const Segment2 &s) { return {Direction_2(s.value)}; }
Direction2 from_ray(const Ray2 &r) { return {Direction_2(r.value)}; }
double dx(const Direction2 &d) { return d.value.dx(); }
double dy(const Direction2 &d) { return d.value.dy(); }
// 0 selects dx, every other index dy.
double delta(const Direction2 &d, int i) { return d.value.delta(i); }
bool counterclockwise_in_between(const Direction2 &d, const Direction2 &d1, const Direction2 &d2) {
    return d.value.counterclockwise_in_between(d1.value, d2.value);
}
Vector2 vector(const Direction2 &d) { return {d.value.vector()}; }
// The kernel's reversed direction is its unary minus: both sign bits flipped.
Direction2 opposite(const Direction2 &d) { return {-d.value}; }
// The operands are the held values themselves, not copies: the kernel sees an
// object compared with itself as one value and answers equal without reading
// the components (so also for NaN).
bool eq(const Direction2 &d, const Direction2 &e) { return d.value == e.value; }
bool ne(const Direction2 &d, const Direction2 &e) { return d.value != e.value; }
bool lt(const Direction2 &d, const Direction2 &e) { return d.value < e.value; }
bool gt(const Direction2 &d, const Direction2 &e) { return d.value > e.value; }
bool le(const Direction2 &d, const Direction2 &e) { return d.value <= e.value; }
bool ge(const Direction2 &d, const Direction2 &e) { return d.value >= e.value; }
py::str repr(const Direction2 &d) {
    return planara::render("Direction2(", d.value.dx(), ", ", d.value.dy(), ")");
}

}  // namespace

void register_direction2(py::module_ &m) {
    py::class_<Direction2>(m, "Direction2")
        .def(py::init(&make), py::arg("x"), py::arg("y"))
        .def(py::init(&from_vector), py::arg("v"))
        .def(py::init(&from_segment), py::arg("s"))
        .def(py::init(&from_ray), py::arg("r"))
        .def_property_readonly("dx", &dx)
        .def_property_readonly("dy", &dy)
        .def("delta", &delta)
        .def("counterclockwise_in_between", &counterclockwise_in_between, py::arg("d1"),
             py::arg("d2"))
        .def("vector", &vector)
        .def("opposite", &opposite)
        .def("__neg__", &opposite)
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__lt__", &lt)
        .def("__gt__", &gt)
        .def("__le__", &le)
        .def("__ge__", &ge)
        .def("__repr__", &repr);
}
