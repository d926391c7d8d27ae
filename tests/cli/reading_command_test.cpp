#include "cli/reading_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "reading/reading.h"
#include "reading/reading_file.h"
#include "reading/text_export.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::TempFolder;

// Delhi, 15 August 1985, 10:30 IST (zone row 34), 28N39 77E13.
BirthTexts Delhi() {
    return {"Sample", "1985-08-15", "10:30",     "34",    "28N39",
            "77E13",  "0",          "New Delhi", "Delhi", "India"};
}

BirthDetails DelhiBirth() {
    const BirthEntries entries = EntriesFromTexts(Delhi());
    return BirthDetailsFromForm(entries.entries);
}

TEST(ReadingCommand, TextIsTheWindowsExportByteForByte) {
    const BirthDetails birth = DelhiBirth();
    ChartReading chart;
    ComputeReading(birth, chart);
    const std::string expected = TextExport(birth, chart);

    const ReadingOutcome outcome = ReadingFromTexts(Delhi(), ReadingFormat::Text);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_TRUE(outcome.error.empty());
    EXPECT_EQ(outcome.output, expected);
    EXPECT_EQ(std::count(outcome.output.begin(), outcome.output.end(), '\n'), 41);
    EXPECT_TRUE(outcome.output.starts_with("Name: Sample\r\nDate of Birth: August 15, 1985\r\n"));
    // The degree sign of the ayanamsa line is one Windows-1252 byte.
    EXPECT_NE(outcome.output.find("Ayanamsa: 23\xB0 "), std::string::npos);
}

// The whole JSON reading of the Delhi example, kept byte for byte beside the
// tests. When the output changes on purpose, write the file again with
// `orbalis-cli reading --format json` and the options of Delhi() above (as the
// README's example), and read the difference before committing it.
TEST(ReadingCommand, JsonIsTheExpectedFileByteForByte) {
    const std::filesystem::path expectedFile =
        std::filesystem::path(ORBALIS_TEST_DATA) / "delhi_1985_reading.json";
    std::ifstream in(expectedFile, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
    ASSERT_FALSE(expected.empty()) << expectedFile;

    const ReadingOutcome outcome = ReadingFromTexts(Delhi(), ReadingFormat::Json);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_EQ(outcome.output, expected);
}

TEST(ReadingCommand, RefusedInputGivesTheMessageAndStatusTwo) {
    BirthTexts texts = Delhi();
    texts.date = "1980-04-31";
    const ReadingOutcome outcome = ReadingFromTexts(texts, ReadingFormat::Text);
    EXPECT_EQ(outcome.exitStatus, 2);
    EXPECT_EQ(outcome.error, "Please Enter Correct Date Or Month !");
    EXPECT_TRUE(outcome.output.empty());
}

TEST(ReadingCommand, ReadingFileGivesTheSameReading) {
    TempFolder folder;
    const std::string path = folder.Write("delhi.orb", EncodeReadingFile(DelhiBirth()));
    const ReadingOutcome fromFile = ReadingFromFile(path, ReadingFormat::Text);
    ASSERT_EQ(fromFile.exitStatus, 0) << fromFile.error;
    EXPECT_EQ(fromFile.output, ReadingFromTexts(Delhi(), ReadingFormat::Text).output);
    EXPECT_EQ(ReadingFromFile(path, ReadingFormat::Json).output,
              ReadingFromTexts(Delhi(), ReadingFormat::Json).output);
}

TEST(ReadingCommand, ReadingFileProblems) {
    TempFolder folder;
    BirthDetails nameless = DelhiBirth();
    nameless.name.clear();
    struct Case {
        const char* name;
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {"wrong extension", folder.Write("delhi.txt", EncodeReadingFile(DelhiBirth())),
         "Please Check The File.\n" + folder.File("delhi.txt") +
             ": the name does not end in \"orb\""},
        {"extension in capitals", folder.Write("delhi.ORB", EncodeReadingFile(DelhiBirth())),
         "Please Check The File.\n" + folder.File("delhi.ORB") +
             ": the name does not end in \"orb\""},
        {"empty name line", folder.Write("nameless.orb", EncodeReadingFile(nameless)),
         "Please Enter Your Name"},
        {"empty file", folder.Write("empty.orb", ""), "Please Enter Your Name"},
        {"missing file", folder.File("absent.orb"),
         "Please Check The File.\n" + folder.File("absent.orb") + ": No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadingOutcome outcome = ReadingFromFile(c.path, ReadingFormat::Text);
        EXPECT_EQ(outcome.exitStatus, 2);
        EXPECT_EQ(outcome.error, c.message);
        EXPECT_TRUE(outcome.output.empty());
    }
}

TEST(ReadingCommand, FilesTheWindowRefusesAreRefused) {
    TempFolder folder;
    std::string damaged = EncodeReadingFile(DelhiBirth());
    const std::size_t yearLine = damaged.find(ShiftText("1985"));
    damaged.replace(yearLine, 4, ShiftText("XYZ"));
    std::string tooLarge = EncodeReadingFile(DelhiBirth());
    tooLarge.resize(kReadingFileByteLimit + 1, ' ');
    const std::string fifo = folder.File("pipe.orb");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string locked = folder.Write("locked.orb", EncodeReadingFile(DelhiBirth()));
    chmod(locked.c_str(), 0);
    std::filesystem::create_directory(folder.File("folder.orb"));
    struct Case {
        const char* name;
        std::string path;
        const char* why;
    };
    const Case cases[] = {
        {"damaged year line", folder.Write("damaged.orb", damaged), "no entry of the form"},
        {"over the size limit", folder.Write("large.orb", tooLarge), "too large"},
        {"a FIFO, never waited on", fifo, "not a regular file"},
        {"a folder", folder.File("folder.orb"), "not a regular file"},
        {"no permission", locked, "Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (geteuid() == 0 && c.path == locked) continue;  // permission bits do not stop root
        const ReadingOutcome outcome = ReadingFromFile(c.path, ReadingFormat::Text);
        EXPECT_EQ(outcome.exitStatus, 2);
        EXPECT_TRUE(outcome.error.starts_with("Please Check The File.\n" + c.path + ": "))
            << outcome.error;
        EXPECT_NE(outcome.error.find(c.why), std::string::npos) << outcome.error;
        EXPECT_TRUE(outcome.output.empty());
    }
}

TEST(ReadingCommand, BinaryReadingFileNeverCrashes) {
    TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) & 0xFF);
    const ReadingOutcome outcome =
        ReadingFromFile(folder.Write("noise.orb", bytes), ReadingFormat::Json);
    EXPECT_EQ(outcome.exitStatus, 2);
    EXPECT_TRUE(outcome.error.starts_with("Please Check The File.\n")) << outcome.error;
    EXPECT_TRUE(outcome.output.empty());
}

}  // namespace
}  // namespace orbalis::cli
