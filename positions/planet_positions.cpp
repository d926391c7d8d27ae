#include "positions/planet_positions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <string_view>

#include "model/chart_reading.h"
#include "model/reference_tables.h"
#include "model/sign_position_text.h"
#include "moon/moon_details.h"
#include "positions/geocentric_longitude.h"
#include "positions/planet_moment.h"

namespace orbalis {
namespace {

// The J2000 longitude less the ayanamsa; the longitude is not precessed to
// the date of birth first.
double SiderealFrom(double tropicalDegrees, double ayanamsaDegrees) {
    double sidereal = tropicalDegrees - std::fabs(ayanamsaDegrees);
    while (sidereal < 0.0) sidereal = sidereal + 360.0;
    return sidereal;
}

}  // namespace

void AssignShortPositionText(double siderealDegrees, std::string& text) {
    const SignPositionParts parts = SignPositionPartsOf(siderealDegrees);
    if (parts.signIndex >= kSignCount) {
        // No sign to show: the full text decides what the short one holds.
        text = ShortPositionText(SignPositionText(siderealDegrees));
        return;
    }
    const std::string_view sign = SignAbbreviations[static_cast<std::size_t>(parts.signIndex)];
    // Two digits each, as the degrees within a sign and the minutes always
    // have: "05 Ari 03", written at once.
    if (parts.degrees >= 0 && parts.degrees < 100 && parts.minutes >= 0 && parts.minutes < 100 &&
        sign.size() == 3) {
        const char chars[9] = {static_cast<char>('0' + parts.degrees / 10),
                               static_cast<char>('0' + parts.degrees % 10),
                               ' ',
                               sign[0],
                               sign[1],
                               sign[2],
                               ' ',
                               static_cast<char>('0' + parts.minutes / 10),
                               static_cast<char>('0' + parts.minutes % 10)};
        // A reading reused for the next birth already holds a text of this length.
        if (text.size() == sizeof chars)
            std::copy(std::begin(chars), std::end(chars), text.begin());
        else
            text.assign(chars, sizeof chars);
        return;
    }
    // Degrees and minutes of one digit get a leading zero.
    PositionChars chars;
    if (parts.degrees >= 0 && parts.degrees <= 9) chars.Append("0");
    chars.AppendWholeNumber(parts.degrees);
    chars.Append(" ");
    chars.Append(SignAbbreviations[static_cast<std::size_t>(parts.signIndex)]);
    chars.Append(" ");
    if (parts.minutes >= 0 && parts.minutes <= 9) chars.Append("0");
    chars.AppendWholeNumber(parts.minutes);
    text.assign(chars.view());
}

PlanetLongitudes SiderealPlanetLongitudes(double dayNumber, double ayanamsaDegrees) {
    // The Earth's position serves every body, so it is computed once.
    const EclipticPoint earth = HeliocentricPosition(OrbitBody::Earth, dayNumber);
    const auto sidereal = [&](OrbitBody body) {
        const double tropical =
            GeocentricLongitudeFrom(HeliocentricPosition(body, dayNumber), earth);
        return SiderealFrom(tropical, ayanamsaDegrees);
    };
    PlanetLongitudes longitudes{};
    longitudes.sun = sidereal(OrbitBody::Sun);
    longitudes.mercury = sidereal(OrbitBody::Mercury);
    longitudes.venus = sidereal(OrbitBody::Venus);
    longitudes.mars = sidereal(OrbitBody::Mars);
    longitudes.jupiter = sidereal(OrbitBody::Jupiter);
    longitudes.saturn = sidereal(OrbitBody::Saturn);
    return longitudes;
}

void WriteBodyTables(const PlanetLongitudes& planets, double rahu, ChartReading& reading) {
    // Written afresh every time, so that no retrograde mark of an earlier
    // reading survives.
    // A reading reused for the next birth mostly holds these names already.
    for (int body = 0; body < kBodyCount; ++body) {
        if (reading.planetName[body] != kBodyNames[body])
            reading.planetName[body].assign(kBodyNames[body]);
        if (reading.planetSanskritName[body] != kBodySanskritNames[body])
            reading.planetSanskritName[body].assign(kBodySanskritNames[body]);
    }

    std::array<double, kBodyCount>& degrees = reading.siderealDegrees;
    degrees[kSun] = planets.sun;
    degrees[kMercury] = planets.mercury;
    degrees[kVenus] = planets.venus;
    degrees[kMars] = planets.mars;
    degrees[kJupiter] = planets.jupiter;
    degrees[kSaturn] = planets.saturn;
    degrees[kRahu] = rahu;
    degrees[kKetu] = KetuDegrees(rahu);

    BodyTexts& texts = reading.planetPositionText;
    AssignShortPositionText(planets.sun, texts[kSun]);
    AssignShortPositionText(degrees[kMoon], texts[kMoon]);
    AssignShortPositionText(planets.mercury, texts[kMercury]);
    AssignShortPositionText(planets.venus, texts[kVenus]);
    AssignShortPositionText(planets.mars, texts[kMars]);
    AssignShortPositionText(planets.jupiter, texts[kJupiter]);
    AssignShortPositionText(planets.saturn, texts[kSaturn]);
    AssignShortPositionText(rahu, texts[kRahu]);
    AssignShortPositionText(KetuDegrees(rahu), texts[kKetu]);
    // The Moon's, the ascendant's and the midheaven's full texts were written
    // from these same longitudes.
    AssignShortPositionText(degrees[kAscendant], texts[kAscendant]);
    AssignShortPositionText(degrees[kMidheaven], texts[kMidheaven]);
}

void ComputePlanetTable(const BirthDetails& birth, ChartReading& reading) {
    const CivilMoment moment = PlanetMoment(birth);
    const double dayNumber =
        PlanetDayNumber(moment.year, moment.month, moment.day, moment.hour, moment.minute);
    WriteBodyTables(SiderealPlanetLongitudes(dayNumber, reading.ayanamsaDegrees),
                    RahuDegrees(dayNumber, reading.ayanamsaDegrees), reading);
}

}  // namespace orbalis
