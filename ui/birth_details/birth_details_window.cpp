#include "ui/birth_details/birth_details_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QUrl>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "clock/place_clock.h"
#include "clock/place_clock_text.h"
#include "clock/zone_row_choice.h"
#include "model/catalogue.h"
#include "model/month_names.h"
#include "model/program_identity.h"
#include "model/reference_tables.h"
#include "places/place_form_boxes.h"
#include "places/place_search.h"
#include "reading/far_zone.h"
#include "ui/birth_details/filtered_line_edit.h"
#include "ui/birth_details/image_writer_check.h"
#include "ui/birth_details/number_list.h"
#include "ui/common/about_box.h"
#include "ui/common/dialogs.h"
#include "ui/common/guide_window.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_language.h"

namespace orbalis {
namespace {

constexpr int kLastHour = 24;  // 24:mm is offered and read as 0:mm of the next day
constexpr std::size_t kOfferedPlaces = 12;

// The line under the town while no town has been looked up.
QString PlaceLineAtRest() {
    return PlaceFinderAvailable()
               ? QString()
               : QCoreApplication::translate("Orbalis",
                                             "The place finder is not available: please enter "
                                             "the place and its time zone yourself.");
}
constexpr int kPlaceRole = Qt::UserRole + 1;  // row of offeredPlaces_

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Caption(const QString& text, const char* name, QWidget* parent) {
    return Named(new QLabel(text, parent), name);
}

QLabel* Explanation(const QString& text, const char* name, QWidget* parent) {
    QLabel* label = Caption(text, name, parent);
    label->setWordWrap(true);
    return label;
}

template <typename List = QComboBox>
List* SelectionList(const char* name, QWidget* parent) {
    auto* list = Named(new List(parent), name);
    list->setEditable(false);  // only the listed entries are valid
    list->setMaxVisibleItems(16);
    return list;
}

void FillNumbers(QComboBox& list, int first, int last) {
    for (int value = first; value <= last; ++value) list.addItem(QString::number(value));
}

// Selects the entry with this number's text; an unlisted number leaves the
// selection as it was, since only listed entries are valid.
void SelectNumber(QComboBox& list, int value) {
    const int index = list.findText(QString::number(value));
    if (index >= 0) list.setCurrentIndex(index);
}

void SelectIndex(QComboBox& list, int index) {
    if (index >= 0 && index < list.count()) list.setCurrentIndex(index);
}

// Checks the first, the second or (both false) neither button of a pair.
void SetPair(QButtonGroup& pair, QRadioButton& first, QRadioButton& second, bool firstChecked,
             bool secondChecked) {
    pair.setExclusive(false);
    first.setChecked(firstChecked);
    second.setChecked(secondChecked && !firstChecked);
    pair.setExclusive(true);
}

}  // namespace

BirthDetailsWindow::BirthDetailsWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), imageWriterAvailable_(JpegWriterAvailable) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QtText(kWindowCaption));
    CreateControls();
    CreateMenus();
    SetTabOrder();
    SetFormDefaults();
}

void BirthDetailsWindow::CreateControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);
    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(18, 14, 18, 14);
    page->setSpacing(12);

    // What the program tells: one explanation after the other.
    auto* intro = Named(new QFrame(central), "fraIntro");
    intro->setFrameShape(QFrame::StyledPanel);
    auto* introLayout = new QVBoxLayout(intro);
    introLayout->setSpacing(6);
    QLabel* lblIntro = Explanation(
        tr("Orbalis displays if a person suffers from  problems created by planet Mars. Kuja Dosha "
           "or Manglik is also known as Mars Dosha, Mangal Dosha, Manglik Dosha, Mangalik Dosha, "
           "or "
           "Bhom Dosha."),
        "lblIntro", intro);
    QFont emphasis = lblIntro->font();
    emphasis.setBold(true);
    lblIntro->setFont(emphasis);
    introLayout->addWidget(lblIntro);
    introLayout->addWidget(Explanation(
        tr("One can be Manglik by Lagna (Ascendant) chart or by Chandra (Moon) chart or by both."),
        "lblLagnaChandra", intro));
    introLayout->addWidget(
        Explanation(tr("This can lead to a lot of delays, frustrations, obstacles and problems in "
                       "life. Knowing "
                       "if you are a Manglik or not helps find remedies to these problems."),
                    "lblRemedies", intro));
    page->addWidget(intro);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    page->addLayout(columns);

    // Person, date and time of birth.
    auto* fraBirth = Named(new QFrame(central), "fraBirth");
    fraBirth->setFrameShape(QFrame::StyledPanel);
    auto* birth = new QGridLayout(fraBirth);
    birth->setHorizontalSpacing(8);
    birth->setVerticalSpacing(10);
    txtName = Named(new FilteredLineEdit(CharacterRule::Letters, fraBirth), "txtName");
    cboDate = SelectionList<NumberList>("cboDate", fraBirth);
    cboMonth = SelectionList("cboMonth", fraBirth);
    cboYear = SelectionList<NumberList>("cboYear", fraBirth);
    cboHour = SelectionList<NumberList>("cboHour", fraBirth);
    cboMinute = SelectionList<NumberList>("cboMinute", fraBirth);
    cboTimeZone = SelectionList("cboTimeZone", fraBirth);
    chkDST = Named(new QCheckBox(tr("Daylight Saving Time"), fraBirth), "chkDST");
    birth->addWidget(Caption(tr("Name"), "lblName", fraBirth), 0, 0);
    birth->addWidget(txtName, 0, 1, 1, 3);
    // The lists of a date or a time keep their natural widths, side by side.
    auto* date = new QHBoxLayout;
    date->addWidget(cboDate);
    date->addWidget(cboMonth);
    date->addWidget(cboYear);
    date->addStretch(1);
    auto* time = new QHBoxLayout;
    time->addWidget(cboHour);
    time->addWidget(cboMinute);
    time->addStretch(1);
    birth->addWidget(Caption(tr("Date of Birth"), "lblDateOfBirth", fraBirth), 1, 0);
    birth->addLayout(date, 1, 1, 1, 3);
    birth->addWidget(Caption(tr("Time of Birth"), "lblTimeOfBirth", fraBirth), 2, 0);
    birth->addLayout(time, 2, 1, 1, 3);
    birth->addWidget(Caption(tr("Time Zone"), "lblTimeZone", fraBirth), 3, 0);
    birth->addWidget(cboTimeZone, 3, 1, 1, 3);
    birth->addWidget(chkDST, 4, 1, 1, 3);
    lblZoneFound = Named(new QLabel(fraBirth), "lblZoneFound");
    lblZoneFound->setWordWrap(true);
    lblZoneFound->setTextFormat(Qt::PlainText);
    lblZoneFound->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest finding (a time that never happened) without the
    // window changing its size under the user.
    lblZoneFound->setMinimumHeight(lblZoneFound->fontMetrics().lineSpacing() * 4);
    birth->addWidget(lblZoneFound, 5, 0, 1, 4);
    lblFarZone = Named(new QLabel(fraBirth), "lblFarZone");
    lblFarZone->setWordWrap(true);
    lblFarZone->setTextFormat(Qt::PlainText);
    QPalette warning = lblFarZone->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblFarZone->setPalette(warning);
    lblFarZone->hide();
    birth->addWidget(lblFarZone, 6, 0, 1, 4);
    birth->setRowStretch(7, 1);
    birth->setColumnStretch(3, 1);
    columns->addWidget(fraBirth, 1);

    // Place of birth: coordinates with their directions, then the place names.
    auto* fraPlace = Named(new QFrame(central), "fraPlace");
    fraPlace->setFrameShape(QFrame::StyledPanel);
    auto* place = new QGridLayout(fraPlace);
    place->setHorizontalSpacing(8);
    place->setVerticalSpacing(10);
    auto digitBox = [fraPlace](const char* name) {
        auto* box = Named(new FilteredLineEdit(CharacterRule::Digits, fraPlace), name);
        box->setMaxLength(kNumberBoxLength);
        box->setAlignment(Qt::AlignRight);
        const int digitsWidth = box->fontMetrics().horizontalAdvance(QStringLiteral("0000"));
        box->setFixedWidth(digitsWidth + 16);
        return box;
    };
    txtLatDeg = digitBox("txtLatDeg");
    txtLatMin = digitBox("txtLatMin");
    txtLonDeg = digitBox("txtLonDeg");
    txtLonMin = digitBox("txtLonMin");
    txtCity = Named(new FilteredLineEdit(CharacterRule::Letters, fraPlace), "txtCity");
    txtState = Named(new FilteredLineEdit(CharacterRule::Letters, fraPlace), "txtState");
    txtCountry = Named(new FilteredLineEdit(CharacterRule::Letters, fraPlace), "txtCountry");
    optLatNorth = Named(new QRadioButton(tr("North"), fraPlace), "optLat_0");
    optLatSouth = Named(new QRadioButton(tr("South"), fraPlace), "optLat_1");
    optLongEast = Named(new QRadioButton(tr("East"), fraPlace), "optLong_0");
    optLongWest = Named(new QRadioButton(tr("West"), fraPlace), "optLong_1");
    optLat = Named(new QButtonGroup(this), "optLat");
    optLat->addButton(optLatNorth, 0);
    optLat->addButton(optLatSouth, 1);
    optLong = Named(new QButtonGroup(this), "optLong");
    optLong->addButton(optLongEast, 0);
    optLong->addButton(optLongWest, 1);
    cmdFindPlace = Named(new QPushButton(tr("Click here to find Latitude && Longitude"), fraPlace),
                         "Command1");

    place->addWidget(Caption(tr("Latitude"), "lblLatitude", fraPlace), 0, 0);
    place->addWidget(txtLatDeg, 0, 1);
    place->addWidget(txtLatMin, 0, 2);
    place->addWidget(Caption(tr("DEG/MIN"), "lblLatDegMin", fraPlace), 0, 3);
    place->addWidget(optLatNorth, 0, 4);
    place->addWidget(optLatSouth, 0, 5);
    place->addWidget(Caption(tr("Longitude"), "lblLongitude", fraPlace), 1, 0);
    place->addWidget(txtLonDeg, 1, 1);
    place->addWidget(txtLonMin, 1, 2);
    place->addWidget(Caption(tr("DEG/MIN"), "lblLonDegMin", fraPlace), 1, 3);
    place->addWidget(optLongEast, 1, 4);
    place->addWidget(optLongWest, 1, 5);
    place->addWidget(Caption(tr("City"), "lblCity", fraPlace), 2, 0);
    place->addWidget(txtCity, 2, 1, 1, 5);
    place->addWidget(Caption(tr("State"), "lblState", fraPlace), 3, 0);
    place->addWidget(txtState, 3, 1, 1, 5);
    place->addWidget(Caption(tr("Country"), "lblCountry", fraPlace), 4, 0);
    place->addWidget(txtCountry, 4, 1, 1, 5);
    place->addWidget(cmdFindPlace, 5, 1, 1, 5, Qt::AlignRight);
    place->setColumnStretch(5, 1);
    columns->addWidget(fraPlace, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdCalculate =
        Named(new QPushButton(tr("&Get My Kuja Dosha Reading"), central), "cmdCalculate");
    cmdCalculate->setDefault(true);
    cmdOpen = Named(new QPushButton(tr("&Open Previously Saved Reading"), central), "cmdOpen");
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOpen);
    page->addLayout(buttons);
    page->addStretch(1);

    for (FilteredLineEdit* box : {txtName, txtCity, txtState, txtCountry}) {
        box->setMaxLength(kLetterBoxLength);
        connect(box, &FilteredLineEdit::characterRefused, this,
                [this, box] { LetterBox_CharacterRefused(*box); });
    }
    for (FilteredLineEdit* box : {txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        connect(box, &FilteredLineEdit::characterRefused, this,
                &BirthDetailsWindow::NumberBox_CharacterRefused);
    }
    // The completer is only attached to txtCity, not installed in it: the box
    // then never takes a label's commas, and the places offered are the
    // finder's own, unfiltered.
    offeredPlaceLabels_ = new QStandardItemModel(this);
    placeCompleter = Named(new QCompleter(offeredPlaceLabels_, this), "placeCompleter");
    placeCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeCompleter->setMaxVisibleItems(static_cast<int>(kOfferedPlaces));
    placeCompleter->setWidget(txtCity);
    // Seen before the completer's own filter, which would hand Return and
    // Escape to txtCity, whose letter rule refuses them with its message.
    placeCompleter->popup()->installEventFilter(this);
    connect(txtCity, &QLineEdit::textEdited, this, &BirthDetailsWindow::txtCity_TextEdited);
    connect(placeCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &BirthDetailsWindow::placeCompleter_Activated);
    for (FilteredLineEdit* box :
         {txtState, txtCountry, txtLatDeg, txtLatMin, txtLonDeg, txtLonMin}) {
        connect(box, &QLineEdit::textEdited, this, &BirthDetailsWindow::PlaceBox_Edited);
    }
    for (QButtonGroup* pair : {optLat, optLong}) {
        connect(pair, &QButtonGroup::buttonClicked, this, &BirthDetailsWindow::PlaceBox_Edited);
    }
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute}) {
        connect(list, &QComboBox::currentIndexChanged, this,
                &BirthDetailsWindow::DateOrTime_Changed);
    }
    connect(cboTimeZone, &QComboBox::activated, this, &BirthDetailsWindow::cboTimeZone_Activated);
    connect(cboTimeZone, &QComboBox::currentIndexChanged, this,
            &BirthDetailsWindow::CheckZoneDistance);
    for (FilteredLineEdit* box : {txtLonDeg, txtLonMin})
        connect(box, &QLineEdit::textChanged, this, &BirthDetailsWindow::CheckZoneDistance);
    connect(optLong, &QButtonGroup::idToggled, this, &BirthDetailsWindow::CheckZoneDistance);
    connect(chkDST, &QCheckBox::clicked, this, &BirthDetailsWindow::chkDST_Clicked);

    connect(cmdCalculate, &QPushButton::clicked, this, &BirthDetailsWindow::cmdCalculate_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &BirthDetailsWindow::cmdOpen_Click);
    // The usual key for opening a file opens a saved reading.
    cmdOpen->setShortcut(QKeySequence::Open);
    connect(cmdFindPlace, &QPushButton::clicked, this,
            &BirthDetailsWindow::FindLatitudeAndLongitude_Click);
}

void BirthDetailsWindow::CreateMenus() {
    mnuFile = Named(menuBar()->addMenu(tr("&File")), "mnuFile");
    mnuCalculate = Named(mnuFile->addAction(tr("Get My &Rasi Chart")), "mnuCalculate");
    mnuFile->addSeparator();
    mnuExit = Named(mnuFile->addAction(tr("&Exit")), "mnuExit");
    mnuExit->setShortcut(QKeySequence::Quit);

    AddLanguageMenu(*menuBar(), dialogs_, this);
    mnuHelp = Named(menuBar()->addMenu(tr("&Help")), "mnuHelp");
    mnuGuide = Named(mnuHelp->addAction(tr("User &Guide")), "mnuGuide");
    mnuGuide->setShortcut(QKeySequence(Qt::Key_F1));
    mnuOnline = Named(mnuHelp->addAction(tr("&Online Help")), "mnuOnline");
    mnuVisit = Named(mnuHelp->addAction(tr("&Visit Us Online")), "mnuVisit");
    mnuUpdate = Named(mnuHelp->addAction(tr("Check for Software &Update")), "mnuUpdate");
    mnuAbout = Named(mnuHelp->addAction(tr("&About Software")), "mnuAbout");
    GiveMenusRoom(*menuBar());

    connect(mnuCalculate, &QAction::triggered, this, &BirthDetailsWindow::mnuCalculate_Click);
    connect(mnuExit, &QAction::triggered, this, &BirthDetailsWindow::mnuExit_Click);
    connect(mnuGuide, &QAction::triggered, this, &BirthDetailsWindow::mnuGuide_Click);
    connect(mnuOnline, &QAction::triggered, this, &BirthDetailsWindow::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &BirthDetailsWindow::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &BirthDetailsWindow::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &BirthDetailsWindow::mnuAbout_Click);
}

void BirthDetailsWindow::SetTabOrder() {
    // The entry boxes in the order a person fills them, then the choices and buttons.
    const std::array<QWidget*, 22> order = {
        txtName,     cboDate,      cboMonth,     cboYear,     cboHour,     cboMinute,
        cboTimeZone, txtLatDeg,    txtLatMin,    txtLonDeg,   txtLonMin,   txtCity,
        txtState,    txtCountry,   optLatNorth,  optLatSouth, optLongEast, optLongWest,
        chkDST,      cmdFindPlace, cmdCalculate, cmdOpen};
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void BirthDetailsWindow::SetFormDefaults() {
    FillNumbers(*cboDate, 1, 31);
    for (std::string_view month : MonthNames) cboMonth->addItem(WindowText(month));
    FillNumbers(*cboYear, kFirstBirthYear, kLastBirthYear);
    FillNumbers(*cboHour, 0, kLastHour);
    FillNumbers(*cboMinute, 0, 59);
    for (const TimeZoneRow& row : TimeZoneTable) cboTimeZone->addItem(QtText(row.text));
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone})
        list->setCurrentIndex(0);
    optLatNorth->setChecked(true);
    optLongEast->setChecked(true);
    chkDST->setChecked(false);
    lblZoneFound->setText(PlaceLineAtRest());
}

FormEntries BirthDetailsWindow::entries() const {
    FormEntries e;
    e.name = txtName->text().toStdString();
    e.latitudeDegrees = txtLatDeg->text().toStdString();
    e.latitudeMinutes = txtLatMin->text().toStdString();
    e.longitudeDegrees = txtLonDeg->text().toStdString();
    e.longitudeMinutes = txtLonMin->text().toStdString();
    e.city = txtCity->text().toStdString();
    e.state = txtState->text().toStdString();
    e.country = txtCountry->text().toStdString();
    e.north = optLatNorth->isChecked();
    e.south = optLatSouth->isChecked();
    e.east = optLongEast->isChecked();
    e.west = optLongWest->isChecked();
    e.day = cboDate->currentText().toInt();
    e.monthIndex = cboMonth->currentIndex();
    e.year = cboYear->currentText().toInt();
    e.hour = cboHour->currentText().toInt();
    e.minute = cboMinute->currentText().toInt();
    e.zoneIndex = cboTimeZone->currentIndex();
    e.daylightSaving = chkDST->isChecked();
    e.imageWriterAvailable = imageWriterAvailable_();
    return e;
}

void BirthDetailsWindow::setEntries(const FormEntries& e) {
    ForgetPlace();
    txtName->setText(QtText(e.name));
    txtLatDeg->setText(QtText(e.latitudeDegrees));
    txtLatMin->setText(QtText(e.latitudeMinutes));
    txtLonDeg->setText(QtText(e.longitudeDegrees));
    txtLonMin->setText(QtText(e.longitudeMinutes));
    txtCity->setText(QtText(e.city));
    txtState->setText(QtText(e.state));
    txtCountry->setText(QtText(e.country));
    SetPair(*optLat, *optLatNorth, *optLatSouth, e.north, e.south);
    SetPair(*optLong, *optLongEast, *optLongWest, e.east, e.west);
    SelectNumber(*cboDate, e.day);
    SelectIndex(*cboMonth, e.monthIndex);
    SelectNumber(*cboYear, e.year);
    SelectNumber(*cboHour, e.hour);
    SelectNumber(*cboMinute, e.minute);
    SelectIndex(*cboTimeZone, e.zoneIndex);
    chkDST->setChecked(e.daylightSaving);
}

void BirthDetailsWindow::setImageWriterCheck(std::function<bool()> check) {
    imageWriterAvailable_ = std::move(check);
}

bool BirthDetailsWindow::ValidateInput() {
    const std::optional<InputProblem> problem = FirstInputProblem(entries());
    if (!problem) return true;
    ShowMessage(WindowText(problem->message), problem->icon);
    if (problem->focus == FormField::LatitudeDirection) optLatNorth->setChecked(true);
    if (problem->focus == FormField::LongitudeDirection) optLongEast->setChecked(true);
    if (QWidget* target = FocusTarget(problem->focus)) target->setFocus();
    return false;
}

QWidget* BirthDetailsWindow::FocusTarget(FormField field) const {
    switch (field) {
        case FormField::Name:
            return txtName;
        case FormField::LatitudeDegrees:
            return txtLatDeg;
        case FormField::LatitudeMinutes:
            return txtLatMin;
        case FormField::LongitudeDegrees:
            return txtLonDeg;
        case FormField::LongitudeMinutes:
            return txtLonMin;
        case FormField::City:
            return txtCity;
        case FormField::State:
            return txtState;
        case FormField::Country:
            return txtCountry;
        case FormField::None:
        case FormField::LatitudeDirection:
        case FormField::LongitudeDirection:
            return nullptr;
    }
    return nullptr;
}

void BirthDetailsWindow::ShowMessage(const QString& text, MessageIcon icon) {
    dialogs_.showMessage(this, text, QtText(kProgramTitle), icon);
}

void BirthDetailsWindow::LetterBox_CharacterRefused(FilteredLineEdit& box) {
    ShowMessage(WindowText(kOnlyLettersMessage), MessageIcon::Error);
    box.setFocus();
}

void BirthDetailsWindow::NumberBox_CharacterRefused() {
    ShowMessage(WindowText(kOnlyNumbersMessage), MessageIcon::Error);
}

void BirthDetailsWindow::txtCity_TextEdited(const QString& text) {
    ForgetPlace();
    offeredPlaceLabels_->clear();
    offeredPlaces_ = FindPlaces(text.trimmed().toStdString(), kOfferedPlaces);
    for (std::size_t row = 0; row < offeredPlaces_.size(); ++row) {
        auto* item = new QStandardItem(QtText(PlaceLabel(*offeredPlaces_[row])));
        item->setData(static_cast<int>(row), kPlaceRole);
        offeredPlaceLabels_->appendRow(item);
    }
    // A town the finder does not know is no error: the boxes hold the place.
    const QString typed = text.trimmed();
    lblZoneFound->setText(offeredPlaces_.empty() && !typed.isEmpty() && PlaceFinderAvailable()
                              ? tr("No town named %1 was found: the latitude, "
                                   "longitude and time zone are the ones in the boxes.")
                                    .arg(typed)
                              : QString());
    if (offeredPlaces_.empty()) {
        placeCompleter->popup()->hide();
    } else {
        placeCompleter->complete();
    }
}

void BirthDetailsWindow::placeCompleter_Activated(const QModelIndex& index) {
    const int row = index.data(kPlaceRole).toInt();
    if (row < 0 || row >= static_cast<int>(offeredPlaces_.size())) return;
    ChoosePlace(*offeredPlaces_[static_cast<std::size_t>(row)]);
}

void BirthDetailsWindow::ChoosePlace(const Place& place) {
    const PlaceFormBoxes boxes = FormBoxesOf(place);
    txtCity->setText(QtText(boxes.city));
    txtState->setText(QtText(boxes.state));
    txtCountry->setText(QtText(boxes.country));
    const DegreesMinutes& latitude = boxes.latitude;
    const DegreesMinutes& longitude = boxes.longitude;
    txtLatDeg->setText(QString::number(latitude.degrees));
    txtLatMin->setText(QString::number(latitude.minutes));
    txtLonDeg->setText(QString::number(longitude.degrees));
    txtLonMin->setText(QString::number(longitude.minutes));
    (latitude.negative ? optLatSouth : optLatNorth)->setChecked(true);
    (longitude.negative ? optLongWest : optLongEast)->setChecked(true);
    chosenPlace_ = &place;
    zoneRowByHand_ = false;
    daylightSavingByHand_ = false;
    ApplyPlaceClock();
}

void BirthDetailsWindow::ApplyPlaceClock() {
    const LocalDateTime when{cboYear->currentText().toInt(), cboMonth->currentIndex() + 1,
                             cboDate->currentText().toInt(), cboHour->currentText().toInt(),
                             cboMinute->currentText().toInt()};
    const std::optional<PlaceClock> clock =
        ClockAt(chosenPlace_->zone, when.year, when.month, when.day, when.hour, when.minute);
    const ZoneRowChoice choice = clock ? ChooseZoneRow(*clock) : ZoneRowChoice{};
    if (choice.zoneIndex) {
        if (!zoneRowByHand_) cboTimeZone->setCurrentIndex(*choice.zoneIndex);
        if (!daylightSavingByHand_) chkDST->setChecked(choice.daylightSaving);
    }
    lblZoneFound->setText(
        QtText(PlaceClockText(chosenPlace_->name, when, clock, choice, WindowWords())));
}

void BirthDetailsWindow::CheckZoneDistance() {
    const FormEntries e = entries();
    const QString warning =
        e.longitudeDegrees.empty() ? QString() : QtText(FarZoneWarning(BirthDetailsFromForm(e)));
    lblFarZone->setText(warning);
    lblFarZone->setVisible(!warning.isEmpty());
}

// Coordinates typed by hand are no longer the chosen place's; a line saying
// no town was found stays true while the user fills the boxes.
void BirthDetailsWindow::PlaceBox_Edited() {
    if (chosenPlace_) ForgetPlace();
}

// The line under the town goes with the place: a reading opened afterwards
// must not carry the last town's clock or "No town named ... was found".
void BirthDetailsWindow::ForgetPlace() {
    chosenPlace_ = nullptr;
    lblZoneFound->setText(PlaceLineAtRest());
}

void BirthDetailsWindow::DateOrTime_Changed() {
    if (chosenPlace_) ApplyPlaceClock();
}

void BirthDetailsWindow::cboTimeZone_Activated() {
    zoneRowByHand_ = true;
}

void BirthDetailsWindow::chkDST_Clicked() {
    daylightSavingByHand_ = true;
}

void BirthDetailsWindow::cmdCalculate_Click() {
    emit readingRequested();
}

void BirthDetailsWindow::mnuCalculate_Click() {
    emit readingRequested();
}

void BirthDetailsWindow::cmdOpen_Click() {
    emit openRequested();
}

void BirthDetailsWindow::mnuExit_Click() {
    emit exitRequested();
}

void BirthDetailsWindow::FindLatitudeAndLongitude_Click() {
    const std::array<std::pair<FilteredLineEdit*, const char*>, 3> required = {{
        {txtCity, N_("Please Enter City")},
        {txtState, N_("Please Enter State")},
        {txtCountry, N_("Please Enter Country")},
    }};
    for (const auto& [box, message] : required) {
        if (box->text().isEmpty()) {
            ShowMessage(QCoreApplication::translate("Orbalis", message), MessageIcon::Error);
            box->setFocus();
            return;
        }
    }
    const QString query = txtCity->text() + QLatin1Char(' ') + txtState->text() + QLatin1Char(' ') +
                          txtCountry->text() + QStringLiteral(" Latitude Longitude");
    OpenWebPage(dialogs_, this,
                QtText(kPlaceSearchAddress) + QString::fromLatin1(QUrl::toPercentEncoding(query)));
}

void BirthDetailsWindow::mnuGuide_Click() {
    GuideWindow::Show();
}

void BirthDetailsWindow::mnuOnline_Click() {
    OpenWebPage(dialogs_, this, QtText(kOnlineHelpAddress));
}

void BirthDetailsWindow::mnuVisit_Click() {
    OpenWebPage(dialogs_, this, QtText(kSiteAddress));
}

void BirthDetailsWindow::mnuUpdate_Click() {
    OpenWebPage(dialogs_, this, QtText(kDownloadAddress));
}

void BirthDetailsWindow::mnuAbout_Click() {
    AboutBox about(this);
    dialogs_.runModal(about);
}

bool BirthDetailsWindow::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* popup = placeCompleter->popup();
    if (watched != popup || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QModelIndex index = popup->currentIndex();
            popup->hide();
            if (index.isValid()) placeCompleter_Activated(index);
            return true;
        }
        case Qt::Key_Escape:
            popup->hide();
            return true;
        default:
            return QMainWindow::eventFilter(watched, event);
    }
}

void BirthDetailsWindow::closeEvent(QCloseEvent* event) {
    // Closing the birth-details window ends the program.
    event->accept();
    emit exitRequested();
}

}  // namespace orbalis
