#include "ui/common/save_target.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "model/program_identity.h"
#include "ui/common/dialogs.h"

namespace orbalis {

std::optional<QString> ConfirmSaveName(Dialogs& dialogs, QWidget* parent, const QString& chosen,
                                       const QString& written) {
    if (written == chosen || !QFileInfo::exists(written)) return written;
    const QString question =
        QCoreApplication::translate("Orbalis", "%1 already exists.\nDo you want to replace it?")
            .arg(QDir::toNativeSeparators(written));
    if (!dialogs.askYesNo(parent, question, QString::fromUtf8(kProgramTitle))) return std::nullopt;
    return written;
}

}  // namespace orbalis
