#include "clock/zone_row_choice.h"

#include <string_view>

#include "model/reference_tables.h"

namespace orbalis {
namespace {

constexpr int kHourSeconds = 3600;

int RowOffsetSeconds(const TimeZoneRow& row) {
    return -(row.hours * 3600 + row.minutes * 60);
}

// The second comma-separated part of a row's text, without blanks: "IST".
std::string_view RowAbbreviation(const TimeZoneRow& row) {
    std::string_view text = row.text;
    const std::size_t first = text.find(',');
    if (first == std::string_view::npos) return {};
    text.remove_prefix(first + 1);
    text = text.substr(0, text.find(','));
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Rows named for a summer, daylight or war clock.
bool IsSummerRow(const TimeZoneRow& row) {
    const std::string_view name = row.text.substr(0, row.text.find(','));
    for (const std::string_view word : {"Daylight", "Summer", "War"}) {
        if (name.find(word) != std::string_view::npos) return true;
    }
    return false;
}

enum class Prefer { AnyRow, StandardRow };

// A row with the offset: the one with the abbreviation, else the first
// (standard-time row, when asked for), else the first of all.
std::optional<int> RowWithOffset(int offsetSeconds, std::string_view abbreviation, Prefer prefer) {
    std::optional<int> first;
    std::optional<int> firstPreferred;
    for (int index = 0; index < kTimeZoneCount; ++index) {
        const TimeZoneRow& row = TimeZoneTable[static_cast<std::size_t>(index)];
        if (RowOffsetSeconds(row) != offsetSeconds) continue;
        if (!abbreviation.empty() && RowAbbreviation(row) == abbreviation) return index;
        if (!first) first = index;
        if (!firstPreferred && (prefer == Prefer::AnyRow || !IsSummerRow(row)))
            firstPreferred = index;
    }
    return firstPreferred ? firstPreferred : first;
}

}  // namespace

ZoneRowChoice ChooseZoneRow(const PlaceClock& clock) {
    const int ahead = clock.utcOffsetSeconds - clock.standardOffsetSeconds;
    if (ahead == 0 || ahead == kHourSeconds) {
        if (const auto row = RowWithOffset(clock.standardOffsetSeconds, clock.standardAbbreviation,
                                           Prefer::StandardRow)) {
            return {row, ahead == kHourSeconds};
        }
    } else if (ahead == 2 * kHourSeconds) {
        if (const auto row = RowWithOffset(clock.standardOffsetSeconds + kHourSeconds,
                                           clock.abbreviation, Prefer::AnyRow)) {
            return {row, true};
        }
    }
    return {RowWithOffset(clock.utcOffsetSeconds, clock.abbreviation, Prefer::AnyRow), false};
}

}  // namespace orbalis
