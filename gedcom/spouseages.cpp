#include "spouseages.h"

#include "familyeventages.h"
#include "gedcomline.h"
#include "gedcomlinereader.h"
#include "gedcomlinetally.h"
#include "gedcomstart.h"
#include "text/asciitext.h"
#include "temporarycopy.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace spanwright {

namespace {

// Whether a line may be a level 0 line: outside families only those matter,
// and most lines are skipped by this look at their first characters.
bool mayOpenRecord(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos + 1 < text.size() && text[pos] == '0' && isBlank(text[pos + 1]);
}

} // namespace

bool SpouseAgeIndex::read(std::FILE* in, std::FILE* copy)
{
    GedcomLineReader reader(in);
    reader.copyTo(copy);
    // What is not GEDCOM is refused by the reading that follows.
    readFailed_ = false;
    if (GedcomStart(reader).outcome() != GedcomStart::Outcome::Head) {
        readFailed_ = reader.failed();
        return !reader.copyFailed();
    }
    FamilyEventAges family;
    bool inFamily = false;
    std::string familyId;
    const auto endFamily = [&](bool cut) {
        if (!inFamily)
            return;
        family.end();
        for (const FamilyEventAges::Age& age : family.ages()) {
            const std::string& id = age.spouse == FamilyEventAges::Spouse::Husband ? family.husband() : family.wife();
            if (id.empty()) {
                // For the person whose FAMS and SEX give the role.
                unnamed_[familyId][static_cast<size_t>(age.spouse)].push_back(age.event);
                continue;
            }
            byId_[id].push_back(age.event);
            if (cut) {
                cutFamily_ = familyId;
                cutSpouses_.push_back(id);
            }
        }
        inFamily = false;
    };
    std::string_view text;
    GedcomLine line;
    bool trailer = false;
    while (reader.next(text)) {
        if (!inFamily && !mayOpenRecord(text))
            continue;
        if (!splitGedcomLine(text, line))
            continue;
        if (line.level == 0) {
            endFamily(false);
            if (isTag(line, "TRLR")) {
                trailer = true;
                reader.readToEnd();
                break;
            }
            inFamily = isTag(line, "FAM");
            if (inFamily) {
                family.begin();
                familyId.assign(line.xref);
            }
        } else if (inFamily) {
            family.add(line, reader.cut());
        }
    }
    endFamily(!trailer);
    readFailed_ = reader.failed();
    return !reader.copyFailed();
}

const std::vector<StatedAgeEvent>* SpouseAgeIndex::find(std::string_view id) const
{
    if (byId_.empty())
        return nullptr;
    const auto found = byId_.find(std::string(id));
    return found == byId_.end() ? nullptr : &found->second;
}

std::vector<StatedAgeEvent> SpouseAgeIndex::takeUnnamedSpouseAges(std::string_view family, char sex)
{
    if (unnamed_.empty() || (sex != 'M' && sex != 'F'))
        return {};
    const auto found = unnamed_.find(std::string(family));
    if (found == unnamed_.end())
        return {};
    const size_t spouse = static_cast<size_t>(sex == 'M' ? FamilyEventAges::Spouse::Husband : FamilyEventAges::Spouse::Wife);
    return std::move(found->second[spouse]);
}

std::string_view SpouseAgeIndex::cutFamilyOf(std::string_view id) const
{
    for (const std::string& spouse : cutSpouses_) {
        if (spouse == id)
            return cutFamily_;
    }
    return {};
}

RewindableInput::RewindableInput(std::FILE* in) : in_(in)
{
    start_ = std::ftell(in);
    seekable_ = start_ >= 0 && std::fseek(in, start_, SEEK_SET) == 0;
    if (seekable_)
        return;
    const TemporaryCopy copy = openTemporaryCopy();
    copy_ = copy.file;
    if (copy_ == nullptr)
        problem_ = "cannot make a temporary copy in " + copy.folder + ": " + std::strerror(copy.error);
}

RewindableInput::~RewindableInput()
{
    if (copy_ != nullptr)
        std::fclose(copy_);
}

std::FILE* RewindableInput::second()
{
    if (seekable_) {
        std::clearerr(in_);
        if (std::fseek(in_, start_, SEEK_SET) == 0)
            return in_;
        problem_ = std::string("cannot be read twice: ") + std::strerror(errno);
        return nullptr;
    }
    if (copy_ == nullptr)
        return nullptr;
    if (std::fflush(copy_) != 0 || std::fseek(copy_, 0, SEEK_SET) != 0) {
        problem_ = std::string("cannot read the temporary copy: ") + std::strerror(errno);
        return nullptr;
    }
    return copy_;
}

} // namespace spanwright
