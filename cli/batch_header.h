#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "cli/batch.h"
#include "cli/csv_reader.h"

namespace orbalis::cli {

// Where each input column stands in a batch file's rows.
struct BatchHeader {
    std::array<std::size_t, kBatchInputColumns.size()> columnOf{};  // kMaxColumns: absent
    std::size_t placeColumn = kMaxColumns;
    std::size_t width = 0;  // fields of the header row
    char delimiter = ',';
};

// Reads the header: the first row that is not blank. With `delimiter` 0 the
// fields may be separated by commas, semicolons or tabs, whichever yields
// every input column first; otherwise by `delimiter` alone. On success `row`
// holds the header's fields and the reader stands at the first data row;
// otherwise `problem` says why the file cannot be read.
std::optional<BatchHeader> ReadBatchHeader(CsvReader& reader, char delimiter, CsvRow& row,
                                           std::string& problem);

// "name,date,...,country": the input columns as a header names them.
std::string BatchColumnList();

}  // namespace orbalis::cli
