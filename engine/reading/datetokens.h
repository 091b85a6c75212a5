#pragma once

#include "text/asciitext.h"
#include "languages/languages.h"
#include "text/letters.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace spanwright {

namespace datepieces {

// The longest word looked up, in bytes: "października" has 14.
constexpr size_t LongestDateWord = 32;

// The pieces of a worded date: words with their stops ("Nov.", "A.D.",
// "l'an"), numbers with what is written onto them ("12th", "1er", "1°",
// "1728/9"), the months registers write by their numbers ("7bris", "10ber"),
// and single signs, which the grammar judges. A GEDCOM date has two marks
// more: a calendar escape ("@#DJULIAN@", "@#DFRENCH R@" with its blank) and
// a phrase, from its "(" to the end of the value.
enum class DateTokenKind { End, Word, Number, NumberedMonth, Sign, CalendarEscape, Phrase };

// Whether the tokenizer knows a GEDCOM date's escapes and phrases, or reads
// "@" and "(" as the signs they are in a worded date.
enum class DateTokenMarks { Worded, Gedcom };

struct DateToken
{
    DateTokenKind kind = DateTokenKind::End;
    char tailSeparator = 0; // of a number: '/' or '-' before a tail, or 0
    size_t begin = 0;       // where it stands in the text
    size_t end = 0;         // after it, and after a number's ordinal point ("12. März")
    // The lookup form of a word, a numbered month or a number's ending:
    // lower case, without stops and apostrophes; empty when too long. It
    // lives in the tokenizer until the next token is read.
    std::string_view key;
    // A number: where its digits end, and where the ending written onto
    // them ends, or the tail of a dual year or a range after a slash or
    // hyphen (only without an ending).
    size_t digitsEnd = 0;
    size_t partEnd = 0;

    std::string_view digits(std::string_view text) const { return text.substr(begin, digitsEnd - begin); }
    std::string_view ending(std::string_view text) const
    {
        return tailSeparator != 0 ? std::string_view() : text.substr(digitsEnd, partEnd - digitsEnd);
    }
    std::string_view tail(std::string_view text) const
    {
        return tailSeparator == 0 ? std::string_view() : text.substr(digitsEnd + 1, partEnd - digitsEnd - 1);
    }
};

// Cuts a worded date into tokens one at a time, so that the grammar stops
// reading at the first thing it refuses.
class DateTokenizer
{
public:
    explicit DateTokenizer(std::string_view text, DateTokenMarks marks = DateTokenMarks::Worded)
        : text_(text), marks_(marks)
    {
    }

    // The next token after any blanks; false at the end of the text. The
    // token is filled in place: the reader is called for every date of a
    // file, and returning a token by value made it slower.
    bool next(DateToken& token);

private:
    void word(size_t start, DateToken& token);
    void number(size_t start, DateToken& token);
    bool numberedMonth(size_t start, DateToken& token);
    bool signedEnding(size_t sign, DateToken& token);
    std::string_view endingKey(size_t start, size_t end, bool ascii);
    std::string_view lookupForm(size_t start, size_t end, char* bytes);
    bool gedcomMark(size_t start, DateToken& token);

    std::string_view text_;
    DateTokenMarks marks_;
    size_t pos_ = 0;
    bool afterEscape_ = false; // a token after an escape starts afresh, as after a blank
    // Left uninitialised: only the bytes a key uses are written.
    char keyBytes_[LongestDateWord];
    char endingBytes_[LongestDateWord];
};

// The reading of each token is inline: the grammar calls it for each word
// and number of each date, and a call into another file made it slower.

namespace datetokens {


inline bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Most letters beyond ASCII in dates are already in lower case, and two
// bytes long: à to ÿ and ß, а to я and ѐ to џ. They are copied as they stand
// (looking each up was a fifth of the time of a Russian date).
inline bool isLowerTwoByteLetter(char leadByte, char nextByte)
{
    const auto lead = static_cast<unsigned char>(leadByte);
    const auto next = static_cast<unsigned char>(nextByte);
    constexpr unsigned char Latin1Lead = 0xC3, DivisionSign = 0xB7;
    constexpr unsigned char CyrillicLead = 0xD0, CyrillicSecondLead = 0xD1;
    if (lead == Latin1Lead)
        return next >= 0x9F && next <= 0xBF && next != DivisionSign;
    if (lead == CyrillicLead)
        return next >= 0xB0 && next <= 0xBF;
    return lead == CyrillicSecondLead && next >= 0x80 && next <= 0x9F;
}

// The endings other than letters: the Italian "1°", the Iberian "1º".
inline size_t signEndingLength(std::string_view text, size_t pos)
{
    constexpr std::string_view Degree = "\xC2\xB0";
    constexpr std::string_view Ordinal = "\xC2\xBA";
    const std::string_view rest = text.substr(pos, 2);
    return rest == Degree || rest == Ordinal ? 2 : 0;
}

} // namespace datetokens

inline bool DateTokenizer::next(DateToken& token)
{
    size_t start = pos_;
    while (start < text_.size() && isBlank(text_[start]))
        ++start;
    if (start == text_.size())
        return false;
    if (languages::letterLength(text_, start) > 0) {
        word(start, token);
    } else if (isDigit(text_[start])) {
        number(start, token);
    } else if (marks_ == DateTokenMarks::Worded || !gedcomMark(start, token)) {
        token.kind = DateTokenKind::Sign;
        token.begin = start;
        token.end = start + 1;
    }
    afterEscape_ = token.kind == DateTokenKind::CalendarEscape;
    pos_ = token.end;
    return true;
}

// A word, with its stops: "Nov.", "A.D.", "l'an". Its lookup form is made as
// it is read.
inline void DateTokenizer::word(size_t start, DateToken& token)
{
    // Read through locals, which the compiler keeps in registers.
    const std::string_view text = text_;
    char* const key = keyBytes_;
    size_t i = start;
    size_t keyLength = 0;
    bool keyFits = true;
    while (i < text.size()) {
        const char letter = text[i];
        if (datetokens::isAsciiLetter(letter)) {
            if (keyLength == LongestDateWord)
                keyFits = false;
            else
                key[keyLength++] = lowerAscii(letter);
            ++i;
        } else if (letter == '.' || (letter == '\'' && languages::letterLength(text, i + 1) > 0)) {
            ++i;
        } else if (i + 1 < text.size() && datetokens::isLowerTwoByteLetter(letter, text[i + 1])) {
            if (keyLength + 2 > LongestDateWord) {
                keyFits = false;
            } else {
                key[keyLength++] = letter;
                key[keyLength++] = text[i + 1];
            }
            i += 2;
        } else {
            // Beyond ASCII (é, ł, Cyrillic): lowered straight into the key.
            char lower[4];
            size_t written = 0;
            const size_t length = static_cast<unsigned char>(letter) < 0x80
                ? 0
                : languages::lowerLetterInto(text, i, lower, written);
            if (length == 0)
                break;
            if (keyLength + written > LongestDateWord)
                keyFits = false;
            else
                keyLength += std::string_view(lower, written).copy(key + keyLength, written);
            i += length;
        }
    }
    token.kind = DateTokenKind::Word;
    token.begin = start;
    token.end = i;
    token.key = keyFits ? std::string_view(key, keyLength) : std::string_view();
}

// Digits, the ending written onto them, a dual year's tail, an ordinal point.
inline void DateTokenizer::number(size_t start, DateToken& token)
{
    // Read through locals, which the compiler keeps in registers.
    const std::string_view text = text_;
    size_t i = start;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    token.kind = DateTokenKind::Number;
    token.begin = start;
    token.digitsEnd = i;
    token.tailSeparator = 0;
    token.key = {};
    bool asciiEnding = true; // most endings are: "1st", "3d"
    while (i < text.size() && i - token.digitsEnd < LongestDateWord) {
        if (datetokens::isAsciiLetter(text[i])) {
            ++i;
            continue;
        }
        const size_t length = std::max(languages::letterLength(text, i), datetokens::signEndingLength(text, i));
        if (length == 0)
            break;
        asciiEnding = false;
        i += length;
    }
    token.end = i;
    const bool hasEnding = i > token.digitsEnd;
    if (hasEnding && languages::lexicon().mayFollowMonthDigits(text[token.digitsEnd]) && numberedMonth(start, token))
        return;
    if (hasEnding) {
        token.key = endingKey(token.digitsEnd, i, asciiEnding);
    } else if (i + 1 < text.size() && (text[i] == ':' || text[i] == '-') && languages::letterLength(text, i + 1) > 0
               && signedEnding(i, token)) {
        i = token.partEnd;
    } else if (i + 1 < text.size() && (text[i] == '/' || text[i] == '-') && isDigit(text[i + 1])) {
        // A dual year's tail, or a year range's end: digits right after a
        // slash or a hyphen.
        token.tailSeparator = text[i];
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    token.partEnd = i;
    // The ordinal point of German, Scandinavian and Czech days ("12. März"),
    // and a stone's "Oct. 3. 1802.".
    if (i + 1 < text.size() && text[i] == '.' && isBlank(text[i + 1]) && !trimmed(text.substr(i + 1)).empty())
        ++i;
    token.end = i;
}

} // namespace datepieces

} // namespace spanwright
