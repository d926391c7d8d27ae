// Marriage matching: one match of two computed readings, the whole guna
// table, and match-batch on generated couples.
//
//   cli_match_bench [--benchmark_filter=…]

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/batch.h"
#include "cli/guna_table.h"
#include "cli/match_batch.h"
#include "model/birth_details.h"
#include "reading/couple_match.h"
#include "reading/reading.h"

namespace {

orbalis::ChartReading Computed(int day, int month, int year, int hour, int minute, int latitude,
                               int longitude) {
    orbalis::BirthDetails birth;
    birth.day = day;
    birth.month = month;
    birth.year = year;
    birth.hour = hour;
    birth.minute = minute;
    orbalis::ApplyZoneRow(birth, 34);
    birth.latitudeDegrees = latitude;
    birth.longitudeDegrees = longitude;
    birth.isEast = true;
    orbalis::ChartReading reading;
    orbalis::ComputeChartReading(birth, reading);
    return reading;
}

// Both readings computed beforehand; the match reads their Moons and signs.
void BM_MatchTwoComputedReadings(benchmark::State& state) {
    const orbalis::ChartReading groom = Computed(15, 8, 1985, 10, 30, 28, 77);  // Delhi
    const orbalis::ChartReading bride = Computed(10, 4, 1987, 8, 15, 19, 72);   // Mumbai
    const std::string groomName = "Ravi Kumar";
    const std::string brideName = "Kiran Rao";
    for (auto _ : state) {
        auto match = orbalis::MatchCouple(groomName, groom, brideName, bride,
                                          orbalis::matching::VashyaPoints::Symmetric);
        benchmark::DoNotOptimize(match);
    }
}
BENCHMARK(BM_MatchTwoComputedReadings);

void BM_GunaTableWhole(benchmark::State& state) {
    for (auto _ : state) {
        std::string table = orbalis::cli::GunaTable({});
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_GunaTableWhole)->Unit(benchmark::kMillisecond);

// A fixed linear congruential sequence, so every run reads the same file.
class Sequence {
  public:
    std::uint32_t Next(std::uint32_t bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % bound;
    }

  private:
    std::uint64_t state_ = 0x0b17a115ULL;
};

std::string Birth(Sequence& random) {
    char text[96];
    std::snprintf(text, sizeof text,
                  "%04u-%02u-%02u,%02u:%02u,34,%uN%02u,%uE%02u,0,Town,State,India",
                  1901 + random.Next(150), 1 + random.Next(12), 1 + random.Next(28),
                  random.Next(24), random.Next(60), 8 + random.Next(25), random.Next(60),
                  68 + random.Next(25), random.Next(60));
    return text;
}

// Couples with classic positions through match-batch, `state.range(0)` jobs;
// couples a second are the items.
void BM_MatchBatchClassic(benchmark::State& state) {
    constexpr long kCouples = 50000;
    char folder[] = "/tmp/orbalis-match-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string inPath = std::string(folder) + "/couples.csv";
    std::FILE* file = std::fopen(inPath.c_str(), "wb");
    std::fputs(
        "groom_name,groom_date,groom_time,groom_zone,groom_lat,groom_lon,groom_dst,"
        "groom_city,groom_state,groom_country,bride_name,bride_date,bride_time,bride_zone,"
        "bride_lat,bride_lon,bride_dst,bride_city,bride_state,bride_country\r\n",
        file);
    Sequence random;
    for (long i = 0; i < kCouples; ++i)
        std::fprintf(file, "Groom,%s,Bride,%s\r\n", Birth(random).c_str(), Birth(random).c_str());
    std::fclose(file);

    orbalis::cli::BatchOptions options;
    options.jobs = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        std::FILE* in = std::fopen(inPath.c_str(), "rb");
        std::FILE* out = std::fopen("/dev/null", "wb");
        const auto summary = orbalis::cli::RunMatchBatch(in, out, options);
        std::fclose(in);
        std::fclose(out);
        if (summary.rowsRead != kCouples) state.SkipWithError("rows lost");
    }
    state.SetItemsProcessed(state.iterations() * kCouples);
    std::remove(inPath.c_str());
    rmdir(folder);
}
BENCHMARK(BM_MatchBatchClassic)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
