#pragma once

#include "text/letters.h"

#include <string>
#include <string_view>

namespace spanwright {

// A text in quotes for a message about it, cut short when long, so that a
// huge field in a file does not make a huge message. The message is valid
// UTF-8: the text is cut between characters, and a byte that is not UTF-8
// is written as \xNN.
inline std::string quotedExcerpt(std::string_view text)
{
    return "\"" + languages::excerptForMessage(text) + "\"";
}

} // namespace spanwright
