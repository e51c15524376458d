#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace pesavia {

// INI names compare without case: ASCII letters and the Latin-1 capitals of Windows-1252 (as UTF-8).
std::uint32_t FoldedHash(std::string_view name);
bool FoldedEqual(std::string_view a, std::string_view b);

// A flat, open-addressing index from names to entry numbers, first insertion winning. It holds only
// hashes and numbers; the caller says, through `nameOf(entry)`, what name an entry carries. Kept flat
// because a register of tens of thousands of aircraft makes node-based tables miss the cache at every step.
class NameIndex {
  public:
    template <class NameOf> std::optional<std::uint32_t> find(std::string_view name, NameOf nameOf) const {
        if (slots_.empty()) return std::nullopt;
        const std::uint32_t hash = FoldedHash(name);
        for (size_t i = hash & mask();; i = (i + 1) & mask()) {
            const Slot& s = slots_[i];
            if (s.entry == kEmpty) return std::nullopt;
            if (s.hash == hash && FoldedEqual(nameOf(s.entry), name)) return s.entry;
        }
    }
    // False, and nothing changed, when the name is already there.
    template <class NameOf> bool insert(std::string_view name, std::uint32_t entry, NameOf nameOf) {
        if (find(name, nameOf)) return false;
        if ((count_ + 1) * 2 > slots_.size()) grow();
        place(Slot{FoldedHash(name), entry});
        ++count_;
        return true;
    }

  private:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = kEmpty;
    };
    size_t mask() const { return slots_.size() - 1; }
    void grow();
    void place(Slot slot);

    std::vector<Slot> slots_;
    size_t count_ = 0;
};

} // namespace pesavia
