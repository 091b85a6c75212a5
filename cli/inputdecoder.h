#pragma once

#include "iconvdecoder.h"
#include "textdecoding.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The text of a CSV input in UTF-8, for every command that reads one: in
// the encoding its bytes show (UTF-8, UTF-16 or Windows-1252), or through
// iconv from the one --encoding names.
class InputDecoder
{
public:
    // A message naming the input and what is wrong with its bytes, or an
    // encoding iconv does not know.
    struct Error : std::runtime_error
    {
        using std::runtime_error::runtime_error;
    };

    InputDecoder(const std::optional<std::string>& encoding, std::string inputName);

    // The UTF-8 text of the next bytes, valid until the next call.
    std::string_view decode(std::string_view bytes);
    // The end of the input: what was held back.
    std::string_view finish();
    // What standard error says of the encoding: which one was read, where it
    // was not UTF-8, and how many bytes were not text in it.
    std::vector<std::string> notes() const;

private:
    std::string inputName_;
    spanwright::TextDecoder detected_;
    std::unique_ptr<IconvDecoder> named_;
};
