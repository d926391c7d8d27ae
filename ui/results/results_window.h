#pragma once

#include <QList>
#include <QMainWindow>
#include <string_view>

#include "model/birth_details.h"
#include "model/positions_mode.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace orbalis {

class Dialogs;
class ResultsForm;

// The results main window around one results form: menus, the toolbar TB,
// the heading bar, the workspace and the bottom bar of three buttons.
//
// It owns no reading workflow. Leaving the window (Back, New, Exit), opening
// a reading file (as the birth-details window's Open does), saving,
// exporting, the PDF report, the match, the Kuja dosha details and the dasha
// are announced as signals for the application to carry out; whoever answers
// Back or New should delete the window with deleteLater().
// Closing the window from its title bar counts as Exit.
//
// Controls carry their names as objectName; toolbar buttons are "TB_" and
// their key ("TB_Print").
class ResultsWindow final : public QMainWindow {
    Q_OBJECT

  public:
    ResultsWindow(Dialogs& dialogs, const BirthDetails& birth, QWidget* parent = nullptr);

    ResultsForm* display() const { return display_; }

    // The restored window's client area, 9090 x 5985 twips.
    static QSize restoredSize();

    // Checks the mode's item of the "Positions" group and names the mode on
    // the results form; chooses nothing.
    void SetPositionsMode(PositionsMode mode);
    // The mode whose item is checked.
    PositionsMode positionsMode() const;

  signals:
    void backRequested();
    void newRequested();
    void openRequested();
    void exitRequested();
    void saveRequested();
    void exportRequested();
    void saveJpegRequested();
    void savePdfRequested();
    void matchRequested();
    void detailsRequested();
    void dashaRequested();
    // The user picked an item of the "Positions" group.
    void positionsModeChosen(orbalis::PositionsMode mode);

  public slots:
    void TB_ButtonClick(const QString& key);
    void cmdSaveAsJPEG_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSaveAsText_Click();
    void mnuSaveAsJpeg_Click();
    void mnuSaveAsPdf_Click();
    void mnuExport_Click();
    void mnuMatch_Click();
    void mnuPrint_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void mnuToolBar_Click();
    void mnuStatusBar_Click();
    void mnuNorth_Click();
    void mnuSouth_Click();
    void mnuNatal_Click();
    void mnuColorOn_Click();
    void mnuColorOff_Click();
    void mnuChart_Click();
    void mnuSub_Hora_Click();
    void mnuSub_Drekkana_Click();
    void mnuSub_Sapthamsa_Click();
    void mnuSub_Navamsa_Click();
    void mnuSub_Dasamsa_Click();
    void mnuSub_Dwadasamsa_Click();
    void mnuKujaDoshaDetails_Click();
    void mnuDasha_Click();
    void mnuGuide_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuPositionsClassic_Click();
    void mnuPositionsPrecise_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetMenuDefaults();
    void PlaceBarContents();
    void BuildMenus();
    void BuildToolBar();
    QWidget* BuildHeadingBar();
    QWidget* BuildBottomBar();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption);
    void AddSeparator(QMenu* menu, const char* name);
    void Leave();
    void CheckOnly(const QList<QAction*>& group, QAction* chosen);
    void ChooseChart(QAction* chosen);
    void ChooseStyle(QAction* chosen);
    void OpenAddress(std::string_view address);

    Dialogs& dialogs_;
    ResultsForm* display_ = nullptr;
    QToolBar* TB_ = nullptr;
    QWidget* picTop_ = nullptr;
    QLabel* lblHeading_ = nullptr;
    QScrollArea* workspace_ = nullptr;
    QWidget* Picture1_ = nullptr;
    QPushButton* cmdSaveAsJPEG_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdExit_ = nullptr;

    QAction* mnuToolBar_ = nullptr;
    QAction* mnuStatusBar_ = nullptr;
    QAction* mnuNorth_ = nullptr;
    QAction* mnuSouth_ = nullptr;
    QAction* mnuNatal_ = nullptr;
    QAction* mnuColorOn_ = nullptr;
    QAction* mnuColorOff_ = nullptr;
    QAction* mnuChart_ = nullptr;
    QAction* mnuSub_Hora_ = nullptr;
    QAction* mnuSub_Drekkana_ = nullptr;
    QAction* mnuSub_Sapthamsa_ = nullptr;
    QAction* mnuSub_Navamsa_ = nullptr;
    QAction* mnuSub_Dasamsa_ = nullptr;
    QAction* mnuSub_Dwadasamsa_ = nullptr;
    QAction* mnuPositionsClassic_ = nullptr;
    QAction* mnuPositionsPrecise_ = nullptr;

    // Set once Back, New or Exit has been announced, so that the close that
    // follows is not taken for a second request.
    bool leaving_ = false;
};

}  // namespace orbalis
