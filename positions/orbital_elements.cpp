#include <array>
#include <cmath>

#include "model/angle_constants.h"
#include "positions/planet_positions.h"

namespace orbalis {
namespace {

// Mean elements referred to the mean ecliptic and equinox of J2000: a value
// at J2000.0 and a rate per Julian century. a in astronomical units, e a pure
// number, angles in degrees with their rates in seconds of arc per century.
struct MeanElements {
    double a, aRate;
    double e, eRate;
    double i, iRate;
    double node, nodeRate;
    double perihelion, perihelionRate;
    double meanLongitude, meanLongitudeRate;
};

// In the order of OrbitBody. The Sun has no orbit of its own (its direction
// is the Earth's reversed), and the Earth's orbit lies in the ecliptic, so
// both have no inclination or node.
constexpr std::array<MeanElements, 7> kMeanElements = {{
    // Sun
    {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    // Mercury
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    // Venus
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    // Earth
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.0, 0.0, 0.0, 0.0, 102.94719, 1198.28,
     100.46435, 129597740.63},
    // Mars
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    // Jupiter
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    // Saturn
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
}};

double AngleAt(double degrees, double arcSecondsPerCentury, double centuries) {
    return (degrees + arcSecondsPerCentury * centuries / 3600.0) * kDegToRad;
}

}  // namespace

double ReduceRadians(double x) {
    const double turns = x / kTwoPiValue;
    double reduced = (turns - std::trunc(turns)) * kTwoPiValue;
    if (reduced < 0.0) reduced = reduced + kTwoPiValue;
    return reduced;
}

Elements OrbitalElements(OrbitBody body, double dayNumber) {
    const MeanElements& mean = kMeanElements[static_cast<std::size_t>(body)];
    const double t = dayNumber / 36525.0;
    Elements elements{};
    elements.a = mean.a + mean.aRate * t;
    elements.e = mean.e + mean.eRate * t;
    elements.i = AngleAt(mean.i, mean.iRate, t);
    elements.node = AngleAt(mean.node, mean.nodeRate, t);
    elements.perihelion = AngleAt(mean.perihelion, mean.perihelionRate, t);
    elements.meanLongitude = ReduceRadians(AngleAt(mean.meanLongitude, mean.meanLongitudeRate, t));
    return elements;
}

}  // namespace orbalis
