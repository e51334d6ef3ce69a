// The block kernels for processors with SSE4.2. The instruction set is set
// here, for the kernels alone, rather than on the command line: so it holds
// through link-time optimisation, and no code outside the kernels (the
// standard library's included first) is compiled for it.
#include "array/exact_kernels.h"
#include "array/exact_predicates.h"
#include "array/kernels.h"

#include <cstdint>

#pragma GCC target("sse4.2")
#define PLANARA_KERNELS sse42_kernels
#include "array/kernels.inc"
#define PLANARA_EXACT_KERNELS sse42_exact_kernels
#include "array/exact_kernels.inc"
