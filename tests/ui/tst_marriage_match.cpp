#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/results_actions.h"
#include "dosha/manglik_status.h"
#include "reading/reading.h"
#include "reading/reading_file.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/dosha_details/kuja_dosha_details_window.h"
#include "ui/match/match_window.h"
#include "ui/match/vashya_setting.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using namespace orbalis;
using orbalis::testing::FakeDialogs;

namespace {

// Ravi Kumar's reading (Delhi, 1985) on screen, matched with Kiran Rao's
// (Mumbai, 1987) saved in a file, or with another; `raviIsBride` answers the
// question.
struct Match {
    FakeDialogs dialogs;
    std::unique_ptr<ResultsWindow> mdi;
    QPointer<MatchWindow> window;

    explicit Match(bool raviIsBride,
                   const FormEntries& saved = orbalis::testing::MumbaiEntries1987()) {
        const BirthDetails birth = BirthDetailsFromForm(orbalis::testing::DelhiEntries());
        ChartReading reading;
        const ReadingDisplay display = ComputeReading(birth, reading);
        mdi = std::make_unique<ResultsWindow>(dialogs, birth);
        ConnectResultsActions(*mdi, dialogs);
        mdi->display()->ShowReading(reading, display);
        const std::string bytes = EncodeReadingFile(BirthDetailsFromForm(saved));
        QFile file(folder.filePath(QStringLiteral("kiran.orb")));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), qint64(bytes.size()));
        file.close();
        dialogs.openReplies.enqueue(file.fileName());
        dialogs.yesNoReplies.enqueue(raviIsBride);
        mdi->findChild<QAction*>(QStringLiteral("mnuMatch"))->trigger();
        window = mdi->findChild<MatchWindow*>();
    }
    QString label(const QString& name) const {
        QLabel* label = window->findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<no %1>").arg(name);
    }
    QTemporaryDir folder;
};

}  // namespace

class MarriageMatchTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void matchEachWayRound_data() {
        QTest::addColumn<bool>("raviIsBride");
        QTest::addColumn<QString>("groom");
        QTest::addColumn<QString>("varna");
        QTest::addColumn<QString>("gana");
        QTest::addColumn<QString>("manglikParty");
        QTest::newRow("Ravi the groom")
            << false << "Groom: Ravi Kumar, Moon in Cancer, Pushya, pada 3"
            << "1 of 1"
            << "0 of 6"
            << "Ravi Kumar, Mars in Cancer";
        QTest::newRow("Ravi the bride") << true << "Groom: Kiran Rao, Moon in Leo, Magha, pada 3"
                                        << "0 of 1"
                                        << "1 of 6"
                                        << "Kiran Rao, Mars in Taurus";
    }

    void matchEachWayRound() {
        QFETCH(bool, raviIsBride);
        QFETCH(QString, groom);
        QFETCH(QString, varna);
        QFETCH(QString, gana);
        QFETCH(QString, manglikParty);
        Match match(raviIsBride);
        QVERIFY2(match.window, qPrintable(match.dialogs.lastMessage()));
        QVERIFY(match.dialogs.questions.back().text.startsWith("Is Ravi Kumar the bride?"));
        QCOMPARE(match.label("lblGroom"), groom);
        QCOMPARE(match.label("lblKootaPoints_0"), varna);
        QCOMPARE(match.label("lblKootaPoints_5"), gana);
        QCOMPARE(match.label("lblTotal"),
                 QStringLiteral("Total: 17.5 of 36 gunas (not recommended)"));
        QCOMPARE(match.label("lblParty_0"), manglikParty);
        QCOMPARE(match.label("lblConclusion"),
                 QStringLiteral("Kuja dosha is not balanced: only Kiran Rao is Manglik (High "
                                "Manglik)."));
        QCOMPARE(match.label("lblSameBirth"), QStringLiteral("<no lblSameBirth>"));

        match.window->findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(MatchSheetText(match.window->matchSheet())));

        // Save As PDF and Print (to a file) give the couple's report, offered
        // under both names.
        const QString pdf = match.folder.filePath(QStringLiteral("match.pdf"));
        match.dialogs.saveReplies.enqueue(pdf);
        match.window->findChild<QPushButton*>(QStringLiteral("cmdSavePdf"))->click();
        const QString groomName = raviIsBride ? "Kiran Rao" : "Ravi Kumar";
        const QString brideName = raviIsBride ? "Ravi Kumar" : "Kiran Rao";
        QVERIFY(match.dialogs.saveRequests.back().initialName.endsWith(
            QStringLiteral("/%1 and %2 - match.pdf").arg(groomName, brideName)));
        match.dialogs.printerOutputFile = match.folder.filePath(QStringLiteral("printed.pdf"));
        match.dialogs.printerReplies.enqueue(true);
        match.window->findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
        for (const QString& path : {pdf, match.dialogs.printerOutputFile}) {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(60000));
            const QString words = QString::fromUtf8(pdftotext.readAllStandardOutput());
            for (const QString& expected :
                 {QStringLiteral("Ashtakoota (36 gunas)"), groomName, QStringLiteral("Rasi")})
                QVERIFY2(words.contains(expected), qPrintable(path + ": " + expected));
        }
    }

    // Turning bride and groom round changes the kootas that read a direction
    // (varna, vashya, gana, bhakoot) and nothing else: the Moons, the Tara,
    // Yoni, Graha maitri and Nadi points and the Manglik balance stay.
    void swapChangesTheDirectionalKootasOnly() {
        Match match(false);
        QVERIFY(match.window);
        const CoupleMatch before = match.window->match();
        match.window->findChild<QPushButton*>(QStringLiteral("cmdSwap"))->click();
        const CoupleMatch after = match.window->match();

        QCOMPARE(after.groom.name, before.bride.name);
        QVERIFY(after.moons.groom == before.moons.bride && after.moons.bride == before.moons.groom);
        for (matching::Koota koota : {matching::Koota::Tara, matching::Koota::Yoni,
                                      matching::Koota::GrahaMaitri, matching::Koota::Nadi})
            QCOMPARE(after.moons.ashtakoota.points(koota), before.moons.ashtakoota.points(koota));
        for (matching::Koota koota : {matching::Koota::Varna, matching::Koota::Gana})
            QVERIFY(after.moons.ashtakoota.points(koota) != before.moons.ashtakoota.points(koota));
        QCOMPARE(after.manglik.balanced, before.manglik.balanced);
        QCOMPARE(match.label("lblGroom"),
                 QStringLiteral("Groom: Kiran Rao, Moon in Leo, Magha, pada 3"));

        // Swapping back gives the first match again.
        match.window->findChild<QPushButton*>(QStringLiteral("cmdSwap"))->click();
        QVERIFY(match.window->match().moons == before.moons);
    }

    // The asymmetric vashya table is a setting: chosen in one match window, it
    // is the one the next opens with.
    void vashyaTableIsRemembered() {
        SaveVashyaPoints(matching::VashyaPoints::Symmetric);
        {
            Match match(false);
            QVERIFY(match.window);
            QCOMPARE(match.label("lblKootaPoints_1"), QStringLiteral("1 of 2"));
            match.window->findChild<QRadioButton*>(QStringLiteral("optVashyaAsymmetric"))->click();
            QCOMPARE(match.label("lblKootaPoints_1"), QStringLiteral("0 of 2"));
        }
        Match next(false);
        QVERIFY(next.window->findChild<QRadioButton*>(QStringLiteral("optVashyaAsymmetric"))
                    ->isChecked());
        QCOMPARE(next.label("lblKootaPoints_1"), QStringLiteral("0 of 2"));
        SaveVashyaPoints(matching::VashyaPoints::Symmetric);
    }

    void readingMatchedWithItselfIsNamed() {
        Match match(false, orbalis::testing::DelhiEntries());
        QVERIFY(match.window);
        QCOMPARE(match.label("lblSameBirth"),
                 QStringLiteral("Both readings are of the same birth: a reading matched with "
                                "itself."));
    }

    // The test runs on a laptop's screen, 1366 × 768: the window opens
    // wholly on it with its controls and buttons in view, and the Manglik
    // conclusion and the summary a scroll away; made smaller, it keeps them.
    void fitsALaptopScreen() {
        Match match(false);
        QVERIFY(match.window && QTest::qWaitForWindowExposed(match.window));
        const QScreen* screen = match.window->screen();
        QCOMPARE(screen->geometry().size(), QSize(1366, 768));
        QVERIFY(screen->availableGeometry().contains(match.window->frameGeometry()));
        auto* area = match.window->findChild<QScrollArea*>(QStringLiteral("scrSheet"));
        const auto inside = [](const QWidget* child, const QWidget* frame) {
            return frame->rect().contains(QRect(child->mapTo(frame, QPoint()), child->size()));
        };
        for (const QSize size : {match.window->size(), QSize(800, 420)}) {
            match.window->resize(size);
            QCoreApplication::processEvents();
            QVERIFY(area->verticalScrollBar()->maximum() > 0);
            for (const char* name : {"cmdClose", "cmdSwap", "optVashyaAsymmetric"})
                QVERIFY2(inside(match.window->findChild<QWidget*>(name), match.window), name);
            for (const char* name : {"lblConclusion", "lblSummary"}) {
                auto* label = match.window->findChild<QLabel*>(name);
                area->ensureWidgetVisible(label, 0, 0);
                QVERIFY2(inside(label, area->viewport()), name);
            }
        }
    }

    // Both windows on the report-window base: every button has an access key
    // of its own, and Escape closes the window from any control.
    void reportWindowsHaveOwnKeysAndCloseOnEscape_data() {
        QTest::addColumn<bool>("details");
        QTest::newRow("match window") << false;
        QTest::newRow("details window") << true;
    }

    void reportWindowsHaveOwnKeysAndCloseOnEscape() {
        QFETCH(bool, details);
        Match match(false);
        QVERIFY(match.window);
        QPointer<ReportWindow> window = match.window.data();
        if (details) {
            window = new KujaDoshaDetailsWindow(match.dialogs,
                                                AssessManglik(match.window->match().groom.analysis),
                                                QStringLiteral("Ravi Kumar"));
            match.window->close();
            window->show();
        }
        QSet<QChar> keys;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const qsizetype at = button->text().indexOf(u'&');
            QVERIFY2(at >= 0 && at + 1 < button->text().size(), qPrintable(button->text()));
            const QChar key = button->text().at(at + 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(button->text()));
            keys.insert(key);
        }
        QTest::keyClick(window->findChild<QPushButton*>(QStringLiteral("cmdCopy")), Qt::Key_Escape);
        QTRY_VERIFY(!window);
    }
};

QTEST_MAIN(MarriageMatchTest)
#include "tst_marriage_match.moc"
