#include "olddating/relativedays.h"

#include "calendars/calendars.h"

#include <array>

namespace spanwright {

namespace {

constexpr int DaysPerWeek = 7;

struct WeekdayWord
{
    std::string_view word;
    int weekday;
};

constexpr WeekdayWord WeekdayWords[] = {
    {"MONDAY", 0}, {"TUESDAY", 1}, {"WEDNESDAY", 2}, {"THURSDAY", 3}, {"FRIDAY", 4}, {"SATURDAY", 5}, {"SUNDAY", 6},
    {"MONTAG", 0}, {"DIENSTAG", 1}, {"MITTWOCH", 2}, {"DONNERSTAG", 3}, {"FREITAG", 4}, {"SAMSTAG", 5},
    {"SONNABEND", 5}, {"SONNTAG", 6},
    {"LUNAE", 0}, {"LUNE", 0}, {"MARTIS", 1}, {"MERCURII", 2}, {"JOVIS", 3}, {"IOVIS", 3}, {"VENERIS", 4},
    {"SABBATI", 5}, {"SABBATO", 5}, {"DOMINICA", 6}, {"DOMINICAM", 6}, {"DOMINICAE", 6},
};

// "die Martis proxima ante festum", "die Lune proximo post": the Latin
// "next" agrees with "die" in either gender, as scribes wrote it.
constexpr std::string_view BeforeWords[] = {"BEFORE", "ANTE", "VOR", "NEXT BEFORE", "PROXIMA ANTE",
                                            "PROXIMO ANTE", "PROXIME ANTE"};
constexpr std::string_view AfterWords[] = {"AFTER", "POST", "NACH", "NEXT AFTER", "PROXIMA POST", "PROXIMO POST",
                                           "PROXIME POST"};

int weekdayOfWord(std::string_view upper)
{
    for (const WeekdayWord& entry : WeekdayWords) {
        if (entry.word == upper)
            return entry.weekday;
    }
    return -1;
}

// A weekday written "Tuesday", "die Martis" or "feria tertia" (the Church's
// count, Sunday being the first); the words it took, 0 for none.
size_t takeWeekday(const std::vector<OldWord>& words, size_t at, int& weekday)
{
    constexpr int FirstFeria = 2;  // feria secunda, Monday
    constexpr int LastFeria = 7;   // feria septima, Saturday
    if (at < words.size() && (words[at].upper == "DIE" || words[at].upper == "DIES"))
        return at + 1 < words.size() && (weekday = weekdayOfWord(words[at + 1].upper)) >= 0 ? 2 : 0;
    if (at + 1 < words.size() && words[at].upper == "FERIA") {
        const int feria = ordinalOf(words[at + 1].upper);
        if (feria < FirstFeria || feria > LastFeria)
            return 0;
        weekday = feria - FirstFeria;
        return 2;
    }
    return at < words.size() && (weekday = weekdayOfWord(words[at].upper)) >= 0 ? 1 : 0;
}

// "before", "next after"...: -1 before, 1 after, 0 neither; words counts
// the words taken.
int takeSide(const std::vector<OldWord>& words, size_t at, size_t& taken)
{
    for (size_t length : {size_t(2), size_t(1)}) {
        const std::string phrase = joinedWords(words, at, at + length);
        if (at + length > words.size())
            continue;
        for (std::string_view word : BeforeWords) {
            if (word == phrase)
                return taken = length, -1;
        }
        for (std::string_view word : AfterWords) {
            if (word == phrase)
                return taken = length, 1;
        }
    }
    return 0;
}

struct DaysFromWord
{
    std::string_view word;
    int days;
    std::string_view text;
};

constexpr DaysFromWord DaysFromWords[] = {
    {"MORROW", 1, "morrow of"}, {"CRASTINO", 1, "morrow of"}, {"CRASTINUM", 1, "morrow of"},
    {"EVE", -1, "eve of"},       {"VIGIL", -1, "eve of"},     {"VIGILIA", -1, "eve of"},
    {"VIGILIAM", -1, "eve of"},  {"VORABEND", -1, "eve of"},  {"OCTAVE", 7, "octave of"},
    {"OCTAVES", 7, "octave of"}, {"OCTABIS", 7, "octave of"}, {"OCTAVAS", 7, "octave of"},
};

// "the Tuesday before", "Dominica 3 post", "3. Sonntag nach": the weekday
// relation from at, or TheFeast.
RelativeDay weekdayRelation(const std::vector<OldWord>& words, size_t at)
{
    RelativeDay relation;
    const size_t start = at;
    int count = ordinalOf(at < words.size() ? words[at].upper : std::string());
    if (count > 0)
        ++at;
    int weekday = 0;
    const size_t weekdayWords = takeWeekday(words, at, weekday);
    if (weekdayWords == 0)
        return relation;
    at += weekdayWords;
    if (count == 0 && at < words.size() && (count = ordinalOf(words[at].upper)) > 0)
        ++at;
    size_t sideWords = 0;
    const int side = takeSide(words, at, sideWords);
    if (side == 0)
        return relation;
    relation.kind = side < 0 ? RelativeDay::Kind::WeekdayBefore : RelativeDay::Kind::WeekdayAfter;
    relation.weekday = weekday;
    relation.count = count == 0 ? 1 : count;
    const std::string ordinal = count <= 1 ? ""
        : std::to_string(count) + (count % 10 == 1 && count != 11 ? "st " : count % 10 == 2 && count != 12 ? "nd "
                                   : count % 10 == 3 && count != 13 ? "rd " : "th ");
    relation.text = ordinal + weekdayName(weekday) + (side < 0 ? " before" : " after");
    relation.words = at + sideWords - start;
    return relation;
}

} // namespace

RelativeDay takeRelativeDay(const std::vector<OldWord>& words, size_t first)
{
    size_t at = first;
    while (at < words.size() && (words[at].upper == "THE" || words[at].upper == "ON" || words[at].upper == "IN"
                                 || words[at].upper == "AM" || words[at].upper == "ON THE"))
        ++at;
    if (at < words.size()) {
        for (const DaysFromWord& entry : DaysFromWords) {
            if (entry.word != words[at].upper)
                continue;
            RelativeDay relation;
            relation.kind = RelativeDay::Kind::DaysFrom;
            relation.days = entry.days;
            relation.text = std::string(entry.text);
            ++at;
            if (at < words.size() && (words[at].upper == "OF" || words[at].upper == "DE"))
                ++at;
            relation.words = at - first;
            return relation;
        }
    }
    RelativeDay relation = weekdayRelation(words, at);
    if (relation.kind != RelativeDay::Kind::TheFeast)
        relation.words += at - first;
    return relation;
}

Day relativeDayOf(const RelativeDay& relation, Day feastDay)
{
    const int feastWeekday = weekdayOf(feastDay);
    switch (relation.kind) {
    case RelativeDay::Kind::TheFeast:
        return feastDay;
    case RelativeDay::Kind::DaysFrom:
        return feastDay + relation.days;
    case RelativeDay::Kind::WeekdayBefore: {
        // The nearest such weekday strictly before it, and whole weeks back.
        const int back = (feastWeekday - relation.weekday + DaysPerWeek - 1) % DaysPerWeek + 1;
        return feastDay - (back + DaysPerWeek * (relation.count - 1));
    }
    case RelativeDay::Kind::WeekdayAfter: {
        const int ahead = (relation.weekday - feastWeekday + DaysPerWeek - 1) % DaysPerWeek + 1;
        return feastDay + (ahead + DaysPerWeek * (relation.count - 1));
    }
    }
    return feastDay;
}

} // namespace spanwright
