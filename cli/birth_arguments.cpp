#include "cli/birth_arguments.h"

#include <algorithm>
#include <cctype>

#include "model/reference_tables.h"
#include "model/text_utils.h"
#include "reading/input_rules.h"

namespace orbalis::cli {
namespace {

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of 1 to `maxDigits` decimal digits, or -1.
int SmallNumber(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits || !AllDigits(text)) return -1;
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

// The degree and minute boxes hold up to three digits each and may be left
// empty (the form then asks for them).
bool IsBoxText(std::string_view text) {
    return text.size() <= 3 && AllDigits(text);
}

// "28N39" with `positive` N and `negative` S: degrees, direction, minutes.
std::optional<std::string> ParseAngle(std::string_view text, char positive, char negative,
                                      std::string_view formatMessage, std::string& degrees,
                                      std::string& minutes, bool& isPositive) {
    text = TrimBlanks(text);
    if (text.empty()) {
        degrees.clear();
        minutes.clear();
        return std::nullopt;
    }
    const auto notDigit =
        std::find_if(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; });
    if (notDigit == text.end()) return std::string(formatMessage);
    const auto at = static_cast<std::size_t>(notDigit - text.begin());
    const char direction = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
    if (direction != positive && direction != negative) return std::string(formatMessage);
    const std::string_view degreeText = text.substr(0, at);
    const std::string_view minuteText = text.substr(at + 1);
    if (!IsBoxText(degreeText) || !IsBoxText(minuteText)) return std::string(formatMessage);
    degrees.assign(degreeText);
    minutes.assign(minuteText);
    isPositive = direction == positive;
    return std::nullopt;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The column of the text behind a control of the form; the form's rules
// that name no control concern the date.
std::string_view ColumnOfField(FormField field) {
    switch (field) {
        case FormField::Name:
            return "name";
        case FormField::LatitudeDegrees:
        case FormField::LatitudeMinutes:
        case FormField::LatitudeDirection:
            return "lat";
        case FormField::LongitudeDegrees:
        case FormField::LongitudeMinutes:
        case FormField::LongitudeDirection:
            return "lon";
        case FormField::City:
            return "city";
        case FormField::State:
            return "state";
        case FormField::Country:
            return "country";
        case FormField::None:
            break;
    }
    return "date";
}

}  // namespace

std::optional<std::string> ParseDate(std::string_view text, FormEntries& entries) {
    text = TrimBlanks(text);
    if (text.empty()) return std::string(kMissingDateMessage);
    const auto firstDash = text.find('-');
    const auto secondDash = text.find('-', firstDash == std::string_view::npos ? 0 : firstDash + 1);
    if (firstDash != 4 || secondDash == std::string_view::npos)
        return std::string(kDateFormatMessage);
    const int year = SmallNumber(text.substr(0, 4), 4);
    const int month = SmallNumber(text.substr(5, secondDash - 5), 2);
    const int day = SmallNumber(text.substr(secondDash + 1), 2);
    if (year < 0 || month < 0 || day < 0) return std::string(kDateFormatMessage);
    if (year < kFirstBirthYear || year > kLastBirthYear) return std::string(kYearRangeMessage);
    if (month < 1 || month > 12) return std::string(kMonthRangeMessage);
    if (day < 1 || day > 31) return std::string(kDayRangeMessage);
    // The form's own message, before any clock is looked up for the day.
    if (auto problem = DateProblem(year, month - 1, day)) return std::move(problem->message);
    entries.year = year;
    entries.monthIndex = month - 1;
    entries.day = day;
    return std::nullopt;
}

std::optional<std::string> ParseTime(std::string_view text, FormEntries& entries) {
    text = TrimBlanks(text);
    if (text.empty()) return std::string(kMissingTimeMessage);
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::string(kTimeFormatMessage);
    const int hour = SmallNumber(text.substr(0, colon), 2);
    const std::string_view minuteText = text.substr(colon + 1);
    const int minute = minuteText.size() == 2 ? SmallNumber(minuteText, 2) : -1;
    // The hour list runs to 24, which the engines read as 0 of the next day.
    if (hour < 0 || hour > 24 || minute < 0 || minute > 59) return std::string(kTimeFormatMessage);
    entries.hour = hour;
    entries.minute = minute;
    return std::nullopt;
}

std::optional<std::string> ParseZone(std::string_view text, FormEntries& entries) {
    text = TrimBlanks(text);
    if (text.empty()) return std::string(kMissingZoneMessage);
    const int row = SmallNumber(text, 2);
    if (row < 0 || row >= kTimeZoneCount) return std::string(kZoneMessage);
    entries.zoneIndex = row;
    return std::nullopt;
}

std::optional<std::string> ParseLatitude(std::string_view text, FormEntries& entries) {
    bool north = true;
    auto problem = ParseAngle(text, 'N', 'S', kLatitudeFormatMessage, entries.latitudeDegrees,
                              entries.latitudeMinutes, north);
    if (!problem) {
        entries.north = north;
        entries.south = !north;
    }
    return problem;
}

std::optional<std::string> ParseLongitude(std::string_view text, FormEntries& entries) {
    bool east = true;
    auto problem = ParseAngle(text, 'E', 'W', kLongitudeFormatMessage, entries.longitudeDegrees,
                              entries.longitudeMinutes, east);
    if (!problem) {
        entries.east = east;
        entries.west = !east;
    }
    return problem;
}

std::optional<std::string> ParseDaylightSaving(std::string_view text, bool& daylightSaving) {
    text = TrimBlanks(text);
    for (std::string_view yes : {"1", "true", "yes"}) {
        if (EqualsIgnoringCase(text, yes)) {
            daylightSaving = true;
            return std::nullopt;
        }
    }
    for (std::string_view no : {"", "0", "false", "no"}) {
        if (EqualsIgnoringCase(text, no)) {
            daylightSaving = false;
            return std::nullopt;
        }
    }
    return std::string(kDaylightSavingMessage);
}

BirthEntries EntriesFromTexts(const BirthTexts& t) {
    BirthEntries result;
    FormEntries& e = result.entries;
    // No picture is written here, so the image writer is never missing.
    e.imageWriterAvailable = true;
    auto& problem = result.problem;

    auto refuse = [&](std::string_view column, std::optional<std::string> found) {
        if (problem || !found) return;
        problem = std::move(found);
        result.column = column;
    };
    auto letters = [&](std::string_view column, std::string_view text, std::string& box) {
        if (problem) return;
        if (!IsLetterText(text)) return refuse(column, std::string(kOnlyLettersMessage));
        box.assign(text);
    };

    letters("name", t.name, e.name);
    if (!problem) refuse("date", ParseDate(t.date, e));
    if (!problem) refuse("time", ParseTime(t.time, e));
    if (!problem) refuse("zone", ParseZone(t.zone, e));
    if (!problem) refuse("lat", ParseLatitude(t.latitude, e));
    if (!problem) refuse("lon", ParseLongitude(t.longitude, e));
    letters("city", t.city, e.city);
    letters("state", t.state, e.state);
    letters("country", t.country, e.country);
    if (!problem) refuse("dst", ParseDaylightSaving(t.daylightSaving, e.daylightSaving));
    if (!problem) {
        if (auto rule = FirstInputProblem(e))
            refuse(ColumnOfField(rule->focus), std::move(rule->message));
    }
    return result;
}

}  // namespace orbalis::cli
