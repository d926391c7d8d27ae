#include "positions/planet_positions.h"

#include <array>
#include <cmath>
#include <string_view>

#include "moon/sign_position_text.h"
#include "positions/geocentric_longitude.h"
#include "positions/planet_moment.h"

namespace orbalis {
namespace {

// The body tables' names, in the order of Body.
constexpr std::array<std::string_view, kBodyCount> kPlanetNames = {
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};
constexpr std::array<std::string_view, kBodyCount> kPlanetSanskritNames = {
    "Surya", "Chandra", "Budha", "Shukra",    "Mangala",  "Guru",
    "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven"};

// The J2000 longitude less the ayanamsa; the longitude is not precessed to
// the date of birth first.
double SiderealFrom(double tropicalDegrees, double ayanamsaDegrees) {
    double sidereal = tropicalDegrees - std::fabs(ayanamsaDegrees);
    while (sidereal < 0.0) sidereal = sidereal + 360.0;
    return sidereal;
}

std::string ShortTextOf(double siderealDegrees) {
    PositionChars position;
    FormatSignPosition(siderealDegrees, position);
    return ShortPositionText(position.view());
}

}  // namespace

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

void ComputePlanetTable(const BirthDetails& birth, ChartReading& reading) {
    // Written afresh every time, so that no retrograde mark of an earlier
    // reading survives.
    for (int body = 0; body < kBodyCount; ++body) {
        reading.planetName[body].assign(kPlanetNames[body]);
        reading.planetSanskritName[body].assign(kPlanetSanskritNames[body]);
    }

    const CivilMoment moment = PlanetMoment(birth);
    const double dayNumber =
        PlanetDayNumber(moment.year, moment.month, moment.day, moment.hour, moment.minute);
    const PlanetLongitudes planets = SiderealPlanetLongitudes(dayNumber, reading.ayanamsaDegrees);
    const double rahu = RahuDegrees(dayNumber, reading.ayanamsaDegrees);

    BodyTexts& texts = reading.planetPositionText;
    texts[kSun] = ShortTextOf(planets.sun);
    texts[kMoon] = ShortPositionText(reading.moonPositionText);
    texts[kMercury] = ShortTextOf(planets.mercury);
    texts[kVenus] = ShortTextOf(planets.venus);
    texts[kMars] = ShortTextOf(planets.mars);
    texts[kJupiter] = ShortTextOf(planets.jupiter);
    texts[kSaturn] = ShortTextOf(planets.saturn);
    texts[kRahu] = ShortTextOf(rahu);
    texts[kKetu] = ShortTextOf(KetuDegrees(rahu));
    texts[kAscendant] = ShortPositionText(reading.lagnaPositionText);
    texts[kMidheaven] = ShortPositionText(reading.midheavenPositionText);
}

}  // namespace orbalis
