// Any bytes read as an INI file keep every line when a key is written, and give back what was written.
#include "store/ini.h"
#include "store/text_encoding.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string utf8 = pesavia::Cp1252ToUtf8({reinterpret_cast<const char*>(data), size});
    pesavia::IniFile ini(utf8);
    for (const auto& key : ini.keys("AVIONS"))
        (void)ini.value("AVIONS", key);
    const std::vector<std::string> keys = ini.keys("AVIONS-IMMAT");
    (void)ini.readColumn("AVIONS-IMMAT", keys, "");
    ini.writeString("AVIONS", "0", " F-JABC\r\n");
    ini.writeString("Nouvelle", "clé", "é");
    pesavia::IniFile back(ini.text());
    if (back.value("AVIONS", "0") != "F-JABC" || back.value("nouvelle", "CLÉ") != "é") __builtin_trap();
    if (back.text() != ini.text()) __builtin_trap();
    return 0;
}
