#pragma once

#include <QString>

#include "dasha/vimshottari.h"
#include "model/positions_mode.h"
#include "ui/common/report_window.h"

class QTreeWidget;

namespace orbalis {

// "&Vimshottari Dasha": one reading's dasha seen from the user's date today:
// the balance at birth, the nine mahadashas with their dates and the age at
// each start, each opening to its antardashas and those to their
// pratyantardashas. The periods running today are highlighted at every
// level and open; Mars's (Kuja) periods and those over before the birth are
// marked. Copy as Text and Save As PDF give the mahadashas with their
// antardashas and the pratyantardashas of the antardasha running today.
//
// Besides the controls of ReportWindow: "lblTitle", "lblName",
// "lblNakshatra", "lblBalance", "lblToday", "lblKuja", the tree
// "tvwPeriods" (a column for each of kDashaColumnTitles), "lblDates" and
// "lblNote".
class DashaWindow final : public ReportWindow {
    Q_OBJECT

  public:
    DashaWindow(Dialogs& dialogs, const dasha::Vimshottari& dasha, dasha::DashaDate today,
                PositionsMode mode, bool builtInEphemeris, const QString& name,
                QWidget* parent = nullptr);

    // The positions the dasha's Moon was computed with.
    PositionsMode positionsMode() const { return mode_; }
    QTreeWidget* periods() const { return tvwPeriods_; }

  private:
    PositionsMode mode_;
    QTreeWidget* tvwPeriods_ = nullptr;
};

}  // namespace orbalis
