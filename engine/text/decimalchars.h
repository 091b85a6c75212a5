#pragma once

// Reading and writing decimals through std::from_chars and std::to_chars,
// where the standard library has them for doubles. The libc++ of Debian's
// Emscripten (3.1.6), which builds the web page, has them for whole numbers
// only; there the C library's strtod and snprintf, which the standard
// defines the two by (and which round correctly), do the work instead.
#include <charconv>
#include <system_error>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#endif

namespace spanwright {

// A decimal in the fixed format: digits and at most one point.
inline std::from_chars_result decimalFromChars(const char* first, const char* last, double& value)
{
#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION)
    // strtod needs a terminated text; the engine's are short. Only digits
    // and one point are given (the fixed format), as strtod reads them too.
    const std::string text(first, last);
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos
        || text.find_first_of("0123456789") == std::string::npos)
        return {first, std::errc::invalid_argument};
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const char* const stop = first + (end - text.c_str());
    if (errno == ERANGE)
        return {stop, std::errc::result_out_of_range};
    value = read;
    return {stop, std::errc()};
#else
    return std::from_chars(first, last, value, std::chars_format::fixed);
#endif
}

// As printf's %.*g: the general format with precision significant digits.
inline std::to_chars_result decimalToChars(char* first, char* last, double value, int precision)
{
#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION)
    const int written = std::snprintf(first, static_cast<size_t>(last - first), "%.*g", precision, value);
    if (written < 0 || written >= last - first)
        return {last, std::errc::value_too_large};
    return {first + written, std::errc()};
#else
    return std::to_chars(first, last, value, std::chars_format::general, precision);
#endif
}

} // namespace spanwright
