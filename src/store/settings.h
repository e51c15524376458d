#pragma once
#include <string>

namespace pesavia {

// The settings record, stored in "param.ini".
struct tparam {
    std::string DataDir;        // PARAM/DATADIR; always ends with a path separator after reading
    std::string TypeBalance;    // BALANCE/TYPE
    std::string NumBalance;     // BALANCE/NUM
    std::string DateEtalonnage; // BALANCE/ETALONNAGE
    std::string FichierLogo;    // LOGO/FILE
    friend bool operator==(const tparam&, const tparam&) = default;
};

// The path of a special folder, without a trailing separator. 26, the user's application-data folder,
// is $XDG_DATA_HOME, else ~/.local/share.
std::string DossierSpecial(int id);

// The program's own folder: DossierSpecial(26) + "/Pesavia/".
std::string DossierProgramme();

// Reads the settings; a missing or unreadable file gives the defaults. A stored data folder that does not
// exist (or is empty) gives the program's folder, created when missing.
tparam ChargeParam(const std::string& path);

// Writes the five keys in their order, in one write; throws Error("Impossible d'écrire dans …").
void SauveParam(const std::string& path, const tparam& settings);

} // namespace pesavia
