#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pesavia::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pesavia-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl + "/";
    if (const char* h = std::getenv("HOME")) { hadHome_ = true; oldHome_ = h; }
    if (const char* x = std::getenv("XDG_DATA_HOME")) { hadXdg_ = true; oldXdg_ = x; }
    std::filesystem::create_directories(path_ + "home/.local/share");
    setenv("HOME", (path_ + "home").c_str(), 1);
    setenv("XDG_DATA_HOME", (path_ + "home/.local/share").c_str(), 1);
}

TempDir::~TempDir() {
    if (hadHome_) setenv("HOME", oldHome_.c_str(), 1); else unsetenv("HOME");
    if (hadXdg_) setenv("XDG_DATA_HOME", oldXdg_.c_str(), 1); else unsetenv("XDG_DATA_HOME");
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace pesavia::test
