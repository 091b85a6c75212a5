#pragma once

#include <string>
#include <string_view>

namespace spanwright {

// A JSON string of UTF-8 text, with its quotes.
inline void appendJsonText(std::string& out, std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    constexpr unsigned char FirstPrintable = 0x20;
    out.push_back('"');
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (byte < FirstPrintable) {
            out.append("\\u00");
            out.push_back(Hex[byte >> 4]);
            out.push_back(Hex[byte & 0xF]);
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
}

} // namespace spanwright
