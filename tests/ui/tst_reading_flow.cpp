#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/application.h"
#include "reading/reading.h"
#include "reading/reading_file.h"
#include "reading/text_export.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/birth_details/birth_details_window.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using orbalis::OrbalisApplication;
using orbalis::ResultsWindow;
using orbalis::testing::FakeDialogs;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename T>
T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no control named %s", name);
    return child;
}

// Delhi, 15 August 1985, 10:30 IST, 28°39' N 77°13' E.
void FillDelhi1985(QWidget& form) {
    Child<QLineEdit>(form, "txtName")->setText("Sample");
    Child<QComboBox>(form, "cboDate")->setCurrentIndex(14);
    Child<QComboBox>(form, "cboMonth")->setCurrentIndex(7);
    Child<QComboBox>(form, "cboYear")->setCurrentText("1985");
    Child<QComboBox>(form, "cboHour")->setCurrentIndex(10);
    Child<QComboBox>(form, "cboMinute")->setCurrentIndex(30);
    Child<QComboBox>(form, "cboTimeZone")->setCurrentIndex(34);
    Child<QLineEdit>(form, "txtLatDeg")->setText("28");
    Child<QLineEdit>(form, "txtLatMin")->setText("39");
    Child<QLineEdit>(form, "txtLonDeg")->setText("77");
    Child<QLineEdit>(form, "txtLonMin")->setText("13");
    Child<QLineEdit>(form, "txtCity")->setText(" New Delhi ");
    Child<QLineEdit>(form, "txtState")->setText("Delhi");
    Child<QLineEdit>(form, "txtCountry")->setText("India");
    Child<QRadioButton>(form, "optLat_0")->setChecked(true);
    Child<QRadioButton>(form, "optLong_0")->setChecked(true);
}

void PressReading(OrbalisApplication& application) {
    Child<QPushButton>(application.mainForm(), "cmdCalculate")->click();
}

// Starts the program and asks for the Delhi 1985 reading.
void StartDelhiReading(OrbalisApplication& application) {
    application.Start();
    FillDelhi1985(application.mainForm());
    PressReading(application);
}

// Clicks the button or triggers the menu item of that name, then lets
// windows that asked to go be deleted.
void Invoke(QWidget& window, const QString& name) {
    if (auto* button = window.findChild<QPushButton*>(name))
        button->click();
    else
        window.findChild<QAction*>(name)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Label(QWidget& window, const QString& name) {
    auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

}  // namespace

// A reading from the birth-details window to the results window and back,
// with the real windows and the recording dialogs.
class ReadingFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void readingFillsEveryLabelOfTheResultsWindow() {
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        StartDelhiReading(application);

        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastMessage()));
        ResultsWindow* results = application.resultsWindow();
        QVERIFY(results);
        QVERIFY(results->isVisible());
        QVERIFY(!application.mainForm().isVisible());

        // The same reading computed by the core alone.
        orbalis::ChartReading expected;
        const orbalis::ReadingDisplay display =
            orbalis::ComputeReading(application.birthDetails, expected);
        QVERIFY(expected == application.chartReading);
        QCOMPARE(application.birthDetails.city, std::string("New Delhi"));

        QWidget& form = *results->display();
        QCOMPARE(Label(form, "lblAyanamsha"), QString::fromUtf8("23° 39' 14\""));
        QCOMPARE(Label(form, "lblLagna"), QStringLiteral("Kanya"));
        QCOMPARE(Label(form, "lblNakshatra"), QStringLiteral("Pushya"));
        QCOMPARE(Label(form, "lblRashi"), QStringLiteral("Kataka"));
        QCOMPARE(Label(form, "lblPada"), Q(expected.pada));
        QCOMPARE(Label(form, "lblLord"), QStringLiteral("Saturn"));
        const char* positions[] = {"28 Can 52", "13 Can 07", "21 Can 37", "21 Gem 20",
                                   "20 Can 05", "17 Cap 15", "28 Lib 19"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(Label(form, QStringLiteral("Planet_%1").arg(i)),
                     QString::fromLatin1(positions[i]));
        for (int i = 0; i < 11; ++i)
            QCOMPARE(Label(form, QStringLiteral("Planet_%1").arg(i)),
                     Q(expected.planetPositionText[static_cast<std::size_t>(i)]));
        for (int box = 0; box < 12; ++box)
            QCOMPARE(Label(form, QStringLiteral("lblPlanets_%1").arg(box)),
                     Q(display.chartBoxes[static_cast<std::size_t>(box)]));
        QVERIFY(Label(form, "lblPlanets_5").startsWith("Asc"));

        const QString lines[] = {"Position of Mars from Lagna is 11",
                                 "Percentage of Kuja dosha is 0.125%",
                                 "The person is Manglik",
                                 "Position of Mars from Chandra is 1",
                                 "Percentage of Kuja dosha is 0.125%",
                                 "The person is Manglik"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(Label(form, QStringLiteral("lblResult_%1").arg(i)), lines[i]);
        QCOMPARE(Label(form, "lblName"), QStringLiteral("Name: Sample"));
        QCOMPARE(Label(form, "lblCity"), QStringLiteral("City: New Delhi"));
    }

    void refusedReadingChangesNothing() {
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        StartDelhiReading(application);
        const orbalis::BirthDetails birth = application.birthDetails;
        const orbalis::ChartReading reading = application.chartReading;
        Invoke(*application.resultsWindow(), "cmdBack");

        Child<QComboBox>(application.mainForm(), "cboYear")->setCurrentText("2001");
        Child<QLineEdit>(application.mainForm(), "txtCity")->clear();
        PressReading(application);

        QCOMPARE(dialogs.lastMessage(), QStringLiteral("Please Enter Your City name"));
        QVERIFY(application.birthDetails == birth);
        QVERIFY(application.chartReading == reading);
        QVERIFY(!application.resultsWindow());
        QVERIFY(application.mainForm().isVisible());
    }

    void backAndNewReturnToTheFormWithItsEntries_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("Back button") << "cmdBack";
        QTest::newRow("New menu item") << "mnuNew";
        QTest::newRow("Back menu item") << "mnuBack";
    }
    void backAndNewReturnToTheFormWithItsEntries() {
        QFETCH(QString, command);
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        StartDelhiReading(application);
        QPointer<ResultsWindow> first = application.resultsWindow();
        first->findChild<QAction*>("mnuNorth")->trigger();

        // Wherever the form was, it comes back centred on its screen.
        application.mainForm().move(3, 5);
        Invoke(*first, command);

        QVERIFY(!first);
        QVERIFY(application.mainForm().isVisible());
        const QPoint centre = application.mainForm().screen()->availableGeometry().center();
        QVERIFY2((application.mainForm().frameGeometry().center() - centre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("form centre %1,%2")
                                .arg(application.mainForm().frameGeometry().center().x())
                                .arg(application.mainForm().frameGeometry().center().y())));
        QCOMPARE(Child<QLineEdit>(application.mainForm(), "txtName")->text(),
                 QStringLiteral("Sample"));
        QCOMPARE(Child<QComboBox>(application.mainForm(), "cboTimeZone")->currentIndex(), 34);

        PressReading(application);
        ResultsWindow* second = application.resultsWindow();
        QVERIFY(second);
        // The style is remembered; the chart starts on the birth chart again.
        QVERIFY(!second->findChild<QAction*>("mnuSouth")->isChecked());
        QVERIFY(second->findChild<QAction*>("mnuNorth")->isChecked());
        second->findChild<QAction*>("mnuSouth")->trigger();
        QVERIFY(second->findChild<QAction*>("mnuChart")->isChecked());
    }

    void exitAndClosingEitherWindowEndTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << "cmdExit";
        QTest::newRow("Exit menu item") << "mnuExit";
        QTest::newRow("closing the results window") << "close";
    }
    void exitAndClosingEitherWindowEndTheProgram() {
        QFETCH(QString, how);
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        StartDelhiReading(application);
        ResultsWindow* results = application.resultsWindow();
        if (how == "close") {
            results->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else {
            Invoke(*results, how);
        }
        QVERIFY(!application.mainForm().isVisible());
        QVERIFY(!application.resultsWindow() || !application.resultsWindow()->isVisible());
    }

    void savedReadingOpensToTheSameReading() {
        QTemporaryDir folder;
        const QString path = folder.filePath("sample.orb");
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        application.Start();
        FillDelhi1985(application.mainForm());
        Child<QCheckBox>(application.mainForm(), "chkDST")->setChecked(true);
        PressReading(application);
        const orbalis::BirthDetails birth = application.birthDetails;
        const orbalis::ChartReading reading = application.chartReading;

        dialogs.saveReplies.enqueue(path);
        application.resultsWindow()->findChild<QAction*>("mnuSaveAsText")->trigger();
        QCOMPARE(application.lastFileName, path);
        Invoke(*application.resultsWindow(), "cmdBack");

        // Change every entry, then open the file again.
        application.mainForm().setEntries(orbalis::FormEntries{});
        Child<QCheckBox>(application.mainForm(), "chkDST")->setChecked(false);
        dialogs.openReplies.enqueue(path);
        Child<QPushButton>(application.mainForm(), "cmdOpen")->click();

        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastMessage()));
        QVERIFY(application.resultsWindow());
        QVERIFY(application.birthDetails == birth);
        QVERIFY(application.chartReading == reading);
        QVERIFY(Child<QCheckBox>(application.mainForm(), "chkDST")->isChecked());
        QCOMPARE(application.lastFileName, path);
    }

    // Open on the results window: the file's reading replaces the window.
    void openFromTheResultsWindow() {
        QTemporaryDir folder;
        QFile file(folder.filePath("mumbai.orb"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(orbalis::EncodeReadingFile(
            orbalis::BirthDetailsFromForm(orbalis::testing::MumbaiEntries1987()))));
        file.close();
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        StartDelhiReading(application);
        ResultsWindow* before = application.resultsWindow();
        dialogs.openReplies.enqueue(file.fileName());
        Invoke(*before, "mnuOpen");
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastMessage()));
        QVERIFY(application.resultsWindow() != before);
        QCOMPARE(Label(*application.resultsWindow(), "lblName"), QStringLiteral("Name: Kiran Rao"));
    }

    void damagedFileLeavesEveryControlAsItWas() {
        QTemporaryDir folder;
        const QString path = folder.filePath("damaged.orb");
        orbalis::BirthDetails birth;
        birth.name = "Sample";
        std::string bytes = orbalis::EncodeReadingFile(birth);
        bytes.replace(bytes.find(orbalis::ShiftText("1901")), 4, orbalis::ShiftText("XYZ"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();

        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        application.Start();
        FillDelhi1985(application.mainForm());
        const orbalis::FormEntries before = application.mainForm().entries();
        QVERIFY(!application.OpenReadingFrom(path));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.lastMessage(), QStringLiteral("Please Check The File."));
        QVERIFY(dialogs.messages.front().icon == orbalis::MessageIcon::Error);
        QVERIFY(application.mainForm().entries() == before);
        QVERIFY(!application.resultsWindow());
    }

    void exportWritesTheReadingOnScreen() {
        QTemporaryDir folder;
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        StartDelhiReading(application);

        dialogs.saveReplies.enqueue(folder.filePath("sample.txt"));
        application.resultsWindow()->findChild<QAction*>("mnuExport")->trigger();
        QFile file(folder.filePath("sample.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string expected =
            orbalis::TextExport(application.birthDetails, application.chartReading);
        QCOMPARE(file.readAll(), QByteArray::fromStdString(expected));
    }

    void pictureIsTheResultsForm() {
        QTemporaryDir folder;
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        StartDelhiReading(application);

        dialogs.saveReplies.enqueue(folder.filePath("mine.jpg"));
        application.resultsWindow()->findChild<QPushButton*>("cmdSaveAsJPEG")->click();
        QImageReader reader(folder.filePath("mine.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), application.resultsWindow()->display()->size());
    }
};

QTEST_MAIN(ReadingFlowTest)
#include "tst_reading_flow.moc"
