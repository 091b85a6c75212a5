#pragma once

#include "reading/datereader.h"
#include "spans/resultentries.h"

#include <optional>
#include <string>

namespace spanwright::python {

// The command line's reading options as Python's keyword arguments give
// them: date_order "mdy", "dmy" or "ymd"; switch as --switch takes it;
// year_start "03-25" or "01-01"; century or pivot as --century and
// --pivot. One not valid raises ValueError with the reason.
struct ReadingArguments
{
    std::string dateOrder = "mdy";
    std::optional<std::string> switchText;
    std::optional<std::string> yearStart;
    std::optional<long long> century;
    std::optional<long long> pivot;
};

DateReadOptions readingOptionsOf(const ReadingArguments& arguments);

// notation 1 to 4, as --notation takes it.
Notation notationOf(int notation);

} // namespace spanwright::python
