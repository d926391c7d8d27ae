#include <gtest/gtest.h>

#include "cli/reading_command.h"

namespace orbalis::cli {
namespace {

BirthTexts Delhi(const char* zone) {
    return {"Sample", "1985-08-15", "10:30",     zone,    "28N39",
            "77E13",  "0",          "New Delhi", "Delhi", "India"};
}

TEST(ReadingSummary, DelhiInAFewLines) {
    const ReadingOutcome outcome = ReadingFromTexts(Delhi("34"), ReadingFormat::Summary);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(outcome.output, R"(Name:      Sample
Born:      15 August 1985, 10:30 (UTC+05:30), New Delhi, Delhi, India, 28° 39′ N, 77° 13′ E
Lagna:     Kanya (Virgo)
Moon sign: Kataka (Cancer)
Nakshatra: Pushya, the Moon in pada 3
Manglik status: Manglik, cancelled — Mars with the Moon.
From the Lagna: Manglik, 0.125% (Mars in the 11th house)
From the Moon:  Manglik, 0.125% (Mars in the 1st house)
Classical house rule (houses 1, 2, 4, 7, 8, 12)
  Lagna: Mars in the 11th: no dosha
  Moon:  Mars in the 1st: dosha, cancelled (Mars with the Moon)
  Venus: Mars in the 2nd: dosha, cancelled (Mars with the Moon)
By the classical rule the person is Manglik, with every dosha cancelled
The Lagna changes at 10:35, 5 minutes after the given birth time: please check the time.
Mars's house from the Lagna changes at 10:35, 5 minutes after the given birth time: please check the time.
)");
}

TEST(ReadingSummary, AFarZoneIsWarnedOfAndTheReadingGiven) {
    struct Case {
        const char* zone;
        const char* error;
    };
    const Case cases[] = {
        {"34", ""},
        {"0",
         "The time zone UTC\u221209:00 is far from 77\u00b0 13\u2032 E (about UTC+05:09). Please "
         "check the time zone."},
        {"38", ""},  // Japan, +9:00: 3 h 51 min from 5:09
        {"35",
         "The time zone UTC+12:00 is far from 77\u00b0 13\u2032 E (about UTC+05:09). Please check "
         "the time zone."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        const ReadingOutcome outcome = ReadingFromTexts(Delhi(c.zone), ReadingFormat::Text);
        EXPECT_EQ(outcome.exitStatus, 0);
        EXPECT_EQ(outcome.error, c.error);
        EXPECT_FALSE(outcome.output.empty());
        // The summary says it too, under the birth's line.
        const std::string summary = ReadingFromTexts(Delhi(c.zone), ReadingFormat::Summary).output;
        const std::size_t third = summary.find('\n', summary.find('\n') + 1) + 1;
        const std::string line = summary.substr(third, summary.find('\n', third) - third);
        EXPECT_TRUE(*c.error ? line == c.error : line.starts_with("Lagna: ")) << line;
    }
}

}  // namespace
}  // namespace orbalis::cli
