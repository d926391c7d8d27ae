#include "dasha/vimshottari.h"

#include <cassert>
#include <cmath>
#include <utility>

namespace orbalis::dasha {
namespace {

// Every period of the three levels lasts a whole number of these parts of a
// year (the product of its lords' years over 120 squared), so each boundary
// is a whole number of them from the cycle's start, computed the same way
// for a period and its sub-periods: they meet exactly.
constexpr long kUnitsPerYear = kCycleYears * kCycleYears;

long Years(int lordIndex) {
    return kLords[static_cast<std::size_t>(lordIndex % kLordCount)].years;
}

// The boundaries of one birth's cycle, counted in units from its start, as
// instants and as days on the birth's clock.
class Timeline {
  public:
    Timeline(const DashaBirth& birth, const BirthBalance& balance)
        : daysPerUnit_(DashaYearDays(birth.year) / kUnitsPerYear),
          birthJulianDay_(birth.julianDayUt),
          elapsedDays_(balance.elapsedYears * DashaYearDays(birth.year)) {
        const auto [day, fraction] = BirthClockDay(birth);
        birthDay_ = day;
        birthDayFraction_ = fraction;
    }

    // The day number of the birth on its own clock and the part of that day
    // run at the birth. To the whole second: the form gives the time to the
    // minute, and so a birth at midnight keeps its own date whatever the
    // rounding of its Julian Day.
    static std::pair<std::int32_t, double> BirthClockDay(const DashaBirth& birth) {
        constexpr long long kSecondsPerDay = 86400;
        const long long clockSeconds = std::llround((birth.julianDayUt + 0.5) * kSecondsPerDay) +
                                       60LL * birth.utcOffsetMinutes;
        long long day = clockSeconds / kSecondsPerDay;
        if (clockSeconds % kSecondsPerDay < 0) --day;
        return {static_cast<std::int32_t>(day),
                static_cast<double>(clockSeconds - day * kSecondsPerDay) / kSecondsPerDay};
    }

    // Days from the birth to a boundary; exactly 0 for a cycle that starts
    // at the birth.
    double DaysFromBirth(long units) const {
        return static_cast<double>(units) * daysPerUnit_ - elapsedDays_;
    }
    double JulianDay(long units) const { return birthJulianDay_ + DaysFromBirth(units); }
    // Truncated: the day on the birth's clock that the boundary falls in.
    std::int32_t ShownDay(long units) const {
        // The floor of a value within the cycle's few tens of thousands of
        // days, without a call to the library's floor.
        const double days = birthDayFraction_ + DaysFromBirth(units);
        auto whole = static_cast<std::int32_t>(days);
        if (days < whole) --whole;
        return birthDay_ + whole;
    }

  private:
    double daysPerUnit_;
    double birthJulianDay_;
    double elapsedDays_;
    std::int32_t birthDay_ = 0;
    double birthDayFraction_ = 0.0;
};

bool IsMars(int lordIndex) {
    return kLords[static_cast<std::size_t>(lordIndex)].body == kMars;
}

}  // namespace

BirthBalance BalanceAtBirth(double moonSiderealDegrees) {
    assert(moonSiderealDegrees >= 0.0 && moonSiderealDegrees <= 360.0);
    const double longitude = moonSiderealDegrees >= 360.0 ? 0.0 : moonSiderealDegrees;
    // The product the Moon engine names the nakshatra by, so that the lord
    // is always that of the nakshatra the reading shows.
    const double nakshatras = longitude * 60.0 / 800.0;
    BirthBalance balance;
    balance.nakshatra = static_cast<int>(std::floor(nakshatras));
    balance.partRun = nakshatras - balance.nakshatra;  // exact, and below 1
    if (balance.nakshatra >= 27) {
        // A longitude a rounding step below 360: the very end of Revati.
        balance.nakshatra = 26;
        balance.partRun = std::nextafter(1.0, 0.0);
    }
    balance.lordIndex = LordOfNakshatra(balance.nakshatra);
    const double years = static_cast<double>(Years(balance.lordIndex));
    balance.elapsedYears = balance.partRun * years;
    balance.balanceYears = years * (1.0 - balance.partRun);
    return balance;
}

RunningPeriods PeriodsAtBirth(const BirthBalance& balance) {
    RunningPeriods running;
    running.index[0] = 0;
    // The part of the birth mahadasha run before birth, in units; the last
    // sub-period takes what rounding would leave past the end.
    const double elapsed = balance.elapsedYears * kUnitsPerYear;
    const int lord = balance.lordIndex;
    long start = 0;
    long scale = Years(lord) * kCycleYears;
    int lordBase = lord;
    int parent = 0;
    for (int level = 1; level < kLevelCount; ++level) {
        int sub = 0;
        for (; sub < kLordCount - 1; ++sub) {
            const long end = start + scale * Years(lordBase + sub);
            if (elapsed < static_cast<double>(end)) break;
            start = end;
        }
        running.index[static_cast<std::size_t>(level)] = parent * kLordCount + sub;
        parent = running.index[static_cast<std::size_t>(level)];
        scale = scale * Years(lordBase + sub) / kCycleYears;
        lordBase = (lordBase + sub) % kLordCount;
    }
    return running;
}

RunningPeriods PeriodsOnDate(const DashaBirth& birth, DashaDate date) {
    const BirthBalance balance = BalanceAtBirth(birth.moonSiderealDegrees);
    const Timeline timeline(birth, balance);
    const std::int32_t day = DayNumberOf(date);
    RunningPeriods running;
    long start = 0;
    long scale = kUnitsPerYear;
    int lordBase = balance.lordIndex;
    int parent = 0;
    for (int level = 0; level < kLevelCount; ++level) {
        int sub = 0;
        for (; sub < kLordCount; ++sub) {
            const long end = start + scale * Years(lordBase + sub);
            if (timeline.ShownDay(start) <= day && day < timeline.ShownDay(end)) break;
            start = end;
        }
        if (sub == kLordCount) break;
        running.index[static_cast<std::size_t>(level)] = parent * kLordCount + sub;
        parent = running.index[static_cast<std::size_t>(level)];
        scale = scale * Years(lordBase + sub) / kCycleYears;
        lordBase = (lordBase + sub) % kLordCount;
    }
    return running;
}

DashaDate BirthDate(const DashaBirth& birth) {
    return DateOfDayNumber(Timeline::BirthClockDay(birth).first);
}

Body PeriodLord(const BirthBalance& balance, int level, int index) {
    int lord = balance.lordIndex;
    for (int digit = 0; digit <= level; ++digit) {
        lord += index % kLordCount;
        index /= kLordCount;
    }
    return kLords[static_cast<std::size_t>(lord % kLordCount)].body;
}

void ComputeVimshottari(const DashaBirth& birth, Vimshottari& dasha) {
    dasha.birth = birth;
    dasha.balance = BalanceAtBirth(birth.moonSiderealDegrees);
    const Timeline timeline(birth, dasha.balance);

    // The pratyantardashas one after the other; each boundary is computed
    // once, as the end of one and the start of the next.
    long units = 0;
    double julianDay = timeline.JulianDay(0);
    DashaDate date = DateOfDayNumber(timeline.ShownDay(0));
    std::size_t at = 0;
    for (int m = 0; m < kMahadashaCount; ++m) {
        const int mahadashaLord = (dasha.balance.lordIndex + m) % kLordCount;
        for (int a = 0; a < kLordCount; ++a) {
            const int antardashaLord = (mahadashaLord + a) % kLordCount;
            const long scale = Years(mahadashaLord) * Years(antardashaLord);
            const bool kuja = IsMars(mahadashaLord) || IsMars(antardashaLord);
            for (int p = 0; p < kLordCount; ++p) {
                const int lord = (antardashaLord + p) % kLordCount;
                Period& period = dasha.pratyantardashas[at++];
                period.startJulianDay = julianDay;
                period.start = date;
                units += scale * Years(lord);
                julianDay = timeline.JulianDay(units);
                date = DateOfDayNumber(timeline.ShownDay(units));
                period.endJulianDay = julianDay;
                period.end = date;
                period.lord = kLords[static_cast<std::size_t>(lord)].body;
                period.kujaPeriod = kuja;
            }
        }
    }
    assert(units == kCycleYears * kUnitsPerYear);

    // A period spans its first sub-period's start to its last one's end, and
    // has the first one's lord and Kuja mark.
    auto gather = [](std::span<Period> periods, std::span<const Period> subPeriods) {
        for (std::size_t i = 0; i < periods.size(); ++i) {
            const Period& first = subPeriods[i * kLordCount];
            const Period& last = subPeriods[i * kLordCount + kLordCount - 1];
            periods[i] = first;
            periods[i].endJulianDay = last.endJulianDay;
            periods[i].end = last.end;
        }
    };
    gather(dasha.antardashas, dasha.pratyantardashas);
    gather(dasha.mahadashas, dasha.antardashas);
    for (Period& period : dasha.mahadashas) period.kujaPeriod = period.lord == kMars;

    dasha.atBirth = PeriodsAtBirth(dasha.balance);
    const std::span<Period> levels[kLevelCount] = {dasha.mahadashas, dasha.antardashas,
                                                   dasha.pratyantardashas};
    for (int level = 0; level < kLevelCount; ++level) {
        const int running = dasha.atBirth.index[static_cast<std::size_t>(level)];
        for (int i = 0; i < static_cast<int>(levels[level].size()); ++i)
            levels[level][static_cast<std::size_t>(i)].beforeBirth = i < running;
    }
}

std::span<const Period> PeriodsOfLevel(const Vimshottari& dasha, int level) {
    assert(level >= 0 && level < kLevelCount);
    if (level == 0) return dasha.mahadashas;
    if (level == 1) return dasha.antardashas;
    return dasha.pratyantardashas;
}

std::span<const Period, kLordCount> SubPeriods(const Vimshottari& dasha, int level, int index) {
    assert(level >= 0 && level < kLevelCount - 1);
    return PeriodsOfLevel(dasha, level + 1)
        .subspan(static_cast<std::size_t>(index) * kLordCount)
        .first<kLordCount>();
}

}  // namespace orbalis::dasha
