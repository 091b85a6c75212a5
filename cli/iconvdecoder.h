#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Turns the bytes of a text file in an encoding the user names (--encoding
// NAME) into UTF-8 through iconv, in pieces as TextDecoder does, for the
// encodings it does not know itself.
class IconvDecoder
{
public:
    struct Error : std::runtime_error
    {
        using std::runtime_error::runtime_error;
    };

    // Throws Error when iconv knows no such encoding.
    explicit IconvDecoder(const std::string& encoding);
    ~IconvDecoder();
    IconvDecoder(const IconvDecoder&) = delete;
    IconvDecoder& operator=(const IconvDecoder&) = delete;

    // The UTF-8 text of the next bytes, valid until the next call. Throws
    // Error at bytes that are not text in the encoding, naming where they
    // stand in the input.
    std::string_view decode(std::string_view bytes);
    // The end of the input; throws Error where it cuts a character.
    void finish();

private:
    std::string name_;
    void* converter_; // iconv_t
    std::string held_; // the start of a character cut by the end of a piece
    std::string text_;
    unsigned long long offset_ = 0; // of the next byte that is not held
};
