// Moving a double by a number of representable doubles, as Boost.Math's
// float_advance does, without its one-double-at-a-time walk near zero.
//
// Kept free of the binding layer so that a small native program can compare
// it with Boost itself.
#pragma once

#include <boost/math/special_functions/next.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace planara {

namespace detail {

// Finite doubles in increasing order map to consecutive integers; both zeros
// map to 0, the smallest subnormal to 1, its negative to -1.
inline std::int64_t ordered_key(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const auto magnitude = static_cast<std::int64_t>(bits & ~(std::uint64_t{1} << 63));
    return (bits >> 63) ? -magnitude : magnitude;
}

inline double from_ordered_key(std::int64_t key) {
    const std::uint64_t bits = key < 0 ? (static_cast<std::uint64_t>(-key) | std::uint64_t{1} << 63)
                                       : static_cast<std::uint64_t>(key);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

}  // namespace detail

// The double n representable doubles above v (below for negative n), with
// Boost's float_advance results, exception types and messages.
//
// Boost walks one double per iteration when |v| < DBL_MIN * 2^54 = 2^-968 and
// |n| >= 2, which for n near 2^31 takes minutes. That walk never fails (it
// cannot come near the largest doubles), each of its steps reaches the adjacent
// double, and a step that lands on zero yields +0.0; for negative v Boost
// advances -v by -n and negates, so a zero result carries the sign of v. Here
// that walk is one integer addition on the ordered representation. Every
// other case, including all failures, is Boost's own code, which is fast
// there: it crosses at most one power of two per iteration.
//
// n must not be INT_MIN: Boost negates it or takes its absolute value.
inline double advance_doubles(double v, int n) {
    constexpr double walk_limit = 0x1p-968;
    if (std::isfinite(v) && std::fabs(v) < walk_limit && (n > 1 || n < -1)) {
        const std::int64_t key = detail::ordered_key(v) + n;
        if (key == 0) {
            return v < 0 ? -0.0 : 0.0;
        }
        return detail::from_ordered_key(key);
    }
    return boost::math::float_advance(v, n);
}

}  // namespace planara
