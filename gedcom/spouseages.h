#pragma once

#include "statedages.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The ages that family events state of each spouse (see FamilyEventAges),
// by the id of the person the family's HUSB or WIFE line names. The report
// writes a person's row as the record ends, and families mostly follow the
// people, so it reads these in a pass of their own first. Memory follows the
// ages found, not the file.
class SpouseAgeIndex
{
public:
    // Reads GEDCOM lines from in to the end of the file (or its TRLR).
    void read(std::FILE* in);

    // The person's ages, in the file's order; nullptr where there are none.
    const std::vector<StatedAgeEvent>* find(std::string_view id) const;
    bool empty() const { return byId_.empty(); }

private:
    std::unordered_map<std::string, std::vector<StatedAgeEvent>> byId_;
};

// A stream that can be read twice from where it stands: the file itself
// where it can seek, else a temporary copy of all it holds (a pipe).
class RewindableInput
{
public:
    explicit RewindableInput(std::FILE* in);
    ~RewindableInput();
    RewindableInput(const RewindableInput&) = delete;
    RewindableInput& operator=(const RewindableInput&) = delete;

    // The stream to read; nullptr when no copy could be made (see problem).
    std::FILE* file() const { return file_; }
    // Back to where it stood; false when it cannot seek.
    bool rewind();
    // Why the input could not be copied ("read error", the system's
    // reason for the temporary file), else empty.
    const std::string& problem() const { return problem_; }

private:
    std::FILE* file_ = nullptr;
    std::FILE* copy_ = nullptr;
    long start_ = 0;
    std::string problem_;
};
