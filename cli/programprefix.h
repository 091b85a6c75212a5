#pragma once

#include <ostream>
#include <streambuf>
#include <string_view>

// The library's warnings name no program, one a line; the command line
// writes them to standard error with its name before each line, as it
// writes its own: "spanwright-cli: FILE: line 12 ...".
class ProgramPrefixedStream : public std::ostream
{
public:
    explicit ProgramPrefixedStream(std::ostream& target, std::string_view prefix = "spanwright-cli: ");

private:
    class Buffer : public std::streambuf
    {
    public:
        Buffer(std::ostream& target, std::string_view prefix) : target_(target), prefix_(prefix) {}

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        std::ostream& target_;
        std::string_view prefix_;
        bool atLineStart_ = true;
    };

    Buffer buffer_;
};
