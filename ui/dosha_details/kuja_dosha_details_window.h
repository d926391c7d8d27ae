#pragma once

#include <QString>

#include "dosha/classical_kuja_dosha.h"
#include "ui/common/report_window.h"
#include "model/chart_reading.h"
#include "reading/firmness.h"

namespace orbalis {

// "Kuja Dosha &Details": the classical house rule for one reading, one row
// per reference (Lagna, Moon, Venus), the explanation of every cancellation
// that holds, and how this differs from the percentage on the results form.
//
// Besides the controls of ReportWindow and the table of BuildClassicalTable
// ("tblClassical"): "lblTitle", "lblName", "lblMars", "lblCancellation_k"
// for the k-th rule that holds, and "lblNote"; after ShowFirmness also
// "lblMoonPada", "lblFirmnessTitle" and the table "tblFirmness".
class KujaDoshaDetailsWindow final : public ReportWindow {
    Q_OBJECT

  public:
    KujaDoshaDetailsWindow(Dialogs& dialogs, const ClassicalKujaDosha& analysis, const QString& name,
                        QWidget* parent = nullptr);

    // Adds the Moon's own pada and how firm each answer of the reading is.
    void ShowFirmness(const ChartReading& reading, const Firmness& firmness);
};

}  // namespace orbalis
