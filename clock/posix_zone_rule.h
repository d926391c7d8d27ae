#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbalis {

// The rule a compiled zone file states at its end for every time after its last
// listed change, written as a POSIX TZ text ("EST5EDT,M3.2.0,M11.1.0"). The
// files list changes only up to 2037; later dates follow this rule.
struct PosixZoneRule {
    struct ChangeDay {
        enum class Form { MonthWeekDay, JulianNoLeap, ZeroBased } form = Form::MonthWeekDay;
        int month = 0;                // 1..12 for MonthWeekDay
        int week = 0;                 // 1..5; 5 is the last such weekday of the month
        int weekday = 0;              // 0 Sunday .. 6 Saturday
        int day = 0;                  // 1..365 (Jn, 29 February never counted) or 0..365 (n)
        int localSeconds = 2 * 3600;  // clock time of the change, may be negative or past 24 h
    };

    std::string standardName;
    int standardOffsetSeconds = 0;  // east-positive
    bool hasDaylight = false;
    std::string daylightName;
    int daylightOffsetSeconds = 0;  // east-positive
    ChangeDay daylightStarts;       // read on the standard clock
    ChangeDay daylightEnds;         // read on the daylight clock
};

std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text);

// Whether daylight time is in force at a universal instant (seconds from 1970).
bool DaylightInForce(const PosixZoneRule& rule, std::int64_t universalSeconds);

}  // namespace orbalis
