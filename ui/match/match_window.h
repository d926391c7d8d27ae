#pragma once

#include <optional>
#include <string>

#include "matching/ashtakoota.h"
#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "reading/couple_match.h"
#include "reading/match_sheet.h"
#include "report/couple_report.h"
#include "ui/common/report_window.h"

class QPushButton;
class QRadioButton;

namespace orbalis {

// One of the two people of a match: the name shown (which may tell two
// readings of one name apart), the computed reading and the birth it is of.
struct MatchPerson {
    std::string name;
    ChartReading reading;
    BirthDetails birth;
};

// "&Match With a Saved Reading…": the marriage match of two readings, the
// match sheet (reading/match_sheet.h) laid out in labels and tables. Both
// Moons, the Ashtakoota with its total and band, the doshas and their
// exceptions, the ten poruthams, both readings' classical rows and Manglik
// statuses with the Manglik balance, and a short conclusion.
//
// Besides the controls of ReportWindow: "cmdSwap" turns bride and groom
// round; "optVashyaSymmetric" and "optVashyaAsymmetric" choose the vashya
// points, kept in the settings. On the sheet: "lblTitle", "lblGroom" and
// "lblBride" with their Moons, "lblSameBirth" when both readings are of one
// birth, "tblAshtakoota" (for koota k "lblKoota_k", "lblKootaGroom_k",
// "lblKootaBride_k", "lblKootaPoints_k"), "lblTotal", for dosha d
// "lblDosha_d", "tblPoruthams" (for porutham p "lblPorutham_p",
// "lblPoruthamResult_p", "lblPoruthamReason_p"), "lblPoruthamCount", for
// each person i (0 the groom) "lblParty_i", its table "tblClassical_i" and
// "lblStatus_i", then "lblConclusion", "lblNote" when the levels differ,
// "lblRemediesTitle" and "lblRemedies" when the dosha is not balanced, and
// "lblSummary". Print and Save As PDF give the couple's report
// (report/couple_report.h), offered as "Ravi Kumar and Priya - match.pdf".
class MatchWindow final : public ReportWindow {
    Q_OBJECT

  public:
    // `first` is the reading on screen, `second` the saved one.
    MatchWindow(Dialogs& dialogs, MatchPerson first, MatchPerson second, bool firstIsBride,
                matching::VashyaPoints table, QWidget* parent = nullptr);

    const CoupleMatch& match() const { return *match_; }
    const MatchSheet& matchSheet() const { return sheet_; }

  public slots:
    void cmdSwap_Click();
    void optVashya_Toggled();

  protected:
    // Print and Save As PDF give the couple's report.
    bool PaintDocument(QPagedPaintDevice& device) const override;
    QString DocumentTitle() const override;
    QString DocumentFileName() const override;

  private:
    void Fill();
    CoupleReport Report() const;

    MatchPerson people_[2];
    bool firstIsBride_;
    matching::VashyaPoints table_;
    std::optional<CoupleMatch> match_;
    MatchSheet sheet_;
    QWidget* content_ = nullptr;
    QPushButton* cmdSwap_ = nullptr;
    QRadioButton* optVashyaSymmetric_ = nullptr;
    QRadioButton* optVashyaAsymmetric_ = nullptr;
};

}  // namespace orbalis
