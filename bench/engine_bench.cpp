// One complete computation of the astronomy engine for a birth: ascendant and
// ayanamsa, the Moon's details, every body of the tables with all its texts.
#include <benchmark/benchmark.h>

#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "model/reference_tables.h"
#include "moon/moon_details.h"
#include "positions/ascendant.h"
#include "positions/planet_positions.h"

namespace {

// Delhi, 15 August 1985, 10:30 Indian time, 28°39' N 77°13' E.
orbalis::BirthDetails DelhiBirth() {
    orbalis::BirthDetails birth;
    birth.day = 15;
    birth.month = 8;
    birth.year = 1985;
    birth.hour = 10;
    birth.minute = 30;
    orbalis::ApplyZoneRow(birth, 34);
    birth.latitudeDegrees = 28;
    birth.latitudeMinutes = 39;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 13;
    birth.isEast = true;
    return birth;
}

// The reading is reused as the program reuses its one reading.
void BM_CompleteEngineReading(benchmark::State& state) {
    const orbalis::BirthDetails birth = DelhiBirth();
    orbalis::ChartReading reading;
    for (auto _ : state) {
        orbalis::ComputeAscendantAndAyanamsa(birth, reading);
        orbalis::ComputeMoonDetails(birth, reading);
        orbalis::ComputePlanetTable(birth, reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_CompleteEngineReading);

// The same into a fresh reading each time, as a first reading would run.
void BM_CompleteEngineReadingFresh(benchmark::State& state) {
    const orbalis::BirthDetails birth = DelhiBirth();
    for (auto _ : state) {
        orbalis::ChartReading reading;
        orbalis::ComputeAscendantAndAyanamsa(birth, reading);
        orbalis::ComputeMoonDetails(birth, reading);
        orbalis::ComputePlanetTable(birth, reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_CompleteEngineReadingFresh);

void BM_AscendantAndAyanamsa(benchmark::State& state) {
    const orbalis::BirthDetails birth = DelhiBirth();
    orbalis::ChartReading reading;
    for (auto _ : state) {
        orbalis::ComputeAscendantAndAyanamsa(birth, reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_AscendantAndAyanamsa);

void BM_MoonDetails(benchmark::State& state) {
    const orbalis::BirthDetails birth = DelhiBirth();
    orbalis::ChartReading reading;
    for (auto _ : state) {
        orbalis::ComputeMoonDetails(birth, reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_MoonDetails);

void BM_PlanetTable(benchmark::State& state) {
    const orbalis::BirthDetails birth = DelhiBirth();
    orbalis::ChartReading reading;
    orbalis::ComputeAscendantAndAyanamsa(birth, reading);
    orbalis::ComputeMoonDetails(birth, reading);
    for (auto _ : state) {
        orbalis::ComputePlanetTable(birth, reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_PlanetTable);

}  // namespace
