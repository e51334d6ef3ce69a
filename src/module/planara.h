// Shared conventions of planara_core: the kernel, the registration routines,
// number rendering for text forms and result codes.
#pragma once

#include <pybind11/pybind11.h>

#include <CGAL/Simple_cartesian.h>

#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>

namespace py = pybind11;

using Kernel = CGAL::Simple_cartesian<double>;
using Point_2 = Kernel::Point_2;
using Vector_2 = Kernel::Vector_2;
using Direction_2 = Kernel::Direction_2;
using Line_2 = Kernel::Line_2;
using Segment_2 = Kernel::Segment_2;
using Ray_2 = Kernel::Ray_2;
using Triangle_2 = Kernel::Triangle_2;
using Circle_2 = Kernel::Circle_2;
using Iso_rectangle_2 = Kernel::Iso_rectangle_2;

// One routine per registered name, called by the module body in this order.
void register_squared_distance(py::module_ &m);
void register_point2(py::module_ &m);
void register_vector2(py::module_ &m);
void register_orientation_result(py::module_ &m);
void register_orientation(py::module_ &m);
void register_bbox2(py::module_ &m);
void register_direction2(py::module_ &m);
void register_line2(py::module_ &m);
void register_segment2(py::module_ &m);
void register_ray2(py::module_ &m);
void register_triangle2(py::module_ &m);
void register_circle2(py::module_ &m);
void register_iso_rectangle2(py::module_ &m);

// Run last: makes every registered class refuse instances that skipped __init__.
void refuse_uninitialised_instances(py::module_ &m);

namespace planara {

// Orientation, Oriented_side and Bounded_side reach Python as the ints -1, 0, 1.
template <class Code>
inline int result_code(Code c) {
    static_assert(std::is_enum_v<Code>, "result codes are kernel enumerations");
    return static_cast<int>(c);
}

// Writes x exactly as printf("%f") does: full integer part, six decimals,
// round to nearest, "inf"/"nan" with their sign.
inline void append_number(std::string &out, double x) {
    // 1 sign + 309 integer digits + point + 6 decimals fits with room to spare.
    char buf[352];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 6);
    out.append(buf, res.ptr);
}

inline void append_part(std::string &out, double x) { append_number(out, x); }
inline void append_part(std::string &out, std::string_view s) { out.append(s); }

// Builds a text form from literal pieces and doubles, e.g.
// render("Point2(", x, ", ", y, ")").
template <class... Parts>
inline std::string render(const Parts &...parts) {
    std::string out;
    out.reserve(64);
    (append_part(out, parts), ...);
    return out;
}

}  // namespace planara
