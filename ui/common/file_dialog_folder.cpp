#include "ui/common/file_dialog_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace orbalis {
namespace {

const QString kLastFolderKey = QStringLiteral("FileDialogs/lastFolder");

}  // namespace

QString FileDialogFolder() {
    const QString remembered = QSettings().value(kLastFolderKey).toString();
    // A folder removed since is no place to start.
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

void RememberFileDialogFolder(const QString& chosenFile) {
    QSettings().setValue(kLastFolderKey, QFileInfo(chosenFile).absolutePath());
}

}  // namespace orbalis
