#pragma once

#include "reading/datetokens.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace spanwright {

// A part of a GEDCOM date value: the tokens of the engine's date tokenizer
// written together between blanks ("1731/32", "9TH", "B.C.", "MONDAY,"), as
// the GEDCOM grammar reads them; a calendar escape is a part of its own
// ("@#DJULIAN@1700" is two). Keywords, months and codes are matched on the
// part's text, numbers read from its first token.
struct GedcomDatePart
{
    size_t begin = 0;
    size_t end = 0;
    size_t tokenCount = 0;
    // The first token; its key is the tokenizer's and gone: never read.
    datepieces::DateToken first;

    std::string_view in(std::string_view text) const { return text.substr(begin, end - begin); }
};

// A value cut into its parts. A phrase, from its "(" on, is a token of the
// last part.
struct GedcomValueParts
{
    std::vector<GedcomDatePart> parts;
    size_t phrase = std::string_view::npos; // where the phrase begins
};

GedcomValueParts gedcomDateParts(std::string_view text);

// The parts before the phrase, for INT <date> (<phrase>).
void dropPhrase(GedcomValueParts& value);

// The parts of one date as its reading goes on: the calendar, the weekday
// and the era are taken off its ends, and a year lent by the other date of
// a range stands after its last part.
class GedcomDateParts
{
public:
    GedcomDateParts(const GedcomDatePart* first, const GedcomDatePart* last) : first_(first), last_(last) {}

    size_t size() const { return size_t(last_ - first_) + (yearLent_ ? 1 : 0); }
    bool empty() const { return size() == 0; }
    // Of the parts written; the lent year has none.
    const GedcomDatePart& operator[](size_t i) const { return first_[i]; }
    const GedcomDatePart& front() const { return *first_; }
    const GedcomDatePart& back() const { return *(last_ - 1); }

    void dropFront() { ++first_; }
    void dropBack() { --last_; }
    void lendYear() { yearLent_ = true; }

private:
    const GedcomDatePart* first_;
    const GedcomDatePart* last_;
    bool yearLent_ = false;
};

// Ten to the power of a count of digits: 10 for one, 100 for two.
long long powerOfTen(size_t digits);

// Digits alone.
bool isPlainNumber(const GedcomDatePart& part);

// A year as written: a dual year ("1731/32", "1611/2", "1698/1699",
// "1702-1703") is the later one, its digits those of the first.
struct WrittenYear
{
    long long year = 0;
    size_t digits = 0;
    bool dual = false;
};
std::optional<WrittenYear> yearOfPart(const GedcomDatePart& part, std::string_view text);

// A day, with an ordinal suffix allowed ("9TH"), or two ("8/9", "8TH/9TH").
struct WrittenDays
{
    long long first = 0;
    long long last = 0;
    bool two = false;
};
std::optional<WrittenDays> daysOfPart(const GedcomDatePart& part, std::string_view text);

} // namespace spanwright
