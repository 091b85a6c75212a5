#pragma once

#include <string>
#include <string_view>

// Appends one CSV field to a row, quoted as RFC 4180 asks when it holds a
// comma, a quote or a line break (quotes doubled), as it stands otherwise.
void appendCsvField(std::string& row, std::string_view field);
