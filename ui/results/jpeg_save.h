#pragma once

#include <QString>

class QImage;
class QWidget;

namespace orbalis {

class Dialogs;

// "Save As &JPEG": pictures the form as it draws itself, asks for a name and
// writes the picture as a JPEG under the first free copy name; an existing
// file is never overwritten. The dialog offers the person's name.
void SaveFormAsJpeg(Dialogs& dialogs, QWidget* form, const QString& personName = QString());

// Writes the picture at the path derived from the chosen name (".jpg" in
// place of any extension, "_001" to "_999" when taken). Shows a message box
// when no free name remains or the write fails.
void SavePictureAsJpeg(Dialogs& dialogs, QWidget* parent, const QImage& picture,
                       const QString& chosenPath);

}  // namespace orbalis
