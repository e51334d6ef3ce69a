// The binding layer's floor: planara_core's benchmarked call shapes with bodies
// that do no geometry, so a call costs what pybind11 itself costs.
//
// The structures carry planara_core's C++ names and are registered in the same
// order, with the same registration calls (factory constructors, overloads in
// the order the module tries them, read-only properties, plain dunder methods).
// pybind11 finds a type by hashing its C++ name in a table shared by every
// module of the process, so equal names in equal order give both modules the
// same lookup costs. For the same reason the two modules cannot share a process:
// the benchmark runs the floor in a process of its own.
#include <pybind11/pybind11.h>

namespace py = pybind11;

struct Point2 {
    double x, y;
};
struct Vector2 {
    double x, y;
};
struct OrientationResult {
    int code;
};
struct Bbox2 {
    double xmin, ymin, xmax, ymax;
};
struct Direction2 {
    double dx, dy;
};
struct Line2 {
    double a, b, c;
};
struct Segment2 {
    Point2 s, t;
};
struct Ray2 {
    Point2 s, q;
};
struct Triangle2 {
    Point2 p, q, r;
};
struct Circle2 {
    Point2 center;
    double squared_radius;
    int orientation;
};
struct IsoRectangle2 {
    Point2 min, max;
};

namespace {

// Point2 and Vector2
Point2 make_point(double x, double y) { return {x, y}; }
Vector2 make_vector(double x, double y) { return {x, y}; }
double x(const Point2 &p) { return p.x; }
Vector2 sub(const Point2 &p, const Point2 &q) { return {p.x, q.y}; }
Point2 add(const Point2 &p, const Vector2 &v) { return {p.x, v.y}; }
// A text of the length of a typical Point2 text form, without number formatting.
py::str repr(const Point2 &) { return py::str("Point2(1.500000, -2.250000)", 27); }
double squared_distance(double x1, double, double, double y2) { return x1 - y2; }
OrientationResult orientation(const Point2 &p, const Point2 &q, const Point2 &) {
    return {p.x < q.x};
}

// Bbox2
Bbox2 make_empty_box() { return {}; }
Bbox2 make_box(double a, double b, double c, double d) { return {a, b, c, d}; }
bool do_overlap(const Bbox2 &a, const Bbox2 &b) { return a.xmin <= b.xmax; }
Bbox2 add_boxes(const Bbox2 &a, const Bbox2 &b) { return {a.xmin, b.ymin, a.xmax, b.ymax}; }

// Line2: the overloads that Line2(p, q) passes before its own
Line2 make_line(double a, double b, double c) { return {a, b, c}; }
Line2 line_through(const Point2 &p, const Point2 &q) { return {p.y, q.x, p.x}; }
int oriented_side(const Line2 &l, const Point2 &p) { return l.a < p.x ? -1 : l.a > p.x; }

// Segment2 and Ray2
Segment2 make_segment(const Point2 &p, const Point2 &q) { return {p, q}; }
bool segment_has_on(const Segment2 &s, const Point2 &p) { return s.s.x == p.x; }
Bbox2 segment_bbox(const Segment2 &s) { return {s.s.x, s.s.y, s.t.x, s.t.y}; }
Ray2 make_ray(const Point2 &p, const Point2 &q) { return {p, q}; }
bool ray_has_on(const Ray2 &r, const Point2 &p) { return r.s.x == p.x; }

// Triangle2, Circle2 (with the overload Circle2(p, q, r) passes first) and IsoRectangle2
Triangle2 make_triangle(const Point2 &p, const Point2 &q, const Point2 &r) { return {p, q, r}; }
int triangle_side(const Triangle2 &t, const Point2 &p) { return t.p.x < p.x ? -1 : t.p.x > p.x; }
double area(const Triangle2 &t) { return t.p.x * t.q.y; }
Circle2 make_circle(const Point2 &c, double s, int o) { return {c, s, o}; }
Circle2 circle_through(const Point2 &p, const Point2 &q, const Point2 &) { return {p, q.x, 1}; }
int circle_side(const Circle2 &c, const Point2 &p) { return c.squared_radius < p.x ? -1 : 1; }
Bbox2 circle_bbox(const Circle2 &c) { return {c.center.x, c.center.y, c.center.x, c.center.y}; }
IsoRectangle2 make_rectangle(const Point2 &p, const Point2 &q) { return {p, q}; }
int rectangle_side(const IsoRectangle2 &r, const Point2 &p) { return r.min.x < p.x ? 1 : -1; }

}  // namespace

PYBIND11_MODULE(planara_floor, m) {
    m.def("squared_distance", &squared_distance, py::arg("x1"), py::arg("y1"), py::arg("x2"),
          py::arg("y2"));
    py::class_<Point2>(m, "Point2")
        .def(py::init(&make_point))
        .def_property_readonly("x", &x)
        .def("__sub__", &sub)
        .def("__add__", &add)
        .def("__repr__", &repr);
    py::class_<Vector2>(m, "Vector2").def(py::init(&make_vector));
    py::class_<OrientationResult>(m, "OrientationResult");
    m.def("orientation", &orientation, py::arg("p1"), py::arg("p2"), py::arg("p3"));
    py::class_<Bbox2>(m, "Bbox2")
        .def(py::init(&make_empty_box))
        .def(py::init(&make_box), py::arg("xmin"), py::arg("ymin"), py::arg("xmax"),
             py::arg("ymax"))
        .def("do_overlap", &do_overlap, py::arg("other"))
        .def("__add__", &add_boxes);
    py::class_<Direction2>(m, "Direction2");
    py::class_<Line2>(m, "Line2")
        .def(py::init(&make_line), py::arg("a"), py::arg("b"), py::arg("c"))
        .def(py::init(&line_through), py::arg("p"), py::arg("q"))
        .def("oriented_side", &oriented_side, py::arg("p"));
    py::class_<Segment2>(m, "Segment2")
        .def(py::init(&make_segment))
        .def("has_on", &segment_has_on)
        .def("bbox", &segment_bbox);
    py::class_<Ray2>(m, "Ray2")
        .def(py::init(&make_ray), py::arg("p"), py::arg("q"))
        .def("has_on", &ray_has_on, py::arg("p"));
    py::class_<Triangle2>(m, "Triangle2")
        .def(py::init(&make_triangle), py::arg("p"), py::arg("q"), py::arg("r"))
        .def("bounded_side", &triangle_side, py::arg("p"))
        .def("area", &area);
    py::class_<Circle2>(m, "Circle2")
        .def(py::init(&make_circle), py::arg("center"), py::arg("squared_radius"),
             py::arg("orientation") = 1)
        .def(py::init(&circle_through), py::arg("p"), py::arg("q"), py::arg("r"))
        .def("bounded_side", &circle_side, py::arg("p"))
        .def("bbox", &circle_bbox);
    py::class_<IsoRectangle2>(m, "IsoRectangle2")
        .def(py::init(&make_rectangle), py::arg("p"), py::arg("q"))
        .def("bounded_side", &rectangle_side, py::arg("p"));
}
