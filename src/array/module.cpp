// Entry point of planara._array, the compiled engine behind planara.array.
//
// Each function takes point arrays that the Python layer has checked and
// broadcast, and a result array to fill; shapes are planara_core objects,
// whose held kernel values are read through the binding layer's shared type
// registry (an object that skipped __init__ is refused as planara_core itself
// refuses it). The values a predicate needs are copied out before the lock is
// released.
//
// With exact set, the predicates answer as CGAL's exact-predicates kernel
// does for the same doubles (exact_predicates.h): the call runs the exact
// kernels on the shape's exact form instead.
#include "array/arrays.h"
#include "array/exact_kernels.h"
#include "array/exact_predicates.h"
#include "array/kernels.h"

#include "module/planara.h"
#include "wrappers/circle2.h"
#include "wrappers/iso_rectangle2.h"
#include "wrappers/line2.h"
#include "wrappers/ray2.h"
#include "wrappers/segment2.h"
#include "wrappers/triangle2.h"

#include <pybind11/stl.h>

namespace {

using namespace planara::bulk;

// The predicates' view of each shape: its defining numbers.
Line params_of(const Line2 &l) { return {l.value.a(), l.value.b(), l.value.c()}; }
Triangle params_of(const Triangle2 &t) {
    const Triangle_2 &v = t.value;
    return {v[0].x(), v[0].y(), v[1].x(), v[1].y(), v[2].x(), v[2].y(),
            planara::result_code(v.orientation())};
}
Circle params_of(const Circle2 &c) {
    const Circle_2 &v = c.value;
    return {v.center().x(), v.center().y(), v.squared_radius(),
            planara::result_code(v.orientation())};
}
IsoRectangle params_of(const IsoRectangle2 &r) {
    const Iso_rectangle_2 &v = r.value;
    return {v.xmin(), v.ymin(), v.xmax(), v.ymax()};
}
Segment params_of(const Segment2 &s) {
    const Segment_2 &v = s.value;
    return {v.source().x(), v.source().y(), v.target().x(), v.target().y()};
}
Ray params_of(const Ray2 &r) {
    const Ray_2 &v = r.value;
    return {v.source().x(), v.source().y(), v.second_point().x(), v.second_point().y()};
}

// Result element types, as numpy's dtype kind and item size.
constexpr char int8 = 'i', boolean = 'b';

// shape.<predicate>(Point2(x, y)) for every point, into out; a shape without
// an exact kernel is exact already.
template <class Wrapper, BlockKernel Kernels::*kernel, char kind,
          BlockKernel ExactKernels::*exact_kernel = nullptr>
void per_point(const Wrapper &shape, const py::array &points, const py::array &out,
               std::size_t threads, bool exact) {
    const auto params = params_of(shape);
    if constexpr (exact_kernel != nullptr) {
        if (exact) {
            const auto exact_params = prepare_exact(params);
            run_elementwise<1>(exact_kernels().*exact_kernel, &exact_params, {points}, out, kind, 1,
                               threads);
            return;
        }
    }
    run_elementwise<1>(kernels().*kernel, &params, {points}, out, kind, 1, threads);
}

// A repeated p and q (the triangles share an edge, as in a side-of-line
// test) are read once and kept in registers; so is a repeated point of a
// distance.
void orientations(const py::array &p, const py::array &q, const py::array &r,
                  const py::array &out, std::size_t threads, bool exact) {
    if (repeats_one_point(p, out) && repeats_one_point(q, out)) {
        const FixedPoint fp = repeated_point(p), fq = repeated_point(q);
        const FixedPair pq{fp.x, fp.y, fq.x, fq.y};
        if (exact) {
            const ExactFixedPair exact_pq = prepare_exact(pq);
            run_elementwise<1>(exact_kernels().orientation_of_fixed_pq, &exact_pq, {r}, out, int8,
                               1, threads);
        } else {
            run_elementwise<1>(kernels().orientation_of_fixed_pq, &pq, {r}, out, int8, 1, threads);
        }
    } else {
        const BlockKernel kernel = exact ? exact_kernels().orientation : kernels().orientation;
        run_elementwise<3>(kernel, nullptr, {p, q, r}, out, int8, 1, threads);
    }
}

void squared_distances(const py::array &p, const py::array &q, const py::array &out,
                       std::size_t threads) {
    constexpr char kind = 'f';
    constexpr std::size_t size = sizeof(double);
    if (repeats_one_point(q, out)) {
        const FixedPoint fq = repeated_point(q);
        run_elementwise<1>(kernels().squared_distance_to_fixed_q, &fq, {p}, out, kind, size, threads);
    } else if (repeats_one_point(p, out)) {
        const FixedPoint fp = repeated_point(p);
        run_elementwise<1>(kernels().squared_distance_from_fixed_p, &fp, {q}, out, kind, size,
                           threads);
    } else {
        run_elementwise<2>(kernels().squared_distance, nullptr, {p, q}, out, kind, size, threads);
    }
}

py::tuple bounding_box(const py::array &points, std::size_t threads) {
    const Bounds b = point_bounds(points, threads);
    return py::make_tuple(b.xmin, b.ymin, b.xmax, b.ymax);
}

}  // namespace

PYBIND11_MODULE(_array, m) {
    // The shapes' types are registered by planara_core.
    py::module_::import("planara_core");
    using K = Kernels;
    const auto shape = py::arg("shape"), points = py::arg("points"), out = py::arg("out"),
               threads = py::arg("threads");

    using E = ExactKernels;
    const auto exact = py::arg("exact") = false;

    m.def("orientation", &orientations, py::arg("p"), py::arg("q"), py::arg("r"), out, threads,
          exact);
    m.def("squared_distance", &squared_distances, py::arg("p"), py::arg("q"), out, threads);
    m.def("oriented_side", &per_point<Line2, &K::line_oriented_side, int8, &E::line_oriented_side>,
          shape, points, out, threads, exact);
    m.def("oriented_side",
          &per_point<Triangle2, &K::triangle_oriented_side, int8, &E::triangle_oriented_side>,
          shape, points, out, threads, exact);
    m.def("oriented_side",
          &per_point<Circle2, &K::circle_oriented_side, int8, &E::circle_oriented_side>, shape,
          points, out, threads, exact);
    m.def("bounded_side",
          &per_point<Triangle2, &K::triangle_bounded_side, int8, &E::triangle_bounded_side>,
          shape, points, out, threads, exact);
    m.def("bounded_side",
          &per_point<Circle2, &K::circle_bounded_side, int8, &E::circle_bounded_side>, shape,
          points, out, threads, exact);
    m.def("bounded_side", &per_point<IsoRectangle2, &K::iso_rectangle_bounded_side, int8>, shape,
          points, out, threads, exact);
    m.def("has_on", &per_point<Line2, &K::line_has_on, boolean, &E::line_has_on>, shape, points,
          out, threads, exact);
    m.def("has_on", &per_point<Segment2, &K::segment_has_on, boolean, &E::segment_has_on>, shape,
          points, out, threads, exact);
    m.def("has_on", &per_point<Ray2, &K::ray_has_on, boolean, &E::ray_has_on>, shape, points, out,
          threads, exact);
    m.def("bbox", &bounding_box, points, threads);

    // For tests and benchmarks: the workers a call would get and the parts
    // they share, and the instruction sets of the kernels.
    m.def("worker_count", &worker_count, py::arg("size"), threads);
    m.def("part_count", &part_count, py::arg("size"), py::arg("workers"));
    m.def("instruction_sets", &instruction_sets);
    m.def("instruction_set", &instruction_set);
    m.def("select_instruction_set", &select_instruction_set, py::arg("name"));
}
