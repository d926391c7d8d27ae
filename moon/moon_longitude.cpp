#include "moon/moon_longitude.h"

#include <array>
#include <cmath>

#include "model/angle_constants.h"
#include "model/whole_turns.h"

namespace orbalis {
namespace {

// One periodic term of the lunar longitude: coefficient (degrees) times the
// sine of a combination of D, M, M' and F. Terms with an M multiplier carry
// the eccentricity factor E.
struct LongitudeTerm {
    // Small whole multipliers, held as doubles so that no term converts them
    // afresh; the products are the same.
    double d, m, mPrime, f;
    double coefficient;
    bool timesE;
};

// The 25 largest terms of the lunar longitude series, largest first as they
// are usually listed.
constexpr std::array<LongitudeTerm, 25> kLongitudeTerms = {{
    {2, 0, -1, 0, 1.274027, false},   // 1
    {0, 0, 1, 0, 6.288774, false},    // 2
    {2, 0, 0, 0, 0.658314, false},    // 3
    {0, 0, 2, 0, 0.213618, false},    // 4
    {0, 1, 0, 0, -0.185116, true},    // 5
    {0, 0, 0, 2, -0.114332, false},   // 6
    {2, 0, -2, 0, 0.058793, false},   // 7
    {2, -1, -1, 0, 0.057066, true},   // 8
    {2, 0, 1, 0, 0.053322, false},    // 9
    {2, -1, 0, 0, 0.045758, true},    // 10
    {0, 1, -1, 0, -0.040923, true},   // 11
    {1, 0, 0, 0, -0.03472, false},    // 12
    {0, 1, 1, 0, -0.030383, true},    // 13
    {2, 0, 0, -2, 0.015327, false},   // 14
    {0, 0, 1, 2, -0.012528, false},   // 15
    {0, 0, 1, -2, 0.01098, false},    // 16
    {4, 0, -1, 0, 0.010675, false},   // 17
    {0, 0, 3, 0, 0.010034, false},    // 18
    {4, 0, -2, 0, 0.008548, false},   // 19
    {2, 1, -1, 0, -0.007888, true},   // 20
    {2, 1, 0, 0, -0.006766, true},    // 21
    {1, 0, -1, 0, -0.005163, false},  // 22
    {1, 1, 0, 0, 0.004987, true},     // 23
    {2, -1, 1, 0, 0.004036, true},    // 24
    {2, 0, 2, 0, 0.003994, false},    // 25
}};

}  // namespace

double MoonTropicalLongitude(double centuriesJ2000) {
    const double t = centuriesJ2000;
    // Mean arguments, linear in T and deliberately not reduced into 0..360.
    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const double d = (297.8502042 + 445267.1115168 * t) * kDegToRad;
    const double m = (357.5291092 + 35999.0502909 * t) * kDegToRad;
    const double mPrime = (134.9634114 + 477198.8676313 * t) * kDegToRad;
    const double f = (93.2720993 + 483202.0175273 * t) * kDegToRad;
    // The eccentricity of the Earth's orbit decreases with time.
    const double e = 1.0 - 0.002516 * t - 0.0000074 * (t * t);

    double sum = 0.0;
    for (const LongitudeTerm& term : kLongitudeTerms) {
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f;
        double value = term.coefficient * std::sin(argument);
        if (term.timesE) value = value * e;
        sum = sum + value;
    }

    return WrapTropicalDegrees(meanLongitude + sum);
}

double WrapTropicalDegrees(double degrees) {
    degrees = SkipWholeTurnsUp(degrees);
    while (degrees < 0.0) degrees = degrees + 360.0;
    // Exactly 360 is kept as it is; the ayanamsa takes it below 360.
    degrees = SkipWholeTurnsDown(degrees);
    while (degrees > 360.0) degrees = degrees - 360.0;
    return degrees;
}

double SiderealFromTropical(double tropicalDegrees, double ayanamsaDegrees) {
    double sidereal = tropicalDegrees + ayanamsaDegrees;
    // The tropical value is at most 360 and the ayanamsa negative, so one
    // turn suffices.
    if (sidereal < 0.0) sidereal = sidereal + 360.0;
    return sidereal;
}

double MoonAyanamsa(double centuriesJ2000) {
    const double t = centuriesJ2000;
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * (t * t);
    const double sunMeanLongitude = 280.466449 + 36000.7698231 * t + 0.0003106 * (t * t);
    // Nutation in longitude, in seconds of arc, from its two largest terms.
    const double nutation =
        17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(sunMeanLongitude * kDegToRad);
    // General precession since J2000.0, in seconds of arc.
    const double precession = (5025.64 + 1.11 * t) * t;
    return (nutation - precession - 85886.27) / 3600.0;
}

double MoonSiderealLongitude(double centuriesJ2000) {
    const double tropical = MoonTropicalLongitude(centuriesJ2000);
    const double ayanamsa = MoonAyanamsa(centuriesJ2000);
    return SiderealFromTropical(tropical, ayanamsa);
}

}  // namespace orbalis
