#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/application.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/birth_details/birth_details_window.h"
#include "ui/common/positions_setting.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using namespace orbalis;
using orbalis::testing::FakeDialogs;

namespace {

// Every text of the results form, by control name.
QMap<QString, QString> FormTexts(const ResultsWindow& window) {
    QMap<QString, QString> texts;
    for (const QLabel* label : window.display()->findChildren<QLabel*>())
        texts.insert(label->objectName(), label->text());
    return texts;
}

bool Checked(const ResultsWindow& window, const char* name) {
    const auto* item = window.findChild<QAction*>(QString::fromLatin1(name));
    return item && item->isChecked();
}

// The program with the Delhi 1985 reading on screen, from the birth-details
// window.
struct DelhiSession {
    FakeDialogs dialogs;
    OrbalisApplication application{dialogs};
    ResultsWindow* window = nullptr;

    DelhiSession() {
        application.Start();
        application.mainForm().setEntries(orbalis::testing::DelhiEntries());
        application.mainForm().findChild<QPushButton*>("cmdCalculate")->click();
        window = application.resultsWindow();
        if (!window) qFatal("no results window for the Delhi reading");
    }
};

}  // namespace

// The "Positions" group of the results window's View menu.
class PositionsModeTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }
    void cleanup() { SavePositionsMode(PositionsMode::Classic); }

    void switchingRecomputesAndSwitchingBackRestoresClassic() {
        DelhiSession session;
        ResultsWindow* window = session.window;
        QVERIFY(Checked(*window, "mnuPositionsClassic"));
        QVERIFY(!Checked(*window, "mnuPositionsPrecise"));
        const QMap<QString, QString> classic = FormTexts(*window);
        const ChartReading classicReading = session.application.chartReading;
        QCOMPARE(classic["lblPositions"], QStringLiteral("Positions: classic"));

        window->findChild<QAction*>("mnuPositionsPrecise")->trigger();
        QVERIFY(Checked(*window, "mnuPositionsPrecise"));
        QVERIFY(!Checked(*window, "mnuPositionsClassic"));
        const QMap<QString, QString> precise = FormTexts(*window);
        QCOMPARE(precise["lblPositions"], QStringLiteral("Positions: precise (Swiss Ephemeris)"));
        QCOMPARE(precise["Planet_0"], QStringLiteral("28 Can 39"));  // classic: 28 Can 52
        QVERIFY(precise["lblAyanamsha"] != classic["lblAyanamsha"]);
        QCOMPARE(LoadPositionsMode(), PositionsMode::Precise);

        window->findChild<QAction*>("mnuPositionsClassic")->trigger();
        QCOMPARE(FormTexts(*window), classic);
        QVERIFY(session.application.chartReading == classicReading);
        QVERIFY(session.dialogs.messages.isEmpty());
    }

    void chosenModeIsRememberedForTheNextRun() {
        SavePositionsMode(PositionsMode::Precise);
        DelhiSession session;
        QVERIFY(Checked(*session.window, "mnuPositionsPrecise"));
        QCOMPARE(FormTexts(*session.window)["Planet_0"], QStringLiteral("28 Can 39"));
    }

    // A birth the ephemeris cannot serve keeps the reading on screen as it
    // was, with its mark, and says why.
    void refusedSwitchKeepsTheReading() {
        DelhiSession session;
        ResultsWindow* window = session.window;
        FakeDialogs& dialogs = session.dialogs;
        const QMap<QString, QString> before = FormTexts(*window);
        session.application.birthDetails.year = 9999;

        window->findChild<QAction*>("mnuPositionsPrecise")->trigger();
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.contains("Swiss Ephemeris"));
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Error);
        QVERIFY(Checked(*window, "mnuPositionsClassic"));
        QVERIFY(!Checked(*window, "mnuPositionsPrecise"));
        QCOMPARE(FormTexts(*window), before);
        QCOMPARE(LoadPositionsMode(), PositionsMode::Classic);
    }
};

QTEST_MAIN(PositionsModeTest)
#include "tst_positions_mode.moc"
