#include "dates.h"

#include <charconv>

namespace pesavia {

bool DateValide(const Date& d) {
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    const int last = d.month == 2 && leap ? 29 : kDays[d.month - 1];
    return d.day <= last;
}

std::optional<Date> LitDate(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int parts[3] = {0, 0, 0};
    size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t end = i < 2 ? text.find('/', pos) : text.size();
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view field = text.substr(pos, end - pos);
        const size_t maxLen = i < 2 ? 2 : 4;
        if (field.empty() || field.size() > maxLen) return std::nullopt;
        const auto res = std::from_chars(field.data(), field.data() + field.size(), parts[i]);
        if (res.ec != std::errc() || res.ptr != field.data() + field.size()) return std::nullopt;
        pos = end + 1;
    }
    Date d{parts[2], parts[1], parts[0]};
    if (text.substr(text.rfind('/') + 1).size() <= 2) d.year += d.year < 50 ? 2000 : 1900;
    if (!DateValide(d)) return std::nullopt;
    return d;
}

std::string FormatDate(const Date& date, std::string_view pattern) {
    const auto pad = [](int v, size_t width) {
        std::string s = std::to_string(v);
        if (s.size() < width) s.insert(0, width - s.size(), '0');
        return s;
    };
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        if (c == 'd' && run <= 2) {
            out += pad(date.day, run);
        } else if (c == 'M' && run <= 2) {
            out += pad(date.month, run);
        } else if (c == 'y') {
            out += run <= 2 ? pad(date.year % 100, 2) : pad(date.year, 4);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

} // namespace pesavia
