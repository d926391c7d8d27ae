#include "ui/common/text_export_command.h"

#include <QCoreApplication>
#include <QIODevice>
#include "reading/save_names.h"
#include "reading/text_export.h"

#include "ui/common/save_flow.h"

namespace orbalis {

void ExportReadingAsText(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                         const ChartReading& reading, QString& lastFileName) {
    SaveFlow flow;
    flow.request.filter = QCoreApplication::translate("Orbalis", "Export Chart As Text") +
                          QStringLiteral(" (*.txt)|*.txt");
    flow.request.defaultExtension = QStringLiteral("txt");
    flow.request.title =
        QCoreApplication::translate("Orbalis", "Select the destination text file ");
    flow.request.initialName = QString::fromStdString(TextExportName(lastFileName.toStdString()));
    flow.request.overwritePrompt = true;
    flow.request.hideReadOnly = true;
    flow.request.pathMustExist = true;
    flow.request.noReadOnlyReturn = true;
    flow.pathFor = [](const QString& chosen) -> std::optional<QString> {
        return QString::fromStdString(TextExportName(chosen.toStdString()));
    };
    flow.named = [&lastFileName](const QString& path) { lastFileName = path; };
    const std::string text = TextExport(birth, reading);
    flow.write = [&text](QIODevice& file) {
        return file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    };
    SaveWithDialog(dialogs, parent, flow);
}

}  // namespace orbalis
