// Oriented lines a*x + b*y + c = 0, directed along (b, -a), with the positive
// side on the left.
#include "wrappers/line2.h"

#include "wrappers/direction2.h"
#include "wrappers/point2.h"
#include "wrappers/ray2.h"
#include "wrappers/segment2.h"
#include "wrappers/vector2.h"

namespace {

Line2 make(double a, double b, double c) { return {Line_2(a, b, c)}; }
Line2 from_direction(const Point2 &p, const Direction2 &d) { return {Line_2(p.value, d.value)}; }
Line2 from_vector(const Point2 &p, const Vector2 &v) { return {Line_2(p.value, v.value)}; }
Line2 from_segment(const Segment2 &s) { return {Line_2(s.value)}; }
Line2 from_ray(const Ray2 &r) { return {Line_2(r.value)}; }
double a(const Line2 &l) { return l.value.a(); }
double b(const Line2 &l) { return l.value.b(); }
double c(const Line2 &l) { return l.value.c(); }
Point2 point(const Line2 &l, double i) { return {l.value.point(i)}; }
Point2 projection(const Line2 &l, const Point2 &p) { return {l.value.projection(p.value)}; }
double x_at_y(const Line2 &l, double y) { return l.value.x_at_y(y); }
double y_at_x(const Line2 &l, double x) { return l.value.y_at_x(x); }
bool is_degenerate(const Line2 &l) { return l.value.is_degenerate(); }
bool is_horizontal(const Line2 &l) { return l.value.is_horizontal(); }
bool is_vertical(const Line2 &l) { return l.value.is_vertical(); }
int oriented_side(const Line2 &l, const Point2 &p) {
    return planara::result_code(l.value.oriented_side(p.value));
}
bool has_on(const Line2 &l, const Point2 &p) { return l.value.has_on(p.value); }
bool has_on_positive_side(const Line2 &l, const Point2 &p) {
    return l.value.has_on_positive_side(p.value);
}
bool has_on_negative_side(const Line2 &l, const Point2 &p) {
    return l.value.has_on_negative_side(p.value);
}
Vector2 to_vector(const Line2 &l) { return {l.value.to_vector()}; }
Direction2 direction(const Line2 &l) { return {l.value.direction()}; }
Line2 opposite(const Line2 &l) { return {l.value.opposite()}; }
Line2 perpendicular(const Line2 &l, const Point2 &p) { return {l.value.perpendicular(p.value)}; }
// As for directions, the operands are the held values: a line compared with
// itself is equal by the kernel's identity shortcut.
bool eq(const Line2 &l, const Line2 &k) { return l.value == k.value; }
bool ne(const Line2 &l, const Line2 &k) { return l.value != k.value; }
py::str repr(const Line2 &l) {
    return planara::render("Line2(a=", l.value.a(), ", b=", l.value.b(), ", c=", l.value.c(), ")");
}

}  // namespace

void register_line2(py::module_ &m) {
    py::class_<Line2>(m, "Line2")
        .def(py::init(&make), py::arg("a"), py::arg("b"), py::arg("c"))
        .def(py::init(&line2_through), py::arg("p"), py::arg("q"))
        .def(py::init(&from_direction), py::arg("p"), py::arg("d"))
        .def(py::init(&from_vector), py::arg("p"), py::arg("v"))
        .def(py::init(&from_segment), py::arg("s"))
        .def(py::init(&from_ray), py::arg("r"))
        .def_static("from_ray", &from_ray, py::arg("r"))
        .def_property_readonly("a", &a)
        .def_property_readonly("b", &b)
        .def_property_readonly("c", &c)
        .def("point", &point, py::arg("i"))
        .def("projection", &projection, py::arg("p"))
        .def("x_at_y", &x_at_y, py::arg("y"))
        .def("y_at_x", &y_at_x, py::arg("x"))
        .def("is_degenerate", &is_degenerate)
        .def("is_horizontal", &is_horizontal)
        .def("is_vertical", &is_vertical)
        .def("oriented_side", &oriented_side, py::arg("p"))
        .def("has_on", &has_on, py::arg("p"))
        .def("has_on_positive_side", &has_on_positive_side, py::arg("p"))
        .def("has_on_negative_side", &has_on_negative_side, py::arg("p"))
        .def("to_vector", &to_vector)
        .def("direction", &direction)
        .def("opposite", &opposite)
        .def("perpendicular", &perpendicular, py::arg("p"))
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__repr__", &repr);
}
