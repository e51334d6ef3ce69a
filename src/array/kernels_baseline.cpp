// The block kernels for every x86-64 processor (SSE2).
#define PLANARA_KERNELS baseline_kernels
#include "array/kernels.inc"
#define PLANARA_EXACT_KERNELS baseline_exact_kernels
#include "array/exact_kernels.inc"
