#include "array/objects.h"

#include "wrappers/circle2.h"

#include <string>

namespace planara::bulk {

std::vector<std::ptrdiff_t> number_strides(const py::array &numbers,
                                           const std::vector<std::ptrdiff_t> &extents) {
    const py::dtype d = numbers.dtype();
    if (d.kind() != 'f' || d.itemsize() != 8 || !(d.byteorder() == '=' || d.byteorder() == '|')) {
        throw py::type_error("number arrays must hold float64 in native byte order");
    }
    bool fits = numbers.ndim() == static_cast<py::ssize_t>(extents.size());
    for (std::size_t a = 0; fits && a < extents.size(); ++a) {
        fits = numbers.shape(static_cast<py::ssize_t>(a)) == extents[a];
    }
    if (!fits) {
        throw py::value_error("a number array does not hold one number per result element");
    }
    std::vector<std::ptrdiff_t> strides(extents.size());
    for (std::size_t a = 0; a < extents.size(); ++a) {
        strides[a] = numbers.strides(static_cast<py::ssize_t>(a));
    }
    return strides;
}

std::vector<std::ptrdiff_t> object_extents(const py::array &out) {
    check_object_array(out);
    if (!out.writeable()) throw py::value_error("out is not writable");
    return {out.shape(), out.shape() + out.ndim()};
}

void shape_bounds(const py::array &shapes, const py::array &out) {
    check_object_array(shapes);
    const py::dtype d = out.dtype();
    bool fits = d.kind() == 'f' && d.itemsize() == 8 && out.writeable() &&
                (out.flags() & py::array::c_style) && out.ndim() == shapes.ndim() + 1 &&
                out.shape(out.ndim() - 1) == 4;
    for (py::ssize_t a = 0; fits && a < shapes.ndim(); ++a) fits = out.shape(a) == shapes.shape(a);
    if (!fits) {
        throw py::value_error("out must be a writable C-contiguous float64 array of the shapes' "
                              "shape and a last axis of 4");
    }
    static const ShapeRole role{
        kinds_of(Kind::triangle, Kind::circle, Kind::iso_rectangle, Kind::segment), "bounds",
        "shapes"};
    auto *bounds = static_cast<double *>(const_cast<void *>(out.data()));
    int last = -1;
    auto *const *elements = static_cast<PyObject *const *>(shapes.data());
    read_ahead(static_cast<std::size_t>(shapes.size()), last,
               [&](std::size_t i) { return elements[i]; }, [&](std::size_t i) {
        const HeldShape held = held_shape(shapes, i, role, last);
        CGAL::Bbox_2 box;
        switch (held.kind) {
            case Kind::triangle: box = static_cast<const Triangle2 *>(held.wrapper)->value.bbox(); break;
            case Kind::circle: box = circle2_bbox(static_cast<const Circle2 *>(held.wrapper)->value); break;
            case Kind::iso_rectangle:
                box = static_cast<const IsoRectangle2 *>(held.wrapper)->value.bbox();
                break;
            case Kind::segment: box = static_cast<const Segment2 *>(held.wrapper)->value.bbox(); break;
            default: break;  // refused by held_shape
        }
        double *b = bounds + 4 * i;
        b[0] = box.xmin(), b[1] = box.ymin(), b[2] = box.xmax(), b[3] = box.ymax();
    });
}

}  // namespace planara::bulk
