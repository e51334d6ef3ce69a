// The block kernels for processors with AVX2, set as in kernels_sse42.cpp.
// AVX2 alone: in particular no fused multiply-add.
#include "array/exact_kernels.h"
#include "array/exact_predicates.h"
#include "array/kernels.h"

#include <cstdint>

#pragma GCC target("avx2")
#define PLANARA_KERNELS avx2_kernels
#include "array/kernels.inc"
#define PLANARA_EXACT_KERNELS avx2_exact_kernels
#include "array/exact_kernels.inc"
