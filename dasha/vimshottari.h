#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "dasha/dasha_date.h"
#include "dasha/dasha_lords.h"
#include "model/chart_reading.h"

namespace orbalis::dasha {

// What the dasha of a birth is computed from.
struct DashaBirth {
    double moonSiderealDegrees = 0.0;  // 0 <= value <= 360; 360 is taken as 0
    double julianDayUt = 0.0;          // the birth instant, universal time
    int utcOffsetMinutes = 0;          // the birth's clock less universal time
    DashaYear year = DashaYear::Julian;
};

// Where the Moon stood in its nakshatra at birth, and what that decides.
struct BirthBalance {
    int nakshatra = 0;          // 0 = Ashwini ... 26 = Revati
    int lordIndex = 0;          // in kLords: the lord of the nakshatra
    double partRun = 0.0;       // of the nakshatra, 0 <= value < 1
    double balanceYears = 0.0;  // of the birth mahadasha still to run at birth
    double elapsedYears = 0.0;  // of it run before birth
};

// The nakshatra of a sidereal Moon and the balance of its lord's mahadasha
// (the part of the nakshatra still to run, in the lord's years). A longitude
// on a boundary belongs to the nakshatra that begins there.
BirthBalance BalanceAtBirth(double moonSiderealDegrees);

// One period of the cycle, at any of the three levels.
struct Period {
    double startJulianDay = 0.0;  // universal time
    double endJulianDay = 0.0;    // the next period's start
    DashaDate start;              // the dates on the birth's clock, truncated
    DashaDate end;
    Body lord = kKetu;
    bool kujaPeriod = false;   // its mahadasha or antardasha lord is Mars
    bool beforeBirth = false;  // over at or before the birth
};

inline constexpr int kMahadashaCount = kLordCount;
inline constexpr int kAntardashaCount = kMahadashaCount * kLordCount;
inline constexpr int kPratyantardashaCount = kAntardashaCount * kLordCount;
inline constexpr int kLevelCount = 3;

// The index of the period running at each level (into the arrays of
// Vimshottari), or kNoPeriod.
inline constexpr int kNoPeriod = -1;
struct RunningPeriods {
    std::array<int, kLevelCount> index = {kNoPeriod, kNoPeriod, kNoPeriod};

    friend bool operator==(const RunningPeriods&, const RunningPeriods&) = default;
};

// The whole cycle of a birth: the nine mahadashas from the start of the birth
// lord's, before the birth, to 120 years later; the antardashas of
// mahadasha m at 9m to 9m + 8, each period's own lord first; the
// pratyantardashas of antardasha a likewise at 9a to 9a + 8.
struct Vimshottari {
    DashaBirth birth;
    BirthBalance balance;
    std::array<Period, kMahadashaCount> mahadashas;
    std::array<Period, kAntardashaCount> antardashas;
    std::array<Period, kPratyantardashaCount> pratyantardashas;
    RunningPeriods atBirth;
};

void ComputeVimshottari(const DashaBirth& birth, Vimshottari& dasha);

// The periods of one level (0: mahadashas, 1: antardashas, 2:
// pratyantardashas), and the nine sub-periods of period `index` of a level.
std::span<const Period> PeriodsOfLevel(const Vimshottari& dasha, int level);
std::span<const Period, kLordCount> SubPeriods(const Vimshottari& dasha, int level, int index);

// The periods running at the birth instant: the birth lord's mahadasha and
// the sub-periods the part of the nakshatra already run falls in.
RunningPeriods PeriodsAtBirth(const BirthBalance& balance);

// The periods running on a date (the birth's clock): at each level the one
// whose shown start date is on or before it and whose shown end date is
// after it, so that on the day of a change the new one runs. None before the
// cycle's start or from its end on. Computed from the birth alone, so the
// same as the shown dates of ComputeVimshottari give.
RunningPeriods PeriodsOnDate(const DashaBirth& birth, DashaDate date);

// The date of the birth on its own clock, as the periods' dates are shown.
DashaDate BirthDate(const DashaBirth& birth);

// The lord of period `index` of a level.
Body PeriodLord(const BirthBalance& balance, int level, int index);

}  // namespace orbalis::dasha
