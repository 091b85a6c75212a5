#include "datetext.h"

#include "text/asciitext.h"
#include "calendar.h"
#include "text/leadingnumber.h"

namespace spanwright {

namespace {

// 1-based month number of a three-letter month name in upper case, 0 if none.
int monthFromName(std::string_view name)
{
    for (size_t i = 0; i < UpperMonthAbbreviations.size(); ++i) {
        if (UpperMonthAbbreviations[i] == name)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

bool reject(DateFields& fields)
{
    fields.Months = 0;
    return false;
}

} // namespace

bool readDateText(std::string_view text, DateFields& fields)
{
    // The separator: the first candidate that occurs at all, whatever its place.
    char sep = 0;
    size_t p1 = std::string_view::npos;
    for (char candidate : {'/', '-', '.', ' '}) {
        p1 = text.find(candidate);
        if (p1 != std::string_view::npos) {
            sep = candidate;
            break;
        }
    }
    if (p1 == std::string_view::npos)
        return reject(fields);

    size_t p2;
    if (sep == ' ') {
        p2 = text.find(", ", p1 + 1);
        char name[3];
        const size_t nameLength = text.size() < 3 ? text.size() : 3;
        for (size_t i = 0; i < nameLength; ++i)
            name[i] = upperAscii(text[i]);
        const int month = monthFromName(std::string_view(name, nameLength));
        if (month == 0)
            return reject(fields);
        fields.Months = month;
    } else {
        p2 = text.find(sep, p1 + 1);
        const LeadingNumber month = readLeadingNumber(text.substr(0, p1));
        if (month.tooLarge)
            return reject(fields);
        fields.Months = month.value;
    }
    if (p2 == std::string_view::npos)
        return reject(fields);
    if (monthLength(fields.Months, 1) == 0)
        return reject(fields);

    const LeadingNumber day = readLeadingNumber(text.substr(p1 + 1, p2 - p1 - 1));
    // In the month-name notation the year piece starts with the comma's blank,
    // which number reading skips.
    const LeadingNumber year = readLeadingNumber(text.substr(p2 + 1));
    if (day.tooLarge || year.tooLarge || year.value == 0)
        return reject(fields);

    // The year decides February's length, so the day is checked last.
    fields.Days = day.value;
    fields.Years = year.value;
    fields.Max_Days = monthLength(fields.Months, fields.Years);
    if (fields.Days > fields.Max_Days)
        return reject(fields);
    return true;
}

} // namespace spanwright
