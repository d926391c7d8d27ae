#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dasha/dasha_date.h"
#include "matching/ashtakoota.h"
#include "model/positions_mode.h"

namespace orbalis::cli {

// The columns a batch file names in its header, in any order.
inline constexpr std::array<std::string_view, 10> kBatchInputColumns = {
    "name", "date", "time", "zone", "lat", "lon", "dst", "city", "state", "country"};

// A file may name a town in this column instead of (or beside) the columns
// from "zone" to "country": the town fills those it lacks or leaves empty.
inline constexpr std::string_view kBatchPlaceColumn = "place";
// Added before "error" when the file has a place column: the UTC offset the
// reading used ("+05:30"), the town's zone name when its place was used, and
// when the town's clock skipped the birth time or went through it twice, the
// note that says so and which clock was taken.
inline constexpr std::array<std::string_view, 3> kBatchPlaceOutputColumns = {
    "utc_offset", "place_zone", "clock_note"};

// The columns added after each row's own, in this order. The classical
// columns hold "dosha", "cancelled" or "none" by the classical house rule.
inline constexpr std::array<std::string_view, 28> kBatchOutputColumns = {"ascendant",
                                                                         "moon_sign",
                                                                         "nakshatra",
                                                                         "lord",
                                                                         "pada",
                                                                         "moon_pada",
                                                                         "sun",
                                                                         "moon",
                                                                         "mercury",
                                                                         "venus",
                                                                         "mars",
                                                                         "jupiter",
                                                                         "saturn",
                                                                         "rahu",
                                                                         "ketu",
                                                                         "retrograde",
                                                                         "mars_house_lagna",
                                                                         "percentage_lagna",
                                                                         "verdict_lagna",
                                                                         "mars_house_moon",
                                                                         "percentage_moon",
                                                                         "verdict_moon",
                                                                         "classical_lagna",
                                                                         "classical_moon",
                                                                         "classical_venus",
                                                                         "navamsa_lagna",
                                                                         "navamsa_moon",
                                                                         "error"};

// The last columns of every row, after "error": the Manglik status ("high",
// "low", "cancelled", "none") and the level its standing doshas give before
// softening ("high", "low"; empty when none stands). A refused row leaves
// them empty.
inline constexpr std::array<std::string_view, 2> kBatchManglikColumns = {"manglik_status",
                                                                         "manglik_level"};

// Added before the place columns with --firmness: the first and last minute
// of the Lagna's sign within three hours of the birth time ("YYYY-MM-DD
// HH:MM", empty where it holds for three hours or more or up to the end of
// the birth years), and "yes" when a verdict (the two of the results form,
// the three classical ones, the Manglik status) changes within 15 minutes,
// else "no".
inline constexpr std::array<std::string_view, 3> kBatchFirmnessColumns = {
    "lagna_holds_from", "lagna_holds_to", "verdict_changes_within_15_min"};

// Added after "error": the lords of the mahadasha and antardasha running at
// birth ("Moon/Rahu") and the balance of the mahadasha at birth ("4y 7m 3d"),
// and with a date (--at) the lords of those running on it, empty when none.
inline constexpr std::array<std::string_view, 2> kBatchDashaColumns = {"dasha_at_birth",
                                                                       "dasha_balance"};
inline constexpr std::string_view kBatchDashaAtColumn = "dasha_at";

// Exit statuses of a batch run.
inline constexpr int kBatchAllRead = 0;
inline constexpr int kBatchRowsRefused = 1;
inline constexpr int kBatchUnreadable = 2;

struct BatchOptions {
    std::FILE* progress = nullptr;  // a terminal to show the running count on, or nothing
    char delimiter = 0;             // what separates the input's fields; 0: comma, semicolon or tab
    PositionsMode positions = PositionsMode::Classic;
    // Threads that compute rows; the output is the same whatever the number.
    unsigned jobs = 1;
    // The vashya points of a match batch.
    matching::VashyaPoints vashya = matching::VashyaPoints::Symmetric;
    bool firmness = false;                                   // add kBatchFirmnessColumns
    std::optional<dasha::DashaDate> dashaAt = std::nullopt;  // add kBatchDashaAtColumn
};

struct BatchSummary {
    long rowsRead = 0;     // data rows, the header and blank rows not counted
    long rowsBlank = 0;    // blank rows after the header, skipped
    long rowsRefused = 0;  // rows whose error column is filled
    int exitStatus = kBatchAllRead;
    std::string error;          // why the run stopped (status 2)
    bool outputFailed = false;  // the error is the output's, not the input's
};

// Reads births as CSV from `in` and writes one output row per data row to
// `out`, in input order, streaming: memory stays the same whatever the file's
// length (a few chunks of rows per job). Rows before damage in the input are
// written; a write that fails stops the run.
BatchSummary RunBatch(std::FILE* in, std::FILE* out, const BatchOptions& options = {});

class CsvReader;
class CsvWriter;
struct CsvRow;

// What one kind of batch does with its file: read the header, write the
// output's, and turn each data row into an output row. RunBatchRows does the
// rest (chunks, threads, order, blank rows, damage, progress) the same for
// every kind.
class BatchRows {
  public:
    virtual ~BatchRows() = default;
    // Reads the header as ReadBatchHeader does; false with `problem` when the
    // file cannot be read.
    virtual bool ReadHeader(CsvReader& reader, char delimiter, CsvRow& row,
                            std::string& problem) = 0;
    virtual void WriteHeader(CsvWriter& writer, const CsvRow& header) = 0;

    // One thread's share: what it reuses row after row.
    class Worker {
      public:
        virtual ~Worker() = default;
        // Writes the output row of `row`; false when the row is refused.
        virtual bool WriteRow(const CsvRow& row, CsvWriter& writer) = 0;
    };
    virtual std::unique_ptr<Worker> MakeWorker() = 0;
};

BatchSummary RunBatchRows(std::FILE* in, std::FILE* out, const BatchOptions& options,
                          BatchRows& rows);

// True when `path` names the file `in` reads from, so that opening it for
// writing would destroy the input.
bool IsSameFile(std::FILE* in, const char* path);

}  // namespace orbalis::cli
