#include "cli/reading_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
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

TEST(ReadingCommand, JsonParsesBackToTheSameReading) {
    const BirthDetails birth = DelhiBirth();
    ChartReading chart;
    const ReadingDisplay display = ComputeReading(birth, chart);

    const ReadingOutcome outcome = ReadingFromTexts(Delhi(), ReadingFormat::Json);
    ASSERT_EQ(outcome.exitStatus, 0);
    const nlohmann::json j = nlohmann::json::parse(outcome.output);

    const auto& b = j.at("birth");
    EXPECT_EQ(b.at("name"), "Sample");
    EXPECT_EQ(b.at("day"), 15);
    EXPECT_EQ(b.at("month"), 8);
    EXPECT_EQ(b.at("year"), 1985);
    EXPECT_EQ(b.at("hour"), 10);
    EXPECT_EQ(b.at("minute"), 30);
    EXPECT_EQ(b.at("zoneIndex"), 34);
    EXPECT_EQ(b.at("zoneHours"), -5);
    EXPECT_EQ(b.at("zoneMinutes"), -30);
    EXPECT_EQ(b.at("zoneHoursAbs"), 5);
    EXPECT_EQ(b.at("zoneMinutesAbs"), 30);
    EXPECT_EQ(b.at("latitudeDegrees"), 28);
    EXPECT_EQ(b.at("latitudeMinutes"), 39);
    EXPECT_EQ(b.at("longitudeDegrees"), 77);
    EXPECT_EQ(b.at("longitudeMinutes"), 13);
    EXPECT_EQ(b.at("isEast"), true);
    EXPECT_EQ(b.at("isSouth"), false);
    EXPECT_EQ(b.at("daylightSaving"), false);
    EXPECT_EQ(b.at("city"), "New Delhi");
    EXPECT_EQ(b.at("state"), "Delhi");
    EXPECT_EQ(b.at("country"), "India");

    const auto& r = j.at("reading");
    EXPECT_DOUBLE_EQ(r.at("ayanamsaDegrees").get<double>(), chart.ayanamsaDegrees);
    struct TextField {
        const char* key;
        const std::string& expected;
    };
    const TextField texts[] = {
        {"ayanamsaText", chart.ayanamsaText},
        {"lagnaPositionText", chart.lagnaPositionText},
        {"midheavenPositionText", chart.midheavenPositionText},
        {"moonPositionText", chart.moonPositionText},
        {"nakshatra", chart.nakshatra},
        {"rashi", chart.rashi},
        {"moonSignName", chart.moonSignName},
        {"ayanamsaDisplay", chart.ayanamsaDisplay},
        {"lagnaSign", chart.lagnaSign},
        {"lagnaRashiName", chart.lagnaRashiName},
        {"lord", chart.lord},
        {"pada", chart.pada},
    };
    for (const TextField& t : texts) {
        SCOPED_TRACE(t.key);
        EXPECT_EQ(r.at(t.key).get<std::string>(), t.expected);
    }
    EXPECT_EQ(r.at("planetName").get<BodyTexts>(), chart.planetName);
    EXPECT_EQ(r.at("planetSanskritName").get<BodyTexts>(), chart.planetSanskritName);
    EXPECT_EQ(r.at("planetPositionText").get<BodyTexts>(), chart.planetPositionText);
    // The known values of this example.
    EXPECT_EQ(r.at("lagnaRashiName"), "Kanya");
    EXPECT_EQ(r.at("planetPositionText")[kMars], "20 Can 05");

    const auto& lagna = j.at("kujaDosha").at("fromLagna");
    EXPECT_EQ(lagna.at("position"), display.fromLagna.position);
    EXPECT_EQ(lagna.at("percentage"), display.fromLagna.percentage);
    EXPECT_EQ(lagna.at("verdict"), display.fromLagna.verdict);
    EXPECT_EQ(lagna.at("marsHouse"), 11);
    EXPECT_EQ(lagna.at("percentageText"), "0.125%");
    EXPECT_EQ(lagna.at("manglik"), true);
    const auto& moon = j.at("kujaDosha").at("fromMoon");
    EXPECT_EQ(moon.at("position"), display.fromMoon.position);
    EXPECT_EQ(moon.at("marsHouse"), 1);

    // The classical rule beside it: no dosha in the 11th from the Lagna; the
    // Moon's and Venus's cancelled by Mars beside the Moon.
    const auto& details = j.at("kujaDoshaDetails");
    EXPECT_EQ(details.at("marsSign"), "Cancer");
    EXPECT_EQ(details.at("fromLagna").at("status"), "none");
    EXPECT_EQ(details.at("fromMoon").at("marsHouse"), 1);
    EXPECT_EQ(details.at("fromVenus").at("referenceSign"), "Gemini");
    EXPECT_EQ(details.at("fromVenus").at("verdict"),
              "dosha, cancelled by Mars with Jupiter or the Moon");

    const auto& boxes = j.at("chartBoxes");
    ASSERT_EQ(boxes.size(), 12u);
    for (std::size_t k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        std::string joined;
        for (const auto& line : boxes[k].at("lines")) {
            if (!joined.empty()) joined += "\r\n";
            joined += line.get<std::string>();
        }
        EXPECT_EQ(joined, display.chartBoxes[k]);
    }
    EXPECT_EQ(boxes[5].at("sign"), "Vir");
    EXPECT_EQ(boxes[5].at("lines")[0], "Asc");

    // The flags agree with the marks on the Sanskrit names.
    const std::pair<const char*, Body> planets[] = {{"Mercury", kMercury},
                                                    {"Venus", kVenus},
                                                    {"Mars", kMars},
                                                    {"Jupiter", kJupiter},
                                                    {"Saturn", kSaturn}};
    for (const auto& [name, body] : planets) {
        SCOPED_TRACE(name);
        EXPECT_EQ(j.at("retrograde").at(name).get<bool>(),
                  chart.planetSanskritName[body].ends_with(" (R) "));
    }
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
