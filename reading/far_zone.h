#pragma once

#include <string>

#include "model/birth_details.h"
#include "model/catalogue.h"

namespace orbalis {

// A zone row more than this many minutes from the longitude's own solar time
// (the longitude over 15 degrees an hour) is most likely a slip of the list.
inline constexpr int kFarZoneMinutes = 4 * 60;

// "The time zone UTC−09:00 is far from 77° 13′ E (about UTC+05:09). Please
// check the time zone." when the birth's zone row is that far from its
// longitude's solar time; empty otherwise. A warning only: the reading is
// computed all the same. Daylight saving is not counted: it is the row that
// is checked.
std::string FarZoneWarning(const BirthDetails& birth, const Catalogue& words = English());

}  // namespace orbalis
