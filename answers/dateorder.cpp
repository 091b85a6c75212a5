#include "dateorder.h"

namespace spanwright {

std::string dateOrderChoice(DateOrder order)
{
    switch (order) {
    case DateOrder::MonthFirst:
        return "mdy";
    case DateOrder::DayFirst:
        return "dmy";
    case DateOrder::YearFirst:
        return "ymd";
    }
    return {};
}

std::string dateOrderWords(DateOrder order)
{
    switch (order) {
    case DateOrder::MonthFirst:
        return "month first";
    case DateOrder::DayFirst:
        return "day first";
    case DateOrder::YearFirst:
        return "year first";
    }
    return {};
}

std::optional<DateOrder> dateOrderOfChoice(std::string_view choice)
{
    for (DateOrder order : {DateOrder::MonthFirst, DateOrder::DayFirst, DateOrder::YearFirst}) {
        if (choice == dateOrderChoice(order))
            return order;
    }
    return std::nullopt;
}

} // namespace spanwright
