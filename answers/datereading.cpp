#include "datereading.h"

#include "dateorder.h"
#include "text/quotedtext.h"

namespace spanwright {

Result<DateReading> readDateFor(std::string_view role, std::string_view text, const DateReadOptions& options)
{
    DateResult reading = readDate(text, options);
    if (reading)
        return std::move(*reading);
    const DateRefusal& refusal = reading.problem();
    std::string problem = "the " + std::string(role) + " " + refusal.message;
    if (refusal.readsInOrder)
        problem += ": give --date-order " + dateOrderChoice(*refusal.readsInOrder);
    if (refusal.shortYear)
        problem += ": give --century 1900 or --pivot 1930, or write the year whole (0050 for the year 50)";
    return Problem{refusal.kind, std::move(problem)};
}

Result<CalendarDate> readCalendarDateFor(std::string_view role, std::string_view text,
                                         const DateReadOptions& options)
{
    const Result<DateReading> reading = readDateFor(role, text, options);
    if (!reading)
        return reading.problem();
    if (!reading->exact())
        return Problem{ProblemKind::NotRead, "the " + std::string(role) + " " + quotedExcerpt(text)
                                                 + " is not one day (it is read as " + dateReadingText(*reading)
                                                 + ")"};
    return dateOf(*reading->days.earliest);
}

} // namespace spanwright
