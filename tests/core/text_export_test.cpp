#include "reading/text_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dosha/kuja_dosha.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

// The printed example: Sample, born in Delhi on 15 August 1985 at 10:30,
// latitude 28°36'.
BirthDetails DelhiBirth() {
    BirthDetails birth = testing::DelhiBirth1985();
    birth.name = "Sample";
    birth.latitudeMinutes = 36;
    return birth;
}

// Mercury is marked retrograde, a mark the export must not carry.
ChartReading DelhiReading() {
    ChartReading reading = testing::DelhiReading1985();
    reading.planetSanskritName[kMercury] = "Budha (R) ";
    return reading;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string HouseLordPart(const ChartReading& reading) {
    std::string part;
    for (const std::string& line : HouseLordLines(reading)) part += line + "\r\n";
    return part;
}

// Lines 1 to 29 of the export, kept byte for byte beside the tests.
const std::filesystem::path kExpectedHead =
    std::filesystem::path(ORBALIS_TEST_DATA) / "delhi_1985_export_head.txt";

TEST(TextExport, DelhiReadingMatchesTheExpectedFileByteForByte) {
    const std::string expectedHead = ReadBytes(kExpectedHead);
    ASSERT_FALSE(expectedHead.empty()) << kExpectedHead;
    const ChartReading reading = DelhiReading();
    EXPECT_EQ(TextExport(DelhiBirth(), reading), expectedHead + HouseLordPart(reading));
}

TEST(TextExport, HasFortyOneLinesAndTheHouseLordLinesLast) {
    const ChartReading reading = DelhiReading();
    const std::string text = TextExport(DelhiBirth(), reading);
    std::size_t lineEnds = 0;
    for (std::size_t pos = 0; (pos = text.find("\r\n", pos)) != std::string::npos; pos += 2)
        ++lineEnds;
    EXPECT_EQ(lineEnds, 41u);
    EXPECT_TRUE(text.ends_with(HouseLordPart(reading)));
    for (const std::string& line : HouseLordLines(reading)) EXPECT_FALSE(line.empty());
}

TEST(TextExport, SeparatorLinesAreCrCrLf) {
    const std::string text = TextExport(DelhiBirth(), DelhiReading());
    EXPECT_NE(text.find("Country: India\r\n\r\r\nPlanetary Position\r\n"), std::string::npos);
    EXPECT_NE(text.find("Ketu 18 Lib 35\r\n\r\r\nOther Planetary Details\r\n"), std::string::npos);
    EXPECT_NE(text.find("Lord: Saturn\r\n\r\r\nHouse Lord Interpretation\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
}

TEST(TextExport, LinesOfTheBirthDetails) {
    struct Case {
        const char* name;
        void (*change)(BirthDetails&);
        const char* expectedLine;
    };
    const Case cases[] = {
        {"hour 24 written as 24", [](BirthDetails& b) { b.hour = 24; },
         "Time of Birth: 24 Hour 30 Minute\r\n"},
        {"minute without leading zero", [](BirthDetails& b) { b.minute = 7; },
         "Time of Birth: 10 Hour 7 Minute\r\n"},
        {"January", [](BirthDetails& b) { b.month = 1; }, "Date of Birth: January 15, 1985\r\n"},
        {"December, day 1",
         [](BirthDetails& b) {
             b.month = 12;
             b.day = 1;
         },
         "Date of Birth: December 1, 1985\r\n"},
        {"empty city keeps its label", [](BirthDetails& b) { b.city.clear(); }, "City: \r\n"},
        {"latitude zero",
         [](BirthDetails& b) {
             b.latitudeDegrees = 0;
             b.latitudeMinutes = 0;
         },
         "Latitude: 0 Degree 0 Minute \r\n"},
        {"name outside ascii in the code page", [](BirthDetails& b) { b.name = "Ren\xC3\xA9"; },
         "Name: Ren\xE9\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthDetails birth = DelhiBirth();
        c.change(birth);
        EXPECT_NE(TextExport(birth, DelhiReading()).find(c.expectedLine), std::string::npos);
    }
}

TEST(TextExport, WritesEnglishNamesNeverSanskritOrAscendant) {
    const std::string text = TextExport(DelhiBirth(), DelhiReading());
    EXPECT_NE(text.find("\r\nMercury 21 Can 37\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Budha"), std::string::npos);
    EXPECT_EQ(text.find("Ascendant"), std::string::npos);
    EXPECT_EQ(text.find("00 Can 14"), std::string::npos);
    EXPECT_EQ(text.find("East"), std::string::npos);
}

}  // namespace
}  // namespace orbalis
