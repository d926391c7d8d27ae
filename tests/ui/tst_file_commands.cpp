#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

#include "reading/input_rules.h"
#include "reading/reading_file.h"
#include "reading/text_export.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/sample_readings.h"
#include "tests/support/test_environment.h"
#include "ui/common/reading_file_commands.h"
#include "ui/common/text_export_command.h"
#include "ui/results/jpeg_save.h"

using orbalis::BirthDetails;
using orbalis::ChartReading;
using orbalis::FormEntries;
using orbalis::MessageIcon;
using orbalis::ReadingFileLines;
using orbalis::testing::FakeDialogs;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

const QColor kFormColour(200, 40, 90);

// A stand-in for the results form: fixed size, something drawn on it.
class PictureForm : public QWidget {
  public:
    PictureForm() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Position of Mars from Lagna is 11")));
        QPalette colours = palette();
        colours.setColor(QPalette::Window, kFormColour);
        setPalette(colours);
        setAutoFillBackground(true);
        setFixedSize(321, 187);
        setAttribute(Qt::WA_DontShowOnScreen);
        show();
    }
};

bool RunningAsRoot() {
    return geteuid() == 0;
}

// The file each command of failedWritesShowTheMessage_data writes.
const QString kCommandFileNames[] = {QStringLiteral("reading.orb"), QStringLiteral("chart.txt"),
                                     QStringLiteral("mine.jpg")};

// Runs command 0 (save the reading file), 1 (export as text) or 2 (save the
// picture) with the save dialog answering path.
void SaveWith(int command, FakeDialogs& dialogs, const QString& path) {
    dialogs.saveReplies.enqueue(path);
    QString lastFileName;
    PictureForm form;
    switch (command) {
        case 0:
            orbalis::SaveReadingFile(dialogs, nullptr, orbalis::testing::DelhiBirth1985(),
                                     lastFileName);
            break;
        case 1:
            orbalis::ExportReadingAsText(dialogs, nullptr, orbalis::testing::DelhiBirth1985(),
                                         orbalis::testing::DelhiReading1985(), lastFileName);
            break;
        default:
            orbalis::SaveFormAsJpeg(dialogs, &form);
            break;
    }
}

// While it lives, no file of this process may grow past `bytes`; a write
// beyond fails with EFBIG instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*savedSignal_)(int) = nullptr;
};

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { orbalis::testing::PrepareTestEnvironment(); }

    // Reading file.
    void saveThenOpenRestoresEveryField();
    void saveAsksWithTheReadingFileDialog();
    void saveDialogsOfferThePersonsNameFirst();
    void cancelledSaveWritesNothing();
    void saveReplacesAnOldFileWhole();
    void openAsksForAnExistingFile();
    void openRefusesOtherExtensions_data();
    void openRefusesOtherExtensions();
    void openRefusesWhatItCannotTake_data();
    void openRefusesWhatItCannotTake();

    // Text export.
    void exportWritesTheReadingAndRemembersTheName();
    void cancelledExportWritesNothing();
    void exportTwiceRewritesTheFile();
    void saveAndExportKeepToTheirExtensions_data();
    void saveAndExportKeepToTheirExtensions();

    // JPEG picture.
    void jpegSavesTakeTheNextFreeCopyName();
    void jpegNamesGetTheJpgExtension_data();
    void jpegNamesGetTheJpgExtension();
    void jpegDecodesAtTheFormsSize();
    void jpegCancelWritesNothing();
    void jpegWithAllCopiesTakenShowsTheMessage();

    // Failed writes.
    void failedWritesShowTheMessage_data();
    void failedWritesShowTheMessage();
    void failedSaveLeavesTheOldFileInAReadOnlyFolder();
    void readOnlyTargetOrMissingFolderIsRefused_data();
    void readOnlyTargetOrMissingFolderIsRefused();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void writeFailingMidwayKeepsTheOldFile_data();
    void writeFailingMidwayKeepsTheOldFile();
    void savesThroughALinkAsTheCommandLineDoes_data();
    void savesThroughALinkAsTheCommandLineDoes();
    void anotherUsersLinkInASharedFolderIsRefused_data();
    void anotherUsersLinkInASharedFolderIsRefused();

    // Where the dialogs open.
    void dialogsStartInDocumentsThenWhereTheUserLastWas();
};

void FileCommandsTest::saveThenOpenRestoresEveryField() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("reading.orb"));
    BirthDetails birth = orbalis::testing::DelhiBirth1985();
    birth.daylightSaving = true;
    birth.isSouth = true;

    FakeDialogs dialogs;
    dialogs.saveReplies.enqueue(path);
    QString lastFileName;
    orbalis::SaveReadingFile(dialogs, nullptr, birth, lastFileName);
    QCOMPARE(lastFileName, path);
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(ReadAll(path), Bytes(orbalis::EncodeReadingFile(birth)));

    dialogs.openReplies.enqueue(path);
    const std::optional<ReadingFileLines> lines = orbalis::OpenReadingFile(dialogs, nullptr);
    QVERIFY(lines.has_value());
    const FormEntries form = orbalis::ApplyReadingFile(*lines, FormEntries{});
    QVERIFY(!orbalis::FirstInputProblem(form).has_value());
    QVERIFY(orbalis::BirthDetailsFromForm(form) == birth);
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(lastFileName, path);  // opening leaves the name alone
}

void FileCommandsTest::saveAsksWithTheReadingFileDialog() {
    FakeDialogs dialogs;
    QString lastFileName = QStringLiteral("/somewhere/earlier.txt");
    orbalis::SaveReadingFile(dialogs, nullptr, orbalis::testing::DelhiBirth1985(), lastFileName);
    QCOMPARE(dialogs.saveRequests.size(), 1);
    const orbalis::FileDialogRequest& request = dialogs.saveRequests.front();
    QCOMPARE(request.filter, QStringLiteral("Orbalis (*.orb)|*.orb"));
    QCOMPARE(request.defaultExtension, QStringLiteral("orb"));
    QCOMPARE(request.title, QStringLiteral("Orbalis"));
    QCOMPARE(request.initialName, QStringLiteral("/somewhere/earlier.orb"));
    QVERIFY(request.overwritePrompt);
    QVERIFY(request.pathMustExist);
    QVERIFY(request.noReadOnlyReturn);
}

// Before any file name is known, Save As and Save As JPEG offer the name of
// the person; a name already chosen stays what Save As offers.
void FileCommandsTest::saveDialogsOfferThePersonsNameFirst() {
    struct Case {
        const char* what;
        const char* person;
        const char* lastFileName;  // nullptr: the JPEG dialog
        const char* offered;
    };
    const Case cases[] = {
        {"reading, no name yet", "Asha Verma", "", "Asha Verma.orb"},
        {"reading, a name chosen", "Asha Verma", "/earlier/mine.orb", "/earlier/mine.orb"},
        {"reading, blank person", "  ", "", ""},
        {"picture", " Asha Verma ", nullptr, "Asha Verma.jpg"},
        {"picture, blank person", "", nullptr, ""},
    };
    for (const Case& c : cases) {
        FakeDialogs dialogs;
        BirthDetails birth = orbalis::testing::DelhiBirth1985();
        birth.name = c.person;
        if (c.lastFileName) {
            QString lastFileName = QString::fromLatin1(c.lastFileName);
            orbalis::SaveReadingFile(dialogs, nullptr, birth, lastFileName);
        } else {
            PictureForm form;
            orbalis::SaveFormAsJpeg(dialogs, &form, QString::fromStdString(birth.name));
        }
        QVERIFY2(dialogs.saveRequests.size() == 1, c.what);
        QCOMPARE(dialogs.saveRequests.front().initialName, QString::fromLatin1(c.offered));
    }
}

void FileCommandsTest::cancelledSaveWritesNothing() {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    QString lastFileName = QStringLiteral("kept.orb");
    orbalis::SaveReadingFile(dialogs, nullptr, orbalis::testing::DelhiBirth1985(), lastFileName);
    QCOMPARE(lastFileName, QStringLiteral("kept.orb"));
    QVERIFY(FilesIn(dir.path()).isEmpty());
    QVERIFY(dialogs.messages.isEmpty());
}

void FileCommandsTest::saveReplacesAnOldFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.orb"));
    QVERIFY(WriteAll(path, QByteArray(5000, 'x')));
    FakeDialogs dialogs;
    dialogs.saveReplies.enqueue(path);
    QString lastFileName;
    const BirthDetails birth = orbalis::testing::DelhiBirth1985();
    orbalis::SaveReadingFile(dialogs, nullptr, birth, lastFileName);
    QCOMPARE(ReadAll(path), Bytes(orbalis::EncodeReadingFile(birth)));
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("reading.orb")});
}

void FileCommandsTest::openAsksForAnExistingFile() {
    FakeDialogs dialogs;
    QVERIFY(!orbalis::OpenReadingFile(dialogs, nullptr).has_value());
    QCOMPARE(dialogs.openRequests.size(), 1);
    const orbalis::FileDialogRequest& request = dialogs.openRequests.front();
    QCOMPARE(request.filter, QStringLiteral("Orbalis (*.orb)|*.orb"));
    QCOMPARE(request.defaultExtension, QStringLiteral("orb"));
    QCOMPARE(request.title, QStringLiteral("Select the source file"));
    QVERIFY(request.initialName.isEmpty());
    QVERIFY(request.fileMustExist);
    QVERIFY(dialogs.messages.isEmpty());
}

void FileCommandsTest::openRefusesOtherExtensions_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("upper case") << QStringLiteral("READING.ORB");
    QTest::newRow("mixed case") << QStringLiteral("reading.Orb");
    QTest::newRow("text file") << QStringLiteral("reading.txt");
}

void FileCommandsTest::openRefusesOtherExtensions() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(WriteAll(path, Bytes(orbalis::EncodeReadingFile(orbalis::testing::DelhiBirth1985()))));
    FakeDialogs dialogs;
    dialogs.openReplies.enqueue(path);
    QVERIFY(!orbalis::OpenReadingFile(dialogs, nullptr).has_value());
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.front().text, QStringLiteral("Please Check The File."));
    QCOMPARE(dialogs.messages.front().caption, QStringLiteral("Orbalis"));
    QVERIFY(dialogs.messages.front().icon == MessageIcon::Error);
}

void FileCommandsTest::openRefusesWhatItCannotTake_data() {
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QByteArray huge(static_cast<qsizetype>(orbalis::kReadingFileByteLimit) + 10, 'A');
    QByteArray damaged = Bytes(orbalis::EncodeReadingFile(orbalis::testing::DelhiBirth1985()));
    damaged.replace(Bytes(orbalis::ShiftText("1985")), Bytes(orbalis::ShiftText("19x5")));
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("over the size limit") << huge;
    QTest::newRow("damaged year line") << damaged;
}

void FileCommandsTest::openRefusesWhatItCannotTake() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.orb"));
    if (!content.isEmpty()) QVERIFY(WriteAll(path, content));
    FakeDialogs dialogs;
    dialogs.openReplies.enqueue(path);
    QVERIFY(!orbalis::OpenReadingFile(dialogs, nullptr).has_value());
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.front().text, QStringLiteral("Please Check The File."));
    QVERIFY(dialogs.messages.front().icon == MessageIcon::Error);
}

void FileCommandsTest::exportWritesTheReadingAndRemembersTheName() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.txt"));
    const BirthDetails birth = orbalis::testing::DelhiBirth1985();
    const ChartReading reading = orbalis::testing::DelhiReading1985();
    FakeDialogs dialogs;
    dialogs.saveReplies.enqueue(path);
    QString lastFileName = QStringLiteral("/earlier/reading.orb");
    orbalis::ExportReadingAsText(dialogs, nullptr, birth, reading, lastFileName);

    QCOMPARE(dialogs.saveRequests.size(), 1);
    const orbalis::FileDialogRequest& request = dialogs.saveRequests.front();
    QCOMPARE(request.filter, QStringLiteral("Export Chart As Text (*.txt)|*.txt"));
    QCOMPARE(request.defaultExtension, QStringLiteral("txt"));
    QCOMPARE(request.title, QStringLiteral("Select the destination text file "));
    QCOMPARE(request.initialName, QStringLiteral("/earlier/reading.txt"));
    QVERIFY(request.overwritePrompt);
    QVERIFY(request.hideReadOnly);
    QVERIFY(request.pathMustExist);
    QVERIFY(request.noReadOnlyReturn);

    QCOMPARE(lastFileName, path);
    const QByteArray written = ReadAll(path);
    QCOMPARE(written, Bytes(orbalis::TextExport(birth, reading)));
    QVERIFY(written.contains("Ayanamsa: 23\xB0 39' 14\"\r\n"));
    QVERIFY(dialogs.messages.isEmpty());
}

void FileCommandsTest::cancelledExportWritesNothing() {
    QTemporaryDir dir;
    const QString readingPath = dir.filePath(QStringLiteral("reading.orb"));
    FakeDialogs dialogs;
    QString lastFileName;
    dialogs.saveReplies.enqueue(readingPath);
    orbalis::SaveReadingFile(dialogs, nullptr, orbalis::testing::DelhiBirth1985(), lastFileName);
    const QByteArray saved = ReadAll(readingPath);

    orbalis::ExportReadingAsText(dialogs, nullptr, orbalis::testing::DelhiBirth1985(),
                                 orbalis::testing::DelhiReading1985(), lastFileName);
    QCOMPARE(dialogs.saveRequests.back().initialName, dir.filePath(QStringLiteral("reading.txt")));
    QCOMPARE(lastFileName, readingPath);
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("reading.orb")});
    QCOMPARE(ReadAll(readingPath), saved);
}

void FileCommandsTest::exportTwiceRewritesTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.txt"));
    BirthDetails birth = orbalis::testing::DelhiBirth1985();
    birth.city = "A much longer city name than the second export has";
    const ChartReading reading = orbalis::testing::DelhiReading1985();
    FakeDialogs dialogs;
    QString lastFileName;
    dialogs.saveReplies.enqueue(path);
    orbalis::ExportReadingAsText(dialogs, nullptr, birth, reading, lastFileName);
    birth.city = "Agra";
    dialogs.saveReplies.enqueue(path);
    orbalis::ExportReadingAsText(dialogs, nullptr, birth, reading, lastFileName);
    QCOMPARE(ReadAll(path), Bytes(orbalis::TextExport(birth, reading)));
}

void FileCommandsTest::saveAndExportKeepToTheirExtensions_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("asked");    // whether the written name existed
    QTest::addColumn<bool>("replace");  // the answer then
    QTest::newRow("export typed over the reading file") << 1 << "trap.orb"
                                                        << "trap.txt" << true << true;
    QTest::newRow("export declined") << 1 << "trap.orb" << QString() << true << false;
    QTest::newRow("save with another extension") << 0 << "crowd.backup"
                                                 << "crowd.backup.orb" << false << true;
    QTest::newRow("save over the text export") << 0 << "trap.txt"
                                               << "trap.orb" << true << true;
}

// Beside the target stand a reading file trap.orb and an export trap.txt.
void FileCommandsTest::saveAndExportKeepToTheirExtensions() {
    QFETCH(int, command);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(bool, asked);
    QFETCH(bool, replace);
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath(QStringLiteral("trap.orb")), "reading"));
    QVERIFY(WriteAll(dir.filePath(QStringLiteral("trap.txt")), "export"));
    FakeDialogs dialogs;
    dialogs.yesNoReplies.enqueue(replace);
    SaveWith(command, dialogs, dir.filePath(chosen));

    const QString touched = written.isEmpty() ? QString() : dir.filePath(written);
    QCOMPARE(dialogs.questions.size(), asked ? 1 : 0);
    if (!touched.isEmpty()) {
        const std::string expected =
            command == 0 ? orbalis::EncodeReadingFile(orbalis::testing::DelhiBirth1985())
                         : orbalis::TextExport(orbalis::testing::DelhiBirth1985(),
                                               orbalis::testing::DelhiReading1985());
        QCOMPARE(ReadAll(touched), Bytes(expected));
    }
    if (written != QStringLiteral("trap.orb"))
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("trap.orb"))), QByteArray("reading"));
    if (written != QStringLiteral("trap.txt"))
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("trap.txt"))), QByteArray("export"));
    if (command == 0 && !touched.isEmpty()) {
        dialogs.openReplies.enqueue(touched);
        QVERIFY(orbalis::OpenReadingFile(dialogs, nullptr).has_value());
    }
}

void FileCommandsTest::jpegSavesTakeTheNextFreeCopyName() {
    QTemporaryDir dir;
    PictureForm form;
    FakeDialogs dialogs;
    for (int i = 0; i < 3; ++i) {
        dialogs.saveReplies.enqueue(dir.filePath(QStringLiteral("mine.jpg")));
        orbalis::SaveFormAsJpeg(dialogs, &form);
    }
    QCOMPARE(FilesIn(dir.path()),
             (QStringList{QStringLiteral("mine.jpg"), QStringLiteral("mine_001.jpg"),
                          QStringLiteral("mine_002.jpg")}));
    QVERIFY(dialogs.messages.isEmpty());
    const orbalis::FileDialogRequest& request = dialogs.saveRequests.front();
    QCOMPARE(request.filter, QStringLiteral("JPEG Image (*.jpg)|*.jpg"));
    QCOMPARE(request.defaultExtension.toLower(), QStringLiteral("jpg"));
}

void FileCommandsTest::jpegNamesGetTheJpgExtension_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << QString() << QStringLiteral("mine")
                                  << QStringLiteral("mine.jpg");
    QTest::newRow("JPEG in capitals")
        << QString() << QStringLiteral("mine.JPEG") << QStringLiteral("mine.jpg");
    QTest::newRow("bmp") << QString() << QStringLiteral("mine.bmp") << QStringLiteral("mine.jpg");
    QTest::newRow("folder with a dot")
        << QStringLiteral("My.Charts") << QStringLiteral("mine.jpg") << QStringLiteral("mine.jpg");
    QTest::newRow("folder with a dot, no extension")
        << QStringLiteral("My.Charts") << QStringLiteral("mine") << QStringLiteral("mine.jpg");
}

void FileCommandsTest::jpegNamesGetTheJpgExtension() {
    QFETCH(QString, folder);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    const QString target = folder.isEmpty() ? dir.path() : dir.filePath(folder);
    QVERIFY(QDir().mkpath(target));
    PictureForm form;
    FakeDialogs dialogs;
    dialogs.saveReplies.enqueue(target + QLatin1Char('/') + chosen);
    orbalis::SaveFormAsJpeg(dialogs, &form);
    QCOMPARE(FilesIn(target), QStringList{written});
    QVERIFY(dialogs.messages.isEmpty());
}

void FileCommandsTest::jpegDecodesAtTheFormsSize() {
    QTemporaryDir dir;
    PictureForm form;
    FakeDialogs dialogs;
    dialogs.saveReplies.enqueue(dir.filePath(QStringLiteral("mine.jpg")));
    orbalis::SaveFormAsJpeg(dialogs, &form);
    QImageReader reader(dir.filePath(QStringLiteral("mine.jpg")));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage picture = reader.read();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), form.grab().size());
    QCOMPARE(picture.size(), QSize(321, 187));
    // The corner shows the form's own background, within the loss of the encoder.
    const QColor corner = picture.pixelColor(2, 2);
    QVERIFY2(qAbs(corner.red() - kFormColour.red()) <= 6 &&
                 qAbs(corner.green() - kFormColour.green()) <= 6 &&
                 qAbs(corner.blue() - kFormColour.blue()) <= 6,
             qPrintable(corner.name()));
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("mine.jpg")});  // no BMP left
}

void FileCommandsTest::jpegCancelWritesNothing() {
    QTemporaryDir dir;
    PictureForm form;
    FakeDialogs dialogs;
    orbalis::SaveFormAsJpeg(dialogs, &form);  // cancelled
    dialogs.saveReplies.enqueue(QString());   // empty name
    orbalis::SaveFormAsJpeg(dialogs, &form);
    QCOMPARE(dialogs.saveRequests.size(), 2);
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(FilesIn(dir.path()).isEmpty());
    QVERIFY(FilesIn(QDir::currentPath()).filter(QStringLiteral(".jpg")).isEmpty());
}

void FileCommandsTest::jpegWithAllCopiesTakenShowsTheMessage() {
    QTemporaryDir dir;
    QVERIFY(WriteAll(dir.filePath(QStringLiteral("mine.jpg")), "old"));
    for (int copy = 1; copy <= 999; ++copy) {
        const QString name = QStringLiteral("mine_%1.jpg").arg(copy, 3, 10, QLatin1Char('0'));
        QVERIFY(WriteAll(dir.filePath(name), "old"));
    }
    PictureForm form;
    FakeDialogs dialogs;
    dialogs.saveReplies.enqueue(dir.filePath(QStringLiteral("mine.jpg")));
    orbalis::SaveFormAsJpeg(dialogs, &form);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.front().text,
             QStringLiteral("There are too many Copies of this file  mine.jpg"));
    QCOMPARE(dialogs.messages.front().caption,
             QStringLiteral(" UNABLE  TO  CREATE  NEW  FILEmine.jpg"));
    QVERIFY(dialogs.messages.front().icon == MessageIcon::Error);
    QCOMPARE(FilesIn(dir.path()).size(), 1000);
    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("mine.jpg"))), QByteArray("old"));
}

void FileCommandsTest::failedWritesShowTheMessage_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("reading file") << 0;
    QTest::newRow("text export") << 1;
    QTest::newRow("jpeg") << 2;
}

// A folder that is really a file: nothing can be written inside it, also as root.
void FileCommandsTest::failedWritesShowTheMessage() {
    QFETCH(int, command);
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    QVERIFY(WriteAll(notAFolder, "content"));
    const QString path = notAFolder + QLatin1Char('/') + kCommandFileNames[command];

    FakeDialogs dialogs;
    SaveWith(command, dialogs, path);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.front().text, QStringLiteral("Unable to save the file. ") + path +
                                                QStringLiteral("\nThe folder does not exist."));
    QCOMPARE(dialogs.messages.front().caption, QStringLiteral("Orbalis"));
    QVERIFY(dialogs.messages.front().icon == MessageIcon::Error);
    QCOMPARE(ReadAll(notAFolder), QByteArray("content"));
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("plain")});
}

void FileCommandsTest::readOnlyTargetOrMissingFolderIsRefused_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("readOnly");  // else the folder is missing
    QTest::newRow("read-only reading file") << 0 << true;
    QTest::newRow("read-only text export") << 1 << true;
    QTest::newRow("reading file, missing folder") << 0 << false;
    QTest::newRow("text export, missing folder") << 1 << false;
    QTest::newRow("jpeg, missing folder") << 2 << false;
}

void FileCommandsTest::readOnlyTargetOrMissingFolderIsRefused() {
    QFETCH(int, command);
    QFETCH(bool, readOnly);
    QTemporaryDir dir;
    const QString folder = readOnly ? dir.path() : dir.filePath(QStringLiteral("gone"));
    const QString path = folder + QLatin1Char('/') + kCommandFileNames[command];
    if (readOnly) {
        QVERIFY(WriteAll(path, "kept"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    }
    FakeDialogs dialogs;
    SaveWith(command, dialogs, path);
    QCOMPARE(dialogs.lastMessage(),
             QStringLiteral("Unable to save the file. ") + path +
                 (readOnly ? QStringLiteral("\nThe file is read-only.")
                           : QStringLiteral("\nThe folder does not exist.")));
    QVERIFY(dialogs.messages.front().icon == MessageIcon::Error);
    QCOMPARE(FilesIn(dir.path()),
             readOnly ? QStringList{kCommandFileNames[command]} : QStringList{});
    if (readOnly) QCOMPARE(ReadAll(path), QByteArray("kept"));
}

// A real full file system: a tiny one mounted for the test, filled to the brim.
void FileCommandsTest::fullDiskKeepsTheOldFile_data() {
    failedWritesShowTheMessage_data();
}

void FileCommandsTest::fullDiskKeepsTheOldFile() {
    QFETCH(int, command);
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP(qPrintable(QStringLiteral("a test file system cannot be mounted here: ") +
                         QString::fromLocal8Bit(std::strerror(errno))));
    struct Unmount {
        QByteArray point;
        ~Unmount() { ::umount2(point.constData(), MNT_DETACH); }
    } unmount{mountPoint};

    const QString path = dir.filePath(kCommandFileNames[command]);
    QVERIFY(WriteAll(path, "old content"));
    QFile filler(dir.filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'x')) > 0) {
    }
    filler.close();

    FakeDialogs dialogs;
    SaveWith(command, dialogs, path);
    if (command == 2) {
        // A picture never replaces a file: its copy name is the one refused.
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.lastMessage().startsWith(QStringLiteral("Unable to save the file. ")));
    } else {
        QCOMPARE(dialogs.lastMessage(),
                 QStringLiteral("Unable to save the file. ") + path +
                     QStringLiteral("\nThe file cannot be written: the disk is full."));
    }
    QCOMPARE(ReadAll(path), QByteArray("old content"));
    QStringList expected{QStringLiteral("filler"), kCommandFileNames[command]};
    expected.sort();
    QCOMPARE(FilesIn(dir.path()), expected);
}

// Fault injection: the file size limit makes every write past its first bytes
// fail, as a disk that fills up in the middle of a save would.
void FileCommandsTest::writeFailingMidwayKeepsTheOldFile_data() {
    failedWritesShowTheMessage_data();
}

void FileCommandsTest::writeFailingMidwayKeepsTheOldFile() {
    QFETCH(int, command);
    QTemporaryDir dir;
    const QString path = dir.filePath(kCommandFileNames[command]);
    QVERIFY(WriteAll(path, "old content"));
    FakeDialogs dialogs;
    {
        const FileSizeLimit limit(16);
        SaveWith(command, dialogs, path);
    }
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.lastMessage().startsWith(QStringLiteral("Unable to save the file. ")));
    QCOMPARE(ReadAll(path), QByteArray("old content"));
    QCOMPARE(FilesIn(dir.path()), QStringList{kCommandFileNames[command]});
}

void FileCommandsTest::savesThroughALinkAsTheCommandLineDoes_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("dangling");
    QTest::newRow("reading file through a link") << 0 << false;
    QTest::newRow("reading file through a dangling link") << 0 << true;
    QTest::newRow("text export through a dangling link") << 1 << true;
}

// The link stays a link and the file it names gets the content, made if
// missing: the one rule of the window and the command line.
void FileCommandsTest::savesThroughALinkAsTheCommandLineDoes() {
    QFETCH(int, command);
    QFETCH(bool, dangling);
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real"));
    const QString link = dir.filePath(kCommandFileNames[command]);
    if (!dangling) QVERIFY(WriteAll(real, "old"));
    QVERIFY(QFile::link(QStringLiteral("real"), link));
    FakeDialogs dialogs;
    SaveWith(command, dialogs, link);
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(QFileInfo(link).symLinkTarget(), real);
    const QByteArray written = ReadAll(real);
    QVERIFY(!written.isEmpty() && written != "old");
    QStringList expected{QStringLiteral("real"), kCommandFileNames[command]};
    expected.sort();
    QCOMPARE(FilesIn(dir.path()), expected);
}

void FileCommandsTest::anotherUsersLinkInASharedFolderIsRefused_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("reading file") << 0;
    QTest::newRow("text export") << 1;
}

// A link another user left in a folder everyone can write to (as /tmp) is
// not followed, as the kernel would not follow it: the save is refused and
// the file it names, the user's own, stays as it was.
void FileCommandsTest::anotherUsersLinkInASharedFolderIsRefused() {
    QFETCH(int, command);
    if (!RunningAsRoot()) QSKIP("only the superuser can give a link to another user");
    QTemporaryDir dir;
    const QString shared = dir.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    const QString mine = dir.filePath(QStringLiteral("private"));
    QVERIFY(WriteAll(mine, "private"));
    const QString link = shared + QLatin1Char('/') + kCommandFileNames[command];
    QVERIFY(QFile::link(mine, link));
    constexpr uid_t kNobody = 65534;
    QVERIFY(::lchown(QFile::encodeName(link).constData(), kNobody, kNobody) == 0);

    FakeDialogs dialogs;
    SaveWith(command, dialogs, link);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.lastMessage().contains(QStringLiteral("another user's link")),
             qPrintable(dialogs.lastMessage()));
    QCOMPARE(ReadAll(mine), QByteArray("private"));
    QCOMPARE(QFileInfo(link).symLinkTarget(), mine);
}

void FileCommandsTest::failedSaveLeavesTheOldFileInAReadOnlyFolder() {
    if (RunningAsRoot()) QSKIP("permission bits do not stop the superuser");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/reading.orb");
    QVERIFY(WriteAll(path, "old reading"));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    FakeDialogs dialogs;
    dialogs.saveReplies.enqueue(path);
    QString lastFileName;
    orbalis::SaveReadingFile(dialogs, nullptr, orbalis::testing::DelhiBirth1985(), lastFileName);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.front().text,
             QStringLiteral("Unable to save the file. ") + path +
                 QStringLiteral("\nThe file cannot be created: not allowed (Permission denied)."));
    QCOMPARE(ReadAll(path), QByteArray("old reading"));
}

void FileCommandsTest::dialogsStartInDocumentsThenWhereTheUserLastWas() {
    QSettings().clear();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString firstFolder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("Asha.orb"));
    QVERIFY(
        WriteAll(chosen, Bytes(orbalis::EncodeReadingFile(orbalis::testing::DelhiBirth1985()))));

    FakeDialogs dialogs;
    dialogs.openReplies.enqueue(chosen);
    QVERIFY(orbalis::OpenReadingFile(dialogs, nullptr).has_value());
    // Every other dialog (each cancelled) then starts in that folder.
    QString lastFileName;
    orbalis::SaveReadingFile(dialogs, nullptr, orbalis::testing::DelhiBirth1985(), lastFileName);
    orbalis::ExportReadingAsText(dialogs, nullptr, orbalis::testing::DelhiBirth1985(),
                                 orbalis::testing::DelhiReading1985(), lastFileName);
    PictureForm form;
    orbalis::SaveFormAsJpeg(dialogs, &form);
    // A folder removed since is no place to start.
    QVERIFY(dir.remove());
    QVERIFY(!orbalis::OpenReadingFile(dialogs, nullptr).has_value());

    QCOMPARE(dialogs.openRequests.size(), 2);
    QCOMPARE(dialogs.openRequests.front().folder, firstFolder);
    QCOMPARE(dialogs.openRequests.back().folder, firstFolder);
    QCOMPARE(dialogs.saveRequests.size(), 3);
    for (const orbalis::FileDialogRequest& request : dialogs.saveRequests)
        QCOMPARE(request.folder, dir.path());
}

QTEST_MAIN(FileCommandsTest)
#include "tst_file_commands.moc"
