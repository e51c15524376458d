#include "numbers.h"

#include "controls/error.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace pesavia {

namespace {

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string FormatNombre(long double value, int decimals) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    // 18 significant digits, correctly rounded: "-d.ddddddddddddddddde+XX".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 17);
    const std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    const bool negative = sci.front() == '-';
    const std::string_view body = negative ? sci.substr(1) : sci;
    const size_t ePos = body.find('e');
    std::string digits;
    for (char c : body.substr(0, ePos))
        if (IsDigit(c)) digits.push_back(c);
    int exponent = 0;
    {
        std::string_view e = body.substr(ePos + 1);
        if (!e.empty() && e.front() == '+') e.remove_prefix(1);
        std::from_chars(e.data(), e.data() + e.size(), exponent);
    }

    // digits d0 d1 … stand for 0.d0d1… × 10^(exponent + 1); keep `intDigits + decimals` of them.
    int intDigits = exponent + 1;
    const int keep = intDigits + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<size_t>(keep)] >= '5'; // half away from zero on the decimal text
        digits.resize(static_cast<size_t>(keep));
        if (up) {
            int i = keep - 1;
            for (; i >= 0; --i) {
                if (digits[static_cast<size_t>(i)] == '9') {
                    digits[static_cast<size_t>(i)] = '0';
                } else {
                    ++digits[static_cast<size_t>(i)];
                    break;
                }
            }
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++intDigits;
            }
        }
    }
    // Lay the kept digits out around the point: position p is digits[p], or 0 outside the kept digits.
    const auto digitAt = [&](int pos) {
        return pos >= 0 && pos < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(pos)] : '0';
    };
    std::string intPart, fracPart;
    for (int pos = 0; pos < intDigits; ++pos) intPart.push_back(digitAt(pos));
    for (int pos = intDigits; pos < intDigits + decimals; ++pos) fracPart.push_back(digitAt(pos));
    const size_t firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);
    const bool zero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;

    std::string out;
    if (negative && !zero) out.push_back('-');
    out += intPart;
    if (decimals > 0) {
        out.push_back('.');
        out += fracPart;
    }
    return out;
}

int DecimalesDuFormat(std::string_view format) {
    // "%.Nf"
    const size_t dot = format.find('.');
    int n = 0;
    if (dot != std::string_view::npos)
        std::from_chars(format.data() + dot + 1, format.data() + format.size(), n);
    return n;
}

std::optional<long double> LitNombre(std::string_view text) {
    std::string_view s = TrimSpaces(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    size_t i = 0;
    int mantDigits = 0, dots = 0;
    int intDigits = 0, leadingFracZeros = 0;
    bool seenNonZero = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            ++mantDigits;
            if (dots == 0) {
                if (c != '0' || seenNonZero) ++intDigits;
            } else if (!seenNonZero && c == '0') {
                ++leadingFracZeros;
            }
            if (c != '0') seenNonZero = true;
        } else if (c == '.') {
            if (++dots > 1) return std::nullopt;
        } else {
            break;
        }
    }
    if (mantDigits == 0 && dots == 0) return std::nullopt;
    int exponent = 0;
    if (i < s.size()) {
        if (s[i] != 'e' && s[i] != 'E') return std::nullopt;
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j == s.size()) return std::nullopt;
        for (size_t k = j; k < s.size(); ++k)
            if (!IsDigit(s[k])) return std::nullopt;
        // Only the size of the exponent matters for overflow; clamp it to stay in int.
        long long e = 0;
        for (size_t k = j; k < s.size() && e < 100000; ++k) e = e * 10 + (s[k] - '0');
        exponent = static_cast<int>(s[i + 1] == '-' ? -e : e);
    }
    if (mantDigits == 0 || !seenNonZero) return negative ? -0.0L : 0.0L;

    long double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        const int magnitude = (intDigits > 0 ? intDigits : -leadingFracZeros) + exponent;
        if (magnitude < 0) return 0.0L; // too small: reads as zero
        return std::nullopt;            // too large for the floating type
    }
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return negative ? -value : value;
}

long double StrToFloat(std::string_view text) {
    if (auto v = LitNombre(text)) return *v;
    throw Error("'" + std::string(text) + "' n'est pas une valeur en virgule flottante correcte");
}

std::string NettoieNombreSaisi(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') continue;
        // The no-break spaces a French thousands separator may bring when pasted.
        if (text.compare(i, 2, "\xC2\xA0") == 0) { ++i; continue; }
        if (text.compare(i, 3, "\xE2\x80\xAF") == 0) { i += 2; continue; }
        s.push_back(c == ',' ? '.' : c);
    }
    return s;
}

long double LitNombreSaisi(std::string_view text) { return LitNombre(NettoieNombreSaisi(text)).value_or(0.0L); }

std::string NormaliseNombre(std::string_view text, std::string_view format) {
    return FormatNombre(LitNombreSaisi(text), DecimalesDuFormat(format));
}

std::optional<int> LitEntier(std::string_view text) {
    std::string_view s = TrimSpaces(text);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s.front() == '-') return std::nullopt;
    }
    if (s.empty()) return std::nullopt;
    int v = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

long double TruncToFirstDigit(long double x) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    const bool negative = sci.front() == '-';
    const std::string_view body = negative ? sci.substr(1) : sci;
    std::string first;
    if (negative) first.push_back('-');
    first.push_back(body.front());
    first += body.substr(body.find('e'));
    long double out = 0;
    std::from_chars(first.data(), first.data() + first.size(), out, std::chars_format::scientific);
    return out;
}

} // namespace pesavia
