#include "gedcomline.h"

#include "text/asciitext.h"

#include <algorithm>

namespace spanwright {

namespace {

// Levels run from 0 to 99 in the standard.
constexpr size_t MostLevelDigits = 2;

void skipBlanks(std::string_view text, size_t& pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
}

} // namespace

bool splitGedcomLine(std::string_view text, GedcomLine& line)
{
    size_t pos = 0;
    skipBlanks(text, pos);
    const size_t levelStart = pos;
    line.level = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        if (pos - levelStart == MostLevelDigits)
            return false; // before the level overflows
        line.level = line.level * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == levelStart || pos == text.size() || !isBlank(text[pos]))
        return false;
    skipBlanks(text, pos);

    line.xref = {};
    line.xrefMalformed = false;
    if (pos < text.size() && text[pos] == '@') {
        size_t word = pos;
        while (word < text.size() && !isBlank(text[word]))
            ++word;
        const size_t close = text.find('@', pos + 1);
        if (close == pos + 1)
            return false;
        if (close == std::string_view::npos || close >= word) {
            // "@I1 INDI": the record is kept, with its id marked.
            line.xref = text.substr(pos + 1, word - pos - 1);
            line.xrefMalformed = true;
            pos = word;
        } else {
            line.xref = text.substr(pos + 1, close - pos - 1);
            pos = close + 1;
        }
        if (pos == text.size() || !isBlank(text[pos]))
            return false;
        skipBlanks(text, pos);
    }

    const size_t tagStart = pos;
    while (pos < text.size() && !isBlank(text[pos]))
        ++pos;
    if (pos == tagStart)
        return false;
    line.tag = text.substr(tagStart, pos - tagStart);
    line.value = pos < text.size() ? text.substr(pos + 1) : std::string_view();
    return true;
}

std::string_view pointerTarget(std::string_view value)
{
    value = trimmed(value);
    if (value.size() >= 2 && value.front() == '@' && value.back() == '@')
        value = value.substr(1, value.size() - 2);
    return value;
}

bool isTagText(std::string_view tag)
{
    return !tag.empty() && std::all_of(tag.begin(), tag.end(), [](char c) {
        return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    });
}

} // namespace spanwright
