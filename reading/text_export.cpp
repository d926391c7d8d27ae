#include "reading/text_export.h"

#include <array>

#include "dosha/kuja_dosha.h"
#include "model/code_page.h"
#include "model/month_names.h"
#include "model/text_utils.h"

namespace orbalis {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSeparatorLine = "\r";

}  // namespace

std::string TextExport(const BirthDetails& birth, const ChartReading& reading) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += kLineEnd;
    };

    line("Name: " + birth.name);
    line("Date of Birth: " + std::string(FullMonthName(birth.month)) + " " +
         DecimalText(birth.day) + ", " + DecimalText(birth.year));
    line("Time of Birth: " + DecimalText(birth.hour) + " Hour " + DecimalText(birth.minute) +
         " Minute");
    line("Latitude: " + DecimalText(birth.latitudeDegrees) + " Degree " +
         DecimalText(birth.latitudeMinutes) + " Minute ");
    line("Longitude: " + DecimalText(birth.longitudeDegrees) + " Degree " +
         DecimalText(birth.longitudeMinutes) + " Minute ");
    line("City: " + birth.city);
    line("State: " + birth.state);
    line("Country: " + birth.country);
    line(kSeparatorLine);

    line("Planetary Position");
    // The chart's bodies only: the ascendant is written as its sign below.
    for (int body = kSun; body < kChartBodyCount; ++body) {
        line(reading.planetName[body] + " " + reading.planetPositionText[body]);
    }
    line(kSeparatorLine);

    line("Other Planetary Details");
    line("Ayanamsa: " + reading.ayanamsaDisplay);
    line("Lagna / Asc: " + reading.lagnaRashiName);
    line("Nakshatra: " + reading.nakshatra);
    line("Rashi / Moon Sign: " + reading.rashi);
    line("Pada: " + reading.pada);
    line("Lord: " + reading.lord);
    line(kSeparatorLine);

    line("House Lord Interpretation");
    for (const std::string& houseLine : HouseLordLines(reading)) line(houseLine);

    return Utf8ToCodePage(text);
}

}  // namespace orbalis
