#include "array/workers.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <cfenv>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace planara::bulk {
namespace {

// Below this many elements per worker, starting a thread costs more than it
// saves (a thread starts in some 20 to 50 microseconds; a worker gets through
// this many points in about as long).
constexpr std::size_t min_elements_per_worker = std::size_t{1} << 16;
// A bound on explicit requests, against exhausting the system's threads.
constexpr std::size_t max_workers = 1024;
// Parts of a threaded call: no shorter than this (each costs a handful of
// index computations and a function call) and at most this many.
constexpr std::size_t min_elements_per_part = std::size_t{1} << 16;
constexpr std::size_t max_parts = 4096;

}  // namespace

unsigned usable_processors() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        return std::max(1, CPU_COUNT(&set));
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

unsigned worker_count(std::size_t size, std::size_t requested) {
    const std::size_t wanted =
        requested > 0 ? std::min(requested, max_workers)
                      : std::min<std::size_t>(usable_processors(), size / min_elements_per_worker);
    return static_cast<unsigned>(std::max<std::size_t>(1, std::min(wanted, size)));
}

std::size_t part_count(std::size_t size, unsigned workers) {
    if (workers <= 1) return 1;
    return std::max<std::size_t>(workers, std::min(size / min_elements_per_part, max_parts));
}

void run_parts(std::size_t size, unsigned workers,
               const std::function<void(std::size_t, std::size_t, std::size_t)> &part) {
    const std::size_t parts = part_count(size, workers);
    if (parts == 1) {
        part(0, 0, size);
        return;
    }
    // Part k is [begin(k), begin(k + 1)); the first size % parts parts are
    // one element longer.
    const std::size_t length = size / parts, longer = size % parts;
    auto begin = [&](std::size_t k) { return k * length + std::min(k, longer); };

    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failure_lock;
    auto work = [&] {
        for (std::size_t k; (k = next.fetch_add(1, std::memory_order_relaxed)) < parts;) {
            try {
                part(k, begin(k), begin(k + 1));
            } catch (...) {
                std::lock_guard<std::mutex> hold(failure_lock);
                if (!failure) failure = std::current_exception();
            }
        }
    };

    const int mode = std::fegetround();
    std::vector<std::thread> threads;
    threads.reserve(workers - 1);
    for (unsigned k = 1; k < workers; ++k) {
        try {
            threads.emplace_back([&work, mode] {
                std::fesetround(mode);
                work();
            });
        } catch (const std::system_error &) {
            break;  // the threads started, and this one, share all parts
        }
    }
    work();
    for (auto &t : threads) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace planara::bulk
