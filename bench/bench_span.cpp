// The cost of one calculation without windows: both date texts read, their
// order checked, the span worked out and the four result entries built.

#include "datetext.h"
#include "resulttext.h"
#include "span.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct Entries
{
    std::string slash, dash, dot, worded;
};

bool calculate(const std::string& beginText, const std::string& endText, Entries& entries)
{
    DateFields begin, end;
    if (!readDateText(beginText, begin) || !readDateText(endText, end))
        return false;
    if (endsBefore(end, begin))
        return false;
    const Span span = elapsedSpan(begin, end);
    std::string years = countText(span.Years);
    std::string months = countText(span.Months);
    std::string days = countText(span.Days);
    stripLeadingBlanks(years);
    stripLeadingBlanks(months);
    stripLeadingBlanks(days);
    entries.slash = numericEntry(months, days, years, "/");
    entries.dash = numericEntry(months, days, years, "-");
    entries.dot = numericEntry(months, days, years, ".");
    entries.worded = wordedEntry(months, days, years);
    return true;
}

void spanCalculation(benchmark::State& state, const char* beginText, const char* endText)
{
    const std::string begin = beginText;
    const std::string end = endText;
    for (auto _ : state) {
        Entries entries;
        const bool done = calculate(begin, end, entries);
        benchmark::DoNotOptimize(done);
        benchmark::DoNotOptimize(entries);
        benchmark::ClobberMemory();
    }
    Entries entries;
    if (!calculate(begin, end, entries))
        state.SkipWithError("the dates were not read");
    state.SetLabel(entries.worded);
}

} // namespace

BENCHMARK_CAPTURE(spanCalculation, numeric, "5/10/1950", "3/1/1990");
BENCHMARK_CAPTURE(spanCalculation, month_names, "May 10, 1950", "Mar 1, 1990");
BENCHMARK_CAPTURE(spanCalculation, fraction_day, "5/5.5/1990", "5/10/1990");

BENCHMARK_MAIN();
