#include "reading/firmness.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "model/chart_reading.h"
#include "model/moon_pada.h"
#include "model/reference_tables.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/kuja_dosha.h"
#include "positions/ascendant.h"
#include "reading/reading.h"

namespace orbalis {

const std::array<FirmnessItemName, kFirmnessItemCount> FirmnessItemNames = {{
    {"lagnaSign", "The Lagna", "Lagna sign"},
    {"moonSign", "The Moon sign", "Moon sign"},
    {"nakshatra", "The nakshatra", "Nakshatra"},
    {"moonPada", "The Moon's pada", "Moon's pada"},
    {"marsHouseFromLagna", "Mars's house from the Lagna", "Mars's house from the Lagna"},
    {"marsHouseFromMoon", "Mars's house from the Moon", "Mars's house from the Moon"},
    {"verdictFromLagna", "The verdict from the Lagna", "Verdict from the Lagna"},
    {"verdictFromMoon", "The verdict from the Moon", "Verdict from the Moon"},
    {"classicalLagna", "The classical verdict from the Lagna", "Classical, from the Lagna"},
    {"classicalMoon", "The classical verdict from the Moon", "Classical, from the Moon"},
    {"classicalVenus", "The classical verdict from Venus", "Classical, from Venus"},
}};

namespace {

using namespace std::chrono;

constexpr int kCoarseStep = 20;
constexpr int kSlots = 2 * kFirmnessSearchMinutes + 1;

constexpr std::array<FirmnessItem, 5> kVerdicts = {
    FirmnessItem::VerdictFromLagna, FirmnessItem::VerdictFromMoon, FirmnessItem::ClassicalLagna,
    FirmnessItem::ClassicalMoon, FirmnessItem::ClassicalVenus};

// The birth's clock minute, 1970-01-01 00:00 being 0; hour 24 is the next day.
std::int64_t ClockMinute(const BirthDetails& birth) {
    const sys_days day = year{birth.year} / month{static_cast<unsigned>(birth.month)} /
                         std::chrono::day{static_cast<unsigned>(birth.day)};
    return day.time_since_epoch().count() * 1440LL + birth.hour * 60LL + birth.minute;
}

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
                static_cast<int>(classical->references[static_cast<std::size_t>(reference)].status());
    }
    return values;
}

// Readings at minutes from the given one, each computed once.
class Probe {
  public:
    Probe(const BirthDetails& birth, PositionsMode mode) : birth_(birth), mode_(mode) {}

    const std::optional<FirmnessValues>& At(int offset) {
        auto& slot = slots_[static_cast<std::size_t>(offset + kFirmnessSearchMinutes)];
        if (!slot.known) {
            slot.known = true;
            slot.values = FirmnessValuesAt(birth_, mode_, offset);
        }
        return slot.values;
    }

  private:
    struct Slot {
        bool known = false;
        std::optional<FirmnessValues> values;
    };
    const BirthDetails& birth_;
    PositionsMode mode_;
    std::array<Slot, kSlots> slots_{};
};

// One side of the search: the first change of each answer going away from
// the given minute. Readings every kCoarseStep minutes, then halving between
// two readings that differ in an answer not yet settled.
class SideSearch {
  public:
    SideSearch(Probe& probe, int direction) : probe_(probe), direction_(direction) {}

    // The last minute before each answer first changes, or nothing.
    std::array<std::optional<int>, kFirmnessItemCount> Run() {
        for (int near = 0; near != direction_ * kFirmnessSearchMinutes && open_ > 0;) {
            int far = near + direction_ * kCoarseStep;
            if (direction_ * far > kFirmnessSearchMinutes) far = direction_ * kFirmnessSearchMinutes;
            Split(near, far);
            near = far;
        }
        return last_;
    }

  private:
    const FirmnessValues* Values(int offset) {
        const auto& values = probe_.At(offset);
        return values ? &*values : nullptr;
    }

    bool Differ(int near, int far) {
        const FirmnessValues* a = Values(near);
        const FirmnessValues* b = Values(far);
        if (!a || !b) return a != b;
        for (int item = 0; item < kFirmnessItemCount; ++item)
            if (!settled_[item] && (*a)[item] != (*b)[item]) return true;
        return false;
    }

    void Split(int near, int far) {
        if (open_ == 0 || !Differ(near, far)) return;
        if (far - near == direction_) {
            const FirmnessValues* a = Values(near);
            const FirmnessValues* b = Values(far);
            for (int item = 0; item < kFirmnessItemCount; ++item) {
                if (settled_[item] || (a && b && (*a)[item] == (*b)[item])) continue;
                settled_[item] = true;
                last_[item] = near;
                --open_;
            }
            return;
        }
        const int middle = near + (far - near) / 2;
        Split(near, middle);
        Split(middle, far);
    }

    Probe& probe_;
    int direction_;
    std::array<bool, kFirmnessItemCount> settled_{};
    std::array<std::optional<int>, kFirmnessItemCount> last_{};
    int open_ = kFirmnessItemCount;
};

// The nearest minute, counted from the given one, at which a run ends: the
// first minute with another answer.
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
    Firmness firmness;
    Probe probe(birth, mode);
    if (!probe.At(0)) return firmness;
    firmness.givenMinute = ClockMinute(birth);
    const auto later = SideSearch(probe, +1).Run();
    const auto earlier = SideSearch(probe, -1).Run();
    for (std::size_t item = 0; item < firmness.runs.size(); ++item)
        firmness.runs[item] = FirmnessRun{earlier[item], later[item]};
    return firmness;
}

BatchFirmness BatchFirmnessOf(const BirthDetails& birth, PositionsMode mode) {
    BatchFirmness result;
    const std::optional<FirmnessValues> given = FirmnessValuesAt(birth, mode, 0);
    if (!given) return result;
    result.givenMinute = ClockMinute(birth);

    // The Lagna only moves on, so "another sign than at the given minute" is
    // false up to the first change and true after it: one bisection a side.
    auto lagnaAt = [&](int offset) -> int {
        if (mode == PositionsMode::Classic) {
            ChartReading reading;
            ComputeAscendantAndAyanamsa(BirthMinutesAway(birth, offset), reading);
            const std::string_view text = reading.lagnaPositionText;
            return SignIndex(text.substr(text.size() >= 3 ? text.size() - 3 : 0)).value_or(-1);
        }
        const auto values = FirmnessValuesAt(birth, mode, offset);
        return values ? (*values)[static_cast<std::size_t>(FirmnessItem::LagnaSign)] : -1;
    };
    const int lagna = lagnaAt(0);
    for (const int direction : {+1, -1}) {
        int same = 0;
        int other = direction * kFirmnessSearchMinutes;
        if (lagnaAt(other) == lagna) continue;
        while (other - same != direction) {
            const int middle = same + (other - same) / 2;
            (lagnaAt(middle) == lagna ? same : other) = middle;
        }
        (direction > 0 ? result.lagna.to : result.lagna.from) = same;
    }

    for (const int offset : {-kFirmnessWarningMinutes, kFirmnessWarningMinutes}) {
        const auto values = FirmnessValuesAt(birth, mode, offset);
        for (FirmnessItem item : kVerdicts) {
            const auto at = static_cast<std::size_t>(item);
            if (!values || (*values)[at] != (*given)[at]) result.verdictChangesSoon = true;
        }
    }
    return result;
}

bool VerdictChangesSoon(const Firmness& firmness) {
    for (FirmnessItem item : kVerdicts) {
        const auto change = NearestChange(firmness.of(item));
        if (change && Distance(*change) <= kFirmnessWarningMinutes) return true;
    }
    return false;
}

std::vector<std::string> FirmnessWarnings(const Firmness& firmness) {
    if (!firmness.givenMinute) return {};
    std::vector<std::pair<int, std::size_t>> near;  // distance, item
    for (std::size_t item = 0; item < firmness.runs.size(); ++item) {
        const auto change = NearestChange(firmness.runs[item]);
        if (change && Distance(*change) <= kFirmnessWarningMinutes)
            near.emplace_back(Distance(*change), item);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> lines;
    for (const auto& [minutes, item] : near) {
        const int change = *NearestChange(firmness.runs[item]);
        lines.push_back(std::string(FirmnessItemNames[item].subject) + " changes at " +
                        FirmnessClockText(*firmness.givenMinute + change) + ", " +
                        std::to_string(minutes) + (minutes == 1 ? " minute " : " minutes ") +
                        (change > 0 ? "after" : "before") +
                        " the given birth time: please check the time.");
    }
    return lines;
}

std::string FirmnessWarning(const Firmness& firmness) {
    std::vector<std::string> lines = FirmnessWarnings(firmness);
    return lines.empty() ? std::string() : std::move(lines.front());
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

std::string FirmnessHoldsText(const Firmness& firmness, FirmnessItem item) {
    if (!firmness.givenMinute) return {};
    const std::int64_t given = *firmness.givenMinute;
    // Another day than the birth's is written with its date.
    auto when = [given](std::int64_t minute) {
        return FieldsOf(minute).day == FieldsOf(given).day ? FirmnessClockText(minute)
                                                           : FirmnessDateTimeText(minute);
    };
    const FirmnessRun& run = firmness.of(item);
    std::string text = "holds from ";
    text += run.from ? when(given + *run.from) : "before " + when(given - kFirmnessSearchMinutes);
    text += " to ";
    text += run.to ? when(given + *run.to) : "after " + when(given + kFirmnessSearchMinutes);
    return text;
}

}  // namespace orbalis
