#pragma once
#include <string>
#include <string_view>

namespace pesavia {

// Upper case of a UTF-8 text for the letters of Windows-1252 (ASCII and Latin-1); other characters stay.
std::string ToUpperUtf8(std::string_view text);
// Whether `text` begins with `prefix`, compared without regard to case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Whether two texts are equal without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);
// The text without its leading and trailing blanks (spaces and control characters).
std::string_view TrimBlanks(std::string_view text);

} // namespace pesavia
