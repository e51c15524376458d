#include "register.h"

#include "ini.h"

#include <charconv>
#include <string_view>

namespace pesavia {

namespace {

constexpr std::string_view kIndex = "AVIONS";

// Delphi's Trim: every character up to the blank.
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
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
    ttbavion avions(keys.size());
    // Section by section: one lookup of each section, and its lines read in order.
    const auto field = [&](std::string_view section, std::string TAvion::*member, std::string_view fallback) {
        std::vector<std::string> values = ini.readColumn(section, keys, fallback);
        for (size_t i = 0; i < keys.size(); ++i) avions[i].*member = std::move(values[i]);
    };
    field("AVIONS-IMMAT", &TAvion::Immat, "");
    field("AVIONS-TYPE_AVION", &TAvion::TypeAvion, "");
    field("AVIONS-LIEU_DER_PESEE", &TAvion::LieuDerPesee, "");
    field("AVIONS-DATE_DER_PESEE", &TAvion::DateDerPesee, "");
    field("AVIONS-DATE_PREC_PESEE", &TAvion::DatePrecPesee, "");
    field("AVIONS-MASSE_PREC_VIDE", &TAvion::MassePrecVide, "");
    field("AVIONS-MTOW", &TAvion::MTOW, "");
    field("AVIONS-TRAIN", &TAvion::Train, "0");
    field("AVIONS-NIVEAU", &TAvion::Niveau, "");
    field("AVIONS-REFERENCE", &TAvion::Reference, "");
    field("AVIONS-MASSE", &TAvion::Masse, "");
    field("AVIONS-MASSE_VIDE", &TAvion::MasseVide, "");
    field("AVIONS-DVALUE", &TAvion::DValue, "0");
    field("AVIONS-BIGDVALUE", &TAvion::BigDValue, "0");
    field("AVIONS-XMIN", &TAvion::XMin, "");
    field("AVIONS-XMAX", &TAvion::XMax, "");
    field("AVIONS-YMIN", &TAvion::YMin, "");
    field("AVIONS-YMAX", &TAvion::YMax, "");
    field("AVIONS-NBMINX", &TAvion::NbMinX, "10");
    field("AVIONS-NBMINY", &TAvion::NbMinY, "10");
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
