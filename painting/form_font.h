#pragma once

#include <QFont>

#include "painting/page.h"

namespace orbalis {

// The results windows are set in Verdana 8.25 pt; where Verdana is missing
// the system's sans serif stands in.
inline QFont FormFont(bool bold = false, qreal pointSize = 8.25) {
    return ReportFont(pointSize, bold);
}

}  // namespace orbalis
