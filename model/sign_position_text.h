#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <string_view>

namespace orbalis {

// A sign-position text held in a fixed buffer, so that a whole reading can
// be formatted without allocating for every body.
class PositionChars {
  public:
    std::string_view view() const { return {chars_.data(), size_}; }
    // Inline, byte by byte: the pieces are a few characters each.
    void Append(std::string_view text) {
        assert(size_ + text.size() <= chars_.size());
        for (const char c : text) chars_[size_++] = c;
    }
    // Degrees within a sign, minutes and seconds, of one or two digits, are
    // written here; other numbers by AppendOtherNumber.
    void AppendWholeNumber(long long value) {
        if (value < 0 || value >= 100) return AppendOtherNumber(value);
        assert(size_ + 2 <= chars_.size());
        if (value >= 10) chars_[size_++] = static_cast<char>('0' + value / 10);
        chars_[size_++] = static_cast<char>('0' + value % 10);
    }

  private:
    void AppendOtherNumber(long long value);

    std::array<char, 64> chars_;  // the first size_ are in use
    std::size_t size_ = 0;
};

// The numbers a sign-position text shows: whole degrees within the sign,
// minutes and seconds, all truncated, and the sign from Aries (12 and more
// for 360 degrees and beyond, which name no sign). A negative angle gives
// the parts of its absolute value.
struct SignPositionParts {
    long long degrees;
    long long minutes;
    long long seconds;
    long long signIndex;
};
SignPositionParts SignPositionPartsOf(double longitudeDegrees);

// Writes the text of SignPositionText into `out`, which must be empty.
void FormatSignPosition(double longitudeDegrees, PositionChars& out);

}  // namespace orbalis
