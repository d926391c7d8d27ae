#include "ephemeris/ephemeris_positions.h"

#include <swephexp.h>

#include <cmath>

#include "ephemeris/ephemeris_files.h"

namespace orbalis {
namespace {

// The library keeps its state (open ephemeris files, the sidereal mode) per
// thread, so every thread that computes positions sets up its own and closes
// its files when it ends.
class EphemerisContext {
  public:
    EphemerisContext() {
        // The library's default path, or SE_EPHE_PATH; without files it
        // falls back to its built-in analytical ephemeris.
        swe_set_ephe_path(nullptr);
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0.0, 0.0);
    }
    ~EphemerisContext() { swe_close(); }
    EphemerisContext(const EphemerisContext&) = delete;
    EphemerisContext& operator=(const EphemerisContext&) = delete;
};

// The library calls this under the name of fopen (see the top CMakeLists);
// naming it here links it in wherever the library is.
[[gnu::used]] std::FILE* (*const kEphemerisFopen)(const char*,
                                                  const char*) = orbalis_ephemeris_fopen;

void EnsureContext() {
    thread_local EphemerisContext context;
}

constexpr int kPlanets[7] = {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN};
constexpr int kFlags = SEFLG_SWIEPH | SEFLG_SPEED;  // apparent positions

// The tropical speed differs from the sidereal one by the ayanamsa's own rate,
// never more than about 1e-4 degrees a day; below this the planet is so near
// its station that the library's sidereal speed decides.
constexpr double kNearStationDegreesPerDay = 1e-3;

double WithinTurn(double degrees) {
    double reduced = std::fmod(degrees, 360.0);
    if (reduced < 0.0) reduced += 360.0;
    if (reduced >= 360.0) reduced -= 360.0;
    return reduced;
}

// The sidereal ascendant and midheaven for an ayanamsa of the same instant;
// false when the library cannot compute them. Whole-sign houses are the one
// system defined at every latitude; only the two angles are wanted.
bool AnglesAt(double julianDayUt, double latitudeNorth, double longitudeEast, double ayanamsa,
              double& ascendantDegrees, double& midheavenDegrees) {
    double cusps[13];
    double angles[10];
    if (swe_houses_ex(julianDayUt, 0, latitudeNorth, longitudeEast, 'W', cusps, angles) < 0)
        return false;
    ascendantDegrees = WithinTurn(angles[0] - ayanamsa);
    midheavenDegrees = WithinTurn(angles[1] - ayanamsa);
    return true;
}

constexpr const char* kNoAscendant =
    "The Swiss Ephemeris cannot compute the ascendant for this place and time";

std::string Refusal(const char* libraryMessage) {
    std::string message = "The Swiss Ephemeris cannot compute the positions for this birth";
    if (libraryMessage[0] != '\0') {
        message += ": ";
        message += libraryMessage;
    }
    return message;
}

}  // namespace

std::optional<std::string> EphemerisPositionsAt(double julianDayUt, double latitudeNorth,
                                                double longitudeEast, EphemerisPositions& out) {
    EnsureContext();
    char error[AS_MAXCH] = "";

    // A sidereal longitude is the tropical one of date less the ayanamsa of
    // date, both with nutation: what the library's sidereal flag computes,
    // without working the ayanamsa out again for every body.
    double ayanamsa = 0.0;
    if (swe_get_ayanamsa_ex_ut(julianDayUt, kFlags, &ayanamsa, error) < 0) return Refusal(error);
    out.ayanamsaDegrees = ayanamsa;

    double values[6];
    out.builtIn = false;
    for (std::size_t i = 0; i < std::size(kPlanets); ++i) {
        const int used = swe_calc_ut(julianDayUt, kPlanets[i], kFlags, values, error);
        if (used < 0) return Refusal(error);
        // Without its files the library says so only in the flags it used.
        if ((used & SEFLG_MOSEPH) != 0) out.builtIn = true;
        out.planetDegrees[i] = WithinTurn(values[0] - ayanamsa);
        double speed = values[3];
        if (std::fabs(speed) < kNearStationDegreesPerDay) {
            if (swe_calc_ut(julianDayUt, kPlanets[i], kFlags | SEFLG_SIDEREAL, values, error) < 0)
                return Refusal(error);
            speed = values[3];
        }
        out.retrograde[i] = speed < 0.0;
    }

    if (swe_calc_ut(julianDayUt, SE_MEAN_NODE, kFlags, values, error) < 0) return Refusal(error);
    out.rahuDegrees = WithinTurn(values[0] - ayanamsa);

    if (!AnglesAt(julianDayUt, latitudeNorth, longitudeEast, ayanamsa, out.ascendantDegrees,
                  out.midheavenDegrees))
        return kNoAscendant;

    bool finite = std::isfinite(out.ayanamsaDegrees) && std::isfinite(out.rahuDegrees) &&
                  std::isfinite(out.ascendantDegrees) && std::isfinite(out.midheavenDegrees);
    for (const double degrees : out.planetDegrees) finite = finite && std::isfinite(degrees);
    if (!finite) return Refusal("");
    return std::nullopt;
}

std::optional<std::string> EphemerisAscendantAt(double julianDayUt, double latitudeNorth,
                                                double longitudeEast, double& ascendantDegrees) {
    EnsureContext();
    char error[AS_MAXCH] = "";
    double ayanamsa = 0.0;
    if (swe_get_ayanamsa_ex_ut(julianDayUt, kFlags, &ayanamsa, error) < 0) return Refusal(error);
    double midheavenDegrees = 0.0;
    if (!AnglesAt(julianDayUt, latitudeNorth, longitudeEast, ayanamsa, ascendantDegrees,
                  midheavenDegrees))
        return kNoAscendant;
    if (!std::isfinite(ascendantDegrees)) return Refusal("");
    return std::nullopt;
}

}  // namespace orbalis
