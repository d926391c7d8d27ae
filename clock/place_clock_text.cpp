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
                           const std::optional<PlaceClock>& clock, const ZoneRowChoice& choice,
                           const Catalogue& words) {
    const std::string day = std::to_string(when.day);
    const std::string month(Tr(words, FullMonthName(when.month)));
    const std::string year = std::to_string(when.year);
    if (!clock) {
        if (!IsCalendarDate(when.year, when.month, when.day))
            return Fill(Tr(words, "{place}: there is no {day} {month} {year}."),
                        {{"place", placeName}, {"day", day}, {"month", month}, {"year", year}});
        return Fill(ClockDatabaseAvailable()
                        ? Tr(words,
                             "{place}: the time zone database does not know this place's time "
                             "zone, so please choose the time zone and daylight saving yourself.")
                        : Tr(words,
                             "{place}: the time zone database is not available on this computer, "
                             "so please choose the time zone and daylight saving yourself."),
                    {{"place", placeName}});
    }
    std::array<char, 8> time{};
    std::snprintf(time.data(), time.size(), "%02d:%02d", when.hour % 100, when.minute % 100);
    const std::string before = InBrackets(clock->utcOffsetSeconds, clock->abbreviation);
    const std::string after = InBrackets(clock->otherUtcOffsetSeconds, clock->otherAbbreviation);
    std::string clockText;
    switch (clock->kind) {
        case LocalTimeKind::Normal:
            clockText = ClockName(clock->utcOffsetSeconds, clock->abbreviation);
            if (clock->daylightSaving)
                clockText =
                    Fill(Tr(words, "{clock}, daylight saving time"), {{"clock", clockText}});
            break;
        case LocalTimeKind::Skipped:
            clockText = Fill(Tr(words,
                                "this time never happened there: the clocks went forward from "
                                "{before} to {after}."),
                             {{"before", before}, {"after", after}});
            if (choice.zoneIndex)
                clockText += std::string(" ") +
                             std::string(Tr(words,
                                            "The time zone is set for the clock before the "
                                            "change."));
            break;
        case LocalTimeKind::Repeated:
            clockText = Fill(Tr(words,
                                "this time happened twice there: the clocks went back from "
                                "{before} to {after}."),
                             {{"before", before}, {"after", after}});
            if (choice.zoneIndex)
                clockText +=
                    std::string(" ") +
                    std::string(Tr(words, "The time zone is set for the first of the two."));
            break;
    }
    std::string text =
        Fill(Tr(words, "{place} on {day} {month} {year}, {time}: {clock}"), {{"place", placeName},
                                                                             {"day", day},
                                                                             {"month", month},
                                                                             {"year", year},
                                                                             {"time", time.data()},
                                                                             {"clock", clockText}});
    if (!choice.zoneIndex) {
        text += clock->kind == LocalTimeKind::Normal ? ". " : " ";
        text += Tr(words,
                   "No time zone in the list keeps this clock: please choose the nearest one "
                   "yourself.");
    }
    return text;
}

}  // namespace orbalis
