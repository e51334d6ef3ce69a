// The block kernels for processors with SSE4.2 (the build compiles this file
// with -msse4.2 and nothing else added).
#define PLANARA_KERNELS sse42_kernels
#include "array/kernels.inc"
