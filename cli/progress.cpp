#include "progress.h"

#include <unistd.h>

namespace {

// Inputs below this size end before a person would wait for them.
constexpr unsigned long long ShownFromBytes = 4ull << 20;
constexpr auto ShownEvery = std::chrono::milliseconds(250);
constexpr double BytesPerMegabyte = 1 << 20;

} // namespace

Progress::Progress(unsigned long long totalBytes, bool outputOnTerminal)
    : enabled_(isatty(STDERR_FILENO) == 1), outputOnTerminal_(outputOnTerminal), totalBytes_(totalBytes)
{
}

void Progress::beforeOutput()
{
    if (outputOnTerminal_)
        clear();
}

void Progress::clear()
{
    if (!onScreen_)
        return;
    std::fprintf(stderr, "\r%*s\r", shownLength_, "");
    std::fflush(stderr);
    onScreen_ = false;
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
    int length = 0;
    if (totalBytes_ > 0)
        length = std::fprintf(stderr, "\rspanwright-cli: %llu rows, %.0f of %.0f MB (%.0f%%)", rows,
                              bytesRead_ / BytesPerMegabyte, totalBytes_ / BytesPerMegabyte,
                              100.0 * bytesRead_ / totalBytes_);
    else
        length = std::fprintf(stderr, "\rspanwright-cli: %llu rows, %.0f MB", rows, bytesRead_ / BytesPerMegabyte);
    std::fflush(stderr);
    // The carriage return takes no room on the line.
    shownLength_ = length > 1 ? length - 1 : 0;
    onScreen_ = true;
}
