#include "treeestimatefile.h"

#include "temporarycopy.h"

#include <cstring>

namespace spanwright {

namespace {

// The stream itself where it can go back to its start, else a copy of it.
std::FILE* rereadable(std::FILE* in, std::FILE*& copy, std::ostream& warnings, std::string_view fileName)
{
    if (std::fseek(in, 0, SEEK_SET) == 0)
        return in;
    const TemporaryCopy temporary = openTemporaryCopy();
    if (temporary.file == nullptr) {
        warnings << fileName << ": cannot make a copy to read it twice in " << temporary.folder << ": "
                 << std::strerror(temporary.error) << '\n';
        return nullptr;
    }
    copy = temporary.file;
    char block[1 << 16];
    std::size_t read = 0;
    while ((read = std::fread(block, 1, sizeof block, in)) > 0) {
        if (std::fwrite(block, 1, read, copy) != read) {
            warnings << fileName << ": cannot write its copy\n";
            return nullptr;
        }
    }
    std::rewind(copy);
    return std::ferror(in) != 0 ? nullptr : copy;
}

} // namespace

bool readTreeWithEvents(std::FILE* in, std::string_view fileName, std::ostream& warnings,
                        const CalendarChoice& calendar, FamilyTree& tree, TreeEvents& events)
{
    std::FILE* copy = nullptr;
    std::FILE* source = rereadable(in, copy, warnings, fileName);
    bool read = source != nullptr && readFamilyTree(source, fileName, warnings, tree, {}, calendar);
    if (read && std::fseek(source, 0, SEEK_SET) != 0)
        read = false;
    if (read && !readTreeEvents(source, tree.people.size(), calendar, events)) {
        warnings << fileName << ": the file changed while it was read\n";
        read = false;
    }
    if (copy != nullptr)
        std::fclose(copy);
    return read;
}

} // namespace spanwright
