#pragma once

#include <string>
#include <string_view>

namespace spanwright {

// Text pasted from web pages, word processors and spreadsheets, read as if
// typed: a no-break or other wide blank is a blank, an en or em dash (or a
// minus sign) a hyphen, a curly apostrophe or quote a straight one, a
// full-width digit or sign its ASCII twin. Letters and everything else are
// kept as they are.
namespace languages {

// Whether typedForm could change the text: it holds a byte over 127.
bool mayBePasted(std::string_view text);

// The text as typed. With completingBrackets a transcriber's brackets that
// complete a word are left out too: "Nov[ember]" is "November", "[ye]" "ye".
std::string typedForm(std::string_view text, bool completingBrackets = false);

} // namespace languages

} // namespace spanwright
