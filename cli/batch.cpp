#include "cli/batch.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>

#include "cli/batch_header.h"
#include "cli/batch_row.h"
#include "cli/batch_workers.h"
#include "cli/csv_output.h"
#include "cli/csv_reader.h"

namespace orbalis::cli {
namespace {

// Rows are handed to the workers in chunks, few enough that the threads
// seldom meet at the lock, small enough that memory stays low: a chunk ends
// at this many rows or once its fields hold this many bytes.
constexpr std::size_t kChunkRows = 256;
constexpr std::size_t kChunkBytes = 1 << 18;
// Chunks in hand per worker, so that none waits for the reader or the writer.
constexpr std::size_t kChunksPerWorker = 4;

// The running count on a terminal, redrawn at most five times a second.
class Progress {
  public:
    explicit Progress(std::FILE* terminal) : terminal_(terminal) {}

    void Rows(const BatchSummary& summary) {
        if (!terminal_) return;
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

// The firmness and place columns, when asked for, go just before "error";
// the Manglik and the dasha columns after it.
void WriteBirthHeader(CsvWriter& writer, const CsvRow& header, bool placeColumns, bool firmness,
                      bool dashaAt) {
    for (std::size_t i = 0; i < header.fieldCount; ++i) writer.Field(header.fields[i]);
    for (std::size_t i = 0; i + 1 < kBatchOutputColumns.size(); ++i)
        writer.Field(kBatchOutputColumns[i]);
    if (firmness) {
        for (std::string_view column : kBatchFirmnessColumns) writer.Field(column);
    }
    if (placeColumns) {
        for (std::string_view column : kBatchPlaceOutputColumns) writer.Field(column);
    }
    writer.Field(kBatchOutputColumns.back());
    for (std::string_view column : kBatchManglikColumns) writer.Field(column);
    for (std::string_view column : kBatchDashaColumns) writer.Field(column);
    if (dashaAt) writer.Field(kBatchDashaAtColumn);
    writer.EndRow();
}

// The row as read, cut or padded to the header's width, then its added columns.
void WriteBirthRow(CsvWriter& writer, const CsvRow& row, const BatchHeader& header,
                   const BatchRowFields& added, const BatchPlaces* places,
                   const BatchFirmnessFields* firmness, bool dashaAt) {
    for (std::size_t i = 0; i < header.width; ++i)
        writer.Field(i < row.fieldCount ? std::string_view(row.fields[i]) : std::string_view{});
    for (std::size_t i = 0; i + 1 < added.columns.size(); ++i) writer.Field(added.columns[i]);
    if (firmness) {
        for (const std::string& field : *firmness) writer.Field(field);
    }
    if (places) {
        for (const std::string& field : places->fields) writer.Field(field);
    }
    writer.Field(added.columns.back());
    for (std::string_view field : added.manglik) writer.Field(field);
    writer.Field(added.dashaAtBirth);
    writer.Field(added.dashaBalance);
    if (dashaAt) writer.Field(added.dashaAt);
    writer.EndRow();
}

void Stop(BatchSummary& summary, std::string message) {
    summary.exitStatus = kBatchUnreadable;
    summary.error = std::move(message);
}

// Births, one reading a row.
class BirthRows final : public BatchRows {
  public:
    BirthRows(PositionsMode mode, bool firmness, std::optional<dasha::DashaDate> dashaAt)
        : mode_(mode), firmness_(firmness), dashaAt_(dashaAt) {}

    bool ReadHeader(CsvReader& reader, char delimiter, CsvRow& row, std::string& problem) override {
        header_ = ReadBatchHeader(reader, delimiter, row, problem);
        return header_.has_value();
    }

    void WriteHeader(CsvWriter& writer, const CsvRow& header) override {
        WriteBirthHeader(writer, header, header_->placeColumn != kMaxColumns, firmness_,
                         dashaAt_.has_value());
    }

    class Worker final : public BatchRows::Worker {
      public:
        explicit Worker(const BirthRows& rows) : rows_(rows) {
            if (rows.header_->placeColumn != kMaxColumns) places_.emplace();
            if (rows.firmness_) firmness_.emplace();
        }
        bool WriteRow(const CsvRow& row, CsvWriter& writer) override {
            BatchPlaces* const places = places_ ? &*places_ : nullptr;
            BatchFirmnessFields* const firmness = firmness_ ? &*firmness_ : nullptr;
            const dasha::DashaDate* const dashaAt = rows_.dashaAt_ ? &*rows_.dashaAt_ : nullptr;
            const bool computed = ComputeBatchRow(row, *rows_.header_, rows_.mode_, reading_,
                                                  added_, places, firmness, dashaAt);
            WriteBirthRow(writer, row, *rows_.header_, added_, places, firmness, dashaAt);
            return computed;
        }

      private:
        const BirthRows& rows_;
        BatchReading reading_;
        BatchRowFields added_;
        std::optional<BatchPlaces> places_;  // with a place column: the towns this worker met
        std::optional<BatchFirmnessFields> firmness_;  // with --firmness
    };

    std::unique_ptr<BatchRows::Worker> MakeWorker() override {
        return std::make_unique<Worker>(*this);
    }

  private:
    PositionsMode mode_;
    bool firmness_;
    std::optional<dasha::DashaDate> dashaAt_;
    std::optional<BatchHeader> header_;
};

// What one thread reuses chunk after chunk.
struct WorkerScratch {
    std::unique_ptr<BatchRows::Worker> rows;
    std::string output;
    CsvWriter writer{output};
};

void ComputeChunk(BatchChunk& chunk, WorkerScratch& scratch) {
    chunk.refused = 0;
    for (std::size_t i = 0; i < chunk.count; ++i) {
        if (!scratch.rows->WriteRow(chunk.rows[i], scratch.writer)) ++chunk.refused;
    }
    scratch.writer.Flush();
    chunk.output.swap(scratch.output);
    scratch.output.clear();
}

enum class ReadEnd { More, End, Damaged };

// Fills the chunk with the next data rows; blank rows are counted and skipped.
ReadEnd FillChunk(CsvReader& reader, BatchChunk& chunk, BatchSummary& summary) {
    chunk.count = 0;
    chunk.bytes = 0;
    while (chunk.count < kChunkRows && chunk.bytes < kChunkBytes) {
        if (chunk.count == chunk.rows.size()) chunk.rows.emplace_back();
        CsvRow& row = chunk.rows[chunk.count];
        const CsvReader::Result result = reader.Next(row);
        if (result == CsvReader::Result::End) return ReadEnd::End;
        if (result == CsvReader::Result::Damaged) return ReadEnd::Damaged;
        if (row.Blank()) {
            ++summary.rowsBlank;
            continue;
        }
        ++summary.rowsRead;
        ++chunk.count;
        const std::size_t kept = std::min(row.fieldCount, row.fields.size());
        for (std::size_t f = 0; f < kept; ++f) chunk.bytes += row.fields[f].size();
    }
    return ReadEnd::More;
}

}  // namespace

BatchSummary RunBatch(std::FILE* in, std::FILE* out, const BatchOptions& options) {
    BirthRows rows(options.positions, options.firmness, options.dashaAt);
    return RunBatchRows(in, out, options, rows);
}

BatchSummary RunBatchRows(std::FILE* in, std::FILE* out, const BatchOptions& options,
                          BatchRows& rows) {
    BatchSummary summary;
    Progress progress(options.progress);
    CsvReader reader(in);
    CsvWriter writer(out);
    CsvRow row;
    row.fields.reserve(kMaxColumns);
    std::string problem;
    if (!rows.ReadHeader(reader, options.delimiter, row, problem)) {
        Stop(summary, std::move(problem));
    } else {
        rows.WriteHeader(writer, row);
        // One job computes on the reading thread; more start their own.
        const unsigned threads = options.jobs > 1 ? options.jobs : 0;
        std::vector<std::unique_ptr<WorkerScratch>> scratch(std::max(threads, 1u));
        for (auto& each : scratch) {
            each = std::make_unique<WorkerScratch>();
            each->rows = rows.MakeWorker();
        }
        BatchWorkers workers(threads, [&](BatchChunk& chunk, unsigned worker) {
            ComputeChunk(chunk, *scratch[worker]);
        });
        const std::size_t inHandLimit = kChunksPerWorker * std::max(threads, 1u);
        std::vector<std::unique_ptr<BatchChunk>> spare;
        ReadEnd end = ReadEnd::More;
        while (!writer.Failed()) {
            if (end == ReadEnd::More) {
                std::unique_ptr<BatchChunk> chunk;
                if (spare.empty()) {
                    chunk = std::make_unique<BatchChunk>();
                } else {
                    chunk = std::move(spare.back());
                    spare.pop_back();
                }
                end = FillChunk(reader, *chunk, summary);
                if (chunk->count > 0)
                    workers.Submit(std::move(chunk));
                else
                    spare.push_back(std::move(chunk));
            }
            // Written in the order read; once the input is over, all of them.
            if (end == ReadEnd::More && workers.InHand() < inHandLimit) continue;
            std::unique_ptr<BatchChunk> done = workers.NextDone();
            if (!done) break;
            writer.Bytes(done->output);
            summary.rowsRefused += done->refused;
            if (summary.rowsRefused > 0) summary.exitStatus = kBatchRowsRefused;
            progress.Rows(summary);
            spare.push_back(std::move(done));
        }
        if (end == ReadEnd::Damaged) Stop(summary, reader.Problem());
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
