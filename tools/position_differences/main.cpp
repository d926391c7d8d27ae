// How far the classic positions lie from the precise ones: random births
// from 1901 to 2050 (any day, hour and zone row, any latitude to the poles),
// each computed both ways. Prints a Markdown table of the differences per
// body (median, 95th percentile, maximum, in arcminutes) and how often the
// signs, the house of Mars and the verdicts differ.
//
//   position_differences [BIRTHS [SEED]]     (10000 births, seed 1 by default)

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "dosha/kuja_dosha.h"
#include "ephemeris/ephemeris_positions.h"
#include "ephemeris/precise_reading.h"
#include "model/reference_tables.h"
#include "moon/birth_instant.h"
#include "moon/moon_longitude.h"
#include "positions/ascendant.h"
#include "positions/planet_moment.h"
#include "positions/planet_positions.h"
#include "reading/reading.h"

namespace {

using namespace orbalis;

constexpr const char* kBodies[] = {"Sun",    "Moon", "Mercury",   "Venus",     "Mars",    "Jupiter",
                                   "Saturn", "Rahu", "Ascendant", "Midheaven", "Ayanamsa"};
constexpr std::size_t kColumns = std::size(kBodies);

// The classic engines' angles for one birth, in the order of kBodies.
std::array<double, kColumns> ClassicAngles(const BirthDetails& birth) {
    const AscendantValues angles = AscendantAndMidheaven(birth);
    const CivilMoment moment = PlanetMoment(birth);
    const double day =
        PlanetDayNumber(moment.year, moment.month, moment.day, moment.hour, moment.minute);
    const PlanetLongitudes p = SiderealPlanetLongitudes(day, angles.ayanamsaDegrees);
    return {p.sun,
            MoonSiderealLongitude(BirthInstant(birth).centuriesJ2000),
            p.mercury,
            p.venus,
            p.mars,
            p.jupiter,
            p.saturn,
            RahuDegrees(day, angles.ayanamsaDegrees),
            angles.ascendantDegrees,
            angles.midheavenDegrees,
            -angles.ayanamsaDegrees};
}

std::array<double, kColumns> PreciseAngles(const EphemerisPositions& p) {
    return {p.planetDegrees[0], p.planetDegrees[1], p.planetDegrees[2], p.planetDegrees[3],
            p.planetDegrees[4], p.planetDegrees[5], p.planetDegrees[6], p.rahuDegrees,
            p.ascendantDegrees, p.midheavenDegrees, p.ayanamsaDegrees};
}

double Quantile(std::vector<double>& values, double q) {
    const auto k = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

}  // namespace

int main(int argc, char** argv) {
    const long births = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    if (births <= 0) {
        std::fprintf(stderr, "usage: position_differences [BIRTHS [SEED]]\n");
        return 2;
    }
    std::mt19937 random(seed);
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };

    std::array<std::vector<double>, kColumns> arcminutes;
    struct Count {
        const char* what;
        long differ = 0;
    };
    Count counts[] = {{"Lagna sign"},
                      {"Moon sign"},
                      {"Nakshatra"},
                      {"Mars's house from the Lagna"},
                      {"Mars's house from the Moon"},
                      {"Verdict from the Lagna"},
                      {"Verdict from the Moon"},
                      {"Any retrograde mark"}};
    long refused = 0;
    for (long n = 0; n < births; ++n) {
        BirthDetails birth;
        birth.year = static_cast<std::int16_t>(uniform(1901, 2050));
        birth.month = static_cast<std::int16_t>(uniform(1, 12));
        birth.day = static_cast<std::int16_t>(uniform(1, 28));
        birth.hour = static_cast<std::int16_t>(uniform(0, 23));
        birth.minute = static_cast<std::int16_t>(uniform(0, 59));
        ApplyZoneRow(birth, uniform(0, 70));
        birth.latitudeDegrees = static_cast<std::int16_t>(uniform(0, 89));
        birth.latitudeMinutes = static_cast<std::int16_t>(uniform(0, 59));
        birth.longitudeDegrees = static_cast<std::int16_t>(uniform(0, 179));
        birth.longitudeMinutes = static_cast<std::int16_t>(uniform(0, 59));
        birth.isEast = uniform(0, 1) == 1;
        birth.isSouth = uniform(0, 1) == 1;
        birth.daylightSaving = uniform(0, 4) == 0;

        EphemerisPositions precise{};
        ChartReading classicReading;
        ChartReading preciseReading;
        std::string refusal;
        if (EphemerisPositionsAt(BirthJulianDayUt(birth), LatitudeNorth(birth),
                                 -BirthInstant(birth).longitudeWest, precise) ||
            !ComputeChartReading(birth, PositionsMode::Precise, preciseReading, refusal)) {
            ++refused;
            continue;
        }
        ComputeChartReading(birth, classicReading);

        const auto classic = ClassicAngles(birth);
        const auto exact = PreciseAngles(precise);
        for (std::size_t b = 0; b < kColumns; ++b)
            arcminutes[b].push_back(std::fabs(std::remainder(classic[b] - exact[b], 360.0)) * 60.0);

        const auto& c = classicReading;
        const auto& p = preciseReading;
        const auto lagnaC = CountKujaDosha(c, c.planetPositionText[kAscendant], "Mars");
        const auto lagnaP = CountKujaDosha(p, p.planetPositionText[kAscendant], "Mars");
        const auto moonC = CountKujaDosha(c, c.planetPositionText[kMoon], "Moon");
        const auto moonP = CountKujaDosha(p, p.planetPositionText[kMoon], "Moon");
        const bool differ[] = {
            c.lagnaSign != p.lagnaSign,
            c.rashi != p.rashi,
            c.nakshatra != p.nakshatra,
            lagnaC.has_value() != lagnaP.has_value() ||
                (lagnaC && lagnaC->marsHouse != lagnaP->marsHouse),
            moonC.has_value() != moonP.has_value() ||
                (moonC && moonC->marsHouse != moonP->marsHouse),
            lagnaC.has_value() != lagnaP.has_value() ||
                (lagnaC && lagnaC->manglik != lagnaP->manglik),
            moonC.has_value() != moonP.has_value() || (moonC && moonC->manglik != moonP->manglik),
            c.planetSanskritName != p.planetSanskritName,
        };
        for (std::size_t k = 0; k < std::size(counts); ++k) counts[k].differ += differ[k];
    }

    const long compared = births - refused;
    if (compared == 0) {
        std::fprintf(stderr, "no birth could be computed precisely\n");
        return 1;
    }
    std::printf("%ld random births, 1901 to 2050 (seed %u)%s\n\n", compared, seed,
                refused ? ", some refused by the ephemeris" : "");
    std::printf("| Body | median | 95th percentile | maximum |\n|---|---:|---:|---:|\n");
    for (std::size_t b = 0; b < kColumns; ++b) {
        std::vector<double>& values = arcminutes[b];
        const double maximum = *std::max_element(values.begin(), values.end());
        std::printf("| %s | %.1f' | %.1f' | %.1f' |\n", kBodies[b], Quantile(values, 0.5),
                    Quantile(values, 0.95), maximum);
    }
    std::printf("\n| Differs between the modes | births | share |\n|---|---:|---:|\n");
    for (const Count& count : counts)
        std::printf("| %s | %ld | %.2f%% |\n", count.what, count.differ,
                    100.0 * static_cast<double>(count.differ) / static_cast<double>(compared));
    return 0;
}
