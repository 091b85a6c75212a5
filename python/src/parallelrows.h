#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

namespace spanwright::python {

// The rows [first, last) one thread works out.
struct RowStretch
{
    size_t first = 0;
    size_t last = 0;
};

// The rows [0, rows) in one stretch per core, as the batch spreads its rows
// over every core; too few rows for a thread each make one stretch.
inline std::vector<RowStretch> rowStretches(size_t rows)
{
    constexpr size_t FewestRowsPerThread = 4096;
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t threads = std::min(cores, std::max<size_t>(1, rows / FewestRowsPerThread));
    const size_t length = (rows + threads - 1) / std::max<size_t>(threads, 1);
    std::vector<RowStretch> stretches;
    for (size_t t = 0; t < threads; ++t) {
        const size_t first = std::min(rows, t * length);
        stretches.push_back({first, std::min(rows, first + length)});
    }
    return stretches;
}

// Runs work(index) for each stretch on a thread of its own (the only one on
// the calling thread); each call must touch its own rows only. The first
// exception a stretch throws is thrown again once all are done.
template <class Work>
void forStretchesInParallel(const std::vector<RowStretch>& stretches, const Work& work)
{
    if (stretches.size() == 1) {
        work(size_t{0});
        return;
    }
    std::vector<std::exception_ptr> failures(stretches.size());
    std::vector<std::thread> running;
    for (size_t index = 0; index < stretches.size(); ++index) {
        running.emplace_back([&work, &failures, index] {
            try {
                work(index);
            } catch (...) {
                failures[index] = std::current_exception();
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
