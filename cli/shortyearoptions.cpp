#include "shortyearoptions.h"

#include <CLI/App.hpp>

using namespace spanwright;

namespace {

constexpr long long Hundred = 100;
// The hundred years meant lie within the years a date may have.
constexpr long long FirstFrom = 100;
constexpr long long LastFrom = 9900;

void checkFrom(const char* option, long long from, bool wholeCentury)
{
    if (from < FirstFrom || from > LastFrom || (wholeCentury && from % Hundred != 0))
        throw CLI::ValidationError(option, std::to_string(from)
                                               + (wholeCentury ? " is not the first year of a century from 100 to 9900 (1900, say)"
                                                               : " is not a year from 100 to 9900 (1930, say)"));
}

} // namespace

void addShortYearOptions(CLI::App& command, ShortYears& shortYears)
{
    CLI::Option* century = command.add_option_function<long long>(
        "--century",
        [&shortYears](long long from) {
            checkFrom("--century", from, true);
            shortYears = {ShortYears::Rule::Century, from};
        },
        "Read a numeric date's year of one or two digits in this century: --century 1900 reads 3/3/50 as "
        "3/3/1950 (00 to 99 are 1900 to 1999); without it or --pivot such a year is refused");
    century->type_name("YEAR");
    CLI::Option* pivot = command.add_option_function<long long>(
        "--pivot",
        [&shortYears](long long from) {
            checkFrom("--pivot", from, false);
            shortYears = {ShortYears::Rule::Pivot, from};
        },
        "Read a numeric date's year of one or two digits in the hundred years from this one: --pivot 1930 "
        "reads 30 to 99 as 1930 to 1999 and 00 to 29 as 2000 to 2029");
    pivot->type_name("YEAR");
    century->excludes(pivot);
    pivot->excludes(century);
}
