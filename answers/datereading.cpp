#include "datereading.h"

#include "dateorder.h"
#include "text/quotedtext.h"

namespace spanwright {

std::string readDateFor(std::string_view role, std::string_view text, const DateReadOptions& options,
                        DateReading& reading)
{
    reading = readDate(text, options);
    if (reading.ok)
        return {};
    std::string problem = "the " + std::string(role) + " " + reading.problem;
    if (reading.readsInOrder)
        problem += ": give --date-order " + dateOrderChoice(*reading.readsInOrder);
    if (reading.shortYear)
        problem += ": give --century 1900 or --pivot 1930, or write the year whole (0050 for the year 50)";
    return problem;
}

std::string readCalendarDateFor(std::string_view role, std::string_view text, CalendarDate& date,
                                const DateReadOptions& options)
{
    DateReading reading;
    std::string problem = readDateFor(role, text, options, reading);
    if (!problem.empty())
        return problem;
    if (!reading.exact())
        return "the " + std::string(role) + " " + quotedExcerpt(text) + " is not one day (it is read as "
            + dateReadingText(reading) + ")";
    date = dateOfDayNumber(*reading.earliest);
    return {};
}

} // namespace spanwright
