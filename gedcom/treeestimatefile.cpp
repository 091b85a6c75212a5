#include "treeestimatefile.h"

#include "temporarycopy.h"

#include <cstring>

namespace spanwright {

RereadableFile::RereadableFile(std::FILE* in, std::string_view fileName, std::ostream& warnings)
{
    if (std::fseek(in, 0, SEEK_SET) == 0) {
        stream_ = in;
        return;
    }
    const TemporaryCopy temporary = openTemporaryCopy();
    if (temporary.file == nullptr) {
        warnings << fileName << ": cannot make a copy to read it twice in " << temporary.folder << ": "
                 << std::strerror(temporary.error) << '\n';
        return;
    }
    copy_ = temporary.file;
    char block[1 << 16];
    std::size_t read = 0;
    bool copied = true;
    while (copied && (read = std::fread(block, 1, sizeof block, in)) > 0)
        copied = std::fwrite(block, 1, read, copy_) == read;
    if (!copied || std::ferror(in) != 0 || std::fflush(copy_) != 0) {
        warnings << fileName << ": cannot be copied to read it twice\n";
        return;
    }
    stream_ = copy_;
}

RereadableFile::~RereadableFile()
{
    if (copy_ != nullptr)
        std::fclose(copy_);
}

std::FILE* RereadableFile::fromStart()
{
    if (stream_ == nullptr || std::fseek(stream_, 0, SEEK_SET) != 0)
        return nullptr;
    std::clearerr(stream_);
    return stream_;
}

bool readTreeWithEvents(RereadableFile& file, std::string_view fileName, std::ostream& warnings,
                        const DateReadOptions& calendar, FamilyTree& tree, TreeEvents& events)
{
    std::FILE* in = file.fromStart();
    if (in == nullptr || !readFamilyTree(in, fileName, warnings, tree, {}, calendar))
        return false;
    in = file.fromStart();
    if (in == nullptr || !readTreeEvents(in, tree.people.size(), calendar, events)) {
        warnings << fileName << ": the file changed while it was read\n";
        return false;
    }
    return true;
}

} // namespace spanwright
