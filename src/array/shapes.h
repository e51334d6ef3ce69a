// planara_core objects as the bulk loops see them: the numbers of a shape
// (predicates.h), read from the object with the interpreter lock held, once
// per call. Arrays of shapes are numpy object arrays; each element is checked
// before any is computed, and a refusal names its position.
#pragma once

#include "array/predicates.h"

#include "module/planara.h"
#include "wrappers/circle2.h"
#include "wrappers/iso_rectangle2.h"
#include "wrappers/line2.h"
#include "wrappers/ray2.h"
#include "wrappers/segment2.h"
#include "wrappers/triangle2.h"

#include <pybind11/numpy.h>

#include <cstddef>
#include <string>
#include <vector>

namespace planara::bulk {

// The predicates' view of each shape: its defining numbers as the object holds
// them (a triangle's orientation as the kernel computes it per call).
inline Line params_of(const Line2 &l) { return {l.value.a(), l.value.b(), l.value.c()}; }
inline Triangle params_of(const Triangle2 &t) {
    const Triangle_2 &v = t.value;
    return {v[0].x(), v[0].y(), v[1].x(), v[1].y(), v[2].x(), v[2].y(),
            planara::result_code(v.orientation())};
}
inline Circle params_of(const Circle2 &c) {
    const Circle_2 &v = c.value;
    return {v.center().x(), v.center().y(), v.squared_radius(),
            planara::result_code(v.orientation())};
}
inline IsoRectangle params_of(const IsoRectangle2 &r) {
    const Iso_rectangle_2 &v = r.value;
    return {v.xmin(), v.ymin(), v.xmax(), v.ymax()};
}
inline Segment params_of(const Segment2 &s) {
    const Segment_2 &v = s.value;
    return {v.source().x(), v.source().y(), v.target().x(), v.target().y()};
}
inline Ray params_of(const Ray2 &r) {
    const Ray_2 &v = r.value;
    return {v.source().x(), v.source().y(), v.second_point().x(), v.second_point().y()};
}

// A set of kinds of shape.
using Kinds = unsigned;
constexpr Kinds kinds_of(Kind k) { return 1u << static_cast<unsigned>(k); }
template <class... More>
constexpr Kinds kinds_of(Kind k, More... more) {
    return kinds_of(k) | kinds_of(more...);
}

// Who takes shapes, for the refusals: "bounded_side() takes a Triangle2,
// Circle2 or IsoRectangle2 as shape, not Line2 (shape[2, 1])".
struct ShapeRole {
    Kinds kinds;           // the kinds taken
    const char *function;  // "bounded_side"
    const char *argument;  // "shape"
};

// A planara_core object of one of the shape classes, as held.
struct HeldShape {
    Kind kind;
    const void *wrapper;  // the Line2, Triangle2, ... of that kind
};

// A C-contiguous numpy object array, or TypeError.
void check_object_array(const py::array &objects);

// The element at C-order position `index` of a C-contiguous object array,
// which must be a live object of one of role.kinds; otherwise TypeError.
// `last` remembers the class found before (start with -1), which the next
// element most likely shares.
HeldShape held_shape(const py::array &objects, std::size_t index, const ShapeRole &role,
                     int &last);

// The elements of a C-contiguous object array, in C order.
Shapes read_shapes(const py::array &objects, const ShapeRole &role);

// Finds the shape classes' binding records; called once, when the module
// loads (planara_core registered the classes before).
void find_shape_classes();

// Reading a shape as memory only, without a Python call, as worker threads
// may while the calling thread holds the interpreter lock (so that no object
// can change or go away): reads obj into s if it is a live object of one of
// the kinds that keeps its value in place (every object of the module's
// classes and their Python subclasses does), and otherwise returns false,
// for the calling thread to read it with read_shapes or raise its error.
bool read_shape(PyObject *obj, Kinds kinds, int &last, AnyShape &s);

// Objects lie anywhere in memory, so readers ask for them ahead: calls
// read(i) for i = 0 .. count - 1 in order, having asked for the header of
// object(i) some elements before and then for the value it holds (when it is
// an instance of the class read last, `last` as read_shape keeps it, whose
// layout is known).
template <class Object, class Read>
void read_ahead(std::size_t count, const int &last, Object &&object, Read &&read);
void prefetch_held(PyObject *obj, int last);
[[noreturn]] void refuse_shape(const py::array &objects, std::size_t index,
                               const ShapeRole &role);

// The byte steps through an array of elements of `element_size` bytes laid
// out as the C-contiguous `objects` (the objects themselves, or what
// read_shapes makes of them) that broadcast it to the leading shape `extents`
// (numpy's rules; the Python layer has checked that they fit).
std::vector<std::ptrdiff_t> shape_strides(const py::array &objects,
                                          const std::vector<std::ptrdiff_t> &extents,
                                          std::ptrdiff_t element_size);

// ---------------------------------------------------------------------------

template <class Object, class Read>
void read_ahead(std::size_t count, const int &last, Object &&object, Read &&read) {
    constexpr std::size_t ahead = 16;  // headers; values half as many
    for (std::size_t i = 0; i < count && i < ahead; ++i) __builtin_prefetch(object(i));
    for (std::size_t i = 0; i < count; ++i) {
        if (i + ahead < count) __builtin_prefetch(object(i + ahead));
        if (i + ahead / 2 < count) prefetch_held(object(i + ahead / 2), last);
        read(i);
    }
}

}  // namespace planara::bulk
