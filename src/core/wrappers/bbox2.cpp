// Bbox2: the axis-parallel box of doubles, the one class whose objects change
// in place (dilate, scale, +=).
#include "wrappers/bbox2.h"

#include "wrappers/bbox2_dilate.h"

#include <climits>
#include <stdexcept>
#include <utility>

namespace {

Bbox2 make_empty() { return {CGAL::Bbox_2()}; }
Bbox2 make(double xmin, double ymin, double xmax, double ymax) {
    return {CGAL::Bbox_2(xmin, ymin, xmax, ymax)};
}
double xmin(const Bbox2 &b) { return b.value.xmin(); }
double ymin(const Bbox2 &b) { return b.value.ymin(); }
double xmax(const Bbox2 &b) { return b.value.xmax(); }
double ymax(const Bbox2 &b) { return b.value.ymax(); }
int dimension(const Bbox2 &b) { return b.value.dimension(); }
// Index 0 is x; every other index is y.
double min_bound(const Bbox2 &b, int i) { return (b.value.min)(i); }
double max_bound(const Bbox2 &b, int i) { return (b.value.max)(i); }

// Grows the box by dist representable doubles on every side. All four bounds
// are computed before any is stored: a failing step leaves the box untouched.
void dilate(Bbox2 &b, int dist) {
    if (dist == INT_MIN) {
        // -dist would overflow.
        throw std::invalid_argument("dist must be greater than -2147483648");
    }
    using planara::advance_doubles;
    const CGAL::Bbox_2 &v = b.value;
    const double x0 = advance_doubles(v.xmin(), -dist);
    const double y0 = advance_doubles(v.ymin(), -dist);
    const double x1 = advance_doubles(v.xmax(), dist);
    const double y1 = advance_doubles(v.ymax(), dist);
    b.value = CGAL::Bbox_2(x0, y0, x1, y1);
}

// Scales [lo, hi] about its centre in exactly this order of operations. There
// is no shortcut for factor 1, so bounds may move in their last bits.
std::pair<double, double> scaled(double lo, double hi, double factor) {
    const double half = ((hi - lo) / 2) * factor;
    const double mid = (hi + lo) / 2;
    return {mid - half, half + mid};
}

void scale(Bbox2 &b, double factor) {
    const auto [x0, x1] = scaled(b.value.xmin(), b.value.xmax(), factor);
    const auto [y0, y1] = scaled(b.value.ymin(), b.value.ymax(), factor);
    b.value = CGAL::Bbox_2(x0, y0, x1, y1);
}

// The boxes are closed: touching boxes overlap, NaN bounds never separate.
bool do_overlap(const Bbox2 &a, const Bbox2 &b) { return CGAL::do_overlap(a.value, b.value); }
// Union: a bound of the argument wins only when strictly better, so ties and
// NaN keep the left operand's bound.
Bbox2 add(const Bbox2 &a, const Bbox2 &b) { return {a.value + b.value}; }
// Enlarges a itself, then hands back a separate copy of the enlarged box.
Bbox2 iadd(Bbox2 &a, const Bbox2 &b) {
    a.value += b.value;
    return a;
}
bool eq(const Bbox2 &a, const Bbox2 &b) { return a.value == b.value; }
bool ne(const Bbox2 &a, const Bbox2 &b) { return a.value != b.value; }
py::str repr(const Bbox2 &b) {
    const CGAL::Bbox_2 &v = b.value;
    return planara::render("Bbox2(", v.xmin(), ", ", v.ymin(), ", ", v.xmax(), ", ", v.ymax(),
                           ")");
}

}  // namespace

void register_bbox2(py::module_ &m) {
    py::class_<Bbox2>(m, "Bbox2")
        .def(py::init(&make_empty))
        .def(py::init(&make), py::arg("xmin"), py::arg("ymin"), py::arg("xmax"), py::arg("ymax"))
        .def_property_readonly("xmin", &xmin)
        .def_property_readonly("ymin", &ymin)
        .def_property_readonly("xmax", &xmax)
        .def_property_readonly("ymax", &ymax)
        .def("dimension", &dimension)
        .def("min", &min_bound, py::arg("i"))
        .def("max", &max_bound, py::arg("i"))
        .def("dilate", &dilate, py::arg("dist"))
        .def("scale", &scale, py::arg("factor"))
        .def("do_overlap", &do_overlap, py::arg("other"))
        .def("__add__", &add)
        .def("__iadd__", &iadd)
        .def("__eq__", &eq)
        .def("__ne__", &ne)
        .def("__repr__", &repr);
}
