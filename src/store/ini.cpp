#include "ini.h"

#include "atomic_file.h"
#include "text_encoding.h"

#include "controls/error.h"

#include <cerrno>
#include <cstdint>

namespace pesavia {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The section name of a "[name]" line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const size_t close = line.find(']');
    return trim(close == std::string_view::npos ? line : line.substr(0, close));
}

// The key name of a "key=value" line; nothing for comments, blank lines and lines without "=".
std::optional<std::string_view> keyName(std::string_view line) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.empty() || key.front() == ';') return std::nullopt;
    return key;
}

std::string_view valueOf(std::string_view line) {
    std::string_view v = trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v.remove_prefix(1);
        v.remove_suffix(1);
    }
    return v;
}

// What NameIndex needs to compare a candidate's name.
template <class Sections> auto sectionNameOf(const Sections& sections) {
    return [&sections](std::uint32_t i) -> std::string_view { return sections[i].name; };
}
auto keyNameOf(const std::vector<std::string_view>& lines) {
    return [&lines](std::uint32_t i) { return *keyName(lines[i]); };
}

std::string singleLine(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

} // namespace

IniFile::IniFile(std::string owned) : text_(std::make_unique<const std::string>(std::move(owned))) {
    const std::string_view text = *text_;
    sections_.emplace_back();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos = end + 1;
        if (const auto name = sectionName(line)) {
            sections_.push_back(Section{line, *name, {}, {}, {}, {}, false});
            sectionIndex_.insert(*name, static_cast<std::uint32_t>(sections_.size() - 1),
                                 sectionNameOf(sections_));
        } else {
            addLine(sections_.back(), line);
        }
    }
}

std::string_view IniFile::own(std::string text) {
    return written_.emplace_back(std::move(text));
}

void IniFile::addLine(Section& section, std::string_view line) {
    section.lines.push_back(line);
    if (keyName(line)) section.keyLines.push_back(static_cast<std::uint32_t>(section.lines.size() - 1));
}

void IniFile::Section::ensureIndex() const {
    if (indexed) return;
    for (const std::uint32_t at : keyLines)
        if (index.insert(*keyName(lines[at]), at, keyNameOf(lines))) order.push_back(at);
    indexed = true;
}

std::string IniFile::text() const {
    size_t size = 0;
    for (const auto& s : sections_) {
        size += s.header.size() + 2;
        for (const auto& l : s.lines)
            size += l.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < sections_.size(); ++i) {
        if (i > 0) out.append(sections_[i].header).append("\r\n");
        for (const auto& l : sections_[i].lines)
            out.append(l).append("\r\n");
    }
    return out;
}

const IniFile::Section* IniFile::find(std::string_view section) const {
    const auto i = sectionIndex_.find(section, sectionNameOf(sections_));
    return i ? &sections_[*i] : nullptr;
}

const std::string_view* IniFile::Section::line(std::string_view key) const {
    ensureIndex();
    const auto i = index.find(key, keyNameOf(lines));
    return i ? &lines[*i] : nullptr;
}

const std::string_view* IniFile::findLine(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    return s ? s->line(key) : nullptr;
}

std::vector<std::string_view> IniFile::readColumn(std::string_view section,
                                                  const std::vector<std::string>& keys,
                                                  std::string_view fallback) const {
    std::vector<std::string_view> out(keys.size(), fallback);
    const Section* s = find(section);
    if (!s) return out;
    // The program writes every field section in the order of the index: each key is tried at its place
    // first. While every earlier place held its own key, that line is the key's first occurrence.
    bool inOrder = true;
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string_view* line = nullptr;
        if (inOrder && i < s->keyLines.size() && FoldedEqual(*keyName(s->lines[s->keyLines[i]]), keys[i]))
            line = &s->lines[s->keyLines[i]];
        else {
            inOrder = false;
            line = s->line(keys[i]);
        }
        if (line) out[i] = valueOf(*line);
    }
    return out;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const std::string_view* line = findLine(section, key);
    if (!line) return std::nullopt;
    return std::string(valueOf(*line));
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::string_view* line = findLine(section, key);
    return std::string(line ? valueOf(*line) : fallback);
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return findLine(section, key) != nullptr;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> out;
    if (const Section* s = find(section)) {
        s->ensureIndex();
        out.reserve(s->order.size());
        for (const size_t i : s->order)
            out.emplace_back(*keyName(s->lines[i]));
    }
    return out;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    auto i = sectionIndex_.find(section, sectionNameOf(sections_));
    if (!i) {
        const std::string_view header = own("[" + std::string(section) + "]");
        sections_.push_back(Section{header, header.substr(1, section.size()), {}, {}, {}, {}, false});
        i = static_cast<std::uint32_t>(sections_.size() - 1);
        sectionIndex_.insert(section, *i, sectionNameOf(sections_));
    }
    Section& s = sections_[*i];
    s.ensureIndex();
    const std::string line = singleLine(value);
    if (const auto k = s.index.find(key, keyNameOf(s.lines))) {
        std::string_view& old = s.lines[*k];
        old = own(std::string(*keyName(old)) + "=" + line);
        return;
    }
    // At the end of the section's own lines, before the blank lines that part it from the next section;
    // only blank lines move, so the index of the keys stays right.
    auto at = static_cast<std::uint32_t>(s.lines.size());
    while (at > 0 && trim(s.lines[at - 1]).empty())
        --at;
    s.lines.insert(s.lines.begin() + at, own(std::string(key) + "=" + line));
    s.index.insert(key, at, keyNameOf(s.lines));
    s.order.push_back(at);
    s.keyLines.push_back(at);
}

IniFile ReadIniFile(const std::string& path) {
    const FileContent content = ReadWholeFile(path);
    return content.bytes ? IniFile(Cp1252ToUtf8(*content.bytes)) : IniFile();
}

void UpdateIniFile(const std::string& path, const std::function<bool(IniFile&)>& change) {
    const std::string failure = "Impossible d'écrire dans " + path;
    FileLock lock(path);
    const FileContent content = ReadWholeFile(path);
    // A file that exists but cannot be read is never replaced by one holding only the new keys.
    if (!content.bytes && content.error != ENOENT) throw Error(failure);
    IniFile ini(content.bytes ? Cp1252ToUtf8(*content.bytes) : std::string());
    if (!change(ini)) return;
    if (WriteFileAtomically(path, Utf8ToCp1252(ini.text())) != 0) throw Error(failure);
}

} // namespace pesavia
