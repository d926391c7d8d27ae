#pragma once

#include <string>
#include <string_view>

#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis {

enum class OrbitBody { Sun, Mercury, Venus, Earth, Mars, Jupiter, Saturn };

struct Elements {
    double a, e, i, node, perihelion, meanLongitude;  // angles in radians
};

// Days from 1 January 2000 12:00 universal time.
double PlanetDayNumber(int year, int month, int day, int hour, int minute);
double ReduceRadians(double x);
Elements OrbitalElements(OrbitBody body, double dayNumber);
double TrueAnomaly(double meanAnomaly, double eccentricity);
// Tropical geocentric longitude in degrees, 0 <= result < 360, equinox J2000.
double GeocentricLongitude(OrbitBody body, double dayNumber);
// Sidereal longitude of Rahu, the Moon's mean ascending node, in degrees.
double RahuDegrees(double dayNumber, double ayanamsaDegrees);
// Ketu, the point opposite Rahu: 0 <= result < 360.
double KetuDegrees(double rahuDegrees);

// Sidereal longitudes in degrees of the Sun, Mercury, Venus, Mars, Jupiter
// and Saturn, in that order, for a day number and an ayanamsa.
struct PlanetLongitudes {
    double sun, mercury, venus, mars, jupiter, saturn;
};
PlanetLongitudes SiderealPlanetLongitudes(double dayNumber, double ayanamsaDegrees);

// "05 Ari 03" from "5° 3' 59\" Ari".
std::string ShortPositionText(std::string_view signPositionText);

// Sets `text` to ShortPositionText(SignPositionText(longitudeDegrees)), without
// writing and reading back the full text.
void AssignShortPositionText(double longitudeDegrees, std::string& text);

// Writes the three body tables from sidereal longitudes of the planets and
// Rahu; needs the ascendant and Moon fields already set.
void WriteBodyTables(const PlanetLongitudes& planets, double rahuDegrees, ChartReading& reading);

// Writes the three body tables; needs the ascendant and Moon fields already set.
void ComputePlanetTable(const BirthDetails& birth, ChartReading& reading);

}  // namespace orbalis
