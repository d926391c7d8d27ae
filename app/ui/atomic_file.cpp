#include "app/ui/atomic_file.h"

#include <QDir>
#include <QSaveFile>

#include "app/program_identity.h"
#include "app/ui/dialogs.h"

namespace orbalis {

bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!write(file)) {
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
