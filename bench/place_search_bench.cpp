// Place search as the form's completer and the companion use it: one query per
// keystroke, and the very first query, which also builds the place records.

#include <benchmark/benchmark.h>

#include <string>

#include "places/place_search.h"

namespace {

// Registered first, so it runs on a table nobody has searched yet.
void BM_FirstPlaceSearch(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(orbalis::FindPlaces("Jalandhar", 10));
}
BENCHMARK(BM_FirstPlaceSearch)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every one-letter prefix: the widest searches there are.
void BM_OneLetterPrefix(benchmark::State& state) {
    std::size_t found = 0;
    char letter = 'a';
    for (auto _ : state) {
        found += orbalis::FindPlaces(std::string(1, letter), 20).size();
        letter = letter == 'z' ? 'a' : static_cast<char>(letter + 1);
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(BM_OneLetterPrefix)->Unit(benchmark::kMicrosecond);

void BM_PlaceQuery(benchmark::State& state, const char* query) {
    for (auto _ : state) benchmark::DoNotOptimize(orbalis::FindPlaces(query, 20));
}
BENCHMARK_CAPTURE(BM_PlaceQuery, s, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlaceQuery, s_narrowed, "s, United States")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlaceQuery, jalandhar, "Jalandhar")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlaceQuery, springfield_illinois, "Springfield, Illinois")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
