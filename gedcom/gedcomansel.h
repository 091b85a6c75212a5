#pragma once

#include <string>
#include <string_view>

namespace spanwright {

// ANSEL (ANSI/Z39.47) with the characters GEDCOM adds, into UTF-8. ANSEL
// writes a combining mark before the letter it goes on, Unicode after it,
// so the marks before a letter are put after it, in their order. A byte
// that ANSEL leaves unassigned becomes U+FFFD; returns whether one did.
bool decodeAnsel(std::string_view text, std::string& out);

} // namespace spanwright
