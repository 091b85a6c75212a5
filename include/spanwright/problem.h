#pragma once

#include <string>

namespace spanwright {

// What kind of problem stopped an answer, so that a caller can tell a text
// it should correct from a question the dates cannot answer.
enum class ProblemKind {
    // A text is not a date or an age, or an option is wrong: the question is
    // not understood.
    NotRead,
    // The question is understood, and no date answers it: an end before the
    // begin, an age no date gives, records that no birth date fits.
    NoAnswer,
};

// A problem and the sentence that says it: the text in quotes and why, as
// "\"5/17/1990x\" is not a date: ...". The message never names a program.
struct Problem
{
    ProblemKind kind = ProblemKind::NotRead;
    std::string message;

    friend bool operator==(const Problem& a, const Problem& b)
    {
        return a.kind == b.kind && a.message == b.message;
    }
    friend bool operator!=(const Problem& a, const Problem& b) { return !(a == b); }
};

} // namespace spanwright
