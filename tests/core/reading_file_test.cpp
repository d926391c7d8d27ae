#include "reading/reading_file.h"

#include <gtest/gtest.h>

#include <string>

#include "model/code_page.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"

namespace orbalis {
namespace {

// 5 March 1980, 14:07, zone row 34, 77 13 East, 28 39 North, no daylight saving.
BirthDetails March1980() {
    BirthDetails birth;
    birth.name = "Sample";
    birth.day = 5;
    birth.month = 3;
    birth.year = 1980;
    birth.hour = 14;
    birth.minute = 7;
    birth.zoneIndex = 34;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 13;
    birth.latitudeDegrees = 28;
    birth.latitudeMinutes = 39;
    birth.isEast = true;
    birth.isSouth = false;
    birth.daylightSaving = false;
    birth.city = "New Delhi";
    birth.state = "Delhi";
    birth.country = "India";
    return birth;
}

// The file as it would be written for these plain lines.
std::string FileOf(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n") {
    std::string file;
    for (std::string_view line : lines) {
        file += ShiftText(Utf8ToCodePage(line));
        file += end;
    }
    return file;
}

ReadingFileLines LinesOf(std::initializer_list<std::string_view> lines) {
    ReadingFileLines result;
    std::size_t i = 0;
    for (std::string_view line : lines) result[i++] = std::string(line);
    return result;
}

ReadingFileLines March1980Lines() {
    return LinesOf({"Sample", "3", "5", "1980", "14", "7", "34", "77", "13", "28", "39", "True",
                    "False", "False", "New Delhi", "Delhi", "India"});
}

TEST(ShiftText, MovesEveryByteByTheOffsetAndDropsWhatLeavesTheCodePage) {
    struct Case {
        const char* name;
        std::string text;
        std::string shifted;
    };
    const std::string highest(1, static_cast<char>(255 - kShiftOffset));
    const std::string tooHigh(1, static_cast<char>(256 - kShiftOffset));
    const Case cases[] = {
        {"empty", "", ""},
        {"letters", "Ab",
         std::string{static_cast<char>('A' + kShiftOffset), static_cast<char>('b' + kShiftOffset)}},
        {"highest byte that still fits", highest, std::string(1, static_cast<char>(255))},
        {"first byte past the code page is dropped", "a" + tooHigh + "b",
         std::string{static_cast<char>('a' + kShiftOffset), static_cast<char>('b' + kShiftOffset)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShiftText(c.text), c.shifted);
    }
}

TEST(ShiftText, OffsetHasTwoDigitsAndNeverProducesALineEnd) {
    EXPECT_GE(kShiftOffset, 10);
    EXPECT_LE(kShiftOffset, 99);
    for (int code = 0; code < 256; ++code) {
        const std::string shifted = ShiftText(std::string(1, static_cast<char>(code)));
        EXPECT_EQ(shifted.find_first_of("\r\n"), std::string::npos) << "code " << code;
    }
}

TEST(UnshiftText, RestoresEveryByteWhoseShiftedCodeStaysInRange) {
    std::string all;
    for (int code = 0; code + kShiftOffset <= 255; ++code) all += static_cast<char>(code);
    EXPECT_EQ(UnshiftText(ShiftText(all)), all);
}

TEST(UnshiftText, DropsBytesBelowTheOffset) {
    const std::string text{static_cast<char>(kShiftOffset - 1), static_cast<char>(kShiftOffset),
                           static_cast<char>(255)};
    EXPECT_EQ(UnshiftText(text), (std::string{'\0', static_cast<char>(255 - kShiftOffset)}));
}

TEST(EncodeReadingFile, WritesTheSeventeenTrimmedLinesShiftedWithCrLf) {
    BirthDetails birth = March1980();
    birth.name = "  Sample  ";
    const std::string file = EncodeReadingFile(birth);
    EXPECT_EQ(file, FileOf({"Sample", "3", "5", "1980", "14", "7", "34", "77", "13", "28", "39",
                            "True", "False", "False", "New Delhi", "Delhi", "India"}));
    EXPECT_TRUE(file.ends_with("\r\n"));
}

TEST(EncodeReadingFile, WritesDirectionsAndDaylightSavingAsTrueOrFalse) {
    struct Case {
        const char* name;
        bool east, south, daylightSaving;
        const char* line12;
        const char* line13;
        const char* line14;
    };
    const Case cases[] = {
        {"west north", false, false, false, "False", "False", "False"},
        {"east south dst", true, true, true, "True", "True", "True"},
        {"west south", false, true, false, "False", "True", "False"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BirthDetails birth = March1980();
        birth.isEast = c.east;
        birth.isSouth = c.south;
        birth.daylightSaving = c.daylightSaving;
        const ReadingFileLines lines = DecodeReadingFile(EncodeReadingFile(birth));
        EXPECT_EQ(lines[11], c.line12);
        EXPECT_EQ(lines[12], c.line13);
        EXPECT_EQ(lines[13], c.line14);
    }
}

TEST(DecodeReadingFile, ReadsWhatEncodeWrote) {
    EXPECT_EQ(DecodeReadingFile(EncodeReadingFile(March1980())), March1980Lines());
}

TEST(DecodeReadingFile, KeepsCharactersOutsideAsciiThatTheShiftCanCarry) {
    static_assert(0xE9 + kShiftOffset <= 255 && 0xFF + kShiftOffset > 255);
    BirthDetails birth = March1980();
    birth.name = "Jos\xC3\xA9";    // e with acute, 0xE9 in the code page
    birth.city = "\xC3\xBFLyon";   // y with diaeresis, 0xFF: shifted past the code page
    birth.state = "\xE2\x80\x99";  // right single quote, 0x92
    const ReadingFileLines lines = DecodeReadingFile(EncodeReadingFile(birth));
    EXPECT_EQ(lines[0], birth.name);
    EXPECT_EQ(lines[14], "Lyon");
    EXPECT_EQ(lines[15], birth.state);
}

TEST(DecodeReadingFile, ShortOddAndOversizedFiles) {
    struct Case {
        const char* name;
        std::string file;
        ReadingFileLines expected;
    };
    const std::string longLine(5000, 'x');
    const Case cases[] = {
        {"empty file", "", ReadingFileLines{}},
        {"sixteen lines leave the country empty",
         FileOf({"Sample", "3", "5", "1980", "14", "7", "34", "77", "13", "28", "39", "True",
                 "False", "False", "New Delhi", "Delhi"}),
         LinesOf({"Sample", "3", "5", "1980", "14", "7", "34", "77", "13", "28", "39", "True",
                  "False", "False", "New Delhi", "Delhi", ""})},
        {"line feeds alone", FileOf({"Sample", "3", "5"}, "\n"), LinesOf({"Sample", "3", "5"})},
        {"last line without line end", FileOf({"Sample"}) + ShiftText("3"),
         LinesOf({"Sample", "3"})},
        {"lines past the seventeenth are ignored",
         FileOf({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p",
                 "q", "r", "s"}),
         LinesOf({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p",
                  "q"})},
        {"a long line is cut and the next line still read", FileOf({longLine, "3"}),
         LinesOf({std::string(kReadingFileLineLimit, 'x'), "3"})},
        {"bytes that unshift below zero are dropped",
         std::string{'\x01', '\x02', static_cast<char>('Z' + kShiftOffset)} + "\r\n",
         LinesOf({"Z"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeReadingFile(c.file), c.expected);
    }
}

TEST(DecodeReadingFile, ArbitraryBytesGiveValidUtf8OfBoundedLength) {
    std::string file;
    for (int i = 0; i < 40000; ++i) file += static_cast<char>((i * 37 + i / 7) % 256);
    const ReadingFileLines lines = DecodeReadingFile(file);
    for (const std::string& line : lines) {
        // Valid UTF-8 of at most kReadingFileLineLimit characters.
        const std::string bytes = Utf8ToCodePage(line);
        EXPECT_LE(bytes.size(), kReadingFileLineLimit);
        EXPECT_EQ(CodePageToUtf8(bytes), line);
    }
}

FormEntries StartingForm() {
    FormEntries form;
    form.name = "Earlier";
    form.day = 9;
    form.monthIndex = 6;
    form.year = 1999;
    form.hour = 8;
    form.minute = 44;
    form.zoneIndex = 12;
    form.latitudeDegrees = "1";
    form.city = "Old";
    form.daylightSaving = true;
    form.north = false;
    form.south = true;
    form.east = false;
    form.west = true;
    return form;
}

TEST(ApplyReadingFile, FillsEveryEntryOfTheForm) {
    const FormEntries form = ApplyReadingFile(March1980Lines(), StartingForm());
    EXPECT_EQ(form.name, "Sample");
    EXPECT_EQ(form.monthIndex, 2);
    EXPECT_EQ(form.day, 5);
    EXPECT_EQ(form.year, 1980);
    EXPECT_EQ(form.hour, 14);
    EXPECT_EQ(form.minute, 7);
    EXPECT_EQ(form.zoneIndex, 34);
    EXPECT_EQ(form.longitudeDegrees, "77");
    EXPECT_EQ(form.longitudeMinutes, "13");
    EXPECT_EQ(form.latitudeDegrees, "28");
    EXPECT_EQ(form.latitudeMinutes, "39");
    EXPECT_TRUE(form.east);
    EXPECT_FALSE(form.west);
    EXPECT_TRUE(form.north);
    EXPECT_FALSE(form.south);
    EXPECT_FALSE(form.daylightSaving);
    EXPECT_EQ(form.city, "New Delhi");
    EXPECT_EQ(form.state, "Delhi");
    EXPECT_EQ(form.country, "India");
}

TEST(ApplyReadingFile, ListsKeepTheirEntryForValuesTheyDoNotHold) {
    struct Case {
        const char* name;
        int line;  // 1-based
        const char* value;
        int FormEntries::*list;
        int expected;
    };
    const FormEntries start = StartingForm();
    const Case cases[] = {
        {"month 12", 2, "12", &FormEntries::monthIndex, 11},
        {"month 1", 2, "1", &FormEntries::monthIndex, 0},
        {"month 0", 2, "0", &FormEntries::monthIndex, start.monthIndex},
        {"month 13", 2, "13", &FormEntries::monthIndex, start.monthIndex},
        {"month not a number", 2, "March", &FormEntries::monthIndex, start.monthIndex},
        {"month negative", 2, "-1", &FormEntries::monthIndex, start.monthIndex},
        {"day 31", 3, "31", &FormEntries::day, 31},
        {"day 32", 3, "32", &FormEntries::day, start.day},
        {"day with a leading zero is no entry", 3, "05", &FormEntries::day, start.day},
        {"day empty", 3, "", &FormEntries::day, start.day},
        {"year 1901", 4, "1901", &FormEntries::year, 1901},
        {"year 2050", 4, "2050", &FormEntries::year, 2050},
        {"year 1900", 4, "1900", &FormEntries::year, start.year},
        {"year 2051", 4, "2051", &FormEntries::year, start.year},
        {"hour 24", 5, "24", &FormEntries::hour, 24},
        {"hour 0", 5, "0", &FormEntries::hour, 0},
        {"hour 25", 5, "25", &FormEntries::hour, start.hour},
        {"minute 59", 6, "59", &FormEntries::minute, 59},
        {"minute 60", 6, "60", &FormEntries::minute, start.minute},
        {"minute with blank", 6, " 7", &FormEntries::minute, start.minute},
        {"zone 70, the last row of older files", 7, "70", &FormEntries::zoneIndex, 70},
        {"zone 76 is the last row", 7, "76", &FormEntries::zoneIndex, 76},
        {"zone 0", 7, "0", &FormEntries::zoneIndex, 0},
        {"zone 77", 7, "77", &FormEntries::zoneIndex, start.zoneIndex},
        {"zone huge", 7, "99999999999999999999", &FormEntries::zoneIndex, start.zoneIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadingFileLines lines = March1980Lines();
        lines[c.line - 1] = c.value;
        EXPECT_EQ(ApplyReadingFile(lines, start).*c.list, c.expected);
    }
}

TEST(ApplyReadingFile, OnlyTrueSetsEastSouthAndDaylightSaving) {
    struct Case {
        const char* name;
        const char* value;
        bool expected;
    };
    const Case cases[] = {
        {"True", "True", true}, {"False", "False", false}, {"lower case", "true", false},
        {"empty", "", false},   {"other", "Yes", false},   {"blank after", "True ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadingFileLines lines = March1980Lines();
        lines[11] = lines[12] = lines[13] = c.value;
        const FormEntries form = ApplyReadingFile(lines, StartingForm());
        EXPECT_EQ(form.east, c.expected);
        EXPECT_EQ(form.west, !c.expected);
        EXPECT_EQ(form.south, c.expected);
        EXPECT_EQ(form.north, !c.expected);
        EXPECT_EQ(form.daylightSaving, c.expected);
    }
}

TEST(ApplyReadingFile, MissingLinesEmptyTheTextBoxes) {
    const FormEntries form = ApplyReadingFile(ReadingFileLines{}, StartingForm());
    EXPECT_EQ(form.name, "");
    EXPECT_EQ(form.latitudeDegrees, "");
    EXPECT_EQ(form.city, "");
    EXPECT_EQ(form.country, "");
    // Lists hold on to their entries.
    EXPECT_EQ(form.year, StartingForm().year);
    EXPECT_EQ(form.zoneIndex, StartingForm().zoneIndex);
}

TEST(ApplyReadingFile, SavedDetailsComeBackThroughTheForm) {
    const BirthDetails birth = March1980();
    const FormEntries form =
        ApplyReadingFile(DecodeReadingFile(EncodeReadingFile(birth)), StartingForm());
    const BirthDetails reopened = BirthDetailsFromForm(form);
    EXPECT_EQ(reopened.name, birth.name);
    EXPECT_EQ(reopened.day, birth.day);
    EXPECT_EQ(reopened.month, birth.month);
    EXPECT_EQ(reopened.year, birth.year);
    EXPECT_EQ(reopened.hour, birth.hour);
    EXPECT_EQ(reopened.minute, birth.minute);
    EXPECT_EQ(reopened.zoneIndex, birth.zoneIndex);
    EXPECT_EQ(reopened.latitudeDegrees, birth.latitudeDegrees);
    EXPECT_EQ(reopened.longitudeMinutes, birth.longitudeMinutes);
    EXPECT_EQ(reopened.isEast, birth.isEast);
    EXPECT_EQ(reopened.isSouth, birth.isSouth);
    EXPECT_EQ(reopened.daylightSaving, birth.daylightSaving);
    EXPECT_EQ(reopened.country, birth.country);
}

TEST(ApplyReadingFile, SixteenLineFileStopsTheReadingAtTheCountry) {
    std::string file = EncodeReadingFile(March1980());
    file.erase(file.rfind("\r\n", file.size() - 3) + 2);  // drop the last line
    const FormEntries form = ApplyReadingFile(DecodeReadingFile(file), StartingForm());
    EXPECT_EQ(form.country, "");
    const std::optional<InputProblem> problem = FirstInputProblem(form);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->message, "Please Enter Your Country name");
}

TEST(ParseReadingFile, RefusesEveryPresentLineItsControlCannotTake) {
    struct Case {
        const char* name;
        int line;  // 1-based
        std::string value;
        bool taken;
    };
    const Case cases[] = {
        {"year of letters", 4, "XYZ", false},
        {"year outside the list", 4, "1900", false},
        {"month 13", 2, "13", false},
        {"month with a leading zero", 2, "03", false},
        {"day of letters", 3, "fifth", false},
        {"empty hour", 5, "", false},
        {"minute with a sign", 6, "+7", false},
        {"zone past the last row", 7, DecimalText(kTimeZoneCount), false},
        {"last zone row", 7, DecimalText(kTimeZoneCount - 1), true},
        {"degrees of letters", 8, "ab", false},
        {"negative degrees", 10, "-99", false},
        {"four digits", 9, "0005", false},
        {"beyond sixteen bits", 8, "-99999", false},
        {"empty degrees", 11, "", false},
        {"three digits with zeros", 11, "007", true},
        {"lower-case true", 12, "true", false},
        {"blank after False", 14, "False ", false},
        {"name with a digit", 1, "R2D2", false},
        {"city with a hyphen", 15, "Saint-Denis", false},
        {"country with an accent", 17, "Andr\xC3\xA9", false},
        {"name longer than its box", 1, std::string(kLetterBoxLength + 1, 'a'), false},
        {"name as long as its box", 1, std::string(kLetterBoxLength, 'a'), true},
        {"blank-only state", 16, "   ", true},
        {"empty name", 1, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReadingFileLines lines = March1980Lines();
        lines[c.line - 1] = c.value;
        std::string file;
        for (const std::string& line : lines) file += ShiftText(Utf8ToCodePage(line)) + "\r\n";
        EXPECT_EQ(ParseReadingFile(file).has_value(), c.taken);
    }
}

TEST(ParseReadingFile, MissingLinesAndWholeDamage) {
    std::string sixteen = EncodeReadingFile(March1980());
    sixteen.erase(sixteen.rfind("\r\n", sixteen.size() - 3) + 2);
    std::string noise;
    for (int i = 0; i < 4000; ++i) noise += static_cast<char>((i * 7919 + i / 13) & 0xFF);
    std::string unshiftable = EncodeReadingFile(March1980());
    unshiftable.insert(0, 1, '\x03');  // below the offset: never written by a save
    struct Case {
        const char* name;
        std::string file;
        bool taken;
    };
    const Case cases[] = {
        {"a saved file", EncodeReadingFile(March1980()), true},
        {"sixteen lines", sixteen, true},
        {"empty file", "", true},
        {"random bytes", noise, false},
        {"a byte the shift cannot write", unshiftable, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseReadingFile(c.file).has_value(), c.taken);
    }
    EXPECT_EQ(ParseReadingFile(sixteen)->at(16), "");
}

TEST(HasReadingFileExtension, OnlyTheExactLowerCaseEnding) {
    struct Case {
        const char* name;
        const char* path;
        bool expected;
    };
    const Case cases[] = {
        {"plain", "/tmp/mine.orb", true},
        {"upper case", "/tmp/mine.ORB", false},
        {"mixed case", "/tmp/mine.Orb", false},
        {"other", "/tmp/mine.txt", false},
        {"ending without dot", "/tmp/myorb", true},
        {"too short", "rb", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HasReadingFileExtension(c.path), c.expected);
    }
}

}  // namespace
}  // namespace orbalis
