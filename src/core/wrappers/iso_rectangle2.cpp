#include "wrappers/iso_rectangle2.h"

#include "wrappers/bbox2.h"
#include "wrappers/point2.h"
#include "wrappers/sides.h"

namespace {

using namespace planara::sides;

// Extreme points are stored as given, unsorted.
IsoRectangle2 from_extremes(const Point2 &left, const Point2 &right, const Point2 &bottom,
                            const Point2 &top) {
    return {Iso_rectangle_2(left.value, right.value, bottom.value, top.value)};
}
// Numbers and boxes are sorted as the two-corner constructor sorts corners,
// so they go through it as well.
IsoRectangle2 from_bounds(double min_x, double min_y, double max_x, double max_y) {
    return {Iso_rectangle_2(Point_2(min_x, min_y), Point_2(max_x, max_y))};
}
IsoRectangle2 from_bbox(const Bbox2 &b) {
    const CGAL::Bbox_2 &v = b.value;
    return from_bounds(v.xmin(), v.ymin(), v.xmax(), v.ymax());
}

// i % 4 truncates: 0 is the minimum corner, then counterclockwise; 3 and every
// negative remainder give (xmin, ymax).
Point2 vertex(const IsoRectangle2 &r, int i) { return {r.value.vertex(i)}; }
Point2 min(const IsoRectangle2 &r) { return {r.value.min()}; }
Point2 max(const IsoRectangle2 &r) { return {r.value.max()}; }
double xmin(const IsoRectangle2 &r) { return r.value.xmin(); }
double ymin(const IsoRectangle2 &r) { return r.value.ymin(); }
double xmax(const IsoRectangle2 &r) { return r.value.xmax(); }
double ymax(const IsoRectangle2 &r) { return r.value.ymax(); }
double min_coord(const IsoRectangle2 &r, int i) { return r.value.min_coord(i); }
double max_coord(const IsoRectangle2 &r, int i) { return r.value.max_coord(i); }
bool is_degenerate(const IsoRectangle2 &r) { return r.value.is_degenerate(); }
double area(const IsoRectangle2 &r) { return r.value.area(); }
Bbox2 bbox(const IsoRectangle2 &r) { return {r.value.bbox()}; }
bool eq(const IsoRectangle2 &r, const IsoRectangle2 &s) { return r.value == s.value; }
bool ne(const IsoRectangle2 &r, const IsoRectangle2 &s) { return r.value != s.value; }
py::str repr(const IsoRectangle2 &r) {
    const Iso_rectangle_2 &v = r.value;
    return planara::render("IsoRectangle2(xmin=", v.xmin(), ", ymin=", v.ymin(), ", xmax=",
                           v.xmax(), ", ymax=", v.ymax(), ")");
}
// Indexing wraps every int, so iteration needs its own bound: vertices 0 to 3.
py::typing::Iterator<Point2> iter(const IsoRectangle2 &r) {
    return planara::vertex_iterator(r.value, 4);
}

}  // namespace

void register_iso_rectangle2(py::module_ &m) {
    py::class_<IsoRectangle2>(m, "IsoRectangle2")
        .def(py::init(&make_iso_rectangle2), py::arg("p"), py::arg("q"))
        .def(py::init(&from_extremes), py::arg("left"), py::arg("right"), py::arg("bottom"),
             py::arg("top"))
        .def(py::init(&from_bounds), py::arg("min_x"), py::arg("min_y"), py::arg("max_x"),
             py::arg("max_y"))
        .def(py::init(&from_bbox), py::arg("bbox"))
        .def("vertex", &vertex, py::arg("i"))
        .def("__getitem__", &vertex, py::arg("i"))
        .def("min", &min)
        .def("max", &max)
        .def("xmin", &xmin)
        .def("ymin", &ymin)
        .def("xmax", &xmax)
        .def("ymax", &ymax)
        .def("min_coord", &min_coord, py::arg("i"))
        .def("max_coord", &max_coord, py::arg("i"))
        .def("is_degenerate", &is_degenerate)
        .def("bounded_side", &bounded_side<IsoRectangle2>, py::arg("p"))
        .def("has_on_boundary", &has_on_boundary<IsoRectangle2>, py::arg("p"))
        .def("has_on_bounded_side", &has_on_bounded_side<IsoRectangle2>, py::arg("p"))
        .def("has_on_unbounded_side", &has_on_unbounded_side<IsoRectangle2>, py::arg("p"))
        .def("area", &area)
        .def("bbox", &bbox)
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__repr__", &repr)
        .def("__iter__", &iter);
}
