#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace orbalis {
namespace {

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The folder at `path` itself (a link is not followed), or -1.
int OpenFolder(const QString& path) {
    return ::open(QFile::encodeName(path).constData(),
                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool IsPrivate(const struct stat& status) {
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

// Why the folder at `path` is no place for the lock; empty when it is.
QString FolderProblem(const QString& path) {
    const int folder = OpenFolder(path);
    if (folder < 0) return QStringLiteral("%1: %2").arg(path, SystemReason());
    struct stat status {};
    const bool fits = ::fstat(folder, &status) == 0 && IsPrivate(status);
    ::close(folder);
    return fits ? QString()
                : QStringLiteral("%1: not a folder of this user's closed to others").arg(path);
}

// The folder "orbalis" in the user's cache folder, made if missing and
// closed to others if it is the user's own; empty with `problem` if it
// cannot be made private.
QString PrivateCacheFolder(QString& problem) {
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(cache)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home)) {
            problem = QStringLiteral("neither XDG_CACHE_HOME nor HOME names a folder");
            return {};
        }
        cache = QDir(home).filePath(QStringLiteral(".cache"));
    }
    const QString path = QDir(cache).filePath(QStringLiteral("orbalis"));
    // mkdir, not a change of the umask: the modes are set on the folders.
    ::mkdir(QFile::encodeName(cache).constData(), 0700);
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    const int folder = OpenFolder(path);
    if (folder >= 0) {
        struct stat status {};
        if (::fstat(folder, &status) == 0 && S_ISDIR(status.st_mode) &&
            status.st_uid == ::geteuid() && (status.st_mode & 077) != 0)
            ::fchmod(folder, 0700);
        ::close(folder);
    }
    problem = FolderProblem(path);
    return problem.isEmpty() ? path : QString();
}

// A write lock on the whole file, owned by the open file itself (not by the
// process), so that two opens conflict even inside one process.
struct flock WholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

// The lock file at `path` when it is one: a regular file of this user's with
// no other name. A link is not followed.
int OpenLockFile(const QString& path, int flags, QString& problem) {
    const int descriptor =
        ::open(QFile::encodeName(path).constData(),
               flags | O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        problem = errno == ELOOP ? QStringLiteral("%1: a link, left as it is").arg(path)
                                 : QStringLiteral("%1: %2").arg(path, SystemReason());
        return -1;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid() || status.st_nlink != 1) {
        problem = QStringLiteral("%1: not a file of this user's alone, left as it is").arg(path);
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

}  // namespace

QString PrivateLockFolder(QString& problem) {
    problem.clear();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString runtimeProblem = QStringLiteral("XDG_RUNTIME_DIR is not set");
    if (QDir::isAbsolutePath(runtime)) {
        runtimeProblem = FolderProblem(runtime);
        if (runtimeProblem.isEmpty()) return runtime;
    }
    QString cacheProblem;
    const QString cache = PrivateCacheFolder(cacheProblem);
    if (!cache.isEmpty()) return cache;
    problem = QStringLiteral("no private folder: %1; %2").arg(runtimeProblem, cacheProblem);
    return {};
}

SingleInstance::SingleInstance(const QString& lockName) {
    const QString folder = PrivateLockFolder(problem_);
    if (folder.isEmpty()) return;
    path_ = QDir(folder).filePath(lockName + QStringLiteral(".lock"));
    handOverPath_ = QDir(folder).filePath(lockName + QStringLiteral(".socket"));
}

SingleInstance::~SingleInstance() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool SingleInstance::acquire() {
    if (held_ || !problem_.isEmpty()) return true;
    descriptor_ = OpenLockFile(path_, O_CREAT, problem_);
    if (descriptor_ < 0) return true;
    struct flock lock = WholeFile(F_WRLCK);
    if (::fcntl(descriptor_, F_OFD_SETLK, &lock) != 0) {
        const bool taken = errno == EAGAIN || errno == EACCES;
        if (!taken) problem_ = QStringLiteral("%1: %2").arg(path_, SystemReason());
        ::close(descriptor_);
        descriptor_ = -1;
        return !taken;
    }
    held_ = true;
    return true;
}

bool SingleInstance::heldElsewhere() const {
    if (held_ || path_.isEmpty()) return false;
    QString ignored;
    const int probe = OpenLockFile(path_, 0, ignored);
    if (probe < 0) return false;
    struct flock lock = WholeFile(F_WRLCK);
    const bool held = ::fcntl(probe, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(probe);
    return held;
}

}  // namespace orbalis
