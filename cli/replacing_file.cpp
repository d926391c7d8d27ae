#include "cli/replacing_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace orbalis::cli {
namespace {

// The permissions a new file gets: those of the file it replaces, or what
// the umask leaves of read and write for everyone.
mode_t ModeFor(const struct stat* previous) {
    if (previous) return previous->st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    Abandon();
}

bool ReplacingFile::Fail(const char* what) {
    error_ = std::string(what) + ": " + std::strerror(errno);
    return false;
}

bool ReplacingFile::Open(const std::string& path) {
    Abandon();
    error_.clear();
    target_ = path;
    struct stat existing {};
    const bool exists = stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        stream_ = std::fopen(path.c_str(), "wb");
        return stream_ || Fail("the output cannot be opened");
    }
    // A link is replaced at the file it points to, and stays a link.
    std::error_code ignored;
    if (exists) {
        const std::filesystem::path resolved = std::filesystem::canonical(path, ignored);
        if (!ignored) target_ = resolved.string();
    }
    const std::filesystem::path target(target_);
    std::string pattern =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return Fail("the output cannot be opened");
    temporary_ = pattern;
    if (fchmod(fd, ModeFor(exists ? &existing : nullptr)) != 0 ||
        !(stream_ = fdopen(fd, "wb"))) {
        const int error = errno;
        close(fd);
        unlink(temporary_.c_str());
        temporary_.clear();
        errno = error;
        return Fail("the output cannot be opened");
    }
    return true;
}

bool ReplacingFile::Commit() {
    if (!stream_) return false;
    std::FILE* stream = stream_;
    stream_ = nullptr;
    const bool written = std::fflush(stream) == 0 && !std::ferror(stream) &&
                         (temporary_.empty() || fsync(fileno(stream)) == 0);
    const int writeError = errno;
    const bool closed = std::fclose(stream) == 0;
    if (!written || !closed) {
        if (!written) errno = writeError;
        Fail("the output cannot be written");
        Abandon();
        return false;
    }
    if (temporary_.empty()) return true;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail("the output cannot be put in place");
        Abandon();
        return false;
    }
    temporary_.clear();
    // The new name itself reaches the disk with its folder.
    const std::string folder = std::filesystem::path(target_).parent_path().string();
    const int folderFd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}

void ReplacingFile::Abandon() {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace orbalis::cli
