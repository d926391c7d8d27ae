#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/ui/application.h"
#include "app/ui/single_instance.h"
#include "support/fake_dialogs.h"
#include "support/test_environment.h"

using orbalis::MessageIcon;
using orbalis::RefuseSecondInstance;
using orbalis::SingleInstance;
using orbalis::testing::FakeDialogs;

// The previous-instance test between real processes: a running orbalis holds
// the lock in the runtime folder; a second start is refused; once the first
// process has died without cleaning up, the lock is free again.
class SingleInstanceTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir runtimeFolder;

    // A running orbalis with the test's runtime folder, offscreen.
    void StartFirstInstance(QProcess& process) {
        const QString binary = qEnvironmentVariable("ORBALIS_BINARY");
        if (binary.isEmpty()) QSKIP("ORBALIS_BINARY is not set (CTest sets it)");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(binary, {});
        QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance().lockFilePath()), 15000);
    }

    static void Kill(QProcess& process) {
        if (process.state() == QProcess::NotRunning) return;
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished(10000);
    }

  private slots:
    void initTestCase() {
        orbalis::testing::PrepareTestEnvironment();
        QVERIFY(runtimeFolder.isValid());
        qputenv("XDG_RUNTIME_DIR", runtimeFolder.path().toLocal8Bit());
    }

    void lockFileLivesInTheRuntimeFolder() {
        QVERIFY(SingleInstance().lockFilePath().startsWith(runtimeFolder.path()));
    }

    void secondStartIsRefusedWhileTheFirstRuns() {
        QProcess first;
        StartFirstInstance(first);

        SingleInstance second;
        FakeDialogs dialogs;
        QVERIFY(RefuseSecondInstance(second, dialogs));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.front().text, QStringLiteral("Application is already running"));
        QCOMPARE(dialogs.messages.front().caption, QStringLiteral("Orbalis"));
        QCOMPARE(dialogs.messages.front().icon, MessageIcon::Information);
        // The first instance is unaffected.
        QCOMPARE(first.state(), QProcess::Running);

        Kill(first);
    }

    void lockOfACrashedInstanceIsTakenOver() {
        QProcess first;
        StartFirstInstance(first);
        Kill(first);
        // SIGKILL leaves the lock file behind, naming a process that is gone.
        QVERIFY(QFile::exists(SingleInstance().lockFilePath()));

        SingleInstance next;
        FakeDialogs dialogs;
        QVERIFY(!RefuseSecondInstance(next, dialogs));
        QVERIFY(dialogs.messages.isEmpty());

        // Now this process holds the lock and refuses the next one in turn.
        SingleInstance another;
        QVERIFY(!another.acquire());
    }

    void lockIsReleasedWhenTheHolderEnds() {
        {
            SingleInstance holder;
            QVERIFY(holder.acquire());
            QVERIFY(holder.acquire());  // asking again while holding it still says yes
        }
        SingleInstance next;
        QVERIFY(next.acquire());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
