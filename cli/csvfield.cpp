#include "csvfield.h"

namespace {

bool needsQuotes(std::string_view field)
{
    // One pass over the field: this runs for every field of every row.
    for (char c : field) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

} // namespace

void appendCsvField(std::string& row, std::string_view field)
{
    if (!needsQuotes(field)) {
        row.append(field);
        return;
    }
    row.push_back('"');
    for (char c : field) {
        if (c == '"')
            row.push_back('"');
        row.push_back(c);
    }
    row.push_back('"');
}
