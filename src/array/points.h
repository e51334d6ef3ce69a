// Point arguments as the bulk loops see them: where each array's points are
// and in which number type, and how blocks of them become packed doubles.
#pragma once

#include "array/kernels.h"
#include "array/traversal.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace planara::bulk {

// The coordinate types a point array may have. Anything else reaches the
// loops converted to double by the Python layer.
enum class Coordinate : std::uint8_t {
    float64, float32, int8, int16, int32, int64, uint8, uint16, uint32, uint64, boolean
};

struct PointLayout {
    Coordinate type;
    std::ptrdiff_t coordinate_stride;  // bytes from x to y
};

// Writes n points, the first at `at` and each `stride` bytes after the last,
// to out as packed doubles, converted as a C cast (numpy's astype) does.
void load_points(const PointLayout &layout, const char *at, std::ptrdiff_t stride, std::size_t n,
                 double *out);

// n points starting at `at`, `stride` bytes apart, as packed doubles: read in
// place when they are aligned packed doubles already, otherwise (strided,
// repeated, another number type) packed into buffer.
inline const double *packed_points(const PointLayout &layout, const char *at,
                                   std::ptrdiff_t stride, std::size_t n, double *buffer) {
    constexpr auto size = std::ptrdiff_t{sizeof(double)};
    if (layout.type == Coordinate::float64 && stride == 2 * size &&
        layout.coordinate_stride == size &&
        reinterpret_cast<std::uintptr_t>(at) % alignof(double) == 0) {
        return reinterpret_cast<const double *>(at);
    }
    load_points(layout, at, stride, n, buffer);
    return buffer;
}

// Calls block(count, packed, at) for the elements begin .. end - 1 of a
// traversal of N arrays, the first K of which hold points, at most
// block_points elements at a time: at[j] is where the block begins in array j,
// and packed[j] (j < K) holds the block's points of array j as packed doubles.
template <std::size_t K, std::size_t N, class Block>
void for_each_block(const Traversal<N> &traversal, const std::array<PointLayout, K> &points,
                    std::size_t begin, std::size_t end, Block &&block) {
    static_assert(0 < K && K <= N);
    alignas(64) double buffers[K][2 * block_points];
    const auto &strides = traversal.inner_strides();
    const auto stretch = [&](std::size_t n, const std::array<char *, N> &starts) {
        for (std::size_t done = 0; done < n; done += block_points) {
            const std::size_t count = std::min(block_points, n - done);
            std::array<char *, N> at;
            for (std::size_t j = 0; j < N; ++j) {
                at[j] = starts[j] + static_cast<std::ptrdiff_t>(done) * strides[j];
            }
            const double *packed[K];
            for (std::size_t j = 0; j < K; ++j) {
                packed[j] = packed_points(points[j], at[j], strides[j], count, buffers[j]);
            }
            block(count, packed, at);
        }
    };
    traversal.for_each_stretch(begin, end, stretch);
}

// Calls compute(count, packed, at, results) for the elements begin .. end - 1
// of a traversal of N arrays, the first K of which hold points and the last
// the results (elements of result_size bytes), at most block_points at a time
// (see for_each_block). compute writes `count` results to `results`: the
// result array itself where it is a contiguous, aligned run, otherwise a
// buffer that is copied out after.
template <std::size_t K, std::size_t N, class Compute>
void run_blocks(const Traversal<N> &traversal, const std::array<PointLayout, K> &points,
                std::size_t result_size, std::size_t begin, std::size_t end, Compute &&compute) {
    alignas(64) char result_buffer[sizeof(double) * block_points];
    const std::ptrdiff_t stride = traversal.inner_strides()[N - 1];
    const auto block = [&](std::size_t count, const double *const *packed,
                           const std::array<char *, N> &at) {
        char *out = at[N - 1];
        const bool in_place = stride == static_cast<std::ptrdiff_t>(result_size) &&
                              reinterpret_cast<std::uintptr_t>(out) % result_size == 0;
        compute(count, packed, at, in_place ? out : result_buffer);
        if (!in_place) {
            for (std::size_t i = 0; i < count; ++i) {
                std::copy_n(result_buffer + i * result_size, result_size,
                            out + static_cast<std::ptrdiff_t>(i) * stride);
            }
        }
    };
    for_each_block(traversal, points, begin, end, block);
}

}  // namespace planara::bulk
