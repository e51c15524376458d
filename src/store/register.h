#pragma once
#include <string>
#include <vector>

namespace pesavia {

// One aircraft's register entry: twenty text fields, stored exactly as handed over.
struct TAvion {
    std::string Immat;
    std::string TypeAvion;
    std::string LieuDerPesee;
    std::string DateDerPesee;
    std::string DatePrecPesee;
    std::string MassePrecVide;
    std::string MTOW;
    std::string Train = "0";
    std::string Niveau;
    std::string Reference;
    std::string Masse;
    std::string MasseVide;
    std::string DValue = "0";
    std::string BigDValue = "0";
    std::string XMin;
    std::string XMax;
    std::string YMin;
    std::string YMax;
    std::string NbMinX = "10";
    std::string NbMinY = "10";
    friend bool operator==(const TAvion&, const TAvion&) = default;
};

using ttbavion = std::vector<TAvion>;

// Reads the whole register file "pesavia.ini" at `path` in one pass; a missing or unreadable file gives an
// empty register.
ttbavion ChargeAvions(const std::string& path);

// Writes the entry under the key whose "AVIONS" value equals the trimmed Immat, with `today` (already
// written in the system's short date pattern) as the last weighing date. Answers the key's position, or −1
// (nothing written) when the registration is not in the register. Throws Error on a failed write.
int SauveAvion(const std::string& path, const TAvion& entry, const std::string& today);

// What the main window records of an aircraft.
struct IdentiteAvion {
    std::string Immat;     // the registration text as the field shows it
    std::string TypeAvion;
    std::string LieuDerPesee;
    std::string MTOW;      // as typed
    std::string Train;     // "-1", "0" or "1"
};

// Records the identity under the aircraft's key, or under a new key when the trimmed registration is not
// found: the number of keys when that name is free, else the smallest larger integer not yet used.
// One read and one write. Answers the key's position. Throws Error on a failed write.
int EnregistreIdentite(const std::string& path, const IdentiteAvion& identity);

} // namespace pesavia
