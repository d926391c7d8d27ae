#include "files/replacing_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

namespace orbalis {
namespace {

// Links followed at most, as the system itself follows them.
constexpr int kMostLinks = 40;
// Names tried for the hidden file before giving up.
constexpr int kNameAttempts = 100;
// Never set: what the umask leaves of it is a new file's permissions.
constexpr mode_t kNewFileMode = 0666;

// The folder that holds `path`'s last part: "." or "/" where nothing else says.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

enum class Followed { Yes, Failed, Refused };

// Where the system guards links in folders everyone may write to (the sticky
// /tmp), it follows a link there only for the link's owner or the folder's;
// a link followed here must pass the same test, or another user's link would
// send the new file wherever that user chose. Failed, with errno set, when
// the folder cannot be looked at.
Followed MayFollow(const std::string& path, const struct stat& link) {
    struct stat folder {};
    if (::stat(FolderOf(path).c_str(), &folder) != 0) return Followed::Failed;
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid
               ? Followed::Yes
               : Followed::Refused;
}

// Follows `path` through links to the file the last one names, which need
// not exist; `status` then describes it. Failed with errno set when the chain
// cannot be followed; Refused at a link the system would not follow.
Followed FollowLinks(std::string& path, struct stat& status, bool& exists) {
    for (int hops = 0; hops <= kMostLinks; ++hops) {
        if (::lstat(path.c_str(), &status) != 0) {
            exists = false;
            return errno == ENOENT ? Followed::Yes : Followed::Failed;
        }
        if (!S_ISLNK(status.st_mode)) {
            exists = true;
            return Followed::Yes;
        }
        if (const Followed may = MayFollow(path, status); may != Followed::Yes) return may;
        std::array<char, 4096> target{};
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return Followed::Failed;
        if (static_cast<std::size_t>(length) == target.size()) {
            errno = ENAMETOOLONG;
            return Followed::Failed;
        }
        std::string next(target.data(), static_cast<std::size_t>(length));
        if (next.front() != '/') {
            const std::size_t slash = path.rfind('/');
            if (slash != std::string::npos) next = path.substr(0, slash + 1) + next;
        }
        path = std::move(next);
    }
    errno = ELOOP;
    return Followed::Failed;
}

// A test's stand-in for a file system without unnamed files (FUSE, NFS):
// ORBALIS_NO_UNNAMED_FILES=1, or =stop to have the program also stop itself
// (SIGSTOP) once the hidden file is there, so that a test can signal it at
// that very point.
const char* NoUnnamedFiles() {
    return std::getenv("ORBALIS_NO_UNNAMED_FILES");
}

// ".name.Xq3ZpA": hidden, and unlike any name a person gives.
std::string HiddenName(const std::string& name) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string hidden = "." + name + ".";
    for (int i = 0; i < 6; ++i) hidden += kLetters[random() % kLetters.size()];
    return hidden;
}

// Why a step failed, in the words a user knows for the common causes.
std::string ReasonOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "the disk is full";
        case EROFS:
            return "the disk is read-only";
        case EACCES:
        case EPERM:
            return "not allowed (" + std::string(std::strerror(error)) + ")";
        default:
            return std::strerror(error);
    }
}

bool IsReadOnly(const struct stat& status) {
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    Abandon();
}

bool ReplacingFile::Fail(const char* what) {
    error_ = std::string(what) + ": " + ReasonOf(errno);
    return false;
}

bool ReplacingFile::Refuse(std::string why) {
    error_ = std::move(why);
    return false;
}

bool ReplacingFile::Open(const std::string& path) {
    Abandon();
    error_.clear();
    if (path.empty()) return Refuse("the name is empty");
    std::string target = path;
    struct stat existing {};
    bool exists = false;
    switch (FollowLinks(target, existing, exists)) {
        case Followed::Yes:
            break;
        case Followed::Refused:
            return Refuse("it is another user's link in a folder that everyone can write to");
        case Followed::Failed:
            if (errno == ENOTDIR) return Refuse("the folder does not exist");
            return Fail("the file cannot be opened");
    }
    if (exists && S_ISDIR(existing.st_mode)) return Refuse("it is a folder");
    if (exists && !S_ISREG(existing.st_mode)) {
        stream_ = std::fopen(target.c_str(), "wb");
        inPlace_ = stream_ != nullptr;
        return inPlace_ || Fail("the file cannot be opened");
    }
    // A file the user has marked read-only stays as it is: the rename that
    // replaces a file would otherwise go through, for the superuser even more so.
    if (exists && IsReadOnly(existing)) return Refuse("the file is read-only");
    if (exists && ::access(target.c_str(), W_OK) != 0) return Fail("the file cannot be written");

    const std::string folder = FolderOf(target);
    const std::size_t slash = target.rfind('/');
    name_ = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name_.empty()) return Refuse("it is a folder");
    folder_.Reset(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder_.Valid()) {
        if (errno == ENOENT || errno == ENOTDIR) return Refuse("the folder does not exist");
        return Fail("the folder cannot be opened");
    }

    const mode_t mode = exists ? (existing.st_mode & 07777) : kNewFileMode;
    const char* const noUnnamed = NoUnnamedFiles();
    UniqueDescriptor file;
    if (!noUnnamed)
        file.Reset(::openat(folder_.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    unnamed_ = file.Valid();
    if (!unnamed_ && (noUnnamed || errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        for (int attempt = 0; attempt < kNameAttempts && !file.Valid(); ++attempt) {
            hidden_ = HiddenName(name_);
            // Listed before it exists, so that no signal finds it unlisted.
            temporary_.Claim(folder_.Get(), hidden_);
            file.Reset(::openat(folder_.Get(), hidden_.c_str(),
                                O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
            const int error = errno;
            if (file.Valid())
                temporary_.Keep();
            else
                temporary_.End();
            errno = error;
            if (!file.Valid() && errno != EEXIST) break;
        }
        if (!file.Valid()) hidden_.clear();
        if (file.Valid() && std::string_view(noUnnamed ? noUnnamed : "") == "stop")
            ::raise(SIGSTOP);
    }
    if (!file.Valid()) return Fail("the file cannot be created");
    if (exists) {
        // The umask took its part of the old permissions; they are the file's own.
        if (::fchmod(file.Get(), mode) != 0) {
            Fail("the file cannot be created");
            Abandon();
            return false;
        }
        // The superuser's save leaves the file its owner's; where it cannot,
        // the file is still whole.
        if (::geteuid() == 0 && ::fchown(file.Get(), existing.st_uid, existing.st_gid) != 0) {
        }
    }
    stream_ = ::fdopen(file.Get(), "wb");
    if (!stream_) {
        Fail("the file cannot be created");
        Abandon();
        return false;
    }
    file.Release();
    return true;
}

bool ReplacingFile::Write(std::string_view bytes) {
    if (!stream_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) == bytes.size()) return true;
    Fail("the file cannot be written");
    Abandon();
    return false;
}

// From the hidden name's making to the rename the name is claimed: the
// signals that end the program are held in this thread, and a handler in
// another waits until the name is gone.
bool ReplacingFile::LinkIntoPlace() {
    const int fd = ::fileno(stream_);
    if (unnamed_) {
        bool linked = false;
        for (int attempt = 0; attempt < kNameAttempts && !linked; ++attempt) {
            hidden_ = HiddenName(name_);
            temporary_.Claim(folder_.Get(), hidden_);
            linked = ::linkat(fd, "", folder_.Get(), hidden_.c_str(), AT_EMPTY_PATH) == 0;
            if (!linked && errno == ENOENT) {
                // Without the right to link a descriptor, through its name in /proc.
                const std::string self = "/proc/self/fd/" + std::to_string(fd);
                linked = ::linkat(AT_FDCWD, self.c_str(), folder_.Get(), hidden_.c_str(),
                                  AT_SYMLINK_FOLLOW) == 0;
            }
            if (!linked) {
                const int error = errno;
                temporary_.End();
                errno = error;
                if (error != EEXIST) break;
            }
        }
        if (!linked) {
            hidden_.clear();
            return false;
        }
    } else {
        temporary_.Resume();
    }
    const bool renamed =
        ::renameat(folder_.Get(), hidden_.c_str(), folder_.Get(), name_.c_str()) == 0;
    const int error = errno;
    if (!renamed) ::unlinkat(folder_.Get(), hidden_.c_str(), 0);
    hidden_.clear();
    temporary_.End();
    errno = error;
    return renamed;
}

bool ReplacingFile::Commit() {
    if (!stream_) return false;
    const bool written = std::fflush(stream_) == 0 && !std::ferror(stream_) &&
                         (inPlace_ || ::fsync(::fileno(stream_)) == 0);
    if (!written) {
        Fail("the file cannot be written");
        Abandon();
        return false;
    }
    if (inPlace_) {
        const bool closed = std::fclose(stream_) == 0;
        stream_ = nullptr;
        if (!closed) Fail("the file cannot be written");
        Abandon();
        return closed;
    }
    if (!LinkIntoPlace()) {
        Fail("the file cannot be put in place");
        Abandon();
        return false;
    }
    std::fclose(stream_);
    stream_ = nullptr;
    // The new name itself reaches the disk with its folder.
    ::fsync(folder_.Get());
    Abandon();
    return true;
}

void ReplacingFile::Abandon() {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
    if (!hidden_.empty() && folder_.Valid()) {
        temporary_.Resume();
        ::unlinkat(folder_.Get(), hidden_.c_str(), 0);
    }
    // Before the folder closes: a signal's handler may still use it till then.
    temporary_.End();
    hidden_.clear();
    folder_.Reset();
    name_.clear();
    inPlace_ = false;
    unnamed_ = false;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error) {
    ReplacingFile file;
    const bool replaced = file.Open(path) && file.Write(bytes) && file.Commit();
    if (!replaced) error = file.Error().empty() ? "the file cannot be written" : file.Error();
    return replaced;
}

}  // namespace orbalis
