#include "settings.h"

#include "ini.h"

#include <cstdlib>
#include <filesystem>

namespace pesavia {

std::string DossierSpecial(int id) {
    if (id != 26) return {};
    // The XDG rule: a relative $XDG_DATA_HOME is invalid and ignored.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') {
        std::string path = xdg;
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        return path;
    }
    const char* home = std::getenv("HOME");
    std::string path = home ? home : "";
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    return path + "/.local/share";
}

std::string DossierProgramme() {
    return DossierSpecial(26) + "/Pesavia/";
}

tparam ChargeParam(const std::string& path) {
    const IniFile ini = ReadIniFile(path);
    tparam p;
    // An empty DATADIR reads as absent: the separator alone would name the root folder.
    p.DataDir = ini.readString("PARAM", "DATADIR", "");
    if (p.DataDir.empty()) p.DataDir = DossierSpecial(26) + "/Pesavia";
    p.TypeBalance = ini.readString("BALANCE", "TYPE", "");
    p.NumBalance = ini.readString("BALANCE", "NUM", "");
    p.DateEtalonnage = ini.readString("BALANCE", "ETALONNAGE", "");
    p.FichierLogo = ini.readString("LOGO", "FILE", "");
    if (p.DataDir.back() != '/') p.DataDir += '/';
    std::error_code ec;
    if (!std::filesystem::is_directory(p.DataDir, ec)) {
        p.DataDir = DossierProgramme();
        // A failure is seen by the start-up check of the data folder.
        std::filesystem::create_directories(p.DataDir, ec);
    }
    return p;
}

void SauveParam(const std::string& path, const tparam& settings) {
    UpdateIniFile(path, [&](IniFile& ini) {
        ini.writeString("PARAM", "DATADIR", settings.DataDir);
        ini.writeString("BALANCE", "TYPE", settings.TypeBalance);
        ini.writeString("BALANCE", "NUM", settings.NumBalance);
        ini.writeString("BALANCE", "ETALONNAGE", settings.DateEtalonnage);
        ini.writeString("LOGO", "FILE", settings.FichierLogo);
        return true;
    });
}

} // namespace pesavia
