#include "monthnames.h"

#include "asciitext.h"

#include <array>
#include <initializer_list>

namespace {

constexpr int MonthsPerYear = 12;

constexpr std::array<std::string_view, MonthsPerYear> FullNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Old spellings beside the full name and the three-letter abbreviation,
// January first. Each is a prefix of the name, or the name with letters left
// out and the last kept ("Febry", "Octr").
const std::array<std::initializer_list<std::string_view>, MonthsPerYear> OtherNames = {{
    {"Jany", "Janry", "Janu", "Janr"},
    {"Feby", "Febry", "Febr", "Febru"},
    {"Marc"},
    {"Apl", "Aprl", "Apr"},
    {},
    {"Jne"},
    {"Jly"},
    {"Augt", "Aug", "Agt"},
    {"Sept", "Sepr", "Septr", "Septem", "Sep"},
    {"Octr", "Octo", "Octob"},
    {"Novr", "Novem", "Novemb"},
    {"Decr", "Decem", "Decemb"},
}};

} // namespace

int monthOfName(std::string_view name)
{
    if (name.empty())
        return 0;
    const char first = upperAscii(name.front());
    for (int month = 1; month <= MonthsPerYear; ++month) {
        const std::string_view full = FullNames[month - 1];
        if (full.front() != first) // every spelling keeps the first letter
            continue;
        if (equalsIgnoringCase(name, full) || equalsIgnoringCase(name, full.substr(0, 3)))
            return month;
        for (std::string_view other : OtherNames[month - 1]) {
            if (equalsIgnoringCase(name, other))
                return month;
        }
    }
    return 0;
}

std::string_view fullMonthName(int month)
{
    return month >= 1 && month <= MonthsPerYear ? FullNames[month - 1] : std::string_view();
}
