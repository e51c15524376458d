#include "name_index.h"

namespace pesavia {

namespace {

// Folds one byte, knowing whether the byte before it opened a two-byte Latin-1 sequence.
inline std::uint8_t foldByte(std::uint8_t c, bool afterC3) {
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(c + 32);
    if (afterC3 && c >= 0x80 && c <= 0x9E && c != 0x97) return static_cast<std::uint8_t>(c + 32);
    return c;
}

} // namespace

std::uint32_t FoldedHash(std::string_view name) {
    std::uint32_t h = 2166136261u; // FNV-1a
    bool afterC3 = false;
    for (const char ch : name) {
        const auto c = static_cast<std::uint8_t>(ch);
        h = (h ^ foldByte(c, afterC3)) * 16777619u;
        afterC3 = c == 0xC3 && !afterC3;
    }
    return h ^ (h >> 15);
}

bool FoldedEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    bool afterA = false, afterB = false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<std::uint8_t>(a[i]), y = static_cast<std::uint8_t>(b[i]);
        if (foldByte(x, afterA) != foldByte(y, afterB)) return false;
        afterA = x == 0xC3 && !afterA;
        afterB = y == 0xC3 && !afterB;
    }
    return true;
}

void NameIndex::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    for (const Slot& s : old)
        if (s.entry != kEmpty) place(s);
}

void NameIndex::place(Slot slot) {
    size_t i = slot.hash & mask();
    while (slots_[i].entry != kEmpty)
        i = (i + 1) & mask();
    slots_[i] = slot;
}

} // namespace pesavia
