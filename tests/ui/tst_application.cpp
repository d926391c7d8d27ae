#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/application.h"
#include "reading/reading_file.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/birth_details/birth_details_window.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using orbalis::OrbalisApplication;
using orbalis::testing::FakeDialogs;

// Start-up and shut-down of the program around the birth-details window.
class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    void startShowsTheFormWithNoReading() {
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        application.Start();
        QVERIFY(QTest::qWaitForWindowExposed(&application.mainForm()));
        QVERIFY(application.lastFileName.isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
    }

    // A reading starts with the checks of the form.
    void readingButtonValidatesTheForm() {
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        application.Start();
        application.mainForm().findChild<QPushButton*>("cmdCalculate")->click();
        QCOMPARE(dialogs.lastMessage(), QStringLiteral("Please Enter Your Name"));
        QVERIFY(application.mainForm().isVisible());
    }

    // orbalis FILE.orb: the program starts on that reading, or on the form
    // with the refusal "&Open Previously Saved Reading" would show.
    void startOnReadingFile_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");
        QTest::newRow("saved reading") << "Asha.orb"
                                       << "";
        QTest::newRow("name not ending in orb") << "Asha.ORB"
                                                << "Please Check The File.";
        QTest::newRow("no such file") << "missing.orb"
                                      << "Please Check The File.";
    }

    void startOnReadingFile() {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const std::string bytes = orbalis::EncodeReadingFile(orbalis::testing::DelhiBirth1985());
        for (const char* name : {"Asha.orb", "Asha.ORB"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }

        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        application.Start(folder.filePath(fileName));
        if (message.isEmpty()) {
            QVERIFY(dialogs.messages.isEmpty());
            QVERIFY(application.resultsWindow());
            QVERIFY(QTest::qWaitForWindowExposed(application.resultsWindow()));
            const auto* name =
                application.resultsWindow()->display()->findChild<QLabel*>("lblName");
            QVERIFY(name && name->text().contains(QStringLiteral("Asha Verma")));
            QVERIFY(!application.mainForm().isVisible());
        } else {
            QCOMPARE(dialogs.lastMessage(), message);
            QVERIFY(!application.resultsWindow());
            QVERIFY(QTest::qWaitForWindowExposed(&application.mainForm()));
        }
    }

    // The real program: help and version need no display and open no window;
    // a wrong command line ends with status 2 before any window.
    void commandLineOfTheProgram_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << false << 0 << "Usage: orbalis [FILE.orb]";
        QTest::newRow("version") << QStringList{"-v"} << false << 0 << "orbalis 1.15";
        QTest::newRow("unknown option")
            << QStringList{"--open", "Asha.orb"} << true << 2 << "orbalis: unknown option --open";
        QTest::newRow("two files")
            << QStringList{"a.orb", "b.orb"} << true << 2 << "one reading file at a time";
    }

    void commandLineOfTheProgram() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, status);
        QFETCH(QString, output);
        const QString binary = qEnvironmentVariable("ORBALIS_BINARY");
        if (binary.isEmpty()) QSKIP("ORBALIS_BINARY is not set (CTest sets it)");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (display)
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(binary, arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const QString printed = QString::fromLocal8Bit(
            status == 0 ? process.readAllStandardOutput() : process.readAllStandardError());
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }

    void exitClosesEveryWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit menu item") << "mnuExit";
        QTest::newRow("closing the birth-details window") << "close";
    }

    void exitClosesEveryWindow() {
        QFETCH(QString, how);
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        application.Start();
        QWidget other;  // stands for the results window
        other.show();

        // Exiting ends the running event loop; a loop still running after
        // five seconds returns 1 instead.
        QTimer::singleShot(0, &application, [&] {
            if (how == "close")
                application.mainForm().close();
            else
                application.mainForm().findChild<QAction*>(how)->trigger();
        });
        QTimer::singleShot(5000, &application, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);

        QVERIFY(!application.mainForm().isVisible());
        QVERIFY(!other.isVisible());
        QVERIFY(dialogs.messages.isEmpty());  // no window asks whether it may close
    }
};

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
