#pragma once

#include <QString>

namespace orbalis {

// Where the program's file dialogs open: the user's documents folder the
// first time, then the folder of the file last chosen in any of them. The
// folder is kept in the settings, so the next run starts there too.
QString FileDialogFolder();
void RememberFileDialogFolder(const QString& chosenFile);

}  // namespace orbalis
