#pragma once

#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "reading/input_rules.h"
#include "reading/reading.h"

namespace orbalis::testing {

// Delhi, 15 August 1985, 10:30 IST, 28°39' N 77°13' E, zone row 34.
BirthDetails DelhiBirth1985();

// A complete birth-details form that passes every rule: New Delhi,
// 15 August 1985, 10:30 IST, 28°38' N 77°12' E.
FormEntries DelhiEntries();

// A second complete form: Mumbai, 10 April 1987, 08:15 IST, 19°04' N
// 72°52' E. Lagna in Aries, Venus in Aquarius, Mars in Taurus: an uncancelled
// classical Kuja dosha from the Lagna (2nd) and from Venus (4th).
FormEntries MumbaiEntries1987();

// A summer birth on the Greenwich row with daylight saving: London,
// 5 June 1988, 14:20, 51°30' N 0°07' W, read on UTC+01:00.
FormEntries LondonEntries1988();

// The reading of DelhiBirth1985 written out by hand: positions, details, the
// twelve chart boxes and both Kuja dosha runs (Lagna in Virgo, Sun, Moon,
// Mercury and Mars in Cancer).
ChartReading DelhiReading1985();
ReadingDisplay DelhiDisplay1985();

// A crowded chart: the ascendant and six bodies, five of them retrograde,
// share Leo; the Moon is in Cancer, Rahu and Ketu stand alone.
ChartReading CrowdedReading();
ReadingDisplay CrowdedDisplay();
// The seven lines of the crowded box, CR LF between them.
inline constexpr const char* kCrowdedBoxText =
    "Asc\r\nSurya\r\nBudha (R) \r\nShukra (R) \r\nMangala (R) \r\nGuru (R) \r\nShani (R) ";

}  // namespace orbalis::testing
