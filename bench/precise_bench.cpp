// A precise reading and where its time goes: the ephemeris library's
// positions alone, then the whole reading with texts, chart boxes and Kuja
// dosha; the classic reading beside it. Births vary from one iteration to
// the next (1901 to 2050, any hour), as in a batch, so the library's caches
// of the last date never help.
#include <benchmark/benchmark.h>

#include <vector>

#include "ephemeris/ephemeris_positions.h"
#include "ephemeris/precise_reading.h"
#include "model/reference_tables.h"
#include "positions/ascendant.h"
#include "reading/reading.h"

namespace {

std::vector<orbalis::BirthDetails> Births() {
    std::vector<orbalis::BirthDetails> births(4096);
    unsigned long state = 12345;
    auto next = [&state](unsigned bound) {
        state = state * 6364136223846793005UL + 1442695040888963407UL;
        return static_cast<int>((state >> 33) % bound);
    };
    for (orbalis::BirthDetails& birth : births) {
        birth.year = static_cast<std::int16_t>(1901 + next(150));
        birth.month = static_cast<std::int16_t>(1 + next(12));
        birth.day = static_cast<std::int16_t>(1 + next(28));
        birth.hour = static_cast<std::int16_t>(next(24));
        birth.minute = static_cast<std::int16_t>(next(60));
        orbalis::ApplyZoneRow(birth, next(71));
        birth.latitudeDegrees = static_cast<std::int16_t>(next(66));
        birth.longitudeDegrees = static_cast<std::int16_t>(next(180));
        birth.isEast = next(2) == 0;
        birth.isSouth = next(2) == 0;
    }
    return births;
}

void BM_EphemerisPositionsOnly(benchmark::State& state) {
    const std::vector<orbalis::BirthDetails> births = Births();
    std::size_t i = 0;
    orbalis::EphemerisPositions positions{};
    for (auto _ : state) {
        const orbalis::BirthDetails& birth = births[i++ % births.size()];
        benchmark::DoNotOptimize(orbalis::EphemerisPositionsAt(
            orbalis::BirthJulianDayUt(birth), orbalis::LatitudeNorth(birth),
            birth.longitudeDegrees * (birth.isEast ? 1.0 : -1.0), positions));
    }
}
BENCHMARK(BM_EphemerisPositionsOnly);

void Reading(benchmark::State& state, orbalis::PositionsMode mode) {
    const std::vector<orbalis::BirthDetails> births = Births();
    std::size_t i = 0;
    orbalis::ChartReading reading;
    std::string refusal;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            orbalis::ComputeReading(births[i++ % births.size()], mode, reading, refusal));
    }
}
BENCHMARK_CAPTURE(Reading, Precise, orbalis::PositionsMode::Precise);
BENCHMARK_CAPTURE(Reading, Classic, orbalis::PositionsMode::Classic);

}  // namespace
