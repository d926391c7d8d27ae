#include "model/sign_position_text.h"

#include <cassert>
#include <cmath>
#include <string>

#include "model/reference_tables.h"

namespace orbalis {

void PositionChars::AppendOtherNumber(long long value) {
    char digits[24];
    std::size_t count = 0;
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits[count++] = '-';
    assert(size_ + count <= chars_.size());
    while (count > 0) chars_[size_++] = digits[--count];
}

SignPositionParts SignPositionPartsOf(double longitudeDegrees) {
    // A negative angle is written like its absolute value, without a sign.
    const double a = std::fabs(longitudeDegrees);
    const double wholeDegrees = std::floor(a);
    const double fraction = a - wholeDegrees;
    // Minutes and seconds are truncated, so a position never carries into
    // the next minute, degree or sign.
    const double minutes = std::floor(60.0 * fraction);
    const double seconds = std::floor(60.0 * (60.0 * fraction - minutes));

    const auto degrees = static_cast<long long>(wholeDegrees);
    return {degrees % 30, static_cast<long long>(minutes), static_cast<long long>(seconds),
            degrees / 30};
}

void FormatSignPosition(double longitudeDegrees, PositionChars& out) {
    const SignPositionParts parts = SignPositionPartsOf(longitudeDegrees);
    out.AppendWholeNumber(parts.degrees);
    out.Append("\u00B0 ");
    out.AppendWholeNumber(parts.minutes);
    out.Append("' ");
    out.AppendWholeNumber(parts.seconds);
    out.Append("\" ");
    // 360 degrees and more name no sign: the text then ends after the blank.
    if (parts.signIndex < kSignCount)
        out.Append(SignAbbreviations[static_cast<std::size_t>(parts.signIndex)]);
}

std::string SignPositionText(double longitudeDegrees) {
    PositionChars chars;
    FormatSignPosition(longitudeDegrees, chars);
    return std::string(chars.view());
}

}  // namespace orbalis
