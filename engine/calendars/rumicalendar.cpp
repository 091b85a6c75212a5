#include "calendars/rumicalendar.h"

#include "calendars/calendardate.h"
#include "calendars/juliancalendar.h"

#include <array>
#include <utility>

namespace spanwright {

namespace {

constexpr long long YearsBehind = 584;
constexpr int Kanunusani = 11; // January
constexpr int Subat = 12;      // February
constexpr long long YearOfTheChange = 1333;
constexpr int LastJulianDayOfSubat1332 = 15;

constexpr std::array<std::string_view, RumiMonthsPerYear> MonthNames = {
    "Mart", "Nisan", "Mayis", "Haziran", "Temmuz", "Agustos",
    "Eylul", "Tesrinievvel", "Tesrinisani", "Kanunuevvel", "Kanunusani", "Subat"};

// The Christian year and month of a Rumi month.
CalendarDate christianOf(long long year, int month, int day)
{
    const int christianMonth = month < Kanunusani ? month + 2 : month - 10;
    return {year + YearsBehind + (month >= Kanunusani ? 1 : 0), christianMonth, day};
}

Day firstRumiDay() { return julianDayOf({FirstRumiYear + YearsBehind, 3, 1}); }
Day firstGregorianRumiDay() { return dayOf({YearOfTheChange + YearsBehind, 3, 1}); }
Day lastRumiDay() { return dayOf({LastRumiYear + YearsBehind, 12, 31}); }

} // namespace

Result<Day> rumiDayOf(long long year, int month, int day)
{
    const auto notRead = [](std::string message) { return Problem{ProblemKind::NotRead, std::move(message)}; };
    const bool inMonths = month >= 1 && month <= RumiMonthsPerYear;
    const Problem noSuchDay = notRead(std::to_string(day) + " "
                                      + (inMonths ? std::string(rumiMonthName(month)) : "month " + std::to_string(month))
                                      + " " + std::to_string(year) + " is not a day of the Rumi calendar");
    if (year < FirstRumiYear || year > LastRumiYear || !inMonths || day < 1)
        return noSuchDay;
    const CalendarDate christian = christianOf(year, month, day);
    if (year < YearOfTheChange) {
        if (day > julianMonthLength(christian.month, christian.year))
            return noSuchDay;
        if (year == YearOfTheChange - 1 && month == Subat && day > LastJulianDayOfSubat1332)
            return notRead("16 to 28 Subat 1332 were left out: 15 Subat 1332 was followed by 1 Mart 1333");
        return julianDayOf(christian);
    }
    if (month >= Kanunusani)
        return notRead("the sources disagree whether the Rumi years from 1333 began on 1 March or on 1 January, so "
                       "Kanunusani and Subat of " + std::to_string(year) + " may be either year's");
    if (day > daysInMonth(christian.month, christian.year))
        return noSuchDay;
    return dayOf(christian);
}

std::string rumiDayText(Day day)
{
    if (day < firstRumiDay() || day > lastRumiDay())
        return {};
    const bool julian = day < firstGregorianRumiDay();
    const CalendarDate christian = julian ? julianDateOf(day) : dateOf(day);
    const int month = christian.month >= 3 ? christian.month - 2 : christian.month + 10;
    const long long year = christian.year - YearsBehind - (month >= Kanunusani ? 1 : 0);
    const std::string text = std::to_string(christian.day) + " " + std::string(MonthNames[size_t(month - 1)]) + " ";
    if (!julian && month >= Kanunusani)
        return text + std::to_string(year) + " or " + std::to_string(year + 1)
            + " (the sources disagree whether the year began on 1 March or on 1 January)";
    return text + std::to_string(year);
}

std::string_view rumiMonthName(int month)
{
    return month >= 1 && month <= RumiMonthsPerYear ? MonthNames[size_t(month - 1)] : std::string_view();
}

} // namespace spanwright
