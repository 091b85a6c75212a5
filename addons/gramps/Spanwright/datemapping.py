"""Gramps' dates as the GEDCOM date values Spanwright's check reads.

Every field of a Gramps Date that changes which days it allows is carried:
the calendar (as @#DJULIAN@, @#DHEBREW@, @#DFRENCH R@), the modifier
(BEF, AFT, ABT, BET ... AND, FROM ... TO), the quality (EST, CAL), years
before Christ, and dual-dated years (Gramps keeps the later year of
1700/01, the year that began on 1 January, which is the year the check
reads for a dual year too). A date this cannot carry without changing its
meaning is not guessed at: it comes back refused, with the reason."""

from gramps.gen.lib import Date

MONTHS = ["", "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"]
HEBREW_MONTHS = ["", "TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS",
                 "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"]
FRENCH_MONTHS = ["", "VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
                 "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"]

CALENDARS = {
    Date.CAL_GREGORIAN: ("", MONTHS),
    Date.CAL_JULIAN: ("@#DJULIAN@ ", MONTHS),
    Date.CAL_HEBREW: ("@#DHEBREW@ ", HEBREW_MONTHS),
    Date.CAL_FRENCH: ("@#DFRENCH R@ ", FRENCH_MONTHS),
}
CALENDAR_NAMES = {
    Date.CAL_ISLAMIC: "Islamic",
    Date.CAL_PERSIAN: "Persian",
    Date.CAL_SWEDISH: "Swedish",
}
QUALITIES = {Date.QUAL_ESTIMATED: "EST ", Date.QUAL_CALCULATED: "CAL "}
ONE_SIDED = {Date.MOD_BEFORE: "BEF ", Date.MOD_AFTER: "AFT ", Date.MOD_ABOUT: "ABT "}
# Gramps 5.2 and later have "from" and "to" alone; 5.1 keeps them as text.
for _name, _prefix in (("MOD_FROM", "FROM "), ("MOD_TO", "TO ")):
    if hasattr(Date, _name):
        ONE_SIDED[getattr(Date, _name)] = _prefix
TWO_SIDED = {Date.MOD_RANGE: ("BET ", " AND "), Date.MOD_SPAN: ("FROM ", " TO ")}


class DateValue:
    """A GEDCOM DATE value, or the reason there is none."""

    def __init__(self, value=None, refused=None):
        self.value = value
        self.refused = refused

    def __repr__(self):
        return "DateValue(%r, %r)" % (self.value, self.refused)


def _day_text(day, month, year, months, year_format):
    if year == 0:
        raise ValueError("it has no year")
    if day and not month:
        raise ValueError("it has a day without its month")
    if month >= len(months):
        raise ValueError("it has no month %d" % month)
    text = year_format % abs(year) + (" B.C." if year < 0 else "")
    if month:
        text = months[month] + " " + text
    if day:
        text = "%d %s" % (day, text)
    return text


def _refusal(date):
    calendar = date.get_calendar()
    if calendar in CALENDAR_NAMES:
        return "the check has no %s calendar" % CALENDAR_NAMES[calendar]
    if calendar not in CALENDARS:
        return "its calendar (%s) is unknown to the check" % calendar
    if date.get_new_year():
        # Gramps puts a day on or after the new year's day into the year
        # before the one written; the old reckoning puts a day before it
        # into the year after. The two never give the same day, so neither
        # is taken.
        return "its year begins on another day than 1 January (%s)" % date.newyear_to_str()
    quality = date.get_quality()
    modifier = date.get_modifier()
    if quality != Date.QUAL_NONE and modifier not in (Date.MOD_NONE, Date.MOD_ABOUT):
        # GEDCOM has no estimated bound: BEF 1800 would make it exact.
        return "GEDCOM has no estimated or calculated date with before, after or a range"
    return None


def gedcom_date(date, four_digit_years=False):
    """The GEDCOM value of a gramps.gen.lib.Date, as a DateValue; an empty
    date is DateValue(None). four_digit_years writes the year 20 as 0020,
    for spanwright.span, which reads a year of two digits alone as no year;
    the check's GEDCOM reader takes both, and its findings quote the text."""
    if date is None or date.is_empty() and not date.get_text().strip():
        return DateValue()
    modifier = date.get_modifier()
    if modifier == Date.MOD_TEXTONLY or date.get_start_date() == Date.EMPTY:
        # What Gramps could not read is handed on as its text: the check
        # reads it as its writer meant or refuses it.
        text = " ".join(date.get_text().split())
        return DateValue(text) if text else DateValue()
    reason = _refusal(date)
    if reason:
        return DateValue(refused=reason)
    prefix, months = CALENDARS[date.get_calendar()]
    year_format = "%04d" if four_digit_years else "%d"
    try:
        start = prefix + _day_text(*date.get_start_date()[0:3], months, year_format)
        if modifier in TWO_SIDED:
            stop = prefix + _day_text(*date.get_stop_date()[0:3], months, year_format)
            first, second = TWO_SIDED[modifier]
            return DateValue(first + start + second + stop)
    except ValueError as error:
        return DateValue(refused=str(error))
    if modifier in ONE_SIDED:
        return DateValue(ONE_SIDED[modifier] + start)
    if modifier != Date.MOD_NONE:
        return DateValue(refused="its modifier (%s) is unknown to the check" % modifier)
    return DateValue(QUALITIES.get(date.get_quality(), "") + start)
