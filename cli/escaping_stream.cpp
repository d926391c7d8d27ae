#include "cli/escaping_stream.h"

#include <string>

#include "model/text_utils.h"

namespace orbalis::cli {
namespace {

constexpr char kLeadOfC1 = '\xC2';

struct Passage {
    std::FILE* target;
    bool heldLead = false;  // the first byte of a two-byte character, until its second comes
};

ssize_t WriteEscaped(void* cookie, const char* bytes, std::size_t size) {
    auto* passage = static_cast<Passage*>(cookie);
    std::string text(passage->heldLead ? 1 : 0, kLeadOfC1);
    text.append(bytes, size);
    passage->heldLead = !text.empty() && text.back() == kLeadOfC1;
    if (passage->heldLead) text.pop_back();
    const std::string shown = EscapedControls(text);
    if (std::fwrite(shown.data(), 1, shown.size(), passage->target) != shown.size()) return -1;
    return static_cast<ssize_t>(size);
}

int CloseEscaped(void* cookie) {
    auto* passage = static_cast<Passage*>(cookie);
    if (passage->heldLead) std::fputc(kLeadOfC1, passage->target);
    const int flushed = std::fflush(passage->target);
    delete passage;
    return flushed;
}

}  // namespace

EscapingStream::EscapingStream(std::FILE* target) : target_(target) {
    auto* passage = new Passage{target};
    stream_ = fopencookie(passage, "w", {nullptr, WriteEscaped, nullptr, CloseEscaped});
    if (!stream_) {
        delete passage;
        return;
    }
    // Messages and progress reach the terminal line by line, as they would.
    std::setvbuf(stream_, nullptr, _IOLBF, BUFSIZ);
}

EscapingStream::~EscapingStream() {
    if (stream_) std::fclose(stream_);
}

}  // namespace orbalis::cli
