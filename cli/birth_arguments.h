#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/reference_tables.h"
#include "reading/input_rules.h"

namespace orbalis::cli {

// One birth as the command line and the batch file write it: texts in the
// forms "1985-08-15", "10:30", "34", "28N39", "77E13".
struct BirthTexts {
    std::string_view name;
    std::string_view date;
    std::string_view time;
    std::string_view zone;
    std::string_view latitude;
    std::string_view longitude;
    std::string_view daylightSaving;  // 1/0, true/false, yes/no in any case; empty is no
    std::string_view city;
    std::string_view state;
    std::string_view country;
};

// Each parser fills its part of the form entries, or returns the message
// that explains why the text cannot be taken.
std::optional<std::string> ParseDate(std::string_view text, FormEntries& entries);
std::optional<std::string> ParseTime(std::string_view text, FormEntries& entries);
std::optional<std::string> ParseZone(std::string_view text, FormEntries& entries);
std::optional<std::string> ParseLatitude(std::string_view text, FormEntries& entries);
std::optional<std::string> ParseLongitude(std::string_view text, FormEntries& entries);
std::optional<std::string> ParseDaylightSaving(std::string_view text, bool& daylightSaving);

// The form entries of one birth, or the first problem: first the texts the
// form's boxes and lists could not hold, in the form's tab order, then the
// form's own rules with their messages.
struct BirthEntries {
    FormEntries entries;
    std::optional<std::string> problem;
    std::string_view column;  // the text the problem concerns: "name", "date", ... "dst"
};
BirthEntries EntriesFromTexts(const BirthTexts& texts);

inline constexpr std::string_view kDateFormatMessage =
    "The date of birth must read YYYY-MM-DD, for example 1985-08-15";
inline const std::string kYearRangeMessage = "The year of birth must lie between " +
                                             std::to_string(kFirstBirthYear) + " and " +
                                             std::to_string(kLastBirthYear);
inline constexpr std::string_view kMonthRangeMessage = "The month must lie between 01 and 12";
inline constexpr std::string_view kDayRangeMessage = "The day must lie between 01 and 31";
inline constexpr std::string_view kTimeFormatMessage =
    "The time of birth must read HH:MM, for example 10:30 (24:00 is allowed)";
inline const std::string kZoneMessage = "The time zone must be a row number from 0 to " +
                                        std::to_string(kTimeZoneCount - 1) +
                                        " (orbalis-cli zones lists them)";
inline constexpr std::string_view kLatitudeFormatMessage =
    "The latitude must read degrees, N or S, minutes, for example 28N39";
inline constexpr std::string_view kLongitudeFormatMessage =
    "The longitude must read degrees, E or W, minutes, for example 77E13";
inline constexpr std::string_view kDaylightSavingMessage =
    "Daylight saving must be 1 or 0, true or false, yes or no";
inline constexpr std::string_view kMissingDateMessage = "Please give the date of birth";
inline constexpr std::string_view kMissingTimeMessage = "Please give the time of birth";
inline constexpr std::string_view kMissingZoneMessage = "Please give the time zone row";

}  // namespace orbalis::cli
