#pragma once

#include <spanwright/result.h>

#include <string>
#include <string_view>
#include <vector>

namespace spanwright {

// The pieces of an age text: numbers, words and the signs between them.
enum class AgeTokenKind { Number, Word, Hyphen, Stop, Comma, Ampersand, Colon, OpenBracket, CloseBracket };

struct AgeToken
{
    AgeTokenKind kind;
    std::string_view text; // a word without its apostrophes is in word
    std::string word;
    long long value = 0;   // of a number
    bool joined = false;   // no blank before it ("33d", "39y")
    bool half = false;     // a number with a half after it ("1½")
};

// Cuts a lower-cased age text into tokens, or says why it cannot be cut
// (NotRead), without the text itself. A word takes letters and inner
// apostrophes ("y's"), and is kept without its diacritics; a hyphen between letters ("sixty-two") is a token of
// its own; "(s)" after a word is left out. Numbers are whole: a sign, a
// fraction, a number larger than an age part may be, or any other sign is a
// problem.
Result<std::vector<AgeToken>> ageTokensOf(std::string_view lower);

} // namespace spanwright
