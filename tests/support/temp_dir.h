#pragma once
#include <string>

namespace pesavia::test {

// A temporary folder that also stands in for the home folder: HOME and XDG_DATA_HOME point into it while
// it lives, and it is removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path, with a trailing "/".
    const std::string& path() const { return path_; }
    // path() + name.
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
    std::string oldHome_, oldXdg_;
    bool hadHome_ = false, hadXdg_ = false;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

} // namespace pesavia::test
