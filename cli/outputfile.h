#pragma once

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

// The file of -o FILE, written whole or not at all. The output goes to a
// temporary file beside FILE (in its directory, so that the rename stays on
// one file system), which commit() renames to FILE; until then an old FILE
// is as it was. On a fault (the object destroyed uncommitted, a write that
// fails) and on every signal that ends a program and can be caught (SIGINT,
// SIGTERM, SIGHUP, SIGQUIT, SIGXFSZ, SIGALRM...) the temporary file is
// removed and, for a signal, a message says so before the program ends by
// that signal (status 130, 143, 129... in the shell), so that a shell loop
// stops too.
//
// A FILE that exists and is not a regular file (/dev/stdout, a pipe) is
// written directly, as it cannot be replaced; a link is followed, and the
// file it names replaced.
//
// One at a time: the signal handlers know one temporary file.
class OutputFile
{
public:
    struct Error : std::runtime_error
    {
        using std::runtime_error::runtime_error;
    };

    // Creates the temporary file; throws Error with a message that says why
    // it cannot.
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::FILE* stream() const { return stream_; }
    // Closes the temporary file and puts it in FILE's place; throws Error
    // (the temporary file removed) when that fails.
    void commit();
    // What a message about a fault adds: that FILE was left as it was, or
    // not written at all.
    std::string untouchedNote() const;

private:
    void discard();

    std::string path_;      // as given, for messages
    std::string target_;    // the file replaced: path_, or what a link names
    std::string temporary_; // empty when FILE is written directly
    bool existed_ = false;
    std::FILE* stream_ = nullptr;
};

// The output file of -o PATH for rows read from the input; throws
// OutputFile::Error where PATH is the input itself (the same file, not
// merely the same name: a link or another spelling of the path would be
// overwritten as well), or cannot be written.
std::unique_ptr<OutputFile> outputFileFor(const std::string& path, std::FILE* input);
