#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbalis {

// Skipped: the clocks went forward over that local time, it never happened.
// Repeated: the clocks went back over it, it happened twice.
enum class LocalTimeKind { Normal, Skipped, Repeated };

// The clock of a place at one local date and time, from the time zone database.
// A Skipped time reports the clock in force just before the change and a
// Repeated time its first occurrence; the other* fields give the clock just
// after the change (Skipped) or of the second occurrence (Repeated), and for a
// Normal time repeat the reported one. Which one a reading uses is the
// caller's decision.
//
// Where a zone keeps "daylight saving" in winter, below its standard offset
// (Ireland since 1971, Morocco during Ramadan), the lower offset is reported as
// standard and the higher one as daylight saving, the way the birth-details
// form counts them.
struct PlaceClock {
    int utcOffsetSeconds = 0;       // east-positive, in force at that local time
    int standardOffsetSeconds = 0;  // east-positive
    bool daylightSaving = false;
    std::string abbreviation;  // "IST", "EST"
    LocalTimeKind kind = LocalTimeKind::Normal;
    std::string
        standardAbbreviation;  // the zone's standard-time abbreviation then: "EST" in July too
    int otherUtcOffsetSeconds = 0;
    std::string otherAbbreviation;
};

// False when the system's time zone database cannot be read.
bool ClockDatabaseAvailable();

// The clock of an IANA zone ("Asia/Kolkata") at a local date and time; hour 24
// is 0:00 of the next day. Nothing for an unknown zone, a date or time out of
// range, or when the database cannot be read.
std::optional<PlaceClock> ClockAt(std::string_view ianaZone, int year, int month, int day, int hour,
                                  int minute);

}  // namespace orbalis
