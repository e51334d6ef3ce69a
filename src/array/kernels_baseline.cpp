// The block kernels for every x86-64 processor (SSE2).
#define PLANARA_KERNELS baseline_kernels
#include "array/kernels.inc"
