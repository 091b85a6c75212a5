#include "filesizelimit.h"

#include <unistd.h>

#include <csignal>

namespace {

constexpr char Message[] = "spanwright-cli: file size limit exceeded (ulimit -f): the output or a temporary copy "
                           "could not be written whole\n";

extern "C" void onFileSizeLimit(int number)
{
    const ssize_t written = write(STDERR_FILENO, Message, sizeof Message - 1);
    static_cast<void>(written); // nothing more can be done about it
    std::signal(number, SIG_DFL);
    raise(number); // blocked until this handler returns
}

} // namespace

void tellFileSizeLimit()
{
    struct sigaction previous {};
    sigaction(SIGXFSZ, nullptr, &previous);
    if (previous.sa_handler == SIG_IGN)
        return;
    struct sigaction action {};
    action.sa_handler = onFileSizeLimit;
    sigemptyset(&action.sa_mask);
    sigaction(SIGXFSZ, &action, nullptr);
}
