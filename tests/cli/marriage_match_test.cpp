#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/batch.h"
#include "cli/guna_table.h"
#include "cli/match_batch.h"
#include "cli/match_command.h"
#include "reading/reading_file.h"

#include "csv_rows.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::CsvRows;
using testing::ParseCsv;
using testing::ReadBytes;
using testing::TempFolder;

std::string SaveReading(const TempFolder& folder, std::string_view file, const BirthTexts& texts) {
    return folder.Write(file,
                        EncodeReadingFile(BirthDetailsFromForm(EntriesFromTexts(texts).entries)));
}

// Delhi, 15 August 1985, 10:30 IST (Moon in Pushya), and Mumbai, 10 April
// 1987, 08:15 IST (Moon in Magha).
const BirthTexts kDelhi = {"Ravi Kumar", "1985-08-15", "10:30",     "34",    "28N38",
                           "77E12",      "0",          "New Delhi", "Delhi", "India"};
const BirthTexts kMumbai = {"Kiran Rao", "1987-04-10", "08:15",  "34",          "19N04",
                            "72E52",     "0",          "Mumbai", "Maharashtra", "India"};

TEST(MarriageMatch, TextIsTheWholeMatch) {
    TempFolder folder;
    const std::string ravi = SaveReading(folder, "ravi.orb", kDelhi);
    const std::string kiran = SaveReading(folder, "kiran.orb", kMumbai);
    const ReadingOutcome text = MatchFromFiles(ravi, kiran, ReadingFormat::Text);
    ASSERT_EQ(text.exitStatus, 0) << text.error;
    // The sheet the core tests compose from the same two readings.
    EXPECT_EQ(
        text.output,
        ReadBytes(
            (std::filesystem::path(ORBALIS_TEST_DATA) / "ravi_with_kiran_match.txt").string()));
}

// The JSON holds the same match under its keys; the groom is the first file.
TEST(MarriageMatch, JsonKeysFollowTheGroom) {
    TempFolder folder;
    const std::string ravi = SaveReading(folder, "ravi.orb", kDelhi);
    const std::string kiran = SaveReading(folder, "kiran.orb", kMumbai);
    struct Case {
        const char* name;
        std::string groom, bride;
        nlohmann::json ashtakoota;
        int poruthams;
    };
    const Case cases[] = {
        {"Ravi the groom", ravi, kiran,
         nlohmann::json::parse(R"({"varna":1,"vashya":1,"tara":1.5,"yoni":1,"graha_maitri":5,
             "gana":0,"bhakoot":0,"nadi":8,"total":17.5,"band":"not recommended"})"),
         7},
        {"Kiran the groom", kiran, ravi,
         nlohmann::json::parse(R"({"varna":0,"vashya":1,"tara":1.5,"yoni":1,"graha_maitri":5,
             "gana":1,"bhakoot":0,"nadi":8,"total":17.5,"band":"not recommended"})"),
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadingOutcome outcome = MatchFromFiles(c.groom, c.bride, ReadingFormat::Json);
        ASSERT_EQ(outcome.exitStatus, 0) << outcome.error;
        const auto json = nlohmann::json::parse(outcome.output);
        EXPECT_EQ(json.at("ashtakoota"), c.ashtakoota);
        EXPECT_EQ(json.at("poruthams").at("count"), c.poruthams);
        EXPECT_EQ(json.at("exceptions").at("bhakoot_dosha"), true);
        EXPECT_EQ(json.at("readings").at(0).at("role"), "groom");
        EXPECT_EQ(json.at("readings").at(0).at("file"), c.groom);
        EXPECT_EQ(json.at("conclusion"),
                  "Kuja dosha is not balanced: only Kiran Rao is Manglik (High Manglik).");
        EXPECT_EQ(json.at("manglikBalance"), "not_balanced");
    }
}

TEST(MarriageMatch, GunaTableHasEveryPairOrTheFilteredOnesBestFirst) {
    const CsvRows all = ParseCsv(GunaTable({}));
    ASSERT_EQ(all.size(), 11665u);
    EXPECT_EQ(all[1][0] + all[1][1] + all[1][2] + all[1][3], "1111");
    EXPECT_EQ(all.back()[0] + all.back()[1] + all.back()[2] + all.back()[3], "274274");

    // Magha 1 with Revati 2, the reference's sixth worked example.
    EXPECT_EQ(GunaTable({10, 1, 27, 2}),
              std::string(kGunaTableHeader) +
                  "\r\n10,1,27,2,0,1,3,2,5,1,0,0,12,true,false,false,false,true,false,true,false,"
                  "false,false\r\n");

    const CsvRows mine = ParseCsv(GunaTable({10, 1, std::nullopt, std::nullopt}));
    ASSERT_EQ(mine.size(), 109u);
    for (std::size_t i = 2; i < mine.size(); ++i)
        EXPECT_GE(std::stod(mine[i - 1][12]), std::stod(mine[i][12])) << i;
}

TEST(MarriageMatch, BatchWritesOneMatchACoupleInOrderWhateverTheJobs) {
    const std::string input =
        "couple,groom_name,groom_date,groom_time,groom_zone,groom_lat,groom_lon,groom_dst,"
        "groom_city,groom_state,groom_country,bride_name,bride_date,bride_time,bride_zone,"
        "bride_lat,bride_lon,bride_dst,bride_city,bride_state,bride_country\r\n"
        "1,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-04-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India\r\n"
        "2,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-13-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India\r\n";
    const std::string expected =
        "1,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-04-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India,"
        "Cancer,Pushya,3,Leo,Magha,3,1,1,1.5,1,5,0,0,8,17.5,not recommended,7,"
        "gana mahendra vasya,not balanced: bride,ok,\r\n"
        "2,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-13-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India,"
        ",,,,,,,,,,,,,,,,,,,refused,bride_date: The month must lie between 01 and 12\r\n";
    for (unsigned jobs : {1u, 2u}) {
        SCOPED_TRACE(jobs);
        TempFolder folder;
        const std::string inPath = folder.Write("in.csv", input);
        const std::string outPath = folder.File("out.csv");
        std::FILE* in = std::fopen(inPath.c_str(), "rb");
        std::FILE* out = std::fopen(outPath.c_str(), "wb");
        BatchOptions options;
        options.jobs = jobs;
        const BatchSummary summary = RunMatchBatch(in, out, options);
        std::fclose(in);
        std::fclose(out);
        EXPECT_EQ(summary.exitStatus, kBatchRowsRefused);
        EXPECT_EQ(summary.rowsRefused, 1);
        const std::string output = ReadBytes(outPath);
        EXPECT_EQ(output.substr(output.find("\r\n") + 2), expected);
    }
}

TEST(MarriageMatch, BatchNamesTheMissingColumnWithItsPrefix) {
    TempFolder folder;
    const std::string inPath = folder.Write(
        "in.csv",
        "groom_name,groom_date,groom_time,groom_place,bride_name,bride_date,bride_time\r\n");
    std::FILE* in = std::fopen(inPath.c_str(), "rb");
    std::FILE* out = std::fopen(folder.File("out.csv").c_str(), "wb");
    const BatchSummary summary = RunMatchBatch(in, out);
    std::fclose(in);
    std::fclose(out);
    EXPECT_EQ(summary.exitStatus, kBatchUnreadable);
    EXPECT_EQ(summary.error, "line 1: the header lacks the column \"bride_zone\"");
}

}  // namespace
}  // namespace orbalis::cli
