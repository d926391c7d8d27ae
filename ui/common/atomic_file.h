#pragma once

#include <QString>
#include <functional>

class QIODevice;
class QWidget;

namespace orbalis {

class Dialogs;

// Writes a file so that it is either complete or not there at all, by the
// program's one file replacement (files/replacing_file.h): the old file of
// that name stays untouched until the new one is whole on the disk. `write`
// fills the device and reports whether it succeeded. A missing folder and an
// existing read-only target are refused before anything is written; false
// whenever the file was not written whole, with `reason` (when given) saying
// why in a sentence: "The file is read-only."
bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* reason = nullptr);
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// "Unable to save the file. <path>", and the reason on a second line, error
// icon, program title.
void ShowSaveFailure(Dialogs& dialogs, QWidget* parent, const QString& path,
                     const QString& reason = QString());

}  // namespace orbalis
