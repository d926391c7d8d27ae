#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

namespace orbalis {

// A titled text as a document: the title in bold, then the text in a
// fixed-width type so that its aligned columns stay aligned; long lines wrap
// and the text runs on over as many pages as it needs, on a PDF writer or a
// printer. Needs a QGuiApplication, but no display. False when the device
// cannot be painted on.
bool PaintTitledText(QPagedPaintDevice& device, const QString& title, const QString& text);

// The same as an A4 PDF, its fonts embedded and its text selectable; empty
// when the document cannot be made.
QByteArray TitledTextPdf(const QString& title, const QString& text);

}  // namespace orbalis
