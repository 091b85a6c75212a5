#include "reading/datepieces.h"

namespace spanwright {

namespace datepieces {

std::optional<Days> oldWayDate(std::string_view text, const CalendarContext& context)
{
    if (std::optional<Days> days = romanDate(text, context))
        return days;
    if (std::optional<Days> days = hijriDate(text, context))
        return days;
    if (std::optional<Days> days = rumiDate(text, context))
        return days;
    return churchYearDate(text, context);
}

} // namespace datepieces

} // namespace spanwright
