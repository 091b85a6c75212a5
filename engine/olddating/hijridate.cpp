// Dates of the Islamic and the Persian Solar Hijri calendars by their month
// names in their common English, French and Turkish transliterations:
// "12 Ramadan 1250 AH", "Rabi' al-awwal 3, 1300 A.H.", "1 Muharrem 1255",
// "1 Farvardin 1304", "Esfand 1350 SH". The Islamic dates are those of the
// tabular calendar (islamiccalendar.h) and answers say so.
#include "reading/datepieces.h"

#include "calendars/calendars.h"
#include "calendars/islamiccalendar.h"
#include "olddating/oldwords.h"
#include "calendars/persiancalendar.h"

#include <algorithm>

namespace spanwright {

namespace datepieces {

namespace {

enum class Hijri : unsigned char { Islamic, Persian };

struct HijriMonth
{
    Hijri calendar;
    int month;
    std::string_view names; // '|' between, apostrophes left out
};

constexpr HijriMonth HijriMonths[] = {
    {Hijri::Islamic, 1, "MUHARRAM|MOHARRAM|MUHARREM|MOHARREM"},
    {Hijri::Islamic, 2, "SAFAR|SAFER|SAPHAR"},
    {Hijri::Islamic, 3, "RABI I|RABI AL AWWAL|RABI UL AWWAL|RABI AL AWAL|RABIULEVVEL|REBIULEVVEL|REBIUELEVVEL|"
                        "RABIA I|RABI EL AOUEL"},
    {Hijri::Islamic, 4, "RABI II|RABI AL THANI|RABI AL AKHIR|RABI UL AKHIR|RABI UTH THANI|RABIULAHIR|REBIULAHIR|"
                        "REBIUELAHIR|RABIA II|RABI ETH THANI"},
    {Hijri::Islamic, 5, "JUMADA I|JUMADA AL AWWAL|JUMADA AL ULA|JUMADA UL AWWAL|JUMADA AL OULA|CEMAZIYELEVVEL|"
                        "CEMAZIELEVVEL|DJOUMADA I"},
    {Hijri::Islamic, 6, "JUMADA II|JUMADA AL THANI|JUMADA AL THANIYA|JUMADA AL AKHIRA|JUMADA AL UKHRA|"
                        "JUMADA UL AKHIR|CEMAZIYELAHIR|CEMAZIELAHIR|DJOUMADA II"},
    {Hijri::Islamic, 7, "RAJAB|RADJAB|RECEB|REDJEB"},
    {Hijri::Islamic, 8, "SHABAN|SHAABAN|SABAN|CHABAN"},
    {Hijri::Islamic, 9, "RAMADAN|RAMAZAN|RAMADHAN|RAMADAN"},
    {Hijri::Islamic, 10, "SHAWWAL|SHAWAL|SEVVAL|CHAOUAL"},
    {Hijri::Islamic, 11, "DHU AL QADAH|DHU AL QADA|DHU AL QIDAH|DHUL QADA|DHUL QADAH|DHUL QIDAH|DHU L QADA|"
                         "ZILKADE|ZULKADE|ZILKADE|ZUL QADA|DHOU AL QIDA"},
    {Hijri::Islamic, 12, "DHU AL HIJJAH|DHU AL HIJJA|DHUL HIJJA|DHUL HIJJAH|DHU L HIJJA|ZILHICCE|ZULHICCE|"
                         "ZUL HIJJA|DHOU AL HIDJA"},
    {Hijri::Persian, 1, "FARVARDIN"},
    {Hijri::Persian, 2, "ORDIBEHESHT|ARDIBEHESHT"},
    {Hijri::Persian, 3, "KHORDAD"},
    {Hijri::Persian, 4, "TIR"},
    {Hijri::Persian, 5, "MORDAD|AMORDAD"},
    {Hijri::Persian, 6, "SHAHRIVAR|SHAHREVAR"},
    {Hijri::Persian, 7, "MEHR|MIHR"},
    {Hijri::Persian, 8, "ABAN"},
    {Hijri::Persian, 9, "AZAR|ADHAR"},
    {Hijri::Persian, 10, "DEY|DEI"},
    {Hijri::Persian, 11, "BAHMAN"},
    {Hijri::Persian, 12, "ESFAND|ESPAND|ISFAND"},
};

std::string withoutApostrophes(std::string word)
{
    word.erase(std::remove(word.begin(), word.end(), '\''), word.end());
    return word;
}

// The month the words from at name, in one to four words; words says how
// many.
const HijriMonth* monthAt(const std::vector<OldWord>& words, size_t at, size_t& taken)
{
    constexpr size_t LongestName = 4;
    for (size_t length = std::min(LongestName, words.size() - at); length >= 1; --length) {
        std::string phrase;
        for (size_t i = at; i < at + length; ++i)
            phrase += (phrase.empty() ? "" : " ") + withoutApostrophes(words[i].upper);
        for (const HijriMonth& month : HijriMonths) {
            if (namedBy(month.names, phrase)) {
                taken = length;
                return &month;
            }
        }
    }
    return nullptr;
}

bool isEraMark(Hijri calendar, std::string_view upper)
{
    if (calendar == Hijri::Islamic)
        return upper == "AH" || upper == "H" || upper == "HIJRI";
    return upper == "AP" || upper == "SH" || upper == "HS" || upper == "HSH";
}

struct HijriParts
{
    const HijriMonth* month = nullptr;
    int day = 0; // 0 for the whole month
    long long year = 0;
};

// "12 Ramadan 1250 AH", "Ramadan 12, 1250", "Ramadan 1250": the parts, or
// false where the words are none of these.
bool hijriParts(const std::vector<OldWord>& words, HijriParts& parts)
{
    size_t at = 0;
    if (at < words.size() && words[at].upper == "THE")
        ++at;
    if (at < words.size() && (parts.day = ordinalOf(words[at].upper)) > 0)
        ++at;
    size_t taken = 0;
    if (at >= words.size() || !(parts.month = monthAt(words, at, taken)))
        return false;
    at += taken;
    if (parts.day == 0 && at + 1 < words.size() && (parts.day = ordinalOf(words[at].upper)) > 0)
        ++at;
    if (at >= words.size() || !words[at].number() || words[at].upper.size() > 4)
        return false;
    parts.year = numberValue(words[at].upper);
    ++at;
    if (at < words.size() && isEraMark(parts.month->calendar, words[at].upper))
        ++at;
    return at == words.size() && parts.year >= 1;
}

} // namespace

std::optional<DaysRead> hijriDate(std::string_view text, const CalendarContext& context)
{
    const std::optional<std::vector<OldWord>> read = oldWords(text);
    HijriParts parts;
    if (!read || read->empty() || !hijriParts(*read, parts))
        return std::nullopt;
    const bool islamic = parts.month->calendar == Hijri::Islamic;
    const std::string calendar = islamic ? "Islamic" : "Persian";
    if (context.mark || context.beforeChrist)
        return refusal("the " + calendar + " month contradicts the calendar mark");
    const int month = parts.month->month;
    const long long year = parts.year;
    const int length = islamic ? islamicMonthLength(month, year) : persianMonthLength(month, year);
    if (parts.day > length)
        return refusal(std::string(islamic ? islamicMonthName(month) : persianMonthName(month)) + " "
                       + std::to_string(year) + " has " + std::to_string(length) + " days");
    if (!islamic && (year < FirstPersianYear || year > LastPersianYear))
        return refusal("Persian years are read from " + std::to_string(FirstPersianYear) + " to "
                       + std::to_string(LastPersianYear) + ", where the arithmetic leap rule keeps to the equinox");
    const auto dayOfMonth = [&](int day) {
        return islamic ? islamicDayOf({year, month, day}) : persianDayOf({year, month, day});
    };
    Days days;
    days.earliest = dayOfMonth(parts.day == 0 ? 1 : parts.day);
    days.latest = dayOfMonth(parts.day == 0 ? length : parts.day);
    if (days.earliest < earliestReadDay() || days.latest > latestReadDay())
        return refusal("it lies outside 9999 BC to AD 9999 of the Gregorian calendar");
    // Written back in the calendar of Christian records of its day.
    const auto christian = [](Day day) {
        return day < dayOf({1582, 10, 15}) ? CalendarSystem::Julian : CalendarSystem::Gregorian;
    };
    days.calendar = christian(days.earliest);
    days.latestCalendar = christian(days.latest);
    days.source = CalendarSource::Named;
    const CalendarDay fields = calendarDayOf(days.calendar, days.earliest);
    days.written = {int(fields.year), parts.day == 0 ? 0 : fields.month, parts.day == 0 ? 0 : fields.day, 0};
    const std::string monthName(islamic ? islamicMonthName(month) : persianMonthName(month));
    days.readAs = (parts.day == 0 ? "" : std::to_string(parts.day) + " ") + monthName + " " + std::to_string(year)
        + (islamic ? " AH (Islamic, tabular)" : " AP (Persian Solar Hijri)");
    constexpr int SightedMonthDaysApart = 2;
    days.observedDaysApart = islamic ? SightedMonthDaysApart : 0;
    return days;
}

} // namespace datepieces

} // namespace spanwright
