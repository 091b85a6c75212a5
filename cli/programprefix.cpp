#include "programprefix.h"

ProgramPrefixedStream::ProgramPrefixedStream(std::ostream& target, std::string_view prefix)
    : std::ostream(nullptr), buffer_(target, prefix)
{
    rdbuf(&buffer_);
}

// Unbuffered: each character goes on at once, so that what the command
// writes to the target itself stays in order with the warnings.
ProgramPrefixedStream::Buffer::int_type ProgramPrefixedStream::Buffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    if (atLineStart_)
        target_ << prefix_;
    const char written = traits_type::to_char_type(c);
    target_.put(written);
    atLineStart_ = written == '\n';
    return target_ ? c : traits_type::eof();
}

int ProgramPrefixedStream::Buffer::sync()
{
    target_.flush();
    return target_ ? 0 : -1;
}
