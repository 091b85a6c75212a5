// Dates of the Ottoman Rumi calendar by its month names, in the Turkish
// spelling or without its letters: "7 Nisan 1327 R.", "15 Şubat 1332",
// "1 Teşrinievvel 1300 Rumi". Mart and Nisan are also the names of March in
// other languages and of a Hebrew month, so that with them the year wants
// its mark: Rumi or Mali (R. after the year, which the Czech dates' "r."
// takes with "Mart", serves Nisan only).
#include "reading/datepieces.h"

#include "calendars/calendars.h"
#include "olddating/oldwords.h"
#include "calendars/rumicalendar.h"

#include <algorithm>

namespace spanwright {

namespace datepieces {

namespace {

constexpr std::string_view RumiMonthNames[RumiMonthsPerYear] = {
    "MART",
    "NISAN",
    "MAYIS",
    "HAZIRAN",
    "TEMMUZ",
    "AGUSTOS|AGOSTOS",
    "EYLUL|EYLUEL",
    "TESRINIEVVEL|TESRIN I EVVEL|TESRINI EVVEL|TESRIN EVVEL|TESRINIEVEL",
    "TESRINISANI|TESRIN I SANI|TESRINI SANI|TESRIN SANI",
    "KANUNUEVVEL|KANUN U EVVEL|KANUNU EVVEL|KANUN EVVEL|KANUNIEVVEL|KANUN I EVVEL",
    "KANUNUSANI|KANUN U SANI|KANUNU SANI|KANUN SANI|KANUNISANI|KANUN I SANI",
    "SUBAT",
};

// The month the words from at name, in one to three words.
int rumiMonthAt(const std::vector<OldWord>& words, size_t at, size_t& taken)
{
    constexpr size_t LongestName = 3;
    for (size_t length = std::min(LongestName, words.size() - at); length >= 1; --length) {
        const std::string phrase = joinedWords(words, at, at + length);
        for (int month = 1; month <= RumiMonthsPerYear; ++month) {
            if (namedBy(RumiMonthNames[month - 1], phrase)) {
                taken = length;
                return month;
            }
        }
    }
    return 0;
}

bool isRumiMark(std::string_view upper)
{
    return upper == "R" || upper == "RUMI" || upper == "MALI";
}

} // namespace

std::optional<DaysRead> rumiDate(std::string_view text, const CalendarContext& context)
{
    const std::optional<std::vector<OldWord>> read = oldWords(text);
    if (!read || read->size() < 3)
        return std::nullopt;
    const std::vector<OldWord>& words = *read;
    size_t at = 0;
    const int day = ordinalOf(words[at].upper);
    size_t taken = 0;
    const int month = day > 0 ? rumiMonthAt(words, ++at, taken) : 0;
    if (month == 0)
        return std::nullopt;
    at += taken;
    if (at >= words.size() || !words[at].number() || words[at].upper.size() != 4)
        return std::nullopt;
    const long long year = numberValue(words[at++].upper);
    const bool marked = at < words.size() && isRumiMark(words[at].upper);
    if (marked)
        ++at;
    if (at != words.size() || (!marked && month <= 2))
        return std::nullopt;
    if (context.mark || context.beforeChrist)
        return refusal("a Rumi date takes no other calendar's mark");
    if (year < FirstRumiYear || year > LastRumiYear)
        return refusal("the Rumi calendar was in use from 1256 to 1341 (1840 to 1925)");
    const Result<Day> rumiDay = rumiDayOf(year, month, day);
    if (!rumiDay)
        return refusal(rumiDay.problem().message);
    Days days;
    days.earliest = days.latest = *rumiDay;
    days.calendar = days.latestCalendar = year < 1333 ? CalendarSystem::Julian : CalendarSystem::Gregorian;
    days.source = CalendarSource::Named;
    const CalendarDay fields = calendarDayOf(days.calendar, *rumiDay);
    days.written = {int(fields.year), fields.month, fields.day, 0};
    days.readAs = std::to_string(day) + " " + std::string(rumiMonthName(month)) + " " + std::to_string(year)
        + " (Rumi)";
    return days;
}

} // namespace datepieces

} // namespace spanwright
