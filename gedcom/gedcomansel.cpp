#include "gedcomansel.h"

#include "gedcomencoding.h"

#include <array>

namespace spanwright {

namespace {

constexpr unsigned char FirstNonAscii = 0x80;
constexpr unsigned char FirstCombining = 0xE0;
constexpr char32_t Replacement = 0xFFFD;
// Marks waiting for their letter: more than a few on one letter is no text.
constexpr size_t MostMarks = 8;

// The characters of 0xA0 to 0xFF; 0 where none is assigned. 0xE0 on are the
// combining marks.
constexpr std::array<char32_t, 96> HighHalf = {
    // 0xA0: 0xA1 Ł Ø Đ Þ Æ Œ ʹ · ♭ ® ± Ơ Ư ʼ
    0, 0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9,
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0,
    // 0xB0: ʻ ł ø đ þ æ œ ʺ ı £ ð, 0xBC ơ ư, GEDCOM's empty and black boxes
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,
    0x0131, 0x00A3, 0x00F0, 0, 0x01A1, 0x01B0, 0x25A1, 0x25A0,
    // 0xC0: ° ℓ ℗ © ♯ ¿ ¡, 0xC7 ß and 0xC8 € (later additions), 0xCF ß (GEDCOM)
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF,
    0x20AC, 0, 0, 0, 0, 0, 0, 0x00DF,
    // 0xD0: none
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xE0: hook above, grave, acute, circumflex, tilde, macron, breve, dot
    // above, diaeresis, caron, ring above, ligature left and right halves,
    // high comma off centre, double acute, candrabindu
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,
    // 0xF0: cedilla, ogonek, dot below, double dot below, ring below, double
    // underline, underline, comma below, right cedilla, breve below, double
    // tilde left and right halves, 0xFE high comma centred
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,
    0x031C, 0x032E, 0xFE22, 0xFE23, 0, 0, 0x0313, 0,
};

char32_t characterOf(unsigned char byte)
{
    constexpr unsigned char FirstMapped = 0xA0;
    return byte < FirstMapped ? 0 : HighHalf[byte - FirstMapped];
}

} // namespace

bool decodeAnsel(std::string_view text, std::string& out)
{
    bool replaced = false;
    std::array<char32_t, MostMarks> marks{};
    size_t markCount = 0;
    const auto flushMarks = [&] {
        for (size_t i = 0; i < markCount; ++i)
            appendUtf8(out, marks[i]);
        markCount = 0;
    };
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < FirstNonAscii) {
            out.push_back(c);
            flushMarks();
            continue;
        }
        const char32_t character = characterOf(byte);
        if (character == 0) {
            flushMarks();
            appendUtf8(out, Replacement);
            replaced = true;
        } else if (byte >= FirstCombining) {
            if (markCount == MostMarks)
                flushMarks();
            marks[markCount++] = character;
        } else {
            appendUtf8(out, character);
            flushMarks();
        }
    }
    // Marks with no letter after them stand alone.
    flushMarks();
    return replaced;
}

} // namespace spanwright
