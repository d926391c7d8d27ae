// Batch files that name a town in a place column.

#include <gtest/gtest.h>

#include <cstdio>

#include "cli/batch.h"
#include "clock/place_clock.h"
#include "csv_rows.h"
#include "places/place_search.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ParseCsv;
using testing::TempFolder;

TEST(BatchPlace, FillsFromTheTownAndNamesCandidatesOfRefusedRows) {
    if (!PlaceFinderAvailable() || !ClockDatabaseAvailable())
        GTEST_SKIP() << "built without the place table or the time zone database";
    TempFolder folder;
    const std::string inPath = folder.Write("in.csv",
                                            "name,date,time,place,zone,city\r\n"
                                            "A,1985-08-15,10:30,\"Jalandhar, Punjab, India\",,\r\n"
                                            "B,1976-07-04,20:15,New York,,\r\n"
                                            "C,1971-11-03,23:05,New York,,Manhattan\r\n"
                                            "D,1985-08-15,10:30,Springfield,,\r\n"
                                            "E,1985-08-15,10:30,Xqzzyville,,\r\n"
                                            "F,1985-08-15,10:30,Jalandhar,29,\r\n"
                                            "G,1985-08-15,10:30,,34,Delhi\r\n"
                                            "H,2021-03-14,02:30,New York,,\r\n"
                                            "I,2021-11-07,01:30,New York,,\r\n");
    const std::string outPath = folder.File("out.csv");
    std::FILE* in = std::fopen(inPath.c_str(), "rb");
    std::FILE* out = std::fopen(outPath.c_str(), "wb");
    const BatchSummary summary = RunBatch(in, out);
    std::fclose(in);
    std::fclose(out);
    EXPECT_EQ(summary.rowsRead, 9);
    EXPECT_EQ(summary.rowsRefused, 3);

    auto rows = ParseCsv(testing::ReadBytes(outPath));
    ASSERT_EQ(rows.size(), 10u);
    // The place columns come before "error"; the Manglik and dasha columns
    // after it.
    for (auto& row : rows)
        row.resize(row.size() - kBatchManglikColumns.size() - kBatchDashaColumns.size());
    const auto& header = rows[0];
    ASSERT_GE(header.size(), 6u);
    const std::size_t error = header.size() - 1;
    EXPECT_EQ(header[error - 3], "utc_offset");
    EXPECT_EQ(header[error - 2], "place_zone");
    EXPECT_EQ(header[error - 1], "clock_note");
    EXPECT_EQ(header[error], "error");
    struct Case {
        const char* utcOffset;
        const char* placeZone;
        const char* errorStart;
        const char* clockNote = "";
    };
    const Case cases[] = {
        {"+05:30", "Asia/Kolkata", ""},
        {"-04:00", "America/New_York", ""},  // daylight saving in July 1976
        {"-05:00", "America/New_York", ""},
        {"", "", "place: The place \"Springfield\" could be any of these: Springfield, Missouri"},
        {"", "", "place: No place matches \"Xqzzyville\""},
        {"+00:00", "Asia/Kolkata", ""},  // the row's own zone wins
        {"", "", "lat: "},               // no place: the row must give the rest itself
        {"-05:00", "America/New_York", "",
         "2021-03-14 02:30 never happened in New York City, New York, United States: the clocks "
         "went "
         "forward; the clock before the change"},
        {"-04:00", "America/New_York", "",
         "2021-11-07 01:30 happened twice in New York City, New York, United States: the clocks "
         "went "
         "back; the clock of its first occurrence"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(rows[i + 1][0]);
        const auto& row = rows[i + 1];
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(row[error - 3], cases[i].utcOffset);
        EXPECT_EQ(row[error - 2], cases[i].placeZone);
        EXPECT_TRUE(row[error - 1].starts_with(cases[i].clockNote)) << row[error - 1];
        EXPECT_EQ(row[error - 1].empty(), *cases[i].clockNote == '\0');
        EXPECT_TRUE(row[error].starts_with(cases[i].errorStart)) << row[error];
        EXPECT_EQ(row[error].empty(), *cases[i].errorStart == '\0') << row[error];
    }
}

// Each worker thread keeps its own towns; the rows come out as one thread
// writes them.
TEST(BatchPlace, ThreadsWriteTheBytesOfOneThread) {
    if (!PlaceFinderAvailable() || !ClockDatabaseAvailable())
        GTEST_SKIP() << "built without the place table or the time zone database";
    const char* towns[] = {"\"Jalandhar, Punjab, India\"", "New York", "Springfield",
                           "\"London, United Kingdom\"", "Xqzzyville"};
    std::string input = "name,date,time,place\r\n";
    for (int i = 0; i < 2000; ++i)
        input += "A," + std::to_string(1901 + i % 150) + "-07-04,20:15," + towns[i % 5] + "\r\n";
    TempFolder folder;
    const std::string inPath = folder.Write("in.csv", input);
    auto run = [&](unsigned jobs) {
        const std::string outPath = folder.File("out" + std::to_string(jobs) + ".csv");
        std::FILE* in = std::fopen(inPath.c_str(), "rb");
        std::FILE* out = std::fopen(outPath.c_str(), "wb");
        BatchOptions options;
        options.jobs = jobs;
        RunBatch(in, out, options);
        std::fclose(in);
        std::fclose(out);
        return testing::ReadBytes(outPath);
    };
    const std::string one = run(1);
    EXPECT_EQ(ParseCsv(one).size(), 2001u);
    EXPECT_TRUE(run(4) == one);
}

}  // namespace
}  // namespace orbalis::cli
