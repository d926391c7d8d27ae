#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/ui/application.h"
#include "app/ui/frmMain.h"
#include "support/fake_dialogs.h"
#include "support/test_environment.h"

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
