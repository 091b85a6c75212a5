#include "familyeventages.h"

#include "asciitext.h"

namespace {

constexpr int EventLevel = 1;
constexpr int DetailLevel = 2;
constexpr int SpouseAgeLevel = 3; // 3 AGE under 2 HUSB or 2 WIFE

} // namespace

void FamilyEventAges::begin()
{
    ages_.clear();
    husband_.clear();
    wife_.clear();
    tag_.clear();
    endEvent(); // of no event: keeps nothing, and clears what the last record left
}

void FamilyEventAges::endEvent()
{
    if (!tag_.empty() && dated_) {
        for (size_t spouse = 0; spouse < SpouseCount; ++spouse) {
            if (aged_[spouse])
                ages_.push_back({static_cast<Spouse>(spouse), {tag_, date_, age_[spouse]}});
        }
    }
    tag_.clear();
    dated_ = false;
    aged_[0] = aged_[1] = false;
    spouse_ = -1;
}

void FamilyEventAges::end() { endEvent(); }

void FamilyEventAges::add(const GedcomLine& line, bool cut)
{
    if (line.level == EventLevel) {
        endEvent();
        if (line.tag == "HUSB" || line.tag == "WIFE") {
            std::string& id = line.tag == "HUSB" ? husband_ : wife_;
            if (id.empty() && !cut)
                id.assign(pointerTarget(line.value));
            return;
        }
        if (isTagText(line.tag))
            tag_.assign(line.tag);
        return;
    }
    if (tag_.empty())
        return;
    if (line.level == DetailLevel) {
        spouse_ = line.tag == "HUSB" ? 0 : line.tag == "WIFE" ? 1 : -1;
        if (line.tag == "DATE" && !dated_ && !cut && !trimmed(line.value).empty()) {
            date_.assign(line.value);
            dated_ = true;
        }
        return;
    }
    if (line.level == SpouseAgeLevel && spouse_ >= 0 && line.tag == "AGE" && !cut) {
        const auto spouse = static_cast<size_t>(spouse_);
        if (!aged_[spouse] && !trimmed(line.value).empty()) {
            age_[spouse].assign(line.value);
            aged_[spouse] = true;
        }
    }
}
