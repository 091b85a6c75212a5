#include "temporarycopy.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace spanwright {

TemporaryCopy openTemporaryCopy()
{
    TemporaryCopy copy;
    const char* directory = std::getenv("TMPDIR");
    copy.folder = directory != nullptr && *directory != '\0' ? directory : "/tmp";
    std::string path = copy.folder + "/spanwright-XXXXXX";
    const int descriptor = mkstemp(path.data());
    if (descriptor < 0) {
        copy.error = errno;
        return copy;
    }
    unlink(path.c_str()); // gone with the stream
    copy.file = fdopen(descriptor, "w+b");
    if (copy.file == nullptr) {
        copy.error = errno;
        close(descriptor);
    }
    return copy;
}

} // namespace spanwright
