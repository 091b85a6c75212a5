#include "datereading.h"

namespace {

std::string quotedText(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string argumentProblemMessage(const std::string& problem)
{
    constexpr std::string_view NotADate = "is not a date";
    if (problem.size() >= NotADate.size()
        && problem.compare(problem.size() - NotADate.size(), NotADate.size(), NotADate) == 0)
        return problem + " (" + std::string(AcceptedDateForms) + ")";
    return problem;
}

std::string readDateFor(std::string_view role, std::string_view text, DateFields& fields)
{
    if (readDateText(text, fields))
        return {};
    return "the " + std::string(role) + " " + quotedText(text) + " is not a date";
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
    return "the " + std::string(role) + " " + quotedText(text)
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
    return "the " + std::string(role) + " is not an age: " + reading.problem;
}
