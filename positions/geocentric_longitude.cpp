#include "positions/geocentric_longitude.h"

#include <cmath>

#include "model/angle_constants.h"
#include "positions/ascendant.h"

namespace orbalis {
namespace {

constexpr double kKeplerTolerance = 1e-12;
// Newton's method on Kepler's equation ends within a few rounds for these
// eccentricities; the cap only guards against a runaway loop on input that
// is not a number.
constexpr int kKeplerRoundLimit = 100;

}  // namespace

double TrueAnomaly(double meanAnomaly, double eccentricity) {
    const double m = meanAnomaly;
    const double e = eccentricity;
    // Second-order start, then Newton's method on E - e sin E = M.
    double eccentricAnomaly = m + e * std::sin(m) * (1.0 + e * std::cos(m));
    for (int round = 0; round < kKeplerRoundLimit; ++round) {
        const double previous = eccentricAnomaly;
        eccentricAnomaly =
            previous - (previous - e * std::sin(previous) - m) / (1.0 - e * std::cos(previous));
        if (std::fabs(eccentricAnomaly - previous) <= kKeplerTolerance) break;
    }
    double v = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(eccentricAnomaly / 2.0));
    if (v < 0.0) v = v + kTwoPiValue;
    return v;
}

EclipticPoint HeliocentricPosition(OrbitBody body, double dayNumber) {
    if (body == OrbitBody::Sun) return {0.0, 0.0};
    const Elements el = OrbitalElements(body, dayNumber);
    const double m = ReduceRadians(el.meanLongitude - el.perihelion);
    const double v = TrueAnomaly(m, el.e);
    const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(v));
    if (body == OrbitBody::Earth) {
        // The Earth's orbit is taken to lie in the ecliptic.
        return {r * std::cos(v + el.perihelion), r * std::sin(v + el.perihelion)};
    }
    // Argument of latitude, then rotation by the node and the inclination.
    const double u = v + el.perihelion - el.node;
    const double cosNode = std::cos(el.node);
    const double sinNode = std::sin(el.node);
    const double cosU = std::cos(u);
    const double sinU = std::sin(u);
    const double cosI = std::cos(el.i);
    const double x = r * (cosNode * cosU - sinU * sinNode * cosI);
    const double y = r * (sinNode * cosU + sinU * cosNode * cosI);
    return {x, y};
}

double GeocentricLongitudeFrom(EclipticPoint body, EclipticPoint earth) {
    double longitude = TwoArgumentArctangent(body.y - earth.y, body.x - earth.x) * 180.0 / kPiValue;
    while (longitude > 360.0) longitude = longitude - 360.0;
    while (longitude < 0.0) longitude = longitude + 360.0;
    return longitude;
}

double GeocentricLongitude(OrbitBody body, double dayNumber) {
    const EclipticPoint earth = HeliocentricPosition(OrbitBody::Earth, dayNumber);
    return GeocentricLongitudeFrom(HeliocentricPosition(body, dayNumber), earth);
}

}  // namespace orbalis
