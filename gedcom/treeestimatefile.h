#pragma once

#include "familytreereader.h"
#include "treeevents.h"

#include <cstdio>
#include <ostream>
#include <string_view>

namespace spanwright {

// A GEDCOM file the estimate reads more than once (the tree, the events,
// the write-back): the stream itself where it can go back to its start,
// else a temporary copy of it (a pipe).
class RereadableFile
{
public:
    // False from ok() where the copy cannot be made (the reason on warnings).
    RereadableFile(std::FILE* in, std::string_view fileName, std::ostream& warnings);
    ~RereadableFile();
    RereadableFile(const RereadableFile&) = delete;
    RereadableFile& operator=(const RereadableFile&) = delete;

    bool ok() const { return stream_ != nullptr; }
    // The stream at its start again; nullptr where it cannot go back.
    std::FILE* fromStart();

private:
    std::FILE* stream_ = nullptr;
    std::FILE* copy_ = nullptr;
};

// Reads a GEDCOM file into the tree the check reads and the events of each
// person, which take a second reading. False when the file cannot be read
// (the reason is on warnings, as the check tells it).
bool readTreeWithEvents(RereadableFile& file, std::string_view fileName, std::ostream& warnings,
                        const DateReadOptions& calendar, FamilyTree& tree, TreeEvents& events);

} // namespace spanwright
