#pragma once

namespace orbalis {

// Moon's geocentric tropical longitude in degrees, T in Julian centuries from J2000.0.
double MoonTropicalLongitude(double centuriesJ2000);
// The Moon engine's ayanamsa: negative degrees added to a tropical longitude.
double MoonAyanamsa(double centuriesJ2000);
// Sidereal longitude, 0 <= result < 360.
double MoonSiderealLongitude(double centuriesJ2000);

}  // namespace orbalis
