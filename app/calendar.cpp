#include "calendar.h"

#include <cmath>

namespace spanwright {

bool isLeapYear(double year)
{
    // Below 2^53 in magnitude the whole part converts exactly, so integer
    // arithmetic decides (fmod and trunc are slow library calls).
    if (std::fabs(year) < 9007199254740992.0) {
        const long long y = static_cast<long long>(year);
        if (y != year)
            return false;
        return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    }
    if (!std::isfinite(year) || std::trunc(year) != year)
        return false;
    if (std::fmod(year, 4) != 0)
        return false;
    return std::fmod(year, 100) != 0 || std::fmod(year, 400) == 0;
}

int monthLength(double month, double year)
{
    if (!(month >= 1 && month <= 12) || static_cast<int>(month) != month)
        return 0;
    switch (static_cast<int>(month)) {
    case 2:
        return isLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

} // namespace spanwright
