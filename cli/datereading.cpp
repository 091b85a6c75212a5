#include "datereading.h"

#include "quotedtext.h"

std::string readDateFor(std::string_view role, std::string_view text, DateFields& fields)
{
    if (readDateText(text, fields))
        return {};
    return "the " + std::string(role) + " " + quotedExcerpt(text) + " is not a date ("
        + std::string(AcceptedDateForms) + ")";
}

std::string readCalendarDateFor(std::string_view role, std::string_view text, CalendarDate& date)
{
    DateFields fields;
    std::string problem = readDateFor(role, text, fields);
    if (!problem.empty())
        return problem;
    if (const auto calendarDate = calendarDateOf(fields)) {
        date = *calendarDate;
        return {};
    }
    return "the " + std::string(role) + " " + quotedExcerpt(text)
        + " is not a calendar day (whole day from 1 on, year " + std::to_string(FirstCalendarYear)
        + " to " + std::to_string(LastCalendarYear) + ")";
}

std::string readAgeFor(std::string_view role, std::string_view text, Age& age)
{
    const AgeReading reading = readAgeText(text);
    if (reading.ok) {
        age = reading.age;
        return {};
    }
    return "the " + std::string(role) + " " + reading.problem;
}
