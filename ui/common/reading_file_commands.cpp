#include "ui/common/reading_file_commands.h"

#include <QFile>

#include "model/program_identity.h"
#include "reading/save_names.h"
#include "ui/common/atomic_file.h"
#include "ui/common/dialogs.h"
#include "ui/common/file_dialog_folder.h"
#include "ui/common/save_target.h"

namespace orbalis {
namespace {

const QString kReadingFileFilter = QStringLiteral("Orbalis (*.orb)|*.orb");
const QString kReadingFileExtension = QStringLiteral("orb");

QString ProgramTitle() {
    return QString::fromUtf8(kProgramTitle);
}

}  // namespace

void SaveReadingFile(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                     QString& lastFileName) {
    FileDialogRequest request;
    request.filter = kReadingFileFilter;
    request.defaultExtension = kReadingFileExtension;
    request.title = ProgramTitle();
    // Before any file name is known, the person's name is offered.
    const std::string known = lastFileName.toStdString();
    request.initialName = QString::fromStdString(
        ReadingFileName(known.empty() ? SuggestedSaveName(birth.name) : known));
    request.folder = FileDialogFolder();
    request.overwritePrompt = true;
    request.pathMustExist = true;
    request.noReadOnlyReturn = true;
    const std::optional<QString> chosen = dialogs.chooseSaveFile(parent, request);
    if (!chosen) return;
    RememberFileDialogFolder(*chosen);
    const std::optional<QString> path =
        ConfirmSaveName(dialogs, parent, *chosen,
                        QString::fromStdString(ReadingFileName(chosen->toStdString())));
    if (!path) return;

    lastFileName = *path;
    const std::string bytes = EncodeReadingFile(birth);
    QString reason;
    if (!WriteFileAtomically(
            *path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &reason)) {
        ShowSaveFailure(dialogs, parent, *path, reason);
    }
}

std::optional<QString> ChooseReadingFileToOpen(Dialogs& dialogs, QWidget* parent) {
    FileDialogRequest request;
    request.filter = kReadingFileFilter;
    request.defaultExtension = kReadingFileExtension;
    request.title = QStringLiteral("Select the source file");
    request.folder = FileDialogFolder();
    request.fileMustExist = true;
    std::optional<QString> chosen = dialogs.chooseOpenFile(parent, request);
    if (chosen) RememberFileDialogFolder(*chosen);
    return chosen;
}

std::optional<ReadingFileLines> OpenReadingFile(Dialogs& dialogs, QWidget* parent) {
    const std::optional<QString> chosen = ChooseReadingFileToOpen(dialogs, parent);
    if (!chosen) return std::nullopt;
    return ReadReadingFileAt(dialogs, parent, *chosen);
}

std::optional<ReadingFileLines> ReadingFileLinesAt(const QString& path) {
    return LoadReadingFile(QFile::encodeName(path).toStdString()).lines;
}

std::optional<ReadingFileLines> ReadReadingFileAt(Dialogs& dialogs, QWidget* parent,
                                                  const QString& path) {
    std::optional<ReadingFileLines> lines = ReadingFileLinesAt(path);
    if (!lines) {
        dialogs.showMessage(parent,
                            QString::fromUtf8(kCheckTheFileMessage.data(),
                                              static_cast<qsizetype>(kCheckTheFileMessage.size())),
                            ProgramTitle(), MessageIcon::Error);
    }
    return lines;
}

}  // namespace orbalis
