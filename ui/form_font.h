#pragma once

#include <QFont>

namespace orbalis {

// The results windows are set in Verdana 8.25 pt; where Verdana is missing
// the system's sans serif stands in.
inline QFont FormFont(bool bold = false, qreal pointSize = 8.25) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace orbalis
