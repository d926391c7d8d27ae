#include "ui/common/text_export_command.h"

#include "reading/save_names.h"
#include "reading/text_export.h"
#include "ui/common/atomic_file.h"
#include "ui/common/dialogs.h"
#include "ui/common/file_dialog_folder.h"
#include "ui/common/save_target.h"

namespace orbalis {

void ExportReadingAsText(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                         const ChartReading& reading, QString& lastFileName) {
    FileDialogRequest request;
    request.filter = QStringLiteral("Export Chart As Text (*.txt)|*.txt");
    request.defaultExtension = QStringLiteral("txt");
    request.title = QStringLiteral("Select the destination text file ");
    request.initialName = QString::fromStdString(TextExportName(lastFileName.toStdString()));
    request.folder = FileDialogFolder();
    request.overwritePrompt = true;
    request.hideReadOnly = true;
    request.pathMustExist = true;
    request.noReadOnlyReturn = true;
    const std::optional<QString> chosen = dialogs.chooseSaveFile(parent, request);
    if (!chosen) return;
    RememberFileDialogFolder(*chosen);
    const std::optional<QString> path =
        ConfirmSaveName(dialogs, parent, *chosen,
                        QString::fromStdString(TextExportName(chosen->toStdString())));
    if (!path) return;

    lastFileName = *path;
    const std::string text = TextExport(birth, reading);
    QString reason;
    if (!WriteFileAtomically(*path, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                             &reason)) {
        ShowSaveFailure(dialogs, parent, *path, reason);
    }
}

}  // namespace orbalis
