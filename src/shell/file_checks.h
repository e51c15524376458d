#pragma once
#include <filesystem>
#include <string>

namespace pesavia {

// Whether the path names an existing folder; any failure to tell counts as no.
inline bool IsFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// Whether the path names an existing file (a folder is not one); any failure to tell counts as no.
inline bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The folder part of a file's path, without a trailing separator.
inline std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

} // namespace pesavia
