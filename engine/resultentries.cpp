#include "resultentries.h"

#include "resulttext.h"

#include <cassert>

void ResultEntries::compose(const Span& span)
{
    std::string months = countText(span.Months);
    std::string days = countText(span.Days);
    std::string years = countText(span.Years);
    stripLeadingBlanks(months);
    stripLeadingBlanks(days);
    stripLeadingBlanks(years);
    entries_[0] = numericEntry(months, days, years, "/");
    entries_[1] = numericEntry(months, days, years, "-");
    entries_[2] = numericEntry(months, days, years, ".");
    entries_[3] = wordedEntry(months, days, years);
}

std::string_view ResultEntries::entry(Notation notation) const
{
    return entry(static_cast<int>(notation));
}

std::string_view ResultEntries::entry(int position) const
{
    assert(position >= 1 && position <= NotationCount);
    return entries_[static_cast<size_t>(position - 1)];
}
