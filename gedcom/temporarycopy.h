#pragma once

#include <cstdio>
#include <string>

namespace spanwright {

// A file to hold a copy of a stream that cannot be read twice (a pipe): in
// the folder TMPDIR names, else /tmp, and removed from it as soon as it is
// made, so that it is gone with its stream however the program ends.
struct TemporaryCopy
{
    std::FILE* file = nullptr; // opened for writing and reading; nullptr when it cannot be made
    std::string folder;        // where it was made, or would have been
    int error = 0;             // errno, where file is nullptr
};

TemporaryCopy openTemporaryCopy();

} // namespace spanwright
