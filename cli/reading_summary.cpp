#include "cli/reading_summary.h"

#include <cstdio>

#include "cli/place_birth.h"
#include "dosha/classical_block.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "model/month_names.h"
#include "model/moon_pada.h"
#include "model/reference_tables.h"
#include "model/utc_offset.h"
#include "reading/far_zone.h"

namespace orbalis::cli {
namespace {

std::string SignWithName(std::string_view sanskrit, std::string_view positionText) {
    const auto sign = SignOfPositionText(positionText);
    if (!sign) return std::string(sanskrit);
    return std::string(sanskrit) + " (" + std::string(SignNames[static_cast<std::size_t>(*sign)]) +
           ")";
}

}  // namespace

std::string BirthLine(const BirthDetails& birth) {
    char when[96];
    std::snprintf(when, sizeof when, "%d %s %d, %02d:%02d", birth.day,
                  std::string(FullMonthName(birth.month)).c_str(), birth.year, birth.hour,
                  birth.minute);
    char where[96];
    std::snprintf(where, sizeof where, "%d\u00b0 %d\u2032 %c, %d\u00b0 %d\u2032 %c",
                  birth.latitudeDegrees, birth.latitudeMinutes, birth.isSouth ? 'S' : 'N',
                  birth.longitudeDegrees, birth.longitudeMinutes, birth.isEast ? 'E' : 'W');
    std::string line = std::string("Born:      ") + when + " (" +
                       UtcOffsetForPeople(60 * BirthUtcOffsetMinutes(birth)) + ")";
    line += ", " + birth.city + ", " + birth.state + ", " + birth.country + ", " + where;
    return line;
}

namespace {

// "Manglik, 0.125% (Mars in the 11th house)" from the core's count.
std::string VerdictLine(const std::optional<KujaDoshaCount>& count) {
    if (!count) return {};
    std::string text(ManglikVerdict(count->manglik));
    text += ", " + std::string(count->percentage);
    const int number = count->marsHouse;
    if (number >= 1 && number <= 12) text += " (Mars in the " + OrdinalHouse(number) + " house)";
    return text;
}

}  // namespace

std::string ReadingSummary(const FullReading& reading) {
    const ChartReading& chart = reading.chart;
    std::string text;
    auto line = [&text](std::string_view content) {
        text += content;
        text += '\n';
    };
    line("Name:      " + reading.birth.name);
    line(BirthLine(reading.birth));
    // Beside the zone it questions, before the answers it would change.
    if (const std::string farZone = FarZoneWarning(reading.birth); !farZone.empty()) line(farZone);
    line("Lagna:     " + SignWithName(chart.lagnaRashiName, chart.planetPositionText[kAscendant]));
    line("Moon sign: " + SignWithName(chart.rashi, chart.planetPositionText[kMoon]));
    line("Nakshatra: " + chart.nakshatra + ", the Moon in pada " +
         std::to_string(MoonPada(chart.siderealDegrees[kMoon])));
    if (const auto manglik = AssessManglik(chart)) {
        line(ManglikStatusLine(*manglik));
        for (const std::string& note : ManglikNotes(*manglik)) line("  " + note);
    }
    line("From the Lagna: " + VerdictLine(reading.display.fromLagnaCount));
    line("From the Moon:  " + VerdictLine(reading.display.fromMoonCount));
    if (const auto analysis = AnalyseClassicalKujaDosha(chart)) {
        const ClassicalBlock block = ClassicalBlockOf(*analysis);
        line(kClassicalBlockTitle);
        for (const ClassicalBlockLine& row : block.lines) {
            std::string label = "  " + std::string(row.reference) + ":";
            label.resize(9, ' ');
            line(label + row.text);
        }
        line(block.closing);
    }
    for (const std::string& warning : FirmnessWarnings(reading.display.firmness)) line(warning);
    return text;
}

}  // namespace orbalis::cli
