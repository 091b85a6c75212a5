#include "readingoptions.h"

#include "reading/calendarswitches.h"
#include "dateorder.h"

#include <pybind11/pybind11.h>

namespace spanwright::python {

namespace {

constexpr long long Hundred = 100;
// The hundred years meant lie within the years a date may have.
constexpr long long FirstFrom = 100;
constexpr long long LastFrom = 9900;

void checkFrom(const char* argument, long long from, bool wholeCentury)
{
    if (from < FirstFrom || from > LastFrom || (wholeCentury && from % Hundred != 0))
        throw pybind11::value_error(std::string(argument) + ": " + std::to_string(from)
                                    + (wholeCentury ? " is not the first year of a century from 100 to 9900 (1900, say)"
                                                    : " is not a year from 100 to 9900 (1930, say)"));
}

} // namespace

DateReadOptions readingOptionsOf(const ReadingArguments& arguments)
{
    DateReadOptions options;
    const std::optional<DateOrder> order = dateOrderOfChoice(arguments.dateOrder);
    if (!order)
        throw pybind11::value_error("date_order: \"" + arguments.dateOrder + "\" is not a date order: mdy, dmy or ymd");
    options.order = *order;
    if (arguments.switchText) {
        const Result<Day> firstGregorianDay = readCalendarSwitch(*arguments.switchText);
        if (!firstGregorianDay)
            throw pybind11::value_error("switch: " + firstGregorianDay.problem().message);
        options.calendar.firstGregorianDay = *firstGregorianDay;
    }
    if (arguments.yearStart) {
        if (*arguments.yearStart != "03-25" && *arguments.yearStart != "01-01")
            throw pybind11::value_error("year_start: \"" + *arguments.yearStart + "\" is not a year start: 03-25 or 01-01");
        options.calendar.yearBeginsOn25March = *arguments.yearStart == "03-25";
    }
    if (arguments.century && arguments.pivot)
        throw pybind11::value_error("century and pivot exclude each other: give one");
    if (arguments.century) {
        checkFrom("century", *arguments.century, true);
        options.shortYears = {ShortYears::Rule::Century, *arguments.century};
    }
    if (arguments.pivot) {
        checkFrom("pivot", *arguments.pivot, false);
        options.shortYears = {ShortYears::Rule::Pivot, *arguments.pivot};
    }
    return options;
}

Notation notationOf(int notation)
{
    if (notation < 1 || notation > NotationCount)
        throw pybind11::value_error("notation: " + std::to_string(notation)
                                    + " is not a notation: 1 months/days/years, 2 months-days-years, "
                                      "3 months.days.years or 4 worded");
    return static_cast<Notation>(notation);
}

} // namespace spanwright::python
