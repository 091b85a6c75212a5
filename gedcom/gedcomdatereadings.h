#pragma once

#include "gedcomdate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The readings of date values, each distinct text read once: a tree writes
// the same few hundred thousand dates over and over (most of the dates of a
// million people are among a fifth as many texts), and reading one is most
// of the cost of a line. A reading is exactly readGedcomDate's for the
// options given at construction, save the texts of its problem and warning,
// which are left empty (read the value again for those). The text is the key
// as written, its calendar escape and all; blanks around it are trimmed
// first, as every reader of dates does.
class GedcomDateReadings
{
public:
    // Texts kept at most: a file of ever new dates does not grow the memory
    // past this; later texts are read each time.
    static constexpr std::size_t MostTexts = std::size_t(1) << 21;

    explicit GedcomDateReadings(const DateReadOptions& options = {});

    Result<GedcomDate> read(std::string_view text);
    const DateReadOptions& options() const { return options_; }
    std::size_t size() const { return used_; }

private:
    // A reading without its texts, in 12 bytes: the days of the readers'
    // years (9999 BC to AD 9999) fit in 32 bits.
    struct Reading
    {
        std::int32_t earliest = 0;
        std::int32_t latest = 0;
        std::uint8_t flags = 0;
        std::uint8_t calendar = 0; // a GedcomDate::Calendar
        std::uint8_t noDate = 0;   // a GedcomDate::NoDate
    };
    // 24 bytes: a million distinct texts take a table of two to four million
    // slots, so that the slot's size is most of the memory the readings use.
    struct Slot
    {
        std::uint32_t offset = 0;
        std::uint32_t size = UINT32_MAX; // UINT32_MAX: the slot is free
        // The text's hash: the slot's place in the table, and a text of
        // another hash is passed by without comparing it.
        std::uint32_t hash = 0;
        Reading reading;
    };
    static_assert(sizeof(Slot) == 24, "a slot in three words");

    // Nothing where a day does not fit the compact reading.
    static std::optional<Reading> compact(const Result<GedcomDate>& read);
    static Result<GedcomDate> expand(const Reading& reading);
    void grow();

    DateReadOptions options_;
    std::vector<Slot> slots_; // open addressing, a power of two long
    std::string texts_;
    std::size_t used_ = 0;
};

} // namespace spanwright
