#pragma once

#include <QMainWindow>
#include <functional>
#include <vector>

#include "reading/input_rules.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QCompleter;
class QLabel;
class QMenu;
class QModelIndex;
class QStandardItemModel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orbalis {

class Dialogs;
class FilteredLineEdit;
struct Place;

// The birth-details window: collects the birth data of one person, checks
// it, and asks for a reading. It is hidden, not closed, while a reading is
// shown, so its entries survive for the next one.
//
// Each option pair is two radio buttons in a button group named after the
// pair: optLat holds optLat_0 "North" (id 0) and optLat_1 "South" (id 1);
// optLong holds optLong_0 "East" (id 0) and optLong_1 "West" (id 1).
class BirthDetailsWindow final : public QMainWindow {
    Q_OBJECT

  public:
    explicit BirthDetailsWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    FormEntries entries() const;
    // Puts entries into the controls (a reading read from a file); the
    // availability of the picture writer is not an entry and is ignored.
    void setEntries(const FormEntries& entries);

    // Checks the entries rule by rule; on the first broken rule shows its
    // message, moves the focus and returns false.
    bool ValidateInput();

    // Replaces the check for Qt's JPEG writer (tests simulate its absence).
    void setImageWriterCheck(std::function<bool()> check);

  signals:
    void readingRequested();
    void openRequested();
    void exitRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
    void SetTabOrder();
    void SetFormDefaults();

    void cmdCalculate_Click();
    void cmdOpen_Click();
    void FindLatitudeAndLongitude_Click();
    void mnuCalculate_Click();
    void mnuExit_Click();
    void mnuGuide_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();

    // The place finder: typing in txtCity offers places; choosing one fills the
    // place, its coordinates, and the zone row and daylight saving for the
    // entered date and time, which follow the date and time while the place
    // stands. A box the user then edits keeps the user's value; editing the
    // place or its coordinates forgets the place.
    void txtCity_TextEdited(const QString& text);
    void placeCompleter_Activated(const QModelIndex& index);
    void PlaceBox_Edited();
    void DateOrTime_Changed();
    void cboTimeZone_Activated();
    void chkDST_Clicked();
    void ChoosePlace(const Place& place);
    // The warning line of a zone row far from the longitude's solar time.
    void CheckZoneDistance();
    void ApplyPlaceClock();
    void ForgetPlace();

    // The key filters: a refused character gets the box's message.
    void LetterBox_CharacterRefused(FilteredLineEdit& box);
    void NumberBox_CharacterRefused();

    void ShowMessage(const QString& text, MessageIcon icon);
    QWidget* FocusTarget(FormField field) const;

    Dialogs& dialogs_;
    std::function<bool()> imageWriterAvailable_;

    FilteredLineEdit* txtName = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHour = nullptr;
    QComboBox* cboMinute = nullptr;
    QComboBox* cboTimeZone = nullptr;
    FilteredLineEdit* txtLatDeg = nullptr;
    FilteredLineEdit* txtLatMin = nullptr;
    FilteredLineEdit* txtLonDeg = nullptr;
    FilteredLineEdit* txtLonMin = nullptr;
    FilteredLineEdit* txtCity = nullptr;
    FilteredLineEdit* txtState = nullptr;
    FilteredLineEdit* txtCountry = nullptr;
    QButtonGroup* optLat = nullptr;
    QRadioButton* optLatNorth = nullptr;
    QRadioButton* optLatSouth = nullptr;
    QButtonGroup* optLong = nullptr;
    QRadioButton* optLongEast = nullptr;
    QRadioButton* optLongWest = nullptr;
    QCheckBox* chkDST = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdFindPlace = nullptr;
    QLabel* lblZoneFound = nullptr;
    QLabel* lblFarZone = nullptr;
    QCompleter* placeCompleter = nullptr;
    QStandardItemModel* offeredPlaceLabels_ = nullptr;
    std::vector<const Place*> offeredPlaces_;
    const Place* chosenPlace_ = nullptr;
    bool zoneRowByHand_ = false;
    bool daylightSavingByHand_ = false;

    QMenu* mnuFile = nullptr;
    QAction* mnuCalculate = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuGuide = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
};

}  // namespace orbalis
