#pragma once

#include <array>
#include <string_view>

namespace spanwright {

namespace csvfield {

// The characters that make a field need quotes, marked in a table: this
// runs for every character of every field.
constexpr std::array<bool, 256> quotedCharacters()
{
    std::array<bool, 256> table{};
    for (unsigned char c : {',', '"', '\r', '\n'})
        table[c] = true;
    return table;
}
inline constexpr std::array<bool, 256> NeedsQuotes = quotedCharacters();

// A field separated by delimiter (a comma, a semicolon or a tab) needs
// quotes when it holds the delimiter, a quote or a line break.
inline bool needsQuotes(std::string_view field, char delimiter = ',')
{
    bool found = false;
    if (delimiter == ',') {
        for (char c : field)
            found |= NeedsQuotes[static_cast<unsigned char>(c)];
        return found;
    }
    for (char c : field)
        found |= c == delimiter || (c != ',' && NeedsQuotes[static_cast<unsigned char>(c)]);
    return found;
}

} // namespace csvfield

// Appends one CSV field to a row (a std::string or a TextBuffer), quoted as
// RFC 4180 asks when it holds the delimiter, a quote or a line break (quotes
// doubled), as it stands otherwise.
template <typename Text>
void appendCsvField(Text& row, std::string_view field, char delimiter = ',')
{
    if (!csvfield::needsQuotes(field, delimiter)) {
        row.append(field);
        return;
    }
    row.push_back('"');
    // Each quote is doubled: the field is copied up to and with each quote,
    // and the quote once more.
    for (size_t quote = field.find('"'); quote != std::string_view::npos; quote = field.find('"')) {
        row.append(field.substr(0, quote + 1));
        row.push_back('"');
        field.remove_prefix(quote + 1);
    }
    row.append(field);
    row.push_back('"');
}

} // namespace spanwright
