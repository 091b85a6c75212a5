#include "gedzip.h"

#include <minizip/unzip.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>

namespace spanwright {

namespace {

// The name GEDZIP gives the tree inside the archive (case-sensitive).
constexpr const char* TreeName = "gedcom.ged";
constexpr std::string_view ZipMagic = "PK\x03\x04";
constexpr int CaseSensitive = 1;
constexpr unsigned ReadBlock = 1 << 16;
// The archive's bit 0: encrypted, which GEDZIP does not use.
constexpr unsigned long EncryptedFlag = 1;

// Where the archive's bytes come from: the opened file when it can be
// sought in, else (a pipe) a copy of them in memory.
struct ArchiveSource
{
    std::FILE* file = nullptr;
    std::string memory;
    bool inMemory = false;
    ZPOS64_T position = 0; // in memory
    bool failed = false;

    ~ArchiveSource()
    {
        if (file != nullptr)
            std::fclose(file);
    }
};

// The "path" unzOpen2_64 is given is the source itself.
voidpf ZCALLBACK openSource(voidpf, const void* path, int)
{
    return const_cast<void*>(path);
}

uLong ZCALLBACK readSource(voidpf, voidpf stream, void* buffer, uLong size)
{
    auto* source = static_cast<ArchiveSource*>(stream);
    if (!source->inMemory) {
        const size_t read = std::fread(buffer, 1, size, source->file);
        source->failed = source->failed || std::ferror(source->file) != 0;
        return static_cast<uLong>(read);
    }
    const ZPOS64_T left = source->position < source->memory.size() ? source->memory.size() - source->position : 0;
    const auto count = static_cast<size_t>(size < left ? size : left);
    std::memcpy(buffer, source->memory.data() + source->position, count);
    source->position += count;
    return static_cast<uLong>(count);
}

uLong ZCALLBACK writeSource(voidpf, voidpf, const void*, uLong)
{
    return 0; // read only
}

ZPOS64_T ZCALLBACK tellSource(voidpf, voidpf stream)
{
    auto* source = static_cast<ArchiveSource*>(stream);
    if (source->inMemory)
        return source->position;
    const off_t position = ftello(source->file);
    return position < 0 ? ZPOS64_T(-1) : ZPOS64_T(position);
}

long ZCALLBACK seekSource(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* source = static_cast<ArchiveSource*>(stream);
    if (!source->inMemory) {
        const int whence = origin == ZLIB_FILEFUNC_SEEK_CUR ? SEEK_CUR
            : origin == ZLIB_FILEFUNC_SEEK_END              ? SEEK_END
                                                            : SEEK_SET;
        return fseeko(source->file, static_cast<off_t>(offset), whence) == 0 ? 0 : -1;
    }
    const ZPOS64_T base = origin == ZLIB_FILEFUNC_SEEK_CUR ? source->position
        : origin == ZLIB_FILEFUNC_SEEK_END                 ? source->memory.size()
                                                           : 0;
    if (base + offset > source->memory.size())
        return -1;
    source->position = base + offset;
    return 0;
}

int ZCALLBACK closeSource(voidpf, voidpf)
{
    return 0; // the entry's stream closes the source
}

int ZCALLBACK sourceError(voidpf, voidpf stream)
{
    return static_cast<ArchiveSource*>(stream)->failed ? 1 : 0;
}

// The archive's gedcom.ged being read.
struct ZipEntry
{
    std::unique_ptr<ArchiveSource> source;
    unzFile archive = nullptr;
    bool ended = false;
    off64_t position = 0; // of the next byte of gedcom.ged
};

void closeArchive(ZipEntry* entry)
{
    unzClose(entry->archive);
    delete entry;
}

ssize_t readEntry(void* cookie, char* buffer, size_t size)
{
    auto* entry = static_cast<ZipEntry*>(cookie);
    if (entry->ended)
        return 0;
    const int read = unzReadCurrentFile(entry->archive, buffer, static_cast<unsigned>(size < ReadBlock ? size : ReadBlock));
    if (read == 0) {
        // The end: a damaged entry is told by its checksum here.
        entry->ended = true;
        if (unzCloseCurrentFile(entry->archive) != UNZ_OK) {
            errno = EIO;
            return -1;
        }
    }
    if (read < 0) {
        errno = EIO;
        return -1;
    }
    entry->position += read;
    return read;
}

// Where the tree stands, and back to its start: the report reads it twice,
// unpacking it again rather than copying it.
int seekEntry(void* cookie, off64_t* offset, int whence)
{
    auto* entry = static_cast<ZipEntry*>(cookie);
    const off64_t target = whence == SEEK_CUR ? entry->position + *offset : whence == SEEK_SET ? *offset : -1;
    if (target == entry->position) {
        *offset = target;
        return 0;
    }
    if (target != 0) {
        errno = EINVAL; // only its start can be gone back to
        return -1;
    }
    if (!entry->ended)
        unzCloseCurrentFile(entry->archive);
    entry->ended = false;
    entry->position = 0;
    if (unzOpenCurrentFile(entry->archive) != UNZ_OK) {
        entry->ended = true;
        errno = EIO;
        return -1;
    }
    *offset = 0;
    return 0;
}

int closeEntry(void* cookie)
{
    auto* entry = static_cast<ZipEntry*>(cookie);
    if (!entry->ended)
        unzCloseCurrentFile(entry->archive);
    closeArchive(entry);
    return 0;
}

// The bytes peeked at the start of a stream that cannot be rewound, served
// before the rest of it.
struct PeekedStream
{
    std::string start;
    size_t served = 0;
    std::FILE* file;
};

ssize_t readPeeked(void* cookie, char* buffer, size_t size)
{
    auto* stream = static_cast<PeekedStream*>(cookie);
    if (stream->served < stream->start.size()) {
        const size_t count = std::min(size, stream->start.size() - stream->served);
        std::memcpy(buffer, stream->start.data() + stream->served, count);
        stream->served += count;
        return static_cast<ssize_t>(count);
    }
    const size_t read = std::fread(buffer, 1, size, stream->file);
    if (read == 0 && std::ferror(stream->file) != 0) {
        errno = EIO;
        return -1;
    }
    return static_cast<ssize_t>(read);
}

int closePeeked(void* cookie)
{
    auto* stream = static_cast<PeekedStream*>(cookie);
    std::fclose(stream->file);
    delete stream;
    return 0;
}

std::FILE* withPeekedStart(std::FILE* file, std::string start, std::string& error)
{
    auto* stream = new PeekedStream{std::move(start), 0, file};
    std::FILE* result = fopencookie(stream, "rb", cookie_io_functions_t{readPeeked, nullptr, nullptr, closePeeked});
    if (result == nullptr) {
        error = std::strerror(errno);
        closePeeked(stream);
    }
    return result;
}

// The rest of a stream after its start, into memory, up to the bound.
bool readIntoMemory(ArchiveSource& source, std::string start, std::string& error)
{
    source.memory = std::move(start);
    source.inMemory = true;
    std::string block(ReadBlock, '\0');
    for (;;) {
        const size_t read = std::fread(block.data(), 1, block.size(), source.file);
        if (read == 0)
            break;
        if (source.memory.size() + read > MostArchiveBytesFromStream) {
            error = "a GEDZIP archive from a pipe is read into memory, and this one is larger than "
                + std::to_string(MostArchiveBytesFromStream >> 20) + " MiB: give it as a file";
            return false;
        }
        source.memory.append(block.data(), read);
    }
    if (std::ferror(source.file) != 0) {
        error = "read error";
        return false;
    }
    std::fclose(source.file);
    source.file = nullptr;
    return true;
}

std::FILE* openArchiveTree(std::unique_ptr<ArchiveSource> source, std::string& error)
{
    zlib_filefunc64_def functions{openSource, readSource, writeSource, tellSource,
                                  seekSource, closeSource, sourceError, nullptr};
    auto* entry = new ZipEntry{std::move(source), nullptr, false};
    entry->archive = unzOpen2_64(entry->source.get(), &functions);
    if (entry->archive == nullptr) {
        error = "not a readable GEDZIP archive (no zip directory)";
        delete entry;
        return nullptr;
    }
    unz_file_info64 info{};
    if (unzLocateFile(entry->archive, TreeName, CaseSensitive) != UNZ_OK) {
        error = std::string("the GEDZIP archive has no ") + TreeName;
    } else if (unzGetCurrentFileInfo64(entry->archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        error = std::string("the GEDZIP archive's ") + TreeName + " cannot be read";
    } else if ((info.flag & EncryptedFlag) != 0) {
        error = std::string("the GEDZIP archive's ") + TreeName + " is encrypted";
    } else if (unzOpenCurrentFile(entry->archive) != UNZ_OK) {
        error = std::string("the GEDZIP archive's ") + TreeName
            + " is compressed in a way that cannot be read (only stored and deflated)";
    } else {
        std::FILE* stream = fopencookie(entry, "rb", cookie_io_functions_t{readEntry, nullptr, seekEntry, closeEntry});
        if (stream != nullptr)
            return stream;
        error = std::strerror(errno);
        unzCloseCurrentFile(entry->archive);
    }
    closeArchive(entry);
    return nullptr;
}

} // namespace

std::FILE* openGedcomFile(const std::string& path, std::string& error)
{
    std::FILE* file = nullptr;
    if (path == StandardInputName) {
        // A copy of the descriptor, so that closing the tree leaves
        // standard input open.
        // Standard input held open for writing alone is a closed one.
        const int flags = fcntl(STDIN_FILENO, F_GETFL);
        if (flags != -1 && (flags & O_ACCMODE) == O_WRONLY) {
            error = std::strerror(EBADF);
            return nullptr;
        }
        const int descriptor = dup(STDIN_FILENO);
        file = descriptor < 0 ? nullptr : fdopen(descriptor, "rb");
        if (file == nullptr && descriptor >= 0)
            close(descriptor);
    } else {
        file = std::fopen(path.c_str(), "rb");
    }
    if (file == nullptr) {
        error = std::strerror(errno);
        return nullptr;
    }
    // The first bytes tell an archive; a pipe cannot be rewound after them.
    // Standard input is read from where it stands (a shell may have read
    // part of it), a file it is opened on rewound only to there.
    const off_t position = ftello(file);
    std::string start(ZipMagic.size(), '\0');
    start.resize(std::fread(start.data(), 1, start.size(), file));
    if (std::ferror(file) != 0) {
        error = std::strerror(errno);
        std::fclose(file);
        return nullptr;
    }
    if (start != ZipMagic) {
        if (position >= 0 && fseeko(file, position, SEEK_SET) == 0)
            return file;
        return withPeekedStart(file, std::move(start), error);
    }
    auto source = std::make_unique<ArchiveSource>();
    source->file = file;
    // An archive's offsets count from its first byte: one read from a pipe,
    // or from a stream some of which was read before, is read into memory.
    const bool inPlace = position == 0 && fseeko(file, 0, SEEK_SET) == 0;
    if (!inPlace && !readIntoMemory(*source, std::move(start), error))
        return nullptr;
    return openArchiveTree(std::move(source), error);
}

} // namespace spanwright
