#include "reading/datetokens.h"

#include "text/asciitext.h"
#include "languages/languages.h"
#include "text/letters.h"

#include <algorithm>
#include <string>

namespace spanwright {

namespace datepieces {

// "7bris", "10ber": September to December by their numbers, with a stop.
bool DateTokenizer::numberedMonth(size_t start, DateToken& token)
{
    const size_t endingEnd = token.end;
    const size_t wordEnd = endingEnd < text_.size() && text_[endingEnd] == '.' ? endingEnd + 1 : endingEnd;
    const std::string_view key = lookupForm(start, wordEnd, keyBytes_);
    if (key.empty() || !languages::lexicon().month(key))
        return false;
    token.kind = DateTokenKind::NumberedMonth;
    token.end = wordEnd;
    token.key = key;
    return true;
}

// A day's ending after a colon or a hyphen, as Swedish and Hungarian write
// it ("3:e", "1:sta", "24-én"), when a table knows it: "4-Mar-1885" is no
// ending but a month.
bool DateTokenizer::signedEnding(size_t sign, DateToken& token)
{
    size_t end = sign + 1;
    while (const size_t length = languages::letterLength(text_, end))
        end += length;
    const std::string_view key = lookupForm(sign + 1, end, endingBytes_);
    if (key.empty() || !languages::lexicon().hasDayEnding(key))
        return false;
    token.key = key;
    token.partEnd = end;
    return true;
}

std::string_view DateTokenizer::endingKey(size_t start, size_t end, bool ascii)
{
    if (!ascii)
        return lookupForm(start, end, endingBytes_);
    for (size_t k = start; k < end; ++k)
        endingBytes_[k - start] = lowerAscii(text_[k]);
    return std::string_view(endingBytes_, end - start);
}

// A GEDCOM date's escape, where a part of the value begins with "@#D" (in
// any case), to its closing "@"; a phrase from its "(" on. An escape ends
// before a "(" in it, which begins the phrase all the same.
bool DateTokenizer::gedcomMark(size_t start, DateToken& token)
{
    constexpr std::string_view EscapeStart = "@#D";
    const bool partStart = start == 0 || isBlank(text_[start - 1]) || afterEscape_;
    token.begin = start;
    if (text_[start] == '(') {
        token.kind = DateTokenKind::Phrase;
        token.end = text_.size();
        return true;
    }
    if (!partStart || !equalsIgnoringCase(text_.substr(start, EscapeStart.size()), EscapeStart))
        return false;
    const size_t close = text_.find_first_of("@(", start + EscapeStart.size());
    token.kind = DateTokenKind::CalendarEscape;
    if (close == std::string_view::npos)
        token.end = text_.size();
    else
        token.end = text_[close] == '@' ? close + 1 : close;
    return true;
}

// Lower case, without stops and apostrophes; empty when longer than a word
// looked up.
std::string_view DateTokenizer::lookupForm(size_t start, size_t end, char* bytes)
{
    size_t length = 0;
    for (size_t pos = start; pos < end;) {
        const char c = text_[pos];
        if (c == '.' || c == '\'') {
            ++pos;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x80) {
            if (length == LongestDateWord)
                return {};
            bytes[length++] = lowerAscii(c);
            ++pos;
            continue;
        }
        std::string letter;
        pos += languages::appendLowerCase(text_, pos, letter);
        if (length + letter.size() > LongestDateWord)
            return {};
        std::copy(letter.begin(), letter.end(), bytes + length);
        length += letter.size();
    }
    return std::string_view(bytes, length);
}

} // namespace datepieces

} // namespace spanwright
