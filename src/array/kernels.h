// Block kernels: a predicate applied to a block of points held as packed
// (x, y) doubles, one result per point. They touch no Python object.
//
// Every kernel is compiled once per instruction set (the baseline x86-64,
// SSE4.2 and AVX2); the operations and their order are the same in each, and no build
// contracts them into fused multiply-adds, so every instruction set gives the
// same bits. The widest one the processor supports is used unless a test
// selects another.
#pragma once

#include "array/predicates.h"

#include <cstddef>
#include <string>
#include <vector>

namespace planara::bulk {

// Points per block: a block of packed points of every argument and its
// results stay in the first-level cache. Kernels get at most this many.
inline constexpr std::size_t block_points = 512;

// n results at out from n points (or pairs, triples of points) at points[0..k-1],
// each point two consecutive doubles; params is the kernel's shape, if any.
using BlockKernel = void (*)(const void *params, std::size_t n, const double *const *points,
                             void *out);

// n results at out from n shapes, the first at `shapes` and each `stride`
// bytes after the last (0: one shape for all), against n points packed as in
// a BlockKernel. The shapes are AnyShape values of the kinds the predicate
// takes (checked before).
using ShapeArrayKernel = void (*)(const char *shapes, std::ptrdiff_t stride, std::size_t n,
                                  const double *points, void *out);

struct Kernels {
    BlockKernel orientation;       // (p, q, r) -> int8
    BlockKernel squared_distance;  // (p, q) -> double
    // The same with repeated points as parameters (FixedPair p, q; FixedPoint
    // p or q) and only the other points as arrays.
    BlockKernel orientation_of_fixed_pq, squared_distance_from_fixed_p, squared_distance_to_fixed_q;
    BlockKernel line_oriented_side, triangle_oriented_side, circle_oriented_side;  // -> int8
    BlockKernel triangle_bounded_side, circle_bounded_side, iso_rectangle_bounded_side;
    BlockKernel line_has_on, segment_has_on, ray_has_on;  // -> bool (one byte, 0 or 1)
    // Each element of an array of shapes against its point.
    ShapeArrayKernel shapes_oriented_side, shapes_bounded_side;  // -> int8
    ShapeArrayKernel shapes_has_on;                              // -> bool
};

// The kernels of each instruction set, compiled in kernels_<name>.cpp.
extern const Kernels baseline_kernels;
extern const Kernels sse42_kernels;
extern const Kernels avx2_kernels;

// The kernels in use.
const Kernels &kernels();

// Names of the instruction sets this processor can run, and the one in use;
// select() switches (for tests) and returns false for an unknown or
// unsupported name.
std::vector<std::string> instruction_sets();
std::string instruction_set();
bool select_instruction_set(const std::string &name);

}  // namespace planara::bulk
