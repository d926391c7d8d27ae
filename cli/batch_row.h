#pragma once

#include <array>
#include <string>

#include "cli/batch.h"
#include "cli/batch_header.h"
#include "cli/csv_reader.h"
#include "cli/reading_result.h"

namespace orbalis::cli {

// The columns a data row gains, in the order of kBatchOutputColumns.
using BatchRowFields = std::array<std::string, kBatchOutputColumns.size()>;

// The added columns of one data row: its reading, or empty columns and in
// `error` why the row is refused ("name: Please enter only letters").
// `scratch` is reused row after row; nothing of an earlier row carries over.
// False when the row is refused.
bool ComputeBatchRow(const CsvRow& row, const BatchHeader& header, BatchReading& scratch,
                     BatchRowFields& fields);

}  // namespace orbalis::cli
