#include "reading/input_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/sample_readings.h"

namespace orbalis {
namespace {

using testing::DelhiEntries;

constexpr int kFebruary = 1, kApril = 3, kJune = 5, kSeptember = 8, kNovember = 10;

struct Case {
    const char* name;
    std::function<void(FormEntries&)> change;
    const char* message;  // nullptr: the entries pass
    MessageIcon icon;
    FormField focus;
};

void Check(const Case& c) {
    SCOPED_TRACE(c.name);
    FormEntries entries = DelhiEntries();
    c.change(entries);
    const std::optional<InputProblem> problem = FirstInputProblem(entries);
    if (c.message == nullptr) {
        EXPECT_FALSE(problem.has_value()) << "refused with: " << problem->message;
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message, c.message);
    EXPECT_EQ(problem->icon, c.icon);
    EXPECT_EQ(problem->focus, c.focus);
}

constexpr auto kError = MessageIcon::Error;
constexpr auto kInformation = MessageIcon::Information;

TEST(FirstInputProblem, EachRuleWithItsMessageIconAndFocus) {
    // One-letter values go in as whole strings: assigned as literals in place
    // they draw a false -Wrestrict from GCC 12 at -O3.
    const Case cases[] = {
        {"complete form", [](FormEntries&) {}, nullptr, kError, FormField::None},
        {"1 name empty", [](FormEntries& e) { e.name.clear(); }, "Please Enter Your Name", kError,
         FormField::Name},
        {"2 latitude degrees empty", [](FormEntries& e) { e.latitudeDegrees.clear(); },
         "Please Enter Degree of Latitude", kError, FormField::LatitudeDegrees},
        {"3 latitude minutes empty", [](FormEntries& e) { e.latitudeMinutes.clear(); },
         "Please Enter Minutes of Latitude", kError, FormField::LatitudeMinutes},
        {"4 longitude degrees empty", [](FormEntries& e) { e.longitudeDegrees.clear(); },
         "Please Enter Degree of Longitude", kError, FormField::LongitudeDegrees},
        {"5 longitude minutes empty", [](FormEntries& e) { e.longitudeMinutes.clear(); },
         "Please Enter Minute of Longitude", kError, FormField::LongitudeMinutes},
        {"6 city empty", [](FormEntries& e) { e.city.clear(); }, "Please Enter Your City name",
         kError, FormField::City},
        {"7 state empty", [](FormEntries& e) { e.state.clear(); }, "Please Enter Your State name",
         kError, FormField::State},
        {"8 country empty", [](FormEntries& e) { e.country.clear(); },
         "Please Enter Your Country name", kError, FormField::Country},
        {"range: latitude 91", [](FormEntries& e) { e.latitudeDegrees = "91"; },
         "Please Enter Correct Degree of Latitude", kError, FormField::LatitudeDegrees},
        {"range: latitude 200", [](FormEntries& e) { e.latitudeDegrees = "200"; },
         "Please Enter Correct Degree of Latitude", kError, FormField::LatitudeDegrees},
        {"range: latitude 90 with 1 minute",
         [](FormEntries& e) { e.latitudeDegrees = "90", e.latitudeMinutes = std::string("1"); },
         "Please Enter Correct Degree of Latitude", kError, FormField::LatitudeDegrees},
        {"range: latitude 90 with 0 minutes passes",
         [](FormEntries& e) { e.latitudeDegrees = "90", e.latitudeMinutes = std::string("0"); },
         nullptr, kError, FormField::None},
        {"range: latitude minutes 60", [](FormEntries& e) { e.latitudeMinutes = "60"; },
         "Please Enter Correct Minutes of Latitude", kError, FormField::LatitudeMinutes},
        {"range: latitude minutes 59 passes", [](FormEntries& e) { e.latitudeMinutes = "059"; },
         nullptr, kError, FormField::None},
        {"range: longitude 181", [](FormEntries& e) { e.longitudeDegrees = "181"; },
         "Please Enter Correct Degree of Longitude", kError, FormField::LongitudeDegrees},
        {"range: longitude 180 with 1 minute",
         [](FormEntries& e) { e.longitudeDegrees = "180", e.longitudeMinutes = std::string("1"); },
         "Please Enter Correct Degree of Longitude", kError, FormField::LongitudeDegrees},
        {"range: longitude 180 with 0 minutes passes",
         [](FormEntries& e) { e.longitudeDegrees = "180", e.longitudeMinutes = "00"; }, nullptr,
         kError, FormField::None},
        {"range: longitude minutes 60", [](FormEntries& e) { e.longitudeMinutes = "60"; },
         "Please Enter Correct Minute of Longitude", kError, FormField::LongitudeMinutes},
        {"9 no latitude direction", [](FormEntries& e) { e.north = e.south = false; },
         "Please Select Direction For The Latitude", kError, FormField::LatitudeDirection},
        {"South passes", [](FormEntries& e) { e.north = false, e.south = true; }, nullptr, kError,
         FormField::None},
        {"10 no longitude direction", [](FormEntries& e) { e.east = e.west = false; },
         "Please Select Direction For The Longitude", kError, FormField::LongitudeDirection},
        {"West passes", [](FormEntries& e) { e.east = false, e.west = true; }, nullptr, kError,
         FormField::None},
        {"11 29 February 1901",
         [](FormEntries& e) { e.day = 29, e.monthIndex = kFebruary, e.year = 1901; },
         "Please Enter Correct Date Or Month!", kInformation, FormField::None},
        {"11 30 February 2000",
         [](FormEntries& e) { e.day = 30, e.monthIndex = kFebruary, e.year = 2000; },
         "Please Enter Correct Date Or Month!", kInformation, FormField::None},
        {"11 31 February 1904",
         [](FormEntries& e) { e.day = 31, e.monthIndex = kFebruary, e.year = 1904; },
         "Please Enter Correct Date Or Month!", kInformation, FormField::None},
        {"29 February 1904 passes",
         [](FormEntries& e) { e.day = 29, e.monthIndex = kFebruary, e.year = 1904; }, nullptr,
         kError, FormField::None},
        {"28 February 1901 passes",
         [](FormEntries& e) { e.day = 28, e.monthIndex = kFebruary, e.year = 1901; }, nullptr,
         kError, FormField::None},
        {"12 31 April 1980",
         [](FormEntries& e) { e.day = 31, e.monthIndex = kApril, e.year = 1980; },
         "Please Enter Correct Date Or Month !", kInformation, FormField::None},
        {"12 31 June", [](FormEntries& e) { e.day = 31, e.monthIndex = kJune; },
         "Please Enter Correct Date Or Month !", kInformation, FormField::None},
        {"12 31 September", [](FormEntries& e) { e.day = 31, e.monthIndex = kSeptember; },
         "Please Enter Correct Date Or Month !", kInformation, FormField::None},
        {"12 31 November", [](FormEntries& e) { e.day = 31, e.monthIndex = kNovember; },
         "Please Enter Correct Date Or Month !", kInformation, FormField::None},
        {"30 April passes", [](FormEntries& e) { e.day = 30, e.monthIndex = kApril; }, nullptr,
         kError, FormField::None},
        {"31 December passes", [](FormEntries& e) { e.day = 31, e.monthIndex = 11; }, nullptr,
         kError, FormField::None},
        {"13 no JPEG writer", [](FormEntries& e) { e.imageWriterAvailable = false; },
         "Required File Is Missing. Please Reinstall The Software.", kError, FormField::None},
        {"1 name of blanks", [](FormEntries& e) { e.name = "   "; }, "Please Enter Your Name",
         kError, FormField::Name},
        {"6 city of blanks", [](FormEntries& e) { e.city = " "; }, "Please Enter Your City name",
         kError, FormField::City},
        {"7 state of blanks", [](FormEntries& e) { e.state = "  "; },
         "Please Enter Your State name", kError, FormField::State},
        {"8 country of blanks", [](FormEntries& e) { e.country = "    "; },
         "Please Enter Your Country name", kError, FormField::Country},
        {"hour 24 minute 0 passes", [](FormEntries& e) { e.hour = 24, e.minute = 0; }, nullptr,
         kError, FormField::None},
    };
    for (const Case& c : cases) Check(c);
}

// Several rules broken at once: the first in the form's order is reported.
TEST(FirstInputProblem, ReportsTheFirstBrokenRuleInOrder) {
    const Case cases[] = {
        {"everything empty", [](FormEntries& e) { e = FormEntries{}; }, "Please Enter Your Name",
         kError, FormField::Name},
        {"latitude range before missing longitude",
         [](FormEntries& e) { e.latitudeDegrees = "95", e.longitudeMinutes.clear(); },
         "Please Enter Minute of Longitude", kError, FormField::LongitudeMinutes},
        {"range before direction",
         [](FormEntries& e) { e.longitudeMinutes = "75", e.north = e.south = false; },
         "Please Enter Correct Minute of Longitude", kError, FormField::LongitudeMinutes},
        {"latitude direction before longitude direction",
         [](FormEntries& e) { e.north = e.south = e.east = e.west = false; },
         "Please Select Direction For The Latitude", kError, FormField::LatitudeDirection},
        {"direction before date",
         [](FormEntries& e) { e.east = e.west = false, e.day = 31, e.monthIndex = kApril; },
         "Please Select Direction For The Longitude", kError, FormField::LongitudeDirection},
        {"date before JPEG writer",
         [](FormEntries& e) { e.day = 31, e.monthIndex = kJune, e.imageWriterAvailable = false; },
         "Please Enter Correct Date Or Month !", kInformation, FormField::None},
        {"degrees range before minutes range",
         [](FormEntries& e) { e.longitudeDegrees = "190", e.latitudeMinutes = "99"; },
         "Please Enter Correct Minutes of Latitude", kError, FormField::LatitudeMinutes},
    };
    for (const Case& c : cases) Check(c);
}

TEST(BirthDetailsFromForm, CopiesNumbersZoneAndTrimmedPlaces) {
    FormEntries e = DelhiEntries();
    e.name = " Ravi ";
    e.city = "  New Delhi ";
    e.north = false, e.south = true;
    e.daylightSaving = true;
    const BirthDetails birth = BirthDetailsFromForm(e);
    EXPECT_EQ(birth.name, " Ravi ");  // the name is kept as typed
    EXPECT_EQ(birth.city, "New Delhi");
    EXPECT_EQ(birth.day, 15);
    EXPECT_EQ(birth.month, 8);
    EXPECT_EQ(birth.year, 1985);
    EXPECT_EQ(birth.hour, 10);
    EXPECT_EQ(birth.minute, 30);
    EXPECT_EQ(birth.latitudeDegrees, 28);
    EXPECT_EQ(birth.latitudeMinutes, 38);
    EXPECT_EQ(birth.longitudeDegrees, 77);
    EXPECT_EQ(birth.longitudeMinutes, 12);
    EXPECT_EQ(birth.zoneHours, -5);
    EXPECT_EQ(birth.zoneMinutes, -30);
    EXPECT_TRUE(birth.isSouth);
    EXPECT_TRUE(birth.isEast);
    EXPECT_TRUE(birth.daylightSaving);
}

TEST(KeyRules, AcceptedCharacterCodes) {
    struct KeyCase {
        const char* name;
        char32_t code;
        bool letter;
        bool digit;
    };
    const KeyCase cases[] = {
        {"A", U'A', true, false},
        {"Z", U'Z', true, false},
        {"a", U'a', true, false},
        {"z", U'z', true, false},
        {"blank", U' ', true, false},
        {"backspace", 8, true, true},
        {"delete 127", 127, true, true},
        {"0", U'0', false, true},
        {"9", U'9', false, true},
        {"apostrophe", U'\'', false, false},
        {"hyphen", U'-', false, false},
        {"full stop", U'.', false, false},
        {"e acute", U'\u00e9', false, false},
        {"Ctrl+C", 3, false, false},
        {"Ctrl+V", 22, false, false},
        {"Ctrl+X", 24, false, false},
        {"Ctrl+Z", 26, false, false},
        {"return", 13, false, false},
        {"tab", 9, false, false},
        {"@ before A", U'@', false, false},
        {"[ after Z", U'[', false, false},
        {"` before a", U'`', false, false},
        {"{ after z", U'{', false, false},
        {"/ before 0", U'/', false, false},
        {": after 9", U':', false, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsLetterKey(c.code), c.letter);
        EXPECT_EQ(IsDigitKey(c.code), c.digit);
    }
}

TEST(KeyRules, WholeTexts) {
    struct TextCase {
        const char* name;
        std::u32string text;
        bool letters;
        bool digits;
    };
    const TextCase cases[] = {
        {"empty", U"", true, true},
        {"name with blank", U"Ravi Kumar", true, false},
        {"apostrophe", U"O'Brien", false, false},
        {"hyphen", U"Jean-Luc", false, false},
        {"accent", U"Jos\u00e9", false, false},
        {"digits", U"123", false, true},
        {"digit among letters", U"Ravi1", false, false},
        {"signed number", U"-12", false, false},
        {"decimal", U"12.5", false, false},
        {"backspace inside text", U"ab\b", false, false},
        {"line break", U"ab\n", false, false},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsLetterText(c.text), c.letters);
        EXPECT_EQ(IsDigitText(c.text), c.digits);
        // The UTF-8 form of the rule, used for command-line text, agrees.
        std::string utf8;
        for (char32_t ch : c.text) utf8 += static_cast<char>(ch);
        if (c.text.find_first_of(U"\u00e9") == std::u32string::npos) {
            EXPECT_EQ(IsLetterText(std::string_view(utf8)), c.letters);
        }
    }
    EXPECT_FALSE(IsLetterText(std::string_view("Jos\xC3\xA9")));
}

}  // namespace
}  // namespace orbalis
