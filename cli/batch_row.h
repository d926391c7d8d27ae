#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

#include "cli/batch.h"
#include "cli/batch_header.h"
#include "cli/csv_reader.h"
#include "cli/place_birth.h"
#include "cli/reading_result.h"

namespace orbalis::cli {

// The columns a data row gains, in the order of kBatchOutputColumns: views
// of the reading's own texts and of fixed words, good until the reading is
// computed again, and of the few texts made for the row itself, held here
// (so it is never copied).
struct BatchRowFields {
    std::array<std::string_view, kBatchOutputColumns.size()> columns;
    std::array<std::string_view, kBatchManglikColumns.size()> manglik;  // fixed words
    std::string retrograde;                                             // "Mercury Jupiter"
    std::array<std::array<char, 4>, 2> marsHouses{};  // from the Lagna, from the Moon
    std::string error;
    // The columns after "error" (kBatchDashaColumns, kBatchDashaAtColumn).
    std::string dashaAtBirth;
    std::string dashaBalance;
    std::string dashaAt;

    BatchRowFields() = default;
    BatchRowFields(const BatchRowFields&) = delete;
    BatchRowFields& operator=(const BatchRowFields&) = delete;
};

// What a file with a place column adds to each row (kBatchPlaceOutputColumns)
// and the towns its rows have named so far, each resolved once.
class BatchPlaces {
  public:
    std::array<std::string, kBatchPlaceOutputColumns.size()> fields;

    // The town `query` names and the texts it gives, as PlaceTexts.
    const PlaceFill& Town(std::string_view query);

  private:
    std::unordered_map<std::string, PlaceFill> towns_;
};

// The firmness columns of a row (kBatchFirmnessColumns).
using BatchFirmnessFields = std::array<std::string, kBatchFirmnessColumns.size()>;

// The added columns of one data row: its reading with the positions of
// `mode`, or empty columns and in `error` why the row is refused ("name:
// Please enter only letters", or why the precise positions failed).
// `scratch` is reused row after row; nothing of an earlier row carries over.
// False when the row is refused. A file with a place column passes `places`,
// a run with --firmness `firmness`, a run with --at its date.
bool ComputeBatchRow(const CsvRow& row, const BatchHeader& header, PositionsMode mode,
                     BatchReading& scratch, BatchRowFields& fields, BatchPlaces* places = nullptr,
                     BatchFirmnessFields* firmness = nullptr,
                     const dasha::DashaDate* dashaAt = nullptr);

// The reading of the birth in the columns `header` finds in `row`, or false
// with `refusal` saying why, the column named with `prefix` before it
// ("groom_date: …"). With `places`, its fields are those of this birth.
bool ComputeBatchBirth(const CsvRow& row, const BatchHeader& header, PositionsMode mode,
                       BatchReading& scratch, std::string& refusal, BatchPlaces* places = nullptr,
                       std::string_view prefix = {});

// Why a row has not the header's number of fields, or nothing.
std::string RowWidthProblem(const CsvRow& row, const BatchHeader& header);

}  // namespace orbalis::cli
