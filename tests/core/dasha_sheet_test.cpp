// The dasha as the window, its copied text and the report show it, seen from
// a fixed date today.

#include "dasha/dasha_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "dasha/dasha_birth.h"
#include "support/sample_readings.h"

namespace orbalis::dasha {
namespace {

std::unique_ptr<Vimshottari> DelhiDasha() {
    auto dasha = std::make_unique<Vimshottari>();
    ComputeVimshottari(DashaBirthOf(testing::DelhiBirth1985(), testing::DelhiReading1985()),
                       *dasha);
    return dasha;
}

// The whole text on 2025-06-01, kept beside the tests. When it changes on
// purpose, write it again from DashaSheetText and read the difference.
TEST(DashaSheet, DelhiTextIsTheExpectedFile) {
    const auto dasha = DelhiDasha();
    std::ifstream in(std::filesystem::path(ORBALIS_TEST_DATA) / "delhi_1985_dasha_sheet.txt");
    const std::string expected{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(DashaSheetText(*dasha, TodayOf(*dasha, {2025, 6, 1}), PositionsMode::Classic, false,
                             "Asha Verma"),
              expected);
}

TEST(DashaSheet, AgeInWholeMonthsOfTheCalendar) {
    struct Case {
        const char* name;
        DashaDate birth, date;
        const char* age;
    };
    const Case cases[] = {
        {"on the birth day", {1985, 8, 15}, {1985, 8, 15}, "0y 0m"},
        {"the day before a month is full", {1985, 8, 15}, {1990, 9, 14}, "5y 0m"},
        {"born on the 31st, a short month", {1985, 1, 31}, {1985, 3, 1}, "0y 1m"},
        {"before the birth", {1985, 8, 15}, {1985, 8, 14}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(AgeText(c.birth, c.date), c.age) << c.name;
}

// Which Mars period comes next, on dates through the Delhi cycle.
TEST(DashaSheet, KujaPeriodRunningOrNext) {
    const auto dasha = DelhiDasha();
    struct Case {
        DashaDate today;
        const char* kuja;
        int nextMarsMahadasha;  // -1: none
    };
    const Case cases[] = {
        {{2020, 9, 1}, "Kuja period running today: Venus/Mars, 2020-08-30 to 2021-10-30", 6},
        {{2021, 10, 30}, "Next Kuja period: Sun/Mars, 2035-06-19 to 2035-10-25", 6},
        {{2045, 1, 1}, "Next Kuja period: the Mars mahadasha, 2050-08-31 to 2057-08-30", 6},
        {{2050, 8, 31},
         "Kuja period running today: the Mars mahadasha, 2050-08-31 to 2057-08-30",
         -1},
        {{2100, 1, 1}, "No Kuja period is left in the cycle, which ends 2091-08-31", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(DateText(c.today));
        const DashaToday today = TodayOf(*dasha, c.today);
        EXPECT_EQ(DashaHead(*dasha, today, PositionsMode::Precise).kuja, c.kuja);
        EXPECT_EQ(NextMarsMahadasha(*dasha, today).value_or(-1), c.nextMarsMahadasha);
    }
    EXPECT_EQ(DashaHead(*dasha, TodayOf(*dasha, {2100, 1, 1}), PositionsMode::Precise).today,
              "No period runs today, 2100-01-01: the cycle runs from 1971-08-31 to 2091-08-31");
}

}  // namespace
}  // namespace orbalis::dasha
