#include "app/ui/single_instance.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <string>

namespace orbalis {
namespace {

QString LockPath(const QString& lockName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(lockName + QStringLiteral(".lock"));
}

// A write lock on the whole file, owned by the open file itself (not by the
// process), so that two opens conflict even inside one process.
struct flock WholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockName) : path_(LockPath(lockName)) {}

SingleInstance::~SingleInstance() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

bool SingleInstance::acquire() {
    if (held_ || !problem_.isEmpty()) return true;
    const QByteArray path = QFile::encodeName(path_);
    descriptor_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor_ < 0) {
        problem_ = QStringLiteral("%1: %2").arg(path_, SystemReason());
        return true;
    }
    struct flock lock = WholeFile(F_WRLCK);
    if (::fcntl(descriptor_, F_OFD_SETLK, &lock) != 0) {
        const bool taken = errno == EAGAIN || errno == EACCES;
        if (!taken) problem_ = QStringLiteral("%1: %2").arg(path_, SystemReason());
        ::close(descriptor_);
        descriptor_ = -1;
        return !taken;
    }
    held_ = true;
    // For a person looking at the file: which process holds it.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(descriptor_, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(descriptor_, pid.data(), pid.size());
    }
    return true;
}

bool SingleInstance::heldElsewhere() const {
    if (held_) return false;
    const int probe = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CLOEXEC);
    if (probe < 0) return false;
    struct flock lock = WholeFile(F_WRLCK);
    const bool held = ::fcntl(probe, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(probe);
    return held;
}

}  // namespace orbalis
