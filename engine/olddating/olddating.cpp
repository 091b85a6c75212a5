#include "reading/datepieces.h"

namespace spanwright {

namespace datepieces {

std::optional<DaysRead> oldWayDate(std::string_view text, const CalendarContext& context)
{
    if (std::optional<DaysRead> days = romanDate(text, context))
        return days;
    if (std::optional<DaysRead> days = hijriDate(text, context))
        return days;
    if (std::optional<DaysRead> days = rumiDate(text, context))
        return days;
    return churchYearDate(text, context);
}

} // namespace datepieces

} // namespace spanwright
