#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace orbalis {

class Dialogs;

// The name a save command writes under once its own rule has adjusted the
// chosen one (save_names.h). The dialog asked before replacing the chosen
// file; when the rule gave another name that exists, the same question is
// asked for it here. Nothing when the user answers No.
std::optional<QString> ConfirmSaveName(Dialogs& dialogs, QWidget* parent, const QString& chosen,
                                       const QString& written);

}  // namespace orbalis
