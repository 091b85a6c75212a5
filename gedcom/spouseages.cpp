#include "spouseages.h"

#include "familyeventages.h"
#include "gedcomline.h"
#include "gedcomlinereader.h"
#include "gedcomlinetally.h"
#include "gedcomstart.h"
#include "asciitext.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

constexpr size_t CopyBlock = 1 << 16;

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

void SpouseAgeIndex::read(std::FILE* in)
{
    GedcomLineReader reader(in);
    // What is not GEDCOM is refused by the reading that follows.
    if (GedcomStart(reader).outcome() != GedcomStart::Outcome::Head)
        return;
    FamilyEventAges family;
    bool inFamily = false;
    const auto endFamily = [&] {
        if (!inFamily)
            return;
        family.end();
        for (const FamilyEventAges::Age& age : family.ages()) {
            const std::string& id = age.spouse == FamilyEventAges::Spouse::Husband ? family.husband() : family.wife();
            if (!id.empty())
                byId_[id].push_back(age.event);
        }
        inFamily = false;
    };
    std::string_view text;
    GedcomLine line;
    while (reader.next(text)) {
        if (!inFamily && !mayOpenRecord(text))
            continue;
        if (!splitGedcomLine(text, line))
            continue;
        if (line.level == 0) {
            endFamily();
            if (isTag(line, "TRLR"))
                break;
            inFamily = isTag(line, "FAM");
            if (inFamily)
                family.begin();
        } else if (inFamily) {
            family.add(line, reader.cut());
        }
    }
    endFamily();
}

const std::vector<StatedAgeEvent>* SpouseAgeIndex::find(std::string_view id) const
{
    if (byId_.empty())
        return nullptr;
    const auto found = byId_.find(std::string(id));
    return found == byId_.end() ? nullptr : &found->second;
}

RewindableInput::RewindableInput(std::FILE* in)
{
    start_ = std::ftell(in);
    if (start_ >= 0 && std::fseek(in, start_, SEEK_SET) == 0) {
        file_ = in;
        return;
    }
    copy_ = std::tmpfile();
    if (copy_ == nullptr) {
        problem_ = std::string("cannot make a temporary copy: ") + std::strerror(errno);
        return;
    }
    const std::unique_ptr<char[]> block(new char[CopyBlock]);
    for (;;) {
        const size_t size = std::fread(block.get(), 1, CopyBlock, in);
        if (size > 0 && std::fwrite(block.get(), 1, size, copy_) != size) {
            problem_ = std::string("cannot write a temporary copy: ") + std::strerror(errno);
            return;
        }
        if (size < CopyBlock)
            break;
    }
    if (std::ferror(in)) {
        problem_ = "read error";
        return;
    }
    start_ = 0;
    if (std::fflush(copy_) != 0 || std::fseek(copy_, 0, SEEK_SET) != 0) {
        problem_ = std::string("cannot read a temporary copy: ") + std::strerror(errno);
        return;
    }
    file_ = copy_;
}

RewindableInput::~RewindableInput()
{
    if (copy_ != nullptr)
        std::fclose(copy_);
}

bool RewindableInput::rewind()
{
    if (file_ == nullptr)
        return false;
    std::clearerr(file_);
    return std::fseek(file_, start_, SEEK_SET) == 0;
}
