#pragma once

#include "dosha/manglik_match.h"
#include "dosha/ui/report_window.h"

namespace orbalis {

// "&Match With a Saved Reading…": both readings' classical rows and the
// traditional conclusion.
//
// Besides the controls of ReportWindow: "lblTitle", for each reading i (0 the
// reading on screen, 1 the saved one) "lblParty_i" and its table
// "tblClassical_i", then "lblConclusion" and "lblReason".
class frmManglikMatch final : public ReportWindow {
    Q_OBJECT

  public:
    frmManglikMatch(Dialogs& dialogs, const MatchParty& first, const MatchParty& second,
                    QWidget* parent = nullptr);
};

}  // namespace orbalis
