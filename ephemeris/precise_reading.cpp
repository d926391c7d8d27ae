#include "ephemeris/precise_reading.h"

#include "ephemeris/ephemeris_positions.h"
#include "model/chart_reading.h"
#include "moon/birth_instant.h"
#include "moon/moon_details.h"
#include "positions/ascendant.h"
#include "positions/planet_positions.h"
#include "positions/retrogrades.h"

namespace orbalis {

double BirthJulianDayUt(const BirthDetails& birth) {
    const BirthInstantValues instant = BirthInstant(birth);
    // The day number counts from noon; the hours count from midnight.
    return instant.julianDay - 0.5 + instant.universalHours / 24.0;
}

std::optional<std::string> ComputePrecisePositions(const BirthDetails& birth,
                                                   ChartReading& reading) {
    EphemerisPositions positions{};
    if (auto refusal = EphemerisPositionsAt(BirthJulianDayUt(birth), LatitudeNorth(birth),
                                            -BirthInstant(birth).longitudeWest, positions))
        return refusal;

    // The reading carries the ayanamsa as the negative number added to a
    // tropical longitude.
    WriteAscendantFields(-positions.ayanamsaDegrees, positions.ascendantDegrees,
                         positions.midheavenDegrees, reading);
    MoonDetailsAt(positions.planetDegrees[kMoon], reading);
    const auto& p = positions.planetDegrees;
    WriteBodyTables({p[kSun], p[kMercury], p[kVenus], p[kMars], p[kJupiter], p[kSaturn]},
                    positions.rahuDegrees, reading);
    for (const RetrogradePlanet planet :
         {RetrogradePlanet::Mercury, RetrogradePlanet::Venus, RetrogradePlanet::Mars,
          RetrogradePlanet::Jupiter, RetrogradePlanet::Saturn})
        if (positions.retrograde[static_cast<std::size_t>(planet)]) MarkRetrograde(planet, reading);
    reading.builtInEphemeris = positions.builtIn;
    return std::nullopt;
}

std::optional<double> PreciseAscendantDegrees(const BirthDetails& birth) {
    double ascendantDegrees = 0.0;
    if (EphemerisAscendantAt(BirthJulianDayUt(birth), LatitudeNorth(birth),
                             -BirthInstant(birth).longitudeWest, ascendantDegrees))
        return std::nullopt;
    return ascendantDegrees;
}

}  // namespace orbalis
