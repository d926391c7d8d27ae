// The divisional rules on any finite longitude: the sign is one of the twelve,
// a longitude and its remainder modulo 360 fall in the same sign, and the sign
// is the one the rule gives to the part the longitude lies in (either part
// where it lies within a hair of their boundary).
//
// Input: a mode byte, then the bytes of a double. Mode 0 takes the double as
// it is (any magnitude, its non-finite values skipped: a longitude must be
// finite); mode 1 puts a boundary of the parts, whole turns and a few
// billionths of a degree together from it, where the rounding is hardest.

#include <cmath>
#include <cstdint>
#include <cstring>

#include "charts/divisional_sign.h"
#include "fuzz_check.h"

namespace {

using orbalis::Division;

constexpr int kLeo = 4;
constexpr int kCancer = 3;

// The rules as the header states them, for the part `index` of the zodiac
// (0 the first part of Aries).
int RuleSign(Division division, int index) {
    const int parts = orbalis::PartCount(division);
    const int sign = index / parts;
    const int part = index % parts;
    const bool oddSign = sign % 2 == 0;  // Aries, Gemini … by index
    switch (division) {
        case Division::D2:
            return oddSign ? (part == 0 ? kLeo : kCancer) : (part == 0 ? kCancer : kLeo);
        case Division::D3:
            return (sign + 4 * part) % 12;
        case Division::D7:
            return (sign + (oddSign ? 0 : 6) + part) % 12;
        case Division::D9:
            return index % 12;  // the navamsas of the zodiac in turn from Aries
        case Division::D10:
            return (sign + (oddSign ? 0 : 8) + part) % 12;
        case Division::D12:
            return (sign + part) % 12;
    }
    return -1;
}

// Within this many parts of a boundary, either neighbour will do.
constexpr long double kHair = 1e-6L;

void Check(double longitude) {
    // The remainder in [0, 360): fmod is exact, and so is the sum below
    // except for a hair below 0, which rounds to 360 (0 Aries).
    long double turn = std::fmod(static_cast<long double>(longitude), 360.0L);
    if (turn < 0) turn += 360.0L;
    const double remainder = static_cast<double>(turn) == 360.0 ? 0.0 : static_cast<double>(turn);
    for (const auto& name : orbalis::kDivisionNames) {
        const Division division = name.division;
        const int sign = orbalis::DivisionalSign(longitude, division);
        FUZZ_CHECK(sign >= 0 && sign < 12);
        FUZZ_CHECK(orbalis::DivisionalSign(remainder, division) == sign);

        const int parts = orbalis::PartCount(division);
        const int inZodiac = 12 * parts;
        const long double position = turn * parts / 30.0L;
        const int index = static_cast<int>(std::floor(position));
        const bool match =
            RuleSign(division, index % inZodiac) == sign ||
            (position - index < kHair &&
             RuleSign(division, (index + inZodiac - 1) % inZodiac) == sign) ||
            (index + 1 - position < kHair && RuleSign(division, (index + 1) % inZodiac) == sign);
        FUZZ_CHECK(match);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    if (size < 1 + sizeof bits) return 0;
    std::memcpy(&bits, data + 1, sizeof bits);
    if (data[0] % 2 == 0) {
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) Check(value);
        return 0;
    }
    // A boundary of D7's parts or of the twelfths of a degree (which hold
    // every other division's), whole turns, and at most a millionth of a degree.
    const int parts = (bits & 1) ? 7 : 360;
    const double boundary = static_cast<double>((bits >> 1) % (12 * parts)) * 30.0 / parts;
    const double turns = static_cast<double>(static_cast<std::int16_t>(bits >> 16));
    const double offset = static_cast<double>(static_cast<std::int16_t>(bits >> 32)) * 3e-11;
    Check(boundary + 360.0 * turns + offset);
    return 0;
}
