#pragma once

#include <string>
#include <string_view>

namespace spanwright {

// Text of a GEDCOM file made safe for a UTF-8 report.
//
// In a UTF-8 file, a byte that does not belong to a well-formed UTF-8
// character becomes U+FFFD. In a file of another character set (ANSEL,
// ANSI, ASCII...), whose letters beyond ASCII this program cannot name,
// every byte beyond ASCII becomes U+FFFD. Control characters other than the
// tab and the line feed become U+FFFD too. Returns whether anything was
// replaced.
bool appendReportText(std::string& out, std::string_view text, bool utf8);

// A name as the NAME line writes it, without the slashes that mark the
// surname and with single blanks: "John /Smith/" is "John Smith".
std::string_view nameWithoutSlashes(std::string_view name, std::string& buffer);

} // namespace spanwright
