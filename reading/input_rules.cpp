#include "reading/input_rules.h"

#include <algorithm>
#include <charconv>

#include "model/days_in_month.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"

namespace orbalis {
namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kDelete = 127;

int NumberOf(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

InputProblem Missing(std::string_view message, FormField focus) {
    return {std::string(message), MessageIcon::Error, focus};
}

}  // namespace

BirthDetails BirthDetailsFromForm(const FormEntries& e) {
    BirthDetails birth;
    birth.name = e.name;
    birth.month = static_cast<std::int16_t>(e.monthIndex + 1);
    birth.day = static_cast<std::int16_t>(e.day);
    birth.year = static_cast<std::int16_t>(e.year);
    birth.hour = static_cast<std::int16_t>(e.hour);
    birth.minute = static_cast<std::int16_t>(e.minute);
    ApplyZoneRow(birth, e.zoneIndex);
    birth.longitudeDegrees = static_cast<std::int16_t>(NumberOf(e.longitudeDegrees));
    birth.longitudeMinutes = static_cast<std::int16_t>(NumberOf(e.longitudeMinutes));
    birth.latitudeDegrees = static_cast<std::int16_t>(NumberOf(e.latitudeDegrees));
    birth.latitudeMinutes = static_cast<std::int16_t>(NumberOf(e.latitudeMinutes));
    birth.isEast = e.east;
    birth.isSouth = e.south;
    birth.daylightSaving = e.daylightSaving;
    birth.city = std::string(TrimBlanks(e.city));
    birth.state = std::string(TrimBlanks(e.state));
    birth.country = std::string(TrimBlanks(e.country));
    return birth;
}

bool IsLetterKey(char32_t code) {
    return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') || code == U' ' ||
           code == kBackspace || code == kDelete;
}

bool IsDigitKey(char32_t code) {
    return (code >= U'0' && code <= U'9') || code == kBackspace || code == kDelete;
}

bool IsLetterText(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), [](char32_t c) {
        return IsLetterKey(c) && c != kBackspace && c != kDelete;
    });
}

bool IsLetterText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return IsLetterKey(static_cast<unsigned char>(c)) && c != kBackspace && c != kDelete;
    });
}

bool IsDigitText(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

std::optional<InputProblem> DateProblem(int year, int monthIndex, int day) {
    const int daysInMonth = DaysInMonth(year, monthIndex + 1);
    if (daysInMonth == 0 || day <= daysInMonth) return std::nullopt;
    // February's message has no blank before its mark, the other months' have.
    constexpr int kFebruary = 1;
    return InputProblem{monthIndex == kFebruary ? "Please Enter Correct Date Or Month!"
                                                : "Please Enter Correct Date Or Month !",
                        MessageIcon::Information, FormField::None};
}

std::optional<InputProblem> FirstInputProblem(const FormEntries& e) {
    // A text of blanks counts as empty: it would be saved trimmed to nothing.
    const auto blank = [](const std::string& text) { return TrimBlanks(text).empty(); };
    if (blank(e.name)) return Missing("Please Enter Your Name", FormField::Name);
    if (e.latitudeDegrees.empty())
        return Missing("Please Enter Degree of Latitude", FormField::LatitudeDegrees);
    if (e.latitudeMinutes.empty())
        return Missing("Please Enter Minutes of Latitude", FormField::LatitudeMinutes);
    if (e.longitudeDegrees.empty())
        return Missing("Please Enter Degree of Longitude", FormField::LongitudeDegrees);
    if (e.longitudeMinutes.empty())
        return Missing("Please Enter Minute of Longitude", FormField::LongitudeMinutes);
    if (blank(e.city)) return Missing("Please Enter Your City name", FormField::City);
    if (blank(e.state)) return Missing("Please Enter Your State name", FormField::State);
    if (blank(e.country)) return Missing("Please Enter Your Country name", FormField::Country);

    // A place that cannot exist would give a chart for nowhere.
    const int latDeg = NumberOf(e.latitudeDegrees);
    const int latMin = NumberOf(e.latitudeMinutes);
    const int lonDeg = NumberOf(e.longitudeDegrees);
    const int lonMin = NumberOf(e.longitudeMinutes);
    if (latDeg > 90 || (latDeg == 90 && latMin > 0))
        return Missing("Please Enter Correct Degree of Latitude", FormField::LatitudeDegrees);
    if (latMin > 59)
        return Missing("Please Enter Correct Minutes of Latitude", FormField::LatitudeMinutes);
    if (lonDeg > 180 || (lonDeg == 180 && lonMin > 0))
        return Missing("Please Enter Correct Degree of Longitude", FormField::LongitudeDegrees);
    if (lonMin > 59)
        return Missing("Please Enter Correct Minute of Longitude", FormField::LongitudeMinutes);

    if (!e.north && !e.south)
        return Missing("Please Select Direction For The Latitude", FormField::LatitudeDirection);
    if (!e.east && !e.west)
        return Missing("Please Select Direction For The Longitude", FormField::LongitudeDirection);

    if (auto problem = DateProblem(e.year, e.monthIndex, e.day)) return problem;

    if (!e.imageWriterAvailable)
        return Missing("Required File Is Missing. Please Reinstall The Software.", FormField::None);
    return std::nullopt;
}

}  // namespace orbalis
