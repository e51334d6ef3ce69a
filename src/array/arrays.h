// The numpy arrays of a bulk call, checked once before any element is
// computed and then described to the loops as plain pointers and strides.
//
// The Python layer hands over point arrays already broadcast to the result's
// leading shape and a result array of that shape; everything that memory
// safety depends on is checked here again, so that a direct call with other
// arrays is refused instead of read out of bounds.
#pragma once

#include "array/bounds.h"
#include "array/locate.h"
#include "array/points.h"
#include "array/shapes.h"
#include "array/workers.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <array>
#include <cstddef>
#include <exception>
#include <type_traits>
#include <vector>

namespace planara::bulk {

namespace py = pybind11;

// The number type of a point array, or TypeError.
PointLayout point_layout(const py::array &points);

// The leading strides of a point array of leading shape `extents`, or ValueError.
std::vector<std::ptrdiff_t> point_strides(const py::array &points,
                                          const std::vector<std::ptrdiff_t> &extents);

// The result array's shape, after checking its type (`kind` and `size` as
// numpy's dtype.kind and itemsize) and that it is writable.
std::vector<std::ptrdiff_t> result_extents(const py::array &out, char kind, std::size_t size);

// Whether a point array fitting `out` repeats one point for all of out's
// elements (of which there is at least one), and that point.
bool repeats_one_point(const py::array &points, const py::array &out);
FixedPoint repeated_point(const py::array &points);

// Point arrays 0 .. K-1 of a traversal of N arrays of leading shape
// `extents`: their layouts, after entering their strides and first elements.
template <std::size_t K, std::size_t N>
std::array<PointLayout, K> take_points(const std::array<py::array, K> &points,
                                       const std::vector<std::ptrdiff_t> &extents,
                                       std::vector<typename Traversal<N>::Strides> &strides,
                                       std::array<char *, N> &bases) {
    std::array<PointLayout, K> layouts{};
    for (std::size_t j = 0; j < K; ++j) {
        layouts[j] = point_layout(points[j]);
        const auto leading = point_strides(points[j], extents);
        for (std::size_t a = 0; a < extents.size(); ++a) strides[a][j] = leading[a];
        bases[j] = static_cast<char *>(const_cast<void *>(points[j].data()));
    }
    return layouts;
}

// The points of one array (any leading shape) in C order.
Traversal<1> point_traversal(const py::array &points);

// Runs f, which touches no Python object, with the interpreter lock released.
// The lock is taken back in plain code, outside any handler or destructor: a
// daemon thread that comes back while the interpreter shuts down is ended
// there by a forced unwind, which has to pass through freely.
template <class F>
auto without_lock(F &&f) {
    if constexpr (std::is_void_v<decltype(f())>) {
        without_lock([&] {
            f();
            return true;
        });
    } else {
        decltype(f()) result{};
        std::exception_ptr failure;
        PyThreadState *state = PyEval_SaveThread();
        try {
            result = f();
        } catch (...) {
            failure = std::current_exception();
        }
        PyEval_RestoreThread(state);
        if (failure) std::rethrow_exception(failure);
        return result;
    }
}

// Runs a block kernel over K point arrays into out, on `threads` workers (0:
// as many as pay off), with the interpreter lock released.
template <std::size_t K>
void run_elementwise(BlockKernel kernel, const void *params,
                     const std::array<py::array, K> &points, const py::array &out, char kind,
                     std::size_t result_size, std::size_t threads) {
    const std::vector<std::ptrdiff_t> extents = result_extents(out, kind, result_size);
    std::vector<typename Traversal<K + 1>::Strides> strides(extents.size());
    std::array<char *, K + 1> bases{};
    const std::array<PointLayout, K> layouts = take_points(points, extents, strides, bases);
    for (std::size_t a = 0; a < extents.size(); ++a) strides[a][K] = out.strides(a);
    bases[K] = static_cast<char *>(const_cast<void *>(out.data()));

    const Traversal<K + 1> traversal(extents, strides, bases);
    const unsigned workers = worker_count(traversal.size(), threads);
    without_lock([&] {
        run_parts(traversal.size(), workers, [&](std::size_t, std::size_t begin, std::size_t end) {
            run_blocks(traversal, layouts, result_size, begin, end,
                       [&](std::size_t count, const double *const *packed, const auto &,
                           void *results) { kernel(params, count, packed, results); });
        });
    });
}

// Runs a shape-array kernel over an object array of shapes (C-contiguous,
// broadcast to out's shape) and a point array fitting out, into out; every
// shape is read and checked first (role: what a refusal says).
void run_shape_array(ShapeArrayKernel kernel, const py::array &objects, const ShapeRole &role,
                     const py::array &points, const py::array &out, char kind,
                     std::size_t result_size, std::size_t threads);

// The pairs (point, shape) of locate: an int64 array of shape (2, k), point
// indices in row 0 and shape indices in row 1, sorted by point and then
// shape, over the C-order elements of both arrays. A pair holds where the
// shape's bounded side of the point is 1, or 0 too with boundary, decided
// as the exact kernel decides it with exact.
py::array_t<std::int64_t> locate_pairs(const py::array &objects, const py::array &points,
                                       bool boundary, std::size_t threads, bool exact);

// The union of the one-point boxes of a non-empty point array.
Bounds point_bounds(const py::array &points, std::size_t threads);

}  // namespace planara::bulk
