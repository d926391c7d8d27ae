#include "cli/reading_summary.h"

#include <algorithm>
#include <cstdio>

#include "cli/place_birth.h"
#include "dosha/classical_block.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "matching/poruthams.h"
#include "model/month_names.h"
#include "model/moon_pada.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"
#include "model/utc_offset.h"
#include "reading/far_zone.h"

namespace orbalis::cli {
namespace {

// "Simha (Leo)"; a language that calls both by one name gives it once.
std::string SignWithName(std::string_view sanskrit, std::string_view positionText,
                         const Catalogue& words) {
    const std::string_view name = Tr(words, sanskrit);
    const auto sign = SignOfPositionText(positionText);
    if (!sign) return std::string(name);
    const std::string_view other = Tr(words, SignNames[static_cast<std::size_t>(*sign)]);
    if (other == name) return std::string(name);
    return std::string(name) + " (" + std::string(other) + ")";
}

}  // namespace

std::string BirthLine(const BirthDetails& birth, const Catalogue& words) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", birth.hour, birth.minute);
    char where[96];
    std::snprintf(where, sizeof where, "%d\u00b0 %d\u2032 %c, %d\u00b0 %d\u2032 %c",
                  birth.latitudeDegrees, birth.latitudeMinutes, birth.isSouth ? 'S' : 'N',
                  birth.longitudeDegrees, birth.longitudeMinutes, birth.isEast ? 'E' : 'W');
    return Fill(Tr(words, "Born:      {day} {month} {year}, {time} ({offset}), {place}, {where}"),
                {{"day", std::to_string(birth.day)},
                 {"month", Tr(words, FullMonthName(birth.month))},
                 {"year", std::to_string(birth.year)},
                 {"time", time},
                 {"offset", UtcOffsetForPeople(60 * BirthUtcOffsetMinutes(birth))},
                 {"place", birth.city + ", " + birth.state + ", " + birth.country},
                 {"where", where}});
}

namespace {

// "Manglik, 0.125% (Mars in the 11th house)" from the core's count.
std::string VerdictLine(const std::optional<KujaDoshaCount>& count, const Catalogue& words) {
    if (!count) return {};
    const int number = count->marsHouse;
    const bool house = number >= 1 && number <= 12;
    return Fill(house ? Tr(words, "{verdict}, {percentage} (Mars in the {house} house)")
                      : Tr(words, "{verdict}, {percentage}"),
                {{"verdict", Tr(words, ManglikVerdict(count->manglik))},
                 {"percentage", count->percentage},
                 {"house", house ? matching::Ordinal(number, words) : std::string()}});
}

}  // namespace

std::string ReadingSummary(const FullReading& reading, const Catalogue& words) {
    const ChartReading& chart = reading.chart;
    std::string text;
    auto line = [&text](std::string_view content) {
        text += content;
        text += '\n';
    };
    line(Fill(Tr(words, "Name:      {name}"), {{"name", reading.birth.name}}));
    line(BirthLine(reading.birth, words));
    // Beside the zone it questions, before the answers it would change.
    if (const std::string farZone = FarZoneWarning(reading.birth); !farZone.empty()) line(farZone);
    line(Fill(Tr(words, "Lagna:     {sign}"),
              {{"sign",
                SignWithName(chart.lagnaRashiName, chart.planetPositionText[kAscendant], words)}}));
    line(Fill(Tr(words, "Moon sign: {sign}"),
              {{"sign", SignWithName(chart.rashi, chart.planetPositionText[kMoon], words)}}));
    line(Fill(Tr(words, "Nakshatra: {nakshatra}, the Moon in pada {pada}"),
              {{"nakshatra", Tr(words, chart.nakshatra)},
               {"pada", std::to_string(MoonPada(chart.siderealDegrees[kMoon]))}}));
    if (const auto manglik = AssessManglik(chart)) {
        line(ManglikStatusLine(*manglik, words));
        for (const std::string& note : ManglikNotes(*manglik, words)) line("  " + note);
    }
    line(Fill(Tr(words, "From the Lagna: {verdict}"),
              {{"verdict", VerdictLine(reading.display.fromLagnaCount, words)}}));
    line(Fill(Tr(words, "From the Moon:  {verdict}"),
              {{"verdict", VerdictLine(reading.display.fromMoonCount, words)}}));
    if (const auto analysis = AnalyseClassicalKujaDosha(chart)) {
        const ClassicalBlock block = ClassicalBlockOf(*analysis, words);
        line(Tr(words, kClassicalBlockTitle));
        for (const ClassicalBlockLine& row : block.lines) {
            std::string label = "  " + std::string(Tr(words, row.reference)) + ":";
            // Nine columns wide; a longer translated label keeps one blank.
            label = PaddedToColumns(label, std::max<std::size_t>(9, TextColumns(label) + 1));
            line(label + row.text);
        }
        line(block.closing);
    }
    for (const std::string& warning : FirmnessWarnings(reading.display.firmness, words))
        line(warning);
    return text;
}

}  // namespace orbalis::cli
