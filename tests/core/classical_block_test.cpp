#include "dosha/classical_block.h"

#include <gtest/gtest.h>

#include "model/moon_pada.h"
#include "model/reference_tables.h"
#include "reading/reading.h"
#include "support/sample_readings.h"

namespace orbalis {
namespace {

TEST(ClassicalBlock, DelhiReadingLineByLine) {
    const ClassicalBlock block =
        ClassicalBlockOf(*AnalyseClassicalKujaDosha(testing::DelhiReading1985()));
    EXPECT_EQ(block.lines[0].reference, "Lagna");
    EXPECT_EQ(block.lines[0].text, "Mars in the 11th: no dosha");
    EXPECT_EQ(block.lines[1].reference, "Moon");
    EXPECT_EQ(block.lines[1].text, "Mars in the 1st: dosha, cancelled (Mars with the Moon)");
    EXPECT_EQ(block.lines[2].reference, "Venus");
    EXPECT_EQ(block.lines[2].text, "Mars in the 2nd: dosha, cancelled (Mars with the Moon)");
    EXPECT_EQ(block.closing,
              "By the classical rule the person is Manglik, with every dosha cancelled");
}

// Signs: lagna, moon, venus, mars, jupiter.
struct ClosingCase {
    const char* name;
    KujaSigns signs;
    const char* moonLine;
    const char* closing;
};

TEST(ClassicalBlock, EachClosingLine) {
    const ClosingCase cases[] = {
        {"Mars in the 7th from the Moon, in Gemini",
         {kAries, kSagittarius, kAries, kGemini, kPisces},
         "Mars in the 7th: dosha",
         "By the classical rule the person is Manglik"},
        {"Mars in the 3rd, 6th, 11th",
         {kTaurus, kVirgo, kTaurus, kCancer, kVirgo},
         "Mars in the 11th: no dosha",
         "By the classical rule the person is not Manglik"},
        {"Mars in Leo with Jupiter, 1st from all",
         {kLeo, kLeo, kLeo, kLeo, kLeo},
         "Mars in the 1st: dosha, cancelled (Mars in Leo or Aquarius; Mars with Jupiter and the "
         "Moon; Lagna in Cancer or Leo)",
         "By the classical rule the person is Manglik, with every dosha cancelled"},
    };
    for (const ClosingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ClassicalBlock block = ClassicalBlockOf(AnalyseClassicalKujaDosha(c.signs));
        EXPECT_EQ(block.lines[1].text, c.moonLine);
        EXPECT_EQ(block.closing, c.closing);
    }
}

TEST(MoonPada, BothEdgesOfAQuarter) {
    struct Case {
        double longitude;
        int pada;
    };
    const Case cases[] = {
        {0.0, 1},  {3.0 + 19.99 / 60, 1},  {10.0 / 3, 2}, {10.0 - 1e-9, 3},
        {10.0, 4}, {13.0 + 19.99 / 60, 4}, {40.0 / 3, 1}, {360.0 - 1e-9, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(MoonPada(c.longitude), c.pada);
    }
}

}  // namespace
}  // namespace orbalis
