#pragma once

#include <QByteArray>
#include <QString>

namespace orbalis {

// A titled text as an A4 PDF document: the title in bold, then the text in a
// fixed-width type so that its aligned columns stay aligned; long lines wrap
// and the text runs on over as many pages as it needs. The fonts are
// embedded and the text stays selectable. Needs a QGuiApplication, but no
// display. Empty when the document cannot be made.
QByteArray TitledTextPdf(const QString& title, const QString& text);

}  // namespace orbalis
