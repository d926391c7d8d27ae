#include "app/ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace orbalis {
namespace {

QString LockPath(const QString& lockName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(lockName + QStringLiteral(".lock"));
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockName) : path_(LockPath(lockName)), lock_(path_) {
    // A running instance may hold the lock for days: only a dead holder makes
    // it stale, never its age.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_.isLocked() || lock_.tryLock(0);
}

}  // namespace orbalis
