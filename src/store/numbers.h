#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace pesavia {

// Numbers are computed in long double (80-bit extended) and converted by the code below only: never
// through printf, strtod or streams, which follow the user's locale.

// Fixed-point text with `decimals` decimals, "." as separator, no thousands separator. The value is first
// written to 18 significant digits (correctly rounded), then rounded half away from zero, as the original
// program did: 158.00499999999999999… shows 158.01. A result that is zero never shows a minus sign.
std::string FormatNombre(long double value, int decimals);

// The decimals of a format text "%.2f" or "%.4f".
int DecimalesDuFormat(std::string_view format);

// The strict reading of a text shown by the program: optional blanks around it, an optional sign, digits
// with at most one "." (at least one digit or the "."), an optional exponent with at least one digit.
// "," is never accepted, nor "inf", "nan" or hex; a value too large for long double does not read.
std::optional<long double> LitNombre(std::string_view text);

// The strict reading that fails with "'%s' n'est pas une valeur en virgule flottante correcte".
long double StrToFloat(std::string_view text);

// A typed number's text with every "," made "." and its blanks removed: the text LitNombreSaisi reads.
std::string NettoieNombreSaisi(std::string_view text);

// The lenient reading of a typed number: every "," becomes ".", blanks are removed, and what is then not
// a number counts as 0. Used by NormaliseNombre and the MTOW check.
long double LitNombreSaisi(std::string_view text);

// A typed number rewritten as the program shows it: LitNombreSaisi, then FormatNombre. `format` is "%.2f"
// or "%.4f".
std::string NormaliseNombre(std::string_view text, std::string_view format);

// The whole text as a decimal integer (optional blanks around it and a sign): "1x" and "12.5" do not read.
std::optional<int> LitEntier(std::string_view text);

// d × 10^e, where d is the first digit and e the exponent of x written with 15 significant digits.
long double TruncToFirstDigit(long double x);

} // namespace pesavia
