#include "ui/results/results_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include "model/program_identity.h"
#include "painting/form_font.h"
#include "results/bottom_bar_layout.h"
#include "ui/common/about_box.h"
#include "ui/common/dialogs.h"
#include "ui/common/guide_window.h"
#include "ui/common/print_form.h"
#include "ui/common/qt_text.h"
#include "ui/common/twips.h"
#include "ui/common/window_language.h"
#include "ui/results/assets.h"
#include "ui/results/chart_style_setting.h"
#include "ui/results/results_form.h"

namespace orbalis {

namespace {

constexpr int kRestoredWidthTwips = 9090;
constexpr int kRestoredHeightTwips = 5985;
constexpr int kToolBarHeightTwips = 420;
constexpr int kHeadingBarHeightTwips = 900;
constexpr int kBottomBarHeightTwips = 645;

const QColor kBarColour(0, 64, 64);
const QColor kHeadingColour(192, 192, 0);

void Fill(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The bar's buttons keep their widths, so that they stay where the bar puts
// them; a caption too wide for one (a language with longer words) takes a
// smaller type rather than lose its last letters.
void FitButtonText(QPushButton& button) {
    constexpr int kPadding = 12;  // the frame and the air at both ends
    QString shown = button.text();
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    for (qreal size = 8.25; size >= 5.0; size -= 0.25) {
        button.setFont(FormFont(false, size));
        if (QFontMetrics(button.font()).horizontalAdvance(shown) + kPadding <= button.width())
            return;
    }
}

}  // namespace

QSize ResultsWindow::restoredSize() {
    return QSize(Px(kRestoredWidthTwips), Px(kRestoredHeightTwips));
}

ResultsWindow::ResultsWindow(Dialogs& dialogs, const BirthDetails& birth, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    EnsureAssetsLoaded();
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QtText(kWindowCaption));
    // No toolbar menu of its own: "&Toolbar" alone shows and hides TB.
    setContextMenuPolicy(Qt::NoContextMenu);

    BuildMenus();
    BuildToolBar();

    QWidget* central = new QWidget(this);
    QVBoxLayout* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildHeadingBar());

    // The form sits at the top of the white workspace, centred across it when
    // the workspace is wider, at its left with scroll bars when narrower.
    workspace_ = new QScrollArea(central);
    workspace_->setObjectName(QStringLiteral("workspace"));
    workspace_->setFrameShape(QFrame::NoFrame);
    workspace_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    workspace_->setWidgetResizable(false);
    Fill(workspace_->viewport(), Qt::white);
    display_ = new ResultsForm(birth);
    workspace_->setWidget(display_);
    layout->addWidget(workspace_, 1);

    layout->addWidget(BuildBottomBar());
    setCentralWidget(central);

    resize(restoredSize());
    if (const QScreen* screen = this->screen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    SetMenuDefaults();
    PlaceBarContents();
}

QAction* ResultsWindow::AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void ResultsWindow::AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

void ResultsWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [](QWidget* owner, const char* name, const QString& caption) {
        QMenu* menu = nullptr;
        if (QMenuBar* menuBar = qobject_cast<QMenuBar*>(owner))
            menu = menuBar->addMenu(caption);
        else
            menu = static_cast<QMenu*>(owner)->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu* mnuFile = addMenu(bar, "mnuFile", tr("&File"));
    connect(AddItem(mnuFile, "mnuNew", tr("&New")), &QAction::triggered, this,
            &ResultsWindow::mnuNew_Click);
    // Another saved reading without going back to the birth details first.
    QAction* mnuOpen = AddItem(mnuFile, "mnuOpen", tr("&Open Previously Saved Reading\u2026"));
    mnuOpen->setShortcut(QKeySequence::Open);
    connect(mnuOpen, &QAction::triggered, this, &ResultsWindow::mnuOpen_Click);
    AddSeparator(mnuFile, "mnuFileSep0");
    connect(AddItem(mnuFile, "mnuSaveAsText", tr("Save &As")), &QAction::triggered, this,
            &ResultsWindow::mnuSaveAsText_Click);
    connect(AddItem(mnuFile, "mnuSaveAsJpeg", tr("Save As &JPEG")), &QAction::triggered, this,
            &ResultsWindow::mnuSaveAsJpeg_Click);
    connect(AddItem(mnuFile, "mnuSaveAsPdf", tr("Save As &PDF\u2026")), &QAction::triggered, this,
            &ResultsWindow::mnuSaveAsPdf_Click);
    AddSeparator(mnuFile, "mnuFileSep1");
    connect(AddItem(mnuFile, "mnuExport", tr("&Export Chart As Text")), &QAction::triggered, this,
            &ResultsWindow::mnuExport_Click);
    connect(AddItem(mnuFile, "mnuMatch", tr("&Match With a Saved Reading\u2026")),
            &QAction::triggered, this, &ResultsWindow::mnuMatch_Click);
    AddSeparator(mnuFile, "mnuFilesep2");
    connect(AddItem(mnuFile, "mnuPrint", tr("&Print")), &QAction::triggered, this,
            &ResultsWindow::mnuPrint_Click);
    AddSeparator(mnuFile, "mnuFileSep3");
    connect(AddItem(mnuFile, "mnuBack", tr("&Back")), &QAction::triggered, this,
            &ResultsWindow::mnuBack_Click);
    AddSeparator(mnuFile, "mnuFileSep4");
    connect(AddItem(mnuFile, "mnuExit", tr("E&xit")), &QAction::triggered, this,
            &ResultsWindow::mnuExit_Click);

    QMenu* mnuView = addMenu(bar, "mnuView", tr("&View"));
    mnuToolBar_ = AddItem(mnuView, "mnuToolBar", tr("&Toolbar"));
    mnuStatusBar_ = AddItem(mnuView, "mnuStatusBar", tr("&Status Bar"));
    AddSeparator(mnuView, "mnuViewSep1");
    QMenu* mnuChartStyle = addMenu(mnuView, "mnuChartStyle", tr("&Chart Style"));
    mnuNorth_ = AddItem(mnuChartStyle, "mnuNorth", tr("&North Indian"));
    mnuSouth_ = AddItem(mnuChartStyle, "mnuSouth", tr("&South Indian"));
    mnuNatal_ = AddItem(mnuChartStyle, "mnuNatal", tr("&Natal Indian"));
    QMenu* mnuColor = addMenu(mnuView, "mnuColor", tr("Colo&r Style"));
    mnuColorOn_ = AddItem(mnuColor, "mnuColorOn", tr("O&n"));
    mnuColorOff_ = AddItem(mnuColor, "mnuColorOff", tr("O&ff"));
    AddSeparator(mnuView, "mnuViewSep2");
    mnuChart_ = AddItem(mnuView, "mnuChart", tr("&Chart"));
    QMenu* mnuDivisionalCharts = addMenu(mnuView, "mnuDivisionalCharts", tr("&Divisional Charts"));
    mnuSub_Hora_ = AddItem(mnuDivisionalCharts, "mnuSub_Hora", tr("&Hora"));
    mnuSub_Drekkana_ = AddItem(mnuDivisionalCharts, "mnuSub_Drekkana", tr("&Drekkana"));
    mnuSub_Sapthamsa_ = AddItem(mnuDivisionalCharts, "mnuSub_Sapthamsa", tr("&Sapthamsa"));
    mnuSub_Navamsa_ = AddItem(mnuDivisionalCharts, "mnuSub_Navamsa", tr("&Navamsa"));
    mnuSub_Dasamsa_ = AddItem(mnuDivisionalCharts, "mnuSub_Dasamsa", tr("&D&asamsa"));
    mnuSub_Dwadasamsa_ = AddItem(mnuDivisionalCharts, "mnuSub_Dwadasamsa", tr("D&wadasamsa"));
    AddSeparator(mnuView, "mnuViewSep3");
    QMenu* mnuPositions = addMenu(mnuView, "mnuPositions", tr("Positions"));
    mnuPositionsClassic_ = AddItem(mnuPositions, "mnuPositionsClassic", tr("&Classic"));
    mnuPositionsPrecise_ =
        AddItem(mnuPositions, "mnuPositionsPrecise", tr("&Precise (Swiss Ephemeris)"));
    AddSeparator(mnuView, "mnuViewSep4");
    connect(AddItem(mnuView, "mnuKujaDoshaDetails", tr("Kuja Dosha &Details")), &QAction::triggered,
            this, &ResultsWindow::mnuKujaDoshaDetails_Click);
    connect(AddItem(mnuView, "mnuDasha", tr("&Vimshottari Dasha")), &QAction::triggered, this,
            &ResultsWindow::mnuDasha_Click);

    for (QAction* item :
         {mnuToolBar_, mnuStatusBar_, mnuNorth_, mnuSouth_, mnuNatal_, mnuColorOn_, mnuColorOff_,
          mnuChart_, mnuSub_Hora_, mnuSub_Drekkana_, mnuSub_Sapthamsa_, mnuSub_Navamsa_,
          mnuSub_Dasamsa_, mnuSub_Dwadasamsa_, mnuPositionsClassic_, mnuPositionsPrecise_})
        item->setCheckable(true);
    connect(mnuToolBar_, &QAction::triggered, this, &ResultsWindow::mnuToolBar_Click);
    connect(mnuStatusBar_, &QAction::triggered, this, &ResultsWindow::mnuStatusBar_Click);
    connect(mnuNorth_, &QAction::triggered, this, &ResultsWindow::mnuNorth_Click);
    connect(mnuSouth_, &QAction::triggered, this, &ResultsWindow::mnuSouth_Click);
    connect(mnuNatal_, &QAction::triggered, this, &ResultsWindow::mnuNatal_Click);
    connect(mnuColorOn_, &QAction::triggered, this, &ResultsWindow::mnuColorOn_Click);
    connect(mnuColorOff_, &QAction::triggered, this, &ResultsWindow::mnuColorOff_Click);
    connect(mnuChart_, &QAction::triggered, this, &ResultsWindow::mnuChart_Click);
    connect(mnuSub_Hora_, &QAction::triggered, this, &ResultsWindow::mnuSub_Hora_Click);
    connect(mnuSub_Drekkana_, &QAction::triggered, this, &ResultsWindow::mnuSub_Drekkana_Click);
    connect(mnuSub_Sapthamsa_, &QAction::triggered, this, &ResultsWindow::mnuSub_Sapthamsa_Click);
    connect(mnuSub_Navamsa_, &QAction::triggered, this, &ResultsWindow::mnuSub_Navamsa_Click);
    connect(mnuSub_Dasamsa_, &QAction::triggered, this, &ResultsWindow::mnuSub_Dasamsa_Click);
    connect(mnuSub_Dwadasamsa_, &QAction::triggered, this, &ResultsWindow::mnuSub_Dwadasamsa_Click);
    connect(mnuPositionsClassic_, &QAction::triggered, this,
            &ResultsWindow::mnuPositionsClassic_Click);
    connect(mnuPositionsPrecise_, &QAction::triggered, this,
            &ResultsWindow::mnuPositionsPrecise_Click);

    AddLanguageMenu(*bar, dialogs_, this);
    QMenu* mnuHelp = addMenu(bar, "mnuHelp", tr("&Help"));
    QAction* mnuGuide = AddItem(mnuHelp, "mnuGuide", tr("User &Guide"));
    mnuGuide->setShortcut(QKeySequence(Qt::Key_F1));
    connect(mnuGuide, &QAction::triggered, this, &ResultsWindow::mnuGuide_Click);
    connect(AddItem(mnuHelp, "mnuOnline", tr("&Online Help")), &QAction::triggered, this,
            &ResultsWindow::mnuOnline_Click);
    connect(AddItem(mnuHelp, "mnuVisit", tr("&Visit Us Online")), &QAction::triggered, this,
            &ResultsWindow::mnuVisit_Click);
    AddSeparator(mnuHelp, "mnuHelpSep1");
    connect(AddItem(mnuHelp, "mnuUpdate", tr("Check for Software &Update")), &QAction::triggered,
            this, &ResultsWindow::mnuUpdate_Click);
    AddSeparator(mnuHelp, "mnuHelpSep2");
    connect(AddItem(mnuHelp, "mnuAbout", tr("&About Software")), &QAction::triggered, this,
            &ResultsWindow::mnuAbout_Click);
    GiveMenusRoom(*bar);

    // Classic or precise is an either-or choice and shows as one.
    auto* positions = new QActionGroup(this);
    positions->setObjectName(QStringLiteral("grpPositions"));
    positions->addAction(mnuPositionsClassic_);
    positions->addAction(mnuPositionsPrecise_);
    // The keys every desktop program answers to.
    const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
        {"mnuSaveAsText", QKeySequence::Save},
        {"mnuPrint", QKeySequence::Print},
        {"mnuExit", QKeySequence::Quit}};
    for (const auto& [name, key] : keys) {
        if (QAction* item = findChild<QAction*>(QLatin1String(name))) item->setShortcut(key);
    }
}

void ResultsWindow::BuildToolBar() {
    TB_ = new QToolBar(this);
    TB_->setObjectName(QStringLiteral("TB"));
    TB_->setMovable(false);
    TB_->setFloatable(false);
    TB_->setIconSize(QSize(16, 16));
    TB_->setFixedHeight(Px(kToolBarHeightTwips));
    struct Button {
        const char* key;  // English, as the buttons are known by
        const char* icon;
        QString caption;
        QString toolTip;  // the caption itself when empty
    };
    const Button buttons[] = {
        {"New", ":/toolbar/new.png", tr("New"), {}},
        {"Save", ":/toolbar/save.png", tr("Save"), {}},
        {"Print", ":/toolbar/print.png", tr("Print"), {}},
        {"Help", ":/toolbar/help.png", tr("Help"), {}},
        {"Details", ":/toolbar/details.png", tr("Details"), tr("Kuja Dosha Details")},
        {"PDF", ":/toolbar/pdf.png", tr("PDF"), tr("Save As PDF")}};
    for (const Button& button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction* action = TB_->addAction(QIcon(QString::fromLatin1(button.icon)), button.caption);
        action->setObjectName(QStringLiteral("TB_") + key);
        action->setData(key);
        action->setToolTip(button.toolTip.isEmpty() ? button.caption : button.toolTip);
        connect(action, &QAction::triggered, this, [this, key] { TB_ButtonClick(key); });
    }
    addToolBar(Qt::TopToolBarArea, TB_);
}

QWidget* ResultsWindow::BuildHeadingBar() {
    picTop_ = new QWidget(this);
    picTop_->setObjectName(QStringLiteral("picTop"));
    picTop_->setFixedHeight(Px(kHeadingBarHeightTwips));
    Fill(picTop_, kBarColour);
    lblHeading_ = new QLabel(QtText(kProductName), picTop_);
    lblHeading_->setObjectName(QStringLiteral("lblHeading"));
    lblHeading_->setFont(FormFont(true, 18));
    QPalette palette = lblHeading_->palette();
    palette.setColor(QPalette::WindowText, kHeadingColour);
    lblHeading_->setPalette(palette);
    lblHeading_->adjustSize();
    lblHeading_->move(0, (picTop_->height() - lblHeading_->height()) / 2);
    picTop_->installEventFilter(this);
    return picTop_;
}

QWidget* ResultsWindow::BuildBottomBar() {
    Picture1_ = new QWidget(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setFixedHeight(Px(kBottomBarHeightTwips));
    Fill(Picture1_, kBarColour);
    auto addButton = [this](const char* name, const QString& caption, int widthTwips) {
        QPushButton* button = new QPushButton(caption, Picture1_);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(0, Px(kBottomButtonTopTwips), Px(widthTwips),
                            Px(kBottomButtonHeightTwips));
        FitButtonText(*button);
        return button;
    };
    cmdSaveAsJPEG_ = addButton("cmdSaveAsJPEG", tr("Save As &JPEG"), kSaveAsJpegWidthTwips);
    cmdBack_ = addButton("cmdBack", tr("&Back"), kBackWidthTwips);
    cmdExit_ = addButton("cmdExit", tr("E&xit"), kExitWidthTwips);
    connect(cmdSaveAsJPEG_, &QPushButton::clicked, this, &ResultsWindow::cmdSaveAsJPEG_Click);
    connect(cmdBack_, &QPushButton::clicked, this, &ResultsWindow::cmdBack_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &ResultsWindow::cmdExit_Click);
    Picture1_->installEventFilter(this);
    return Picture1_;
}

void ResultsWindow::SetMenuDefaults() {
    mnuToolBar_->setChecked(true);
    mnuStatusBar_->setChecked(true);
    mnuColorOn_->setChecked(false);
    mnuColorOff_->setChecked(true);
    // The style last chosen, South Indian at the first start.
    const ChartStyle style = LoadChartStyle();
    CheckOnly({mnuNorth_, mnuSouth_, mnuNatal_}, style == ChartStyle::North  ? mnuNorth_
                                                 : style == ChartStyle::East ? mnuNatal_
                                                                             : mnuSouth_);
    display_->ShowChart(style, std::nullopt);
    mnuChart_Click();
    SetPositionsMode(PositionsMode::Classic);
}

void ResultsWindow::PlaceBarContents() {
    const BottomBarLayout layout =
        LayoutBottomBar(Twips(Picture1_->width()), Twips(lblHeading_->width()));
    cmdExit_->move(Px(layout.exitLeftTwips), cmdExit_->y());
    cmdBack_->move(Px(layout.backLeftTwips), cmdBack_->y());
    cmdSaveAsJPEG_->move(Px(layout.saveAsJpegLeftTwips), cmdSaveAsJPEG_->y());
    const BottomBarLayout heading =
        LayoutBottomBar(Twips(picTop_->width()), Twips(lblHeading_->width()));
    lblHeading_->move(Px(heading.headingLeftTwips), lblHeading_->y());
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Picture1_ || watched == picTop_) && event->type() == QEvent::Resize)
        PlaceBarContents();
    return QMainWindow::eventFilter(watched, event);
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    // Closing from the title bar ends the program, as Exit does.
    if (!leaving_) {
        Leave();
        emit exitRequested();
    }
    event->accept();
}

void ResultsWindow::Leave() {
    leaving_ = true;
}

void ResultsWindow::CheckOnly(const QList<QAction*>& group, QAction* chosen) {
    for (QAction* item : group) item->setChecked(item == chosen);
}

void ResultsWindow::OpenAddress(std::string_view address) {
    OpenWebPage(dialogs_, this, QtText(address));
}

void ResultsWindow::TB_ButtonClick(const QString& key) {
    if (key == QLatin1String("New"))
        mnuNew_Click();
    else if (key == QLatin1String("Save"))
        mnuSaveAsText_Click();
    else if (key == QLatin1String("Print"))
        mnuPrint_Click();
    else if (key == QLatin1String("Help"))
        mnuOnline_Click();
    else if (key == QLatin1String("Details"))
        mnuKujaDoshaDetails_Click();
    else if (key == QLatin1String("PDF"))
        mnuSaveAsPdf_Click();
}

void ResultsWindow::cmdSaveAsJPEG_Click() {
    emit saveJpegRequested();
}
void ResultsWindow::mnuSaveAsJpeg_Click() {
    emit saveJpegRequested();
}

void ResultsWindow::mnuSaveAsPdf_Click() {
    emit savePdfRequested();
}
void ResultsWindow::mnuSaveAsText_Click() {
    emit saveRequested();
}
void ResultsWindow::mnuExport_Click() {
    emit exportRequested();
}

void ResultsWindow::mnuMatch_Click() {
    emit matchRequested();
}

void ResultsWindow::mnuKujaDoshaDetails_Click() {
    emit detailsRequested();
}

void ResultsWindow::mnuDasha_Click() {
    emit dashaRequested();
}

void ResultsWindow::cmdBack_Click() {
    Leave();
    emit backRequested();
}
void ResultsWindow::mnuBack_Click() {
    cmdBack_Click();
}

void ResultsWindow::mnuNew_Click() {
    Leave();
    emit newRequested();
}

// The window stays until a reading from the file replaces it: a cancelled
// or refused file leaves it as it was.
void ResultsWindow::mnuOpen_Click() {
    emit openRequested();
}

void ResultsWindow::cmdExit_Click() {
    Leave();
    emit exitRequested();
}
void ResultsWindow::mnuExit_Click() {
    cmdExit_Click();
}

void ResultsWindow::mnuPrint_Click() {
    PrintWithDialog(dialogs_, this, *display_);
}

void ResultsWindow::mnuToolBar_Click() {
    // The item has already toggled its mark; the toolbar follows it.
    TB_->setVisible(mnuToolBar_->isChecked());
}

void ResultsWindow::mnuStatusBar_Click() {
    // Only the mark changes; the window has no status bar to show.
}

// The style redraws the chart on screen and is kept for the next run.
void ResultsWindow::ChooseStyle(QAction* chosen) {
    CheckOnly({mnuNorth_, mnuSouth_, mnuNatal_}, chosen);
    const ChartStyle style = chosen == mnuNorth_   ? ChartStyle::North
                             : chosen == mnuNatal_ ? ChartStyle::East
                                                   : ChartStyle::South;
    SaveChartStyle(style);
    display_->ShowChart(style, display_->division());
}
void ResultsWindow::mnuNorth_Click() {
    ChooseStyle(mnuNorth_);
}
void ResultsWindow::mnuSouth_Click() {
    ChooseStyle(mnuSouth_);
}
void ResultsWindow::mnuNatal_Click() {
    ChooseStyle(mnuNatal_);
}

// The colour style is fixed: a click puts the marks back as they were.
void ResultsWindow::mnuColorOn_Click() {
    mnuColorOn_->setChecked(false);
}
void ResultsWindow::mnuColorOff_Click() {
    mnuColorOff_->setChecked(true);
}

// "&Chart" draws the birth chart, each divisional item its own chart.
void ResultsWindow::ChooseChart(QAction* chosen) {
    const QList<QAction*> group = {mnuChart_,         mnuSub_Hora_,    mnuSub_Drekkana_,
                                   mnuSub_Sapthamsa_, mnuSub_Navamsa_, mnuSub_Dasamsa_,
                                   mnuSub_Dwadasamsa_};
    CheckOnly(group, chosen);
    std::optional<Division> division;
    const qsizetype item = group.indexOf(chosen);
    if (item > 0) division = kDivisionNames[static_cast<std::size_t>(item - 1)].division;
    display_->ShowChart(display_->chartStyle(), division);
}

void ResultsWindow::mnuChart_Click() {
    display_->show();
    ChooseChart(mnuChart_);
}

void ResultsWindow::mnuSub_Hora_Click() {
    ChooseChart(mnuSub_Hora_);
}
void ResultsWindow::mnuSub_Drekkana_Click() {
    ChooseChart(mnuSub_Drekkana_);
}
void ResultsWindow::mnuSub_Sapthamsa_Click() {
    ChooseChart(mnuSub_Sapthamsa_);
}
void ResultsWindow::mnuSub_Navamsa_Click() {
    ChooseChart(mnuSub_Navamsa_);
}
void ResultsWindow::mnuSub_Dasamsa_Click() {
    ChooseChart(mnuSub_Dasamsa_);
}
void ResultsWindow::mnuSub_Dwadasamsa_Click() {
    ChooseChart(mnuSub_Dwadasamsa_);
}

void ResultsWindow::mnuGuide_Click() {
    GuideWindow::Show();
}
void ResultsWindow::mnuOnline_Click() {
    OpenAddress(kOnlineHelpAddress);
}
void ResultsWindow::mnuVisit_Click() {
    OpenAddress(kSiteAddress);
}
void ResultsWindow::mnuUpdate_Click() {
    OpenAddress(kDownloadAddress);
}

PositionsMode ResultsWindow::positionsMode() const {
    return mnuPositionsPrecise_->isChecked() ? PositionsMode::Precise : PositionsMode::Classic;
}

void ResultsWindow::SetPositionsMode(PositionsMode mode) {
    CheckOnly({mnuPositionsClassic_, mnuPositionsPrecise_},
              mode == PositionsMode::Precise ? mnuPositionsPrecise_ : mnuPositionsClassic_);
    display_->ShowPositionsMode(mode);
}

// The item's mark moves at once; whoever computes readings answers the
// signal and may put it back when the reading on screen cannot be computed.
void ResultsWindow::mnuPositionsClassic_Click() {
    CheckOnly({mnuPositionsClassic_, mnuPositionsPrecise_}, mnuPositionsClassic_);
    emit positionsModeChosen(PositionsMode::Classic);
}
void ResultsWindow::mnuPositionsPrecise_Click() {
    CheckOnly({mnuPositionsClassic_, mnuPositionsPrecise_}, mnuPositionsPrecise_);
    emit positionsModeChosen(PositionsMode::Precise);
}

void ResultsWindow::mnuAbout_Click() {
    AboutBox about(this);
    dialogs_.runModal(about);
}

}  // namespace orbalis
