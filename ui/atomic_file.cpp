#include "ui/atomic_file.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "model/program_identity.h"
#include "model/read_only_file.h"
#include "ui/dialogs.h"

namespace orbalis {
namespace {

// A file the user has marked read-only, or may not write, stays as it is.
bool IsReadOnly(const QString& path) {
    return IsMarkedReadOnly(QFile::encodeName(path).toStdString()) ||
           (QFileInfo::exists(path) && !QFileInfo(path).isWritable());
}

}  // namespace

bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const QFileInfo target(path);
    if (!target.absoluteDir().exists() || target.isDir() || IsReadOnly(path)) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // The flush is checked here: commit() would rename a file whose buffered
    // bytes never reached the disk (a full disk leaves it empty).
    if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError ||
        ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    return WriteFileAtomically(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

void ShowSaveFailure(Dialogs& dialogs, QWidget* parent, const QString& path) {
    dialogs.showMessage(
        parent, QStringLiteral("Unable to save the file. ") + QDir::toNativeSeparators(path),
        QString::fromUtf8(kProgramTitle), MessageIcon::Error);
}

}  // namespace orbalis
