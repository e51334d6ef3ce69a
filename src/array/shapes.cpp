#include "array/shapes.h"

#include <array>
#include <typeinfo>

namespace planara::bulk {
namespace {

struct ShapeClass {
    Kind kind;
    const std::type_info &cpp;
    const char *name;
};

// In Kind order.
const std::array<ShapeClass, 6> shape_classes{{
    {Kind::line, typeid(Line2), "Line2"},
    {Kind::triangle, typeid(Triangle2), "Triangle2"},
    {Kind::circle, typeid(Circle2), "Circle2"},
    {Kind::iso_rectangle, typeid(IsoRectangle2), "IsoRectangle2"},
    {Kind::segment, typeid(Segment2), "Segment2"},
    {Kind::ray, typeid(Ray2), "Ray2"},
}};

// "bounded_side() takes a Triangle2, Circle2 or IsoRectangle2 as shape"
std::string takes(const ShapeRole &role) {
    std::vector<const char *> names;
    for (const ShapeClass &c : shape_classes) {
        if (role.kinds & kinds_of(c.kind)) names.push_back(c.name);
    }
    std::string text = std::string(role.function) + "() takes a ";
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == names.size() ? " or " : ", ") + std::string(names[k]);
    }
    return text + " as " + role.argument;
}

// The classes' binding records, found once through the shared type registry
// when the module loads (planara_core registered them before).
std::array<const py::detail::type_info *, 6> found_records{};

const std::array<const py::detail::type_info *, 6> &records() { return found_records; }

std::string type_name(PyObject *obj) {
    return py::str(py::handle(reinterpret_cast<PyObject *>(Py_TYPE(obj))).attr("__name__"));
}

// "shape", "shape[3]" or "shape[2, 1]" for the element at C-order position
// `index` of an array of shape `shape`.
std::string position(const std::string &argument, const py::array &objects, std::size_t index) {
    const auto axes = static_cast<std::size_t>(objects.ndim());
    if (axes == 0) return argument;
    std::vector<std::size_t> at(axes);
    for (std::size_t a = axes; a-- > 0;) {
        const auto extent = static_cast<std::size_t>(objects.shape(static_cast<py::ssize_t>(a)));
        at[a] = index % extent;
        index /= extent;
    }
    std::string text = argument + "[";
    for (std::size_t a = 0; a < axes; ++a) {
        text += (a ? ", " : "") + std::to_string(at[a]);
    }
    return text + "]";
}

// The value an instance of the class `record` (or a subclass) holds, or null
// if it holds none (it skipped __init__). A single class's instance keeps the
// pointer in place; others are looked up.
const void *held_value(PyObject *obj, const py::detail::type_info *record) {
    auto *inst = reinterpret_cast<py::detail::instance *>(obj);
    if (inst->simple_layout) {
        return inst->simple_holder_constructed ? inst->simple_value_holder[0] : nullptr;
    }
    const auto held = inst->get_value_and_holder(record, false);
    return held && held.holder_constructed() ? held.value_ptr() : nullptr;
}

// The same for an instance that keeps its value in place (a class with one
// bound base: every instance of the module's classes and of their Python
// subclasses), reading memory only; null for any other.
const void *held_in_place(PyObject *obj) {
    auto *inst = reinterpret_cast<py::detail::instance *>(obj);
    return inst->simple_layout && inst->simple_holder_constructed ? inst->simple_value_holder[0]
                                                                 : nullptr;
}

// Which class obj is an instance of: the class of the element before first,
// then the others (arrays are mostly of one class), then subclasses; -1 for
// none.
int class_index(PyObject *obj, int &last) {
    const auto &r = records();
    if (last >= 0 && Py_TYPE(obj) == r[static_cast<std::size_t>(last)]->type) return last;
    for (std::size_t k = 0; k < r.size(); ++k) {
        if (Py_TYPE(obj) == r[k]->type) return last = static_cast<int>(k);
    }
    for (std::size_t k = 0; k < r.size(); ++k) {
        if (PyObject_TypeCheck(obj, r[k]->type)) return static_cast<int>(k);
    }
    return -1;
}

// The shape obj holds, if it is a live object of one of the kinds. With
// memory_only, objects that keep their value elsewhere are left out too.
bool try_held_shape(PyObject *obj, Kinds kinds, int &last, HeldShape &held, bool memory_only) {
    const int k = class_index(obj, last);
    if (k < 0 || !(kinds & kinds_of(shape_classes[static_cast<std::size_t>(k)].kind))) return false;
    held = {shape_classes[static_cast<std::size_t>(k)].kind,
            memory_only ? held_in_place(obj) : held_value(obj, records()[static_cast<std::size_t>(k)])};
    return held.wrapper != nullptr;
}

void convert(const HeldShape &held, AnyShape &s) {
    s.kind = held.kind;
    switch (held.kind) {
        case Kind::line: s.line = params_of(*static_cast<const Line2 *>(held.wrapper)); break;
        case Kind::triangle:
            s.triangle = params_of(*static_cast<const Triangle2 *>(held.wrapper));
            break;
        case Kind::circle: s.circle = params_of(*static_cast<const Circle2 *>(held.wrapper)); break;
        case Kind::iso_rectangle:
            s.iso_rectangle = params_of(*static_cast<const IsoRectangle2 *>(held.wrapper));
            break;
        case Kind::segment:
            s.segment = params_of(*static_cast<const Segment2 *>(held.wrapper));
            break;
        case Kind::ray: s.ray = params_of(*static_cast<const Ray2 *>(held.wrapper)); break;
    }
}

}  // namespace

void check_object_array(const py::array &objects) {
    if (objects.dtype().kind() != 'O' || !(objects.flags() & py::array::c_style)) {
        throw py::type_error("objects must come as a C-contiguous numpy array of objects");
    }
}

void find_shape_classes() {
    for (std::size_t k = 0; k < found_records.size(); ++k) {
        found_records[k] = py::detail::get_type_info(shape_classes[k].cpp);
    }
}

HeldShape held_shape(const py::array &objects, std::size_t index, const ShapeRole &role,
                     int &last) {
    PyObject *obj = static_cast<PyObject *const *>(objects.data())[index];
    HeldShape held;
    if (try_held_shape(obj, role.kinds, last, held, false)) return held;
    refuse_shape(objects, index, role);
}

[[noreturn]] void refuse_shape(const py::array &objects, std::size_t index,
                               const ShapeRole &role) {
    PyObject *obj = static_cast<PyObject *const *>(objects.data())[index];
    int last = -1;
    const int k = class_index(obj, last);
    if (k < 0 || !(role.kinds & kinds_of(shape_classes[static_cast<std::size_t>(k)].kind))) {
        throw py::type_error(takes(role) + ", not " + type_name(obj) + " (" +
                             position(role.argument, objects, index) + ")");
    }
    throw py::type_error(position(role.argument, objects, index) +
                         ": object was created without __init__ and holds no value");
}

bool read_shape(PyObject *obj, Kinds kinds, int &last, AnyShape &s) {
    HeldShape held;
    if (!try_held_shape(obj, kinds, last, held, true)) return false;
    convert(held, s);
    return true;
}

void prefetch_held(PyObject *obj, int last) {
    if (last < 0 || Py_TYPE(obj) != records()[static_cast<std::size_t>(last)]->type) return;
    auto *inst = reinterpret_cast<py::detail::instance *>(obj);
    if (inst->simple_layout) __builtin_prefetch(inst->simple_value_holder[0]);
}

Shapes read_shapes(const py::array &objects, const ShapeRole &role) {
    check_object_array(objects);
    Shapes shapes(static_cast<std::size_t>(objects.size()));
    auto *const *elements = static_cast<PyObject *const *>(objects.data());
    int last = -1;
    read_ahead(shapes.size(), last, [&](std::size_t i) { return elements[i]; }, [&](std::size_t i) {
        if (!read_shape(elements[i], role.kinds, last, shapes[i])) {
            convert(held_shape(objects, i, role, last), shapes[i]);
        }
    });
    return shapes;
}

std::vector<std::ptrdiff_t> shape_strides(const py::array &objects,
                                          const std::vector<std::ptrdiff_t> &extents,
                                          std::ptrdiff_t element_size) {
    const auto axes = static_cast<std::ptrdiff_t>(extents.size());
    const auto own = static_cast<std::ptrdiff_t>(objects.ndim());
    if (own > axes) {
        throw py::value_error("the shapes have more axes than the result");
    }
    std::vector<std::ptrdiff_t> strides(extents.size(), 0);
    std::ptrdiff_t step = element_size;
    for (std::ptrdiff_t a = own; a-- > 0;) {
        const std::ptrdiff_t extent = objects.shape(a), at = a + axes - own;
        if (extent != 1) {
            if (extent != extents[static_cast<std::size_t>(at)]) {
                throw py::value_error("the shapes do not broadcast to the result");
            }
            strides[static_cast<std::size_t>(at)] = step;
        }
        step *= extent;
    }
    return strides;
}

}  // namespace planara::bulk
