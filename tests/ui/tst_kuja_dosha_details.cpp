#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/results_actions.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/kuja_dosha_details_text.h"
#include "dosha/manglik_status.h"
#include "reading/reading.h"
#include "reading/reading_file.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/dosha_details/kuja_dosha_details_window.h"
#include "ui/match/match_window.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using namespace orbalis;
using orbalis::testing::FakeDialogs;

namespace {

// A results window showing the reading of `birth`, computed or given.
struct Window {
    FakeDialogs dialogs;
    ResultsWindow mdi;

    Window(const BirthDetails& birth, const ChartReading& reading, const ReadingDisplay& display)
        : mdi(dialogs, birth) {
        ConnectResultsActions(mdi, dialogs);
        mdi.display()->ShowReading(reading, display);
    }
    static Window* Computed(const FormEntries& entries) {
        const BirthDetails birth = BirthDetailsFromForm(entries);
        ChartReading reading;
        const ReadingDisplay display = ComputeReading(birth, reading);
        return new Window(birth, reading, display);
    }
    void trigger(const char* name) {
        QAction* item = mdi.findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(item, name);
        item->trigger();
    }
    QString label(QWidget* window, const QString& name) {
        QLabel* label = window->findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<no %1>").arg(name);
    }
};

Window* DelhiWindow() {
    return new Window(orbalis::testing::DelhiBirth1985(), orbalis::testing::DelhiReading1985(),
                      orbalis::testing::DelhiDisplay1985());
}

QString WriteReadingFile(const QTemporaryDir& folder, const QString& name,
                         const FormEntries& entries, int lines = kReadingFileLineCount) {
    std::string bytes = EncodeReadingFile(BirthDetailsFromForm(entries));
    // Keep only the first `lines` lines.
    std::size_t end = 0;
    for (int line = 0; line < lines; ++line) end = bytes.find("\r\n", end) + 2;
    bytes.resize(end);
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.fileName();
}

}  // namespace

class KujaDoshaDetailsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void detailsWindowShowsEveryRowOfTheDelhiReading_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("house");
        QTest::addColumn<QString>("doshaHouse");
        QTest::addColumn<QString>("verdict");
        // Delhi, 15 August 1985, 10:30 IST: Mars in Cancer with the Moon.
        const QString withMoon =
            QStringLiteral("dosha, cancelled by Mars with Jupiter or the Moon");
        QTest::newRow("Lagna") << 0 << "Lagna in Virgo"
                               << "11th house"
                               << "no"
                               << "no dosha";
        QTest::newRow("Moon") << 1 << "Moon (Chandra) in Cancer"
                              << "1st house"
                              << "yes" << withMoon;
        QTest::newRow("Venus") << 2 << "Venus (Shukra) in Gemini"
                               << "2nd house"
                               << "yes" << withMoon;
    }

    void detailsWindowShowsEveryRowOfTheDelhiReading() {
        QFETCH(int, row);
        QFETCH(QString, from);
        QFETCH(QString, house);
        QFETCH(QString, doshaHouse);
        QFETCH(QString, verdict);
        std::unique_ptr<Window> window(DelhiWindow());
        window->trigger("mnuKujaDoshaDetails");
        auto* details = window->mdi.findChild<KujaDoshaDetailsWindow*>();
        QVERIFY(details);
        QTRY_VERIFY(details->isVisible());
        QCOMPARE(window->label(details, QStringLiteral("lblFrom_%1").arg(row)), from);
        QCOMPARE(window->label(details, QStringLiteral("lblHouse_%1").arg(row)), house);
        QCOMPARE(window->label(details, QStringLiteral("lblDoshaHouse_%1").arg(row)), doshaHouse);
        QCOMPARE(window->label(details, QStringLiteral("lblVerdict_%1").arg(row)), verdict);
        QCOMPARE(window->label(details, QStringLiteral("lblName")),
                 QStringLiteral("Name: Asha Verma"));
        QCOMPARE(window->label(details, QStringLiteral("lblMars")),
                 QStringLiteral("Mars in Cancer"));
        // The one rule that holds is explained, and the note tells the two verdicts apart.
        QVERIFY(window->label(details, QStringLiteral("lblCancellation_0"))
                    .contains(QStringLiteral("restrained by the great benefic")));
        QVERIFY(!details->findChild<QLabel*>(QStringLiteral("lblCancellation_1")));
        QCOMPARE(window->label(details, QStringLiteral("lblNote")),
                 QString::fromUtf8(kClassicalRuleNote.data(), kClassicalRuleNote.size()));
        QCOMPARE(window->label(details, QStringLiteral("lblManglikStatus")),
                 QStringLiteral("Manglik status: Manglik, cancelled \u2014 Mars with the Moon."));
        QVERIFY(!details->findChild<QLabel*>(QStringLiteral("lblRemediesHeading")));
    }

    // The Moon's own pada beside the form's figure, and how long each answer
    // holds around the birth time.
    void detailsWindowShowsTheMoonsPadaAndFirmness() {
        std::unique_ptr<Window> window(Window::Computed(orbalis::testing::DelhiEntries()));
        window->trigger("mnuKujaDoshaDetails");
        auto* details = window->mdi.findChild<KujaDoshaDetailsWindow*>();
        QVERIFY(details);
        QCOMPARE(window->label(details, QStringLiteral("lblMoonPada")),
                 QStringLiteral("Nakshatra Pushya, the Moon in pada 3"));
        QVERIFY(details->findChild<QLabel*>(QStringLiteral("lblMoonPada"))
                    ->toolTip()
                    .contains(QStringLiteral("(4) counts the quarters of Pushya")));
        QCOMPARE(window->label(details, QStringLiteral("lblFirmnessItem_0")),
                 QStringLiteral("Lagna sign"));
        QCOMPARE(window->label(details, QStringLiteral("lblFirmnessHolds_0")),
                 QStringLiteral("holds from 08:19 to 10:34"));
        QCOMPARE(details->findChildren<QLabel*>(QRegularExpression("^lblFirmnessHolds_")).size(),
                 kFirmnessItemCount);
        QVERIFY(details->plainText().contains(QStringLiteral("Lagna sign")));
    }

    // A Manglik status heads the window with its reasons; the remedies
    // follow under their heading (never for a status that is not Manglik).
    void statusWithReasonsAndRemedies() {
        std::unique_ptr<Window> window(Window::Computed(orbalis::testing::MumbaiEntries1987()));
        window->trigger("mnuKujaDoshaDetails");
        auto* details = window->mdi.findChild<KujaDoshaDetailsWindow*>();
        QVERIFY(details);
        QCOMPARE(window->label(details, QStringLiteral("lblManglikStatus")),
                 QStringLiteral("Manglik status: High Manglik \u2014 Mars in the 2nd from the "
                                "Lagna and the 4th from Venus."));
        QVERIFY(window->label(details, QStringLiteral("lblManglikReasons"))
                    .endsWith(QStringLiteral("\nHigh: the dosha stands from two references.")));
        QCOMPARE(window->label(details, QStringLiteral("lblRemediesHeading")),
                 QStringLiteral("Traditional remedies (parihara)"));
    }

    void toolbarButtonOpensTheSameWindow() {
        std::unique_ptr<Window> window(DelhiWindow());
        QAction* button = window->mdi.findChild<QAction*>(QStringLiteral("TB_Details"));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QStringLiteral("Kuja Dosha Details"));
        QVERIFY(!button->icon().isNull());
        button->trigger();
        window->trigger("mnuKujaDoshaDetails");
        QCOMPARE(window->mdi.findChildren<KujaDoshaDetailsWindow*>().size(), 1);
    }

    void copyAndPrint() {
        std::unique_ptr<Window> window(DelhiWindow());
        window->trigger("mnuKujaDoshaDetails");
        auto* details = window->mdi.findChild<KujaDoshaDetailsWindow*>();
        QVERIFY(details);

        details->findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
        const auto assessment = AssessManglik(orbalis::testing::DelhiReading1985());
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromStdString(KujaDoshaDetailsText(*assessment, "Asha Verma")) +
                     QStringLiteral("\nNakshatra Pushya, the Moon in pada 3\n"));

        // A confirmed dialog with no printer behind it says so.
        QPushButton* print = details->findChild<QPushButton*>(QStringLiteral("cmdPrint"));
        window->dialogs.printerReplies.enqueue(true);
        print->click();
        QCOMPARE(window->dialogs.lastMessage(), QStringLiteral("No printer is available."));

        QTemporaryDir folder;
        window->dialogs.printerOutputFile = folder.filePath(QStringLiteral("details.pdf"));
        print->click();  // no reply queued: the dialog is cancelled
        QVERIFY(!QFileInfo::exists(window->dialogs.printerOutputFile));
        window->dialogs.printerReplies.enqueue(true);
        print->click();
        QCOMPARE(window->dialogs.printerRequests.size(), 3);
        QVERIFY(window->dialogs.printerRequests.back().allowPrintToFile);
        QVERIFY(QFileInfo(window->dialogs.printerOutputFile).size() > 5000);

        // Save As PDF: the copied text as a document, its first line the
        // title and the name offered from it.
        const QString pdf = folder.filePath(QStringLiteral("details-saved.pdf"));
        window->dialogs.saveReplies.enqueue(pdf);
        details->findChild<QPushButton*>(QStringLiteral("cmdSavePdf"))->click();
        QVERIFY(window->dialogs.saveRequests.back().initialName.endsWith(
            QStringLiteral("/Kuja Dosha Details.pdf")));
        QFile saved(pdf);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("%PDF"));
    }

    void matchWithASavedReading_data() {
        QTest::addColumn<bool>("delhiOnScreen");
        QTest::addColumn<bool>("mumbaiSaved");
        QTest::addColumn<QString>("conclusion");
        QTest::addColumn<QString>("statuses");
        const QString onlyKiran =
            QStringLiteral("Kuja dosha is not balanced: only Kiran Rao is Manglik (High Manglik).");
        const QString ravi =
            QStringLiteral("Manglik status: Manglik, cancelled \u2014 Mars with the Moon.");
        const QString kiran = QStringLiteral(
            "Manglik status: High Manglik \u2014 Mars in the 2nd from the Lagna and the 4th from "
            "Venus.");
        QTest::newRow("Delhi on screen, Mumbai saved")
            << true << true << onlyKiran << ravi + "\n" + kiran;
        QTest::newRow("Mumbai on screen, Delhi saved")
            << false << false << onlyKiran << kiran + "\n" + ravi;
        QTest::newRow("Delhi with itself")
            << true << false << "Kuja dosha is balanced: neither is Manglik." << ravi + "\n" + ravi;
    }

    void matchWithASavedReading() {
        QFETCH(bool, delhiOnScreen);
        QFETCH(bool, mumbaiSaved);
        QFETCH(QString, conclusion);
        QFETCH(QString, statuses);
        const FormEntries delhi = orbalis::testing::DelhiEntries();
        const FormEntries mumbai = orbalis::testing::MumbaiEntries1987();
        QTemporaryDir folder;
        const QString saved =
            WriteReadingFile(folder, QStringLiteral("saved.orb"), mumbaiSaved ? mumbai : delhi);
        std::unique_ptr<Window> window(Window::Computed(delhiOnScreen ? delhi : mumbai));
        const ChartReading before = window->mdi.display()->reading();

        window->dialogs.openReplies.enqueue(saved);
        window->trigger("mnuMatch");
        auto* match = window->mdi.findChild<MatchWindow*>();
        QVERIFY2(match, qPrintable(window->dialogs.lastMessage()));
        QCOMPARE(window->dialogs.openRequests.front().title,
                 QStringLiteral("Select the source file"));
        QCOMPARE(window->label(match, QStringLiteral("lblConclusion")), conclusion);
        QCOMPARE(window->label(match, QStringLiteral("lblStatus_0")) + "\n" +
                     window->label(match, QStringLiteral("lblStatus_1")),
                 statuses);
        QVERIFY(window->label(match, QStringLiteral("lblParty_0"))
                    .startsWith(delhiOnScreen ? "Ravi Kumar" : "Kiran Rao"));
        QVERIFY(match->findChild<QWidget*>(QStringLiteral("tblClassical_1")));
        QVERIFY(window->mdi.display()->reading() == before);
    }

    void matchRefusesWhatOpenRefuses_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("not an orb name") << "saved.txt" << 17 << "Please Check The File.";
        QTest::newRow("no country line") << "short.orb" << 16 << "Please Enter Your Country name";
        QTest::newRow("cancelled") << QString() << 17 << QString();
    }

    void matchRefusesWhatOpenRefuses() {
        QFETCH(QString, fileName);
        QFETCH(int, lines);
        QFETCH(QString, message);
        QTemporaryDir folder;
        std::unique_ptr<Window> window(DelhiWindow());
        if (!fileName.isEmpty())
            window->dialogs.openReplies.enqueue(
                WriteReadingFile(folder, fileName, orbalis::testing::MumbaiEntries1987(), lines));
        window->trigger("mnuMatch");
        QVERIFY(!window->mdi.findChild<MatchWindow*>());
        QCOMPARE(window->dialogs.lastMessage(), message);
    }
};

QTEST_MAIN(KujaDoshaDetailsTest)
#include "tst_kuja_dosha_details.moc"
