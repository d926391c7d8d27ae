#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/application.h"
#include "app/single_instance.h"
#include "reading/reading_file.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using orbalis::MessageIcon;
using orbalis::OrbalisApplication;
using orbalis::RefuseSecondInstance;
using orbalis::ResultsWindow;
using orbalis::SingleInstance;
using orbalis::testing::FakeDialogs;

// The previous-instance test between real processes: a running orbalis holds
// the lock in the runtime folder; a second start is refused, or hands its
// reading file over; once the first process has died without cleaning up,
// the lock is free again. Every wait is for the started process holding the
// lock or ending, never for a file. The lock lives only in a folder of the
// user's own, and nothing in its place is ever written.
class SingleInstanceTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir runtimeFolder;

    // Starts orbalis offscreen with `folder` as its runtime folder.
    static void Start(QProcess& process, const QString& folder, const QStringList& arguments = {}) {
        const QString binary = qEnvironmentVariable("ORBALIS_BINARY");
        if (binary.isEmpty()) QSKIP("ORBALIS_BINARY is not set (CTest sets it)");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(binary, arguments);
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
    }

    static constexpr uid_t kNobody = 65534;

    static QByteArray LockFileText(const QString& path = SingleInstance().lockFilePath()) {
        QFile file(path);
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
        QCOMPARE(LockFileText(), content);  // never written
    }

    // What stands in the lock file's place and is not a file of the user's
    // alone is left as it is: the program starts without the lock.
    void whatIsNoLockFileIsLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a file of the user's") << "symbolic link";
        QTest::newRow("second name of a file") << "hard link";
        QTest::newRow("pipe") << "fifo";
        QTest::newRow("file of another user") << "foreign file";
    }

    void whatIsNoLockFileIsLeftAlone() {
        QFETCH(QString, kind);
        if (kind == "foreign file" && ::geteuid() != 0)
            QSKIP("making another user's file needs the superuser");
        QTemporaryDir runtime;
        QTemporaryDir documents;
        const QString notes = documents.filePath(QStringLiteral("notes.txt"));
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("my notes\n");
        file.close();
        const QByteArray lock = QFile::encodeName(runtime.filePath(QStringLiteral("orbalis.lock")));
        const QByteArray target = QFile::encodeName(notes);
        if (kind == "symbolic link") QCOMPARE(::symlink(target, lock), 0);
        if (kind == "hard link") QCOMPARE(::link(target, lock), 0);
        if (kind == "fifo") QCOMPARE(::mkfifo(lock, 0600), 0);
        if (kind == "foreign file") {
            QVERIFY(QFile::copy(notes, QFile::decodeName(lock)));
            QCOMPARE(::chown(lock, kNobody, kNobody), 0);
        }

        const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        SingleInstance instance;
        FakeDialogs dialogs;
        QVERIFY(!RefuseSecondInstance(instance, dialogs));
        qputenv("XDG_RUNTIME_DIR", previous);
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY2(instance.problem().contains(runtime.path()), qPrintable(instance.problem()));
        QCOMPARE(LockFileText(notes), QByteArray("my notes\n"));
        if (kind == "foreign file") QCOMPARE(LockFileText(QFile::decodeName(lock)), "my notes\n");
    }

    // The lock's folder: the runtime folder when only the user can reach it,
    // else a folder of the user's own in the cache folder; never the shared
    // temporary folder, where anyone may plant a link or hold the lock.
    void lockFolderIsTheUsersOwn_data() {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("cache");
        QTest::addColumn<QString>("expected");
        QTest::newRow("private runtime folder") << "private"
                                                << "absent"
                                                << "runtime";
        QTest::newRow("runtime folder others can read") << "0755"
                                                        << "absent"
                                                        << "cache";
        QTest::newRow("runtime folder of another user") << "foreign"
                                                        << "absent"
                                                        << "cache";
        QTest::newRow("runtime folder a link") << "link"
                                               << "absent"
                                               << "cache";
        QTest::newRow("no runtime folder, another's runtime-<name> in the temporary folder")
            << "unset"
            << "absent"
            << "cache";
        QTest::newRow("cache folder of the user's, open to others") << "unset"
                                                                    << "0755"
                                                                    << "cache";
        QTest::newRow("cache folder of another user") << "unset"
                                                      << "foreign"
                                                      << "none";
        QTest::newRow("cache folder a file") << "unset"
                                             << "file"
                                             << "none";
    }

    void lockFolderIsTheUsersOwn() {
        QFETCH(QString, runtime);
        QFETCH(QString, cache);
        QFETCH(QString, expected);
        if ((runtime == "foreign" || cache == "foreign") && ::geteuid() != 0)
            QSKIP("making another user's folder needs the superuser");
        QTemporaryDir root;
        QDir folders(root.path());
        const QString runtimePath = folders.filePath(QStringLiteral("runtime"));
        const QString cachePath = folders.filePath(QStringLiteral("cache"));
        const QString ownCache = cachePath + QStringLiteral("/orbalis");
        const QString temporary = folders.filePath(QStringLiteral("tmp"));
        QVERIFY(folders.mkpath(runtimePath) && folders.mkpath(temporary));
        // Another user came first in the temporary folder, as Qt's fallback would use.
        QVERIFY(
            folders.mkpath(temporary + QStringLiteral("/runtime-") + qEnvironmentVariable("USER")));
        ::chmod(QFile::encodeName(runtimePath), runtime == "0755" ? 0755 : 0700);
        if (runtime == "foreign")
            QCOMPARE(::chown(QFile::encodeName(runtimePath), kNobody, kNobody), 0);
        if (cache == "0755" || cache == "foreign") {
            QVERIFY(folders.mkpath(ownCache));
            ::chmod(QFile::encodeName(ownCache), 0755);
            if (cache == "foreign")
                QCOMPARE(::chown(QFile::encodeName(ownCache), kNobody, kNobody), 0);
        }
        if (cache == "file") {
            QFile file(cachePath);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QString runtimeVariable = runtimePath;
        if (runtime == "link") {
            runtimeVariable = folders.filePath(QStringLiteral("runtime-link"));
            QCOMPARE(::symlink(QFile::encodeName(runtimePath), QFile::encodeName(runtimeVariable)),
                     0);
        }

        const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray previousCache = qgetenv("XDG_CACHE_HOME");
        const QByteArray previousTemporary = qgetenv("TMPDIR");
        if (runtime == "unset")
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeVariable));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cachePath));
        qputenv("TMPDIR", QFile::encodeName(temporary));
        SingleInstance instance;
        const bool started = instance.acquire();
        qputenv("XDG_RUNTIME_DIR", previous);
        qputenv("XDG_CACHE_HOME", previousCache);
        qputenv("TMPDIR", previousTemporary);

        QVERIFY(started);
        const QString lock = instance.lockFilePath();
        if (expected == "none") {
            QVERIFY(lock.isEmpty());
            QVERIFY(!instance.problem().isEmpty());
            return;
        }
        QVERIFY2(instance.problem().isEmpty(), qPrintable(instance.problem()));
        QCOMPARE(QFileInfo(lock).path(), expected == "runtime" ? runtimeVariable : ownCache);
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(lock).path()), &status), 0);
        QCOMPARE(status.st_mode & 0777, 0700u);
        QCOMPARE(status.st_uid, ::geteuid());
    }

    // orbalis FILE.orb while the program runs: the running program opens the
    // file as "&Open Previously Saved Reading" does and the second process
    // ends without a word. Here this test is the running program.
    void readingFileGoesToTheRunningProgram() {
        QTemporaryDir folder;
        const std::string bytes = orbalis::EncodeReadingFile(orbalis::testing::DelhiBirth1985());
        QFile file(folder.filePath(QStringLiteral("Asha.orb")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();

        SingleInstance holder;
        QVERIFY(holder.acquire());
        QVERIFY(holder.problem().isEmpty());
        FakeDialogs dialogs;
        OrbalisApplication application(dialogs);
        QVERIFY(application.ListenForReadingFiles(holder.handOverPath()));
        application.Start();

        struct Round {
            QString argument;  // as typed, relative to the second process's folder
            QString message;   // what the running program shows
        };
        const Round rounds[] = {
            {QStringLiteral("Asha.orb"), QString()},
            {QStringLiteral("Asha.orb"), QString()},  // over a shown reading
            {QStringLiteral("missing.orb"), QStringLiteral("Please Check The File.")}};
        for (const Round& round : rounds) {
            // A new reading replaces the results window on screen.
            const QPointer<ResultsWindow> before = application.resultsWindow();
            const bool shown = before;
            QProcess second;
            second.setWorkingDirectory(folder.path());
            Start(second, runtimeFolder.path(), {round.argument});
            if (QTest::currentTestFailed()) return;
            QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 30000);
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(second.readAllStandardError(), QByteArray());
            QCOMPARE(second.readAllStandardOutput(), QByteArray());
            if (round.message.isEmpty()) {
                QTRY_VERIFY_WITH_TIMEOUT(application.resultsWindow() && (!shown || !before), 10000);
                const auto* name =
                    application.resultsWindow()->display()->findChild<QLabel*>("lblName");
                QVERIFY(name && name->text().contains(QStringLiteral("Asha Verma")));
                QVERIFY(dialogs.messages.isEmpty());
            } else {
                QTRY_COMPARE_WITH_TIMEOUT(dialogs.lastMessage(), round.message, 10000);
            }
        }
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
