#include "wrappers/circle2.h"

#include "wrappers/bbox2.h"
#include "wrappers/point2.h"
#include "wrappers/sides.h"


namespace {

using namespace planara::sides;

Circle2 diametral(const Point2 &p, const Point2 &q, int orientation) {
    return {Circle_2(p.value, q.value, circle2_turn(orientation))};
}
Circle2 point_circle(const Point2 &center, int orientation) {
    return {Circle_2(center.value, circle2_turn(orientation))};
}

Point2 center(const Circle2 &c) { return {c.value.center()}; }
double squared_radius(const Circle2 &c) { return c.value.squared_radius(); }
int orientation(const Circle2 &c) { return planara::result_code(c.value.orientation()); }
bool is_degenerate(const Circle2 &c) { return c.value.is_degenerate(); }
Circle2 opposite(const Circle2 &c) { return {c.value.opposite()}; }
Bbox2 bbox(const Circle2 &c) { return {circle2_bbox(c.value)}; }
bool eq(const Circle2 &c, const Circle2 &d) { return c.value == d.value; }
bool ne(const Circle2 &c, const Circle2 &d) { return c.value != d.value; }
py::str repr(const Circle2 &c) {
    const Point_2 &o = c.value.center();
    return planara::render("Circle2(center=(", o.x(), ", ", o.y(),
                           "), squared_radius=", c.value.squared_radius(), ")");
}

}  // namespace

// Overload order matters: in the no-conversion pass an int second argument
// matches (center, orientation) before it could become a squared radius.
void register_circle2(py::module_ &m) {
    py::class_<Circle2>(m, "Circle2")
        .def(py::init(&circle2_around), py::arg("center"), py::arg("squared_radius"),
             py::arg("orientation") = 1)
        .def(py::init(&circle2_through), py::arg("p"), py::arg("q"), py::arg("r"))
        .def(py::init(&diametral), py::arg("p"), py::arg("q"), py::arg("orientation") = 1)
        .def(py::init(&point_circle), py::arg("center"), py::arg("orientation") = 1)
        .def("center", &center)
        .def("squared_radius", &squared_radius)
        .def("orientation", &orientation)
        .def("is_degenerate", &is_degenerate)
        .def("oriented_side", &oriented_side<Circle2>, py::arg("p"))
        .def("bounded_side", &bounded_side<Circle2>, py::arg("p"))
        .def("has_on_positive_side", &has_on_positive_side<Circle2>, py::arg("p"))
        .def("has_on_negative_side", &has_on_negative_side<Circle2>, py::arg("p"))
        .def("has_on_boundary", &has_on_boundary<Circle2>, py::arg("p"))
        .def("has_on_bounded_side", &has_on_bounded_side<Circle2>, py::arg("p"))
        .def("has_on_unbounded_side", &has_on_unbounded_side<Circle2>, py::arg("p"))
        .def("opposite", &opposite)
        .def("bbox", &bbox)
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__repr__", &repr);
}
