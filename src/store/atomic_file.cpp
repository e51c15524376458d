#include "atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pesavia {

namespace {

// Closes a descriptor when the scope ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

} // namespace

FileLock::FileLock(const std::string& path) {
    fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) < 0 && errno == EINTR) {
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

FileContent ReadWholeFile(const std::string& path) {
    Descriptor in{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (in.fd < 0) return {std::nullopt, errno};
    struct stat st {};
    if (::fstat(in.fd, &st) < 0) return {std::nullopt, errno};
    if (S_ISDIR(st.st_mode)) return {std::nullopt, EISDIR};
    std::string bytes;
    if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return {std::nullopt, errno};
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return {std::move(bytes), 0};
}

int WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".tmpXXXXXX";
    Descriptor out{::mkostemp(temp.data(), O_CLOEXEC)};
    if (out.fd < 0) return errno;
    // The new file keeps the mode of the one it replaces; a new one gets the usual mode for the umask.
    struct stat st {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int error = writeAll(out.fd, bytes);
    if (error == 0 && ::fchmod(out.fd, mode) < 0) error = errno;
    if (error == 0 && ::fsync(out.fd) < 0) error = errno;
    const int fd = out.fd;
    out.fd = -1;
    if (::close(fd) < 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) < 0) error = errno;
    if (error != 0) ::unlink(temp.c_str());
    return error;
}

std::string SystemErrorText(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "Le chemin d'accès spécifié est introuvable";
    case EACCES:
    case EPERM:
    case EISDIR:
        return "Accès refusé";
    case ENOSPC:
    case EDQUOT:
        return "Espace insuffisant sur le disque";
    case EFBIG:
        return "Le fichier est trop volumineux";
    case EROFS:
        return "Le support est protégé en écriture";
    case EMFILE:
    case ENFILE:
        return "Le système ne peut pas ouvrir le fichier";
    case EBUSY:
    case ETXTBSY:
        return "Le processus ne peut pas accéder au fichier car ce fichier est utilisé par un autre "
               "processus";
    case ENAMETOOLONG:
        return "Le nom de fichier ou l'extension est trop long";
    case EIO:
        return "Erreur de lecture ou d'écriture sur le périphérique";
    default:
        return std::strerror(error);
    }
}

} // namespace pesavia
