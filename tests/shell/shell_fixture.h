#pragma once
#include "store/programme.h"
#include "support/fake_desktop.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace pesavia::test {

// A fresh user folder, a scripted desktop and the program-wide state, for the main window and the
// parameters dialog.
class ShellTest : public ::testing::Test {
  protected:
    TempDir tmp;
    FakeDesktop desktop;
    Programme programme;

    // The program's folder under the temporary user folder.
    std::string dossierProgramme() const { return tmp.path() + "home/.local/share/Pesavia/"; }
    std::string registre() const { return dossierProgramme() + "pesavia.ini"; }

    // A new folder under the temporary one, with a trailing separator.
    std::string makeFolder(const std::string& name) const {
        std::filesystem::create_directories(tmp.file(name));
        return tmp.file(name) + "/";
    }

    // Writes a register file holding `avions` under keys "0", "1", …, in every field section.
    static void WriteRegister(const std::string& path, const std::vector<TAvion>& avions) {
        const std::pair<const char*, std::string TAvion::*> sections[] = {
            {"AVIONS-IMMAT", &TAvion::Immat},
            {"AVIONS-TYPE_AVION", &TAvion::TypeAvion},
            {"AVIONS-LIEU_DER_PESEE", &TAvion::LieuDerPesee},
            {"AVIONS-DATE_DER_PESEE", &TAvion::DateDerPesee},
            {"AVIONS-DATE_PREC_PESEE", &TAvion::DatePrecPesee},
            {"AVIONS-MASSE_PREC_VIDE", &TAvion::MassePrecVide},
            {"AVIONS-MTOW", &TAvion::MTOW},
            {"AVIONS-TRAIN", &TAvion::Train},
            {"AVIONS-NIVEAU", &TAvion::Niveau},
            {"AVIONS-REFERENCE", &TAvion::Reference},
            {"AVIONS-MASSE", &TAvion::Masse},
            {"AVIONS-MASSE_VIDE", &TAvion::MasseVide},
            {"AVIONS-DVALUE", &TAvion::DValue},
            {"AVIONS-BIGDVALUE", &TAvion::BigDValue},
            {"AVIONS-XMIN", &TAvion::XMin},
            {"AVIONS-XMAX", &TAvion::XMax},
            {"AVIONS-YMIN", &TAvion::YMin},
            {"AVIONS-YMAX", &TAvion::YMax},
            {"AVIONS-NBMINX", &TAvion::NbMinX},
            {"AVIONS-NBMINY", &TAvion::NbMinY},
        };
        std::string ini = "[AVIONS]\r\n";
        for (size_t i = 0; i < avions.size(); ++i)
            ini += std::to_string(i) + "=" + avions[i].Immat + "\r\n";
        for (const auto& [name, field] : sections) {
            ini += std::string("[") + name + "]\r\n";
            for (size_t i = 0; i < avions.size(); ++i)
                ini += std::to_string(i) + "=" + avions[i].*field + "\r\n";
        }
        WriteAll(path, ini);
    }

    // The key names of a section of an INI file, in file order.
    static std::vector<std::string> KeysOf(const std::string& path, const std::string& section) {
        std::vector<std::string> keys;
        const std::string text = ReadAll(path);
        bool inside = false;
        size_t pos = 0;
        while (pos < text.size()) {
            size_t end = text.find('\n', pos);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(pos, end - pos);
            pos = end + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty() && line.front() == '[') {
                inside = line == "[" + section + "]";
            } else if (inside && line.find('=') != std::string::npos) {
                keys.push_back(line.substr(0, line.find('=')));
            }
        }
        return keys;
    }
};

} // namespace pesavia::test
