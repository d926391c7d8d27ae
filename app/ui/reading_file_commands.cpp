#include "app/ui/reading_file_commands.h"

#include <QFile>

#include "app/program_identity.h"
#include "app/ui/atomic_file.h"
#include "app/ui/dialogs.h"

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
    request.initialName = lastFileName;
    request.overwritePrompt = true;
    request.pathMustExist = true;
    request.noReadOnlyReturn = true;
    const std::optional<QString> chosen = dialogs.chooseSaveFile(parent, request);
    if (!chosen) return;

    lastFileName = *chosen;
    const std::string bytes = EncodeReadingFile(birth);
    if (!WriteFileAtomically(*chosen,
                             QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))) {
        ShowSaveFailure(dialogs, parent, *chosen);
    }
}

std::optional<ReadingFileLines> OpenReadingFile(Dialogs& dialogs, QWidget* parent) {
    FileDialogRequest request;
    request.filter = kReadingFileFilter;
    request.defaultExtension = kReadingFileExtension;
    request.title = QStringLiteral("Select the source file");
    request.fileMustExist = true;
    const std::optional<QString> chosen = dialogs.chooseOpenFile(parent, request);
    if (!chosen) return std::nullopt;

    if (!HasReadingFileExtension(chosen->toStdString())) {
        dialogs.showMessage(parent, QStringLiteral("Please Check The File."), ProgramTitle(),
                            MessageIcon::Error);
        return std::nullopt;
    }

    // Only the head of the file matters; whatever else it holds is never read.
    QByteArray bytes;
    QFile file(*chosen);
    if (file.open(QIODevice::ReadOnly)) bytes = file.read(kReadingFileByteLimit);
    return DecodeReadingFile(std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace orbalis
