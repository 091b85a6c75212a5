#include "familyeventages.h"

#include "text/asciitext.h"

namespace spanwright {

namespace {

constexpr int EventLevel = 1;
constexpr int DetailLevel = 2;
constexpr int SpouseAgeLevel = 3; // 3 AGE under 2 HUSB or 2 WIFE
constexpr int AgePhraseLevel = 4; // 4 PHRASE under an empty 3 AGE

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
    if (!tag_.empty()) {
        for (size_t spouse = 0; spouse < SpouseCount; ++spouse) {
            if (aged_[spouse] || !laterAges_[spouse].empty())
                ages_.push_back({static_cast<Spouse>(spouse),
                                 {tag_, dated_ ? date_ : std::string(), aged_[spouse] ? age_[spouse] : std::string(),
                                  placed_ ? place_ : std::string(), laterAges_[spouse]}});
        }
    }
    tag_.clear();
    dated_ = placed_ = agePhrase_ = false;
    for (size_t spouse = 0; spouse < SpouseCount; ++spouse) {
        aged_[spouse] = false;
        laterAges_[spouse].clear();
    }
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
    const bool agePhrase = agePhrase_;
    agePhrase_ = false;
    if (line.level == DetailLevel) {
        spouse_ = line.tag == "HUSB" ? 0 : line.tag == "WIFE" ? 1 : -1;
        const bool value = !cut && !trimmed(line.value).empty();
        if (line.tag == "DATE" && !dated_ && value) {
            date_.assign(line.value);
            dated_ = true;
        }
        if (line.tag == "PLAC" && !placed_ && value) {
            place_.assign(line.value);
            placed_ = true;
        }
        return;
    }
    if (spouse_ < 0 || cut)
        return;
    const auto spouse = static_cast<size_t>(spouse_);
    if (line.level == AgePhraseLevel && line.tag == "PHRASE" && agePhrase && !aged_[spouse]) {
        age_[spouse].assign("(").append(trimmed(line.value)).append(")");
        aged_[spouse] = true;
    }
    if (line.level != SpouseAgeLevel || line.tag != "AGE")
        return;
    const std::string_view value = trimmed(line.value);
    if (!aged_[spouse] && !value.empty()) {
        age_[spouse].assign(value);
        aged_[spouse] = true;
    } else if (!value.empty()) {
        laterAges_[spouse].append(laterAges_[spouse].empty() ? "" : ", ").append(value);
    }
    agePhrase_ = value.empty() && !aged_[spouse];
}

} // namespace spanwright
