#include "text/letters.h"

namespace spanwright {


namespace languages {

namespace {

constexpr char32_t NoCharacter = char32_t(-1);
constexpr char32_t FirstLatin1Letter = 0xC0;
constexpr char32_t MultiplicationSign = 0xD7;
constexpr char32_t DivisionSign = 0xF7;
constexpr char32_t LastExtendedALetter = 0x17F;
constexpr char32_t LastLatin1UpperCase = 0xDE;
constexpr char32_t Latin1CaseOffset = 0x20;
constexpr char32_t CapitalYWithDiaeresis = 0x178;
constexpr char32_t SmallYWithDiaeresis = 0xFF;

// Romanian ș and ț (with a comma below) from Latin Extended-B.
constexpr char32_t FirstCommaBelow = 0x218;
constexpr char32_t LastCommaBelow = 0x21B;
// Cyrillic: the modern letters (Russian, Ukrainian), and the old ones of
// registers before 1918 (ѣ, і, ѳ, ѵ).
constexpr char32_t FirstCyrillic = 0x400;
constexpr char32_t LastCyrillic = 0x4FF;

bool isLatinLetter(char32_t code)
{
    return (code >= FirstLatin1Letter && code <= LastExtendedALetter && code != MultiplicationSign
            && code != DivisionSign)
        || (code >= FirstCommaBelow && code <= LastCommaBelow) || (code >= FirstCyrillic && code <= LastCyrillic);
}

// The lower case of a Cyrillic letter: А-Я by 0x20, Ѐ-Џ by 0x50, the later
// blocks paired upper then lower.
char32_t cyrillicLowerOf(char32_t code)
{
    constexpr char32_t FirstBasicUpper = 0x410, LastBasicUpper = 0x42F, BasicOffset = 0x20;
    constexpr char32_t LastExtraUpper = 0x40F, ExtraOffset = 0x50;
    if (code >= FirstBasicUpper && code <= LastBasicUpper)
        return code + BasicOffset;
    if (code <= LastExtraUpper)
        return code + ExtraOffset;
    const bool paired = (code >= 0x460 && code <= 0x481) || (code >= 0x48A && code <= 0x4BF) || (code >= 0x4D0 && code <= 0x4FF);
    return paired && code % 2 == 0 ? code + 1 : code;
}

// Latin Extended-A pairs its letters upper then lower, but for three runs
// that pair lower then upper (Ĺ ĺ ... Ň ň begin on an odd code, Ÿ stands
// alone, Ź ź ... Ž ž again odd).
char32_t lowerOf(char32_t code)
{
    constexpr char32_t CapitalIWithDot = 0x130; // Turkish İ: its lower case is i, not the dotless ı
    if (code == CapitalIWithDot)
        return 'i';
    if (code >= FirstCyrillic)
        return cyrillicLowerOf(code);
    if (code >= FirstCommaBelow)
        return code % 2 == 0 ? code + 1 : code;
    if (code >= FirstLatin1Letter && code <= LastLatin1UpperCase && code != MultiplicationSign)
        return code + Latin1CaseOffset;
    if (code == CapitalYWithDiaeresis)
        return SmallYWithDiaeresis;
    const bool oddUpper = (code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E);
    const bool evenUpper = (code >= 0x100 && code <= 0x137) || (code >= 0x14A && code <= 0x177);
    if ((oddUpper && code % 2 == 1) || (evenUpper && code % 2 == 0))
        return code + 1;
    return code;
}

void appendUtf8(char32_t code, std::string& out)
{
    if (code < 0x80) {
        out.push_back(char(code));
    } else if (code < 0x800) {
        out.push_back(char(0xC0 | (code >> 6)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(char(0xE0 | (code >> 12)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (code >> 18)));
        out.push_back(char(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    }
}

// The base letters of the lower-case letters from U+00DF to U+017F; a
// letter not listed has none.
struct BaseLetter
{
    char32_t code;
    std::string_view base;
};
constexpr BaseLetter BaseLetters[] = {
    {0xDF, "ss"}, {0xE0, "a"}, {0xE1, "a"}, {0xE2, "a"}, {0xE3, "a"}, {0xE4, "a"}, {0xE5, "a"},
    {0xE6, "ae"}, {0xE7, "c"}, {0xE8, "e"}, {0xE9, "e"}, {0xEA, "e"}, {0xEB, "e"}, {0xEC, "i"},
    {0xED, "i"}, {0xEE, "i"}, {0xEF, "i"}, {0xF0, "d"}, {0xF1, "n"}, {0xF2, "o"}, {0xF3, "o"},
    {0xF4, "o"}, {0xF5, "o"}, {0xF6, "o"}, {0xF8, "o"}, {0xF9, "u"}, {0xFA, "u"}, {0xFB, "u"},
    {0xFC, "u"}, {0xFD, "y"}, {0xFE, "th"}, {0xFF, "y"}, {0x101, "a"}, {0x103, "a"}, {0x105, "a"},
    {0x107, "c"}, {0x109, "c"}, {0x10B, "c"}, {0x10D, "c"}, {0x10F, "d"}, {0x111, "d"}, {0x113, "e"},
    {0x115, "e"}, {0x117, "e"}, {0x119, "e"}, {0x11B, "e"}, {0x11D, "g"}, {0x11F, "g"}, {0x121, "g"},
    {0x123, "g"}, {0x125, "h"}, {0x127, "h"}, {0x129, "i"}, {0x12B, "i"}, {0x12D, "i"}, {0x12F, "i"},
    {0x131, "i"}, {0x133, "ij"}, {0x135, "j"}, {0x137, "k"}, {0x138, "k"}, {0x13A, "l"}, {0x13C, "l"},
    {0x13E, "l"}, {0x140, "l"}, {0x142, "l"}, {0x144, "n"}, {0x146, "n"}, {0x148, "n"}, {0x149, "n"},
    {0x14B, "n"}, {0x14D, "o"}, {0x14F, "o"}, {0x151, "o"}, {0x153, "oe"}, {0x155, "r"}, {0x157, "r"},
    {0x159, "r"}, {0x15B, "s"}, {0x15D, "s"}, {0x15F, "s"}, {0x161, "s"}, {0x163, "t"}, {0x165, "t"},
    {0x167, "t"}, {0x169, "u"}, {0x16B, "u"}, {0x16D, "u"}, {0x16F, "u"}, {0x171, "u"}, {0x173, "u"},
    {0x175, "w"}, {0x177, "y"}, {0x17A, "z"}, {0x17C, "z"}, {0x17E, "z"}, {0x17F, "s"}, {0x130, "i"},
    {0x219, "s"}, {0x21B, "t"}, {0x451, "\xD0\xB5"}, // ș, ț, and ё as е
};

std::string_view baseOf(char32_t code)
{
    for (const BaseLetter& letter : BaseLetters) {
        if (letter.code == code)
            return letter.base;
    }
    return {};
}

// Characters a message names rather than shows: they cannot be seen, or
// look like a plain blank or nothing.
struct NamedCharacter
{
    char32_t code;
    std::string_view name;
};
constexpr NamedCharacter NamedCharacters[] = {
    {0x09, "CHARACTER TABULATION"},     {0x0A, "LINE FEED"},
    {0x0D, "CARRIAGE RETURN"},          {0xA0, "NO-BREAK SPACE"},
    {0xAD, "SOFT HYPHEN"},              {0x2002, "EN SPACE"},
    {0x2003, "EM SPACE"},               {0x2007, "FIGURE SPACE"},
    {0x2009, "THIN SPACE"},             {0x200A, "HAIR SPACE"},
    {0x200B, "ZERO WIDTH SPACE"},       {0x200C, "ZERO WIDTH NON-JOINER"},
    {0x200D, "ZERO WIDTH JOINER"},      {0x200E, "LEFT-TO-RIGHT MARK"},
    {0x200F, "RIGHT-TO-LEFT MARK"},     {0x202F, "NARROW NO-BREAK SPACE"},
    {0x2060, "WORD JOINER"},            {0x3000, "IDEOGRAPHIC SPACE"},
    {0xFEFF, "ZERO WIDTH NO-BREAK SPACE"}, {0xFFFD, "REPLACEMENT CHARACTER"},
};

std::string codeText(char32_t code)
{
    constexpr std::string_view HexDigits = "0123456789ABCDEF";
    std::string hex;
    for (char32_t rest = code; rest != 0 || hex.size() < 4; rest >>= 4)
        hex.insert(hex.begin(), HexDigits[rest & 0xF]);
    return "U+" + hex;
}

} // namespace

char32_t codePointAt(std::string_view text, size_t pos, size_t& length)
{
    length = 1;
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return lead;
    size_t extra = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, code = lead & 0x07, smallest = 0x10000;
    } else {
        return NoCharacter;
    }
    if (pos + extra >= text.size())
        return NoCharacter;
    for (size_t i = 1; i <= extra; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return NoCharacter;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t LastCodePoint = 0x10FFFF;
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < smallest || code > LastCodePoint || surrogate)
        return NoCharacter;
    length = extra + 1;
    return code;
}

size_t wideLetterLength(std::string_view text, size_t pos)
{
    size_t length = 0;
    const char32_t code = codePointAt(text, pos, length);
    return code != NoCharacter && isLatinLetter(code) ? length : 0;
}

size_t appendLowerCase(std::string_view text, size_t pos, std::string& out)
{
    const char c = text[pos];
    if (static_cast<unsigned char>(c) < 0x80) {
        out.push_back(c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
        return 1;
    }
    size_t length = 0;
    const char32_t code = codePointAt(text, pos, length);
    if (code == NoCharacter || !isLatinLetter(code)) {
        out.append(text.substr(pos, length));
        return length;
    }
    appendUtf8(lowerOf(code), out);
    return length;
}

size_t lowerLetterInto(std::string_view text, size_t pos, char* out, size_t& written)
{
    size_t length = 0;
    const char32_t code = codePointAt(text, pos, length);
    if (code == NoCharacter || !isLatinLetter(code))
        return 0;
    const char32_t lower = lowerOf(code);
    constexpr char32_t FirstThreeByte = 0x800;
    if (lower < FirstThreeByte) {
        out[0] = char(0xC0 | (lower >> 6));
        out[1] = char(0x80 | (lower & 0x3F));
        written = 2;
    } else {
        out[0] = char(0xE0 | (lower >> 12));
        out[1] = char(0x80 | ((lower >> 6) & 0x3F));
        out[2] = char(0x80 | (lower & 0x3F));
        written = 3;
    }
    return length;
}

std::string lowerCased(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        pos += appendLowerCase(text, pos, out);
    return out;
}

std::string withoutDiacritics(std::string_view lower, bool umlautsAsE)
{
    std::string out;
    out.reserve(lower.size());
    for (size_t pos = 0; pos < lower.size();) {
        size_t length = 0;
        const char32_t code = codePointAt(lower, pos, length);
        const std::string_view base = code != NoCharacter && code >= 0x80 ? baseOf(code) : std::string_view();
        if (base.empty()) {
            out.append(lower.substr(pos, length));
        } else {
            out.append(base);
            constexpr char32_t SmallAUmlaut = 0xE4, SmallOUmlaut = 0xF6, SmallUUmlaut = 0xFC;
            if (umlautsAsE && (code == SmallAUmlaut || code == SmallOUmlaut || code == SmallUUmlaut))
                out.push_back('e');
        }
        pos += length;
    }
    return out;
}

std::string characterForMessage(std::string_view text, size_t pos)
{
    size_t length = 0;
    const char32_t code = codePointAt(text, pos, length);
    if (code == NoCharacter) {
        constexpr std::string_view HexDigits = "0123456789ABCDEF";
        const auto byte = static_cast<unsigned char>(text[pos]);
        return std::string("the byte 0x") + HexDigits[byte >> 4] + HexDigits[byte & 0xF] + " (not UTF-8)";
    }
    for (const NamedCharacter& named : NamedCharacters) {
        if (named.code == code)
            return codeText(code) + " " + std::string(named.name);
    }
    constexpr char32_t FirstVisible = 0x20, Delete = 0x7F, LastControl = 0x9F;
    if (code < FirstVisible || (code >= Delete && code <= LastControl))
        return codeText(code) + " (a control character)";
    if (code == '"')
        return "a quotation mark";
    return "\"" + std::string(text.substr(pos, length)) + "\"";
}

std::string quotedForMessage(std::string_view text)
{
    size_t length = 0;
    if (!text.empty() && (codePointAt(text, 0, length), length == text.size()))
        return characterForMessage(text, 0);
    std::string message = "\"" + excerptForMessage(text) + "\"";
    for (size_t pos = 0; pos < text.size(); pos += length) {
        const std::string shown = characterForMessage(text, pos);
        codePointAt(text, pos, length);
        if (shown.front() != '"' && shown != "a quotation mark")
            return message + " (with " + shown + ")";
    }
    return message;
}

std::string validUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    constexpr unsigned char FirstVisible = 0x20, Delete = 0x7F;
    for (size_t pos = 0; pos < text.size();) {
        const auto first = static_cast<unsigned char>(text[pos]);
        if (first >= FirstVisible && first < Delete) {
            out.push_back(text[pos++]);
            continue;
        }
        size_t length = 1;
        if (first < FirstVisible || first == Delete || codePointAt(text, pos, length) == NoCharacter) {
            constexpr std::string_view HexDigits = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(text[pos]);
            out += "\\x";
            out.push_back(HexDigits[byte >> 4]);
            out.push_back(HexDigits[byte & 0xF]);
        } else {
            out.append(text.substr(pos, length));
        }
        pos += length;
    }
    return out;
}

std::string excerptForMessage(std::string_view text)
{
    constexpr size_t LongestExcerpt = 40;
    constexpr std::string_view CutMark = "...";
    if (text.size() <= LongestExcerpt)
        return validUtf8(text);
    size_t cut = LongestExcerpt;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // not inside a character
    return validUtf8(text.substr(0, cut)) + std::string(CutMark);
}

} // namespace languages

} // namespace spanwright
