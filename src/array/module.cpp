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
#include "array/objects.h"
#include "array/shapes.h"

#include <pybind11/stl.h>

namespace {

using namespace planara::bulk;

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

// Each element of an object array of shapes against its point, with the
// plain or the exact kernel.
template <ShapeArrayKernel Kernels::*kernel, ShapeArrayKernel ExactKernels::*exact_kernel,
          char kind, Kind... kinds>
void each_shape(const char *function, const char *argument, const py::array &shapes,
                const py::array &points, const py::array &out, std::size_t threads, bool exact) {
    run_shape_array(exact ? exact_kernels().*exact_kernel : kernels().*kernel, shapes,
                    {kinds_of(kinds...), function, argument}, points, out, kind, 1, threads);
}

void oriented_sides(const py::array &shapes, const py::array &points, const py::array &out,
                    std::size_t threads, bool exact) {
    each_shape<&Kernels::shapes_oriented_side, &ExactKernels::shapes_oriented_side, int8,
               Kind::line, Kind::triangle, Kind::circle>("oriented_side", "shape", shapes, points,
                                                         out, threads, exact);
}
void bounded_sides(const py::array &shapes, const py::array &points, const py::array &out,
                   std::size_t threads, bool exact) {
    each_shape<&Kernels::shapes_bounded_side, &ExactKernels::shapes_bounded_side, int8,
               Kind::triangle, Kind::circle, Kind::iso_rectangle>("bounded_side", "shape", shapes,
                                                                  points, out, threads, exact);
}
void has_ons(const py::array &shapes, const py::array &points, const py::array &out,
             std::size_t threads, bool exact) {
    each_shape<&Kernels::shapes_has_on, &ExactKernels::shapes_has_on, boolean, Kind::line,
               Kind::segment, Kind::ray>("has_on", "obj", shapes, points, out, threads, exact);
}

// Object arrays from point arrays, each element made by its class's constructor.
using Points1 = std::array<py::array, 1>;
using Points2 = std::array<py::array, 2>;
using Points3 = std::array<py::array, 3>;
using NoNumbers = std::array<py::array, 0>;
using XY = const double *;

Point2 point(XY p) { return make_point2(p[0], p[1]); }

void make_points(const py::array &xy, const py::array &out) {
    make_objects(Points1{xy}, NoNumbers{}, out, [](const auto &p, const auto &) {
        return new_object(point(p[0]));
    });
}
void make_segments(const py::array &source, const py::array &target, const py::array &out) {
    make_objects(Points2{source, target}, NoNumbers{}, out, [](const auto &p, const auto &) {
        return new_object(make_segment2(point(p[0]), point(p[1])));
    });
}
void make_rays(const py::array &source, const py::array &second, const py::array &out) {
    make_objects(Points2{source, second}, NoNumbers{}, out, [](const auto &p, const auto &) {
        return new_object(ray2_through(point(p[0]), point(p[1])));
    });
}
void make_lines(const py::array &p, const py::array &q, const py::array &out) {
    make_objects(Points2{p, q}, NoNumbers{}, out, [](const auto &pq, const auto &) {
        return new_object(line2_through(point(pq[0]), point(pq[1])));
    });
}
void make_triangles(const py::array &p, const py::array &q, const py::array &r,
                    const py::array &out) {
    make_objects(Points3{p, q, r}, NoNumbers{}, out, [](const auto &v, const auto &) {
        return new_object(make_triangle2(point(v[0]), point(v[1]), point(v[2])));
    });
}
void make_circles(const py::array &center, const py::array &squared_radius, const py::array &out) {
    make_objects(Points1{center}, std::array<py::array, 1>{squared_radius}, out,
                 [](const auto &c, const auto &r) {
                     return new_object(circle2_around(point(c[0]), r[0], 1));
                 });
}
void make_circumcircles(const py::array &p, const py::array &q, const py::array &r,
                        const py::array &out) {
    make_objects(Points3{p, q, r}, NoNumbers{}, out, [](const auto &v, const auto &) {
        return new_object(circle2_through(point(v[0]), point(v[1]), point(v[2])));
    });
}
void make_iso_rectangles(const py::array &p, const py::array &q, const py::array &out) {
    make_objects(Points2{p, q}, NoNumbers{}, out, [](const auto &v, const auto &) {
        return new_object(make_iso_rectangle2(point(v[0]), point(v[1])));
    });
}

// For tests: each shape's reach, as (kind, x0, y0, x1, y1) with kind 0 for a
// box, 1 everywhere, 2 nowhere.
py::list reaches(const py::array &shapes) {
    static const ShapeRole role{kinds_of(Kind::triangle, Kind::circle, Kind::iso_rectangle),
                                "reach", "shapes"};
    check_object_array(shapes);
    py::list out;
    for (const AnyShape &s : read_shapes(shapes, role)) {
        const Reach r = reach_of(s);
        out.append(py::make_tuple(static_cast<int>(r.kind), r.box.x0, r.box.y0, r.box.x1, r.box.y1));
    }
    return out;
}

py::tuple bounding_box(const py::array &points, std::size_t threads) {
    const Bounds b = point_bounds(points, threads);
    return py::make_tuple(b.xmin, b.ymin, b.xmax, b.ymax);
}

}  // namespace

PYBIND11_MODULE(_array, m) {
    // The shapes' types are registered by planara_core.
    py::module_::import("planara_core");
    find_shape_classes();
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

    // Arrays of shapes, element by element.
    const auto shapes = py::arg("shapes");
    m.def("oriented_side_of_shapes", &oriented_sides, shapes, points, out, threads, exact);
    m.def("bounded_side_of_shapes", &bounded_sides, shapes, points, out, threads, exact);
    m.def("has_on_of_shapes", &has_ons, shapes, points, out, threads, exact);
    m.def("bounds", &shape_bounds, shapes, out);
    m.def("locate", &locate_pairs, shapes, points, py::arg("boundary"), threads, exact);

    // Arrays of objects from arrays of points.
    const auto p = py::arg("p"), q = py::arg("q"), r = py::arg("r");
    m.def("points", &make_points, py::arg("xy"), out);
    m.def("segments", &make_segments, py::arg("source"), py::arg("target"), out);
    m.def("rays", &make_rays, py::arg("source"), py::arg("second_point"), out);
    m.def("lines", &make_lines, p, q, out);
    m.def("triangles", &make_triangles, p, q, r, out);
    m.def("circles", &make_circles, py::arg("center"), py::arg("squared_radius"), out);
    m.def("circumcircles", &make_circumcircles, p, q, r, out);
    m.def("iso_rectangles", &make_iso_rectangles, p, q, out);

    // For tests and benchmarks: the workers a call would get and the parts
    // they share, the instruction sets of the kernels, and the reach of shapes
    // that locate searches by.
    m.def("worker_count", &worker_count, py::arg("size"), threads);
    m.def("part_count", &part_count, py::arg("size"), py::arg("workers"));
    m.def("instruction_sets", &instruction_sets);
    m.def("instruction_set", &instruction_set);
    m.def("select_instruction_set", &select_instruction_set, py::arg("name"));
    m.def("reach", &reaches, shapes);
}
