#pragma once
// printf-style formatting, so user-visible texts match their C formats exactly.
#include <string>

namespace px {

std::string Format(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Replaces every "%1" in a message with the argument (document messages name the file so).
std::string ReplacePercent1(const std::string& message, const std::string& arg);

// The text without the given blank characters at either end.
std::string Trimmed(const std::string& text, const char* blanks = " \t");

}  // namespace px
