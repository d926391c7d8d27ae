// How firm a reading is: the search for every answer up to three hours
// either side of the given minute, with classic and with precise positions,
// and the lighter search a batch row makes. Births vary from one iteration to
// the next, across the years the form offers, in India, at 55 to 66 degrees
// north and south, where signs rise fastest, and beyond the polar circles,
// where the ascendant is read every minute.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/reference_tables.h"
#include "reading/firmness.h"

namespace {

enum class Places { India, HighLatitudes, Polar };

std::vector<orbalis::BirthDetails> Births(Places places) {
    std::vector<orbalis::BirthDetails> births(512);
    unsigned long state = 20;
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
        if (places == Places::India) {
            orbalis::ApplyZoneRow(birth, 34);
            birth.latitudeDegrees = static_cast<std::int16_t>(8 + next(27));
            birth.longitudeDegrees = static_cast<std::int16_t>(68 + next(29));
            birth.isEast = true;
        } else {
            orbalis::ApplyZoneRow(birth, next(orbalis::kTimeZoneCount));
            birth.latitudeDegrees =
                static_cast<std::int16_t>(places == Places::Polar ? 67 + next(23) : 55 + next(11));
            birth.latitudeMinutes = static_cast<std::int16_t>(next(60));
            birth.isSouth = next(2) == 1;
            birth.longitudeDegrees = static_cast<std::int16_t>(next(180));
            birth.isEast = next(2) == 1;
        }
    }
    return births;
}

void BM_Firmness(benchmark::State& state, orbalis::PositionsMode mode, Places places) {
    const std::vector<orbalis::BirthDetails> births = Births(places);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(orbalis::FirmnessOf(births[i++ % births.size()], mode));
}
BENCHMARK_CAPTURE(BM_Firmness, Classic, orbalis::PositionsMode::Classic, Places::India)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Firmness, Precise, orbalis::PositionsMode::Precise, Places::India)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Firmness, ClassicHighLatitudes, orbalis::PositionsMode::Classic,
                  Places::HighLatitudes)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Firmness, PreciseHighLatitudes, orbalis::PositionsMode::Precise,
                  Places::HighLatitudes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Firmness, ClassicPolar, orbalis::PositionsMode::Classic, Places::Polar)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Firmness, PrecisePolar, orbalis::PositionsMode::Precise, Places::Polar)
    ->Unit(benchmark::kMillisecond);

void BM_BatchFirmness(benchmark::State& state, Places places) {
    const std::vector<orbalis::BirthDetails> births = Births(places);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            orbalis::BatchFirmnessOf(births[i++ % births.size()], orbalis::PositionsMode::Classic));
}
BENCHMARK_CAPTURE(BM_BatchFirmness, India, Places::India)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BatchFirmness, HighLatitudes, Places::HighLatitudes)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BatchFirmness, Polar, Places::Polar)->Unit(benchmark::kMicrosecond);

}  // namespace
