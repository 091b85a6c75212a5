#pragma once

#include "statedages.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace spanwright {

// The ages that family events state of each spouse (see FamilyEventAges),
// by the id of the person the family's HUSB or WIFE line names. The report
// writes a person's row as the record ends, and families mostly follow the
// people, so it reads these in a pass of their own first. Memory follows the
// ages found, not the file.
class SpouseAgeIndex
{
public:
    // Reads GEDCOM lines from in to the end of the file (or its TRLR),
    // copying the bytes read to copy where given; false when some could
    // not be copied.
    bool read(std::FILE* in, std::FILE* copy = nullptr);
    // The last read ended on a read error (a damaged archive, a disk): what
    // follows would read a file cut short.
    bool readFailed() const { return readFailed_; }

    // The person's ages, in the file's order; nullptr where there are none.
    const std::vector<StatedAgeEvent>* find(std::string_view id) const;
    bool empty() const { return byId_.empty() && unnamed_.empty(); }
    // The ages of the husband (sex 'M') or wife ('F') of a family that names
    // none, for the first person whose FAMS links them to it: as the tree
    // check links them, the role goes to the first who claims it, and the
    // ages are handed out once.
    std::vector<StatedAgeEvent> takeUnnamedSpouseAges(std::string_view family, char sex);
    // The family whose ages the person has from a record that a file
    // without TRLR ends in, and so may be cut short; empty where none.
    std::string_view cutFamilyOf(std::string_view id) const;

private:
    std::unordered_map<std::string, std::vector<StatedAgeEvent>> byId_;
    // By family id: the ages of a role (husband, wife) the family names no one in.
    std::unordered_map<std::string, std::array<std::vector<StatedAgeEvent>, 2>> unnamed_;
    std::string cutFamily_;
    std::vector<std::string> cutSpouses_;
    bool readFailed_ = false;
};

// A stream to be read twice from where it stands: a file that can seek is
// read again; one that cannot (a pipe) is copied to a temporary file (in
// $TMPDIR, else /tmp) while the first reading goes on, and read again from
// the copy, so that no more is copied than the first reading takes.
class RewindableInput
{
public:
    explicit RewindableInput(std::FILE* in);
    ~RewindableInput();
    RewindableInput(const RewindableInput&) = delete;
    RewindableInput& operator=(const RewindableInput&) = delete;

    // False for a pipe without a copy (see problem): it can be read once.
    bool twice() const { return seekable_ || copy_ != nullptr; }
    // The stream of the first reading, and where it copies what it reads
    // (see GedcomLineReader::copyTo); nullptr for a file that can seek.
    std::FILE* first() const { return in_; }
    std::FILE* copy() const { return copy_; }
    // After the first reading: the stream of the second, from where the
    // first began; nullptr when there is none (see problem).
    std::FILE* second();
    const std::string& problem() const { return problem_; }

private:
    std::FILE* in_;
    std::FILE* copy_ = nullptr;
    long start_ = 0;
    bool seekable_ = false;
    std::string problem_;
};

} // namespace spanwright
