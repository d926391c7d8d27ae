#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLocalSocket>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <future>
#include <memory>
#include <vector>

#include "app/application.h"
#include "app/reading_hand_over.h"
#include "app/single_instance.h"
#include "reading/input_rules.h"
#include "reading/reading_file.h"
#include "support/fake_dialogs.h"
#include "support/sample_readings.h"
#include "support/test_environment.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

using orbalis::OrbalisApplication;
using orbalis::ResultsWindow;
using orbalis::SingleInstance;
using orbalis::testing::FakeDialogs;

namespace {

// A reading file of `birth` in `folder`.
QString WriteReading(const QTemporaryDir& folder, const QString& name,
                     const orbalis::BirthDetails& birth) {
    const std::string bytes = orbalis::EncodeReadingFile(birth);
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.fileName();
}

// Keeps this thread's event loop turning, as the running program's would,
// until the other side is done.
template <typename T>
T Serve(std::future<T>& done) {
    while (done.wait_for(std::chrono::microseconds(200)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return done.get();
}

QString ShownName(const OrbalisApplication& application) {
    const ResultsWindow* window = application.resultsWindow();
    const auto* name = window ? window->display()->findChild<QLabel*>("lblName") : nullptr;
    return name ? name->text() : QString();
}

}  // namespace

// Reading files handed over by later starts while the running program is
// busy: with a dialog open, or flooded by many starts or idle connections.
// The later start's side runs on another thread, as another process would.
class HandOverTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString delhi;
    QString mumbai;
    std::unique_ptr<SingleInstance> holder;

    // The program on screen with the Delhi reading, listening for hand-overs.
    std::unique_ptr<OrbalisApplication> Start(FakeDialogs& dialogs) {
        auto application = std::make_unique<OrbalisApplication>(dialogs);
        if (!application->ListenForReadingFiles(holder->handOverPath())) return nullptr;
        application->Start();
        if (!application->OpenReadingFrom(delhi)) return nullptr;
        return application;
    }

    std::future<bool> HandOver(const QString& file) {
        return std::async(std::launch::async, [path = holder->handOverPath(), file] {
            return orbalis::HandOverReadingFile(path, file);
        });
    }

  private slots:
    void initTestCase() {
        orbalis::testing::PrepareTestEnvironment();
        QVERIFY(folder.isValid());
        delhi =
            WriteReading(folder, QStringLiteral("delhi.orb"), orbalis::testing::DelhiBirth1985());
        mumbai = WriteReading(folder, QStringLiteral("kiran.orb"),
                              orbalis::BirthDetailsFromForm(orbalis::testing::MumbaiEntries1987()));
        holder = std::make_unique<SingleInstance>();
        QVERIFY(holder->acquire());
    }

    void waitsForTheOpenDialog_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("Save As") << "mnuSaveAsText";
        QTest::newRow("Save As PDF") << "mnuSaveAsPdf";
        QTest::newRow("Save As JPEG") << "mnuSaveAsJpeg";
        QTest::newRow("Match") << "mnuMatch";
        QTest::newRow("Print") << "mnuPrint";
        QTest::newRow("About") << "mnuAbout";
    }

    // While the dialog is open the file arrives and is taken, but the window
    // that opened the dialog stays with its reading; the file opens once the
    // dialog has closed.
    void waitsForTheOpenDialog() {
        QFETCH(QString, item);
        FakeDialogs dialogs;
        const std::unique_ptr<OrbalisApplication> application = Start(dialogs);
        QVERIFY(application);
        const QPointer<ResultsWindow> window = application->resultsWindow();
        QVERIFY(window);
        QVERIFY(ShownName(*application).contains(QStringLiteral("Asha Verma")));

        bool handedOver = false;
        bool windowKept = false;
        dialogs.whileOpen = [&] {
            dialogs.whileOpen = nullptr;
            std::future<bool> done = HandOver(mumbai);
            // The dialog's own event loop, until the later start is done.
            handedOver = Serve(done);
            QCoreApplication::processEvents();
            windowKept = window && application->resultsWindow() == window;
        };
        QAction* action = window->findChild<QAction*>(item);
        QVERIFY(action);
        action->trigger();
        QVERIFY(handedOver);
        QVERIFY(windowKept);
        QTRY_VERIFY_WITH_TIMEOUT(ShownName(*application).contains(QStringLiteral("Kiran")), 10000);
        QTRY_VERIFY(!window);  // the old window goes once nothing runs in it
    }

    // Thousands of hand-overs of a missing file, each answered with a message
    // while events keep arriving, never stack messages; idle connections
    // are closed; a real file afterwards still opens.
    void floodsLeaveTheProgramUsable() {
        FakeDialogs dialogs;
        const std::unique_ptr<OrbalisApplication> application = Start(dialogs);
        QVERIFY(application);
        int open = 0;
        int mostOpen = 0;
        dialogs.whileOpen = [&] {
            mostOpen = std::max(mostOpen, ++open);
            QCoreApplication::processEvents();
            --open;
        };

        constexpr int kHandOvers = 5000;
        const QString missing = folder.filePath(QStringLiteral("missing.orb"));
        std::future<int> flood = std::async(std::launch::async, [&] {
            int taken = 0;
            for (int i = 0; i < kHandOvers; ++i)
                taken += orbalis::HandOverReadingFile(holder->handOverPath(), missing) ? 1 : 0;
            return taken;
        });
        QCOMPARE(Serve(flood), kHandOvers);
        QTRY_VERIFY(!dialogs.messages.isEmpty());
        QCOMPARE(mostOpen, 1);
        QCOMPARE(dialogs.lastMessage(), QStringLiteral("Please Check The File."));

        // Idle connections, held until the program has seen them all; the
        // sockets live and die on the thread that made them.
        constexpr int kIdle = 2000;
        std::promise<void> allConnected;
        std::promise<void> release;
        std::future<void> idle = std::async(std::launch::async, [&] {
            std::vector<std::unique_ptr<QLocalSocket>> sockets;
            for (int i = 0; i < kIdle; ++i) {
                auto socket = std::make_unique<QLocalSocket>();
                socket->connectToServer(holder->handOverPath());
                socket->waitForConnected(1000);
                sockets.push_back(std::move(socket));
            }
            allConnected.set_value();
            release.get_future().wait();
        });
        std::future<void> connected = allConnected.get_future();
        Serve(connected);
        QCoreApplication::processEvents();
        release.set_value();
        idle.get();

        dialogs.whileOpen = nullptr;
        std::future<bool> real = HandOver(mumbai);
        QVERIFY(Serve(real));
        QTRY_VERIFY_WITH_TIMEOUT(ShownName(*application).contains(QStringLiteral("Kiran")), 10000);
    }
};

QTEST_MAIN(HandOverTest)
#include "tst_hand_over.moc"
