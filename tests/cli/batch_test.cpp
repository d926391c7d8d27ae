#include "cli/batch.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "cli/batch_workers.h"

#include "csv_rows.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::CsvRows;
using testing::ParseCsv;
using testing::ReadBytes;
using testing::TempFolder;

constexpr std::size_t kFirstComputed = 10;  // with the ten input columns in the header
constexpr const char* kHeader = "name,date,time,zone,lat,lon,dst,city,state,country";
constexpr const char* kUtf16Problem =
    "the file looks like UTF-16 text, which is not read here: save it as UTF-8 (in a "
    "spreadsheet as \"CSV UTF-8\", or with iconv -f UTF-16 -t UTF-8 FILE > NEW.csv)";
// Delhi, 15 August 1985, 10:30 IST.
constexpr const char* kDelhi = "Sample,1985-08-15,10:30,34,28N39,77E13,0,New Delhi,Delhi,India";

struct BatchResult {
    BatchSummary summary;
    std::string output;
    CsvRows rows;
};

BatchResult BatchOf(std::string_view input, const BatchOptions& options = {}) {
    TempFolder folder;
    const std::string inPath = folder.Write("in.csv", input);
    const std::string outPath = folder.File("out.csv");
    std::FILE* in = std::fopen(inPath.c_str(), "rb");
    std::FILE* out = std::fopen(outPath.c_str(), "wb");
    BatchResult run;
    run.summary = RunBatch(in, out, options);
    std::fclose(in);
    std::fclose(out);
    run.output = ReadBytes(outPath);
    run.rows = ParseCsv(run.output);
    return run;
}

std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n") {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += end;
    }
    return text;
}

// `count` fields of `size` bytes each, in one row.
std::string LongFields(int count, std::size_t size) {
    std::string row;
    for (int i = 0; i < count; ++i) {
        if (i > 0) row += ',';
        row += std::string(size, 'x');
    }
    return row + "\n";
}

// Columns of a computed row, from the first added column to "error" (the
// dasha's come after it).
std::vector<std::string> Computed(const std::vector<std::string>& row, std::size_t first) {
    return {row.begin() + static_cast<std::ptrdiff_t>(first),
            row.end() - static_cast<std::ptrdiff_t>(kBatchDashaColumns.size())};
}

const std::vector<std::string> kDelhiColumns = {
    "Vir",       "Can",       "Pushya",    "Saturn",
    "4",         "3",         "28 Can 52", "13 Can 07",
    "21 Can 37", "21 Gem 20", "20 Can 05", "17 Cap 15",
    "28 Lib 19", "18 Ari 35", "18 Lib 35", "Mercury Jupiter",
    "11",        "0.125%",    "Manglik",   "1",
    "0.125%",    "Manglik",   "none",      "cancelled",
    "cancelled", "Vir",       "Lib",       "",
    "cancelled", ""};

// The error column of a computed row (Computed): the Manglik columns follow it.
const std::string& ErrorOf(const std::vector<std::string>& row) {
    return row[row.size() - 1 - kBatchManglikColumns.size()];
}

TEST(RunBatch, DelhiRowGetsItsReading) {
    const BatchResult run = BatchOf(Lines({kHeader, kDelhi}));
    EXPECT_EQ(run.summary.exitStatus, kBatchAllRead) << run.summary.error;
    EXPECT_EQ(run.summary.rowsRead, 1);
    ASSERT_EQ(run.rows.size(), 2u);
    std::vector<std::string> header(run.rows[0].begin() + kFirstComputed, run.rows[0].end());
    std::vector<std::string> columns(kBatchOutputColumns.begin(), kBatchOutputColumns.end());
    columns.insert(columns.end(), kBatchManglikColumns.begin(), kBatchManglikColumns.end());
    columns.insert(columns.end(), kBatchDashaColumns.begin(), kBatchDashaColumns.end());
    EXPECT_EQ(header, columns);
    EXPECT_EQ(Computed(run.rows[1], kFirstComputed), kDelhiColumns);
    EXPECT_TRUE(run.output.ends_with(
        "Manglik,1,0.125%,Manglik,none,cancelled,cancelled,Vir,Lib,,cancelled,,Saturn/Rahu,"
        "5y 0m 15d\r\n"));
}

TEST(RunBatch, SameResultsWhateverTheLineEndsAndColumnOrder) {
    struct Case {
        const char* name;
        std::string input;
        std::size_t firstComputed;
    };
    const Case cases[] = {
        {"CR LF", Lines({kHeader, kDelhi}), 10},
        {"LF only", Lines({kHeader, kDelhi}, "\n"), 10},
        {"no line end after the last row", Lines({kHeader}) + kDelhi, 10},
        {"blank lines between rows", Lines({kHeader, "", kDelhi, ""}), 10},
        {"columns shuffled, names in capitals, byte order mark",
         Lines({"\xEF\xBB\xBF"
                "Country,STATE,city,dst,lon,lat,zone,time,date,Name",
                "India,Delhi,New Delhi,no,77E13,28N39,34,10:30,1985-08-15,Sample"}),
         10},
        {"extra columns are carried along",
         Lines({"id,name,date,time,zone,lat,lon,dst,city,state,country,note",
                "7,Sample,1985-08-15,10:30,34,28N39,77E13,0,New Delhi,Delhi,India,\"a, b\""}),
         12},
        {"every field quoted",
         Lines({kHeader,
                "\"Sample\",\"1985-08-15\",\"10:30\",\"34\",\"28N39\",\"77E13\",\"0\","
                "\"New Delhi\",\"Delhi\",\"India\""}),
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BatchResult run = BatchOf(c.input);
        EXPECT_EQ(run.summary.exitStatus, kBatchAllRead) << run.summary.error;
        EXPECT_EQ(run.summary.rowsRead, 1);
        ASSERT_EQ(run.rows.size(), 2u);
        EXPECT_EQ(Computed(run.rows[1], c.firstComputed), kDelhiColumns);
    }
}

TEST(RunBatch, QuotedFieldsComeBackUnchanged) {
    const std::string note = "He said \"yes\", then\r\nleft, twice\nagain";
    const BatchResult run =
        BatchOf(Lines({"name,date,time,zone,lat,lon,dst,city,state,country,note",
                       " Asha ,1985-08-15,10:30,34,28N39,77E13,0,New Delhi,Delhi,"
                       "India,\"He said \"\"yes\"\", then\r\nleft, twice\nagain\""}));
    EXPECT_EQ(run.summary.exitStatus, kBatchAllRead) << run.summary.error;
    ASSERT_EQ(run.rows.size(), 2u);
    EXPECT_EQ(run.rows[1][0], " Asha ");  // the name is taken as written, blanks too
    EXPECT_EQ(run.rows[1][10], note);
    EXPECT_EQ(ErrorOf(Computed(run.rows[1], kFirstComputed)), "");
}

TEST(RunBatch, RefusedRowsCarryTheirMessageAndTheRunGoesOn) {
    struct Case {
        const char* name;
        std::string row;
        std::string error;
    };
    const Case cases[] = {
        {"31 April", "Sample,1980-04-31,10:30,34,28N39,77E13,0,New Delhi,Delhi,India",
         "date: Please Enter Correct Date Or Month !"},
        {"comma in a quoted name", "\"Smith, John\",1985-08-15,10:30,34,28N39,77E13,0,A,B,C",
         "name: Please enter only letters"},
        {"empty city", "Sample,1985-08-15,10:30,34,28N39,77E13,0,,Delhi,India",
         "city: Please Enter Your City name"},
        {"zone out of the table", "Sample,1985-08-15,10:30,99,28N39,77E13,0,A,B,C",
         "zone: The time zone must be a row number from 0 to 76 (orbalis-cli zones lists them)"},
        {"dst unreadable", "Sample,1985-08-15,10:30,34,28N39,77E13,maybe,A,B,C",
         "dst: Daylight saving must be 1 or 0, true or false, yes or no"},
        {"too few fields", "Sample,1985-08-15,10:30", "this row has 3 fields; the header names 10"},
        {"too many fields", std::string(kDelhi) + ",extra",
         "this row has 11 fields; the header names 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BatchResult run = BatchOf(Lines({kHeader, kDelhi, c.row, kDelhi}));
        EXPECT_EQ(run.summary.exitStatus, kBatchRowsRefused);
        EXPECT_EQ(run.summary.rowsRead, 3);
        EXPECT_EQ(run.summary.rowsRefused, 1);
        ASSERT_EQ(run.rows.size(), 4u);
        for (const auto& row : run.rows) EXPECT_EQ(row.size(), 42u);
        const std::vector<std::string> refused = Computed(run.rows[2], kFirstComputed);
        EXPECT_EQ(ErrorOf(refused), c.error);
        const std::size_t error = refused.size() - 1 - kBatchManglikColumns.size();
        for (std::size_t i = 0; i < refused.size(); ++i)
            if (i != error) {
                EXPECT_EQ(refused[i], "") << i;
            }
        EXPECT_EQ(Computed(run.rows[3], kFirstComputed), kDelhiColumns);
    }
}

TEST(RunBatch, UnreadableFilesStopWithAClearError) {
    struct Case {
        const char* name;
        std::string input;
        std::string error;
    };
    const Case cases[] = {
        {"empty file", "",
         "the file is empty; the first row must name the columns "
         "name,date,time,zone,lat,lon,dst,city,state,country"},
        {"only blank lines", "\r\n\r\n",
         "the file has no header row; the first row must name the columns "
         "name,date,time,zone,lat,lon,dst,city,state,country"},
        {"header lacks a column", Lines({"name,date,time,zone,lat,lon,city,state,country", kDelhi}),
         "line 1: the header lacks the column \"dst\"; it must name "
         "name,date,time,zone,lat,lon,dst,city,state,country in any order, separated by \",\", "
         "\";\" or tab (with \",\" it names name,date,time,zone,lat,lon,city,state,country)"},
        {"semicolons, a column misspelt",
         Lines({"", "name;date;time;zone;lat;lon;dst;city;state;countyr", kDelhi}),
         "line 2: the header lacks the column \"country\"; it must name "
         "name,date,time,zone,lat,lon,dst,city,state,country in any order, separated by \",\", "
         "\";\" or tab (with \";\" it names name,date,time,zone,lat,lon,dst,city,state,countyr)"},
        {"header names a column twice", Lines({std::string(kHeader) + ",Name", kDelhi}),
         "line 1: the header names the column \"name\" twice"},
        {"truncated inside a quoted field", Lines({kHeader, kDelhi}) + "\"Sample,1985-08-15,10:3",
         "line 3: the file ends inside a quoted field: its closing quote is missing"},
        {"text after a closing quote", Lines({kHeader, kDelhi, "\"Sam\"ple,1985"}),
         "line 3: a quoted field is malformed (a quote must be doubled inside quotes, and a "
         "closing quote must end the field)"},
        {"NUL byte", Lines({kHeader, kDelhi}) + std::string("Sam\0ple", 7),
         "line 3: the file holds a NUL byte: it is binary, not a CSV text"},
        {"a compressed file",
         std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\xcb\x48\xcd\xc9\xc9", 15),
         "line 1: the file holds a NUL byte: it is binary, not a CSV text"},
        {"UTF-16 with its byte order mark", std::string("\xFF\xFEn\0a\0m\0e\0,\0", 12),
         "line 1: " + std::string(kUtf16Problem)},
        {"UTF-16, big-endian, no mark", std::string("\0n\0a\0m\0e\0,\0d\0a", 14),
         "line 1: " + std::string(kUtf16Problem)},
        {"a huge unquoted field", std::string(kHeader) + "\n" + std::string(3 << 20, 'x'),
         "line 2: a row longer than 1 MiB; this is no file of births"},
        {"a row of many long fields", std::string(kHeader) + "\n" + LongFields(20, 100 << 10),
         "line 2: a row longer than 1 MiB; this is no file of births"},
        {"a huge quoted field", std::string(kHeader) + "\n\"" + std::string(3 << 20, 'x'),
         "line 2: a row longer than 1 MiB; this is no file of births"},
        {"a line of commas", std::string(kHeader) + "\n" + std::string(3 << 20, ',') + "\n",
         "line 2: a row longer than 1 MiB; this is no file of births"},
        {"a huge header", LongFields(20, 100 << 10) + kDelhi,
         "line 1: a row longer than 1 MiB; this is no file of births"},
        {"lone CR line ends", Lines({kHeader, kDelhi}, "\r") + std::string("Sam\0ple", 7),
         "line 3: the file holds a NUL byte: it is binary, not a CSV text"},
        {"a quoted line break counts", Lines({kHeader, "\"Sam\r\nple\",1"}) + std::string(1, '\0'),
         "line 4: the file holds a NUL byte: it is binary, not a CSV text"},
        {"unclosed quote on the last line", Lines({kHeader, "\"Sample,1985-08-15"}, "\n"),
         "line 2: the file ends inside a quoted field: its closing quote is missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BatchResult run = BatchOf(c.input);
        EXPECT_EQ(run.summary.exitStatus, kBatchUnreadable);
        EXPECT_EQ(run.summary.error, c.error);
    }
}

TEST(RunBatch, RowsBeforeDamageAreKept) {
    struct Case {
        const char* name;
        std::string damage;
    };
    const Case cases[] = {
        {"an open quote at the end", "\"unterminated"},
        {"a NUL byte", std::string("Sam\0ple", 7)},
        {"a malformed quote", "\"Sam\"ple,1"},
    };
    std::string goodRows;
    for (int i = 0; i < 500; ++i) goodRows += Lines({kDelhi});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BatchResult run = BatchOf(Lines({kHeader}) + goodRows + c.damage);
        EXPECT_EQ(run.summary.exitStatus, kBatchUnreadable);
        EXPECT_EQ(run.summary.rowsRead, 500);
        EXPECT_EQ(run.rows.size(), 501u);
    }
}

TEST(RunBatch, SpreadsheetHabits) {
    struct Case {
        const char* name;
        std::string input;
        char delimiter;
        long blankRows;
    };
    const std::string delhiBySemicolons =
        "Sample;1985-08-15;10:30;34;28N39;77E13;0;\"New Delhi\";Delhi;India";
    const Case cases[] = {
        {"a blank spreadsheet row", Lines({kHeader, ",,,,,,,,,", kDelhi, " , ,,,,,,,,"}), 0, 2},
        {"semicolons",
         Lines({"name;date;time;zone;lat;lon;dst;city;state;country", delhiBySemicolons,
                ";;;;;;;;;"}),
         0, 1},
        {"tabs, blank lines before the header",
         Lines({"", "name\tdate\ttime\tzone\tlat\tlon\tdst\tcity\tstate\tcountry",
                "Sample\t1985-08-15\t10:30\t34\t28N39\t77E13\t0\tNew Delhi\tDelhi\tIndia"}),
         0, 0},
        {"semicolons named",
         Lines({"name;date;time;zone;lat;lon;dst;city;state;country", delhiBySemicolons}), ';', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BatchResult run = BatchOf(c.input, {nullptr, c.delimiter});
        EXPECT_EQ(run.summary.exitStatus, kBatchAllRead) << run.summary.error;
        EXPECT_EQ(run.summary.rowsRead, 1);
        EXPECT_EQ(run.summary.rowsBlank, c.blankRows);
        ASSERT_EQ(run.rows.size(), 2u);
        EXPECT_EQ(Computed(run.rows[1], kFirstComputed), kDelhiColumns);
    }
    const BatchResult named = BatchOf(Lines({kHeader, kDelhi}), {nullptr, ';'});
    EXPECT_EQ(named.summary.error,
              "line 1: the header lacks the column \"name\"; it must name "
              "name,date,time,zone,lat,lon,dst,city,state,country in any order, separated by "
              "\";\" (with \";\" it names " +
                  std::string(kHeader) + ")");
}

TEST(RunBatch, HeaderOnlyFileIsReadWhole) {
    const BatchResult run = BatchOf(Lines({kHeader}));
    EXPECT_EQ(run.summary.exitStatus, kBatchAllRead);
    EXPECT_EQ(run.summary.rowsRead, 0);
    ASSERT_EQ(run.rows.size(), 1u);
    EXPECT_EQ(run.rows[0].size(), 42u);
}

// A varied file: many chunks of rows, refused rows, blank rows, quoted
// fields, and damage at the end; every number of threads writes the bytes one
// thread writes, in both positions modes.
TEST(RunBatch, ThreadsWriteTheBytesOfOneThread) {
    std::string input = Lines({kHeader});
    for (int i = 0; i < 3000; ++i) {
        const int year = 1901 + i % 150;
        const int month = 1 + i % 12;
        input += "\"Sample " + std::string(i % 7 == 0 ? "\"\"Q\"\"" : "") + "\"," +
                 std::to_string(year) + "-" + (month < 10 ? "0" : "") + std::to_string(month) +
                 (i % 97 == 0 ? "-31" : "-15") + ",10:30," + std::to_string(i % 71) +
                 ",28N39,77E13," + (i % 3 == 0 ? "1" : "0") + ",New Delhi,Delhi,India\r\n";
        if (i % 500 == 0) input += "\r\n";
    }
    input += "\"unterminated";
    for (const PositionsMode mode : {PositionsMode::Classic, PositionsMode::Precise}) {
        SCOPED_TRACE(PositionsModeName(mode));
        BatchOptions options;
        options.positions = mode;
        const BatchResult one = BatchOf(input, options);
        EXPECT_EQ(one.summary.rowsRead, 3000);
        EXPECT_GT(one.summary.rowsRefused, 0);
        EXPECT_EQ(one.summary.rowsBlank, 6);
        EXPECT_EQ(one.rows.size(), 3001u);
        for (const unsigned jobs : {2u, 3u, 8u}) {
            SCOPED_TRACE(jobs);
            options.jobs = jobs;
            const BatchResult many = BatchOf(input, options);
            EXPECT_TRUE(many.output == one.output);
            EXPECT_EQ(many.summary.rowsRead, one.summary.rowsRead);
            EXPECT_EQ(many.summary.rowsRefused, one.summary.rowsRefused);
            EXPECT_EQ(many.summary.exitStatus, kBatchUnreadable);
            EXPECT_EQ(many.summary.error, one.summary.error);
        }
    }
}

TEST(RunBatch, PrecisePositionsFillTheSameColumns) {
    BatchOptions options;
    options.positions = PositionsMode::Precise;
    const BatchResult run = BatchOf(Lines({kHeader, kDelhi}), options);
    ASSERT_EQ(run.rows.size(), 2u);
    const std::vector<std::string> computed = Computed(run.rows[1], kFirstComputed);
    EXPECT_EQ(computed[6], "28 Can 39");  // classic: 28 Can 52
    EXPECT_EQ(computed[15], "Mercury Jupiter");
    EXPECT_EQ(ErrorOf(computed), "");
}

TEST(RunBatch, FirmnessColumnsComeBeforeTheError) {
    BatchOptions options;
    options.firmness = true;
    const BatchResult run = BatchOf(Lines({kHeader, kDelhi}), options);
    ASSERT_EQ(run.rows.size(), 2u);
    const std::vector<std::string> added = Computed(run.rows[1], kFirstComputed);
    const std::vector<std::string> header = Computed(run.rows[0], kFirstComputed);
    ASSERT_EQ(added.size(), kBatchOutputColumns.size() + 3 + kBatchManglikColumns.size());
    EXPECT_EQ(std::vector<std::string>(header.end() - 6, header.end()),
              (std::vector<std::string>{"lagna_holds_from", "lagna_holds_to",
                                        "verdict_changes_within_15_min", "error", "manglik_status",
                                        "manglik_level"}));
    EXPECT_EQ(std::vector<std::string>(added.end() - 6, added.end()),
              (std::vector<std::string>{"1985-08-15 08:19", "1985-08-15 10:34", "no", "",
                                        "cancelled", ""}));
}

// The lords running on a date come last; a refused row and a cycle over by
// then leave them empty.
TEST(RunBatch, DashaOnADateComesLast) {
    BatchOptions options;
    options.dashaAt = dasha::DashaDate{2025, 1, 31};
    const BatchResult run =
        BatchOf(Lines({kHeader, kDelhi, "Asha,1985-08-15,10:30,34,28N39,77E13,0,,Delhi,India",
                       "Old,1901-01-01,00:00,34,28N39,77E13,0,New Delhi,Delhi,India"}),
                options);
    ASSERT_EQ(run.rows.size(), 4u);
    using Row = std::vector<std::string>;
    // "error", the two Manglik columns, then the dasha's.
    auto last6 = [](const Row& row) { return Row(row.end() - 6, row.end()); };
    EXPECT_EQ(last6(run.rows[0]), (Row{"error", "manglik_status", "manglik_level", "dasha_at_birth",
                                       "dasha_balance", "dasha_at"}));
    EXPECT_EQ(last6(run.rows[1]),
              (Row{"", "cancelled", "", "Saturn/Rahu", "5y 0m 15d", "Venus/Jupiter"}));
    EXPECT_EQ(last6(run.rows[2]), (Row{"city: Please Enter Your City name", "", "", "", "", ""}));
    EXPECT_EQ(last6(run.rows[3])[5], "");
    EXPECT_NE(last6(run.rows[3])[3], "");
}

TEST(RunBatch, FailedOutputIsNotSuccess) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (!full) GTEST_SKIP() << "no /dev/full here";
    TempFolder folder;
    std::FILE* in = std::fopen(folder.Write("in.csv", Lines({kHeader, kDelhi})).c_str(), "rb");
    const BatchSummary summary = RunBatch(in, full);
    std::fclose(in);
    std::fclose(full);
    EXPECT_EQ(summary.exitStatus, kBatchUnreadable);
    EXPECT_EQ(summary.error, "the output cannot be written: No space left on device");
    EXPECT_TRUE(summary.outputFailed);
}

TEST(IsSameFile, RecognisesTheInputUnderAnotherName) {
    TempFolder folder;
    const std::string path = folder.Write("births.csv", kHeader);
    std::FILE* in = std::fopen(path.c_str(), "rb");
    EXPECT_TRUE(IsSameFile(in, path.c_str()));
    EXPECT_TRUE(IsSameFile(in, (folder.File(".") + "/births.csv").c_str()));
    EXPECT_FALSE(IsSameFile(in, folder.File("other.csv").c_str()));
    folder.Write("other.csv", kHeader);
    EXPECT_FALSE(IsSameFile(in, folder.File("other.csv").c_str()));
    std::fclose(in);
}

// A failure while computing a chunk, on a worker or not, reaches the thread
// that takes the chunks, where the companion reports it.
TEST(BatchWorkers, AFailureReachesTheReader) {
    for (const unsigned threads : {0u, 2u}) {
        SCOPED_TRACE(threads);
        BatchWorkers workers(threads, [](BatchChunk& chunk, unsigned) {
            if (chunk.count == 2) throw std::runtime_error("out of rows");
            chunk.output = "ok";
        });
        auto chunk = [](std::size_t count) {
            auto made = std::make_unique<BatchChunk>();
            made->count = count;
            return made;
        };
        workers.Submit(chunk(1));
        if (threads == 0) {
            EXPECT_THROW(workers.Submit(chunk(2)), std::runtime_error);
            continue;
        }
        workers.Submit(chunk(2));
        EXPECT_EQ(workers.NextDone()->output, "ok");
        EXPECT_THROW(workers.NextDone(), std::runtime_error);
    }
}

}  // namespace
}  // namespace orbalis::cli
