#pragma once

#include <chrono>
#include <cstdio>

// A line on standard error that tells how far a long batch has come, shown
// only where a person watches (standard error is a terminal) and only once
// the input is large.
class Progress
{
public:
    // totalBytes is 0 when the size is not known (a pipe). outputOnTerminal:
    // the rows are written to a terminal too.
    Progress(unsigned long long totalBytes, bool outputOnTerminal);

    void update(unsigned long long bytesRead, unsigned long long rows);
    // Takes the line off the terminal, at the end; the next update shows it
    // again.
    void clear();
    // Before rows are written: where they go to a terminal, the line is
    // cleared, so that they never run into it.
    void beforeOutput();

private:
    void show(unsigned long long rows);

    bool enabled_;
    bool shown_ = false;
    bool onScreen_ = false;
    bool outputOnTerminal_;
    int shownLength_ = 0;
    unsigned long long totalBytes_;
    unsigned long long bytesRead_ = 0;
    std::chrono::steady_clock::time_point lastShown_;
};
