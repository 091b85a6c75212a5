#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A text in quotes for a message about it, cut short when long, so that a
// huge field in a file does not make a huge message.
inline std::string quotedExcerpt(std::string_view text)
{
    constexpr size_t LongestExcerpt = 40;
    constexpr std::string_view CutMark = "...";
    if (text.size() <= LongestExcerpt)
        return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, LongestExcerpt)) + std::string(CutMark) + "\"";
}
