#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "reading/reading.h"

namespace orbalis::cli {

// The planets with retrograde periods, Mercury to Saturn, in body order.
inline constexpr std::array<Body, 5> kRetrogradeBodies = {kMercury, kVenus, kMars, kJupiter,
                                                          kSaturn};

// Everything one reading yields: its input, the computed record, what the
// results window shows besides it, and the retrograde flags.
struct FullReading {
    PositionsMode positions = PositionsMode::Classic;
    BirthDetails birth;
    ChartReading chart;
    ReadingDisplay display;
    std::array<bool, 5> retrograde{};  // in the order of kRetrogradeBodies
};

// A whole reading for birth details that passed the form's rules, computed
// afresh (nothing carries over from an earlier reading).
void ComputeFullReading(const BirthDetails& birth, FullReading& reading);
// The same with the positions of `mode`; false when they cannot be computed,
// with `refusal` saying why.
bool ComputeFullReading(const BirthDetails& birth, PositionsMode mode, FullReading& reading,
                        std::string& refusal);

// What a batch row shows of a reading: the computed record, the retrograde
// flags and the two Kuja dosha counts, without the chart boxes and the lines
// the results window shows.
struct BatchReading {
    BirthDetails birth;  // what the row's reading was computed for
    ChartReading chart;
    std::array<bool, 5> retrograde{};  // in the order of kRetrogradeBodies
    std::optional<KujaDoshaCount> fromLagna;
    std::optional<KujaDoshaCount> fromMoon;
};

// The same values as ComputeFullReading for the parts a batch row shows.
// `reading` is reused row after row: the fields a step may leave unwritten
// are cleared first, so nothing of an earlier row carries over.
void ComputeBatchReading(const BirthDetails& birth, BatchReading& reading);
// The same with the positions of `mode`; false when they cannot be computed,
// with `refusal` saying why.
bool ComputeBatchReading(const BirthDetails& birth, PositionsMode mode, BatchReading& reading,
                         std::string& refusal);

}  // namespace orbalis::cli
