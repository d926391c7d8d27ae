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
#include "model/chart_reading.h"
#include "model/positions_mode.h"
#include "reading/firmness.h"

namespace orbalis {

// Everything the report of one reading shows.
struct ReportReading {
    BirthDetails birth;
    ChartReading reading;
    std::array<std::string, 12> chartBoxes;  // the birth chart's, as the results form shows them
    KujaDoshaLines fromLagna;
    KujaDoshaLines fromMoon;
    PositionsMode positions = PositionsMode::Classic;
    ChartStyle chartStyle = ChartStyle::South;
    // How firm the reading is around the birth time: its warnings go on the
    // first page.
    Firmness firmness;
    // The date the dasha's running periods are found for; this computer's
    // date today when not given.
    std::optional<dasha::DashaDate> today;
};

// The reading as an A4 PDF: a heading and how the positions were computed,
// the personal details with the zone and UTC offset used and the
// hemispheres, a far-zone warning and the birth-time warnings, the Manglik
// status with its reasons and notes, every position with its retrograde
// mark, the Vedic details, the birth chart and the Navamsa in the chosen
// style, the form's Kuja dosha lines under their caption and note, and the
// classical rows with the cancellations that hold; then on a page of its
// own the Vimshottari dasha: the balance at birth, the mahadashas, and the
// antardashas of the one running today and of the Mars mahadasha to come.
// Vector text
// with embedded fonts. Needs a QGuiApplication but no display; empty when the
// document cannot be made.
QByteArray ReadingReportPdf(const ReportReading& report);

// The file name a report is offered under: the person's name with ".pdf",
// "Reading.pdf" for a reading without one.
QString ReportFileName(const BirthDetails& birth);

}  // namespace orbalis
