#include "reading/agetokens.h"

#include "reading/age.h"
#include "text/asciitext.h"
#include "text/letters.h"
#include "text/quotedtext.h"

namespace spanwright {

namespace {

constexpr std::string_view PluralMark = "(s)";
constexpr std::string_view OneHalf = "\xC2\xBD"; // U+00BD VULGAR FRACTION ONE HALF

bool isAscii(std::string_view word)
{
    for (char c : word) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isSpace(char c) { return isBlank(c) || isLineEnd(c); }

AgeTokenKind signKind(char c, bool& known)
{
    known = true;
    switch (c) {
    case '.': return AgeTokenKind::Stop;
    case ',': return AgeTokenKind::Comma;
    case '&': return AgeTokenKind::Ampersand;
    case ':': return AgeTokenKind::Colon;
    case '[': return AgeTokenKind::OpenBracket;
    case ']': return AgeTokenKind::CloseBracket;
    default: known = false; return AgeTokenKind::Stop;
    }
}

// The start of a long rest, cut between characters, for a message.
std::string_view quotedExcerptText(std::string_view rest)
{
    constexpr size_t LongestExcerpt = 40;
    if (rest.size() <= LongestExcerpt)
        return rest;
    size_t cut = LongestExcerpt;
    while (cut > 0 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80)
        --cut;
    return rest.substr(0, cut);
}

// The reason assigned, not built in place: a literal then stays one string
// in the binary, as the package checks read its words.
Problem notTokens(std::string_view reason)
{
    Problem problem{ProblemKind::NotRead, {}};
    problem.message = reason;
    return problem;
}

} // namespace

Result<std::vector<AgeToken>> ageTokensOf(std::string_view text)
{
    std::vector<AgeToken> tokens;
    bool joined = false;
    size_t pos = 0;
    const auto at = [&](size_t i) { return i < text.size() ? text[i] : '\0'; };
    // Letters are whole UTF-8 characters: "jähre", "måneder", "años".
    const auto isLetter = [&](size_t i) { return languages::letterLength(text, i) > 0; };
    while (pos < text.size()) {
        const char c = text[pos];
        if (isSpace(c)) {
            joined = false;
            ++pos;
            continue;
        }
        AgeToken token{AgeTokenKind::Word, {}, {}, 0, joined, false};
        const size_t start = pos;
        if (isDigit(c)) {
            while (isDigit(at(pos))) {
                token.value = token.value * 10 + (text[pos] - '0');
                if (token.value > LargestAgePart)
                    return notTokens("a number larger than " + std::to_string(LargestAgePart));
                ++pos;
            }
            if ((at(pos) == '.' || at(pos) == ',') && isDigit(at(pos + 1)))
                return notTokens("whole numbers only, not a fraction");
            token.kind = AgeTokenKind::Number;
            if (text.substr(pos, OneHalf.size()) == OneHalf) {
                token.half = true; // "1½ Jahr"
                pos += OneHalf.size();
            }
        } else if (isLetter(pos)) {
            while (isLetter(pos) || (at(pos) == '\'' && isLetter(pos + 1))) {
                const size_t length = text[pos] == '\'' ? 1 : languages::letterLength(text, pos);
                if (text[pos] != '\'')
                    token.word.append(text.substr(pos, length));
                pos += length;
            }
            if (text.substr(pos, PluralMark.size()) == PluralMark)
                pos += PluralMark.size();
            // Accents are folded as the tables' spellings are, so that a
            // writer may leave out some and keep others ("agé", "age").
            if (!isAscii(token.word))
                token.word = languages::withoutDiacritics(token.word);
        } else if (c == '-' && joined && !tokens.empty() && tokens.back().kind == AgeTokenKind::Word
                   && isLetter(pos + 1)) {
            token.kind = AgeTokenKind::Hyphen;
            ++pos;
        } else if ((c == '-' || c == '+') && isDigit(at(pos + 1))) {
            return notTokens("whole numbers only, without a sign");
        } else {
            bool known = false;
            token.kind = signKind(c, known);
            if (!known)
                return notTokens("not understood at "
                                 + languages::quotedForMessage(quotedExcerptText(text.substr(pos))));
            ++pos;
        }
        token.text = text.substr(start, pos - start);
        tokens.push_back(std::move(token));
        joined = true;
    }
    return tokens;
}

} // namespace spanwright
