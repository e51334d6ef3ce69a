#include "array/workers.h"

#include <sched.h>

#include <algorithm>
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

void run_chunks(std::size_t size, unsigned workers,
                const std::function<void(unsigned, std::size_t, std::size_t)> &chunk) {
    if (workers <= 1) {
        chunk(0, 0, size);
        return;
    }
    // Part k is [begin(k), begin(k + 1)); the first size % workers parts are
    // one element longer.
    const std::size_t part = size / workers, longer = size % workers;
    auto begin = [&](unsigned k) { return k * part + std::min<std::size_t>(k, longer); };

    const int mode = std::fegetround();
    std::exception_ptr failure;
    std::mutex failure_lock;
    auto run = [&](unsigned k) {
        try {
            chunk(k, begin(k), begin(k + 1));
        } catch (...) {
            std::lock_guard<std::mutex> hold(failure_lock);
            if (!failure) failure = std::current_exception();
        }
    };

    std::vector<std::thread> threads;
    std::vector<unsigned> unstarted;
    threads.reserve(workers - 1);
    unstarted.reserve(workers - 1);
    for (unsigned k = 1; k < workers; ++k) {
        try {
            threads.emplace_back([&run, mode, k] {
                std::fesetround(mode);
                run(k);
            });
        } catch (const std::system_error &) {
            unstarted.push_back(k);
        }
    }
    run(0);
    for (unsigned k : unstarted) run(k);
    for (auto &t : threads) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace planara::bulk
