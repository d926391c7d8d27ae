#pragma once

#include <QString>

#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "model/chart_reading.h"
#include "reading/firmness.h"
#include "ui/common/report_window.h"

namespace orbalis {

// "Kuja Dosha &Details": the Manglik status of one reading with what it
// rests on, the classical house rule it is made from, one row per reference
// (Lagna, Moon, Venus), the explanation of every cancellation that holds,
// how this differs from the percentage on the results form, and for a
// Manglik status the remedies families traditionally name.
//
// Besides the controls of ReportWindow and the table of BuildClassicalTable
// ("tblClassical"): "lblTitle", "lblName", "lblMars", "lblManglikStatus",
// "lblManglikReasons" and "lblManglikNotes" (a line each),
// "lblCancellation_k" for the k-th rule that holds, "lblNote", and for a
// Manglik status "lblRemediesHeading", "lblRemediesSentence" and
// "lblRemedies"; after ShowFirmness also "lblMoonPada", "lblFirmnessTitle"
// and the table "tblFirmness".
class KujaDoshaDetailsWindow final : public ReportWindow {
    Q_OBJECT

  public:
    KujaDoshaDetailsWindow(Dialogs& dialogs, const ManglikAssessment& assessment,
                           const QString& name, QWidget* parent = nullptr);

    // Adds the Moon's own pada and how firm each answer of the reading is.
    void ShowFirmness(const ChartReading& reading, const Firmness& firmness);
};

}  // namespace orbalis
