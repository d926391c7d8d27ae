#include "cli/match_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "reading/reading_file.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::TempFolder;

std::string SaveReading(const TempFolder& folder, std::string_view file, const BirthTexts& texts) {
    return folder.Write(file,
                        EncodeReadingFile(BirthDetailsFromForm(EntriesFromTexts(texts).entries)));
}

// Delhi, 15 August 1985, 10:30 IST: every dosha cancelled by Mars beside the
// Moon. Mumbai, 10 April 1987, 08:15 IST: Mars in Taurus, uncancelled from the
// Lagna in Aries (2nd) and Venus in Aquarius (4th).
const BirthTexts kDelhi = {"Ravi Kumar", "1985-08-15", "10:30",     "34",    "28N38",
                           "77E12",      "0",          "New Delhi", "Delhi", "India"};
const BirthTexts kMumbai = {"Kiran Rao", "1987-04-10", "08:15",  "34",          "19N04",
                            "72E52",     "0",          "Mumbai", "Maharashtra", "India"};

TEST(MatchCommand, PairsTwoSavedReadingsEachWayRound) {
    TempFolder folder;
    const std::string delhi = SaveReading(folder, "ravi.orb", kDelhi);
    const std::string mumbai = SaveReading(folder, "kiran.orb", kMumbai);
    for (const auto& [first, second] : {std::pair{delhi, mumbai}, std::pair{mumbai, delhi}}) {
        SCOPED_TRACE(first + " with " + second);
        const ReadingOutcome text = MatchFromFiles(first, second, ReadingFormat::Text);
        ASSERT_EQ(text.exitStatus, 0) << text.error;
        EXPECT_NE(text.output.find(
                      "\nKuja dosha is not balanced: only Kiran Rao is Manglik (High Manglik).\n"),
                  std::string::npos)
            << text.output;
        EXPECT_NE(text.output.find("Lagna in Aries              2nd house    yes          dosha\n"),
                  std::string::npos)
            << text.output;

        const auto json =
            nlohmann::json::parse(MatchFromFiles(first, second, ReadingFormat::Json).output);
        EXPECT_EQ(json.at("balanced"), false);
        EXPECT_EQ(json.at("manglikBalance"), "not_balanced");
        EXPECT_EQ(json.at("sameBirth"), false);
        EXPECT_EQ(json.at("readings").at(0).at("file"), first);
        const auto& ravi = json.at("readings").at(first == delhi ? 0 : 1).at("kujaDoshaDetails");
        EXPECT_EQ(ravi.at("fromLagna").at("marsHouse"), 11);
        EXPECT_EQ(ravi.at("fromMoon").at("status"), "cancelled");
        EXPECT_EQ(ravi.at("fromVenus").at("cancelledBy").at(0).at("rule"),
                  "Mars with Jupiter or the Moon");
        const auto& kiran = json.at("readings").at(first == delhi ? 1 : 0).at("manglik");
        EXPECT_EQ(kiran.at("status"), "high");
        EXPECT_EQ(kiran.at("fromLagna").at("house"), 2);
    }
}

// Two files of one birth: named apart by their files, and named as a reading
// matched with itself.
TEST(MatchCommand, OneNameTwiceIsToldApartByFileAndBalanced) {
    TempFolder folder;
    const std::string a = SaveReading(folder, "a.orb", kMumbai);
    const std::string b = SaveReading(folder, "b.orb", kMumbai);
    EXPECT_NE(MatchFromFiles(a, b, ReadingFormat::Text)
                  .output.find("\nBoth readings are of the same birth: a reading matched with "
                               "itself.\n"),
              std::string::npos);
    const auto json = nlohmann::json::parse(MatchFromFiles(a, b, ReadingFormat::Json).output);
    EXPECT_EQ(json.at("sameBirth"), true);
    EXPECT_EQ(json.at("balanced"), true);
    EXPECT_EQ(json.at("manglikBalance"), "both_manglik");
    const std::string status =
        "High Manglik \u2014 Mars in the 2nd from the Lagna and the 4th from Venus.";
    EXPECT_EQ(json.at("reason"),
              "Kiran Rao (" + a + "): " + status + "\nKiran Rao (" + b + "): " + status);
}

TEST(MatchCommand, RefusesAFileTheWindowRefuses) {
    TempFolder folder;
    const std::string good = SaveReading(folder, "good.orb", kDelhi);
    const std::string damaged = folder.Write("damaged.orb", "\x01\x02\r\n");
    const std::string wrongName = SaveReading(folder, "good.txt", kDelhi);
    for (const std::string& bad : {damaged, wrongName, folder.File("missing.orb")}) {
        SCOPED_TRACE(bad);
        for (const auto& [first, second] : {std::pair{good, bad}, std::pair{bad, good}}) {
            const ReadingOutcome outcome = MatchFromFiles(first, second, ReadingFormat::Text);
            EXPECT_EQ(outcome.exitStatus, kReadingRefused);
            EXPECT_TRUE(outcome.output.empty());
            EXPECT_TRUE(outcome.error.starts_with("Please Check The File.\n")) << outcome.error;
        }
    }
}

// A file that opens but holds an entry the form refuses: the message of the
// form, then which file.
TEST(MatchCommand, NamesTheFileWhoseEntryIsRefused) {
    TempFolder folder;
    const std::string good = SaveReading(folder, "good.orb", kDelhi);
    BirthTexts farNorth = kDelhi;
    farNorth.latitude = "95N00";
    const std::string refused = SaveReading(folder, "refused.orb", farNorth);
    const ReadingOutcome outcome = MatchFromFiles(good, refused, ReadingFormat::Text);
    EXPECT_EQ(outcome.exitStatus, kReadingRefused);
    EXPECT_TRUE(outcome.error.ends_with(
        "\n" + refused + ": the second reading file holds an entry the form refuses"))
        << outcome.error;
    EXPECT_FALSE(outcome.error.starts_with("Please Check The File.")) << outcome.error;
}

}  // namespace
}  // namespace orbalis::cli
