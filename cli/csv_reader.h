#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace orbalis::cli {

// No row of a births file comes near this; a longer one means the file is
// something else, and reading on would hold it all in memory.
inline constexpr std::size_t kMaxRowBytes = 1 << 20;
// Fields past this many are counted but not kept.
inline constexpr std::size_t kMaxColumns = 256;

// One row as read: its fields, unquoted, and where it begins.
struct CsvRow {
    std::vector<std::string> fields;  // the first kMaxColumns fields
    std::size_t fieldCount = 0;       // every field, kept or not
    long line = 0;                    // the line the row begins on, from 1

    // True for a blank line, and for a spreadsheet's row of separators alone.
    bool Blank() const;
};

// Reads CSV rows from a stream, strictly (RFC 4180: a field is quoted as a
// whole, a quote inside quotes is doubled), one row at a time: memory stays at
// the longest row whatever the file's length. Rows end with CR LF, LF or a
// lone CR; each of them counts as one line in messages. An empty line comes
// back as a row of one empty field.
class CsvReader {
  public:
    enum class Result { Row, End, Damaged };

    explicit CsvReader(std::FILE* in, char delimiter = ',');

    void SetDelimiter(char delimiter);
    char Delimiter() const { return delimiter_; }

    // The next row, the end of the input, or damage: then Problem() says
    // where and why, and the rows before it have been returned.
    Result Next(CsvRow& row);

    // Goes back to the start of the row Next last returned (or stopped in),
    // so that it can be read again, say with another delimiter.
    void Rewind();

    // "line 3: the file holds a NUL byte: ..." and the like.
    const std::string& Problem() const { return problem_; }
    // False for an empty input.
    bool SawBytes() const { return sawBytes_; }

  private:
    struct Place {
        std::size_t offset = 0;  // into buffer_
        long line = 1;
        bool afterCr = false;  // the byte before was a CR, so a LF ends no further line
    };

    // Reads more input behind what is held; false at the end or on failure.
    bool Fill();
    Result Damage(long line, std::string reason);
    // The string the next field of `row` is read into, emptied: the row's own
    // slot, or a scratch string for a field past kMaxColumns.
    std::string& NextField(CsvRow& row);

    std::FILE* in_;
    char delimiter_;
    // The bytes that end a run of ordinary ones outside quotes (quote, CR,
    // LF, NUL and the delimiter) and inside them (the same but the delimiter).
    std::array<bool, 256> endsUnquotedRun_{};
    std::array<bool, 256> endsQuotedRun_{};
    std::string pastLastColumn_;
    std::vector<char> buffer_;
    std::size_t end_ = 0;  // bytes of buffer_ in use
    Place rowStart_;
    Place at_;
    bool atEnd_ = false;
    bool sawBytes_ = false;
    bool readFailed_ = false;
    bool utf16_ = false;  // the input began as UTF-16 text does
    std::string problem_;
};

}  // namespace orbalis::cli
