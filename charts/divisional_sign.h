#pragma once

#include "charts/divisions.h"

namespace orbalis {

// The sign, 0 Aries .. 11 Pisces, that a sidereal longitude falls in within
// a divisional chart. A longitude exactly on the boundary of two parts
// belongs to the part that begins there. Any finite longitude is taken
// modulo 360, exactly. The longitude must be finite: the engines give no
// other (the precise one refuses a reading whose positions are not finite;
// the classic ones are finite for every birth the form lets through), so the
// callers, which take it from a computed reading, need no check of their own.
//
//   D2  Hora: in an odd sign the first half is Leo, the second Cancer; in an
//       even sign the other way round.
//   D3  Drekkana: the sign itself, then the 5th and the 9th from it.
//   D7  Saptamsa: seven parts counted from the sign itself in an odd sign,
//       from the 7th in an even sign.
//   D9  Navamsa: nine parts counted from Aries, Capricorn, Libra or Cancer
//       for fire, earth, air and water signs; the 108 navamsas of the zodiac
//       in turn from 0 deg Aries.
//   D10 Dasamsa: ten parts from the sign itself in an odd sign, from the 9th
//       in an even sign.
//   D12 Dwadasamsa: twelve parts counted from the sign itself.
//
// Odd signs are Aries, Gemini, Leo ... (even sign indexes from 0).
int DivisionalSign(double siderealLongitudeDegrees, Division division);

}  // namespace orbalis
