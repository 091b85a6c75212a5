#include "languages/monthnames.h"

#include "languages/languages.h"

#include <array>
#include <string>

namespace spanwright {

namespace {

constexpr int MonthCount = languages::MonthsPerYear;

// The English table's first spelling of each month, with a capital.
const std::array<std::string, MonthCount>& englishNames()
{
    static const std::array<std::string, MonthCount> names = [] {
        std::array<std::string, MonthCount> result;
        const languages::LanguageTable& english = *languages::allTables().front();
        for (size_t month = 0; month < result.size(); ++month) {
            const std::string_view spellings = english.months[month];
            std::string name(spellings.substr(0, spellings.find('|')));
            name.front() = char(name.front() - 'a' + 'A');
            result[month] = name;
        }
        return result;
    }();
    return names;
}

} // namespace

int monthOfName(std::string_view name)
{
    if (name.empty())
        return 0;
    const auto* readings = languages::lexicon().month(languages::lookupKey(name));
    return readings && !readings->ambiguous() ? readings->readings.front().value : 0;
}

std::string_view fullMonthName(int month)
{
    return month >= 1 && month <= MonthCount ? std::string_view(englishNames()[size_t(month - 1)])
                                                : std::string_view();
}

} // namespace spanwright
