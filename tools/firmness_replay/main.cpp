// The firmness search against reading every minute: random births at 55 to
// 66 degrees north and south (half each), any year the form offers, any day,
// minute and zone row, each in both positions modes. For every birth every
// minute of three hours either side is read with FirmnessValuesAt, and the
// runs of every answer, the batch row's Lagna run and its flag for a verdict
// within 15 minutes are compared with the search's. Then the largest change
// of speed of Mars, Venus and Jupiter over the years, from readings twelve
// hours apart every third day, against the bound the search assumes.
// Prints the births whose answers differ and a summary; exits 1 when any
// does or the bound is exceeded.
//
//   firmness_replay [BIRTHS [SEED]]     (300 births, seed 1 by default)

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "model/reference_tables.h"
#include "reading/firmness.h"
#include "reading/reading.h"

namespace {

using namespace orbalis;

BirthDetails RandomBirth(std::mt19937& random, bool south) {
    auto in = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    BirthDetails birth;
    birth.year = static_cast<std::int16_t>(in(kFirstBirthYear, kLastBirthYear));
    birth.month = static_cast<std::int16_t>(in(1, 12));
    birth.day = static_cast<std::int16_t>(in(1, 28));
    birth.hour = static_cast<std::int16_t>(in(0, 23));
    birth.minute = static_cast<std::int16_t>(in(0, 59));
    ApplyZoneRow(birth, in(0, kTimeZoneCount - 1));
    birth.daylightSaving = in(0, 3) == 0;
    birth.latitudeDegrees = static_cast<std::int16_t>(in(55, 65));
    birth.latitudeMinutes = static_cast<std::int16_t>(in(0, 59));
    birth.isSouth = south;
    birth.longitudeDegrees = static_cast<std::int16_t>(in(0, 179));
    birth.longitudeMinutes = static_cast<std::int16_t>(in(0, 59));
    birth.isEast = in(0, 1) == 1;
    return birth;
}

// The runs by reading every minute of the searched span.
Firmness Scanned(const BirthDetails& birth, PositionsMode mode, const Firmness& searched) {
    Firmness firmness = searched;
    const auto given = FirmnessValuesAt(birth, mode, 0);
    for (const int direction : {+1, -1}) {
        const int span = direction > 0 ? searched.searchedTo : -searched.searchedFrom;
        std::array<bool, kFirmnessItemCount> ended{};
        for (std::size_t item = 0; item < ended.size(); ++item)
            (direction > 0 ? firmness.runs[item].to : firmness.runs[item].from).reset();
        for (int minute = 1; minute <= span; ++minute) {
            const auto values = FirmnessValuesAt(birth, mode, direction * minute);
            for (std::size_t item = 0; item < ended.size(); ++item) {
                if (ended[item] || (values && (*values)[item] == (*given)[item])) continue;
                ended[item] = true;
                auto& run = firmness.runs[item];
                (direction > 0 ? run.to : run.from) = direction * (minute - 1);
            }
        }
    }
    return firmness;
}

bool VerdictWithin15(const Firmness& firmness) {
    for (const FirmnessItem item : {FirmnessItem::VerdictFromLagna, FirmnessItem::VerdictFromMoon,
                                    FirmnessItem::ClassicalLagna, FirmnessItem::ClassicalMoon,
                                    FirmnessItem::ClassicalVenus, FirmnessItem::ManglikStatus}) {
        const FirmnessRun& run = firmness.of(item);
        if ((run.to && *run.to + 1 <= kFirmnessWarningMinutes) ||
            (run.from && 1 - *run.from <= kFirmnessWarningMinutes))
            return true;
    }
    return false;
}

// The largest second difference of the planets' longitudes, in degrees a day
// per day, over every third day of the years.
double LargestPlanetTurn(PositionsMode mode) {
    BirthDetails start;
    ApplyZoneRow(start, 34);
    double largest = 0.0;
    ChartReading reading;
    std::string refusal;
    for (int day = 0;; day += 3) {
        const BirthDetails birth = BirthMinutesAway(start, day * 1440);
        if (birth.year > kLastBirthYear) break;
        std::array<std::array<double, 3>, 3> longitudes{};  // time, planet
        for (std::size_t k = 0; k < 3; ++k) {
            ComputeChartReading(BirthMinutesAway(birth, static_cast<int>(k) * 720), mode, reading,
                                refusal);
            longitudes[k] = {reading.siderealDegrees[kMars], reading.siderealDegrees[kVenus],
                             reading.siderealDegrees[kJupiter]};
        }
        for (std::size_t p = 0; p < 3; ++p) {
            const double first = std::remainder(longitudes[1][p] - longitudes[0][p], 360.0);
            const double second = std::remainder(longitudes[2][p] - longitudes[1][p], 360.0);
            largest = std::max(largest, std::fabs(second - first) / (0.5 * 0.5));
        }
    }
    return largest;
}

}  // namespace

int main(int argc, char** argv) {
    const int births = argc > 1 ? std::atoi(argv[1]) : 300;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1u);
    long compared = 0;
    long ends = 0;
    long wrong = 0;
    long within15 = 0;
    std::array<double, 2> searchSeconds{};
    std::array<double, 2> batchSeconds{};
    for (int i = 0; i < births; ++i) {
        const BirthDetails birth = RandomBirth(random, i % 2 == 1);
        for (const PositionsMode mode : {PositionsMode::Classic, PositionsMode::Precise}) {
            const auto m = static_cast<std::size_t>(mode == PositionsMode::Precise);
            const auto start = std::chrono::steady_clock::now();
            const Firmness found = FirmnessOf(birth, mode);
            const auto middle = std::chrono::steady_clock::now();
            const BatchFirmness batch = BatchFirmnessOf(birth, mode);
            const auto end = std::chrono::steady_clock::now();
            searchSeconds[m] += std::chrono::duration<double>(middle - start).count();
            batchSeconds[m] += std::chrono::duration<double>(end - middle).count();

            const Firmness scanned = Scanned(birth, mode, found);
            for (std::size_t item = 0; item < found.runs.size(); ++item) {
                ++compared;
                ends += scanned.runs[item].from.has_value() + scanned.runs[item].to.has_value();
                if (found.runs[item] == scanned.runs[item]) continue;
                ++wrong;
                std::printf("%04d-%02d-%02d %02d:%02d zone %d %d%c%02d %d%c%02d %s %s: %s\n",
                            birth.year, birth.month, birth.day, birth.hour, birth.minute,
                            birth.zoneIndex, birth.latitudeDegrees, birth.isSouth ? 'S' : 'N',
                            birth.latitudeMinutes, birth.longitudeDegrees, birth.isEast ? 'E' : 'W',
                            birth.longitudeMinutes, std::string(PositionsModeName(mode)).c_str(),
                            std::string(FirmnessItemNames[item].key).c_str(),
                            FirmnessHoldsText(found, static_cast<FirmnessItem>(item)).c_str());
            }
            const bool soon = VerdictWithin15(scanned);
            within15 += soon;
            compared += 2;
            wrong += !(batch.lagna == scanned.of(FirmnessItem::LagnaSign));
            wrong += batch.verdictChangesSoon != soon;
        }
    }
    std::printf(
        "%d births at 55-66 degrees, both modes: %ld runs and batch fields compared with "
        "every minute, %ld different; %ld run ends within the search; a verdict within "
        "15 minutes in %ld of %d readings\n",
        births, compared, wrong, ends, within15, 2 * births);
    std::printf(
        "search per reading: classic %.0f us, precise %.2f ms; batch row: classic %.0f us, "
        "precise %.2f ms\n",
        1e6 * searchSeconds[0] / births, 1e3 * searchSeconds[1] / births,
        1e6 * batchSeconds[0] / births, 1e3 * batchSeconds[1] / births);
    bool turnsWithin = true;
    for (const PositionsMode mode : {PositionsMode::Classic, PositionsMode::Precise}) {
        const double turn = LargestPlanetTurn(mode);
        turnsWithin = turnsWithin && turn < kPlanetTurnDegreesPerDay2;
        std::printf(
            "largest change of speed of Mars, Venus or Jupiter, %s: %.3f degrees a day "
            "per day (the search assumes under %.1f)\n",
            std::string(PositionsModeName(mode)).c_str(), turn, kPlanetTurnDegreesPerDay2);
    }
    return wrong == 0 && turnsWithin ? 0 : 1;
}
