// The cost of one calculation without windows: both date texts read, their
// order checked, the span worked out and the four result entries written
// into one ResultEntries that is kept from one calculation to the next, as a
// caller that calculates many spans keeps it.

#include "datetext.h"
#include "resultentries.h"
#include "span.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

namespace {

bool calculate(std::string_view beginText, std::string_view endText, ResultEntries& entries)
{
    DateFields begin, end;
    if (!readDateText(beginText, begin) || !readDateText(endText, end))
        return false;
    if (endsBefore(end, begin))
        return false;
    entries.compose(elapsedSpan(begin, end));
    return true;
}

void spanCalculation(benchmark::State& state, const char* beginText, const char* endText)
{
    const std::string begin = beginText;
    const std::string end = endText;
    ResultEntries entries;
    for (auto _ : state) {
        const bool done = calculate(begin, end, entries);
        benchmark::DoNotOptimize(done);
        benchmark::DoNotOptimize(entries);
        benchmark::ClobberMemory();
    }
    if (!calculate(begin, end, entries))
        state.SkipWithError("the dates were not read");
    state.SetLabel(std::string(entries.entry(Notation::Worded)));
}

} // namespace

BENCHMARK_CAPTURE(spanCalculation, numeric, "5/10/1950", "3/1/1990");
BENCHMARK_CAPTURE(spanCalculation, month_names, "May 10, 1950", "Mar 1, 1990");
BENCHMARK_CAPTURE(spanCalculation, fraction_day, "5/5.5/1990", "5/10/1990");

BENCHMARK_MAIN();
