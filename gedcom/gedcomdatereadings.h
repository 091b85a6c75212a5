#pragma once

#include "gedcomdate.h"

#include <cstdint>
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
    // A reading without its texts, in 24 bytes.
    struct Reading
    {
        std::int64_t earliest = 0;
        std::int64_t latest = 0;
        std::uint8_t flags = 0;
        GedcomDate::Calendar calendar = GedcomDate::Calendar::Gregorian;
        GedcomDate::NoDate noDate = GedcomDate::NoDate::None;
    };
    struct Slot
    {
        std::uint32_t offset = 0;
        std::uint32_t size = UINT32_MAX; // UINT32_MAX: the slot is free
        Reading reading;
    };

    static Reading compact(const Result<GedcomDate>& read);
    static Result<GedcomDate> expand(const Reading& reading);
    void grow();

    DateReadOptions options_;
    std::vector<Slot> slots_; // open addressing, a power of two long
    std::string texts_;
    std::size_t used_ = 0;
};

} // namespace spanwright
