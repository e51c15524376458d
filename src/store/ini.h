#pragma once
#include "name_index.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pesavia {

// An INI file's text, kept line by line so that a write changes only the line it concerns. Section and key
// names are found without regard to case; the first occurrence of a name wins. A value is the text after
// the first "=", without surrounding blanks and without one pair of matching quotes (' or ").
class IniFile {
  public:
    IniFile() : IniFile(std::string()) {}
    // `text` is UTF-8; lines end with LF or CRLF.
    explicit IniFile(std::string text);
    // Lines are views into the text held here, so a copy would point into the original.
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    IniFile(IniFile&&) = default;
    IniFile& operator=(IniFile&&) = default;

    // The file's text, every line ending with CRLF.
    std::string text() const;

    // Nothing when the section or the key is absent; a key present with an empty value gives "".
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Every key name of the section, in file order, each once.
    std::vector<std::string> keys(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    // The values of `keys` in one section, `fallback` for those absent: one section lookup for many keys,
    // quickest when the section lists them in the same order. The views live as long as this file.
    std::vector<std::string_view> readColumn(std::string_view section, const std::vector<std::string>& keys,
                                             std::string_view fallback) const;

    // Replaces the value of an existing key in its place; a new key goes at the end of its section, a new
    // section at the end of the file. A line break in the value would start another line, so it is written
    // as a blank.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct Section {
        std::string_view header; // the "[name]" line as found; empty for the lines before the first section
        std::string_view name;
        std::vector<std::string_view> lines;
        std::vector<std::uint32_t> keyLines; // every key line, duplicates included, in file order
        // Built at the first lookup that needs it: a register written by the program is read in order and
        // never needs it.
        mutable NameIndex index;                  // key name -> line of its first occurrence
        mutable std::vector<std::uint32_t> order; // lines of the first occurrences, in file order
        mutable bool indexed = false;
        void ensureIndex() const;
        const std::string_view* line(std::string_view key) const;
    };
    void addLine(Section& section, std::string_view line);
    const Section* find(std::string_view section) const;
    const std::string_view* findLine(std::string_view section, std::string_view key) const;
    std::string_view own(std::string text);

    std::unique_ptr<const std::string> text_; // the text read, which unchanged lines view
    std::deque<std::string> written_;         // lines written since; a deque never moves them
    std::vector<Section> sections_;           // sections_[0] holds the lines before any section
    NameIndex sectionIndex_;                  // name -> first section of that name
};

// The file at `path` read from Windows-1252; an empty file when it is missing or unreadable.
IniFile ReadIniFile(const std::string& path);

// Reads the file, lets `change` edit it and, unless `change` answers false, writes it back once,
// atomically, all under the file's lock, so that two copies of the program never lose each other's writes. A
// missing file is created (its folder must exist). Throws Error("Impossible d'écrire dans <path>") when the
// write fails; the file on disk is then the previous one, whole.
void UpdateIniFile(const std::string& path, const std::function<bool(IniFile&)>& change);

} // namespace pesavia
