// Directed segments from a source to a target point. No member takes keywords.
#include "wrappers/segment2.h"

#include "wrappers/bbox2.h"
#include "wrappers/direction2.h"
#include "wrappers/line2.h"
#include "wrappers/point2.h"
#include "wrappers/vector2.h"

namespace {

Point2 source(const Segment2 &s) { return {s.value.source()}; }
Point2 target(const Segment2 &s) { return {s.value.target()}; }
// Lexicographic in (x, y); equal ends give the target as min and the source as max.
Point2 min(const Segment2 &s) { return {(s.value.min)()}; }
Point2 max(const Segment2 &s) { return {(s.value.max)()}; }
// Even indices select the source, odd ones the target; no index is out of range.
Point2 vertex(const Segment2 &s, int i) { return {s.value.vertex(i)}; }
double squared_length(const Segment2 &s) { return s.value.squared_length(); }
Direction2 direction(const Segment2 &s) { return {s.value.direction()}; }
Vector2 to_vector(const Segment2 &s) { return {s.value.to_vector()}; }
Segment2 opposite(const Segment2 &s) { return {s.value.opposite()}; }
Line2 supporting_line(const Segment2 &s) { return {s.value.supporting_line()}; }
bool is_degenerate(const Segment2 &s) { return s.value.is_degenerate(); }
bool is_horizontal(const Segment2 &s) { return s.value.is_horizontal(); }
bool is_vertical(const Segment2 &s) { return s.value.is_vertical(); }
bool has_on(const Segment2 &s, const Point2 &p) { return s.value.has_on(p.value); }
// Betweenness only: a point off the supporting line may still count.
bool collinear_has_on(const Segment2 &s, const Point2 &p) {
    return s.value.collinear_has_on(p.value);
}
Bbox2 bbox(const Segment2 &s) { return {s.value.bbox()}; }
bool eq(const Segment2 &s, const Segment2 &t) { return s.value == t.value; }
bool ne(const Segment2 &s, const Segment2 &t) { return s.value != t.value; }
py::str repr(const Segment2 &s) {
    const Point_2 &p = s.value.source(), &q = s.value.target();
    return planara::render("Segment2((", p.x(), ", ", p.y(), "), (", q.x(), ", ", q.y(), "))");
}
// Iteration and unpacking stop after the two ends; indexing itself never does.
py::typing::Iterator<Point2> iter(const Segment2 &s) {
    return planara::vertex_iterator(s.value, 2);
}

}  // namespace

void register_segment2(py::module_ &m) {
    py::class_<Segment2>(m, "Segment2")
        .def(py::init(&make_segment2))
        .def("source", &source)
        .def("target", &target)
        .def("min", &min)
        .def("max", &max)
        .def("vertex", &vertex)
        .def("point", &vertex)
        .def("__getitem__", &vertex)
        .def("squared_length", &squared_length)
        .def("direction", &direction)
        .def("to_vector", &to_vector)
        .def("opposite", &opposite)
        .def("supporting_line", &supporting_line)
        .def("is_degenerate", &is_degenerate)
        .def("is_horizontal", &is_horizontal)
        .def("is_vertical", &is_vertical)
        .def("has_on", &has_on)
        .def("collinear_has_on", &collinear_has_on)
        .def("bbox", &bbox)
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__repr__", &repr)
        .def("__iter__", &iter);
}
