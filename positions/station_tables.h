#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "positions/retrogrades.h"

namespace orbalis {

// One retrograde period as stored: each entry is "month,day,year,hour,minute,"
// in universal time, no leading zeros, a comma after every field.
struct StationRow {
    std::string_view stationRetrograde;  // the planet turns retrograde
    std::string_view stationDirect;      // it turns direct again
};

// The dates of one period as day numbers (see CivilDayNumber); the lookup
// compares dates only.
struct StationDays {
    int retrogradeDay;
    int directDay;

    friend bool operator==(const StationDays&, const StationDays&) = default;
};

struct StationMoment {
    int month, day, year, hour, minute;

    friend bool operator==(const StationMoment&, const StationMoment&) = default;
};

// Every period of the planet whose turn-retrograde moment falls in 1900 to
// 2050, in time order; the last may end in 2051.
std::span<const StationRow> StationTable(RetrogradePlanet planet);

// The same periods as day numbers, parsed when the program is compiled.
std::span<const StationDays> StationDayTable(RetrogradePlanet planet);

// Days from 1 January 1970 in the Gregorian calendar. A day past the end of
// its month continues into the next month, as a calendar count would.
constexpr int CivilDayNumber(int year, int month, int day) {
    // Count from March so that the leap day falls at the end of the year.
    const int marchYear = month <= 2 ? year - 1 : year;
    const int era = (marchYear >= 0 ? marchYear : marchYear - 399) / 400;
    const int yearOfEra = marchYear - era * 400;
    const int monthFromMarch = month > 2 ? month - 3 : month + 9;
    const int dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Reads one entry; nothing when the text is not five plain decimal fields, each
// followed by a comma, within the ranges of a month, day, hour and minute.
constexpr std::optional<StationMoment> ParseStationEntry(std::string_view entry) {
    constexpr int kFieldCount = 5;
    constexpr std::array<int, kFieldCount> kLowest{1, 1, 1, 0, 0};
    constexpr std::array<int, kFieldCount> kHighest{12, 31, 9999, 23, 59};
    std::array<int, kFieldCount> fields{};
    std::size_t at = 0;
    for (int f = 0; f < kFieldCount; ++f) {
        const std::size_t comma = entry.find(',', at);
        if (comma == std::string_view::npos) return std::nullopt;
        const std::string_view digits = entry.substr(at, comma - at);
        if (digits.empty() || digits.size() > 4) return std::nullopt;
        if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
        int value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value < kLowest[f] || value > kHighest[f]) return std::nullopt;
        fields[f] = value;
        at = comma + 1;
    }
    if (at != entry.size()) return std::nullopt;
    return StationMoment{fields[0], fields[1], fields[2], fields[3], fields[4]};
}

// Minutes from 1 January 1970 0:00; orders entries in time.
constexpr long long StationMinuteCount(const StationMoment& m) {
    return static_cast<long long>(CivilDayNumber(m.year, m.month, m.day)) * 1440 + m.hour * 60 +
           m.minute;
}

// The day numbers of a table's rows. Used in constant expressions: a malformed
// entry leaves the optional empty, and value() then stops the compilation.
template <std::size_t N>
constexpr std::array<StationDays, N> StationDayNumbers(const std::array<StationRow, N>& rows) {
    std::array<StationDays, N> days{};
    for (std::size_t i = 0; i < N; ++i) {
        const StationMoment begins = ParseStationEntry(rows[i].stationRetrograde).value();
        const StationMoment ends = ParseStationEntry(rows[i].stationDirect).value();
        days[i] = {CivilDayNumber(begins.year, begins.month, begins.day),
                   CivilDayNumber(ends.year, ends.month, ends.day)};
    }
    return days;
}

// True when every entry is well formed, every period ends after it begins and
// before the next one begins.
constexpr bool AreInTimeOrder(std::span<const StationRow> rows) {
    long long previousEnd = std::numeric_limits<long long>::min();
    for (const StationRow& row : rows) {
        const auto begins = ParseStationEntry(row.stationRetrograde);
        const auto ends = ParseStationEntry(row.stationDirect);
        if (!begins || !ends) return false;
        const long long beginMinute = StationMinuteCount(*begins);
        const long long endMinute = StationMinuteCount(*ends);
        if (beginMinute <= previousEnd || endMinute <= beginMinute) return false;
        previousEnd = endMinute;
    }
    return true;
}

}  // namespace orbalis
