#pragma once

namespace orbalis {

// Moon's geocentric tropical longitude in degrees, T in Julian centuries from J2000.0.
double MoonTropicalLongitude(double centuriesJ2000);
// The Moon engine's ayanamsa: negative degrees added to a tropical longitude.
double MoonAyanamsa(double centuriesJ2000);
// A tropical longitude turned into 0..360; exactly 360 stays 360.
double WrapTropicalDegrees(double degrees);
// Adds the (negative) ayanamsa to a tropical longitude of 0..360, once
// turning a negative result into 0..360.
double SiderealFromTropical(double tropicalDegrees, double ayanamsaDegrees);
// Sidereal longitude, 0 <= result < 360.
double MoonSiderealLongitude(double centuriesJ2000);

}  // namespace orbalis
