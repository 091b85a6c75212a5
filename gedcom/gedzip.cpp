#include "gedzip.h"

#include <zip.h>

#include <cerrno>
#include <cstring>
#include <string_view>

namespace {

// The name GEDZIP gives the tree inside the archive (case-sensitive).
constexpr const char* TreeName = "gedcom.ged";
constexpr std::string_view ZipMagic = "PK\x03\x04";

struct ZipEntry
{
    zip_t* archive = nullptr;
    zip_file_t* file = nullptr;
};

ssize_t readEntry(void* cookie, char* buffer, size_t size)
{
    auto* entry = static_cast<ZipEntry*>(cookie);
    const zip_int64_t read = zip_fread(entry->file, buffer, size);
    if (read < 0) {
        errno = EIO;
        return -1;
    }
    return static_cast<ssize_t>(read);
}

int closeEntry(void* cookie)
{
    auto* entry = static_cast<ZipEntry*>(cookie);
    zip_fclose(entry->file);
    zip_discard(entry->archive);
    delete entry;
    return 0;
}

bool isZip(std::FILE* file)
{
    char start[4] = {};
    const size_t read = std::fread(start, 1, sizeof start, file);
    std::rewind(file);
    return read == sizeof start && std::string_view(start, sizeof start) == ZipMagic;
}

std::FILE* openArchiveTree(const std::string& path, std::string& error)
{
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, code);
        error = std::string("not a readable GEDZIP archive: ") + zip_error_strerror(&zipError);
        zip_error_fini(&zipError);
        return nullptr;
    }
    zip_file_t* file = zip_fopen(archive, TreeName, 0);
    if (file == nullptr) {
        error = std::string("the GEDZIP archive has no ") + TreeName + " (" + zip_strerror(archive) + ")";
        zip_discard(archive);
        return nullptr;
    }
    auto* entry = new ZipEntry{archive, file};
    const cookie_io_functions_t functions{readEntry, nullptr, nullptr, closeEntry};
    std::FILE* stream = fopencookie(entry, "rb", functions);
    if (stream == nullptr) {
        error = std::strerror(errno);
        closeEntry(entry);
    }
    return stream;
}

} // namespace

std::FILE* openGedcomFile(const std::string& path, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return nullptr;
    }
    if (!isZip(file))
        return file;
    std::fclose(file);
    return openArchiveTree(path, error);
}
