// The block kernels for processors with AVX2, set as in kernels_sse42.cpp.
// AVX2 alone: in particular no fused multiply-add.
#include "array/kernels.h"

#include <cstdint>

#pragma GCC target("avx2")
#define PLANARA_KERNELS avx2_kernels
#include "array/kernels.inc"
