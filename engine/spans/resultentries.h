#pragma once

#include "resulttext.h"

#include <spanwright/yearsmonthsdays.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace spanwright {

// The four entries of the result list, in its order.
enum class Notation { Slash = 1, Dash = 2, Dot = 3, Worded = 4 };
constexpr int NotationCount = 4;

// Holds the four entries for one span; its storage is reused from one
// compose() to the next, so that a caller that keeps one object calculates
// without allocating. The entries show the months, days and years without
// a blank before them:
//   1  9/19/39     months, days and years joined by "/"
//   2  9-19-39     the same joined by "-"
//   3  9.19.39     the same joined by "."
//   4  39 Year(s), 9 month(s), 19 day(s)
// Until the first compose() every entry is empty. The views stay valid until
// the next compose() and while the object lives.
class ResultEntries
{
public:
    // Writes all four entries: for a span, or for counts that need not be
    // whole (the window's fields may hold a day of 5.5).
    void compose(const YearsMonthsDays& span);
    void composeCounts(double yearCount, double monthCount, double dayCount);
    std::string_view entry(Notation notation) const;
    // 1-based position in the list, 1..4; any other position is a caller's
    // fault: asserted, and an empty view where asserts are off.
    std::string_view entry(int position) const;

    // The counts as the entries show them: "39", "-2", "4.5".
    std::string_view years() const;
    std::string_view months() const;
    std::string_view days() const;

private:
    // " Year(s), ", " month(s), " and " day(s)".
    static constexpr std::size_t WordedPiecesLength = 28;
    static constexpr std::size_t NumericCapacity = 3 * MaxCountLength + 2;
    static constexpr std::size_t WordedCapacity = 3 * MaxCountLength + WordedPiecesLength;

    // The three numeric entries, then the worded one. Deliberately not
    // initialised: compose() writes every character that is read.
    std::array<char, 3 * NumericCapacity + WordedCapacity> text_;
    std::size_t monthsLength_ = 0;
    std::size_t daysLength_ = 0;
    std::size_t yearsLength_ = 0;
    std::size_t numericLength_ = 0;
    std::size_t wordedLength_ = 0;
};

// The worded entry for one span as a string of its own, for texts that name
// a span in a sentence: "79 Year(s), 9 month(s), 29 day(s)".
std::string wordedSpan(const YearsMonthsDays& span);

} // namespace spanwright
