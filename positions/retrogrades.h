#pragma once

#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis {

// Mercury to Saturn, the planets with station tables; the value is the body index.
enum class RetrogradePlanet {
    Mercury = kMercury,
    Venus = kVenus,
    Mars = kMars,
    Jupiter = kJupiter,
    Saturn = kSaturn
};

struct CivilDate {
    int year, month, day;
};

// True when the date lies strictly between the day a retrograde period begins
// and the day it ends.
bool IsRetrograde(RetrogradePlanet planet, CivilDate birthDate);

// The civil birth date the lookup uses: hour 24 counts as the next day.
CivilDate RetrogradeLookupDate(const BirthDetails& birth);

// Appends " (R) " to the planet's Sanskrit name.
void MarkRetrograde(RetrogradePlanet planet, ChartReading& reading);

// Appends " (R) " to the Sanskrit names of the planets retrograde at birth.
void MarkRetrogrades(const BirthDetails& birth, ChartReading& reading);

}  // namespace orbalis
