// The module functions squared_distance and orientation, and the answer
// object that orientation returns.
#include "wrappers/orientation_result.h"

#include "wrappers/point2.h"

namespace {

double squared_distance(double x1, double y1, double x2, double y2) {
    return CGAL::squared_distance(Point_2(x1, y1), Point_2(x2, y2));
}

OrientationResult orientation(const Point2 &p1, const Point2 &p2, const Point2 &p3) {
    return {CGAL::orientation(p1.value, p2.value, p3.value)};
}

bool left_turn(const OrientationResult &r) { return r.value == CGAL::LEFT_TURN; }
bool right_turn(const OrientationResult &r) { return r.value == CGAL::RIGHT_TURN; }
bool collinear(const OrientationResult &r) { return r.value == CGAL::COLLINEAR; }
const char *repr(const OrientationResult &r) {
    return left_turn(r) ? "Left turn" : right_turn(r) ? "Right turn" : "Collinear";
}

}  // namespace

void register_squared_distance(py::module_ &m) {
    m.def("squared_distance", &squared_distance, py::arg("x1"), py::arg("y1"), py::arg("x2"),
          py::arg("y2"));
}

// No constructor: instances come only from orientation().
void register_orientation_result(py::module_ &m) {
    py::class_<OrientationResult>(m, "OrientationResult")
        .def("left_turn", &left_turn)
        .def("right_turn", &right_turn)
        .def("collinear", &collinear)
        .def("__repr__", &repr);
}

void register_orientation(py::module_ &m) {
    m.def("orientation", &orientation, "Returns orientation of three Point2 objects", py::arg("p1"),
          py::arg("p2"), py::arg("p3"));
}
