// Batch throughput: a generated file of births (a million by default)
// through the batch reader, reporting rows a second and peak memory.
//
//   cli_batch_bench [ROWS] [place] [firmness] [classic|precise] [JOBS]   (1000000 classic 1)
//
// With "place" the births name their town in a place column instead, so the
// run also resolves towns and reads their clocks on each date; with
// "firmness" every row also searches how firm its Lagna and verdicts are.

#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "cli/batch.h"

namespace {

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

constexpr const char* kNames[] = {"Asha Rao", "Vikram",     "Meera Nair", "Arjun Singh",
                                  "Lakshmi",  "Ravi Kumar", "Priya",      "Sanjay Iyer"};
constexpr const char* kPlaces[][3] = {{"New Delhi", "Delhi", "India"},
                                      {"Mumbai", "Maharashtra", "India"},
                                      {"Chennai", "Tamil Nadu", "India"},
                                      {"London", "England", "United Kingdom"},
                                      {"New York", "New York", "United States"}};

// Towns as a user types them: whole labels, unique beginnings, names with a country.
constexpr const char* kTowns[] = {"Delhi",
                                  "\"Mumbai, Maharashtra, India\"",
                                  "Chennai",
                                  "Jalandhar",
                                  "\"London, United Kingdom\"",
                                  "New York",
                                  "Udupi",
                                  "Kathmandu",
                                  "\"Springfield, Illinois\"",
                                  "\"Sao Paulo, Brazil\"",
                                  "\"Sydney, Australia\"",
                                  "Adelaide"};

// Writes `rows` births; about one in a hundred is an impossible date (31 April),
// so the refusal path is part of the run.
bool WriteBirths(const std::string& path, long rows, bool withPlace) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    Sequence random;
    std::fputs(withPlace ? "name,date,time,place\r\n"
                         : "name,date,time,zone,lat,lon,dst,city,state,country\r\n",
               file);
    for (long i = 0; i < rows; ++i) {
        if (withPlace) {
            const bool impossible = random.Next(100) == 0;
            std::fprintf(file, "%s,%04u-%02u-%02u,%02u:%02u,%s\r\n", kNames[random.Next(8)],
                         1901 + random.Next(150), impossible ? 4 : 1 + random.Next(12),
                         impossible ? 31 : 1 + random.Next(28), random.Next(25), random.Next(60),
                         kTowns[random.Next(std::size(kTowns))]);
            continue;
        }
        const auto* place = kPlaces[random.Next(5)];
        const bool impossible = random.Next(100) == 0;
        const unsigned year = 1901 + random.Next(150);
        const unsigned month = impossible ? 4 : 1 + random.Next(12);
        const unsigned day = impossible ? 31 : 1 + random.Next(28);
        std::fprintf(file, "%s,%04u-%02u-%02u,%02u:%02u,%u,%u%c%02u,%u%c%02u,%s,\"%s\",%s,%s\r\n",
                     kNames[random.Next(8)], year, month, day, random.Next(25), random.Next(60),
                     random.Next(71), random.Next(90), random.Next(2) ? 'N' : 'S', random.Next(60),
                     random.Next(180), random.Next(2) ? 'E' : 'W', random.Next(60),
                     random.Next(4) == 0 ? "yes" : "0", place[0], place[1], place[2]);
    }
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const long rows = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000000;
    bool withPlace = false;
    orbalis::cli::BatchOptions options;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "place") == 0)
            withPlace = true;
        else if (std::strcmp(argv[i], "firmness") == 0)
            options.firmness = true;
        else if (const auto mode = orbalis::PositionsModeNamed(argv[i]))
            options.positions = *mode;
        else
            options.jobs = static_cast<unsigned>(std::strtoul(argv[i], nullptr, 10));
    }
    char folder[] = "/tmp/orbalis-batch-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string inPath = std::string(folder) + "/births.csv";
    const std::string outPath = std::string(folder) + "/readings.csv";

    const auto generateStart = std::chrono::steady_clock::now();
    if (!WriteBirths(inPath, rows, withPlace)) {
        std::perror(inPath.c_str());
        return 1;
    }
    const double generateSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - generateStart).count();

    std::FILE* in = std::fopen(inPath.c_str(), "rb");
    std::FILE* out = std::fopen(outPath.c_str(), "wb");
    if (!in || !out) {
        std::perror("open");
        return 1;
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = std::chrono::steady_clock::now();
    const orbalis::cli::BatchSummary summary = orbalis::cli::RunBatch(in, out, options);
    std::fclose(out);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fclose(in);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto cpuSeconds = [](const rusage& u) {
        return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
               static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    };
    const double cpu = cpuSeconds(usage) - cpuSeconds(before);
    std::printf("generated %ld births in %.2f s; %s positions, %u jobs%s\n", rows, generateSeconds,
                orbalis::PositionsModeName(options.positions).data(), options.jobs,
                options.firmness ? ", firmness" : "");
    std::printf("batch: %ld rows read, %ld refused, exit status %d%s%s\n", summary.rowsRead,
                summary.rowsRefused, summary.exitStatus, summary.error.empty() ? "" : ": ",
                summary.error.c_str());
    std::printf("wall time: %.2f s, %.0f rows/s\n", seconds,
                static_cast<double>(summary.rowsRead) / seconds);
    std::printf("CPU time: %.2f s, %.0f rows/s of CPU time\n", cpu,
                static_cast<double>(summary.rowsRead) / cpu);
    std::printf("peak memory (max RSS): %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);

    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    rmdir(folder);
    return summary.exitStatus == orbalis::cli::kBatchUnreadable ? 1 : 0;
}
