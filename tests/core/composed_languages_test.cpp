#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "clock/place_clock_text.h"
#include "model/utc_offset.h"
#include "reading/couple_match.h"
#include "reading/far_zone.h"
#include "reading/input_rules.h"
#include "reading/languages.h"
#include "reading/match_sheet.h"
#include "reading/reading.h"
#include "reading/text_export.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

// Texts that a caller composes from a reading and a catalogue. In Hindi and
// Tamil none of them keeps an English sentence of its own; in English each
// is what it always was.
struct Composer {
    const char* name;
    std::function<std::string(const Catalogue&)> compose;
    std::vector<const char*> english;  // English words each translation must lose
};

BirthDetails FarZoneBirth() {
    BirthDetails birth = testing::DelhiBirth1985();
    ApplyZoneRow(birth, 0);  // UTC−09:00 for a birth at 77° E
    return birth;
}

BirthDetails DaylightBirth() {
    BirthDetails birth = BirthDetailsFromForm(testing::LondonEntries1988());
    birth.daylightSaving = true;
    return birth;
}

std::string MatchSheetOfSamples(const Catalogue& words) {
    ChartReading groom;
    ChartReading bride;
    ComputeReading(testing::DelhiBirth1985(), groom);
    ComputeReading(BirthDetailsFromForm(testing::MumbaiEntries1987()), bride);
    const auto match =
        MatchCouple("Ravi", groom, "Priya", bride, matching::VashyaPoints::Symmetric);
    return MatchSheetText(ComposeMatchSheet(*match, words), words);
}

const Composer kComposers[] = {
    {"chart boxes",
     [](const Catalogue& words) {
         const std::array<std::string, 12> boxes =
             ChartBoxesIn({"Asc\r\nSurya", "Budha (R) ", "", "Guru (R)\r\nRahu", "", "", "", "", "",
                           "", "", "Ketu"},
                          words);
         std::string text;
         for (const std::string& box : boxes) text += box + "|";
         return text;
     },
     {"Asc", "Surya", "Budha", "(R)", "Guru", "Rahu", "Ketu"}},
    {"far zone warning",
     [](const Catalogue& words) { return FarZoneWarning(FarZoneBirth(), words); },
     {"time zone", "is far from", "about", "Please"}},
    {"zone with daylight saving",
     [](const Catalogue& words) { return ZoneUsedText(DaylightBirth(), words); },
     {"with daylight saving"}},
    {"place clock",
     [](const Catalogue& words) {
         PlaceClock clock;
         clock.utcOffsetSeconds = -4 * 3600;
         clock.daylightSaving = true;
         clock.abbreviation = "EDT";
         return PlaceClockText("New York", {1971, 7, 3, 23, 5}, clock, {}, words);
     },
     {" on ", "July", "daylight saving time", "No time zone", "please choose"}},
    {"match sheet's Manglik balance",
     MatchSheetOfSamples,
     {"Manglik status", "Kuja dosha is", "Mars in the", "By the Moons"}},
    {"text export's house lords",
     [](const Catalogue& words) {
         ChartReading reading;
         ComputeReading(testing::DelhiBirth1985(), reading);
         return TextExportUtf8(testing::DelhiBirth1985(), reading, words);
     },
     {"Lord of the", "House Lord Interpretation"}},
};

TEST(ComposedLanguages, EveryComposerSpeaksTheCatalogue) {
    for (const Composer& composer : kComposers) {
        SCOPED_TRACE(composer.name);
        const std::string english = composer.compose(English());
        for (const char* word : composer.english)
            EXPECT_NE(english.find(word), std::string::npos) << word << "\n" << english;
        for (const char* code : {"hi", "ta"}) {
            SCOPED_TRACE(code);
            const Catalogue words = CatalogueFor(code);
            ASSERT_FALSE(words.isEnglish());
            const std::string text = composer.compose(words);
            for (const char* word : composer.english)
                EXPECT_EQ(text.find(word), std::string::npos) << word << "\n" << text;
        }
    }
}

}  // namespace
}  // namespace orbalis
