// How firm a reading is: the bisection for every answer up to three hours
// either side of the given minute, with classic and with precise positions,
// and the lighter search a batch row makes. Births vary from one iteration to
// the next, across India and the years the form offers.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/reference_tables.h"
#include "reading/firmness.h"

namespace {

std::vector<orbalis::BirthDetails> Births() {
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
        orbalis::ApplyZoneRow(birth, 34);
        birth.latitudeDegrees = static_cast<std::int16_t>(8 + next(27));
        birth.longitudeDegrees = static_cast<std::int16_t>(68 + next(29));
        birth.isEast = true;
    }
    return births;
}

void BM_Firmness(benchmark::State& state, orbalis::PositionsMode mode) {
    const std::vector<orbalis::BirthDetails> births = Births();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(orbalis::FirmnessOf(births[i++ % births.size()], mode));
}
BENCHMARK_CAPTURE(BM_Firmness, Classic, orbalis::PositionsMode::Classic)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Firmness, Precise, orbalis::PositionsMode::Precise)
    ->Unit(benchmark::kMillisecond);

void BM_BatchFirmness(benchmark::State& state) {
    const std::vector<orbalis::BirthDetails> births = Births();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(orbalis::BatchFirmnessOf(births[i++ % births.size()],
                                                          orbalis::PositionsMode::Classic));
}
BENCHMARK(BM_BatchFirmness)->Unit(benchmark::kMicrosecond);

}  // namespace
