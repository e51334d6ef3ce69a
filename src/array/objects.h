// Numpy object arrays of planara_core objects, made from and read back into
// numbers without a Python loop: each object is made by the very constructor
// its class registers, and read by the very method its class registers.
// Python objects are made and read with the interpreter lock held, so these
// run on the calling thread.
#pragma once

#include "array/arrays.h"

#include <pybind11/numpy.h>

#include <array>
#include <cstddef>
#include <utility>

namespace planara::bulk {

// A new Python object holding value, of its planara_core class: what the
// binding layer does to return a new object, without its search for an
// object that already wraps the same C++ address (a new value has none).
template <class Wrapper>
py::handle new_object(Wrapper &&value) {
    static const py::detail::type_info *const record = py::detail::get_type_info(typeid(Wrapper));
    auto held = std::make_unique<Wrapper>(std::forward<Wrapper>(value));
    PyObject *obj = record->type->tp_alloc(record->type, 0);
    if (obj == nullptr) throw py::error_already_set();
    auto *inst = reinterpret_cast<py::detail::instance *>(obj);
    inst->allocate_layout();
    inst->owned = true;
    if (inst->simple_layout) {
        inst->simple_value_holder[0] = held.release();
    } else {
        py::detail::values_and_holders(inst).begin()->value_ptr() = held.release();
    }
    record->init_instance(inst, nullptr);  // registers the instance, makes its holder
    return obj;
}

// Makes room in the binding layer's table of live objects for n more, so that
// making many objects does not grow it step by step.
inline void reserve_objects(std::size_t n) {
    py::detail::with_instance_map(nullptr, [n](py::detail::instance_map &live) {
        live.reserve(live.size() + n);
    });
}

// The leading strides of an array of numbers (not points) of leading shape
// `extents`, or ValueError.
std::vector<std::ptrdiff_t> number_strides(const py::array &numbers,
                                           const std::vector<std::ptrdiff_t> &extents);

// The extents of a C-contiguous object array to fill, or TypeError.
std::vector<std::ptrdiff_t> object_extents(const py::array &out);

// Fills the object array out (C-contiguous, its elements None) with
// make(points, numbers) for every element: points[j] is the element's (x, y)
// of point array j, numbers[j] its value of float64 array j, all fitting
// out's shape.
template <std::size_t K, std::size_t M, class Make>
void make_objects(const std::array<py::array, K> &points, const std::array<py::array, M> &numbers,
                  const py::array &out, Make &&make) {
    constexpr std::size_t N = K + M + 1;
    const std::vector<std::ptrdiff_t> extents = object_extents(out);
    std::vector<typename Traversal<N>::Strides> strides(extents.size());
    std::array<char *, N> bases{};
    const std::array<PointLayout, K> layouts = take_points(points, extents, strides, bases);
    for (std::size_t j = 0; j < M; ++j) {
        const auto leading = number_strides(numbers[j], extents);
        for (std::size_t a = 0; a < extents.size(); ++a) strides[a][K + j] = leading[a];
        bases[K + j] = static_cast<char *>(const_cast<void *>(numbers[j].data()));
    }
    for (std::size_t a = 0; a < extents.size(); ++a) {
        strides[a][N - 1] = out.strides(static_cast<py::ssize_t>(a));
    }
    bases[N - 1] = static_cast<char *>(const_cast<void *>(out.data()));
    const Traversal<N> traversal(extents, strides, bases);
    const auto &steps = traversal.inner_strides();
    reserve_objects(traversal.size());
    for_each_block(traversal, layouts, 0, traversal.size(),
                   [&](std::size_t count, const double *const *packed,
                       const std::array<char *, N> &at) {
                       for (std::size_t i = 0; i < count; ++i) {
                           const auto step = static_cast<std::ptrdiff_t>(i);
                           std::array<const double *, K> xy{};
                           for (std::size_t j = 0; j < K; ++j) xy[j] = packed[j] + 2 * i;
                           std::array<double, M> value{};
                           for (std::size_t j = 0; j < M; ++j) {
                               value[j] = *reinterpret_cast<const double *>(at[K + j] +
                                                                            step * steps[K + j]);
                           }
                           auto **slot = reinterpret_cast<PyObject **>(at[N - 1] +
                                                                       step * steps[N - 1]);
                           PyObject *made = make(xy, value).ptr();
                           std::swap(*slot, made);
                           Py_XDECREF(made);
                       }
                   });
}

// Writes (xmin, ymin, xmax, ymax) of each shape's bbox() into out, a
// C-contiguous float64 array of the shapes' shape and a last axis of 4.
void shape_bounds(const py::array &shapes, const py::array &out);

}  // namespace planara::bulk
