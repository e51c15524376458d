#pragma once
#include <string>
#include <string_view>

namespace pesavia {

// The files of the original program are in Windows-1252; inside the program every text is UTF-8.

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined map to the C1 controls of
// the same number, so that every byte comes back unchanged.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 as Windows-1252: a character the code page cannot hold, or a malformed sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view text);

// A UTF-8 text as it comes back from a trip through Windows-1252.
std::string FitToCp1252(std::string_view text);

// UTF-16 code units of a UTF-8 text (malformed sequences become "?"), and back (an unpaired surrogate
// becomes "?").
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view units);

} // namespace pesavia
