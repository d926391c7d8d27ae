#include "cli/batch.h"

#include <csv.h>
#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "app/input_rules.h"
#include "app/reference_tables.h"
#include "cli/birth_arguments.h"
#include "cli/csv_output.h"
#include "cli/reading_result.h"
#include "dosha/kuja_dosha.h"

namespace orbalis::cli {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;
constexpr long kProgressEveryRows = 1 << 12;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

enum Column : std::size_t { kName, kDate, kTime, kZone, kLat, kLon, kDst, kCity, kState, kCountry };

std::string HeaderName(std::string_view text, bool firstField) {
    if (firstField && text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(3);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string name(text);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

std::string ColumnList() {
    std::string list;
    for (std::string_view column : kBatchInputColumns) {
        if (!list.empty()) list += ',';
        list += column;
    }
    return list;
}

std::string LineText(long line) {
    return "line " + std::to_string(line) + ": ";
}

long CountLineFeeds(const char* bytes, std::size_t size) {
    return static_cast<long>(std::count(bytes, bytes + size, '\n'));
}

// Blanks around unquoted fields are kept: a name is taken as written.
int NoBlanksAreSpace(unsigned char) {
    return 0;
}

class BatchRun {
  public:
    BatchRun(std::FILE* out, const BatchOptions& options) : writer_(out), options_(options) {
        fields_.reserve(kMaxColumns);
    }

    static void OnField(void* text, std::size_t size, void* self) {
        static_cast<BatchRun*>(self)->Field(static_cast<const char*>(text), size);
    }
    static void OnRowEnd(int, void* self) { static_cast<BatchRun*>(self)->RowEnd(); }

    bool Stopped() const { return summary_.exitStatus == kBatchUnreadable; }
    bool HaveHeader() const { return haveHeader_; }
    CsvWriter& Writer() { return writer_; }

    void Stop(std::string message) {
        if (Stopped()) return;
        summary_.exitStatus = kBatchUnreadable;
        summary_.error = std::move(message);
    }

    BatchSummary Finish() {
        if (progressShown_) {
            ShowProgress();
            std::fputc('\n', options_.progress);
        }
        return summary_;
    }

  private:
    void Field(const char* text, std::size_t size) {
        if (Stopped()) return;
        rowBytes_ += size;
        if (rowBytes_ > kMaxRowBytes) {
            Stop("row " + std::to_string(summary_.rowsRead + 1) +
                 " after the header: longer than 1 MiB; this is no file of births");
            return;
        }
        const std::size_t limit = haveHeader_ ? headerWidth_ : kMaxColumns;
        if (fieldCount_ < limit) {
            if (fieldCount_ == fields_.size()) fields_.emplace_back();
            fields_[fieldCount_].assign(text, size);
        }
        ++fieldCount_;
    }

    void RowEnd() {
        if (Stopped()) return;
        if (!haveHeader_)
            Header();
        else
            DataRow();
        fieldCount_ = 0;
        rowBytes_ = 0;
    }

    void Header() {
        if (fieldCount_ > kMaxColumns) {
            Stop(LineText(1) + "the header has more than " + std::to_string(kMaxColumns) +
                 " columns");
            return;
        }
        columnOf_.fill(kMaxColumns);
        for (std::size_t i = 0; i < fieldCount_; ++i) {
            const std::string name = HeaderName(fields_[i], i == 0);
            const auto known =
                std::find(kBatchInputColumns.begin(), kBatchInputColumns.end(), name);
            if (known == kBatchInputColumns.end()) continue;
            std::size_t& column =
                columnOf_[static_cast<std::size_t>(known - kBatchInputColumns.begin())];
            if (column != kMaxColumns) {
                Stop(LineText(1) + "the header names the column \"" + name + "\" twice");
                return;
            }
            column = i;
        }
        for (std::size_t c = 0; c < kBatchInputColumns.size(); ++c) {
            if (columnOf_[c] == kMaxColumns) {
                Stop(LineText(1) + "the header lacks the column \"" +
                     std::string(kBatchInputColumns[c]) + "\"; it must name " + ColumnList() +
                     " in any order");
                return;
            }
        }
        headerWidth_ = fieldCount_;
        haveHeader_ = true;
        for (std::size_t i = 0; i < headerWidth_; ++i) writer_.Field(fields_[i]);
        for (std::string_view column : kBatchOutputColumns) writer_.Field(column);
        writer_.EndRow();
    }

    std::string_view Value(Column column) const { return fields_[columnOf_[column]]; }

    void DataRow() {
        ++summary_.rowsRead;
        for (std::size_t i = 0; i < headerWidth_; ++i)
            writer_.Field(i < fieldCount_ ? std::string_view(fields_[i]) : std::string_view{});

        if (fieldCount_ != headerWidth_) {
            Refuse("this row has " + std::to_string(fieldCount_) + " fields; the header names " +
                   std::to_string(headerWidth_));
        } else {
            const BirthTexts texts{Value(kName),  Value(kDate),   Value(kTime), Value(kZone),
                                   Value(kLat),   Value(kLon),    Value(kDst),  Value(kCity),
                                   Value(kState), Value(kCountry)};
            BirthEntries entries = EntriesFromTexts(texts);
            if (entries.problem) {
                Refuse(*entries.problem);
            } else {
                ComputeBatchReading(BirthDetailsFromForm(entries.entries), reading_);
                WriteReading();
            }
        }
        writer_.EndRow();
        if (options_.progress && summary_.rowsRead % kProgressEveryRows == 0) MaybeShowProgress();
    }

    void Refuse(const std::string& message) {
        ++summary_.rowsRefused;
        summary_.exitStatus = kBatchRowsRefused;
        for (std::size_t i = 0; i + 1 < kBatchOutputColumns.size(); ++i) writer_.Field({});
        writer_.Field(message);
    }

    void WriteReading() {
        const ChartReading& chart = reading_.chart;
        writer_.Field(chart.lagnaSign);
        const auto moonSign = SignOfPositionText(chart.planetPositionText[kMoon]);
        writer_.Field(moonSign ? SignAbbreviations[static_cast<std::size_t>(*moonSign)]
                               : std::string_view{});
        writer_.Field(chart.nakshatra);
        writer_.Field(chart.lord);
        writer_.Field(chart.pada);
        for (int body = kSun; body <= kKetu; ++body)
            writer_.Field(chart.planetPositionText[static_cast<std::size_t>(body)]);
        retrograde_.clear();
        for (std::size_t i = 0; i < kRetrogradeNames.size(); ++i) {
            if (!reading_.retrograde[i]) continue;
            if (!retrograde_.empty()) retrograde_ += ' ';
            retrograde_ += kRetrogradeNames[i];
        }
        writer_.Field(retrograde_);
        for (const std::optional<KujaDoshaCount>* count :
             {&reading_.fromLagna, &reading_.fromMoon}) {
            if (!*count) {
                for (int i = 0; i < 3; ++i) writer_.Field({});
                continue;
            }
            char house[4];
            const auto written = std::to_chars(house, house + sizeof house, (*count)->marsHouse);
            writer_.Field({house, written.ptr});
            writer_.Field((*count)->percentage);
            writer_.Field((*count)->manglik ? "Manglik" : "Non Manglik");
        }
        writer_.Field({});  // error
    }

    void MaybeShowProgress() {
        const auto now = std::chrono::steady_clock::now();
        if (progressShown_ && now - lastProgress_ < std::chrono::milliseconds(200)) return;
        lastProgress_ = now;
        progressShown_ = true;
        ShowProgress();
    }

    void ShowProgress() {
        std::fprintf(options_.progress, "\r%ld rows read, %ld refused", summary_.rowsRead,
                     summary_.rowsRefused);
        std::fflush(options_.progress);
    }

    CsvWriter writer_;
    BatchOptions options_;
    BatchSummary summary_;
    std::vector<std::string> fields_;
    std::size_t fieldCount_ = 0;
    std::size_t rowBytes_ = 0;
    bool haveHeader_ = false;
    std::size_t headerWidth_ = 0;
    std::array<std::size_t, kBatchInputColumns.size()> columnOf_{};
    BatchReading reading_;
    std::string retrograde_;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point lastProgress_{};
};

struct ParserDeleter {
    void operator()(csv_parser* parser) const {
        csv_free(parser);
        delete parser;
    }
};

}  // namespace

BatchSummary RunBatch(std::FILE* in, std::FILE* out, const BatchOptions& options) {
    BatchRun run(out, options);
    std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
        run.Stop("out of memory");
        return run.Finish();
    }
    csv_set_space_func(parser.get(), NoBlanksAreSpace);

    std::unique_ptr<char[]> chunk(new char[kChunkBytes]);
    long line = 1;
    bool sawBytes = false;
    for (;;) {
        const std::size_t size = std::fread(chunk.get(), 1, kChunkBytes, in);
        if (size == 0) break;
        sawBytes = true;
        if (const void* nul = std::memchr(chunk.get(), '\0', size)) {
            const auto before =
                static_cast<std::size_t>(static_cast<const char*>(nul) - chunk.get());
            run.Stop(LineText(line + CountLineFeeds(chunk.get(), before)) +
                     "the file holds a NUL byte: it is binary, not a CSV text");
            break;
        }
        const std::size_t parsed =
            csv_parse(parser.get(), chunk.get(), size, BatchRun::OnField, BatchRun::OnRowEnd, &run);
        if (run.Stopped()) break;
        if (parsed != size) {
            run.Stop(LineText(line + CountLineFeeds(chunk.get(), parsed)) +
                     (csv_error(parser.get()) == CSV_EPARSE
                          ? std::string("a quoted field is malformed (a quote must be doubled "
                                        "inside quotes, and a closing quote must end the field)")
                          : std::string(csv_strerror(csv_error(parser.get())))));
            break;
        }
        if (csv_get_buffer_size(parser.get()) > kMaxRowBytes) {
            run.Stop(LineText(line) + "a field longer than 1 MiB; this is no file of births");
            break;
        }
        line += CountLineFeeds(chunk.get(), size);
    }
    if (!run.Stopped() && std::ferror(in)) run.Stop("the file cannot be read");
    if (!run.Stopped() && csv_fini(parser.get(), BatchRun::OnField, BatchRun::OnRowEnd, &run) != 0)
        run.Stop(LineText(line) +
                 "the file ends inside a quoted field: its closing quote is missing");
    if (!run.Stopped() && !run.HaveHeader())
        run.Stop(std::string(sawBytes ? "the file has no header row" : "the file is empty") +
                 "; the first row must name the columns " + ColumnList());
    if (!run.Writer().Flush() && !run.Stopped()) run.Stop("the output cannot be written");
    return run.Finish();
}

bool IsSameFile(std::FILE* in, const char* path) {
    struct stat input {};
    struct stat output {};
    if (fstat(fileno(in), &input) != 0 || stat(path, &output) != 0) return false;
    return input.st_dev == output.st_dev && input.st_ino == output.st_ino;
}

}  // namespace orbalis::cli
