#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace pesavia {

// An advisory lock on a file, held while it lives: an exclusive flock on "<path>.lock" beside it. The lock
// file is never renamed, so the lock survives the atomic replacement of the file itself. A lock that
// cannot be taken (the folder is missing or read-only) is simply not held; the write that follows fails on
// its own with the proper error.
class FileLock {
  public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    int fd_ = -1;
};

// The whole file, or the errno of the failure.
struct FileContent {
    std::optional<std::string> bytes;
    int error = 0;
};
FileContent ReadWholeFile(const std::string& path);

// Writes a temporary file in the same folder, flushes it to disk, then renames it over `path`: either the
// new content is in place or the old file is untouched. Answers the errno of the failure, 0 on success.
int WriteFileAtomically(const std::string& path, std::string_view bytes);

// The description of an errno value as the operator reads it, in French.
std::string SystemErrorText(int error);

} // namespace pesavia
