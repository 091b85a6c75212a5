// The cost of one calculation without windows: both date texts read, their
// order checked, the span worked out and the four result entries written
// into one ResultEntries that is kept from one calculation to the next, as a
// caller that calculates many spans keeps it. The texts are read as the
// window reads them, and (the rows "reader_...") as the command line and the
// web page read them, by days.

#include "calendars/calendardate.h"
#include "reading/datereader.h"
#include "datetext.h"
#include "spans/resultentries.h"
#include "spans/span.h"
#include "windowspan.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

using namespace spanwright;

namespace {

bool calculate(std::string_view beginText, std::string_view endText, ResultEntries& entries)
{
    DateFields begin, end;
    if (!readDateText(beginText, begin) || !readDateText(endText, end))
        return false;
    if (endsBefore(end, begin))
        return false;
    const Span span = elapsedSpan(begin, end);
    entries.composeCounts(span.Years, span.Months, span.Days);
    return true;
}

// The same through the date reader of the command line.
bool calculateByDays(std::string_view beginText, std::string_view endText, ResultEntries& entries)
{
    const DateResult begin = readDate(beginText);
    const DateResult end = readDate(endText);
    if (!begin || !end || !begin->exact() || !end->exact() || *end->days.earliest < *begin->days.earliest)
        return false;
    entries.compose(
        spanBetween(dateOf(*begin->days.earliest), dateOf(*end->days.earliest)));
    return true;
}

template <bool (*calculate)(std::string_view, std::string_view, ResultEntries&)>
void spanCalculationWith(benchmark::State& state, const char* beginText, const char* endText)
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

constexpr auto spanCalculation = spanCalculationWith<calculate>;
constexpr auto spanCalculationByDays = spanCalculationWith<calculateByDays>;

BENCHMARK_CAPTURE(spanCalculation, numeric, "5/10/1950", "3/1/1990");
BENCHMARK_CAPTURE(spanCalculation, month_names, "May 10, 1950", "Mar 1, 1990");
BENCHMARK_CAPTURE(spanCalculation, fraction_day, "5/5.5/1990", "5/10/1990");
BENCHMARK_CAPTURE(spanCalculationByDays, reader_numeric, "5/10/1950", "3/1/1990");
BENCHMARK_CAPTURE(spanCalculationByDays, reader_month_names, "May 10, 1950", "Mar 1, 1990");
BENCHMARK_CAPTURE(spanCalculationByDays, reader_iso, "1950-05-10", "1990-03-01");
BENCHMARK_CAPTURE(spanCalculationByDays, reader_worded, "the 10th day of May 1950", "Mar. 1st, 1990");
BENCHMARK_CAPTURE(spanCalculationByDays, reader_worded_german, "den 10. Mai 1950", "1. März 1990");
BENCHMARK_CAPTURE(spanCalculationByDays, reader_worded_russian, "10 мая 1950 года", "1 марта 1990 года");

BENCHMARK_MAIN();
