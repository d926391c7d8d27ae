#include "cli/batch_header.h"

#include <algorithm>
#include <string_view>

namespace orbalis::cli {
namespace {

constexpr std::size_t kFirstPlaceFilledColumn = 3;  // "zone"
constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// A header's own names are quoted in a message up to this length.
constexpr std::size_t kNamesShown = 300;

std::string HeaderName(std::string_view text, bool firstField) {
    if (firstField && text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(3);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string name(text);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

std::string SeparatorName(char delimiter) {
    return delimiter == '\t' ? std::string("tab") : std::string("\"") + delimiter + "\"";
}

std::string LineText(long line) {
    return "line " + std::to_string(line) + ": ";
}

// One reading of the header row with one separator.
struct Attempt {
    std::optional<BatchHeader> header;
    bool damaged = false;
    bool ended = false;  // no row that is not blank
    bool lacksColumn = false;
    std::size_t columns = 0;  // input columns found
    std::string problem;
    std::string names;  // the header's fields as this separator splits them
};

std::string NamesOf(const CsvRow& row) {
    std::string names;
    for (std::size_t i = 0; i < std::min(row.fieldCount, row.fields.size()); ++i) {
        if (i > 0) names += ',';
        names += HeaderName(row.fields[i], i == 0);
        if (names.size() > kNamesShown) return names.substr(0, kNamesShown) + "...";
    }
    return names;
}

// The columns of a header row, each name after `prefix`, or what is wrong
// with it.
Attempt ColumnsOf(const CsvRow& row, char delimiter, std::string_view prefix) {
    Attempt attempt;
    if (row.fieldCount > kMaxColumns) {
        attempt.problem = LineText(row.line) + "the header has more than " +
                          std::to_string(kMaxColumns) + " columns";
        return attempt;
    }
    BatchHeader header;
    header.columnOf.fill(kMaxColumns);
    header.width = row.fieldCount;
    header.delimiter = delimiter;
    for (std::size_t i = 0; i < row.fieldCount; ++i) {
        std::string name = HeaderName(row.fields[i], i == 0);
        if (!name.starts_with(prefix)) continue;
        name.erase(0, prefix.size());
        if (name == kBatchPlaceColumn) {
            if (header.placeColumn != kMaxColumns) {
                attempt.problem = LineText(row.line) + "the header names the column \"" +
                                  std::string(prefix) + name + "\" twice";
                return attempt;
            }
            header.placeColumn = i;
            ++attempt.columns;
            continue;
        }
        const auto known = std::find(kBatchInputColumns.begin(), kBatchInputColumns.end(), name);
        if (known == kBatchInputColumns.end()) continue;
        std::size_t& column =
            header.columnOf[static_cast<std::size_t>(known - kBatchInputColumns.begin())];
        if (column != kMaxColumns) {
            attempt.problem = LineText(row.line) + "the header names the column \"" +
                              std::string(prefix) + name + "\" twice";
            return attempt;
        }
        column = i;
        ++attempt.columns;
    }
    // A place stands in for the columns from the zone on.
    const std::size_t required =
        header.placeColumn == kMaxColumns ? kBatchInputColumns.size() : kFirstPlaceFilledColumn;
    for (std::size_t c = 0; c < required; ++c) {
        if (header.columnOf[c] == kMaxColumns) {
            attempt.problem = LineText(row.line) + "the header lacks the column \"" +
                              std::string(prefix) + std::string(kBatchInputColumns[c]) + "\"";
            attempt.names = NamesOf(row);
            attempt.lacksColumn = true;
            return attempt;
        }
    }
    attempt.header = header;
    return attempt;
}

Attempt TryHeader(CsvReader& reader, char delimiter, CsvRow& row, std::string_view prefix) {
    reader.SetDelimiter(delimiter);
    CsvReader::Result result;
    while ((result = reader.Next(row)) == CsvReader::Result::Row && row.Blank()) {
    }
    Attempt attempt;
    if (result == CsvReader::Result::Row) return ColumnsOf(row, delimiter, prefix);
    attempt.damaged = result == CsvReader::Result::Damaged;
    attempt.ended = result == CsvReader::Result::End;
    attempt.problem = reader.Problem();
    return attempt;
}

}  // namespace

std::string BatchColumnList(std::string_view prefix) {
    std::string list;
    for (std::string_view column : kBatchInputColumns) {
        if (!list.empty()) list += ',';
        list += prefix;
        list += column;
    }
    return list;
}

std::optional<BatchHeader> BatchHeaderOf(const CsvRow& row, char delimiter, std::string_view prefix,
                                         std::string& problem) {
    Attempt attempt = ColumnsOf(row, delimiter, prefix);
    if (!attempt.header) problem = std::move(attempt.problem);
    return attempt.header;
}

std::optional<BatchHeader> ReadBatchHeader(CsvReader& reader, char delimiter, CsvRow& row,
                                           std::string& problem, std::string_view prefix) {
    const std::string_view tried = delimiter
                                       ? std::string_view(&delimiter, 1)
                                       : std::string_view(kSeparators.data(), kSeparators.size());
    std::optional<Attempt> best;
    char bestDelimiter = tried.front();
    for (const char candidate : tried) {
        Attempt attempt = TryHeader(reader, candidate, row, prefix);
        if (attempt.header) return attempt.header;
        if (attempt.ended) {
            problem = std::string(reader.SawBytes() ? "the file has no header row"
                                                    : "the file is empty") +
                      "; the first row must name the columns " + BatchColumnList(prefix);
            return std::nullopt;
        }
        // A separator that reads the row whole beats one that finds damage,
        // and more columns found beat fewer.
        if (!best || (best->damaged && !attempt.damaged) ||
            (best->damaged == attempt.damaged && attempt.columns > best->columns)) {
            best = std::move(attempt);
            bestDelimiter = candidate;
        }
        reader.Rewind();
    }
    problem = best->problem;
    if (best->lacksColumn) {
        problem += "; it must name " + BatchColumnList(prefix) + " in any order, separated by " +
                   (delimiter ? SeparatorName(delimiter) : "\",\", \";\" or tab") + " (with " +
                   SeparatorName(bestDelimiter) + " it names " + best->names + ")";
    }
    return std::nullopt;
}

}  // namespace orbalis::cli
