#include "grid_file.h"

#include "atomic_file.h"
#include "numbers.h"
#include "text_encoding.h"

#include "controls/error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <functional>
#include <string_view>

namespace pesavia {

namespace {

const std::string kFormatError = "Format de flux incorrect";
const std::string kReadError = "Erreur de lecture du flux";
const std::string kValueError = "Valeur de propriété incorrecte";

enum Tag : std::uint8_t {
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    ShortText = 0x06,
    Ident = 0x07,
    False = 0x08,
    True = 0x09,
    Set = 0x0B,
    LongText = 0x0C,
    WideText = 0x12,
    Utf8Text = 0x14,
};

struct NamedColor {
    std::string_view name;
    std::uint32_t value;
};

constexpr std::uint32_t kSystem = 0xFF000000;
constexpr std::array<NamedColor, 52> kColors = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", kSystem + 0},
    {"clBackground", kSystem + 1},
    {"clActiveCaption", kSystem + 2},
    {"clInactiveCaption", kSystem + 3},
    {"clMenu", kSystem + 4},
    {"clWindow", kSystem + 5},
    {"clWindowFrame", kSystem + 6},
    {"clMenuText", kSystem + 7},
    {"clWindowText", kSystem + 8},
    {"clCaptionText", kSystem + 9},
    {"clActiveBorder", kSystem + 10},
    {"clInactiveBorder", kSystem + 11},
    {"clAppWorkSpace", kSystem + 12},
    {"clHighlight", kSystem + 13},
    {"clHighlightText", kSystem + 14},
    {"clBtnFace", kSystem + 15},
    {"clBtnShadow", kSystem + 16},
    {"clGrayText", kSystem + 17},
    {"clBtnText", kSystem + 18},
    {"clInactiveCaptionText", kSystem + 19},
    {"clBtnHighlight", kSystem + 20},
    {"cl3DDkShadow", kSystem + 21},
    {"cl3DLight", kSystem + 22},
    {"clInfoText", kSystem + 23},
    {"clInfoBk", kSystem + 24},
    {"clHotLight", kSystem + 26},
    {"clGradientActiveCaption", kSystem + 27},
    {"clGradientInactiveCaption", kSystem + 28},
    {"clMenuHighlight", kSystem + 29},
    {"clMenuBar", kSystem + 30},
}};

constexpr std::array<std::string_view, 3> kAlignments = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<std::string_view, 8> kBrushStyles = {"bsSolid",    "bsClear",     "bsHorizontal",
                                                          "bsVertical", "bsFDiagonal", "bsBDiagonal",
                                                          "bsCross",    "bsDiagCross"};
constexpr std::array<std::string_view, 4> kFontStyles = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::array<std::string_view, 2> kGradients = {"GradientVertical", "GradientHorizontal"};
constexpr std::array<std::string_view, 3> kVAlignments = {"vtaTop", "vtaCenter", "vtaBottom"};

constexpr std::string_view kPrefix = "CellProperties.";

// Grids of this program hold tens of rows; a damaged header must not make the grid claim the memory of
// millions of cells.
constexpr long long kMaxCells = 1'000'000;

template <size_t N> bool member(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr Alignment kAlignmentValues[] = {Alignment::Left, Alignment::Right, Alignment::Center};

// ---- writing ----

class Writer {
  public:
    void beginRecord(std::string_view type) {
        out_ += "TPF0";
        shortName(type);
        shortName("");
    }
    void endRecord() { out_.append(2, '\0'); } // end of properties, end of the nested records

    void integer(std::string_view name, std::int32_t v) {
        shortName(name);
        if (v >= -128 && v <= 127) {
            byte(Int8);
            little(static_cast<std::uint32_t>(v), 1);
        } else if (v >= -32768 && v <= 32767) {
            byte(Int16);
            little(static_cast<std::uint32_t>(v), 2);
        } else {
            byte(Int32);
            little(static_cast<std::uint32_t>(v), 4);
        }
    }
    void boolean(std::string_view name, bool v) {
        shortName(name);
        byte(v ? True : False);
    }
    void ident(std::string_view name, std::string_view v) {
        shortName(name);
        byte(Ident);
        shortName(v);
    }
    void color(std::string_view name, GridColor v) {
        if (const auto n = ColorName(v)) return ident(name, *n);
        integer(name, v);
    }
    void set(std::string_view name, const std::vector<std::string>& members) {
        shortName(name);
        byte(Set);
        for (const auto m : kFontStyles)
            if (std::find(members.begin(), members.end(), m) != members.end()) shortName(m);
        byte(0);
    }
    // An empty text is left out; otherwise the smallest tag that holds the text once it is in the code page.
    void text(std::string_view name, std::string_view utf8) {
        if (utf8.empty()) return;
        shortName(name);
        const std::string single = Utf8ToCp1252(utf8);
        const std::string u = Cp1252ToUtf8(single);
        const std::u16string w = Utf8ToUtf16(u);
        if (u.size() < 2 * w.size()) {
            const bool ascii = std::all_of(single.begin(), single.end(),
                                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
            if (ascii && single.size() <= 255) {
                byte(ShortText);
                little(static_cast<std::uint32_t>(single.size()), 1);
                out_ += single;
            } else if (ascii) {
                byte(LongText);
                little(static_cast<std::uint32_t>(single.size()), 4);
                out_ += single;
            } else {
                byte(Utf8Text);
                little(static_cast<std::uint32_t>(u.size()), 4);
                out_ += u;
            }
        } else {
            byte(WideText);
            little(static_cast<std::uint32_t>(w.size()), 4);
            for (const char16_t unit : w)
                little(unit, 2);
        }
    }

    std::string take() { return std::move(out_); }

  private:
    void byte(std::uint8_t b) { out_ += static_cast<char>(b); }
    void little(std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            byte(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void shortName(std::string_view s) {
        s = s.substr(0, 255);
        byte(static_cast<std::uint8_t>(s.size()));
        out_ += s;
    }

    std::string out_;
};

std::string joinNumbers(int count, const std::function<int(int)>& at) {
    std::string out;
    char digits[16];
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ',';
        out.append(digits, std::to_chars(digits, digits + sizeof digits, at(i)).ptr);
    }
    return out;
}

void writeProperties(Writer& w, const CellProperties& p) {
    const auto name = [](std::string_view own) { return std::string(kPrefix) + std::string(own); };
    w.beginRecord("TGridCellPropIO");
    w.boolean(name("IsBaseCell"), p.IsBaseCell);
    w.integer(name("CellSpanX"), p.CellSpanX);
    w.integer(name("CellSpanY"), p.CellSpanY);
    w.ident(name("Alignment"), AlignmentName(p.alignment));
    w.color(name("BorderColor"), p.BorderColor);
    w.integer(name("BorderWidth"), p.BorderWidth);
    w.color(name("BrushColor"), p.BrushColor);
    w.color(name("BrushColorTo"), p.BrushColorTo);
    w.ident(name("BrushStyle"), p.BrushStyle);
    w.color(name("FontColor"), p.FontColor);
    w.text(name("FontName"), p.FontName);
    w.integer(name("FontSize"), p.FontSize);
    w.set(name("FontStyle"), p.FontStyle);
    w.ident(name("Editor"), p.Editor);
    w.ident(name("GradientDirection"), p.GradientDirection);
    w.boolean(name("ReadOnly"), p.ReadOnly);
    w.ident(name("VAlignment"), p.VAlignment);
    w.boolean(name("WordWrap"), p.WordWrap);
    w.integer(name("NodeLevel"), p.NodeLevel);
    w.boolean("HasGraphic", false);
    w.endRecord();
}

// ---- reading ----

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    size_t remaining() const { return bytes_.size() - pos_; }

    // The signature, the record type and the (ignored) object name.
    void beginRecord() {
        if (take(4) != "TPF0") throw Error(kFormatError);
        shortName();
        shortName();
    }
    // Calls `property` for each property name until the end of the properties, then reads the end of
    // the nested records, of which there are none.
    void properties(const std::function<void(const std::string&)>& property) {
        for (std::string name = shortName(); !name.empty(); name = shortName())
            property(name);
        if (byte() != 0) throw Error(kFormatError);
    }

    std::int32_t integer() { return integerAfter(byte()); }
    bool boolean() {
        const std::uint8_t tag = byte();
        if (tag != True && tag != False) throw Error(kValueError);
        return tag == True;
    }
    std::string ident() {
        if (byte() != Ident) throw Error(kValueError);
        return shortName();
    }
    GridColor color() {
        const std::uint8_t tag = byte();
        if (tag != Ident) return integerAfter(tag);
        if (const auto c = ColorFromName(shortName())) return *c;
        throw Error(kValueError);
    }
    std::vector<std::string> set() {
        if (byte() != Set) throw Error(kValueError);
        std::vector<std::string> members;
        for (std::string m = shortName(); !m.empty(); m = shortName())
            members.push_back(std::move(m));
        return members;
    }
    // Every text tag; what the code page cannot hold comes back as "?". The result is UTF-8.
    std::string text() {
        switch (byte()) {
        case ShortText:
            return Cp1252ToUtf8(take(byte()));
        case LongText:
            return Cp1252ToUtf8(take(length()));
        case WideText: {
            const std::string_view raw = take(2 * static_cast<size_t>(length()));
            std::u16string units(raw.size() / 2, u'\0');
            for (size_t i = 0; i < units.size(); ++i)
                units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(raw[2 * i]) |
                                                 static_cast<std::uint8_t>(raw[2 * i + 1]) << 8);
            return FitToCp1252(Utf16ToUtf8(units));
        }
        case Utf8Text:
            return FitToCp1252(take(length()));
        default:
            throw Error(kValueError);
        }
    }

  private:
    std::uint8_t byte() { return static_cast<std::uint8_t>(take(1)[0]); }
    std::string_view take(size_t n) {
        if (n > remaining()) throw Error(kReadError);
        const std::string_view s = bytes_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    std::uint32_t little(int bytes) {
        const std::string_view s = take(static_cast<size_t>(bytes));
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= std::uint32_t{static_cast<std::uint8_t>(s[static_cast<size_t>(i)])} << (8 * i);
        return v;
    }
    std::uint32_t length() { return little(4); }
    std::string shortName() { return std::string(take(byte())); }
    std::int32_t integerAfter(std::uint8_t tag) {
        switch (tag) {
        case Int8:
            return static_cast<std::int8_t>(little(1));
        case Int16:
            return static_cast<std::int16_t>(little(2));
        case Int32:
            return static_cast<std::int32_t>(little(4));
        default:
            throw Error(kValueError);
        }
    }

    std::string_view bytes_;
    size_t pos_ = 0;
};

[[noreturn]] void noSuchProperty(const std::string& name) {
    throw Error("La propriété " + name + " n'existe pas");
}

std::string checked(std::string value, bool known) {
    if (!known) throw Error(kValueError);
    return value;
}

int cellIndex(std::int32_t v) {
    if (v < 0 || v > 65535) throw Error(kValueError);
    return v;
}

// The `count` numbers of a ColWidths or RowHeights text; further numbers are ignored.
std::vector<int> numbers(const std::string& text, int count, const std::string& property, const char* unit) {
    std::vector<int> out;
    size_t pos = 0;
    while (static_cast<int>(out.size()) < count && pos <= text.size() && !text.empty()) {
        size_t end = text.find(',', pos);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(pos, end - pos);
        const auto n = LitEntier(item);
        if (!n) throw Error("'" + item + "' n'est pas une valeur entière correcte");
        out.push_back(*n);
        pos = end + 1;
    }
    if (static_cast<int>(out.size()) < count)
        throw Error(property + " ne donne que " + std::to_string(out.size()) + " valeurs pour " +
                    std::to_string(count) + " " + unit);
    return out;
}

void readProperties(Reader& r, CellProperties& p) {
    r.beginRecord();
    r.properties([&](const std::string& name) {
        if (name == "HasGraphic") {
            // Pictures and check boxes in cells are never written by this program.
            if (r.boolean()) throw Error(kValueError);
            return;
        }
        if (name.rfind(kPrefix, 0) != 0) noSuchProperty(name);
        const std::string_view own = std::string_view(name).substr(kPrefix.size());
        if (own == "IsBaseCell")
            p.IsBaseCell = r.boolean();
        else if (own == "CellSpanX")
            p.CellSpanX = r.integer();
        else if (own == "CellSpanY")
            p.CellSpanY = r.integer();
        else if (own == "Alignment") {
            const auto a = AlignmentFromName(r.ident());
            if (!a) throw Error(kValueError);
            p.alignment = *a;
        } else if (own == "BorderColor")
            p.BorderColor = r.color();
        else if (own == "BorderWidth")
            p.BorderWidth = r.integer();
        else if (own == "BrushColor")
            p.BrushColor = r.color();
        else if (own == "BrushColorTo")
            p.BrushColorTo = r.color();
        else if (own == "BrushStyle") {
            std::string s = r.ident();
            p.BrushStyle = checked(s, member(kBrushStyles, s));
        } else if (own == "FontColor")
            p.FontColor = r.color();
        else if (own == "FontName")
            p.FontName = r.text();
        else if (own == "FontSize")
            p.FontSize = r.integer();
        else if (own == "FontStyle") {
            p.FontStyle.clear();
            for (auto& m : r.set())
                p.FontStyle.push_back(checked(m, member(kFontStyles, m)));
        } else if (own == "Editor")
            p.Editor = r.ident();
        else if (own == "GradientDirection") {
            std::string s = r.ident();
            p.GradientDirection = checked(s, member(kGradients, s));
        } else if (own == "ReadOnly")
            p.ReadOnly = r.boolean();
        else if (own == "VAlignment") {
            std::string s = r.ident();
            p.VAlignment = checked(s, member(kVAlignments, s));
        } else if (own == "WordWrap")
            p.WordWrap = r.boolean();
        else if (own == "NodeLevel")
            p.NodeLevel = r.integer();
        else
            noSuchProperty(name);
    });
}

} // namespace

std::optional<std::string_view> ColorName(GridColor color) {
    for (const auto& c : kColors)
        if (c.value == static_cast<std::uint32_t>(color)) return c.name;
    return std::nullopt;
}

std::optional<GridColor> ColorFromName(std::string_view name) {
    for (const auto& c : kColors)
        if (c.name == name) return static_cast<GridColor>(c.value);
    return std::nullopt;
}

std::string_view AlignmentName(Alignment alignment) {
    for (size_t i = 0; i < kAlignments.size(); ++i)
        if (kAlignmentValues[i] == alignment) return kAlignments[i];
    return kAlignments[0];
}

std::optional<Alignment> AlignmentFromName(std::string_view name) {
    for (size_t i = 0; i < kAlignments.size(); ++i)
        if (kAlignments[i] == name) return kAlignmentValues[i];
    return std::nullopt;
}

std::string EncodeGrille(const Grid& grid) {
    Writer w;
    w.beginRecord("TGridPropIO");
    w.integer("ColCount", grid.colCount());
    w.integer("RowCount", grid.rowCount());
    w.text("ColWidths", joinNumbers(grid.colCount(), [&](int i) { return grid.colWidth(i); }));
    w.text("RowHeights", joinNumbers(grid.rowCount(), [&](int i) { return grid.rowHeight(i); }));
    w.boolean("FullGrid", true);
    w.integer("ID", 0);
    w.endRecord();
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int col = 0; col < grid.colCount(); ++col) {
            const auto& props = grid.properties(col, row);
            w.beginRecord("TGridCellIO");
            w.integer("Col", col);
            w.integer("Row", row);
            w.text("Cell", grid.cell(col, row));
            w.boolean("HasProp", props.has_value());
            w.endRecord();
            if (props) writeProperties(w, *props);
        }
    }
    return w.take();
}

void DecodeGrille(Grid& grid, std::string_view bytes) {
    Reader r(bytes);
    std::int32_t colCount = 0, rowCount = 0;
    std::string colWidths, rowHeights;
    bool fullGrid = false;
    r.beginRecord();
    r.properties([&](const std::string& name) {
        if (name == "ColCount")
            colCount = r.integer();
        else if (name == "RowCount")
            rowCount = r.integer();
        else if (name == "ColWidths")
            colWidths = r.text();
        else if (name == "RowHeights")
            rowHeights = r.text();
        else if (name == "FullGrid")
            fullGrid = r.boolean();
        else if (name == "ID")
            r.integer();
        else
            noSuchProperty(name);
    });

    bool placed = fullGrid;
    int colShift = 0, rowShift = 0;
    if (fullGrid) {
        if (colCount < 0 || rowCount < 0 || static_cast<long long>(colCount) * rowCount > kMaxCells ||
            colCount > kMaxCells || rowCount > kMaxCells)
            throw Error(kValueError);
        // Both lists are checked before the grid changes, so that a damaged header loses nothing.
        const std::vector<int> widths = numbers(colWidths, colCount, "ColWidths", "colonnes");
        const std::vector<int> heights = numbers(rowHeights, rowCount, "RowHeights", "lignes");
        grid.clearCells();
        grid.setRowCount(rowCount);
        grid.setColCount(colCount);
        for (int i = 0; i < colCount; ++i)
            grid.setColWidth(i, widths[static_cast<size_t>(i)]);
        for (int i = 0; i < rowCount; ++i)
            grid.setRowHeight(i, heights[static_cast<size_t>(i)]);
    }

    while (r.remaining() >= 2) {
        int col = 0, row = 0;
        std::string text;
        bool hasProp = false;
        r.beginRecord();
        r.properties([&](const std::string& name) {
            if (name == "Col")
                col = cellIndex(r.integer());
            else if (name == "Row")
                row = cellIndex(r.integer());
            else if (name == "Cell")
                text = r.text();
            else if (name == "HasProp")
                hasProp = r.boolean();
            else
                noSuchProperty(name);
        });
        if (!placed) {
            // A partial save: its first cell goes to the top left corner.
            colShift = -col, rowShift = -row;
            placed = true;
        }
        col += colShift, row += rowShift;
        grid.setCell(col, row, std::move(text));
        if (!hasProp) continue;
        const std::optional<CellProperties>& own = grid.properties(col, row);
        const CellProperties base = own ? *own : grid.appearance(col, row);
        CellProperties props = base;
        readProperties(r, props);
        props.BrushColorTo = base.BrushColorTo;
        props.GradientDirection = base.GradientDirection;
        grid.setProperties(col, row, std::move(props));
    }
}

void SauveGrille(const Grid& grid, const std::string& path) {
    if (const int error = WriteFileAtomically(path, EncodeGrille(grid)); error != 0)
        throw Error("Impossible de créer le fichier \"" + path + "\". " + SystemErrorText(error));
}

void ChargeGrille(Grid& grid, const std::string& path) {
    const FileContent content = ReadWholeFile(path);
    if (!content.bytes)
        throw Error("Impossible d'ouvrir le fichier \"" + path + "\". " + SystemErrorText(content.error));
    DecodeGrille(grid, *content.bytes);
}

} // namespace pesavia
