#include "reading/couple_match.h"

#include <chrono>

#include "dosha/kuja_dosha.h"
#include "model/utc_offset.h"

namespace orbalis {

using namespace matching;

namespace {

long long UniversalMinute(const BirthDetails& birth) {
    using namespace std::chrono;
    const sys_days day = year{birth.year} / month{static_cast<unsigned>(birth.month)} /
                         std::chrono::day{static_cast<unsigned>(birth.day)};
    return static_cast<long long>(day.time_since_epoch().count()) * 1440 + birth.hour * 60 +
           birth.minute - BirthUtcOffsetMinutes(birth);
}

// Arc minutes, north and east positive: 0°00′ is one place on either side.
int LatitudeMinutes(const BirthDetails& birth) {
    const int minutes = birth.latitudeDegrees * 60 + birth.latitudeMinutes;
    return birth.isSouth ? -minutes : minutes;
}

int LongitudeMinutes(const BirthDetails& birth) {
    const int minutes = birth.longitudeDegrees * 60 + birth.longitudeMinutes;
    return birth.isEast ? minutes : -minutes;
}

}  // namespace

SameBirth CompareBirths(const BirthDetails& first, const BirthDetails& second) {
    if (UniversalMinute(first) != UniversalMinute(second) ||
        LatitudeMinutes(first) != LatitudeMinutes(second) ||
        LongitudeMinutes(first) != LongitudeMinutes(second))
        return SameBirth::No;
    return first.name == second.name ? SameBirth::SameName : SameBirth::OtherName;
}

MoonPlacement MoonPlacementOfReading(const ChartReading& reading) {
    return MoonPlacementAt(reading.siderealDegrees[kMoon]);
}

std::optional<CoupleMatch> MatchCouple(const std::string& groomName, const ChartReading& groom,
                                       const std::string& brideName, const ChartReading& bride,
                                       VashyaPoints table) {
    const std::optional<ClassicalKujaDosha> groomDosha = AnalyseClassicalKujaDosha(groom);
    const std::optional<ClassicalKujaDosha> brideDosha = AnalyseClassicalKujaDosha(bride);
    const std::optional<int> groomSaturn = SignOfPositionText(groom.planetPositionText[kSaturn]);
    const std::optional<int> brideSaturn = SignOfPositionText(bride.planetPositionText[kSaturn]);
    if (!groomDosha || !brideDosha || !groomSaturn || !brideSaturn) return std::nullopt;
    CoupleMatch match{
        {groomName, *groomDosha, *groomSaturn},
        {brideName, *brideDosha, *brideSaturn},
        MatchMoons(MoonPlacementOfReading(groom), MoonPlacementOfReading(bride), table),
        {},
        SameBirth::No};
    match.manglik = MatchKujaDosha(match.groom, match.bride, English());
    return match;
}

}  // namespace orbalis
