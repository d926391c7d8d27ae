#include "positions/ascendant.h"

#include <cmath>

#include "model/angle_constants.h"
#include "model/sign_position_text.h"
#include "model/whole_turns.h"
#include "moon/birth_instant.h"

namespace orbalis {
namespace {

// The latitude, in degrees, beyond which the ascendant formula is checked
// for giving the setting point.
constexpr double kPolarFormulaLatitude = 66.0;

}  // namespace

double LatitudeNorth(const BirthDetails& birth) {
    const double latitude = birth.latitudeDegrees + birth.latitudeMinutes / 60.0;
    return birth.isSouth ? -latitude : latitude;
}

AscendantValues AscendantAndMidheaven(const BirthDetails& birth) {
    const BirthInstantValues instant = BirthInstant(birth);
    const double latitudeNorth = LatitudeNorth(birth);

    AscendantValues values{};
    const double t =
        (instant.julianDay - 2415020.0 + instant.universalHours / 24.0 - 0.5) / 36525.0;
    values.centuries1900 = t;
    values.ayanamsaDegrees = AyanamsaAt(t);

    // Local sidereal time as an angle: the right ascension of the midheaven.
    // It is positive for every year offered, so only the reduction from
    // above is needed.
    double ramc =
        15.0 * (6.6460656 + 2400.0513 * t + 0.0000258 * (t * t) + instant.universalHours) -
        instant.longitudeWest;
    ramc = SkipWholeTurnsDown(ramc);
    while (ramc >= 360.0) ramc = ramc - 360.0;
    values.ramcDegrees = ramc;
    const double r = ramc * kDegToRad;

    const double obliquity = (23.452294 - 0.0130125 * t) * kDegToRad;

    // Each arctangent is first folded into 0..pi, then moved into pi..2pi
    // when the sine (midheaven) or cosine (ascendant) of the RAMC is negative.
    double midheaven = TwoArgumentArctangent(std::tan(r), std::cos(obliquity));
    if (midheaven < 0.0) midheaven = midheaven + kPiValue;
    if (std::sin(r) < 0.0) midheaven = midheaven + kPiValue;
    double midheavenDegrees = midheaven * kRadToDeg;

    const double x = -std::sin(r) * std::cos(obliquity) -
                     std::sin(obliquity) * std::tan(latitudeNorth * kDegToRad);
    double ascendant = TwoArgumentArctangent(std::cos(r), x);
    if (ascendant < 0.0) ascendant = ascendant + kPiValue;
    if (std::cos(r) < 0.0) ascendant = ascendant + kPiValue;
    // Above the polar circles the formula gives, at some times, the point of
    // the ecliptic that is setting: the one of the two on the western half of
    // the horizon (its hour angle between 0 and 180 degrees). The rising one
    // lies opposite. Nearer the equator the formula's point always rises.
    if (std::fabs(latitudeNorth) > kPolarFormulaLatitude) {
        const double rightAscension =
            std::atan2(std::sin(ascendant) * std::cos(obliquity), std::cos(ascendant));
        if (std::sin(r - rightAscension) > 0.0) ascendant = ascendant + kPiValue;
    }
    double ascendantDegrees = ascendant * kRadToDeg;
    while (ascendantDegrees >= 360.0) ascendantDegrees = ascendantDegrees - 360.0;

    // The tropical values lie in 0..360 and the ayanamsa is about -24 degrees,
    // so one turn suffices.
    ascendantDegrees = ascendantDegrees + values.ayanamsaDegrees;
    if (ascendantDegrees < 0.0) ascendantDegrees = ascendantDegrees + 360.0;
    midheavenDegrees = midheavenDegrees + values.ayanamsaDegrees;
    if (midheavenDegrees < 0.0) midheavenDegrees = midheavenDegrees + 360.0;
    values.ascendantDegrees = ascendantDegrees;
    values.midheavenDegrees = midheavenDegrees;
    return values;
}

void WriteAscendantFields(double ayanamsaDegrees, double ascendantDegrees, double midheavenDegrees,
                          ChartReading& reading) {
    reading.ayanamsaDegrees = ayanamsaDegrees;
    reading.siderealDegrees[kAscendant] = ascendantDegrees;
    reading.siderealDegrees[kMidheaven] = midheavenDegrees;
    reading.ayanamsaText = SignedAngleText(ayanamsaDegrees);

    PositionChars lagna;
    FormatSignPosition(ascendantDegrees, lagna);
    reading.lagnaPositionText.assign(lagna.view());
    PositionChars midheaven;
    FormatSignPosition(midheavenDegrees, midheaven);
    reading.midheavenPositionText.assign(midheaven.view());
}

void ComputeAscendantAndAyanamsa(const BirthDetails& birth, ChartReading& reading) {
    const AscendantValues values = AscendantAndMidheaven(birth);
    WriteAscendantFields(values.ayanamsaDegrees, values.ascendantDegrees, values.midheavenDegrees,
                         reading);
}

}  // namespace orbalis
