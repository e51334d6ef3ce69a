#include "array/arrays.h"

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

Bounds point_bounds(const py::array &points, std::size_t threads) {
    const PointLayout layout = point_layout(points);
    if (points.ndim() < 1) {
        throw py::value_error("points of shape () do not have a last axis of length 2 (x, y)");
    }
    const std::vector<std::ptrdiff_t> extents(points.shape(), points.shape() + points.ndim() - 1);
    const std::vector<std::ptrdiff_t> leading = point_strides(points, extents);
    std::vector<Traversal<1>::Strides> strides(extents.size());
    for (std::size_t a = 0; a < extents.size(); ++a) strides[a][0] = leading[a];
    const Traversal<1> traversal(extents, strides,
                                 {static_cast<char *>(const_cast<void *>(points.data()))});
    if (traversal.size() == 0) {
        throw py::value_error("the bounding box of no points is undefined");
    }
    const unsigned workers = worker_count(traversal.size(), threads);
    return without_lock([&] { return union_of_points(traversal, layout, workers); });
}

}  // namespace planara::bulk
