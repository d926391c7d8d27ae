#include "reading/firmness.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "dosha/classical_kuja_dosha.h"
#include "dosha/kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "ephemeris/precise_reading.h"
#include "model/chart_reading.h"
#include "model/moon_pada.h"
#include "model/reference_tables.h"
#include "model/sign_position_text.h"
#include "positions/ascendant.h"
#include "reading/reading.h"

namespace orbalis {

const std::array<FirmnessItemName, kFirmnessItemCount> FirmnessItemNames = {{
    {"lagnaSign", N_("The Lagna"), N_("Lagna sign")},
    {"moonSign", N_("The Moon sign"), N_("Moon sign")},
    {"nakshatra", N_("The nakshatra"), N_("Nakshatra")},
    {"moonPada", N_("The Moon's pada"), N_("Moon's pada")},
    {"marsHouseFromLagna", N_("Mars's house from the Lagna"), N_("Mars's house from the Lagna")},
    {"marsHouseFromMoon", N_("Mars's house from the Moon"), N_("Mars's house from the Moon")},
    {"verdictFromLagna", N_("The verdict from the Lagna"), N_("Verdict from the Lagna")},
    {"verdictFromMoon", N_("The verdict from the Moon"), N_("Verdict from the Moon")},
    {"classicalLagna", N_("The classical verdict from the Lagna"), N_("Classical, from the Lagna")},
    {"classicalMoon", N_("The classical verdict from the Moon"), N_("Classical, from the Moon")},
    {"classicalVenus", N_("The classical verdict from Venus"), N_("Classical, from Venus")},
    {"manglikStatus", N_("The Manglik status"), N_("Manglik status")},
}};

namespace {

using namespace std::chrono;

constexpr std::array<FirmnessItem, 6> kVerdicts = {
    FirmnessItem::VerdictFromLagna, FirmnessItem::VerdictFromMoon, FirmnessItem::ClassicalLagna,
    FirmnessItem::ClassicalMoon,    FirmnessItem::ClassicalVenus,  FirmnessItem::ManglikStatus};

// The birth's clock minute, 1970-01-01 00:00 being 0; hour 24 is the next day.
std::int64_t ClockMinute(int y, int m, int d, int hour, int minute) {
    const sys_days day =
        year{y} / month{static_cast<unsigned>(m)} / std::chrono::day{static_cast<unsigned>(d)};
    return day.time_since_epoch().count() * 1440LL + hour * 60LL + minute;
}

std::int64_t ClockMinute(const BirthDetails& birth) {
    return ClockMinute(birth.year, birth.month, birth.day, birth.hour, birth.minute);
}

// The first and last minute of the birth years on any clock.
const std::int64_t kFirstYearsMinute = ClockMinute(kFirstBirthYear, 1, 1, 0, 0);
const std::int64_t kLastYearsMinute = ClockMinute(kLastBirthYear, 12, 31, 23, 59);

struct ClockFields {
    int year, month, day, hour, minute;
};

ClockFields FieldsOf(std::int64_t minute) {
    const std::int64_t days = minute >= 0 ? minute / 1440 : -((-minute + 1439) / 1440);
    const int ofDay = static_cast<int>(minute - days * 1440);
    const year_month_day date{sys_days{std::chrono::days{days}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), ofDay / 60, ofDay % 60};
}

int Put(FirmnessValues& values, FirmnessItem item, int value) {
    return values[static_cast<std::size_t>(item)] = value;
}

int SignOrNone(std::string_view positionText) {
    return SignOfPositionText(positionText).value_or(-1);
}

// Every answer of a computed reading.
FirmnessValues ValuesOf(const ChartReading& reading) {
    FirmnessValues values;
    values.fill(-1);
    Put(values, FirmnessItem::LagnaSign, SignIndex(reading.lagnaSign).value_or(-1));
    Put(values, FirmnessItem::MoonSign, SignOrNone(reading.planetPositionText[kMoon]));
    const int quarter = MoonQuarterIndex(reading.siderealDegrees[kMoon]);
    Put(values, FirmnessItem::Nakshatra, quarter / 4);
    Put(values, FirmnessItem::MoonPada, MoonPada(reading.siderealDegrees[kMoon]));
    const auto& positions = reading.planetPositionText;
    if (auto lagna = CountKujaDosha(reading, positions[kAscendant], "Mars")) {
        Put(values, FirmnessItem::MarsHouseFromLagna, lagna->marsHouse);
        Put(values, FirmnessItem::VerdictFromLagna, lagna->manglik);
    }
    if (auto moon = CountKujaDosha(reading, positions[kMoon], "Moon")) {
        Put(values, FirmnessItem::MarsHouseFromMoon, moon->marsHouse);
        Put(values, FirmnessItem::VerdictFromMoon, moon->manglik);
    }
    if (auto classical = AnalyseClassicalKujaDosha(reading)) {
        for (int reference = 0; reference < kKujaReferenceCount; ++reference)
            values[static_cast<std::size_t>(FirmnessItem::ClassicalLagna) +
                   static_cast<std::size_t>(reference)] =
                static_cast<int>(
                    classical->references[static_cast<std::size_t>(reference)].status());
        Put(values, FirmnessItem::ManglikStatus,
            static_cast<int>(AssessManglik(*classical).status));
    }
    return values;
}

// The longitudes every answer is read from: each answer is a function of
// their signs (and of the Moon's quarter), as the position texts write them.
enum Driver : int { kLagnaDriver, kMoonDriver, kMarsDriver, kVenusDriver, kJupiterDriver };
constexpr int kDriverCount = 5;
constexpr std::array<Body, kDriverCount> kDriverBodies = {kAscendant, kMoon, kMars, kVenus,
                                                          kJupiter};
constexpr unsigned Bit(Driver driver) {
    return 1u << driver;
}
constexpr unsigned kEveryDriver = (1u << kDriverCount) - 1;

// The drivers each answer reads, in the order of FirmnessItem.
constexpr std::array<unsigned, kFirmnessItemCount> kItemDrivers = {
    Bit(kLagnaDriver),                     // Lagna sign
    Bit(kMoonDriver),                      // Moon sign
    Bit(kMoonDriver),                      // nakshatra
    Bit(kMoonDriver),                      // Moon's pada
    Bit(kLagnaDriver) | Bit(kMarsDriver),  // Mars's house from the Lagna
    Bit(kMoonDriver) | Bit(kMarsDriver),   // Mars's house from the Moon
    Bit(kLagnaDriver) | Bit(kMarsDriver),  // verdict from the Lagna (by Mars's sign)
    Bit(kMoonDriver) | Bit(kMarsDriver),   // verdict from the Moon (by the Moon's sign)
    kEveryDriver,                          // the three classical verdicts
    kEveryDriver,
    kEveryDriver,
    kEveryDriver,  // the Manglik status
};

// Nearer the equator than this the ascendant only moves on, however fast;
// beyond the polar circles it can stand still, turn back and jump half a
// turn, and is read minute by minute.
constexpr double kMonotoneAscendantLatitude = 66.0;

// The Moon's quarters of a nakshatra, 3° 20′ each, cut every sign boundary.
constexpr double kMoonQuarterDegrees = 200.0 / 60.0;

constexpr double kPlanetTurnDegreesPerMinute2 = kPlanetTurnDegreesPerDay2 / (1440.0 * 1440.0);

// Which of a driver's cells a longitude lies in: the sign as the position
// texts write it, for the Moon also its quarter.
int KeyOf(Driver driver, double degrees) {
    const int sign = static_cast<int>(SignPositionPartsOf(degrees).signIndex);
    if (driver != kMoonDriver) return sign;
    return MoonQuarterIndex(degrees) * 16 + sign;
}

// What the search has read at one minute.
struct Sample {
    enum State : unsigned char { kUnread, kAscendantOnly, kFull, kFailed };
    State state = kUnread;
    std::array<double, kDriverCount> degrees{};
    FirmnessValues values{};
};

// Readings at minutes from the given one, each computed once: the whole
// reading, or for the Lagna's driver the ascendant alone, which costs far
// less and is the same number.
class Probe {
  public:
    Probe(const BirthDetails& birth, PositionsMode mode) : birth_(birth), mode_(mode) {}

    // The whole reading, or nothing when it cannot be computed.
    const Sample* Full(int offset) {
        Sample& sample = SampleAt(offset);
        if (sample.state == Sample::kFull) return &sample;
        if (sample.state == Sample::kFailed) return nullptr;
        std::string refusal;
        if (!ComputeChartReading(BirthMinutesAway(birth_, offset), mode_, reading_, refusal)) {
            sample.state = Sample::kFailed;
            return nullptr;
        }
        for (int driver = 0; driver < kDriverCount; ++driver)
            sample.degrees[static_cast<std::size_t>(driver)] =
                reading_.siderealDegrees[kDriverBodies[static_cast<std::size_t>(driver)]];
        sample.values = ValuesOf(reading_);
        sample.state = Sample::kFull;
        return &sample;
    }

    // A driver's longitude, or nothing when it cannot be computed.
    std::optional<double> Degrees(Driver driver, int offset) {
        Sample& sample = SampleAt(offset);
        if (driver == kLagnaDriver && sample.state == Sample::kUnread) {
            std::optional<double> ascendant;
            if (mode_ == PositionsMode::Precise)
                ascendant = PreciseAscendantDegrees(BirthMinutesAway(birth_, offset));
            else
                ascendant =
                    AscendantAndMidheaven(BirthMinutesAway(birth_, offset)).ascendantDegrees;
            if (!ascendant) {
                sample.state = Sample::kFailed;
                return std::nullopt;
            }
            sample.degrees[kLagnaDriver] = *ascendant;
            sample.state = Sample::kAscendantOnly;
        }
        if (driver != kLagnaDriver || sample.state != Sample::kAscendantOnly) {
            if (!Full(offset)) return std::nullopt;
        }
        return sample.degrees[static_cast<std::size_t>(driver)];
    }

  private:
    Sample& SampleAt(int offset) {
        return samples_[static_cast<std::size_t>(offset + kFirmnessSearchMinutes)];
    }

    const BirthDetails& birth_;
    PositionsMode mode_;
    ChartReading reading_;  // reused: every step writes all it is read for
    std::array<Sample, 2 * kFirmnessSearchMinutes + 1> samples_{};
};

// A reading that cannot be computed somewhere in the search; the side is
// then read minute by minute, as FirmnessValuesAt defines it.
struct Unreadable {};

// The ingresses of one driver on one side of the given minute, in steps
// away from it (step k is the minute direction * k). An ingress at step k
// means the cell at step k + 1 differs from the one at step k.
class IngressSearch {
  public:
    IngressSearch(Probe& probe, Driver driver, int direction, bool everyMinute)
        : probe_(probe), driver_(driver), direction_(direction), everyMinute_(everyMinute) {}

    // The first ingress from step `from` up to step `to`, or nothing.
    std::optional<int> First(int from, int to) {
        if (from >= to) return std::nullopt;
        if (everyMinute_) {
            for (int k = from; k < to; ++k)
                if (Key(k) != Key(k + 1)) return k;
            return std::nullopt;
        }
        return Within(from, to);
    }

  private:
    double At(int step) {
        const std::optional<double> degrees = probe_.Degrees(driver_, direction_ * step);
        if (!degrees) throw Unreadable{};
        return *degrees;
    }
    int Key(int step) { return KeyOf(driver_, At(step)); }

    std::optional<int> Within(int from, int to) {
        if (to - from == 1) {
            if (Key(from) != Key(to)) return from;
            return std::nullopt;
        }
        const std::optional<double> guess = CrossingGuess(from, to);
        if (!guess) return std::nullopt;  // no ingress can lie between
        // The step just before the guessed crossing, kept off the ends of a
        // long span so that a poor guess still shrinks it by an eighth.
        const int margin = (to - from) / 8;
        const int k =
            std::clamp(static_cast<int>(std::ceil(*guess)) - 1, from + margin, to - 1 - margin);
        if (auto found = k > from ? Within(from, k) : std::nullopt) return found;
        if (Key(k) != Key(k + 1)) return k;
        return k + 1 < to ? Within(k + 1, to) : std::nullopt;
    }

    // Where, in steps, the driver is guessed to cross into another cell
    // between two steps; nothing when it certainly keeps its cell.
    std::optional<double> CrossingGuess(int from, int to) {
        const double near = At(from);
        const double far = At(to);
        const double span = to - from;
        const bool moon = driver_ == kMoonDriver;
        if (driver_ == kLagnaDriver || moon) {
            // Moving on in time, so towards the far step going forward and
            // from it going back: the same cell at both ends and no turn
            // through 0° between them keep the cell.
            const double earlier = direction_ > 0 ? near : far;
            const double later = direction_ > 0 ? far : near;
            if (KeyOf(driver_, earlier) == KeyOf(driver_, later) && later >= earlier)
                return std::nullopt;
            const double travel = later >= earlier ? later - earlier : later + 360.0 - earlier;
            const double cell = moon ? kMoonQuarterDegrees : 30.0;
            // The boundary crossed first on the way out from the given minute.
            const double boundary = direction_ > 0 ? (std::floor(earlier / cell) + 1.0) * cell
                                                   : std::floor((earlier + travel) / cell) * cell;
            const double fraction = std::clamp((boundary - earlier) / travel, 0.0, 1.0);
            return from + span * (direction_ > 0 ? fraction : 1.0 - fraction);
        }
        // A planet may turn back, but no further than its change of speed
        // allows: if the band between the two ends, widened by that,
        // touches no sign boundary, it keeps its sign.
        const double moved = std::remainder(far - near, 360.0);
        const double turn = kPlanetTurnDegreesPerMinute2 * span * span / 8.0;
        const double low = std::min(near, near + moved) - turn;
        const double high = std::max(near, near + moved) + turn;
        if (std::floor(low / 30.0) == std::floor(high / 30.0)) return std::nullopt;
        if (std::floor(near / 30.0) == std::floor((near + moved) / 30.0))
            return from + span / 2.0;  // near a boundary without crossing it
        const double boundary =
            moved > 0 ? std::floor(near / 30.0 + 1.0) * 30.0 : std::floor(near / 30.0) * 30.0;
        return from + span * std::clamp((boundary - near) / moved, 0.0, 1.0);
    }

    Probe& probe_;
    Driver driver_;
    int direction_;
    bool everyMinute_;
};

// The runs on one side: how many steps each answer keeps its given value,
// or nothing where it keeps it through `horizon[item]` steps (items with a
// horizon of 0 are not asked for).
using SideRuns = std::array<std::optional<int>, kFirmnessItemCount>;
using Horizons = std::array<int, kFirmnessItemCount>;

// Reading every minute: for a side on which a reading fails.
SideRuns ScanSide(Probe& probe, int direction, const FirmnessValues& given,
                  const Horizons& horizon) {
    SideRuns runs{};
    std::array<bool, kFirmnessItemCount> settled{};
    const int last = *std::max_element(horizon.begin(), horizon.end());
    for (int step = 1; step <= last; ++step) {
        const Sample* sample = probe.Full(direction * step);
        for (std::size_t item = 0; item < runs.size(); ++item) {
            if (settled[item] || step > horizon[item]) continue;
            if (sample && sample->values[item] == given[item]) continue;
            settled[item] = true;
            runs[item] = step - 1;
        }
    }
    return runs;
}

SideRuns SearchSide(Probe& probe, const BirthDetails& birth, int direction,
                    const FirmnessValues& given, const Horizons& horizon) {
    const bool polar = std::fabs(LatitudeNorth(birth)) > kMonotoneAscendantLatitude;
    std::array<std::optional<IngressSearch>, kDriverCount> searches;
    for (int driver = 0; driver < kDriverCount; ++driver)
        searches[static_cast<std::size_t>(driver)].emplace(
            probe, static_cast<Driver>(driver), direction, polar && driver == kLagnaDriver);

    SideRuns runs{};
    std::array<bool, kFirmnessItemCount> settled{};
    // Each driver's next ingress from the current step: found up to `upTo`.
    struct Next {
        std::optional<int> ingress;
        int from = 0;
        int upTo = -1;
    };
    std::array<Next, kDriverCount> next{};
    try {
        for (int step = 0;;) {
            // How far each driver is wanted: as far as the answers reading it.
            std::array<int, kDriverCount> reach{};
            for (std::size_t item = 0; item < runs.size(); ++item) {
                if (settled[item] || horizon[item] <= step) continue;
                for (std::size_t driver = 0; driver < reach.size(); ++driver)
                    if (kItemDrivers[item] & (1u << driver))
                        reach[driver] = std::max(reach[driver], horizon[item]);
            }
            std::optional<int> nearest;
            for (std::size_t driver = 0; driver < reach.size(); ++driver) {
                if (reach[driver] <= step) continue;
                Next& n = next[driver];
                const bool known =
                    n.from <= step && (n.ingress ? *n.ingress >= step : n.upTo >= reach[driver]);
                if (!known) n = {searches[driver]->First(step, reach[driver]), step, reach[driver]};
                if (n.ingress && (!nearest || *n.ingress < *nearest)) nearest = n.ingress;
            }
            if (!nearest) break;

            // The answers that read a driver crossing there, at the first
            // step of the new cells.
            const int after = *nearest + 1;
            unsigned crossing = 0;
            for (std::size_t driver = 0; driver < reach.size(); ++driver)
                if (reach[driver] > step && next[driver].ingress == nearest)
                    crossing |= 1u << driver;
            const Sample* sample = nullptr;
            for (std::size_t item = 0; item < runs.size(); ++item) {
                if (settled[item] || horizon[item] < after || !(kItemDrivers[item] & crossing))
                    continue;
                bool changed = false;
                if (item == static_cast<std::size_t>(FirmnessItem::LagnaSign)) {
                    changed = true;  // an ingress of the ascendant is a new Lagna sign
                } else {
                    if (!sample) sample = probe.Full(direction * after);
                    if (!sample) throw Unreadable{};
                    changed = sample->values[item] != given[item];
                }
                if (!changed) continue;
                settled[item] = true;
                runs[item] = *nearest;
            }
            step = after;
        }
    } catch (const Unreadable&) {
        return ScanSide(probe, direction, given, horizon);
    }
    return runs;
}

struct SearchResult {
    std::optional<std::int64_t> givenMinute;
    std::array<FirmnessRun, kFirmnessItemCount> runs{};
    int searchedFrom = 0;
    int searchedTo = 0;
};

// The search up to `minutes[item]` minutes either side for each answer,
// clipped to the birth years; an answer given 0 is not searched.
SearchResult Search(const BirthDetails& birth, PositionsMode mode, const Horizons& minutes) {
    SearchResult result;
    Probe probe(birth, mode);
    const Sample* given = probe.Full(0);
    if (!given) return result;
    const FirmnessValues givenValues = given->values;
    const std::int64_t minute = ClockMinute(birth);
    result.givenMinute = minute;
    const auto within = [](std::int64_t room) {
        return static_cast<int>(std::clamp<std::int64_t>(room, 0, kFirmnessSearchMinutes));
    };
    result.searchedFrom = -within(minute - kFirstYearsMinute);
    result.searchedTo = within(kLastYearsMinute - minute);
    for (const int direction : {+1, -1}) {
        const int room = direction > 0 ? result.searchedTo : -result.searchedFrom;
        Horizons horizon{};
        for (std::size_t item = 0; item < horizon.size(); ++item)
            horizon[item] = std::min(room, minutes[item]);
        const SideRuns side = SearchSide(probe, birth, direction, givenValues, horizon);
        for (std::size_t item = 0; item < side.size(); ++item) {
            if (!side[item]) continue;
            (direction > 0 ? result.runs[item].to : result.runs[item].from) =
                direction * *side[item];
        }
    }
    return result;
}

// The nearest minute, counted from the given one, with another answer.
std::optional<int> NearestChange(const FirmnessRun& run) {
    std::optional<int> nearest;
    if (run.to) nearest = *run.to + 1;
    if (run.from && (!nearest || 1 - *run.from < *nearest)) nearest = *run.from - 1;
    return nearest;
}

int Distance(int offset) {
    return offset < 0 ? -offset : offset;
}

}  // namespace

BirthDetails BirthMinutesAway(const BirthDetails& birth, int minutes) {
    const ClockFields fields = FieldsOf(ClockMinute(birth) + minutes);
    BirthDetails moved = birth;
    moved.year = static_cast<std::int16_t>(fields.year);
    moved.month = static_cast<std::int16_t>(fields.month);
    moved.day = static_cast<std::int16_t>(fields.day);
    moved.hour = static_cast<std::int16_t>(fields.hour);
    moved.minute = static_cast<std::int16_t>(fields.minute);
    return moved;
}

std::optional<FirmnessValues> FirmnessValuesAt(const BirthDetails& birth, PositionsMode mode,
                                               int minutesFromGiven) {
    ChartReading reading;
    std::string refusal;
    if (!ComputeChartReading(BirthMinutesAway(birth, minutesFromGiven), mode, reading, refusal))
        return std::nullopt;
    return ValuesOf(reading);
}

Firmness FirmnessOf(const BirthDetails& birth, PositionsMode mode) {
    Horizons every;
    every.fill(kFirmnessSearchMinutes);
    const SearchResult found = Search(birth, mode, every);
    Firmness firmness;
    firmness.givenMinute = found.givenMinute;
    firmness.runs = found.runs;
    firmness.searchedFrom = found.searchedFrom;
    firmness.searchedTo = found.searchedTo;
    return firmness;
}

BatchFirmness BatchFirmnessOf(const BirthDetails& birth, PositionsMode mode) {
    Horizons asked{};
    asked[static_cast<std::size_t>(FirmnessItem::LagnaSign)] = kFirmnessSearchMinutes;
    for (const FirmnessItem item : kVerdicts)
        asked[static_cast<std::size_t>(item)] = kFirmnessWarningMinutes;
    const SearchResult found = Search(birth, mode, asked);
    BatchFirmness result;
    result.givenMinute = found.givenMinute;
    result.lagna = found.runs[static_cast<std::size_t>(FirmnessItem::LagnaSign)];
    Firmness verdicts;
    verdicts.runs = found.runs;
    result.verdictChangesSoon = VerdictChangesSoon(verdicts);
    return result;
}

bool VerdictChangesSoon(const Firmness& firmness) {
    for (FirmnessItem item : kVerdicts) {
        const auto change = NearestChange(firmness.of(item));
        if (change && Distance(*change) <= kFirmnessWarningMinutes) return true;
    }
    return false;
}

std::vector<std::string> FirmnessWarnings(const Firmness& firmness, const Catalogue& words) {
    if (!firmness.givenMinute) return {};
    // The Manglik status first, then the nearest first, in item order on a tie.
    std::vector<std::pair<int, std::size_t>> near;  // rank, item
    for (std::size_t item = 0; item < firmness.runs.size(); ++item) {
        const auto change = NearestChange(firmness.runs[item]);
        if (!change || Distance(*change) > kFirmnessWarningMinutes) continue;
        const bool status = item == static_cast<std::size_t>(FirmnessItem::ManglikStatus);
        near.emplace_back(status ? 0 : Distance(*change), item);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> lines;
    for (const auto& [rank, item] : near) {
        const FirmnessRun& run = firmness.runs[item];
        const bool later = *NearestChange(run) > 0;
        // The first minute of the later answer, as FirmnessHoldsText names it.
        const int named = later ? *run.to + 1 : *run.from;
        const int minutes = Distance(named);
        const std::string_view pattern =
            named == 0 ? Tr(words,
                            "{subject} changes at {time}, the given birth time: please check the "
                            "time.")
            : minutes == 1
                ? (later ? Tr(words,
                              "{subject} changes at {time}, 1 minute after the given birth time: "
                              "please check the time.")
                         : Tr(words,
                              "{subject} changes at {time}, 1 minute before the given birth time: "
                              "please check the time."))
            : later ? Tr(words,
                         "{subject} changes at {time}, {minutes} minutes after the given birth "
                         "time: please check the time.")
                    : Tr(words,
                         "{subject} changes at {time}, {minutes} minutes before the given birth "
                         "time: please check the time.");
        lines.push_back(Fill(pattern, {{"subject", Tr(words, FirmnessItemNames[item].subject)},
                                       {"time", FirmnessClockText(*firmness.givenMinute + named)},
                                       {"minutes", std::to_string(minutes)}}));
    }
    return lines;
}

std::string FirmnessWarning(const Firmness& firmness, const Catalogue& words) {
    std::vector<std::string> lines = FirmnessWarnings(firmness, words);
    return lines.empty() ? std::string() : std::move(lines.front());
}

std::vector<std::string> FirmnessFormWarnings(const Firmness& firmness, const Catalogue& words) {
    std::vector<std::string> lines = FirmnessWarnings(firmness, words);
    if (lines.size() <= kFirmnessFormLines) return lines;
    const std::size_t more = lines.size() - 1;
    lines.resize(1);
    lines.push_back(
        Fill(Tr(words, "and {count} more \u2014 see Details"), {{"count", std::to_string(more)}}));
    return lines;
}

std::string FirmnessDateTimeText(std::int64_t minute) {
    const ClockFields fields = FieldsOf(minute);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", fields.year, fields.month,
                  fields.day, fields.hour, fields.minute);
    return text;
}

std::string FirmnessClockText(std::int64_t minute) {
    return FirmnessDateTimeText(minute).substr(11);
}

std::string FirmnessHoldsText(const Firmness& firmness, FirmnessItem item, const Catalogue& words) {
    if (!firmness.givenMinute) return {};
    const std::int64_t given = *firmness.givenMinute;
    // Another day than the birth's is written with its date.
    auto when = [given](std::int64_t minute) {
        return FieldsOf(minute).day == FieldsOf(given).day ? FirmnessClockText(minute)
                                                           : FirmnessDateTimeText(minute);
    };
    // A side of the search that stops at the end of the birth years names
    // the years, not that minute.
    const bool fromYears = given + firmness.searchedFrom <= kFirstYearsMinute;
    const bool toYears = given + firmness.searchedTo >= kLastYearsMinute;
    const FirmnessRun& run = firmness.of(item);
    const std::string from =
        run.from ? when(given + *run.from)
        : fromYears
            ? Fill(Tr(words, "before {when}"), {{"when", std::to_string(kFirstBirthYear)}})
            : Fill(Tr(words, "before {when}"), {{"when", when(given + firmness.searchedFrom)}});
    const std::string to =
        run.to    ? when(given + *run.to)
        : toYears ? Fill(Tr(words, "after {when}"), {{"when", std::to_string(kLastBirthYear)}})
                  : Fill(Tr(words, "after {when}"), {{"when", when(given + firmness.searchedTo)}});
    return Fill(Tr(words, "holds from {from} to {to}"), {{"from", from}, {"to", to}});
}

}  // namespace orbalis
