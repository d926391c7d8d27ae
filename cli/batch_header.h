#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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
// With a `prefix`, the columns are the same names after it ("groom_name")
// and other columns are the row's own.
std::optional<BatchHeader> ReadBatchHeader(CsvReader& reader, char delimiter, CsvRow& row,
                                           std::string& problem, std::string_view prefix = {});

// The columns after `prefix` in a header row already read with `delimiter`.
std::optional<BatchHeader> BatchHeaderOf(const CsvRow& row, char delimiter, std::string_view prefix,
                                         std::string& problem);

// "name,date,...,country": the input columns as a header names them.
std::string BatchColumnList(std::string_view prefix = {});

}  // namespace orbalis::cli
