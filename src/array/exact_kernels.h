// The block kernels of the exact predicates (exact_predicates.h), compiled
// per instruction set beside the plain ones and chosen with them. Each takes
// the exact form of its shape (prepare_exact) as params; the rectangle test
// needs none, the plain one is exact.
#pragma once

#include "array/kernels.h"

namespace planara::bulk {

struct ExactKernels {
    BlockKernel orientation;              // (p, q, r) -> int8
    BlockKernel orientation_of_fixed_pq;  // ExactFixedPair; r -> int8
    BlockKernel line_oriented_side, triangle_oriented_side, circle_oriented_side;  // -> int8
    BlockKernel triangle_bounded_side, circle_bounded_side;
    BlockKernel line_has_on, segment_has_on, ray_has_on;  // -> bool
    // Each element of an array of shapes against its point, the shape
    // prepared per element.
    ShapeArrayKernel shapes_oriented_side, shapes_bounded_side;  // -> int8
    ShapeArrayKernel shapes_has_on;                              // -> bool
};

extern const ExactKernels baseline_exact_kernels;
extern const ExactKernels sse42_exact_kernels;
extern const ExactKernels avx2_exact_kernels;

// The exact kernels of the instruction set in use.
const ExactKernels &exact_kernels();

}  // namespace planara::bulk
