#include "csvfield.h"

void appendCsvField(std::string& row, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
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
