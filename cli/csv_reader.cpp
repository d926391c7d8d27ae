#include "cli/csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orbalis::cli {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

constexpr const char* kMalformedQuote =
    "a quoted field is malformed (a quote must be doubled inside quotes, and a closing quote "
    "must end the field)";

// Whether a file's first bytes read as UTF-16: a byte order mark, or plain
// letters each paired with a NUL byte.
bool LooksLikeUtf16(const char* bytes, std::size_t size) {
    if (size >= 2 &&
        ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF')))
        return true;
    const std::size_t pairs = std::min<std::size_t>(size / 2, 16);
    if (pairs < 2) return false;
    for (const std::size_t nul : {0, 1}) {
        bool paired = true;
        for (std::size_t i = 0; i < pairs && paired; ++i) {
            const char zero = bytes[2 * i + nul];
            const char letter = bytes[2 * i + 1 - nul];
            paired = zero == '\0' && letter >= ' ' && letter <= '~';
        }
        if (paired) return true;
    }
    return false;
}

constexpr const char* kUtf16 =
    "the file looks like UTF-16 text, which is not read here: save it as UTF-8 (in a "
    "spreadsheet as \"CSV UTF-8\", or with iconv -f UTF-16 -t UTF-8 FILE > NEW.csv)";

bool BlankText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

bool CsvRow::Blank() const {
    const std::size_t kept = std::min(fieldCount, fields.size());
    return std::all_of(fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(kept),
                       BlankText);
}

CsvReader::CsvReader(std::FILE* in, char delimiter) : in_(in), delimiter_(delimiter) {
    for (const unsigned char c : {'"', '\r', '\n', '\0'}) {
        endsUnquotedRun_[c] = true;
        endsQuotedRun_[c] = true;
    }
    SetDelimiter(delimiter);
}

void CsvReader::SetDelimiter(char delimiter) {
    endsUnquotedRun_[static_cast<unsigned char>(delimiter_)] =
        endsQuotedRun_[static_cast<unsigned char>(delimiter_)];
    delimiter_ = delimiter;
    endsUnquotedRun_[static_cast<unsigned char>(delimiter)] = true;
}

bool CsvReader::Fill() {
    if (atEnd_) return false;
    // Only the row being read is kept; the rows before it are done with.
    if (rowStart_.offset > 0) {
        std::memmove(buffer_.data(), buffer_.data() + rowStart_.offset, end_ - rowStart_.offset);
        end_ -= rowStart_.offset;
        at_.offset -= rowStart_.offset;
        rowStart_.offset = 0;
    }
    if (buffer_.size() - end_ < kChunkBytes) buffer_.resize(end_ + kChunkBytes);
    const std::size_t got = std::fread(buffer_.data() + end_, 1, kChunkBytes, in_);
    if (got == 0) {
        atEnd_ = true;
        if (std::ferror(in_)) {
            problem_ = std::string("the file cannot be read: ") + std::strerror(errno);
            readFailed_ = true;
        }
        return false;
    }
    if (!sawBytes_) utf16_ = LooksLikeUtf16(buffer_.data() + end_, got);
    end_ += got;
    sawBytes_ = true;
    return true;
}

CsvReader::Result CsvReader::Damage(long line, std::string reason) {
    problem_ = "line " + std::to_string(line) + ": " + std::move(reason);
    return Result::Damaged;
}

std::string& CsvReader::NextField(CsvRow& row) {
    std::string& field = row.fieldCount < kMaxColumns
                             ? (row.fieldCount == row.fields.size() ? row.fields.emplace_back()
                                                                    : row.fields[row.fieldCount])
                             : pastLastColumn_;
    field.clear();
    return field;
}

CsvReader::Result CsvReader::Next(CsvRow& row) {
    if (!problem_.empty()) return Result::Damaged;
    // The LF of a CR LF that ended the row before.
    if (at_.offset == end_) Fill();
    if (at_.afterCr && at_.offset < end_ && buffer_[at_.offset] == '\n') {
        ++at_.offset;
        at_.afterCr = false;
    }
    if (!problem_.empty()) return Result::Damaged;
    rowStart_ = at_;
    row.fieldCount = 0;
    row.line = at_.line;

    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    bool begun = false;  // any byte of this row read
    long quoteLine = 0;  // where the open quoted field began
    std::string* field = &NextField(row);
    // Ends the field being read and starts the next one.
    auto endField = [&] {
        ++row.fieldCount;
        field = &NextField(row);
    };
    for (;;) {
        if (at_.offset == end_ && !Fill()) break;
        if (at_.offset - rowStart_.offset > kMaxRowBytes)
            return Damage(row.line, "a row longer than 1 MiB; this is no file of births");
        const char c = buffer_[at_.offset];
        if (c == '\0')
            return Damage(
                at_.line,
                utf16_ ? kUtf16 : "the file holds a NUL byte: it is binary, not a CSV text");
        begun = true;

        // Runs of ordinary bytes go into the field at once.
        const std::array<bool, 256>& endsRun =
            state == State::Quoted ? endsQuotedRun_ : endsUnquotedRun_;
        if (state != State::QuoteInQuoted && !endsRun[static_cast<unsigned char>(c)]) {
            if (state == State::FieldStart) state = State::Unquoted;
            const char* run = buffer_.data() + at_.offset;
            const char* stop = buffer_.data() + end_;
            const char* runEnd = run + 1;
            while (runEnd != stop && !endsRun[static_cast<unsigned char>(*runEnd)]) ++runEnd;
            field->append(run, runEnd);
            at_.offset += static_cast<std::size_t>(runEnd - run);
            at_.afterCr = false;
            continue;
        }

        ++at_.offset;
        const bool afterCr = at_.afterCr;
        at_.afterCr = c == '\r';
        const bool lineEnd = c == '\r' || (c == '\n' && !afterCr);
        const long lineOfByte = at_.line;
        if (lineEnd) ++at_.line;

        switch (state) {
            case State::FieldStart:
            case State::Unquoted:
            case State::QuoteInQuoted:
                if (c == delimiter_) {
                    endField();
                    state = State::FieldStart;
                } else if (c == '\r' || c == '\n') {
                    ++row.fieldCount;
                    return Result::Row;
                } else if (c == '"' && state == State::FieldStart) {
                    state = State::Quoted;
                    quoteLine = lineOfByte;
                } else if (c == '"' && state == State::QuoteInQuoted) {
                    *field += '"';  // a doubled quote
                    state = State::Quoted;
                } else if (c == '"' || state == State::QuoteInQuoted) {
                    return Damage(lineOfByte, kMalformedQuote);
                } else {
                    *field += c;
                    state = State::Unquoted;
                }
                break;
            case State::Quoted:
                if (c == '"')
                    state = State::QuoteInQuoted;
                else
                    *field += c;  // a line break inside quotes
                break;
        }
    }
    if (!problem_.empty()) return Result::Damaged;
    if (state == State::Quoted)
        return Damage(quoteLine,
                      "the file ends inside a quoted field: its closing quote is missing");
    if (!begun) return Result::End;
    ++row.fieldCount;
    return Result::Row;
}

void CsvReader::Rewind() {
    at_ = rowStart_;
    if (!readFailed_) problem_.clear();
}

}  // namespace orbalis::cli
