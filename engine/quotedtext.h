#pragma once

#include "languages/letters.h"

#include <cstddef>
#include <string>
#include <string_view>

// A text in quotes for a message about it, cut short when long, so that a
// huge field in a file does not make a huge message. The message is valid
// UTF-8: the text is cut between characters, and a byte that is not UTF-8
// is written as \xNN.
inline std::string quotedExcerpt(std::string_view text)
{
    constexpr size_t LongestExcerpt = 40;
    constexpr std::string_view CutMark = "...";
    if (text.size() <= LongestExcerpt)
        return "\"" + languages::validUtf8(text) + "\"";
    size_t cut = LongestExcerpt;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // not inside a character
    return "\"" + languages::validUtf8(text.substr(0, cut)) + std::string(CutMark) + "\"";
}
