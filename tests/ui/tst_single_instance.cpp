#include <QDir>
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
// process has died without cleaning up, the lock is free again. Every wait is
// for the started process holding the lock, never for a file.
class SingleInstanceTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir runtimeFolder;

    // Starts orbalis offscreen with `folder` as its runtime folder.
    static void Start(QProcess& process, const QString& folder) {
        const QString binary = qEnvironmentVariable("ORBALIS_BINARY");
        if (binary.isEmpty()) QSKIP("ORBALIS_BINARY is not set (CTest sets it)");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(binary, {});
        QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));
    }

    // A running orbalis that holds the lock of the test's runtime folder.
    void StartFirstInstance(QProcess& process) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Start(process, runtimeFolder.path());
        if (QTest::currentTestFailed()) return;
        const SingleInstance probe;
        QTRY_VERIFY_WITH_TIMEOUT(probe.heldElsewhere() || process.state() != QProcess::Running,
                                 30000);
        QCOMPARE(process.state(), QProcess::Running);
        // The holder names itself once it has the lock.
        QTRY_COMPARE_WITH_TIMEOUT(LockFileText(), QByteArray::number(process.processId()) + "\n",
                                  10000);
    }

    static QByteArray LockFileText() {
        QFile file(SingleInstance().lockFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        if (QTest::currentTestFailed()) return Kill(first);

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

    void leftoverLockFilesDoNotStopAStart_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("unparsable") << QByteArray("\x01\xFFnot a lock\n");
        QTest::newRow("dead process of another host")
            << QByteArray("2147483646\norbalis\nsome-other-host\n");
    }

    void leftoverLockFilesDoNotStopAStart() {
        QFETCH(QByteArray, content);
        QFile lockFile(SingleInstance().lockFilePath());
        QVERIFY(lockFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lockFile.write(content);
        lockFile.close();

        QProcess instance;
        StartFirstInstance(instance);
        Kill(instance);
    }

    void startsWithoutALockWhereNoneCanBeMade() {
        QTemporaryDir folder;
        // A folder in the lock file's place: no lock, whoever runs the test.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("orbalis.lock")));
        QProcess instance;
        instance.setProcessChannelMode(QProcess::SeparateChannels);
        Start(instance, folder.path());
        if (QTest::currentTestFailed()) return;
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += instance.readAllStandardError())
                                         .contains("no single-instance lock can be made") ||
                                     instance.state() != QProcess::Running,
                                 30000);
        QVERIFY2(said.contains(QFile::encodeName(folder.path())), said.constData());
        QCOMPARE(instance.state(), QProcess::Running);
        Kill(instance);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
