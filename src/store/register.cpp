#include "register.h"

#include "ini.h"

#include <charconv>
#include <string_view>

namespace pesavia {

namespace {

constexpr std::string_view kIndex = "AVIONS";

// Delphi's Trim: every character up to the blank.
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

// The position of the first key of "AVIONS" whose value is the registration, exactly and with case.
int findAircraft(const IniFile& ini, const std::vector<std::string>& keys, std::string_view immat) {
    const std::string_view wanted = trimmed(immat);
    for (size_t i = 0; i < keys.size(); ++i)
        if (ini.readString(kIndex, keys[i], "") == wanted) return static_cast<int>(i);
    return -1;
}

// The number of keys when no key has that name yet, else the smallest larger integer not in use: a
// hand-edited index must never make a new aircraft take over another one's values.
std::string newKey(const IniFile& ini, const std::vector<std::string>& keys) {
    for (size_t n = keys.size();; ++n) {
        char digits[24];
        const std::string name(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
        if (!ini.hasKey(kIndex, name)) return name;
    }
}

} // namespace

ttbavion ChargeAvions(const std::string& path) {
    const IniFile ini = ReadIniFile(path);
    const std::vector<std::string> keys = ini.keys(kIndex);
    struct Field {
        std::string_view section;
        std::string TAvion::*member;
        std::string_view fallback;
    };
    static constexpr Field kFields[] = {
        {"AVIONS-IMMAT", &TAvion::Immat, ""},
        {"AVIONS-TYPE_AVION", &TAvion::TypeAvion, ""},
        {"AVIONS-LIEU_DER_PESEE", &TAvion::LieuDerPesee, ""},
        {"AVIONS-DATE_DER_PESEE", &TAvion::DateDerPesee, ""},
        {"AVIONS-DATE_PREC_PESEE", &TAvion::DatePrecPesee, ""},
        {"AVIONS-MASSE_PREC_VIDE", &TAvion::MassePrecVide, ""},
        {"AVIONS-MTOW", &TAvion::MTOW, ""},
        {"AVIONS-TRAIN", &TAvion::Train, "0"},
        {"AVIONS-NIVEAU", &TAvion::Niveau, ""},
        {"AVIONS-REFERENCE", &TAvion::Reference, ""},
        {"AVIONS-MASSE", &TAvion::Masse, ""},
        {"AVIONS-MASSE_VIDE", &TAvion::MasseVide, ""},
        {"AVIONS-DVALUE", &TAvion::DValue, "0"},
        {"AVIONS-BIGDVALUE", &TAvion::BigDValue, "0"},
        {"AVIONS-XMIN", &TAvion::XMin, ""},
        {"AVIONS-XMAX", &TAvion::XMax, ""},
        {"AVIONS-YMIN", &TAvion::YMin, ""},
        {"AVIONS-YMAX", &TAvion::YMax, ""},
        {"AVIONS-NBMINX", &TAvion::NbMinX, "10"},
        {"AVIONS-NBMINY", &TAvion::NbMinY, "10"},
    };
    // Each section looked up once, then the entries filled one after the other.
    std::vector<std::vector<std::string_view>> columns;
    columns.reserve(std::size(kFields));
    for (const Field& f : kFields)
        columns.push_back(ini.readColumn(f.section, keys, f.fallback));
    ttbavion avions(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        for (size_t f = 0; f < std::size(kFields); ++f)
            avions[i].*kFields[f].member = columns[f][i];
    return avions;
}

int SauveAvion(const std::string& path, const TAvion& entry, const std::string& today) {
    int position = -1;
    UpdateIniFile(path, [&](IniFile& ini) {
        const std::vector<std::string> keys = ini.keys(kIndex);
        position = findAircraft(ini, keys, entry.Immat);
        if (position < 0) return false;
        const std::string& k = keys[static_cast<size_t>(position)];
        ini.writeString(kIndex, k, entry.Immat);
        ini.writeString("AVIONS-IMMAT", k, entry.Immat);
        ini.writeString("AVIONS-TYPE_AVION", k, entry.TypeAvion);
        ini.writeString("AVIONS-DATE_PREC_PESEE", k, entry.DatePrecPesee);
        ini.writeString("AVIONS-LIEU_DER_PESEE", k, entry.LieuDerPesee);
        ini.writeString("AVIONS-DATE_DER_PESEE", k, today);
        ini.writeString("AVIONS-MASSE", k, entry.Masse);
        ini.writeString("AVIONS-MASSE_VIDE", k, entry.MasseVide);
        ini.writeString("AVIONS-MASSE_PREC_VIDE", k, entry.MassePrecVide);
        ini.writeString("AVIONS-MTOW", k, entry.MTOW);
        ini.writeString("AVIONS-TRAIN", k, entry.Train);
        ini.writeString("AVIONS-DVALUE", k, entry.DValue);
        ini.writeString("AVIONS-BIGDVALUE", k, entry.BigDValue);
        ini.writeString("AVIONS-XMIN", k, entry.XMin);
        ini.writeString("AVIONS-XMAX", k, entry.XMax);
        ini.writeString("AVIONS-YMIN", k, entry.YMin);
        ini.writeString("AVIONS-YMAX", k, entry.YMax);
        ini.writeString("AVIONS-NBMINX", k, entry.NbMinX);
        ini.writeString("AVIONS-NBMINY", k, entry.NbMinY);
        ini.writeString("AVIONS-NIVEAU", k, entry.Niveau);
        ini.writeString("AVIONS-REFERENCE", k, entry.Reference);
        return true;
    });
    return position;
}

int EnregistreIdentite(const std::string& path, const IdentiteAvion& identity) {
    int position = -1;
    UpdateIniFile(path, [&](IniFile& ini) {
        const std::vector<std::string> keys = ini.keys(kIndex);
        position = findAircraft(ini, keys, identity.Immat);
        std::string key;
        if (position >= 0) {
            key = keys[static_cast<size_t>(position)];
        } else {
            key = newKey(ini, keys);
            position = static_cast<int>(keys.size());
        }
        ini.writeString(kIndex, key, identity.Immat);
        ini.writeString("AVIONS-IMMAT", key, identity.Immat);
        ini.writeString("AVIONS-TYPE_AVION", key, identity.TypeAvion);
        ini.writeString("AVIONS-LIEU_DER_PESEE", key, identity.LieuDerPesee);
        ini.writeString("AVIONS-MTOW", key, identity.MTOW);
        ini.writeString("AVIONS-TRAIN", key, identity.Train);
        return true;
    });
    return position;
}

} // namespace pesavia
