#include "text_case.h"

namespace pesavia {

std::string ToUpperUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') {
            out.push_back(static_cast<char>(c - 'a' + 'A'));
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // U+00E0..U+00FE (à..þ, except ÷) map to U+00C0..U+00DE.
            auto n = static_cast<unsigned char>(text[i + 1]);
            if (n >= 0xA0 && n <= 0xBE && n != 0xB7) n = static_cast<unsigned char>(n - 0x20);
            out.push_back(static_cast<char>(c));
            out.push_back(static_cast<char>(n));
            ++i;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    const std::string t = ToUpperUtf8(text);
    const std::string p = ToUpperUtf8(prefix);
    return t.compare(0, p.size(), p) == 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return ToUpperUtf8(a) == ToUpperUtf8(b); }

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

} // namespace pesavia
