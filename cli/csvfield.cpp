#include "csvfield.h"

#include <array>

namespace {

// The characters that make a field need quotes, marked in a table: this
// runs for every character of every field.
constexpr std::array<bool, 256> quotedCharacters()
{
    std::array<bool, 256> table{};
    for (unsigned char c : {',', '"', '\r', '\n'})
        table[c] = true;
    return table;
}
constexpr std::array<bool, 256> NeedsQuotes = quotedCharacters();

bool needsQuotes(std::string_view field)
{
    bool found = false;
    for (char c : field)
        found |= NeedsQuotes[static_cast<unsigned char>(c)];
    return found;
}

} // namespace

void appendCsvField(std::string& row, std::string_view field)
{
    if (!needsQuotes(field)) {
        row.append(field);
        return;
    }
    row.push_back('"');
    // Each quote is doubled: the field is copied up to and with each quote,
    // and the quote once more.
    for (size_t quote = field.find('"'); quote != std::string_view::npos; quote = field.find('"')) {
        row.append(field.substr(0, quote + 1)).push_back('"');
        field.remove_prefix(quote + 1);
    }
    row.append(field).push_back('"');
}
