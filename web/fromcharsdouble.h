#pragma once

// The libc++ of Debian's Emscripten (3.1.6) has std::from_chars and
// std::to_chars for whole numbers only; the engine also reads and writes
// decimals with them. This gives the web build the two overloads the engine
// calls, through the C library's strtod and snprintf, which the standard
// defines them by (and which round correctly). Included before every engine
// file of the web build alone.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION)
namespace std {

inline from_chars_result from_chars(const char* first, const char* last, double& value, chars_format)
{
    // strtod needs a terminated text; the engine's are short. Only digits
    // and one point are given (the fixed format), as strtod reads them too.
    const std::string text(first, last);
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos
        || text.find_first_of("0123456789") == std::string::npos)
        return {first, errc::invalid_argument};
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const char* const stop = first + (end - text.c_str());
    if (errno == ERANGE)
        return {stop, errc::result_out_of_range};
    value = read;
    return {stop, errc()};
}

// As printf's %.*g, which the standard names for this overload.
inline to_chars_result to_chars(char* first, char* last, double value, chars_format, int precision)
{
    const int written = std::snprintf(first, static_cast<size_t>(last - first), "%.*g", precision, value);
    if (written < 0 || written >= last - first)
        return {last, errc::value_too_large};
    return {first + written, errc()};
}

} // namespace std
#endif
