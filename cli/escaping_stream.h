#pragma once

#include <cstdio>

namespace orbalis::cli {

// A stream that passes what is written to it on to `target` with its control
// characters escaped (EscapedControls), so that no name, place or line of a
// file can move a terminal's cursor or change its state. Closing it flushes
// it into `target` and leaves `target` open.
class EscapingStream {
  public:
    explicit EscapingStream(std::FILE* target);
    ~EscapingStream();
    EscapingStream(const EscapingStream&) = delete;
    EscapingStream& operator=(const EscapingStream&) = delete;

    // `target` itself where the stream cannot be made.
    std::FILE* Get() const { return stream_ ? stream_ : target_; }

  private:
    std::FILE* target_;
    std::FILE* stream_ = nullptr;
};

}  // namespace orbalis::cli
