#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "ui/common/dialogs.h"

class QIODevice;
class QWidget;

namespace orbalis {

// One save with a dialog, the same for every file the windows write:
//  1. ask for a name with `request` (the folder of the last file dialog
//     unless the request names one);
//  2. remember the chosen folder;
//  3. turn the chosen name into the path written (`pathFor`; the chosen one
//     itself without it) — a rule that gives nothing stops here, having said
//     why;
//  4. where that is another name that already exists, ask before replacing
//     it (the dialog asked for the chosen one), then tell `named` the path;
//  5. write the file whole or not at all (`write` fills it and says whether
//     it could);
//  6. report a failed write with its reason.
// A cancel at any step changes nothing.
struct SaveFlow {
    FileDialogRequest request;
    std::function<std::optional<QString>(const QString& chosen)> pathFor;
    std::function<void(const QString& path)> named;
    std::function<bool(QIODevice& file)> write;
};

// The path written, or nothing when the user cancelled or the save failed.
std::optional<QString> SaveWithDialog(Dialogs& dialogs, QWidget* parent, const SaveFlow& flow);

// "Save As PDF": the document `makeDocument` gives (made once a name is
// chosen; an empty one counts as a failed save), offering `suggestedName`.
void SavePdfWithDialog(Dialogs& dialogs, QWidget* parent, const QString& suggestedName,
                       const std::function<QByteArray()>& makeDocument);

}  // namespace orbalis
