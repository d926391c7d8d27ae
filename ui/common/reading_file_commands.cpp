#include "ui/common/reading_file_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>

#include "model/program_identity.h"
#include "reading/save_names.h"
#include "ui/common/dialogs.h"
#include "ui/common/file_dialog_folder.h"
#include "ui/common/save_flow.h"
#include "ui/common/window_language.h"

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
    SaveFlow flow;
    flow.request.filter = kReadingFileFilter;
    flow.request.defaultExtension = kReadingFileExtension;
    flow.request.title = ProgramTitle();
    // Before any file name is known, the person's name is offered.
    const std::string known = lastFileName.toStdString();
    flow.request.initialName = QString::fromStdString(
        ReadingFileName(known.empty() ? SuggestedSaveName(birth.name) : known));
    flow.request.overwritePrompt = true;
    flow.request.pathMustExist = true;
    flow.request.noReadOnlyReturn = true;
    flow.pathFor = [](const QString& chosen) -> std::optional<QString> {
        return QString::fromStdString(ReadingFileName(chosen.toStdString()));
    };
    // The name is remembered once chosen, even when the write then fails.
    flow.named = [&lastFileName](const QString& path) { lastFileName = path; };
    const std::string bytes = EncodeReadingFile(birth);
    flow.write = [&bytes](QIODevice& file) {
        return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
    };
    SaveWithDialog(dialogs, parent, flow);
}

std::optional<QString> ChooseReadingFileToOpen(Dialogs& dialogs, QWidget* parent) {
    FileDialogRequest request;
    request.filter = kReadingFileFilter;
    request.defaultExtension = kReadingFileExtension;
    request.title = QCoreApplication::translate("Orbalis", "Select the source file");
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
        dialogs.showMessage(parent, WindowText(kCheckTheFileMessage), ProgramTitle(),
                            MessageIcon::Error);
    }
    return lines;
}

}  // namespace orbalis
