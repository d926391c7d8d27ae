#pragma once

#include <QFont>
#include <QString>

class QPdfWriter;

namespace orbalis {

// Every PDF the program writes: A4 portrait, 15 mm margins, the title in the
// document's properties, the program as its creator.
void SetUpA4(QPdfWriter& writer, const QString& title);

// The type of the program's documents: Verdana where it is installed, else
// DejaVu Sans, else the system's sans serif, as on the results form; the
// Devanagari and Tamil faces stand in for the letters it lacks.
QFont ReportFont(qreal pointSize, bool bold = false);

}  // namespace orbalis
