// Running a bulk computation on several threads. The elements are cut into
// contiguous parts, in order, and each worker takes the next part not yet
// taken until none is left: a worker held up by other load on the machine
// leaves its share to the others instead of holding up the call. The call
// returns when every part is done; no worker outlives it and none touches a
// Python object.
#pragma once

#include <cstddef>
#include <functional>

namespace planara::bulk {

// The processors this process may run on (its CPU affinity), at least 1.
unsigned usable_processors();

// How many workers a call over `size` elements gets when the caller asks for
// `requested` (0: as many as pay off, up to the usable processors).
unsigned worker_count(std::size_t size, std::size_t requested);

// How many parts [0, size) is cut into for `workers` workers: one per worker
// for small sizes, more for large ones, never more than the elements.
std::size_t part_count(std::size_t size, unsigned workers);

// Calls part(k, begin, end) for the parts k = 0 .. part_count(size, workers) - 1
// of [0, size), on the calling thread and workers - 1 new threads, each in the
// caller's floating-point rounding mode. Threads that cannot be started leave
// their share to the others. An exception of a part is rethrown here once
// every thread has finished.
void run_parts(std::size_t size, unsigned workers,
               const std::function<void(std::size_t, std::size_t, std::size_t)> &part);

}  // namespace planara::bulk
