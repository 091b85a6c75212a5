#pragma once

#include <chrono>
#include <cstdio>

// A line on standard error that tells how far a long batch has come, shown
// only where a person watches (standard error is a terminal) and only once
// the input is large.
class Progress
{
public:
    // totalBytes is 0 when the size is not known (a pipe).
    explicit Progress(unsigned long long totalBytes);

    void update(unsigned long long bytesRead, unsigned long long rows);
    // The final count, where the line was shown.
    void finish(unsigned long long rows);

private:
    void show(unsigned long long rows);

    bool enabled_;
    bool shown_ = false;
    unsigned long long totalBytes_;
    unsigned long long bytesRead_ = 0;
    std::chrono::steady_clock::time_point lastShown_;
};
