#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzz run when a property of the engine does not hold. libFuzzer
// treats the abort as a finding and keeps the input that caused it.
[[noreturn]] inline void propertyFailed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : propertyFailed(#condition, __FILE__, __LINE__))
