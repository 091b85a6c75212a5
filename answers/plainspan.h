#pragma once

#include "reading/datereadoptions.h"
#include "spans/resultentries.h"
#include "textbuffer.h"

#include <string_view>

namespace spanwright {

// The batch's short way through its commonest rows: two numeric dates of
// one day each, Gregorian, in order. The date reader reads them the same
// way, with day numbers and back; this reads the three numbers and counts
// on them, which a batch of a million rows feels.

struct PlainDay
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// Reads text as the date reader reads a numeric date of one day (5/17/1990
// in the order given, 1990-05-17 in every order), where that reading needs
// no rule of its own: three numbers of up to four digits with one
// separator, a year of three digits or more, a month and a day that exist.
// False for anything else, which the date reader then reads, or refuses
// with its reason.
bool readPlainDay(std::string_view text, DateOrder order, PlainDay& day);

struct PlainSpan
{
    int years = 0;
    int months = 0;
    int days = 0;
};

// The span from begin to end by the span rule (span.h's spanBetween);
// false when end is before begin.
bool plainSpanOf(const PlainDay& begin, const PlainDay& end, PlainSpan& span);

// The most bytes appendPlainSpanFields writes.
constexpr size_t MostPlainSpanFieldsBytes = 96;

// The result fields of a span, each after the delimiter, then the empty
// error field's delimiter, as the batch writes them from ResultEntries:
// years, months, days, and the span in its notation, quoted where it holds
// the delimiter.
void appendPlainSpanFields(TextBuffer& out, const PlainSpan& span, Notation notation, char delimiter);

} // namespace spanwright
