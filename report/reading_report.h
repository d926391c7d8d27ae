#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "charts/chart_geometry.h"
#include "dasha/dasha_date.h"
#include "dosha/kuja_dosha.h"
#include "model/birth_details.h"
#include "model/catalogue.h"
#include "model/chart_reading.h"
#include "model/positions_mode.h"
#include "reading/firmness.h"

class QPagedPaintDevice;

namespace orbalis {

// Everything the report of one reading shows.
struct ReportReading {
    BirthDetails birth;
    ChartReading reading;
    std::array<std::string, 12> chartBoxes;  // the birth chart's, as the results form shows them
    PositionsMode positions = PositionsMode::Classic;
    ChartStyle chartStyle = ChartStyle::South;
    // How firm the reading is around the birth time: its warnings go on the
    // first page.
    Firmness firmness;
    // The date the dasha's running periods are found for; this computer's
    // date today when not given.
    std::optional<dasha::DashaDate> today;
};

// The reading as an A4 document in the language of `words`. The first page
// answers the question: who, when and where (the zone and UTC offset used),
// a far-zone warning and the birth-time note, the Vedic details with the
// Moon's nakshatra and its own pada, the Manglik status with its reasons and
// notes, and the birth chart beside every position. The second holds every
// line of the results form's Kuja Dosha Interpretation frame, the Navamsa
// and the classical rows with the cancellations that hold and the closing
// line; the last the Vimshottari dasha: the balance at birth, the
// mahadashas, and the antardashas of the one running today and of the Mars
// mahadasha to come. Vector text, on any paged device: a PDF writer or a
// printer. Needs a QGuiApplication but no display; false when the device
// cannot be painted on.
bool PaintReadingReport(QPagedPaintDevice& device, const ReportReading& report,
                        const Catalogue& words);

// The same as a PDF with its fonts embedded; empty when it cannot be made.
QByteArray ReadingReportPdf(const ReportReading& report, const Catalogue& words = English());

// The file name a report is offered under: the person's name with ".pdf",
// "Reading.pdf" for a reading without one.
QString ReportFileName(const BirthDetails& birth);

}  // namespace orbalis
