// The movable feasts and Sundays of the church year, counted from Easter
// Sunday as the Book of Common Prayer's tables and Grotefend's
// Taschenbuch der Zeitrechnung count them, with their Latin and German
// names (the German Protestant church books name the Sundays by the first
// word of their introit: Invocavit, Reminiscere, Oculi...). Advent Sunday,
// the fourth before Christmas, is the Sunday from 27 November to
// 3 December.
#include "olddating/feasts.h"

#include "calendars/calendars.h"
#include "calendars/easter.h"
#include "olddating/oldwords.h"

#include <string>

namespace spanwright {

namespace {

using Kind = Feast::Kind;

constexpr Feast MovableFeasts[] = {
    {"Septuagesima", "SEPTUAGESIMA|SEPTUAGESIMAE", Kind::FromEaster, 0, 0, -63, false},
    {"Sexagesima", "SEXAGESIMA|SEXAGESIMAE", Kind::FromEaster, 0, 0, -56, false},
    {"Quinquagesima (Shrove Sunday, Estomihi)", "QUINQUAGESIMA|QUINQUAGESIMAE|SHROVE SUNDAY|ESTOMIHI|ESTO MIHI",
     Kind::FromEaster, 0, 0, -49, false},
    {"Shrove Monday", "SHROVE MONDAY|ROSENMONTAG", Kind::FromEaster, 0, 0, -48, false},
    {"Shrove Tuesday", "SHROVE TUESDAY|PANCAKE TUESDAY|FASTNACHT|FASTNACHTSDIENSTAG|FASTELABEND", Kind::FromEaster, 0, 0,
     -47, false},
    {"Ash Wednesday", "ASH WEDNESDAY|DIES CINERUM|CINERUM|CAPUT JEJUNII|ASCHERMITTWOCH", Kind::FromEaster, 0, 0, -46,
     false},
    {"first Sunday in Lent (Quadragesima, Invocavit)", "FIRST SUNDAY LENT|1 SUNDAY LENT|QUADRAGESIMA|QUADRAGESIMAE|"
     "INVOCAVIT|INVOCABIT", Kind::FromEaster, 0, 0, -42, false},
    {"second Sunday in Lent (Reminiscere)", "SECOND SUNDAY LENT|2 SUNDAY LENT|REMINISCERE", Kind::FromEaster, 0, 0,
     -35, false},
    {"third Sunday in Lent (Oculi)", "THIRD SUNDAY LENT|3 SUNDAY LENT|OCULI", Kind::FromEaster, 0, 0, -28, false},
    {"fourth Sunday in Lent (Laetare, Mothering Sunday)", "FOURTH SUNDAY LENT|4 SUNDAY LENT|LAETARE|LETARE|"
     "MOTHERING SUNDAY|MID LENT SUNDAY|MIDLENT SUNDAY", Kind::FromEaster, 0, 0, -21, false},
    {"Passion Sunday (Judica)", "PASSION SUNDAY|FIFTH SUNDAY LENT|5 SUNDAY LENT|JUDICA|IUDICA", Kind::FromEaster, 0, 0,
     -14, false},
    {"Palm Sunday (Palmarum)", "PALM SUNDAY|PALMARUM|PALMIS|PALMSONNTAG", Kind::FromEaster, 0, 0, -7, false},
    {"Maundy Thursday", "MAUNDY THURSDAY|COENA DOMINI|CENA DOMINI|GRUENDONNERSTAG", Kind::FromEaster, 0, 0, -3, false},
    {"Good Friday", "GOOD FRIDAY|PARASCEVE|KARFREITAG|CHARFREITAG", Kind::FromEaster, 0, 0, -2, false},
    {"Holy Saturday (Easter Eve)", "HOLY SATURDAY|EASTER EVE|KARSAMSTAG|SABBATUM SANCTUM", Kind::FromEaster, 0, 0, -1,
     false},
    {"Easter", "EASTER|EASTER SUNDAY|PASCHA|PASCHAE|PASCHATIS|RESURRECTIO DOMINI|RESURRECTIONIS|OSTERN|OSTERSONNTAG|"
     "OSTERTAG|PASCHE", Kind::FromEaster, 0, 0, 0, false},
    {"Easter Monday", "EASTER MONDAY|OSTERMONTAG", Kind::FromEaster, 0, 0, 1, false},
    {"Easter Tuesday", "EASTER TUESDAY|OSTERDIENSTAG", Kind::FromEaster, 0, 0, 2, false},
    {"Low Sunday (Quasimodogeniti)", "LOW SUNDAY|QUASIMODO|QUASIMODOGENITI|ALBIS|WEISSER SONNTAG", Kind::FromEaster, 0,
     0, 7, false},
    {"Misericordias Domini", "MISERICORDIAS DOMINI|MISERICORDIA DOMINI|MISERICORDIAS", Kind::FromEaster, 0, 0, 14,
     false},
    {"Jubilate", "JUBILATE|IUBILATE", Kind::FromEaster, 0, 0, 21, false},
    {"Cantate", "CANTATE", Kind::FromEaster, 0, 0, 28, false},
    {"Rogation Sunday (Rogate)", "ROGATION SUNDAY|ROGATE", Kind::FromEaster, 0, 0, 35, false},
    {"Rogation Monday", "ROGATION MONDAY", Kind::FromEaster, 0, 0, 36, false},
    {"Rogation Tuesday", "ROGATION TUESDAY", Kind::FromEaster, 0, 0, 37, false},
    {"Rogation Wednesday", "ROGATION WEDNESDAY", Kind::FromEaster, 0, 0, 38, false},
    {"Ascension Day", "ASCENSION|ASCENSION LORD|ASCENSIO|ASCENSIO DOMINI|ASCENSIONIS|HIMMELFAHRT|CHRISTI HIMMELFAHRT",
     Kind::FromEaster, 0, 0, 39, false},
    {"Sunday after Ascension (Exaudi)", "EXAUDI", Kind::FromEaster, 0, 0, 42, false},
    {"Whitsunday (Pentecost)", "WHITSUNDAY|WHIT SUNDAY|WHITSUN|PENTECOST|PENTECOSTE|PENTECOSTES|PENTECOSTEN|"
     "PFINGSTEN|PFINGSTSONNTAG", Kind::FromEaster, 0, 0, 49, false},
    {"Whit Monday", "WHIT MONDAY|WHITMONDAY|PFINGSTMONTAG", Kind::FromEaster, 0, 0, 50, false},
    {"Whit Tuesday", "WHIT TUESDAY|PFINGSTDIENSTAG", Kind::FromEaster, 0, 0, 51, false},
    {"Trinity Sunday", "TRINITY|TRINITY SUNDAY|TRINITATIS|TRINITATEM|TRINITAS|DREIFALTIGKEIT|DREIFALTIGKEITSSONNTAG",
     Kind::FromEaster, 0, 0, 56, false},
    {"Corpus Christi", "CORPUS CHRISTI|FRONLEICHNAM", Kind::FromEaster, 0, 0, 60, false},
    {"Advent Sunday", "ADVENT|ADVENT SUNDAY|FIRST SUNDAY ADVENT|1 SUNDAY ADVENT|1 ADVENT|ERSTER ADVENT|"
     "PRIMA ADVENTUS|ADVENTUS", Kind::FromAdvent, 0, 0, 0, false},
    {"second Sunday in Advent", "SECOND SUNDAY ADVENT|2 SUNDAY ADVENT|2 ADVENT|ZWEITER ADVENT|SECUNDA ADVENTUS",
     Kind::FromAdvent, 0, 0, 7, false},
    {"third Sunday in Advent", "THIRD SUNDAY ADVENT|3 SUNDAY ADVENT|3 ADVENT|DRITTER ADVENT|TERTIA ADVENTUS",
     Kind::FromAdvent, 0, 0, 14, false},
    {"fourth Sunday in Advent", "FOURTH SUNDAY ADVENT|4 SUNDAY ADVENT|4 ADVENT|VIERTER ADVENT|QUARTA ADVENTUS",
     Kind::FromAdvent, 0, 0, 21, false},
};

// Fillers between the words of a feast's name, left out before it is
// looked up: "the Feast of St. Michael the Archangel" is MICHAEL ARCHANGEL.
constexpr std::string_view Fillers[] = {
    "THE", "OF", "IN", "FEAST", "DAY", "ST", "SAINT", "S", "SS", "SAINTS'", "SANCTI", "SANCTAE", "SANKT", "STE", "FESTUM",
    "FESTO", "FESTI", "BEATI", "BEATAE", "B", "BLESSED", "VIRGIN", "VIRGINIS", "BVM", "DOMINICA", "DOMINICAM", "DIE",
    "OUR", "HL", "HEILIGEN", "HEILIGE", "DES", "FEST", "TAG",
};

constexpr int DaysPerWeek = 7;
constexpr int Sunday = 6;
constexpr int November = 11;
constexpr int FirstDayOfAdventSunday = 27;

} // namespace

const Feast* movableFeasts(size_t& count)
{
    count = sizeof(MovableFeasts) / sizeof(MovableFeasts[0]);
    return MovableFeasts;
}

bool isFeastFiller(std::string_view upperWord)
{
    for (std::string_view filler : Fillers) {
        if (filler == upperWord)
            return true;
    }
    return false;
}

const Feast* feastNamed(std::string_view words)
{
    for (auto table : {fixedFeasts, movableFeasts}) {
        size_t count = 0;
        const Feast* feasts = table(count);
        for (size_t i = 0; i < count; ++i) {
            if (namedBy(feasts[i].names, words))
                return &feasts[i];
        }
    }
    return nullptr;
}

Day feastDayIn(const Feast& feast, long long year, CalendarSystem system)
{
    switch (feast.kind) {
    case Feast::Kind::Fixed: {
        const bool later = feast.laterInLeapYear && monthLengthIn(system, 2, year) == 29;
        return dayOf({system, year, feast.month, feast.day + (later ? 1 : 0)});
    }
    case Feast::Kind::FromEaster:
        return easterSunday(year, system) + feast.offset;
    case Feast::Kind::FromAdvent: {
        const Day earliest = dayOf({system, year, November, FirstDayOfAdventSunday});
        return earliest + ((Sunday - weekdayOf(earliest) + DaysPerWeek) % DaysPerWeek + feast.offset);
    }
    }
    return Day(0);
}

} // namespace spanwright
