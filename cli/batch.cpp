#include "cli/batch.h"

#include <sys/stat.h>

#include <chrono>

#include "cli/batch_header.h"
#include "cli/batch_row.h"
#include "cli/csv_output.h"
#include "cli/csv_reader.h"

namespace orbalis::cli {
namespace {

constexpr long kProgressEveryRows = 1 << 12;

// The running count on a terminal, redrawn at most five times a second.
class Progress {
  public:
    explicit Progress(std::FILE* terminal) : terminal_(terminal) {}

    void Row(const BatchSummary& summary) {
        if (!terminal_ || summary.rowsRead % kProgressEveryRows != 0) return;
        const auto now = std::chrono::steady_clock::now();
        if (shown_ && now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        shown_ = true;
        Show(summary);
    }

    void Finish(const BatchSummary& summary) {
        if (!shown_) return;
        Show(summary);
        std::fputc('\n', terminal_);
    }

  private:
    void Show(const BatchSummary& summary) {
        std::fprintf(terminal_, "\r%ld rows read, %ld refused", summary.rowsRead,
                     summary.rowsRefused);
        std::fflush(terminal_);
    }

    std::FILE* terminal_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_{};
};

// The place columns, when the file has them, go just before "error".
void WriteHeader(CsvWriter& writer, const CsvRow& header, bool placeColumns) {
    for (std::size_t i = 0; i < header.fieldCount; ++i) writer.Field(header.fields[i]);
    for (std::size_t i = 0; i + 1 < kBatchOutputColumns.size(); ++i)
        writer.Field(kBatchOutputColumns[i]);
    if (placeColumns) {
        for (std::string_view column : kBatchPlaceOutputColumns) writer.Field(column);
    }
    writer.Field(kBatchOutputColumns.back());
    writer.EndRow();
}

// The row as read, cut or padded to the header's width, then its added columns.
void WriteRow(CsvWriter& writer, const CsvRow& row, const BatchHeader& header,
              const BatchRowFields& added, const BatchPlaces* places) {
    for (std::size_t i = 0; i < header.width; ++i)
        writer.Field(i < row.fieldCount ? std::string_view(row.fields[i]) : std::string_view{});
    for (std::size_t i = 0; i + 1 < added.size(); ++i) writer.Field(added[i]);
    if (places) {
        for (const std::string& field : places->fields) writer.Field(field);
    }
    writer.Field(added.back());
    writer.EndRow();
}

void Stop(BatchSummary& summary, std::string message) {
    summary.exitStatus = kBatchUnreadable;
    summary.error = std::move(message);
}

}  // namespace

BatchSummary RunBatch(std::FILE* in, std::FILE* out, const BatchOptions& options) {
    BatchSummary summary;
    Progress progress(options.progress);
    CsvReader reader(in);
    CsvWriter writer(out);
    CsvRow row;
    row.fields.reserve(kMaxColumns);
    std::string problem;
    const std::optional<BatchHeader> header =
        ReadBatchHeader(reader, options.delimiter, row, problem);
    if (!header) {
        Stop(summary, std::move(problem));
    } else {
        std::optional<BatchPlaces> places;
        if (header->placeColumn != kMaxColumns) places.emplace();
        WriteHeader(writer, row, places.has_value());
        BatchReading scratch;
        BatchRowFields added;
        while (!writer.Failed()) {
            const CsvReader::Result result = reader.Next(row);
            if (result == CsvReader::Result::End) break;
            if (result == CsvReader::Result::Damaged) {
                Stop(summary, reader.Problem());
                break;
            }
            if (row.Blank()) {
                ++summary.rowsBlank;
                continue;
            }
            ++summary.rowsRead;
            BatchPlaces* const rowPlaces = places ? &*places : nullptr;
            if (!ComputeBatchRow(row, *header, scratch, added, rowPlaces)) {
                ++summary.rowsRefused;
                summary.exitStatus = kBatchRowsRefused;
            }
            WriteRow(writer, row, *header, added, rowPlaces);
            progress.Row(summary);
        }
    }
    if (!writer.Flush()) {
        Stop(summary, "the output cannot be written: " + writer.Error());
        summary.outputFailed = true;
    }
    progress.Finish(summary);
    return summary;
}

bool IsSameFile(std::FILE* in, const char* path) {
    struct stat input {};
    struct stat output {};
    if (fstat(fileno(in), &input) != 0 || stat(path, &output) != 0) return false;
    return input.st_dev == output.st_dev && input.st_ino == output.st_ino;
}

}  // namespace orbalis::cli
