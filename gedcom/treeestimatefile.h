#pragma once

#include "familytreereader.h"
#include "treeevents.h"

#include <cstdio>
#include <ostream>
#include <string_view>

namespace spanwright {

// Reads a GEDCOM file into the tree the check reads and the events of each
// person, which take a second reading: a stream that cannot be read twice
// (a pipe) is copied to a temporary file first. False when the file cannot
// be read (the reason is on warnings, as the check tells it).
bool readTreeWithEvents(std::FILE* in, std::string_view fileName, std::ostream& warnings,
                        const CalendarChoice& calendar, FamilyTree& tree, TreeEvents& events);

} // namespace spanwright
