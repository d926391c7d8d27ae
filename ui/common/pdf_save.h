#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace orbalis {

class Dialogs;

// "Save As PDF": asks for a name (offering `suggestedName` in the folder of
// the last file dialog), makes the document and writes it whole or not at
// all; a failed write or a document that could not be made says so as every
// other save does. Nothing happens when the user cancels.
void SavePdfWithDialog(Dialogs& dialogs, QWidget* parent, const QString& suggestedName,
                       const std::function<QByteArray()>& makeDocument);

}  // namespace orbalis
