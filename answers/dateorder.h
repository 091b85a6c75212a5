#pragma once

#include "reading/datereader.h"

#include <optional>
#include <string>
#include <string_view>

namespace spanwright {

// The names of the date orders: "mdy", "dmy", "ymd" as --date-order takes
// them, and in words for messages.
constexpr std::string_view DefaultDateOrderChoice = "mdy";

std::string dateOrderChoice(DateOrder order);
std::string dateOrderWords(DateOrder order); // "month first"
// The order a choice names, or nothing.
std::optional<DateOrder> dateOrderOfChoice(std::string_view choice);

} // namespace spanwright
