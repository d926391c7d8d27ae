#pragma once

#include <QByteArray>
#include <QString>
#include <array>

#include "charts/chart_geometry.h"
#include "model/birth_details.h"
#include "model/catalogue.h"
#include "model/chart_reading.h"
#include "reading/match_sheet.h"

class QPagedPaintDevice;

namespace orbalis {

// One of a couple: the birth and the reading computed from it.
struct CouplePerson {
    BirthDetails birth;
    ChartReading reading;
};

// Everything a couple's report shows: both people, the groom first as in
// the sheet, and the match sheet composed once for them.
struct CoupleReport {
    std::array<CouplePerson, 2> people;
    MatchSheet sheet;
    ChartStyle chartStyle = ChartStyle::South;
};

// The couple as an A4 document in the language of `words`: both people's
// particulars, Moons and Manglik statuses side by side over their birth
// charts, the Ashtakoota with its total and the doshas, the ten poruthams,
// both readings' classical rows with the Manglik balance and its remedies
// where the dosha is not balanced, and the conclusion: every line of the
// match sheet. Vector text, on a PDF writer or a printer; needs a
// QGuiApplication but no display; false when the device cannot be painted on.
bool PaintCoupleReport(QPagedPaintDevice& device, const CoupleReport& report,
                       const Catalogue& words);

// The same as a PDF with its fonts embedded; empty when it cannot be made.
QByteArray CoupleReportPdf(const CoupleReport& report, const Catalogue& words = English());

// The file it is offered under, with both names: "Ravi Kumar and Priya -
// match.pdf".
QString CoupleReportFileName(const MatchSheet& sheet, const Catalogue& words = English());

}  // namespace orbalis
