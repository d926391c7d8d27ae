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

std::string TextExportUtf8(const BirthDetails& birth, const ChartReading& reading,
                           const Catalogue& words) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += kLineEnd;
    };
    const auto labelled = [&line](std::string_view label, std::string_view value) {
        line(std::string(label) + " " + std::string(value));
    };

    labelled(Tr(words, "Name:"), birth.name);
    line(Fill(Tr(words, "Date of Birth: {month} {day}, {year}"),
              {{"month", Tr(words, FullMonthName(birth.month))},
               {"day", DecimalText(birth.day)},
               {"year", DecimalText(birth.year)}}));
    line(Fill(Tr(words, "Time of Birth: {hour} Hour {minute} Minute"),
              {{"hour", DecimalText(birth.hour)}, {"minute", DecimalText(birth.minute)}}));
    line(Fill(Tr(words, "Latitude: {degrees} Degree {minutes} Minute "),
              {{"degrees", DecimalText(birth.latitudeDegrees)},
               {"minutes", DecimalText(birth.latitudeMinutes)}}));
    line(Fill(Tr(words, "Longitude: {degrees} Degree {minutes} Minute "),
              {{"degrees", DecimalText(birth.longitudeDegrees)},
               {"minutes", DecimalText(birth.longitudeMinutes)}}));
    labelled(Tr(words, "City:"), birth.city);
    labelled(Tr(words, "State:"), birth.state);
    labelled(Tr(words, "Country:"), birth.country);
    line(kSeparatorLine);

    line(Tr(words, "Planetary Position"));
    // The chart's bodies only: the ascendant is written as its sign below.
    for (int body = kSun; body < kChartBodyCount; ++body) {
        line(std::string(Tr(words, reading.planetName[body])) + " " +
             reading.planetPositionText[body]);
    }
    line(kSeparatorLine);

    line(Tr(words, "Other Planetary Details"));
    labelled(Tr(words, "Ayanamsa:"), reading.ayanamsaDisplay);
    labelled(Tr(words, "Lagna / Asc:"), Tr(words, reading.lagnaRashiName));
    labelled(Tr(words, "Nakshatra:"), Tr(words, reading.nakshatra));
    labelled(Tr(words, "Rashi / Moon Sign:"), Tr(words, reading.rashi));
    labelled(Tr(words, "Pada:"), reading.pada);
    labelled(Tr(words, "Lord:"), Tr(words, reading.lord));
    line(kSeparatorLine);

    line(Tr(words, "House Lord Interpretation"));
    for (const std::string& houseLine : HouseLordLines(reading, words)) line(houseLine);
    return text;
}

std::string TextExport(const BirthDetails& birth, const ChartReading& reading) {
    return Utf8ToCodePage(TextExportUtf8(birth, reading, English()));
}

}  // namespace orbalis
