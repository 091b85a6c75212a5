#pragma once

#include "gedcomline.h"
#include "statedages.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The ages a family's events state of the husband and the wife, gathered
// line by line from one FAM record:
//   1 MARR
//   2 DATE 12 JUN 1850
//   2 HUSB
//   3 AGE 25y
//   2 WIFE
//   3 AGE 19y
// Any event of the record counts (MARR, MARB, MARL, ENGA, DIV, ANUL, CENS,
// RESI, EVEN...), with its first DATE and PLAC and each spouse's first AGE
// (or the PHRASE of an empty one); a spouse's later AGE lines are kept as
// laterAges, for the report to name. The
// record's first HUSB and WIFE pointers are kept too, for a reader that
// links by id.
class FamilyEventAges
{
public:
    enum class Spouse : std::uint8_t { Husband, Wife };
    struct Age
    {
        Spouse spouse;
        StatedAgeEvent event;
    };

    void begin();
    // A line of the record below its level 0 line; a cut value (see
    // GedcomLineReader) is not what was written and is left out.
    void add(const GedcomLine& line, bool cut = false);
    // After the record's last line.
    void end();

    // The events with a spouse's AGE, in the file's order (the date empty
    // where the event has none).
    const std::vector<Age>& ages() const { return ages_; }
    // The ids the record's HUSB and WIFE lines point to (without @), or empty.
    const std::string& husband() const { return husband_; }
    const std::string& wife() const { return wife_; }

private:
    static constexpr size_t SpouseCount = 2;

    void endEvent();

    std::vector<Age> ages_;
    std::string husband_;
    std::string wife_;
    std::string tag_; // of the current event, empty outside one
    std::string date_;
    std::string age_[SpouseCount];
    std::string laterAges_[SpouseCount];
    std::string place_;
    bool dated_ = false;
    bool placed_ = false;
    bool agePhrase_ = false; // the line before was an empty spouse's AGE
    bool aged_[SpouseCount] = {false, false};
    // The spouse whose HUSB or WIFE line the AGE lines below belong to.
    int spouse_ = -1;
};

} // namespace spanwright
