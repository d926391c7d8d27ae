#include "ui/common/save_flow.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

#include "ui/common/atomic_file.h"
#include "ui/common/file_dialog_folder.h"
#include "ui/common/save_target.h"

namespace orbalis {

std::optional<QString> SaveWithDialog(Dialogs& dialogs, QWidget* parent, const SaveFlow& flow) {
    FileDialogRequest request = flow.request;
    if (request.folder.isEmpty()) request.folder = FileDialogFolder();
    const std::optional<QString> chosen = dialogs.chooseSaveFile(parent, request);
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    RememberFileDialogFolder(*chosen);
    std::optional<QString> path = flow.pathFor ? flow.pathFor(*chosen) : chosen;
    if (!path) return std::nullopt;
    path = ConfirmSaveName(dialogs, parent, *chosen, *path);
    if (!path) return std::nullopt;
    if (flow.named) flow.named(*path);
    QString reason;
    if (!WriteFileAtomically(*path, flow.write, &reason)) {
        ShowSaveFailure(dialogs, parent, *path, reason);
        return std::nullopt;
    }
    return path;
}

void SavePdfWithDialog(Dialogs& dialogs, QWidget* parent, const QString& suggestedName,
                       const std::function<QByteArray()>& makeDocument) {
    SaveFlow flow;
    flow.request.filter =
        QCoreApplication::translate("Orbalis", "PDF Document") + QStringLiteral(" (*.pdf)|*.pdf");
    flow.request.defaultExtension = QStringLiteral("pdf");
    flow.request.title = QCoreApplication::translate("Orbalis", "Save As PDF");
    flow.request.folder = FileDialogFolder();
    flow.request.initialName = QDir(flow.request.folder).filePath(suggestedName);
    flow.request.overwritePrompt = true;
    flow.request.pathMustExist = true;
    flow.request.noReadOnlyReturn = true;
    flow.write = [&makeDocument](QIODevice& file) {
        const QByteArray document = makeDocument();
        return !document.isEmpty() && file.write(document) == document.size();
    };
    SaveWithDialog(dialogs, parent, flow);
}

}  // namespace orbalis
