#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace orbalis::cli {

namespace csv_bytes {
// Bytes that force quotes anywhere in a field.
inline constexpr auto kQuotedAnywhere = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {',', '"', '\r', '\n'}) table[c] = true;
    return table;
}();
// Bytes that force quotes at either end of a field: those, and blanks.
inline constexpr auto kQuotedAtEnds = [] {
    std::array<bool, 256> table = kQuotedAnywhere;
    for (const unsigned char c : {' ', '\t'}) table[c] = true;
    return table;
}();
}  // namespace csv_bytes

// Writes CSV rows to a file through a fixed buffer: fields separated by
// commas, rows ended by CR LF, a field quoted only when it must be (a comma,
// quote or line break inside, or a blank at either end, which readers may
// trim).
class CsvWriter {
  public:
    explicit CsvWriter(std::FILE* out);
    // Appends the rows to `sink` instead of a file (a batch worker's share).
    explicit CsvWriter(std::string& sink);
    ~CsvWriter();
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void Field(std::string_view text) {
        if (!ShortPlainField(text)) FieldAnyLength(text);
    }
    void EndRow();
    // Bytes that are CSV already (rows a worker wrote), copied as they are.
    void Bytes(std::string_view bytes);
    // Hands the buffer to the file and flushes it; false once any write failed.
    bool Flush();
    bool Failed() const { return failed_; }
    // Why the first failed write failed, in the system's words.
    std::string Error() const;

  private:
    // The common case, inline: a short field that fits, copied with its comma
    // while each byte is checked. False, with nothing written, when it is
    // longer, does not fit or needs quotes.
    bool ShortPlainField(std::string_view text) {
        if (text.size() > kShortField || text.size() >= kCapacity - used_) return false;
        char* at = buffer_.get() + used_;
        if (rowStarted_) *at++ = ',';
        if (!text.empty()) {
            const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
            const std::size_t last = text.size() - 1;
            bool quote = csv_bytes::kQuotedAtEnds[bytes[0]] | csv_bytes::kQuotedAtEnds[bytes[last]];
            for (std::size_t i = 0; i <= last; ++i) {
                quote |= csv_bytes::kQuotedAnywhere[bytes[i]];
                at[i] = static_cast<char>(bytes[i]);
            }
            if (quote) return false;
            at += text.size();
        }
        used_ = static_cast<std::size_t>(at - buffer_.get());
        rowStarted_ = true;
        return true;
    }
    void FieldAnyLength(std::string_view text);
    void Put(std::string_view bytes);
    void Drain();
    void Fail();

    static constexpr std::size_t kCapacity = 1 << 16;
    // Fields this short are copied while they are checked; the longer ones
    // are checked a word at a time, then copied.
    static constexpr std::size_t kShortField = 24;
    // Writes bytes to the file or the sink; false when the file refuses them.
    bool Write(std::string_view bytes);

    std::FILE* out_ = nullptr;
    std::string* sink_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool rowStarted_ = false;
    bool failed_ = false;
    int errno_ = 0;
};

}  // namespace orbalis::cli
