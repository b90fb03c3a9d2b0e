#pragma once
// Show files keep 8-bit Windows-1252 text; these helpers convert at the boundaries.
#include <string>
#include <string_view>

namespace px {

// Windows-1252 bytes to UTF-8. The five unassigned bytes map to U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252; characters without a Windows-1252 form become '?'.
std::string Utf8ToCp1252(std::string_view text);

// One UTF-16 code unit to its Windows-1252 byte, or '?' when it has none.
char Utf16UnitToCp1252(char16_t unit);

}  // namespace px
