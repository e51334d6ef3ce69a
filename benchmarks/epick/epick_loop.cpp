// Epick's predicates asked once per element in a plain C++ loop over numpy
// arrays of points ((n, 2) float64, contiguous): what C++ code using CGAL
// pays per element, without any Python in the loop.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <cstdint>
#include <stdexcept>

namespace py = pybind11;

namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using Points = py::array_t<double, py::array::c_style | py::array::forcecast>;
using Codes = py::array_t<std::int8_t>;

const double *coordinates(const Points &points, py::ssize_t n) {
    if (points.ndim() != 2 || points.shape(1) != 2 || points.shape(0) != n) {
        throw std::invalid_argument("points must be (n, 2) arrays of one length");
    }
    return points.data();
}

// codes[i] = answer(point i), the loop's only work besides reading points.
template <class Answer>
Codes each_point(const Points &points, Answer answer) {
    const py::ssize_t n = points.ndim() == 2 ? points.shape(0) : 0;
    const double *p = coordinates(points, n);
    Codes codes(n);
    std::int8_t *out = codes.mutable_data();
    for (py::ssize_t i = 0; i < n; ++i) {
        out[i] = static_cast<std::int8_t>(answer(K::Point_2(p[2 * i], p[2 * i + 1])));
    }
    return codes;
}

Codes triangle_bounded_side(const Points &points, double x0, double y0, double x1, double y1,
                            double x2, double y2) {
    const K::Triangle_2 t(K::Point_2(x0, y0), K::Point_2(x1, y1), K::Point_2(x2, y2));
    return each_point(points, [&](const K::Point_2 &p) { return t.bounded_side(p); });
}

Codes circle_bounded_side(const Points &points, double cx, double cy, double squared_radius) {
    const K::Circle_2 c(K::Point_2(cx, cy), squared_radius);
    return each_point(points, [&](const K::Point_2 &p) { return c.bounded_side(p); });
}

Codes orientation(const Points &p, const Points &q, const Points &r) {
    const py::ssize_t n = p.ndim() == 2 ? p.shape(0) : 0;
    const double *a = coordinates(p, n), *b = coordinates(q, n), *c = coordinates(r, n);
    Codes codes(n);
    std::int8_t *out = codes.mutable_data();
    for (py::ssize_t i = 0; i < n; ++i) {
        out[i] = static_cast<std::int8_t>(CGAL::orientation(K::Point_2(a[2 * i], a[2 * i + 1]),
                                                            K::Point_2(b[2 * i], b[2 * i + 1]),
                                                            K::Point_2(c[2 * i], c[2 * i + 1])));
    }
    return codes;
}

}  // namespace

PYBIND11_MODULE(planara_epick_loop, m) {
    m.def("triangle_bounded_side", &triangle_bounded_side);
    m.def("circle_bounded_side", &circle_bounded_side);
    m.def("orientation", &orientation);
#ifdef CGAL_USE_GMP
    m.attr("exact_types") = "GMP";
#else
    m.attr("exact_types") = "CGAL and Boost.Multiprecision";
#endif
}
