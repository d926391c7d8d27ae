#include "ui/common/atomic_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "files/replacing_file.h"
#include "model/program_identity.h"
#include "model/text_utils.h"
#include "ui/common/dialogs.h"

namespace orbalis {
namespace {

// "the file is read-only" as a sentence of its own.
QString Sentence(const std::string& text) {
    QString sentence = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toUpper();
    return sentence + QLatin1Char('.');
}

}  // namespace

bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* reason) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        if (reason)
            *reason = QCoreApplication::translate("Orbalis", "The content could not be made.");
        return false;
    }
    return WriteFileAtomically(path, bytes, reason);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason) {
    std::string error;
    const QByteArray name = QFile::encodeName(path);
    if (ReplaceFile(std::string(name.constData(), static_cast<std::size_t>(name.size())),
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                    error))
        return true;
    if (reason) *reason = Sentence(error);
    return false;
}

void ShowSaveFailure(Dialogs& dialogs, QWidget* parent, const QString& path,
                     const QString& reason) {
    // A control character in the name is shown, not passed on.
    const QByteArray name = QDir::toNativeSeparators(path).toUtf8();
    QString text = QCoreApplication::translate("Orbalis", "Unable to save the file. ") +
                   QString::fromStdString(EscapedControls(
                       std::string_view(name.constData(), static_cast<std::size_t>(name.size()))));
    if (!reason.isEmpty()) text += QLatin1Char('\n') + reason;
    dialogs.showMessage(parent, text, QString::fromUtf8(kProgramTitle), MessageIcon::Error);
}

}  // namespace orbalis
