#pragma once

#include <cstdio>
#include <string>

namespace orbalis::cli {

// An output file that replaces its previous content whole or not at all: the
// rows go to a temporary file beside it, which Commit flushes to the disk and
// renames over the target; Abandon (and the destructor) removes it, leaving
// the target as it was. A target that is no regular file (a device, a pipe)
// is written in place.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when nothing can be written there; Error() says why.
    bool Open(const std::string& path);
    std::FILE* Stream() const { return stream_; }

    // False when a step fails (Error() says why); the target is then unchanged.
    bool Commit();
    void Abandon();

    const std::string& Error() const { return error_; }

  private:
    bool Fail(const char* what);

    std::string target_;
    std::string temporary_;  // empty when writing in place
    std::FILE* stream_ = nullptr;
    std::string error_;
};

}  // namespace orbalis::cli
