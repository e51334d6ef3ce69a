// Rays: a source and a second point; every constructor reduces its arguments
// to these two points.
#include "wrappers/ray2.h"

#include "wrappers/direction2.h"
#include "wrappers/line2.h"
#include "wrappers/point2.h"
#include "wrappers/vector2.h"

namespace {

Ray2 from_direction(const Point2 &p, const Direction2 &d) { return {Ray_2(p.value, d.value)}; }
Ray2 from_vector(const Point2 &p, const Vector2 &v) { return {Ray_2(p.value, v.value)}; }
// The second point is p moved by the line's direction vector (b, -a).
Ray2 from_line(const Point2 &p, const Line2 &l) { return {Ray_2(p.value, l.value)}; }
Point2 source(const Ray2 &r) { return {r.value.source()}; }
// 0 and 1 give the stored points themselves, other parameters source + i * (second - source).
Point2 point(const Ray2 &r, double i) { return {r.value.point(i)}; }
Direction2 direction(const Ray2 &r) { return {r.value.direction()}; }
Vector2 to_vector(const Ray2 &r) { return {r.value.to_vector()}; }
Line2 supporting_line(const Ray2 &r) { return {r.value.supporting_line()}; }
Ray2 opposite(const Ray2 &r) { return {r.value.opposite()}; }
bool is_degenerate(const Ray2 &r) { return r.value.is_degenerate(); }
bool is_horizontal(const Ray2 &r) { return r.value.is_horizontal(); }
bool is_vertical(const Ray2 &r) { return r.value.is_vertical(); }
bool has_on(const Ray2 &r, const Point2 &p) { return r.value.has_on(p.value); }
// Only "not behind the source" is decided; collinearity is assumed.
bool collinear_has_on(const Ray2 &r, const Point2 &p) { return r.value.collinear_has_on(p.value); }
// Equal sources and equal directions; the second points may differ.
bool eq(const Ray2 &r, const Ray2 &t) { return r.value == t.value; }
bool ne(const Ray2 &r, const Ray2 &t) { return r.value != t.value; }
// The direction shown is second point minus source, as stored.
py::str repr(const Ray2 &r) {
    const Point_2 &s = r.value.source();
    const Vector_2 d = r.value.to_vector();
    return planara::render("Ray2(source=(", s.x(), ", ", s.y(), "), direction=(", d.x(), ", ",
                           d.y(), "))");
}

}  // namespace

void register_ray2(py::module_ &m) {
    py::class_<Ray2>(m, "Ray2")
        .def(py::init(&ray2_through), py::arg("p"), py::arg("q"))
        .def(py::init(&from_direction), py::arg("p"), py::arg("d"))
        .def(py::init(&from_vector), py::arg("p"), py::arg("v"))
        .def(py::init(&from_line), py::arg("p"), py::arg("l"))
        .def("source", &source)
        .def("point", &point, py::arg("i"))
        .def("direction", &direction)
        .def("to_vector", &to_vector)
        .def("supporting_line", &supporting_line)
        .def("opposite", &opposite)
        .def("is_degenerate", &is_degenerate)
        .def("is_horizontal", &is_horizontal)
        .def("is_vertical", &is_vertical)
        .def("has_on", &has_on, py::arg("p"))
        .def("collinear_has_on", &collinear_has_on, py::arg("p"))
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__repr__", &repr);
}
