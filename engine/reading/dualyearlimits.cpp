#include "reading/dualyearlimits.h"

#include "languages/monthnames.h"

namespace spanwright {

namespace {

constexpr int March = 3;
constexpr int LadyDay = 25;
// The last year a dual year names without a mark: 1751/52, as writers kept
// it until Britain's switch in September 1752.
constexpr long long LastBritishDualYear = 1752;

} // namespace

bool beforeLadyDay(int month, int day)
{
    return month < March || (month == March && day < LadyDay);
}

std::optional<std::string> dualYearProblem(long long laterYear, int month, int day, bool julianSaid)
{
    if (month != 0 && !beforeLadyDay(month, day))
        return "a dual year belongs only to 1 January to 24 March, and "
            + (day != 0 ? std::to_string(day) + " " : std::string()) + std::string(fullMonthName(month))
            + " is not among those days";
    if (laterYear > LastBritishDualYear && !julianSaid)
        return "a dual year after 1752 is not Britain's (it left the Julian calendar in 1752): mark the date O.S., "
               "or read it under its place's switch, to read it as Julian";
    return std::nullopt;
}

} // namespace spanwright
