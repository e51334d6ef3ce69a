#include "wrappers/triangle2.h"

#include "wrappers/bbox2.h"
#include "wrappers/point2.h"
#include "wrappers/sides.h"

namespace {

using namespace planara::sides;

// Any int selects vertex i mod 3 with the remainder in 0..2 (-3 is vertex 0).
// The kernel's own index wrap sends negative multiples of 3 to vertex 2, so
// only the reduced index reaches it.
Point2 vertex(const Triangle2 &t, int i) {
    int k = i % 3;
    if (k < 0) k += 3;
    return {t.value.vertex(k)};
}

bool is_degenerate(const Triangle2 &t) { return t.value.is_degenerate(); }
int orientation(const Triangle2 &t) { return planara::result_code(t.value.orientation()); }
Triangle2 opposite(const Triangle2 &t) { return {t.value.opposite()}; }
double area(const Triangle2 &t) { return t.value.area(); }
Bbox2 bbox(const Triangle2 &t) { return {t.value.bbox()}; }
// Equal up to rotation of the vertex order (not reflection).
bool eq(const Triangle2 &t, const Triangle2 &u) { return t.value == u.value; }
bool ne(const Triangle2 &t, const Triangle2 &u) { return t.value != u.value; }
py::str repr(const Triangle2 &t) {
    const Triangle_2 &v = t.value;
    return planara::render("Triangle2((", v[0].x(), ", ", v[0].y(), "), (", v[1].x(), ", ",
                           v[1].y(), "), (", v[2].x(), ", ", v[2].y(), "))");
}
// Indexing wraps every int, so iteration needs its own bound: the three vertices.
py::typing::Iterator<Point2> iter(const Triangle2 &t) {
    return planara::vertex_iterator(t.value, 3);
}

}  // namespace

void register_triangle2(py::module_ &m) {
    py::class_<Triangle2>(m, "Triangle2")
        .def(py::init(&make_triangle2), py::arg("p"), py::arg("q"), py::arg("r"))
        .def("vertex", &vertex, py::arg("i"))
        .def("__getitem__", &vertex, py::arg("i"))
        .def("is_degenerate", &is_degenerate)
        .def("orientation", &orientation)
        .def("oriented_side", &oriented_side<Triangle2>, py::arg("p"))
        .def("bounded_side", &bounded_side<Triangle2>, py::arg("p"))
        .def("has_on_positive_side", &has_on_positive_side<Triangle2>, py::arg("p"))
        .def("has_on_negative_side", &has_on_negative_side<Triangle2>, py::arg("p"))
        .def("has_on_boundary", &has_on_boundary<Triangle2>, py::arg("p"))
        .def("has_on_bounded_side", &has_on_bounded_side<Triangle2>, py::arg("p"))
        .def("has_on_unbounded_side", &has_on_unbounded_side<Triangle2>, py::arg("p"))
        .def("opposite", &opposite)
        .def("area", &area)
        .def("bbox", &bbox)
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__repr__", &repr)
        .def("__iter__", &iter);
}
