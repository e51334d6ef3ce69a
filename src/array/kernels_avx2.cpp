// The block kernels for processors with AVX2 (the build compiles this file with
// -mavx2 and nothing else added: in particular no fused multiply-add).
#define PLANARA_KERNELS avx2_kernels
#include "array/kernels.inc"
