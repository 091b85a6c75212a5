#include "text/pastedtext.h"

#include "text/letters.h"

namespace spanwright {

namespace languages {

namespace {

struct TypedCharacter
{
    char32_t first;
    char32_t last;
    char typed; // what every character from first to last is typed as
};

constexpr char32_t FullWidthExclamation = 0xFF01; // full-width forms of ASCII '!' to '~'
constexpr char32_t FullWidthTilde = 0xFF5E;
constexpr char32_t FullWidthOffset = 0xFF01 - '!';

// What each pasted character is typed as.
constexpr TypedCharacter TypedCharacters[] = {
    {0x00A0, 0x00A0, ' '}, // no-break space
    {0x2000, 0x200A, ' '}, // en quad to hair space
    {0x202F, 0x202F, ' '}, // narrow no-break space
    {0x205F, 0x205F, ' '}, // medium mathematical space
    {0x3000, 0x3000, ' '}, // ideographic space
    {0x2010, 0x2015, '-'}, // hyphen, non-breaking hyphen, figure dash, en dash, em dash, bar
    {0x2212, 0x2212, '-'}, // minus sign
    {0x2018, 0x201B, '\''}, // curly single quotes
    {0x02BC, 0x02BC, '\''}, // modifier letter apostrophe
    {0x2032, 0x2032, '\''}, // prime
    {0x201C, 0x201F, '"'}, // curly double quotes
};

char typedAs(char32_t code)
{
    if (code >= FullWidthExclamation && code <= FullWidthTilde)
        return char(code - FullWidthOffset);
    for (const TypedCharacter& entry : TypedCharacters) {
        if (code >= entry.first && code <= entry.last)
            return entry.typed;
    }
    return 0;
}

// "Nov[ember]", "[ye]": a bracket pair with letters inside, touching a
// letter or standing as a word of its own, completes a word.
std::string withoutCompletingBrackets(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '[') {
            out.push_back(text[pos]);
            continue;
        }
        const size_t close = text.find(']', pos + 1);
        bool lettersInside = close != std::string::npos && close > pos + 1;
        for (size_t i = pos + 1; lettersInside && i < close;) {
            const size_t length = letterLength(text, i);
            lettersInside = length > 0;
            i += length > 0 ? length : 1;
        }
        if (!lettersInside) {
            out.push_back(text[pos]);
            continue;
        }
        out.append(text, pos + 1, close - pos - 1);
        pos = close;
    }
    return out;
}

} // namespace

bool mayBePasted(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

std::string typedForm(std::string_view text, bool completingBrackets)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            out.push_back(text[pos++]);
            continue;
        }
        size_t length = 0;
        const char typed = typedAs(codePointAt(text, pos, length));
        if (typed != 0)
            out.push_back(typed);
        else
            out.append(text.substr(pos, length));
        pos += length;
    }
    return completingBrackets && out.find('[') != std::string::npos ? withoutCompletingBrackets(out) : out;
}

} // namespace languages

} // namespace spanwright
