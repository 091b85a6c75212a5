// Quaker (Friends') dates, which number the months: 3rd day of 11th month
// 1720, 3d 11th mo. 1720, 11th mo. 3, 1720, 3.11mo.1720, 11 mo 3 1720.
// Before 1752 the first month is March and the year begins on 25 March, as
// in Britain and its colonies, whose calendar the Friends kept: Julian to
// 2 September 1752.
#include "reading/datepieces.h"

#include "text/asciitext.h"
#include "calendars/calendardate.h"
#include "calendars/calendars.h"

#include <array>

namespace spanwright {

namespace datepieces {

namespace {

constexpr size_t MostTokens = 10;
constexpr long long FirstJanuaryYear = 1752; // the first month January from then on
constexpr long long LastLadyDayYear = FirstJanuaryYear - 1;
constexpr int MonthsBeforeMarch = 2;
constexpr int MonthsPerYear = 12;
constexpr int March = 3;
constexpr int LadyDay = 25;
constexpr size_t YearDigits = 3;
// The British switch, which the Friends' records follow.
constexpr CalendarDate FirstBritishGregorianDay{1752, 9, 14};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

struct Token
{
    std::string_view digits;  // a number, else empty
    std::string upperWord;    // a word (or a number's ending), in upper case, stops dropped
    std::string_view text;
};

// Numbers with their endings, words, split at blanks, commas and stops.
bool tokenize(std::string_view text, std::array<Token, MostTokens>& tokens, size_t& count)
{
    count = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isBlank(c) || c == ',' || c == '.') {
            ++i;
            continue;
        }
        if (!isLetter(c) && !isDigit(c))
            return false;
        if (count == MostTokens)
            return false;
        Token& token = tokens[count++];
        token = Token{};
        const size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        token.digits = text.substr(start, i - start);
        while (i < text.size() && isLetter(text[i]))
            token.upperWord.push_back(upperAscii(text[i++]));
        token.text = text.substr(start, i - start);
    }
    return true;
}

bool isOrdinalEnding(std::string_view ending)
{
    return ending.empty() || ending == "ST" || ending == "ND" || ending == "RD" || ending == "TH" || ending == "D";
}

bool isMonthWord(std::string_view word) { return word == "MO" || word == "MONTH" || word == "MOS"; }

// A numbered month of a year that began on 25 March, counted as the year
// from 1 January counts it.
void countFromMarch(WrittenDate& written, long long numbered, long long day)
{
    // The 1st month is March, the 11th and 12th January and February of
    // the next year as counted from 1 January, as are 1 to 24 March.
    written.month = int(numbered <= MonthsPerYear - MonthsBeforeMarch ? numbered + MonthsBeforeMarch
                                                                      : numbered - (MonthsPerYear - MonthsBeforeMarch));
    const bool nextYear = written.month < March || (written.month == March && day != 0 && day < LadyDay);
    if (nextYear && written.year == LastLadyDayYear) {
        // Legal 1751 ran from 25 March to 31 December: its first month's
        // first days and its 11th and 12th months are those of 1751
        // counted from 1 January (1750/51), as the writer's year says.
        written.dualFirstYear = written.year - 1;
        written.yearCount = WrittenDate::YearCount::FromJanuaryIn1751;
    } else if (nextYear) {
        written.dualFirstYear = written.year;
        written.year += 1;
    }
}

} // namespace

std::optional<DaysRead> quakerDate(std::string_view text, const CalendarContext& context)
{
    std::array<Token, MostTokens> tokens;
    size_t count = 0;
    if (!tokenize(text, tokens, count))
        return std::nullopt;
    // The month: a number followed by "mo" or "month" (or ending in "mo").
    size_t monthAt = count;
    for (size_t i = 0; i < count && monthAt == count; ++i) {
        if (tokens[i].digits.empty())
            continue;
        if (isMonthWord(tokens[i].upperWord))
            monthAt = i;
        else if (isOrdinalEnding(tokens[i].upperWord) && i + 1 < count && tokens[i + 1].digits.empty()
                 && isMonthWord(tokens[i + 1].upperWord))
            monthAt = i;
    }
    if (monthAt == count)
        return std::nullopt;

    std::string_view dayDigits;
    std::string_view yearDigits;
    for (size_t i = 0; i < count; ++i) {
        const Token& token = tokens[i];
        if (i == monthAt)
            continue;
        if (token.digits.empty()) {
            const bool monthWord = i == monthAt + 1 && isMonthWord(token.upperWord);
            if (monthWord || token.upperWord == "DAY" || token.upperWord == "OF" || token.upperWord == "THE"
                || token.upperWord == "D")
                continue;
            return refusal("\"" + std::string(token.text) + "\" in a date with a numbered month is not understood");
        }
        const bool yearLike = token.digits.size() >= YearDigits && token.upperWord.empty();
        if (yearLike && yearDigits.empty()) {
            yearDigits = token.digits;
        } else if (!yearLike && dayDigits.empty() && (isOrdinalEnding(token.upperWord) || token.upperWord == "DAY")) {
            dayDigits = token.digits;
        } else {
            return refusal("\"" + std::string(token.text) + "\" in a date with a numbered month is not understood");
        }
    }
    if (yearDigits.empty())
        return refusal("the date with a numbered month has no year");
    if (!isNumber(yearDigits) || !isNumber(tokens[monthAt].digits) || (!dayDigits.empty() && !isNumber(dayDigits)))
        return refusal("a number of the date is too long");
    const long long year = numberValue(yearDigits);
    const long long numbered = numberValue(tokens[monthAt].digits);
    const long long day = dayDigits.empty() ? 0 : numberValue(dayDigits);
    if (numbered < 1 || numbered > MonthsPerYear)
        return refusal("the " + std::string(tokens[monthAt].text) + " month is not one of the 1st to the 12th");
    if (!dayDigits.empty() && day < 1)
        return refusal("0 is not a day");
    if (year < FirstCalendarYear || year > LastWrittenYear)
        return yearDays(year);

    WrittenDate written{int(year), int(numbered), int(day), 0};
    if (year < FirstJanuaryYear)
        countFromMarch(written, numbered, day);
    if (context.mark)
        return daysInCalendar(written, *context.mark, CalendarSource::Marked);
    CalendarContext british = context;
    british.choice.firstGregorianDay = dayOf(FirstBritishGregorianDay);
    british.choice.yearBeginsOn25March = false; // counted above
    const long long dualFirst = written.dualFirstYear;
    written.dualFirstYear = 0; // the year is the one counted from 1 January already
    DaysRead days = writtenDays(written, british);
    if (days) {
        days->source = CalendarSource::Quaker;
        days->written.dualFirstYear = dualFirst;
    }
    return days;
}

} // namespace datepieces

} // namespace spanwright
