#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

namespace spanwright::python {

// Runs work(first, last) over the rows [0, rows) in one stretch per core,
// as the batch spreads its rows over every core; each call must touch its
// own rows only. Too few rows for a thread each run on the calling thread.
// The first exception a stretch throws is thrown again once all are done.
template <class Work>
void forRowsInParallel(size_t rows, const Work& work)
{
    constexpr size_t FewestRowsPerThread = 4096;
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t threads = std::min(cores, std::max<size_t>(1, rows / FewestRowsPerThread));
    if (threads == 1) {
        work(size_t{0}, rows);
        return;
    }
    std::vector<std::exception_ptr> failures(threads);
    std::vector<std::thread> running;
    const size_t stretch = (rows + threads - 1) / threads;
    for (size_t t = 0; t < threads; ++t) {
        const size_t first = std::min(rows, t * stretch);
        const size_t last = std::min(rows, first + stretch);
        running.emplace_back([&work, &failures, t, first, last] {
            try {
                work(first, last);
            } catch (...) {
                failures[t] = std::current_exception();
            }
        });
    }
    for (std::thread& thread : running)
        thread.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}

} // namespace spanwright::python
