#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/results_actions.h"
#include "model/program_identity.h"
#include "ui/results/chart_style_setting.h"
#include "ui/results/painted_chart.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"
#include "ui/results/south_rasi_chart.h"

#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/common/print_form.h"

using namespace orbalis;
using orbalis::testing::FakeDialogs;

namespace {

// A results window for the Delhi 1985 reading.
struct Window {
    FakeDialogs dialogs;
    ResultsWindow mdi{dialogs, orbalis::testing::DelhiBirth1985()};

    Window() {
        ConnectResultsActions(mdi, dialogs);
        mdi.display()->ShowReading(orbalis::testing::DelhiReading1985(),
                                   orbalis::testing::DelhiDisplay1985());
    }
    QAction* action(const QString& name) { return mdi.findChild<QAction*>(name); }
    bool checked(const QString& name) {
        QAction* item = action(name);
        return item && item->isChecked();
    }
    // Clicks a menu item, a toolbar button or a bottom button by its name.
    void click(const QString& name) {
        if (QPushButton* button = mdi.findChild<QPushButton*>(name)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        QAction* item = action(name);
        QVERIFY2(item, qPrintable(name));
        item->trigger();
    }
};

const QStringList kChartItems = {"mnuChart",         "mnuSub_Hora",    "mnuSub_Drekkana",
                                 "mnuSub_Sapthamsa", "mnuSub_Navamsa", "mnuSub_Dasamsa",
                                 "mnuSub_Dwadasamsa"};
const QStringList kStyleItems = {"mnuNorth", "mnuSouth", "mnuNatal"};

QStringList Checked(Window& window, const QStringList& items) {
    QStringList result;
    for (const QString& item : items)
        if (window.checked(item)) result << item;
    return result;
}

// Share of pixels in `area` that are not white.
double InkShare(const QImage& image, const QRect& area) {
    qint64 ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++ink;
    return area.isEmpty() ? 0.0 : static_cast<double>(ink) / (area.width() * area.height());
}

}  // namespace

class MdiTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }
    // The chart style is a setting; each test starts from the first start's.
    void cleanup() { SaveChartStyle(ChartStyle::South); }

    void captionAndRestoredSize();
    void menuOrder_data();
    void menuOrder();
    void loadTimeMarks_data();
    void loadTimeMarks();
    void toolbarButtons_data();
    void toolbarButtons();
    void toolbarItemHidesAndShowsTheToolbar();
    void statusBarItemOnlyMovesItsMark();
    void chartStyleGroup_data();
    void chartStyleGroup();
    void colourStyleNeverChanges();
    void chartSelection_data();
    void chartSelection();
    void webPages_data();
    void webPages();
    void webPageWithoutABrowserShowsItsAddress_data() { webPages_data(); }
    void webPageWithoutABrowserShowsItsAddress();
    void aboutBoxRunsModally();
    void commands_data();
    void commands();
    void titleBarCloseIsExit_data();
    void titleBarCloseIsExit();
    void bottomButtonsStayRightAligned_data();
    void bottomButtonsStayRightAligned();
    void formPlacedInWorkspace_data();
    void formPlacedInWorkspace();
    void printCancelDoesNothing();
    void printWritesTheFormToThePage();
    void printWithNoPrinterSaysSo();
    void paintFittedKeepsProportions_data();
    void paintFittedKeepsProportions();
    void saveAsPdf_data();
    void saveAsPdf();
    void standardKeysAndThePositionsChoice();
};

void MdiTest::standardKeysAndThePositionsChoice() {
    Window window;
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuOpen", QKeySequence(QKeySequence::Open)},
        {"mnuSaveAsText", QKeySequence(QKeySequence::Save)},
        {"mnuPrint", QKeySequence(QKeySequence::Print)},
        {"mnuExit", QKeySequence(QKeySequence::Quit)},
        {"mnuGuide", QKeySequence(Qt::Key_F1)}};
    for (const auto& [name, key] : keys) QCOMPARE(window.action(name)->shortcut(), key);
    // Classic and precise are one either-or group, drawn as radio items.
    QActionGroup* group = window.action("mnuPositionsClassic")->actionGroup();
    QVERIFY(group);
    QVERIFY(group->isExclusive());
    QCOMPARE(window.action("mnuPositionsPrecise")->actionGroup(), group);
}

void MdiTest::captionAndRestoredSize() {
    Window window;
    QCOMPARE(window.mdi.windowTitle(), QStringLiteral("Orbalis v1.15"));
    QCOMPARE(window.mdi.size(), QSize(606, 399));
    QCOMPARE(ResultsWindow::restoredSize(), QSize(606, 399));
    QVERIFY(window.mdi.display());
    QCOMPARE(window.mdi.display()->objectName(), QStringLiteral("frmDisplay"));
}

void MdiTest::menuOrder_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("File") << "mnuFile"
                          << QStringList{"mnuNew",        "mnuOpen",       "mnuFileSep0",
                                         "mnuSaveAsText", "mnuSaveAsJpeg", "mnuSaveAsPdf",
                                         "mnuFileSep1",   "mnuExport",     "mnuMatch",
                                         "mnuFilesep2",   "mnuPrint",      "mnuFileSep3",
                                         "mnuBack",       "mnuFileSep4",   "mnuExit"};
    QTest::newRow("View") << "mnuView" << QStringList{"mnuToolBar",  "mnuStatusBar",
                                                      "mnuViewSep1", "mnuChartStyle",
                                                      "mnuColor",    "mnuViewSep2",
                                                      "mnuChart",    "mnuDivisionalCharts",
                                                      "mnuViewSep3", "mnuPositions",
                                                      "mnuViewSep4", "mnuKujaDoshaDetails",
                                                      "mnuDasha"};
    QTest::newRow("Positions") << "mnuPositions"
                               << QStringList{"mnuPositionsClassic", "mnuPositionsPrecise"};
    QTest::newRow("Chart Style") << "mnuChartStyle"
                                 << QStringList{"mnuNorth", "mnuSouth", "mnuNatal"};
    QTest::newRow("Colour Style") << "mnuColor" << QStringList{"mnuColorOn", "mnuColorOff"};
    QTest::newRow("Divisional Charts")
        << "mnuDivisionalCharts"
        << QStringList{"mnuSub_Hora",    "mnuSub_Drekkana", "mnuSub_Sapthamsa",
                       "mnuSub_Navamsa", "mnuSub_Dasamsa",  "mnuSub_Dwadasamsa"};
    QTest::newRow("Help") << "mnuHelp"
                          << QStringList{"mnuGuide",  "mnuOnline",   "mnuVisit", "mnuHelpSep1",
                                         "mnuUpdate", "mnuHelpSep2", "mnuAbout"};
}

void MdiTest::menuOrder() {
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    Window window;
    QMenu* found = window.mdi.findChild<QMenu*>(menu);
    QVERIFY2(found, qPrintable(menu));
    QStringList names;
    for (QAction* item : found->actions()) {
        names << item->objectName();
        // Only the Sep items are separators.
        QCOMPARE(item->isSeparator(),
                 item->objectName().contains(QLatin1String("Sep"), Qt::CaseInsensitive));
    }
    QCOMPARE(names, items);
}

void MdiTest::loadTimeMarks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("checked");
    const QStringList on = {"mnuToolBar", "mnuStatusBar", "mnuColorOff", "mnuChart", "mnuSouth"};
    const QStringList off = {"mnuNorth",       "mnuNatal",        "mnuColorOn",
                             "mnuSub_Hora",    "mnuSub_Drekkana", "mnuSub_Sapthamsa",
                             "mnuSub_Navamsa", "mnuSub_Dasamsa",  "mnuSub_Dwadasamsa"};
    for (const QString& name : on) QTest::newRow(qPrintable(name)) << name << true;
    for (const QString& name : off) QTest::newRow(qPrintable(name)) << name << false;
}

void MdiTest::loadTimeMarks() {
    QFETCH(QString, name);
    QFETCH(bool, checked);
    Window window;
    QVERIFY(window.action(name)->isCheckable());
    QCOMPARE(window.checked(name), checked);
}

void MdiTest::toolbarButtons_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("New") << "New";
    QTest::newRow("Save") << "Save";
    QTest::newRow("Print") << "Print";
    QTest::newRow("Help") << "Help";
}

void MdiTest::toolbarButtons() {
    QFETCH(QString, key);
    Window window;
    QToolBar* toolbar = window.mdi.findChild<QToolBar*>(QStringLiteral("TB"));
    QVERIFY(toolbar);
    QAction* button = window.action(QStringLiteral("TB_") + key);
    QVERIFY(button);
    QVERIFY(toolbar->actions().contains(button));
    QCOMPARE(button->data().toString(), key);
    QCOMPARE(button->toolTip(), key);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->icon().pixmap(16, 16).size(), QSize(16, 16));
    // The four buttons of the results window, then "Details" and "PDF".
    QCOMPARE(toolbar->actions().size(), 6);
}

void MdiTest::toolbarItemHidesAndShowsTheToolbar() {
    Window window;
    window.mdi.show();
    QToolBar* toolbar = window.mdi.findChild<QToolBar*>(QStringLiteral("TB"));
    QVERIFY(toolbar->isVisible());
    window.click(QStringLiteral("mnuToolBar"));
    QVERIFY(!window.checked(QStringLiteral("mnuToolBar")));
    QVERIFY(!toolbar->isVisible());
    window.click(QStringLiteral("mnuToolBar"));
    QVERIFY(window.checked(QStringLiteral("mnuToolBar")));
    QVERIFY(toolbar->isVisible());
}

void MdiTest::statusBarItemOnlyMovesItsMark() {
    Window window;
    window.mdi.show();
    const QStringList others =
        QStringList{"mnuToolBar", "mnuColorOn", "mnuColorOff"} + kStyleItems + kChartItems;
    const QStringList before = Checked(window, others);
    window.click(QStringLiteral("mnuStatusBar"));
    QVERIFY(!window.checked(QStringLiteral("mnuStatusBar")));
    window.click(QStringLiteral("mnuStatusBar"));
    QVERIFY(window.checked(QStringLiteral("mnuStatusBar")));
    window.click(QStringLiteral("mnuStatusBar"));
    QCOMPARE(Checked(window, others), before);
    QVERIFY(window.mdi.findChild<QToolBar*>(QStringLiteral("TB"))->isVisible());
    QVERIFY(window.dialogs.messages.isEmpty());
}

void MdiTest::chartStyleGroup_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("expected");
    QTest::newRow("North") << QStringList{"mnuNorth"} << "mnuNorth";
    QTest::newRow("Natal") << QStringList{"mnuNatal"} << "mnuNatal";
    QTest::newRow("South again keeps its mark") << QStringList{"mnuSouth"} << "mnuSouth";
    QTest::newRow("North then South") << QStringList{"mnuNorth", "mnuSouth"} << "mnuSouth";
    QTest::newRow("Natal twice") << QStringList{"mnuNatal", "mnuNatal"} << "mnuNatal";
}

void MdiTest::chartStyleGroup() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);
    Window window;
    window.mdi.show();
    for (const QString& click : clicks) window.click(click);
    QCOMPARE(Checked(window, kStyleItems), QStringList{expected});
    // The South chart is the picture of boxes; North and East are painted.
    const ResultsForm* form = window.mdi.display();
    const ChartStyle style = expected == "mnuNorth"   ? ChartStyle::North
                             : expected == "mnuNatal" ? ChartStyle::East
                                                      : ChartStyle::South;
    QCOMPARE(form->chartStyle(), style);
    QCOMPARE(form->chart()->isVisible(), style == ChartStyle::South);
    QCOMPARE(form->paintedChart()->isVisible(), style != ChartStyle::South);
    QCOMPARE(form->paintedChart()->geometry(), form->chart()->geometry());
    QCOMPARE(form->paintedChart()->drawing().style, style);
    // Remembered for the next window, and the next run.
    Window next;
    QCOMPARE(Checked(next, kStyleItems), QStringList{expected});
    QCOMPARE(next.mdi.display()->chartStyle(), style);
}

void MdiTest::colourStyleNeverChanges() {
    Window window;
    for (const char* click : {"mnuColorOn", "mnuColorOff", "mnuColorOn", "mnuColorOff"}) {
        window.click(click);
        QVERIFY(!window.checked(QStringLiteral("mnuColorOn")));
        QVERIFY(window.checked(QStringLiteral("mnuColorOff")));
    }
}

// The Delhi 1985 sample: what Cancer holds in each chart (the signs are those
// worked by hand in the core's divisional tests) and the chart's name.
void MdiTest::chartSelection_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("cancer");
    QTest::addColumn<QString>("name");
    const QString birth = QStringLiteral("Surya\r\nChandra\r\nBudha\r\nMangala");
    QTest::newRow("Navamsa") << QStringList{"mnuSub_Navamsa"} << "mnuSub_Navamsa"
                             << ""
                             << "Navamsa (D9)";
    QTest::newRow("Navamsa then Hora")
        << QStringList{"mnuSub_Navamsa", "mnuSub_Hora"} << "mnuSub_Hora"
        << "Chandra\r\nShukra\r\nShani\r\nRahu\r\nKetu"
        << "Hora (D2)";
    QTest::newRow("Hora then Chart") << QStringList{"mnuSub_Navamsa", "mnuSub_Hora", "mnuChart"}
                                     << "mnuChart" << birth << "Rasi";
    QTest::newRow("Chart again keeps its mark")
        << QStringList{"mnuChart"} << "mnuChart" << birth << "Rasi";
    QTest::newRow("Dasamsa twice")
        << QStringList{"mnuSub_Dasamsa", "mnuSub_Dasamsa"} << "mnuSub_Dasamsa"
        << "Chandra\r\nShani"
        << "Dasamsa (D10)";
    QTest::newRow("Dwadasamsa") << QStringList{"mnuSub_Dwadasamsa"} << "mnuSub_Dwadasamsa"
                                << "Guru"
                                << "Dwadasamsa (D12)";
    QTest::newRow("Drekkana, Sapthamsa")
        << QStringList{"mnuSub_Drekkana", "mnuSub_Sapthamsa"} << "mnuSub_Sapthamsa"
        << "Surya"
        << "Sapthamsa (D7)";
}

void MdiTest::chartSelection() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);
    Window window;
    window.mdi.show();
    for (const QString& click : clicks) window.click(click);
    QFETCH(QString, cancer);
    QFETCH(QString, name);
    QCOMPARE(Checked(window, kChartItems), QStringList{expected});
    // The chart takes the chosen chart's signs; everything else stays the
    // birth chart's.
    const ResultsForm* form = window.mdi.display();
    QVERIFY(form->isVisible());
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("lblPlanets_3"))->text(), cancer);
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("lblChartName"))->text(), name);
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Planet_0"))->text(),
             QStringLiteral("28 Can 52"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("lblLagna"))->text(), QStringLiteral("Kanya"));
    QCOMPARE(form->paintedChart()->drawing().title, name.toStdString());
}

void MdiTest::webPages_data() {
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("address");
    const QString help = QString::fromUtf8(kOnlineHelpAddress.data(), kOnlineHelpAddress.size());
    QTest::newRow("online help") << "mnuOnline" << help;
    QTest::newRow("toolbar Help does what Online Help does") << "TB_Help" << help;
    QTest::newRow("visit us") << "mnuVisit"
                              << QString::fromUtf8(kSiteAddress.data(), kSiteAddress.size());
    QTest::newRow("check for update")
        << "mnuUpdate" << QString::fromUtf8(kDownloadAddress.data(), kDownloadAddress.size());
}

void MdiTest::webPages() {
    QFETCH(QString, click);
    QFETCH(QString, address);
    Window window;
    window.click(click);
    QCOMPARE(window.dialogs.webAddresses, QList<QString>{address});
}

void MdiTest::webPageWithoutABrowserShowsItsAddress() {
    QFETCH(QString, click);
    QFETCH(QString, address);
    Window window;
    window.dialogs.webBrowserAvailable = false;
    window.click(click);
    QCOMPARE(window.dialogs.messages.size(), 1);
    QVERIFY(window.dialogs.lastMessage().endsWith(QLatin1Char('\n') + address));
    QVERIFY(window.dialogs.messages.front().icon == MessageIcon::Error);
}

void MdiTest::aboutBoxRunsModally() {
    Window window;
    window.click(QStringLiteral("mnuAbout"));
    QCOMPARE(window.dialogs.modalDialogs, QList<QString>{QStringLiteral("frmAbout")});
}

void MdiTest::commands_data() {
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("signal");
    QTest::newRow("Back button") << "cmdBack"
                                 << "backRequested";
    QTest::newRow("Back item") << "mnuBack"
                               << "backRequested";
    QTest::newRow("New item") << "mnuNew"
                              << "newRequested";
    QTest::newRow("toolbar New") << "TB_New"
                                 << "newRequested";
    QTest::newRow("Open item") << "mnuOpen"
                               << "openRequested";
    QTest::newRow("Exit button") << "cmdExit"
                                 << "exitRequested";
    QTest::newRow("Exit item") << "mnuExit"
                               << "exitRequested";
    QTest::newRow("Save As item") << "mnuSaveAsText"
                                  << "saveRequested";
    QTest::newRow("toolbar Save") << "TB_Save"
                                  << "saveRequested";
    QTest::newRow("Export item") << "mnuExport"
                                 << "exportRequested";
    QTest::newRow("JPEG button") << "cmdSaveAsJPEG"
                                 << "saveJpegRequested";
    QTest::newRow("JPEG item") << "mnuSaveAsJpeg"
                               << "saveJpegRequested";
}

void MdiTest::commands() {
    QFETCH(QString, click);
    QFETCH(QString, signal);
    Window window;
    window.mdi.show();
    const char* const signalNames[] = {"backRequested",    "newRequested",  "openRequested",
                                       "exitRequested",    "saveRequested", "exportRequested",
                                       "saveJpegRequested"};
    QList<QSignalSpy*> spies;
    for (const char* name : signalNames) {
        const QByteArray signature = QByteArray("2") + name + "()";
        spies << new QSignalSpy(&window.mdi, signature.constData());
    }
    window.click(click);
    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies[i]->count(), QLatin1String(signalNames[i]) == signal ? 1 : 0);
    qDeleteAll(spies);
    // A command answered elsewhere shows nothing here.
    QVERIFY(window.dialogs.messages.isEmpty());
    QVERIFY(window.dialogs.printerRequests.isEmpty());
}

void MdiTest::titleBarCloseIsExit_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("exits");
    QTest::newRow("close alone ends the program") << "" << 1;
    QTest::newRow("close after Exit is not a second exit") << "cmdExit" << 1;
    QTest::newRow("close after Back is no exit") << "cmdBack" << 0;
    QTest::newRow("close after New is no exit") << "mnuNew" << 0;
}

void MdiTest::titleBarCloseIsExit() {
    QFETCH(QString, before);
    QFETCH(int, exits);
    Window window;
    window.mdi.show();
    QSignalSpy exit(&window.mdi, &ResultsWindow::exitRequested);
    if (!before.isEmpty()) window.click(before);
    window.mdi.close();
    QCOMPARE(exit.count(), exits);
}

void MdiTest::bottomButtonsStayRightAligned_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("restored, 606") << 606;
    QTest::newRow("640") << 640;
    QTest::newRow("800") << 800;
    QTest::newRow("1024") << 1024;
    QTest::newRow("1280") << 1280;
    QTest::newRow("1917, odd") << 1917;
}

void MdiTest::bottomButtonsStayRightAligned() {
    QFETCH(int, width);
    Window window;
    window.mdi.show();
    window.mdi.resize(width, 600);
    QApplication::processEvents();
    QWidget* bar = window.mdi.findChild<QWidget*>(QStringLiteral("Picture1"));
    QCOMPARE(bar->width(), width);
    auto button = [&](const char* name) {
        return window.mdi.findChild<QPushButton*>(QLatin1String(name))->geometry();
    };
    const QRect jpeg = button("cmdSaveAsJPEG");
    const QRect back = button("cmdBack");
    const QRect exit = button("cmdExit");
    // 300 twips (20 pixels) from the right edge, 100 twips (6 to 7 pixels) apart.
    QCOMPARE(width - (exit.right() + 1), 20);
    QVERIFY(exit.left() - (back.right() + 1) >= 6 && exit.left() - (back.right() + 1) <= 7);
    QVERIFY(back.left() - (jpeg.right() + 1) >= 6 && back.left() - (jpeg.right() + 1) <= 7);
    // Sizes and tops stay as drawn: 1575, 1095, 1095 by 400 twips at 120.
    QCOMPARE(jpeg.size(), QSize(105, 26));
    QCOMPARE(back.size(), QSize(73, 26));
    QCOMPARE(exit.size(), QSize(73, 26));
    QCOMPARE(jpeg.top(), 8);
    QCOMPARE(exit.top(), 8);
    // The heading stays centred.
    const QRect heading = window.mdi.findChild<QLabel*>(QStringLiteral("lblHeading"))->geometry();
    QVERIFY(qAbs(heading.center().x() - width / 2) <= 1);
}

void MdiTest::formPlacedInWorkspace_data() {
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<bool>("centred");
    QTest::newRow("wide window: centred at the top") << QSize(1200, 900) << true;
    QTest::newRow("restored window: at the left, with scroll bars") << QSize(606, 399) << false;
}

void MdiTest::formPlacedInWorkspace() {
    QFETCH(QSize, windowSize);
    QFETCH(bool, centred);
    Window window;
    window.mdi.show();
    window.mdi.resize(windowSize);
    QApplication::processEvents();
    QScrollArea* workspace = window.mdi.findChild<QScrollArea*>(QStringLiteral("workspace"));
    QVERIFY(workspace);
    ResultsForm* form = window.mdi.display();
    QCOMPARE(form->y(), 0);
    const int viewportWidth = workspace->viewport()->width();
    if (centred) {
        QVERIFY(viewportWidth > form->width());
        QVERIFY(qAbs(form->x() - (viewportWidth - form->width()) / 2) <= 1);
    } else {
        QCOMPARE(form->x(), 0);
        QVERIFY(workspace->horizontalScrollBar()->maximum() > 0);
        QVERIFY(workspace->verticalScrollBar()->maximum() > 0);
    }
    // Never off the workspace's left edge, whatever the screen's width.
    QVERIFY(form->x() >= 0);
}

void MdiTest::printCancelDoesNothing() {
    Window window;
    QTemporaryDir folder;
    window.dialogs.printerOutputFile = folder.filePath(QStringLiteral("page.pdf"));
    window.dialogs.printerReplies.enqueue(false);
    window.click(QStringLiteral("mnuPrint"));
    QCOMPARE(window.dialogs.printerRequests.size(), 1);
    // Printing to a PDF file is offered, for a user without a printer.
    QVERIFY(window.dialogs.printerRequests.front().allowPrintToFile);
    QVERIFY(!window.dialogs.printerRequests.front().showPageRange);
    QVERIFY(!QFileInfo::exists(window.dialogs.printerOutputFile));
    QVERIFY(window.dialogs.messages.isEmpty());
}

// A confirmed dialog with no printer behind it (nor a file to print to).
void MdiTest::printWithNoPrinterSaysSo() {
    Window window;
    window.dialogs.printerReplies.enqueue(true);
    window.click(QStringLiteral("mnuPrint"));
    QCOMPARE(window.dialogs.messages.size(), 1);
    QCOMPARE(window.dialogs.lastMessage(), QStringLiteral("No printer is available."));
    QVERIFY(window.dialogs.messages.front().icon == MessageIcon::Error);
}

void MdiTest::printWritesTheFormToThePage() {
    QTemporaryDir folder;
    // An empty page from the same printer settings, to compare against.
    const QString emptyPath = folder.filePath(QStringLiteral("empty.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(emptyPath);
        QPainter painter(&printer);
    }
    Window window;
    window.dialogs.printerOutputFile = folder.filePath(QStringLiteral("page.pdf"));
    window.dialogs.printerReplies.enqueue(true);
    window.click(QStringLiteral("TB_Print"));
    QCOMPARE(window.dialogs.printerRequests.size(), 1);
    const QFileInfo page(window.dialogs.printerOutputFile);
    QVERIFY(page.exists());
    QVERIFY2(page.size() > QFileInfo(emptyPath).size() + 5000,
             qPrintable(QStringLiteral("%1 bytes against %2 for an empty page")
                            .arg(page.size())
                            .arg(QFileInfo(emptyPath).size())));
    // Vector text and lines, not a picture of the screen: a small file whose
    // words can be found.
    QVERIFY2(page.size() < 200 * 1024, qPrintable(QString::number(page.size())));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {page.filePath(), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString words = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(words.contains(QStringLiteral("Kuja Dosha Interpretation")), qPrintable(words));
    QVERIFY(window.dialogs.messages.isEmpty());
}

void MdiTest::paintFittedKeepsProportions_data() {
    QTest::addColumn<QSize>("pageSize");
    QTest::addColumn<QRect>("expected");
    // The form is 726 x 590: the Delhi reading's lines lengthen its
    // interpretation frame.
    QTest::newRow("portrait page: full width, at the top")
        << QSize(1452, 2000) << QRect(0, 0, 1452, 1180);
    QTest::newRow("landscape page: full height, centred across")
        << QSize(2000, 1000) << QRect(385, 0, 1230, 1000);
    QTest::newRow("smaller than the form") << QSize(363, 400) << QRect(0, 0, 363, 295);
}

void MdiTest::paintFittedKeepsProportions() {
    QFETCH(QSize, pageSize);
    QFETCH(QRect, expected);
    Window window;
    QImage image(pageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QRect covered;
    {
        QPainter painter(&image);
        covered = PaintFormFitted(*window.mdi.display(), painter, image.rect());
    }
    QCOMPARE(covered, expected);
    // The form's text and chart are on the page; nothing is drawn beside it.
    QVERIFY2(InkShare(image, covered) > 0.2, "the page is blank");
    if (covered.left() > 0)
        QCOMPARE(InkShare(image, QRect(0, 0, covered.left(), pageSize.height())), 0.0);
    if (covered.bottom() + 1 < pageSize.height())
        QCOMPARE(InkShare(image, QRect(0, covered.bottom() + 1, pageSize.width(),
                                       pageSize.height() - covered.bottom() - 1)),
                 0.0);
    // The amber chart appears where it sits on the form, scaled with it.
    const double scale = static_cast<double>(covered.width()) / 726;
    // Off the centre, where the chart's name is written.
    const QPoint chartCentre =
        covered.topLeft() + QPoint(qRound(178 * scale), qRound((133 + 130) * scale));
    const QRgb amber = image.pixel(chartCentre);
    QVERIFY2(qRed(amber) > 200 && qBlue(amber) < 150, "no chart where the chart should be");
}

// "Save As &PDF…" and the toolbar's PDF button: the report of the reading on
// screen, in the style on screen, under the name chosen; a target the other
// saves refuse is refused the same way and stays as it was.
void MdiTest::saveAsPdf_data() {
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("menu, South") << "mnuSaveAsPdf"
                                 << "mnuSouth" << false;
    QTest::newRow("toolbar, North") << "TB_PDF"
                                    << "mnuNorth" << false;
    QTest::newRow("read-only target") << "mnuSaveAsPdf"
                                      << "mnuNatal" << true;
}

void MdiTest::saveAsPdf() {
    QFETCH(QString, click);
    QFETCH(QString, style);
    QFETCH(bool, readOnly);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("reading.pdf"));
    if (readOnly) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QVERIFY(old.setPermissions(QFileDevice::ReadOwner));
    }
    Window window;
    window.click(style);
    window.dialogs.saveReplies.enqueue(path);
    window.click(click);

    QCOMPARE(window.dialogs.saveRequests.size(), 1);
    QVERIFY(window.dialogs.saveRequests.front().initialName.endsWith(
        QString::fromStdString(orbalis::testing::DelhiBirth1985().name) + ".pdf"));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    if (readOnly) {
        QCOMPARE(bytes, QByteArray("old"));
        QVERIFY(
            window.dialogs.lastMessage().startsWith(QStringLiteral("Unable to save the file.")));
        return;
    }
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(window.dialogs.messages.isEmpty());
}

QTEST_MAIN(MdiTest)
#include "tst_results_window.moc"
