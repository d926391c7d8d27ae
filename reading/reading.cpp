#include "reading/reading.h"

#include "ephemeris/precise_reading.h"
#include "model/reference_tables.h"
#include "moon/moon_details.h"
#include "positions/ascendant.h"
#include "positions/planet_positions.h"
#include "positions/retrogrades.h"

namespace orbalis {
namespace {

std::string_view LastThreeCharacters(std::string_view text) {
    return text.size() >= 3 ? text.substr(text.size() - 3) : text;
}

}  // namespace

std::array<std::string, 12> ChartBoxTexts(const ChartReading& reading) {
    std::array<std::string, 12> boxes;
    auto append = [&boxes](int box, std::string_view line) {
        std::string& text = boxes[static_cast<std::size_t>(box)];
        if (!text.empty()) text += "\r\n";
        text += line;
    };
    if (auto lagna = SignIndex(reading.lagnaSign)) append(*lagna, "Asc");
    for (int body = 0; body < kChartBodyCount; ++body) {
        const auto sign = SignOfPositionText(reading.planetPositionText[body]);
        if (sign) append(*sign, reading.planetSanskritName[body]);
    }
    return boxes;
}

std::array<std::string, 12> ChartBoxesIn(const std::array<std::string, 12>& boxes,
                                         const Catalogue& words) {
    if (words.isEnglish()) return boxes;
    // Marked for the catalogues; the boxes write them as ChartBoxTexts does.
    [[maybe_unused]] static constexpr std::string_view kAscendantMark = N_("Asc");
    std::array<std::string, 12> translated;
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        std::string_view rest = boxes[box];
        while (!rest.empty()) {
            const std::size_t end = rest.find("\r\n");
            std::string_view line = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
            while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
            const bool retrograde =
                line.ends_with(kRetrogradeMark.substr(0, kRetrogradeMark.size() - 1));
            if (retrograde) line.remove_suffix(kRetrogradeMark.size() - 1);
            std::string& text = translated[box];
            if (!text.empty()) text += "\r\n";
            text += Tr(words, line);
            if (retrograde) (text += ' ') += Tr(words, kRetrogradeWord);
        }
    }
    return translated;
}

bool ComputeChartReading(const BirthDetails& birth, PositionsMode mode, ChartReading& reading,
                         std::string& refusal) {
    if (mode == PositionsMode::Precise) {
        if (auto why = ComputePrecisePositions(birth, reading)) {
            refusal = std::move(*why);
            return false;
        }
    } else {
        ComputeAscendantAndAyanamsa(birth, reading);
        ComputeMoonDetails(birth, reading);
        ComputePlanetTable(birth, reading);
        MarkRetrogrades(birth, reading);
        reading.builtInEphemeris = false;
    }

    // The ayanamsa is negative for every supported date; it is shown without its sign.
    const std::string_view ayanamsa = reading.ayanamsaText;
    reading.ayanamsaDisplay.assign(ayanamsa.starts_with('-') ? ayanamsa.substr(1) : ayanamsa);

    reading.lagnaSign.assign(LastThreeCharacters(reading.lagnaPositionText));
    if (auto sign = SignIndex(reading.lagnaSign))
        reading.lagnaRashiName.assign(SanskritSignNames[static_cast<std::size_t>(*sign)]);
    LookupLordAndPada(reading.nakshatra, reading.lagnaSign, reading.lord, reading.pada);
    return true;
}

void ComputeChartReading(const BirthDetails& birth, ChartReading& reading) {
    std::string refusal;
    ComputeChartReading(birth, PositionsMode::Classic, reading, refusal);
}

std::optional<ReadingDisplay> ComputeReading(const BirthDetails& birth, PositionsMode mode,
                                             ChartReading& reading, std::string& refusal) {
    if (!ComputeChartReading(birth, mode, reading, refusal)) return std::nullopt;

    ReadingDisplay display;
    display.chartBoxes = ChartBoxTexts(reading);
    display.fromLagnaCount =
        CountKujaDosha(reading, reading.planetPositionText[kAscendant], "Mars");
    display.fromMoonCount = CountKujaDosha(reading, reading.planetPositionText[kMoon], "Moon");
    display.fromLagna = KujaDoshaLinesOf(display.fromLagnaCount, true, English());
    display.fromMoon = KujaDoshaLinesOf(display.fromMoonCount, false, English());
    display.firmness = FirmnessOf(birth, mode);
    return display;
}

ReadingDisplay ComputeReading(const BirthDetails& birth, ChartReading& reading) {
    std::string refusal;
    return *ComputeReading(birth, PositionsMode::Classic, reading, refusal);
}

}  // namespace orbalis
