#include "ui/results/jpeg_save.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "ui/common/atomic_file.h"
#include "ui/common/dialogs.h"
#include "ui/common/file_dialog_folder.h"
#include "reading/save_names.h"
#include "results/jpeg_name.h"

namespace orbalis {
namespace {

constexpr int kJpegQuality = 100;

bool WriteJpeg(const QString& path, const QImage& picture, QString& reason) {
    return WriteFileAtomically(
        path,
        [&picture](QIODevice& device) {
            QImageWriter writer(&device, "jpg");
            writer.setQuality(kJpegQuality);
            return writer.write(picture);
        },
        &reason);
}

// The form as it draws itself, on its window colour where it leaves pixels
// transparent: a JPEG has no alpha, and bare transparency would turn black.
QImage FormPicture(QWidget* form) {
    const QPixmap grabbed = form->grab();
    QImage picture(grabbed.size(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(grabbed.devicePixelRatio());
    picture.fill(form->palette().color(QPalette::Window));
    {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, grabbed);
    }
    return picture;
}

}  // namespace

void SaveFormAsJpeg(Dialogs& dialogs, QWidget* form, const QString& personName) {
    // Taken before the dialog opens, so the dialog is not in the picture.
    const QImage picture = FormPicture(form);

    FileDialogRequest request;
    request.filter = QStringLiteral("JPEG Image (*.jpg)|*.jpg");
    request.defaultExtension = QStringLiteral("jpg");
    request.folder = FileDialogFolder();
    const std::string suggested = SuggestedSaveName(personName.toStdString());
    if (!suggested.empty()) request.initialName = QString::fromStdString(suggested + ".jpg");
    const std::optional<QString> chosen = dialogs.chooseSaveFile(form, request);
    if (!chosen || chosen->isEmpty()) return;
    RememberFileDialogFolder(*chosen);
    SavePictureAsJpeg(dialogs, form, picture, *chosen);
}

void SavePictureAsJpeg(Dialogs& dialogs, QWidget* parent, const QImage& picture,
                       const QString& chosenPath) {
    const PathParts parts = SplitPath(JpegBasePath(chosenPath.toStdString()));
    const std::string timestamp = TimestampText(true, LocalClockNow());
    const std::optional<std::string> path = UniqueJpegPath(
        parts.folder, parts.file,
        [](const std::string& candidate) {
            return QFileInfo::exists(QString::fromStdString(candidate));
        },
        QCoreApplication::applicationDirPath().toStdString(), timestamp);
    if (!path) {
        const std::string file = JpegFileName(parts.file, timestamp);
        dialogs.showMessage(parent, QString::fromStdString(TooManyCopiesText(file)),
                            QString::fromStdString(TooManyCopiesTitle(file)), MessageIcon::Error);
        return;
    }
    const QString jpegPath = QString::fromStdString(*path);
    QString reason;
    if (!WriteJpeg(jpegPath, picture, reason)) ShowSaveFailure(dialogs, parent, jpegPath, reason);
}

}  // namespace orbalis
