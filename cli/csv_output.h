#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace orbalis::cli {

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

    void Field(std::string_view text);
    void EndRow();
    // Bytes that are CSV already (rows a worker wrote), copied as they are.
    void Bytes(std::string_view bytes);
    // Hands the buffer to the file and flushes it; false once any write failed.
    bool Flush();
    bool Failed() const { return failed_; }
    // Why the first failed write failed, in the system's words.
    std::string Error() const;

  private:
    void Put(std::string_view bytes);
    void Drain();
    void Fail();

    static constexpr std::size_t kCapacity = 1 << 16;
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
