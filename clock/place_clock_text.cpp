#include "clock/place_clock_text.h"

#include <array>
#include <cstdio>

#include "model/days_in_month.h"
#include "model/month_names.h"
#include "model/utc_offset.h"

namespace orbalis {
namespace {

// "UTC−05:00" with a true minus sign, and the abbreviation where the zone has
// one in letters ("EST"; the database writes "+0545" where it has none).
std::string ClockName(int offsetSeconds, std::string_view abbreviation) {
    std::string text = UtcOffsetForPeople(offsetSeconds);
    const bool lettered =
        !abbreviation.empty() && abbreviation.front() != '+' && abbreviation.front() != '-';
    if (lettered) {
        text += ", ";
        text += abbreviation;
    }
    return text;
}

std::string InBrackets(int offsetSeconds, std::string_view abbreviation) {
    std::string name = ClockName(offsetSeconds, abbreviation);
    const std::size_t comma = name.find(", ");
    if (comma != std::string::npos)
        name = name.substr(0, comma) + " (" + name.substr(comma + 2) + ")";
    return name;
}

}  // namespace

std::string PlaceClockText(std::string_view placeName, const LocalDateTime& when,
                           const std::optional<PlaceClock>& clock, const ZoneRowChoice& choice) {
    std::array<char, 64> moment{};
    std::snprintf(moment.data(), moment.size(), " on %d %.*s %d, %02d:%02d: ", when.day,
                  static_cast<int>(FullMonthName(when.month).size()),
                  FullMonthName(when.month).data(), when.year, when.hour, when.minute);
    std::string text(placeName);
    if (!clock) {
        if (!IsCalendarDate(when.year, when.month, when.day)) {
            return text + ": there is no " + std::to_string(when.day) + " " +
                   std::string(FullMonthName(when.month)) + " " + std::to_string(when.year) + ".";
        }
        if (!ClockDatabaseAvailable()) {
            return text +
                   ": the time zone database is not available on this computer, so please choose "
                   "the "
                   "time zone and daylight saving yourself.";
        }
        return text +
               ": the time zone database does not know this place's time zone, so please choose "
               "the time "
               "zone and daylight saving yourself.";
    }
    text += moment.data();
    const std::string before = InBrackets(clock->utcOffsetSeconds, clock->abbreviation);
    const std::string after = InBrackets(clock->otherUtcOffsetSeconds, clock->otherAbbreviation);
    switch (clock->kind) {
        case LocalTimeKind::Normal:
            text += ClockName(clock->utcOffsetSeconds, clock->abbreviation);
            if (clock->daylightSaving) text += ", daylight saving time";
            break;
        case LocalTimeKind::Skipped:
            text += "this time never happened there: the clocks went forward from " + before +
                    " to " + after + ".";
            if (choice.zoneIndex) text += " The time zone is set for the clock before the change.";
            break;
        case LocalTimeKind::Repeated:
            text += "this time happened twice there: the clocks went back from " + before + " to " +
                    after + ".";
            if (choice.zoneIndex) text += " The time zone is set for the first of the two.";
            break;
    }
    if (!choice.zoneIndex) {
        text += clock->kind == LocalTimeKind::Normal ? ". " : " ";
        text +=
            "No time zone in the list keeps this clock: please choose the nearest one yourself.";
    }
    return text;
}

}  // namespace orbalis
