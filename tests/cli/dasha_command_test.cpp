// `orbalis-cli dasha`.

#include <wordexp.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "run_program.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

using testing::ProgramRun;
using testing::RunProgram;

constexpr const char* kDelhi =
    "dasha --name Sample --date 1985-08-15 --time 10:30 --zone 34 --lat 28N39 --lon 77E13 "
    "--city 'New Delhi' --state Delhi --country India";

// The whole text of the Delhi example, kept beside the tests. When it changes
// on purpose, write it again with the options above and read the difference.
TEST(DashaCommand, TextIsTheExpectedFile) {
    TempFolder folder;
    std::ifstream in(std::filesystem::path(ORBALIS_TEST_DATA) / "delhi_1985_dasha.txt");
    const std::string expected{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(expected.empty());
    const ProgramRun run = RunProgram(folder, kDelhi);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
}

TEST(DashaCommand, LevelsDatesAndFormats) {
    struct Case {
        const char* name;
        std::string options;
        int status;
        std::vector<std::string> lines;  // each in the output or the errors, in this order
        long lineCount = -1;             // of the output
    };
    // clang-format off
    const Case cases[] = {
        {"mahadashas alone", "--levels 1", 0,
         {"Saturn                       1971-08-31  1990-08-31  at birth\n",
          "\nMars                         2050-08-31  2057-08-30  Kuja period\n"},
         8 + 1 + 9},
        {"three levels as CSV", "--levels 3 --format csv", 0,
         {"level,mahadasha,antardasha,pratyantardasha,start,end,at_birth,before_birth,"
          "kuja_period\r\n1,Saturn,,,1971-08-31,1990-08-31,yes,no,no\r\n",
          "3,Saturn,Rahu,Rahu,1985-04-12,1985-09-15,yes,no,no\r\n"},
         1 + 9 + 81 + 729},
        {"on a date, three levels", "--at 2025-01-31 --levels 3", 0,
         {"Running on 2025-01-31:\n", "\nVenus                        2014-08-31  2034-08-31\n",
          "\n    Venus/Jupiter/Jupiter    2024-10-30  2025-03-09\n"},
         8 + 2 + 3},
        {"on a date as JSON", "--at 2025-01-31 --format json", 0,
         {"\"atBirth\": [\n      \"Saturn\",\n      \"Rahu\"\n    ],\n    \"date\": \"2025-01-31\"",
          "\"level\": \"antardasha\",\n        \"lord\": \"Jupiter\""}},
        {"on the day a period begins, the new one", "--at 2024-10-30 --format csv", 0,
         {"\r\n2,Venus,Jupiter,,2024-10-30,"}, 3},
        {"a date past the cycle", "--at 2091-08-31", 0,
         {"No period runs on 2091-08-31: the cycle runs from 1971-08-31 to 2091-08-31\n"}, 8 + 1},
        {"precise positions", "--positions precise --levels 1", 0,
         {"Positions: precise", "Dates good to a day or two\n"}},
        {"four levels", "--levels 4", 2, {"--levels: Value 4 not in range 1 to 3"}},
        {"a day the calendar lacks", "--at 2025-02-30", 2,
         {"--at: the date must read YYYY-MM-DD, for example 2025-01-31"}},
        {"a file beside the birth", "x.orb", 2,
         {"Give either a reading file or the birth options, not both\n"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const ProgramRun run = RunProgram(folder, std::string(kDelhi) + " " + c.options);
        EXPECT_EQ(run.status, c.status) << run.err;
        const std::string& text = c.status == 0 ? run.out : run.err;
        std::size_t at = 0;
        for (const std::string& line : c.lines) {
            at = text.find(line, at);
            ASSERT_NE(at, std::string::npos) << line << "\nin:\n" << text;
        }
        if (c.lineCount >= 0) {
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.lineCount);
        }
    }
}

}  // namespace
}  // namespace orbalis::cli
