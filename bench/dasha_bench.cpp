// The Vimshottari dasha: every period of one reading to three levels (9 + 81
// + 729), and what a batch row adds (the periods at birth, the balance text
// and the periods running on a date).

#include <benchmark/benchmark.h>

#include <memory>

#include "dasha/dasha_birth.h"
#include "dasha/dasha_texts.h"

namespace {

using namespace orbalis::dasha;

// Delhi, 15 August 1985, 10:30 IST, with the Moon moved a little each time
// round so that no result can be kept from one round to the next.
DashaBirth Birth(int round) {
    orbalis::BirthDetails birth;
    birth.year = 1985;
    birth.month = 8;
    birth.day = 15;
    birth.hour = 10;
    birth.minute = 30;
    birth.zoneHours = -5;
    birth.zoneMinutes = -30;
    return DashaBirthOf(birth, 103.1291 + (round % 1000) * 0.2571);
}

void AllPeriodsToThreeLevels(benchmark::State& state) {
    auto dasha = std::make_unique<Vimshottari>();
    int round = 0;
    for (auto _ : state) {
        ComputeVimshottari(Birth(round++), *dasha);
        benchmark::DoNotOptimize(dasha->pratyantardashas.back().end);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPratyantardashaCount);
}
BENCHMARK(AllPeriodsToThreeLevels);

// Argument 1: with the periods running on a date (batch --at).
void BatchRowColumns(benchmark::State& state) {
    const bool withDate = state.range(0) != 0;
    int round = 0;
    for (auto _ : state) {
        const DashaBirth birth = Birth(round++);
        const BirthBalance balance = BalanceAtBirth(birth.moonSiderealDegrees);
        std::string atBirth = RunningLordsText(balance, PeriodsAtBirth(balance));
        std::string text = YearsMonthsDaysText(balance.balanceYears);
        benchmark::DoNotOptimize(atBirth.data());
        benchmark::DoNotOptimize(text.data());
        if (withDate) {
            std::string at = RunningLordsText(balance, PeriodsOnDate(birth, {2025, 1, 31}));
            benchmark::DoNotOptimize(at.data());
        }
    }
}
BENCHMARK(BatchRowColumns)->Arg(0)->Arg(1);

}  // namespace
