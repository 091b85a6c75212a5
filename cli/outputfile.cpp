#include "outputfile.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

// The signals that end a run early, and what the message calls them.
struct EndingSignal
{
    int number;
    const char* word;
};
// Every signal that ends a program by default and can be caught (SIGKILL
// cannot; SIGPIPE comes of a reader of standard error gone).
constexpr std::array<EndingSignal, 12> EndingSignals = {{
    {SIGINT, "interrupted"},
    {SIGTERM, "terminated"},
    {SIGHUP, "hung up"},
    {SIGQUIT, "quit"},
    {SIGUSR1, "user signal 1"},
    {SIGUSR2, "user signal 2"},
    {SIGALRM, "alarm clock"},
    {SIGVTALRM, "virtual timer expired"},
    {SIGPROF, "profiling timer expired"},
    {SIGXCPU, "CPU time limit exceeded"},
    {SIGXFSZ, "file size limit exceeded"},
    {SIGPIPE, "broken pipe"},
}};
// A message long enough for any path a person types; a longer one is cut.
constexpr size_t MessageCapacity = 512;
constexpr const char* TemporarySuffix = ".XXXXXX";

// What the handlers need, prepared before they can run: they may only make
// calls that are safe in a signal handler.
struct SignalState
{
    char temporary[PATH_MAX + 16] = {}; // the temporary file's path
    std::array<std::array<char, MessageCapacity>, EndingSignals.size()> messages{};
    std::array<size_t, EndingSignals.size()> messageLengths{};
    std::array<struct sigaction, EndingSignals.size()> previous{};
    std::array<bool, EndingSignals.size()> installed{};
    bool active = false;
};
SignalState signalState;
// Set while the temporary file is renamed: a signal then waits until the
// file is in place.
volatile std::sig_atomic_t committing = 0;
volatile std::sig_atomic_t pendingSignal = 0;

void endBySignal(int number)
{
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(number, &defaultAction, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(number);
    _exit(128 + number); // should the signal not end the program
}

extern "C" void onEndingSignal(int number)
{
    if (committing) {
        pendingSignal = number;
        return;
    }
    unlink(signalState.temporary);
    for (size_t i = 0; i < EndingSignals.size(); ++i) {
        if (EndingSignals[i].number == number) {
            const ssize_t written =
                write(STDERR_FILENO, signalState.messages[i].data(), signalState.messageLengths[i]);
            static_cast<void>(written); // nothing more can be done about it
        }
    }
    endBySignal(number);
}

void installHandlers(const std::string& path, bool existed)
{
    const bool terminal = isatty(STDERR_FILENO) == 1;
    for (size_t i = 0; i < EndingSignals.size(); ++i) {
        const int length = std::snprintf(signalState.messages[i].data(), MessageCapacity,
                                          "%sspanwright-cli: %s: %s %s\n", terminal ? "\n" : "",
                                          EndingSignals[i].word, path.c_str(),
                                          existed ? "is left as it was" : "is not written");
        signalState.messageLengths[i] = std::min<size_t>(static_cast<size_t>(std::max(length, 0)), MessageCapacity - 1);
        struct sigaction action {};
        action.sa_handler = onEndingSignal;
        sigemptyset(&action.sa_mask);
        for (const EndingSignal& other : EndingSignals)
            sigaddset(&action.sa_mask, other.number); // one handler at a time
        action.sa_flags = SA_RESTART;
        struct sigaction& previous = signalState.previous[i];
        sigaction(EndingSignals[i].number, nullptr, &previous);
        // A signal the program was started to ignore (nohup) stays ignored.
        signalState.installed[i] = previous.sa_handler != SIG_IGN;
        if (signalState.installed[i])
            sigaction(EndingSignals[i].number, &action, nullptr);
    }
    signalState.active = true;
}

void restoreHandlers()
{
    if (!signalState.active)
        return;
    for (size_t i = 0; i < EndingSignals.size(); ++i) {
        if (signalState.installed[i])
            sigaction(EndingSignals[i].number, &signalState.previous[i], nullptr);
    }
    signalState.active = false;
    signalState.temporary[0] = '\0';
}

std::string directoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The permissions a new file gets: 0666 less the umask, as fopen gives.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string errorText(int error)
{
    return std::strerror(error);
}

} // namespace

OutputFile::OutputFile(const std::string& path) : path_(path), target_(path)
{
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr)
            target_ = resolved;
    }
    existed_ = stat(target_.c_str(), &status) == 0;
    if (existed_ && !S_ISREG(status.st_mode)) {
        stream_ = std::fopen(path.c_str(), "wb");
        if (stream_ == nullptr)
            throw Error("cannot create " + path_ + ": " + errorText(errno));
        return;
    }
    if (signalState.active)
        throw Error("one output file at a time");
    temporary_ = directoryOf(target_) + "/." + fileNameOf(target_) + TemporarySuffix;
    if (temporary_.size() >= sizeof signalState.temporary)
        throw Error("cannot create " + path_ + ": " + errorText(ENAMETOOLONG));
    // The handlers are in place before the file exists, so that no signal
    // can leave it behind; mkstemp writes its name where they find it.
    std::memcpy(signalState.temporary, temporary_.c_str(), temporary_.size() + 1);
    installHandlers(path_, existed_);
    const int descriptor = mkstemp(signalState.temporary);
    if (descriptor < 0) {
        const int error = errno;
        restoreHandlers();
        throw Error("cannot create a file beside " + path_ + " to write it: " + errorText(error));
    }
    temporary_ = signalState.temporary;
    // The permissions FILE has, or those a new file would get (mkstemp
    // makes it readable by its owner alone).
    fchmod(descriptor, existed_ ? (status.st_mode & 07777) : newFileMode());
    stream_ = fdopen(descriptor, "wb");
    if (stream_ == nullptr) {
        const int error = errno;
        close(descriptor);
        discard();
        throw Error("cannot create " + path_ + ": " + errorText(error));
    }
}

OutputFile::~OutputFile()
{
    discard();
}

std::string OutputFile::untouchedNote() const
{
    if (temporary_.empty())
        return {};
    return path_ + (existed_ ? " is left as it was" : " is not written");
}

void OutputFile::discard()
{
    if (stream_ != nullptr)
        std::fclose(stream_);
    stream_ = nullptr;
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        restoreHandlers();
    }
}

void OutputFile::commit()
{
    std::FILE* stream = stream_;
    stream_ = nullptr;
    const bool written = std::fflush(stream) == 0 && !std::ferror(stream);
    const int writeError = errno;
    const bool closed = std::fclose(stream) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        const std::string note = untouchedNote();
        discard();
        throw Error("cannot write " + path_ + ": " + errorText(error) + (note.empty() ? "" : " (" + note + ")"));
    }
    if (temporary_.empty())
        return;
    committing = 1;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        committing = 0;
        const std::string note = untouchedNote();
        discard();
        throw Error("cannot put " + path_ + " in place: " + errorText(error) + " (" + note + ")");
    }
    temporary_.clear();
    restoreHandlers();
    committing = 0;
    // A signal during the rename ends the program now, the file written.
    if (pendingSignal != 0)
        endBySignal(pendingSignal);
}

std::unique_ptr<OutputFile> outputFileFor(const std::string& path, std::FILE* input)
{
    struct stat in {};
    struct stat out {};
    if (fstat(fileno(input), &in) == 0 && stat(path.c_str(), &out) == 0 && in.st_dev == out.st_dev
        && in.st_ino == out.st_ino)
        throw OutputFile::Error("-o " + path + " is the input: the rows would be written over before they are read");
    return std::make_unique<OutputFile>(path);
}
