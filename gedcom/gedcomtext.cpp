#include "gedcomtext.h"

#include "text/asciitext.h"

namespace spanwright {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD
constexpr unsigned char FirstNonAscii = 0x80;
constexpr unsigned char Delete = 0x7F;
constexpr unsigned char Space = 0x20;

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 character at text[pos], or 0 (RFC
// 3629: no overlong forms, no surrogates, nothing beyond U+10FFFF).
size_t utf8Length(std::string_view text, size_t pos)
{
    const auto at = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const size_t left = text.size() - pos;
    const unsigned char lead = at(0);
    if (lead >= 0xC2 && lead <= 0xDF)
        return left >= 2 && isContinuation(at(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !isContinuation(at(1)) || !isContinuation(at(2)))
            return 0;
        if ((lead == 0xE0 && at(1) < 0xA0) || (lead == 0xED && at(1) >= 0xA0))
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isContinuation(at(1)) || !isContinuation(at(2)) || !isContinuation(at(3)))
            return 0;
        if ((lead == 0xF0 && at(1) < 0x90) || (lead == 0xF4 && at(1) >= 0x90))
            return 0;
        return 4;
    }
    return 0;
}

} // namespace

bool appendReportText(std::string& out, std::string_view text, bool utf8)
{
    bool replaced = false;
    size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c < FirstNonAscii) {
            if ((c < Space && c != '\t' && c != '\n') || c == Delete) {
                out.append(ReplacementCharacter);
                replaced = true;
            } else {
                out.push_back(static_cast<char>(c));
            }
            ++pos;
            continue;
        }
        const size_t length = utf8 ? utf8Length(text, pos) : 0;
        if (length == 0) {
            out.append(ReplacementCharacter);
            replaced = true;
            ++pos;
        } else {
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    return replaced;
}

std::string_view nameWithoutSlashes(std::string_view name, std::string& buffer)
{
    buffer.clear();
    bool blankPending = false;
    for (char c : name) {
        // A slash parts words as a blank does: "John/Smith/" is two words.
        if (c == '/' || isBlank(c)) {
            blankPending = !buffer.empty();
            continue;
        }
        if (blankPending)
            buffer.push_back(' ');
        blankPending = false;
        buffer.push_back(c);
    }
    return buffer;
}

} // namespace spanwright
