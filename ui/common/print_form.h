#pragma once

#include <QRect>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace orbalis {

class Dialogs;

// Draws `form` into `page` as large as it fits with its proportions kept,
// centred across the page and at its top. Returns the rect it covered.
QRect PaintFormFitted(QWidget& form, QPainter& painter, const QRect& page);

// Prints `form` on one page of `printer`. False when the printer cannot be
// opened; the caller reports nothing either way.
bool PrintForm(QWidget& form, QPrinter& printer);

// A window's Print: the printer dialog (no printing to a file, no page range),
// then `form` on one page. A cancel does nothing; a printer that cannot be
// opened gives "No printer is available.".
void PrintWithDialog(Dialogs& dialogs, QWidget* parent, QWidget& form);

// The same for any document: the printer dialog, then `print` on the printer
// chosen; false from it means the printer could not be opened.
void PrintWithDialog(Dialogs& dialogs, QWidget* parent,
                     const std::function<bool(QPrinter&)>& print);

}  // namespace orbalis
