#include "array/arrays.h"

#include "array/exact_predicates.h"

#include <atomic>
#include <cstdint>
#include <limits>
#include <string>

namespace planara::bulk {
namespace {

std::string shape_text(const py::array &a) { return py::str(py::tuple(a.attr("shape"))); }

// Native byte order: numpy writes '=' for it, '|' where order does not apply.
bool native_order(const py::dtype &d) {
    const char order = d.byteorder();
    return order == '=' || order == '|';
}

}  // namespace

PointLayout point_layout(const py::array &points) {
    const py::dtype d = points.dtype();
    const char kind = d.kind();
    const auto size = d.itemsize();
    struct Known {
        char kind;
        py::ssize_t size;
        Coordinate type;
    };
    static const Known known[] = {
        {'f', 8, Coordinate::float64}, {'f', 4, Coordinate::float32},
        {'i', 1, Coordinate::int8},    {'i', 2, Coordinate::int16},
        {'i', 4, Coordinate::int32},   {'i', 8, Coordinate::int64},
        {'u', 1, Coordinate::uint8},   {'u', 2, Coordinate::uint16},
        {'u', 4, Coordinate::uint32},  {'u', 8, Coordinate::uint64},
        {'b', 1, Coordinate::boolean},
    };
    if (native_order(d)) {
        for (const Known &k : known) {
            if (k.kind == kind && k.size == size) {
                return {k.type, points.ndim() > 0 ? points.strides(points.ndim() - 1) : 0};
            }
        }
    }
    throw py::type_error("point arrays must hold real numbers in native byte order, not " +
                         std::string(py::str(d)));
}

std::vector<std::ptrdiff_t> point_strides(const py::array &points,
                                          const std::vector<std::ptrdiff_t> &extents) {
    const auto axes = static_cast<py::ssize_t>(extents.size());
    bool fits = points.ndim() == axes + 1 && points.shape(axes) == 2;
    for (py::ssize_t a = 0; fits && a < axes; ++a) fits = points.shape(a) == extents[a];
    if (!fits) {
        throw py::value_error("a point array of shape " + shape_text(points) +
                              " does not hold one point (x, y) per result element");
    }
    std::vector<std::ptrdiff_t> strides(extents.size());
    for (py::ssize_t a = 0; a < axes; ++a) strides[a] = points.strides(a);
    return strides;
}

std::vector<std::ptrdiff_t> result_extents(const py::array &out, char kind, std::size_t size) {
    const py::dtype d = out.dtype();
    if (d.kind() != kind || d.itemsize() != static_cast<py::ssize_t>(size) || !native_order(d)) {
        throw py::type_error("out has the wrong dtype " + std::string(py::str(d)));
    }
    if (!out.writeable()) {
        throw py::value_error("out is not writable");
    }
    return {out.shape(), out.shape() + out.ndim()};
}

bool repeats_one_point(const py::array &points, const py::array &out) {
    const py::ssize_t axes = out.ndim();
    if (out.size() == 0 || points.ndim() != axes + 1) return false;
    for (py::ssize_t a = 0; a < axes; ++a) {
        if (points.shape(a) != out.shape(a) || (points.shape(a) > 1 && points.strides(a) != 0)) {
            return false;
        }
    }
    return points.shape(axes) == 2;
}

FixedPoint repeated_point(const py::array &points) {
    double xy[2];
    load_points(point_layout(points), static_cast<const char *>(points.data()), 0, 1, xy);
    return {xy[0], xy[1]};
}

namespace {

// Shapes that are each asked once (the array of shapes has the result's
// shape): read a block at a time, straight into the kernel, by the workers,
// while the calling thread holds the interpreter lock. The objects are read
// as memory, without a Python call; with the lock held nothing can change or
// free them meanwhile. An element that cannot be read so (a bad one, or a
// rare object that keeps its value elsewhere) stops the run: false, and the
// caller reads the shapes the general way.
bool run_shape_elements(ShapeArrayKernel kernel, const ShapeRole &role,
                        const PointLayout &layout, const Traversal<3> &traversal,
                        std::size_t result_size, std::size_t threads) {
    std::atomic<bool> stopped{false};
    const std::ptrdiff_t step = traversal.inner_strides()[1];
    struct Stop {};
    run_parts(traversal.size(), worker_count(traversal.size(), threads),
              [&](std::size_t, std::size_t begin, std::size_t end) {
        int last = -1;
        try {
            run_blocks(traversal, std::array<PointLayout, 1>{layout}, result_size, begin, end,
                       [&](std::size_t count, const double *const *packed,
                           const std::array<char *, 3> &at, void *results) {
                AnyShape shapes[block_points];
                const auto object = [&](std::size_t i) {
                    return *reinterpret_cast<PyObject *const *>(
                        at[1] + static_cast<std::ptrdiff_t>(i) * step);
                };
                read_ahead(count, last, object, [&](std::size_t i) {
                    if (stopped.load(std::memory_order_relaxed) ||
                        !read_shape(object(i), role.kinds, last, shapes[i])) {
                        stopped.store(true, std::memory_order_relaxed);
                        throw Stop{};
                    }
                });
                kernel(reinterpret_cast<const char *>(shapes), sizeof(AnyShape), count, packed[0],
                       results);
            });
        } catch (const Stop &) {
        }
    });
    return !stopped.load();
}

}  // namespace

void run_shape_array(ShapeArrayKernel kernel, const py::array &objects, const ShapeRole &role,
                     const py::array &points, const py::array &out, char kind,
                     std::size_t result_size, std::size_t threads) {
    check_object_array(objects);
    const std::vector<std::ptrdiff_t> extents = result_extents(out, kind, result_size);
    const PointLayout layout = point_layout(points);
    const std::vector<std::ptrdiff_t> point_steps = point_strides(points, extents);
    const auto traversal_over = [&](const char *shapes, std::ptrdiff_t element_size) {
        const std::vector<std::ptrdiff_t> shape_steps = shape_strides(objects, extents, element_size);
        std::vector<Traversal<3>::Strides> strides(extents.size());
        for (std::size_t a = 0; a < extents.size(); ++a) {
            strides[a] = {point_steps[a], shape_steps[a], out.strides(static_cast<py::ssize_t>(a))};
        }
        return Traversal<3>(extents, strides,
                            {static_cast<char *>(const_cast<void *>(points.data())),
                             const_cast<char *>(shapes),
                             static_cast<char *>(const_cast<void *>(out.data()))});
    };
    if (objects.size() == out.size() &&
        run_shape_elements(kernel, role, layout,
                           traversal_over(static_cast<const char *>(objects.data()), sizeof(PyObject *)),
                           result_size, threads)) {
        return;
    }
    // Shapes asked more than once (broadcast against the points), or one
    // that the workers could not read: read them all first, refusing a bad
    // one, then run without the lock.
    const Shapes shapes = read_shapes(objects, role);
    const Traversal<3> traversal =
        traversal_over(reinterpret_cast<const char *>(shapes.data()), sizeof(AnyShape));
    const unsigned workers = worker_count(traversal.size(), threads);
    const std::ptrdiff_t shape_step = traversal.inner_strides()[1];
    without_lock([&] {
        run_parts(traversal.size(), workers, [&](std::size_t, std::size_t begin, std::size_t end) {
            run_blocks(traversal, std::array<PointLayout, 1>{layout}, result_size, begin, end,
                       [&](std::size_t count, const double *const *packed,
                           const std::array<char *, 3> &at, void *results) {
                           kernel(at[1], shape_step, count, packed[0], results);
                       });
        });
    });
}

namespace {

// Whether a shape whose bounded side of a point is `side` holds the point:
// the side is 1, or 0 too with boundary.
bool holds_at(int side, bool boundary) { return boundary ? side >= 0 : side == 1; }

// Whether shape s holds a point.
struct Holds {
    const Shapes &shapes;
    bool boundary;
    bool operator()(std::uint32_t s, double x, double y) const {
        return holds_at(any_bounded_side(shapes[s], x, y), boundary);
    }
};

// The same decided exactly: each shape prepared for it once per call.
struct ExactShape {
    Kind kind;
    union {
        ExactTriangle triangle;
        ExactCircle circle;
        IsoRectangle iso_rectangle;
    };
};

struct HoldsExactly {
    std::vector<ExactShape> prepared;
    bool boundary;

    HoldsExactly(const Shapes &shapes, bool boundary) : prepared(shapes.size()), boundary(boundary) {
        for (std::size_t s = 0; s < shapes.size(); ++s) {
            ExactShape &e = prepared[s];
            e.kind = shapes[s].kind;
            switch (e.kind) {
                case Kind::triangle: e.triangle = prepare_exact(shapes[s].triangle); break;
                case Kind::circle: e.circle = prepare_exact(shapes[s].circle); break;
                default: e.iso_rectangle = shapes[s].iso_rectangle; break;
            }
        }
    }
    bool operator()(std::uint32_t s, double x, double y) const {
        const ExactShape &e = prepared[s];
        const int side = e.kind == Kind::triangle ? exact_bounded_side(e.triangle, x, y)
                         : e.kind == Kind::circle ? exact_bounded_side(e.circle, x, y)
                                                  : exact_bounded_side(e.iso_rectangle, x, y);
        return holds_at(side, boundary);
    }
};

// The pairs of every part of the points, decided by holds.
template <class Decide>
std::vector<PointMatches> find_pairs(const Shapes &shapes, const Traversal<1> &traversal,
                                     const PointLayout &layout, unsigned workers,
                                     const Decide &holds) {
    const std::size_t size = traversal.size();
    std::vector<PointMatches> found(part_count(size, workers));
    const ShapeIndex index(shapes);
    run_parts(size, workers, [&](std::size_t k, std::size_t begin, std::size_t end) {
        found[k] = locate_points(index, holds, end - begin, [&](auto &&block) {
            for_each_block(traversal, std::array<PointLayout, 1>{layout}, begin, end,
                           [&](std::size_t count, const double *const *packed, const auto &) {
                               block(count, packed[0]);
                           });
        });
        found[k].first_point = begin;
    });
    return found;
}

}  // namespace

py::array_t<std::int64_t> locate_pairs(const py::array &objects, const py::array &points,
                                       bool boundary, std::size_t threads, bool exact) {
    static const ShapeRole role{kinds_of(Kind::triangle, Kind::circle, Kind::iso_rectangle),
                                "locate", "shapes"};
    check_object_array(objects);
    if (static_cast<std::size_t>(objects.size()) > std::numeric_limits<std::uint32_t>::max()) {
        throw py::value_error("locate() takes at most 4294967295 shapes");
    }
    const Shapes shapes = read_shapes(objects, role);
    const PointLayout layout = point_layout(points);
    const Traversal<1> traversal = point_traversal(points);
    const unsigned workers = worker_count(traversal.size(), threads);
    std::vector<PointMatches> found;
    without_lock([&] {
        found = exact ? find_pairs(shapes, traversal, layout, workers, HoldsExactly(shapes, boundary))
                      : find_pairs(shapes, traversal, layout, workers, Holds{shapes, boundary});
    });
    std::size_t pairs = 0;
    for (const PointMatches &f : found) pairs += f.shapes.size();
    py::array_t<std::int64_t> out({std::size_t{2}, pairs});
    std::int64_t *point_row = out.mutable_data(), *shape_row = point_row + pairs;
    without_lock([&] {
        for (PointMatches &f : found) {
            std::size_t at = 0;
            for (std::size_t j = 0; j < f.counts.size(); ++j) {
                for (std::uint32_t c = 0; c < f.counts[j]; ++c, ++at) {
                    *point_row++ = static_cast<std::int64_t>(f.first_point + j);
                    *shape_row++ = f.shapes[at];
                }
            }
            f = PointMatches{};  // gives its memory back as soon as it is copied
        }
    });
    return out;
}

Traversal<1> point_traversal(const py::array &points) {
    if (points.ndim() < 1) {
        throw py::value_error("points of shape () do not have a last axis of length 2 (x, y)");
    }
    const std::vector<std::ptrdiff_t> extents(points.shape(), points.shape() + points.ndim() - 1);
    std::vector<Traversal<1>::Strides> strides(extents.size());
    std::array<char *, 1> base{};
    take_points(std::array<py::array, 1>{points}, extents, strides, base);
    return Traversal<1>(extents, strides, base);
}

Bounds point_bounds(const py::array &points, std::size_t threads) {
    const PointLayout layout = point_layout(points);
    const Traversal<1> traversal = point_traversal(points);
    if (traversal.size() == 0) {
        throw py::value_error("the bounding box of no points is undefined");
    }
    const unsigned workers = worker_count(traversal.size(), threads);
    return without_lock([&] { return union_of_points(traversal, layout, workers); });
}

}  // namespace planara::bulk
