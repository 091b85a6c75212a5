#pragma once

#include "reading/age.h"
#include "gedcomage.h"
#include "gedcomagecheck.h"
#include "gedcomdate.h"
#include "gedcomspancalendar.h"

#include <optional>

namespace spanwright {

// The tree check's rules over the days that dates allow (see GedcomDate).
// A rule is broken "for certain" when every reading of the dates breaks
// it, "possibly" when some readings do and others do not.
//
// Two kinds of reading do not count towards "possibly", so that a partial
// date raises no alarm the file does not support: the days beyond the bound
// of a date open to one side (BEF 1900 is read as 1899 there), since "before
// 1900" says nothing of how long before; and nothing makes a finding on an
// approximate date (ABT, CAL, EST) certain, since the event may lie outside
// the days written.
enum class Certainty { None, Possible, Certain };

// An open side closed at the date's bound, for the readings that count
// towards "possibly".
GedcomDate closedAtBound(const GedcomDate& date);

// later lies more than days after earlier (days = 0: later is after
// earlier; the same day is not after).
Certainty laterByMoreThan(const GedcomDate& later, const GedcomDate& earlier, long long days);

// The two dates lie more than least and fewer than most days apart, in
// either order.
Certainty apartBetween(const GedcomDate& a, const GedcomDate& b, long long least, long long most);

// The span from a birth to an event, over the readings in which the event
// is not before the birth, is shorter than threshold (younger) or longer
// (older). No reading with the event on or after the birth: None.
Certainty youngerThan(const GedcomDate& birth, const GedcomDate& event, const Age& threshold,
                      const GedcomSpanCalendar& calendar);
Certainty olderThan(const GedcomDate& birth, const GedcomDate& event, const Age& threshold,
                    const GedcomSpanCalendar& calendar);

// A stated age at death that the dates contradict: for certain when no
// reading gives it (the report's "disagrees"), possibly when some do not.
// An age no span can have (see StatedAge::meetable) is not checked.
Certainty statedAgeContradicted(const GedcomDate& birth, const GedcomDate& death, const StatedAge& stated,
                                const GedcomSpanCalendar& calendar);

// The calendar the span between two dates is counted in: Julian when both
// are, as in the report.
GedcomSpanCalendar spanCalendarOf(const GedcomDate& a, const GedcomDate& b);

} // namespace spanwright
