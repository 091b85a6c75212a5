#include "spans/resultentries.h"

#include <cassert>
#include <cstring>

namespace spanwright {

namespace {

constexpr std::string_view YearsWord = " Year(s), ";
constexpr std::string_view MonthsWord = " month(s), ";
constexpr std::string_view DaysWord = " day(s)";

char* append(char* out, const char* text, std::size_t length)
{
    std::memcpy(out, text, length);
    return out + length;
}

char* append(char* out, std::string_view text)
{
    return append(out, text.data(), text.size());
}

} // namespace

void ResultEntries::compose(const YearsMonthsDays& span)
{
    composeCounts(double(span.years), double(span.months), double(span.days));
}

void ResultEntries::composeCounts(double yearCount, double monthCount, double dayCount)
{
    static_assert(YearsWord.size() + MonthsWord.size() + DaysWord.size() == WordedPiecesLength);

    // The counts are written once, into the "/" entry; the other entries copy
    // them from there.
    char* const slash = text_.data();
    char* out = writeCount(slash, monthCount);
    monthsLength_ = static_cast<std::size_t>(out - slash);
    *out++ = '/';
    out = writeCount(out, dayCount);
    daysLength_ = static_cast<std::size_t>(out - slash) - monthsLength_ - 1;
    *out++ = '/';
    out = writeCount(out, yearCount);
    numericLength_ = static_cast<std::size_t>(out - slash);
    yearsLength_ = numericLength_ - monthsLength_ - daysLength_ - 2;

    for (const char separator : {'-', '.'}) {
        std::memcpy(out, slash, numericLength_);
        out[monthsLength_] = separator;
        out[monthsLength_ + 1 + daysLength_] = separator;
        out += numericLength_;
    }

    char* const worded = out;
    out = append(out, years());
    out = append(out, YearsWord);
    out = append(out, months());
    out = append(out, MonthsWord);
    out = append(out, days());
    out = append(out, DaysWord);
    wordedLength_ = static_cast<std::size_t>(out - worded);
}

std::string_view ResultEntries::entry(Notation notation) const
{
    return entry(static_cast<int>(notation));
}

std::string_view ResultEntries::entry(int position) const
{
    assert(position >= 1 && position <= NotationCount);
    if (position == static_cast<int>(Notation::Worded))
        return {text_.data() + 3 * numericLength_, wordedLength_};
    if (position < 1 || position > NotationCount)
        return {};
    return {text_.data() + static_cast<std::size_t>(position - 1) * numericLength_, numericLength_};
}

std::string_view ResultEntries::years() const
{
    return {text_.data() + monthsLength_ + 1 + daysLength_ + 1, yearsLength_};
}

std::string_view ResultEntries::months() const
{
    return {text_.data(), monthsLength_};
}

std::string_view ResultEntries::days() const
{
    return {text_.data() + monthsLength_ + 1, daysLength_};
}

std::string wordedSpan(const YearsMonthsDays& span)
{
    ResultEntries entries;
    entries.compose(span);
    return std::string(entries.entry(Notation::Worded));
}

} // namespace spanwright
