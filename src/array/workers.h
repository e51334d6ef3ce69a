// Running a bulk computation on several threads: the elements are split into
// contiguous chunks, one per worker, and the call returns when every chunk is
// done. No worker outlives the call and none touches a Python object.
#pragma once

#include <cstddef>
#include <functional>

namespace planara::bulk {

// The processors this process may run on (its CPU affinity), at least 1.
unsigned usable_processors();

// How many workers a call over `size` elements gets when the caller asks for
// `requested` (0: as many as pay off, up to the usable processors).
unsigned worker_count(std::size_t size, std::size_t requested);

// Calls chunk(k, begin, end) for the parts k = 0 .. workers - 1 of [0, size),
// split into contiguous parts in order,
// the first on the calling thread and the others on new threads, each in the
// caller's floating-point rounding mode. A thread that cannot be started
// leaves its part to the calling thread.
void run_chunks(std::size_t size, unsigned workers,
                const std::function<void(unsigned, std::size_t, std::size_t)> &chunk);

}  // namespace planara::bulk
