// Shared conventions of planara_core: the kernel, the registration routines,
// number rendering for text forms and result codes.
#pragma once

#include <pybind11/pybind11.h>

#include <CGAL/Simple_cartesian.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
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

// Run last, over every registered class: refuse instances that skipped
// __init__, refuse turning an object into one of another class, and refuse
// instances of the binding layer's base class, which hold no value.
void refuse_uninitialised_instances(py::module_ &m);
void refuse_class_reassignment(py::module_ &m);
void refuse_base_instances(py::module_ &m);

namespace planara {

// Calls f(type, info) for every class the module has registered, in order.
template <class F>
void for_each_class(py::module_ &m, F f) {
    for (auto item : m.attr("__dict__").cast<py::dict>()) {
        if (!PyType_Check(item.second.ptr())) {
            continue;
        }
        auto *type = reinterpret_cast<PyTypeObject *>(item.second.ptr());
        if (py::detail::type_info *info = py::detail::get_type_info(type)) {
            f(type, info);
        }
    }
}

}  // namespace planara

namespace planara {

// Orientation, Oriented_side and Bounded_side reach Python as the ints -1, 0, 1.
template <class Code>
inline int result_code(Code c) {
    static_assert(std::is_enum_v<Code>, "result codes are kernel enumerations");
    return static_cast<int>(c);
}

// Longest text of one number: sign, 309 integer digits, point, six decimals.
inline constexpr std::size_t max_number_chars = 1 + 309 + 1 + 6;

namespace detail {

// The six decimals of a fraction in [0, 1), exactly: fraction = m * 2^-shift
// (shift >= 53), and m * 10^6 * 2^-shift is rounded half to even.
inline std::uint64_t exact_decimals(double fraction) {
    std::uint64_t bits;
    std::memcpy(&bits, &fraction, sizeof bits);
    const auto exponent = static_cast<unsigned>(bits >> 52);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    unsigned shift = 1074;
    if (exponent != 0) {
        m |= std::uint64_t{1} << 52;
        shift = 1075 - exponent;
    }
    if (shift >= 74) {  // m * 10^6 < 2^73 <= half a unit
        return 0;
    }
    const unsigned __int128 scaled = static_cast<unsigned __int128>(m) * 1000000;
    auto decimals = static_cast<std::uint64_t>(scaled >> shift);
    const unsigned __int128 rest = scaled - (static_cast<unsigned __int128>(decimals) << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rest > half || (rest == half && (decimals & 1))) {
        ++decimals;
    }
    return decimals;
}

}  // namespace detail

// Writes x at p exactly as printf("%f") does: full integer part, six decimals
// rounded to nearest with ties to even, "inf"/"nan" with their sign. Returns
// the end of the text. Finite values below 2^63 in magnitude (all but the
// rarest) take an exact integer path; the rest go to the standard library.
inline char *write_number(char *p, double x) {
    const double a = std::fabs(x);
    if (!(a < 0x1p63)) {
        return std::to_chars(p, p + max_number_chars, x, std::chars_format::fixed, 6).ptr;
    }
    if (std::signbit(x)) {
        *p++ = '-';
    }
    // Both steps are exact: the integer part of a double below 2^63 is a
    // double, and so is the remaining fraction.
    auto whole = static_cast<std::uint64_t>(static_cast<std::int64_t>(a));
    const double fraction = a - static_cast<double>(static_cast<std::int64_t>(whole));
    // t is fraction * 10^6 to within 2^-33, whatever the rounding mode, and t - d
    // is exact: unless t lies within 2^-30 of a half, rounding t gives the six
    // decimals. Near a half (exact ties among them) they are worked out exactly.
    const double t = fraction * 1e6;
    auto decimals = static_cast<std::uint64_t>(static_cast<std::int64_t>(t));
    const double d = t - static_cast<double>(static_cast<std::int64_t>(decimals));
    if (d > 0.5 + 0x1p-30) {
        ++decimals;
    } else if (d >= 0.5 - 0x1p-30) {
        decimals = detail::exact_decimals(fraction);
    }
    if (decimals == 1000000) {
        decimals = 0;
        ++whole;
    }
    p = std::to_chars(p, p + 20, whole).ptr;
    *p++ = '.';
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    const auto digits = static_cast<unsigned>(decimals);
    std::memcpy(p, pairs + 2 * (digits / 10000), 2);
    std::memcpy(p + 2, pairs + 2 * (digits / 100 % 100), 2);
    std::memcpy(p + 4, pairs + 2 * (digits % 100), 2);
    return p + 6;
}

namespace detail {

inline std::size_t max_chars(double) { return max_number_chars; }
template <std::size_t N>
constexpr std::size_t max_chars(const char (&)[N]) {
    return N - 1;
}
inline char *write_part(char *p, double x) { return write_number(p, x); }
// Literal pieces are copied with their length known at compile time.
template <std::size_t N>
char *write_part(char *p, const char (&s)[N]) {
    std::memcpy(p, s, N - 1);
    return p + (N - 1);
}

}  // namespace detail

// Builds a text form from literal pieces and doubles, e.g.
// render("Point2(", x, ", ", y, ")"), in a buffer on the stack (the heap only
// for texts that could outgrow it), straight into a Python str.
template <class... Parts>
inline py::str render(const Parts &...parts) {
    char local[2048];  // six numbers of the longest kind fit
    std::unique_ptr<char[]> large;
    char *begin = local;
    if (const std::size_t bound = (detail::max_chars(parts) + ...); bound > sizeof local) {
        large.reset(new char[bound]);
        begin = large.get();
    }
    char *end = begin;
    ((end = detail::write_part(end, parts)), ...);
    return py::str(begin, static_cast<std::size_t>(end - begin));
}

}  // namespace planara
