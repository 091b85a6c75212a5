#include "datepieces.h"

namespace spanwright {

namespace datepieces {

std::optional<Days> oldWayDate(std::string_view text, const CalendarContext& context)
{
    return churchYearDate(text, context);
}

} // namespace datepieces

} // namespace spanwright
