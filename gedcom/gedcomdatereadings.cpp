#include "gedcomdatereadings.h"

#include "text/asciitext.h"

#include <functional>

namespace spanwright {

namespace {

constexpr std::size_t FirstSlots = 1 << 12;

enum Flag : std::uint8_t {
    Read = 1, // the value is a date or no date, not refused
    HasEarliest = 2,
    HasLatest = 4,
    Approximate = 8,
    Stillborn = 16,
    JulianWritten = 32,
    HebrewWritten = 64,
    FrenchWritten = 128,
};

} // namespace

GedcomDateReadings::GedcomDateReadings(const DateReadOptions& options)
    : options_(options)
    , slots_(FirstSlots)
{
}

std::optional<GedcomDateReadings::Reading> GedcomDateReadings::compact(const Result<GedcomDate>& read)
{
    Reading reading;
    if (!read)
        return reading;
    const GedcomDate& date = *read;
    const long long earliest = date.days.earliest.value_or(Day()).number();
    const long long latest = date.days.latest.value_or(Day()).number();
    if (earliest < INT32_MIN || earliest > INT32_MAX || latest < INT32_MIN || latest > INT32_MAX)
        return std::nullopt;
    reading.flags = Read;
    reading.earliest = static_cast<std::int32_t>(earliest);
    reading.latest = static_cast<std::int32_t>(latest);
    const auto flag = [&](bool set, Flag which) {
        if (set)
            reading.flags |= which;
    };
    flag(!date.days.openBefore(), HasEarliest);
    flag(!date.days.openAfter(), HasLatest);
    flag(date.approximate, Approximate);
    flag(date.stillborn, Stillborn);
    flag(date.julianWritten, JulianWritten);
    flag(date.hebrewWritten, HebrewWritten);
    flag(date.frenchWritten, FrenchWritten);
    reading.calendar = static_cast<std::uint8_t>(date.calendar);
    reading.noDate = static_cast<std::uint8_t>(date.noDate);
    return reading;
}

Result<GedcomDate> GedcomDateReadings::expand(const Reading& reading)
{
    if ((reading.flags & Read) == 0)
        return Problem{ProblemKind::NotRead, {}};
    Result<GedcomDate> read = GedcomDate();
    GedcomDate& date = *read;
    if ((reading.flags & HasEarliest) != 0)
        date.days.earliest = Day(reading.earliest);
    if ((reading.flags & HasLatest) != 0)
        date.days.latest = Day(reading.latest);
    date.approximate = (reading.flags & Approximate) != 0;
    date.stillborn = (reading.flags & Stillborn) != 0;
    date.julianWritten = (reading.flags & JulianWritten) != 0;
    date.hebrewWritten = (reading.flags & HebrewWritten) != 0;
    date.frenchWritten = (reading.flags & FrenchWritten) != 0;
    date.calendar = static_cast<GedcomDate::Calendar>(reading.calendar);
    date.noDate = static_cast<GedcomDate::NoDate>(reading.noDate);
    return read;
}

Result<GedcomDate> GedcomDateReadings::read(std::string_view text)
{
    text = trimmed(text);
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>()(text));
    const std::size_t mask = slots_.size() - 1;
    std::size_t index = hash & mask;
    for (;; index = (index + 1) & mask) {
        const Slot& slot = slots_[index];
        if (slot.size == UINT32_MAX)
            break;
        if (slot.hash == hash && std::string_view(texts_).substr(slot.offset, slot.size) == text)
            return expand(slot.reading);
    }
    Result<GedcomDate> date = readGedcomDate(text, options_);
    // The store's offsets are 32 bits wide.
    if (used_ >= MostTexts || text.size() > UINT32_MAX - texts_.size() - 1)
        return date;
    const std::optional<Reading> reading = compact(date);
    if (!reading)
        return date;
    Slot& slot = slots_[index];
    slot.offset = static_cast<std::uint32_t>(texts_.size());
    slot.size = static_cast<std::uint32_t>(text.size());
    slot.hash = hash;
    slot.reading = *reading;
    texts_.append(text);
    // Kept at most half full, so that a search ends soon at a free slot.
    if (++used_ * 2 > slots_.size())
        grow();
    return date;
}

void GedcomDateReadings::grow()
{
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.size == UINT32_MAX)
            continue;
        std::size_t index = slot.hash & mask;
        while (slots_[index].size != UINT32_MAX)
            index = (index + 1) & mask;
        slots_[index] = slot;
    }
}

} // namespace spanwright
