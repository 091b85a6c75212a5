#include "progress.h"

#include <unistd.h>

namespace {

// Inputs below this size end before a person would wait for them.
constexpr unsigned long long ShownFromBytes = 4ull << 20;
constexpr auto ShownEvery = std::chrono::milliseconds(250);
constexpr double BytesPerMegabyte = 1 << 20;

} // namespace

Progress::Progress(unsigned long long totalBytes)
    : enabled_(isatty(STDERR_FILENO) == 1), totalBytes_(totalBytes)
{
}

void Progress::finish(unsigned long long rows)
{
    if (!shown_)
        return;
    show(rows);
    std::fputc('\n', stderr);
}

void Progress::update(unsigned long long bytesRead, unsigned long long rows)
{
    bytesRead_ = bytesRead;
    if (!enabled_ || bytesRead < ShownFromBytes)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && now - lastShown_ < ShownEvery)
        return;
    lastShown_ = now;
    shown_ = true;
    show(rows);
}

void Progress::show(unsigned long long rows)
{
    if (totalBytes_ > 0)
        std::fprintf(stderr, "\rspanwright-cli: %llu rows, %.0f of %.0f MB (%.0f%%)", rows,
                     bytesRead_ / BytesPerMegabyte, totalBytes_ / BytesPerMegabyte,
                     100.0 * bytesRead_ / totalBytes_);
    else
        std::fprintf(stderr, "\rspanwright-cli: %llu rows, %.0f MB", rows, bytesRead_ / BytesPerMegabyte);
    std::fflush(stderr);
}
