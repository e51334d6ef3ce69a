#include "array/points.h"

#include <cstring>

namespace planara::bulk {
namespace {

template <class T>
double widen(const char *at) {
    T v;
    std::memcpy(&v, at, sizeof v);
    return static_cast<double>(v);
}

// numpy's bool cast: any non-zero byte is true.
template <>
double widen<bool>(const char *at) {
    return *at != 0 ? 1.0 : 0.0;
}

template <class T>
void widen_points(const char *at, std::ptrdiff_t stride, std::ptrdiff_t coordinate_stride,
                  std::size_t n, double *out) {
    for (std::size_t i = 0; i < n; ++i, at += stride) {
        out[2 * i] = widen<T>(at);
        out[2 * i + 1] = widen<T>(at + coordinate_stride);
    }
}

}  // namespace

void load_points(const PointLayout &layout, const char *at, std::ptrdiff_t stride, std::size_t n,
                 double *out) {
    const std::ptrdiff_t c = layout.coordinate_stride;
    switch (layout.type) {
        case Coordinate::float64: return widen_points<double>(at, stride, c, n, out);
        case Coordinate::float32: return widen_points<float>(at, stride, c, n, out);
        case Coordinate::int8: return widen_points<std::int8_t>(at, stride, c, n, out);
        case Coordinate::int16: return widen_points<std::int16_t>(at, stride, c, n, out);
        case Coordinate::int32: return widen_points<std::int32_t>(at, stride, c, n, out);
        case Coordinate::int64: return widen_points<std::int64_t>(at, stride, c, n, out);
        case Coordinate::uint8: return widen_points<std::uint8_t>(at, stride, c, n, out);
        case Coordinate::uint16: return widen_points<std::uint16_t>(at, stride, c, n, out);
        case Coordinate::uint32: return widen_points<std::uint32_t>(at, stride, c, n, out);
        case Coordinate::uint64: return widen_points<std::uint64_t>(at, stride, c, n, out);
        case Coordinate::boolean: return widen_points<bool>(at, stride, c, n, out);
    }
}

}  // namespace planara::bulk
