#include "clock/place_clock.h"

#include <date/tz.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "clock/posix_zone_rule.h"
#include "model/days_in_month.h"

namespace orbalis {
namespace {

using Seconds = std::chrono::seconds;

// One stretch of a zone's clock, as the form counts it.
struct ClockPeriod {
    int offsetSeconds = 0;
    int standardOffsetSeconds = 0;
    bool daylightSaving = false;
    std::string abbreviation;
    std::string standardAbbreviation;
};

int OffsetOf(const date::sys_info& info) {
    return static_cast<int>(info.offset.count());
}
bool IsDaylight(const date::sys_info& info) {
    return info.save != std::chrono::minutes{0};
}
ClockPeriod StandardPeriod(int offset, const std::string& abbreviation) {
    return {offset, offset, false, abbreviation, abbreviation};
}

// The first and the last stretch of a zone are open-ended; the library marks
// their far ends with dates centuries away.
bool HasPrevious(const date::sys_info& info) {
    return info.begin > date::sys_days{date::year{1800} / date::January / 1};
}
bool HasNext(const date::sys_info& info) {
    return info.end < date::sys_days{date::year{2200} / date::January / 1};
}
date::sys_info Previous(const date::time_zone& zone, const date::sys_info& info) {
    return zone.get_info(info.begin - Seconds{1});
}
date::sys_info Next(const date::time_zone& zone, const date::sys_info& info) {
    return zone.get_info(info.end);
}

// The compiled files mark daylight time with a flag only; how far it is from
// standard time is read from the nearest standard-time stretches around it.
ClockPeriod PeriodOf(const date::time_zone& zone, const date::sys_info& info) {
    const int offset = OffsetOf(info);
    constexpr int kMostSteps = 4;
    if (!IsDaylight(info)) {
        // Summer above a "daylight" winter: the stretches on both sides are
        // daylight-flagged and lower.
        bool seenLower = false;
        bool allLower = true;
        std::string lowerAbbreviation;
        int lowerOffset = offset;
        for (const bool forward : {false, true}) {
            if (forward ? !HasNext(info) : !HasPrevious(info)) continue;
            const date::sys_info side = forward ? Next(zone, info) : Previous(zone, info);
            if (IsDaylight(side) && OffsetOf(side) < offset) {
                seenLower = true;
                lowerOffset = OffsetOf(side);
                lowerAbbreviation = side.abbrev;
            } else {
                allLower = false;
            }
        }
        if (seenLower && allLower)
            return {offset, lowerOffset, true, info.abbrev, lowerAbbreviation};
        return StandardPeriod(offset, info.abbrev);
    }
    // The nearest standard stretch below this offset, looking back first; a
    // stretch above it on either side alone means a "daylight" winter.
    bool seenStandard = false;
    for (const bool forward : {false, true}) {
        date::sys_info side = info;
        for (int step = 0; step < kMostSteps; ++step) {
            if (forward ? !HasNext(side) : !HasPrevious(side)) break;
            side = forward ? Next(zone, side) : Previous(zone, side);
            if (IsDaylight(side)) continue;
            seenStandard = true;
            if (OffsetOf(side) < offset)
                return {offset, OffsetOf(side), true, info.abbrev, side.abbrev};
            break;
        }
    }
    if (seenStandard) return StandardPeriod(offset, info.abbrev);
    return {offset, offset - 3600, true, info.abbrev, std::string()};
}

ClockPeriod PeriodOf(const PosixZoneRule& rule, bool daylight) {
    const int standard = rule.standardOffsetSeconds;
    const int summer = rule.daylightOffsetSeconds;
    if (!rule.hasDaylight) return StandardPeriod(standard, rule.standardName);
    if (summer >= standard) {
        return daylight ? ClockPeriod{summer, standard, true, rule.daylightName, rule.standardName}
                        : StandardPeriod(standard, rule.standardName);
    }
    return daylight ? StandardPeriod(summer, rule.daylightName)
                    : ClockPeriod{standard, summer, true, rule.standardName, rule.daylightName};
}

struct LocalAnswer {
    LocalTimeKind kind = LocalTimeKind::Normal;
    ClockPeriod first;   // the reported clock
    ClockPeriod second;  // the other clock of a skipped or repeated time
};

// The rule written on the last line of the zone's compiled file, if any; only
// the file's tail is read, the rule being a short text.
std::optional<PosixZoneRule> FinalRule(std::string_view zoneName) {
    std::ifstream file("/usr/share/zoneinfo/" + std::string(zoneName),
                       std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    constexpr std::streamoff kTailBytes = 256;
    const std::streamoff size = file.tellg();
    const std::streamoff tailSize = std::min(size, kTailBytes);
    std::string tail(static_cast<std::size_t>(tailSize), '\0');
    file.seekg(size - tailSize);
    if (!file.read(tail.data(), tailSize)) return std::nullopt;
    if (tail.size() < 2 || tail.back() != '\n') return std::nullopt;
    const std::size_t start = tail.rfind('\n', tail.size() - 2);
    if (start == std::string::npos) return std::nullopt;
    return ParsePosixZoneRule(std::string_view(tail).substr(start + 1, tail.size() - start - 2));
}

LocalAnswer AnswerFromRule(const PosixZoneRule& rule, std::int64_t localSeconds) {
    const int standard = rule.standardOffsetSeconds;
    const int summer = rule.hasDaylight ? rule.daylightOffsetSeconds : standard;
    const bool asStandard = !DaylightInForce(rule, localSeconds - standard);
    const bool asDaylight = rule.hasDaylight && DaylightInForce(rule, localSeconds - summer);
    if (asStandard != asDaylight)
        return {LocalTimeKind::Normal, PeriodOf(rule, asDaylight), PeriodOf(rule, asDaylight)};
    // Both readings (or neither) stand: the earlier instant, or the clock before
    // the gap, is the one read with the larger offset.
    const bool daylightIsLarger = summer > standard;
    const bool earlierIsDaylight =
        asDaylight ? daylightIsLarger
                   : DaylightInForce(rule, localSeconds - std::max(standard, summer));
    const LocalTimeKind kind = asDaylight ? LocalTimeKind::Repeated : LocalTimeKind::Skipped;
    return {kind, PeriodOf(rule, earlierIsDaylight), PeriodOf(rule, !earlierIsDaylight)};
}

// Compiled zone files list their changes up to 2037 and state a rule for the
// rest; the date library reads only the list.
constexpr int kLastListedYear = 2037;

LocalAnswer AnswerAt(const date::time_zone& zone, date::local_seconds local) {
    const date::local_info info = zone.get_info(local);
    if (info.result == date::local_info::unique && !HasNext(info.first) &&
        date::year_month_day{date::floor<date::days>(info.first.begin)}.year() >=
            date::year{kLastListedYear}) {
        if (const auto rule = FinalRule(zone.name())) {
            return AnswerFromRule(*rule, local.time_since_epoch().count());
        }
    }
    switch (info.result) {
        case date::local_info::nonexistent:
            return {LocalTimeKind::Skipped, PeriodOf(zone, info.first),
                    PeriodOf(zone, info.second)};
        case date::local_info::ambiguous:
            return {LocalTimeKind::Repeated, PeriodOf(zone, info.first),
                    PeriodOf(zone, info.second)};
        default: {
            ClockPeriod period = PeriodOf(zone, info.first);
            return {LocalTimeKind::Normal, period, period};
        }
    }
}

}  // namespace

bool ClockDatabaseAvailable() {
    try {
        return date::locate_zone("Etc/UTC") != nullptr;
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<PlaceClock> ClockAt(std::string_view ianaZone, int year, int month, int day, int hour,
                                  int minute) {
    if (!IsCalendarDate(year, month, day) || hour < 0 || hour > 24 || minute < 0 || minute > 59) {
        return std::nullopt;
    }
    try {
        const date::time_zone* zone = date::locate_zone(ianaZone);
        const date::local_days date{date::year{year} / static_cast<unsigned>(month) / 1};
        const date::local_seconds local =
            date + date::days{day - 1} + std::chrono::hours{hour} + std::chrono::minutes{minute};
        const LocalAnswer answer = AnswerAt(*zone, local);
        PlaceClock clock;
        clock.utcOffsetSeconds = answer.first.offsetSeconds;
        clock.standardOffsetSeconds = answer.first.standardOffsetSeconds;
        clock.daylightSaving = answer.first.daylightSaving;
        clock.abbreviation = answer.first.abbreviation;
        clock.kind = answer.kind;
        clock.standardAbbreviation = answer.first.standardAbbreviation;
        clock.otherUtcOffsetSeconds = answer.second.offsetSeconds;
        clock.otherAbbreviation = answer.second.abbreviation;
        return clock;
    } catch (const std::exception&) {
        // Unknown zone, or a database that is missing or cannot be read.
        return std::nullopt;
    }
}

}  // namespace orbalis
