#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "clock/place_clock.h"
#include "clock/zone_row_choice.h"
#include "model/catalogue.h"

namespace orbalis {

// A local date and time as the birth-details form holds it; hour 24 is 0:00 of the next day.
struct LocalDateTime {
    int year;
    int month;  // 1..12
    int day;
    int hour;
    int minute;
};

// What the clock of a place was at a local date and time, in the user's words
// (UTF-8): "New York on 3 November 1971, 23:05: UTC−05:00, EST", with the time
// that never happened or happened twice, and the case no zone row fits,
// spelt out. No clock is said too, with why: a day the calendar does not
// have, a zone the time zone database does not know, or no database at all.
// In the language of `words`; the clock's names stay the database's.
std::string PlaceClockText(std::string_view placeName, const LocalDateTime& when,
                           const std::optional<PlaceClock>& clock, const ZoneRowChoice& choice,
                           const Catalogue& words = English());

}  // namespace orbalis
