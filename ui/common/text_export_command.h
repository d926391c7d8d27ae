#pragma once

#include <QString>

#include "model/birth_details.h"
#include "model/chart_reading.h"

class QWidget;

namespace orbalis {

class Dialogs;

// "&Export Chart As Text": asks for a text file and writes the reading on
// screen into it. The chosen name becomes lastFileName; a cancel changes
// nothing.
void ExportReadingAsText(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                         const ChartReading& reading, QString& lastFileName);

}  // namespace orbalis
