#include "cli/csv_output.h"

#include <csv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace orbalis::cli {
namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// True when one of the eight bytes of `word` is `byte`: the bytes equal to it
// become zero, and a zero byte is the only one that borrows into its own high
// bit when one is taken from every byte.
constexpr bool HoldsByte(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kEveryByte * byte);
    return ((x - kEveryByte) & ~x & kHighBits) != 0;
}

using csv_bytes::kQuotedAnywhere;

bool NeedsQuotes(std::string_view text) {
    if (text.empty()) return false;
    if (text.front() == ' ' || text.back() == ' ' || text.front() == '\t' || text.back() == '\t')
        return true;
    // Eight bytes at a time, then the rest one by one.
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        if (HoldsByte(word, ',') || HoldsByte(word, '"') || HoldsByte(word, '\r') ||
            HoldsByte(word, '\n'))
            return true;
    }
    for (; at < text.size(); ++at) {
        if (kQuotedAnywhere[static_cast<unsigned char>(text[at])]) return true;
    }
    return false;
}

}  // namespace

CsvWriter::CsvWriter(std::FILE* out) : out_(out), buffer_(new char[kCapacity]) {}

CsvWriter::CsvWriter(std::string& sink) : sink_(&sink), buffer_(new char[kCapacity]) {}

bool CsvWriter::Write(std::string_view bytes) {
    if (sink_) {
        sink_->append(bytes);
        return true;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), out_) == bytes.size();
}

void CsvWriter::Bytes(std::string_view bytes) {
    // A large block (a worker's chunk of rows) goes to the file whole rather
    // than through the buffer.
    if (out_ && bytes.size() >= kCapacity / 4) {
        Drain();
        if (!failed_ && !Write(bytes)) Fail();
        return;
    }
    Put(bytes);
}

CsvWriter::~CsvWriter() {
    Drain();
}

void CsvWriter::Drain() {
    if (used_ == 0) return;
    if (!failed_ && !Write({buffer_.get(), used_})) Fail();
    used_ = 0;
}

void CsvWriter::Fail() {
    if (failed_) return;
    failed_ = true;
    errno_ = errno;
}

std::string CsvWriter::Error() const {
    return errno_ != 0 ? std::strerror(errno_) : "the write failed";
}

void CsvWriter::Put(std::string_view bytes) {
    if (kCapacity - used_ < bytes.size()) Drain();
    if (bytes.size() > kCapacity) {
        if (!failed_ && !Write(bytes)) Fail();
        return;
    }
    // An empty view may hold no address, and memcpy takes none.
    if (bytes.empty()) return;
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void CsvWriter::FieldAnyLength(std::string_view text) {
    const bool quoted = NeedsQuotes(text);
    // A plain field that fits, written with its comma at once.
    if (!quoted && text.size() < kCapacity - used_) {
        char* at = buffer_.get() + used_;
        if (rowStarted_) *at++ = ',';
        if (!text.empty()) std::memcpy(at, text.data(), text.size());
        used_ = static_cast<std::size_t>(at + text.size() - buffer_.get());
        rowStarted_ = true;
        return;
    }
    if (rowStarted_) Put(",");
    rowStarted_ = true;
    if (!quoted) {
        Put(text);
        return;
    }
    // Quoted, with each quote doubled: at most twice the text plus two.
    const std::size_t worst = 2 * text.size() + 2;
    if (worst <= kCapacity) {
        if (kCapacity - used_ < worst) Drain();
        used_ += csv_write(buffer_.get() + used_, kCapacity - used_, text.data(), text.size());
        return;
    }
    Drain();
    if (sink_) {
        const std::size_t start = sink_->size();
        sink_->resize(start + worst);
        sink_->resize(start + csv_write(sink_->data() + start, worst, text.data(), text.size()));
    } else if (!failed_ && csv_fwrite(out_, text.data(), text.size()) != 0) {
        Fail();
    }
}

void CsvWriter::EndRow() {
    Put("\r\n");
    rowStarted_ = false;
}

bool CsvWriter::Flush() {
    Drain();
    if (!out_) return !failed_;
    if (!failed_ && std::fflush(out_) != 0) Fail();
    if (std::ferror(out_)) Fail();
    return !failed_;
}

}  // namespace orbalis::cli
