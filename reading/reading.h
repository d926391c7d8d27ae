#pragma once

#include <array>
#include <optional>
#include <string>

#include "dosha/kuja_dosha.h"
#include "model/birth_details.h"
#include "model/catalogue.h"
#include "model/chart_reading.h"
#include "model/positions_mode.h"
#include "reading/firmness.h"

namespace orbalis {

// What a reading shows besides ChartReading: the twelve chart boxes (box k is
// sign k from Aries; lines joined by CR LF), the two Kuja dosha runs and how
// firm the answers are for a birth time a little earlier or later.
struct ReadingDisplay {
    std::array<std::string, 12> chartBoxes;
    KujaDoshaLines fromLagna;
    KujaDoshaLines fromMoon;
    Firmness firmness;
    // The counts the two runs' lines say in words.
    std::optional<KujaDoshaCount> fromLagnaCount;
    std::optional<KujaDoshaCount> fromMoonCount;
};

// Computes a whole reading for birth details that passed the form's rules.
// Fields a step cannot produce keep the value they had in `reading`.
ReadingDisplay ComputeReading(const BirthDetails& birth, ChartReading& reading);

// The ChartReading part of ComputeReading alone: every engine and the derived
// display fields, without the chart boxes or the Kuja dosha lines. Fields a
// step cannot produce keep the value they had in `reading`.
void ComputeChartReading(const BirthDetails& birth, ChartReading& reading);

// The same two with the positions of `mode`. Classic positions never fail;
// when the precise ones cannot be computed, `refusal` says why and
// `reading` is left exactly as it was: a reading is whole or not at all.
std::optional<ReadingDisplay> ComputeReading(const BirthDetails& birth, PositionsMode mode,
                                             ChartReading& reading, std::string& refusal);
bool ComputeChartReading(const BirthDetails& birth, PositionsMode mode, ChartReading& reading,
                         std::string& refusal);

// The chart boxes of a computed reading: "Asc" first, then the bodies Sun to
// Ketu in body order.
std::array<std::string, 12> ChartBoxTexts(const ChartReading& reading);

// Chart boxes (the birth chart's or a divisional chart's) in the language of
// `words`: each Sanskrit name, its retrograde mark and "Asc" translated,
// the lines as they were. English gives the boxes back unchanged.
std::array<std::string, 12> ChartBoxesIn(const std::array<std::string, 12>& boxes,
                                         const Catalogue& words);

}  // namespace orbalis
