#include "ui/common/pdf_save.h"

#include <QDir>

#include "ui/common/atomic_file.h"
#include "ui/common/dialogs.h"
#include "ui/common/file_dialog_folder.h"

namespace orbalis {

void SavePdfWithDialog(Dialogs& dialogs, QWidget* parent, const QString& suggestedName,
                       const std::function<QByteArray()>& makeDocument) {
    FileDialogRequest request;
    request.filter = QStringLiteral("PDF Document (*.pdf)|*.pdf");
    request.defaultExtension = QStringLiteral("pdf");
    request.title = QStringLiteral("Save As PDF");
    request.folder = FileDialogFolder();
    request.initialName = QDir(request.folder).filePath(suggestedName);
    request.overwritePrompt = true;
    request.pathMustExist = true;
    request.noReadOnlyReturn = true;
    const std::optional<QString> chosen = dialogs.chooseSaveFile(parent, request);
    if (!chosen || chosen->isEmpty()) return;
    RememberFileDialogFolder(*chosen);
    const QByteArray document = makeDocument();
    QString reason;
    if (document.isEmpty() || !WriteFileAtomically(*chosen, document, &reason))
        ShowSaveFailure(dialogs, parent, *chosen, reason);
}

}  // namespace orbalis
