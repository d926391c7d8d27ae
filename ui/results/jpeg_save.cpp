#include "ui/results/jpeg_save.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "reading/save_names.h"
#include "results/jpeg_name.h"
#include "ui/common/atomic_file.h"
#include "ui/common/dialogs.h"
#include "ui/common/save_flow.h"

namespace orbalis {
namespace {

constexpr int kJpegQuality = 100;

bool WriteJpeg(QIODevice& file, const QImage& picture) {
    QImageWriter writer(&file, "jpg");
    writer.setQuality(kJpegQuality);
    return writer.write(picture);
}

// The first free copy name for the chosen one (".jpg" in place of any
// extension, "_001" to "_999" when taken); a message and nothing when no
// name is free.
std::optional<QString> FreeJpegPath(Dialogs& dialogs, QWidget* parent, const QString& chosenPath) {
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
        return std::nullopt;
    }
    return QString::fromStdString(*path);
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
    SaveFlow flow;
    flow.request.filter =
        QCoreApplication::translate("Orbalis", "JPEG Image") + QStringLiteral(" (*.jpg)|*.jpg");
    flow.request.defaultExtension = QStringLiteral("jpg");
    const std::string suggested = SuggestedSaveName(personName.toStdString());
    if (!suggested.empty()) flow.request.initialName = QString::fromStdString(suggested + ".jpg");
    flow.pathFor = [&dialogs, form](const QString& chosen) {
        return FreeJpegPath(dialogs, form, chosen);
    };
    flow.write = [&picture](QIODevice& file) { return WriteJpeg(file, picture); };
    SaveWithDialog(dialogs, form, flow);
}

void SavePictureAsJpeg(Dialogs& dialogs, QWidget* parent, const QImage& picture,
                       const QString& chosenPath) {
    const std::optional<QString> path = FreeJpegPath(dialogs, parent, chosenPath);
    if (!path) return;
    QString reason;
    if (!WriteFileAtomically(
            *path, [&picture](QIODevice& file) { return WriteJpeg(file, picture); }, &reason))
        ShowSaveFailure(dialogs, parent, *path, reason);
}

}  // namespace orbalis
