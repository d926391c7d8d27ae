#include "clock/posix_zone_rule.h"

#include <date/date.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace orbalis {
namespace {

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return position_ == text_.size(); }
    bool Take(char c) {
        if (AtEnd() || text_[position_] != c) return false;
        ++position_;
        return true;
    }
    char Peek() const { return AtEnd() ? '\0' : text_[position_]; }

    // Either three or more letters, or anything between < and > ("<+0545>").
    std::optional<std::string> Name() {
        const std::size_t start = position_;
        if (Take('<')) {
            while (!AtEnd() && Peek() != '>') ++position_;
            if (!Take('>') || position_ - start < 3) return std::nullopt;
            return std::string(text_.substr(start + 1, position_ - start - 2));
        }
        while (!AtEnd() && std::isalpha(static_cast<unsigned char>(Peek()))) ++position_;
        if (position_ - start < 3) return std::nullopt;
        return std::string(text_.substr(start, position_ - start));
    }

    std::optional<int> Number(int most) {
        const std::size_t start = position_;
        int value = 0;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek()))) {
            value = value * 10 + (Peek() - '0');
            if (value > most) return std::nullopt;
            ++position_;
        }
        if (position_ == start) return std::nullopt;
        return value;
    }

    // [+-]h[:mm[:ss]], hours up to 167 as zone files allow.
    std::optional<int> SignedDuration() {
        int sign = 1;
        if (Take('-')) {
            sign = -1;
        } else {
            Take('+');
        }
        const auto hours = Number(167);
        if (!hours) return std::nullopt;
        int seconds = *hours * 3600;
        for (const int unit : {60, 1}) {
            if (!Take(':')) break;
            const auto part = Number(59);
            if (!part) return std::nullopt;
            seconds += *part * unit;
        }
        return sign * seconds;
    }

    std::optional<PosixZoneRule::ChangeDay> ChangeDay() {
        PosixZoneRule::ChangeDay day;
        using Form = PosixZoneRule::ChangeDay::Form;
        if (Take('M')) {
            const auto month = Number(12);
            if (!month || *month < 1 || !Take('.')) return std::nullopt;
            const auto week = Number(5);
            if (!week || *week < 1 || !Take('.')) return std::nullopt;
            const auto weekday = Number(6);
            if (!weekday) return std::nullopt;
            day.month = *month;
            day.week = *week;
            day.weekday = *weekday;
        } else {
            const bool julian = Take('J');
            const auto number = Number(365);
            if (!number || (julian && *number < 1)) return std::nullopt;
            day.form = julian ? Form::JulianNoLeap : Form::ZeroBased;
            day.day = *number;
        }
        if (Take('/')) {
            const auto time = SignedDuration();
            if (!time) return std::nullopt;
            day.localSeconds = *time;
        }
        return day;
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

constexpr std::int64_t kSecondsPerDay = 86400;

// First day of a change (local midnight, days from 1970) in the given year.
std::int64_t ChangeDayNumber(const PosixZoneRule::ChangeDay& change, int year) {
    using namespace date;
    using Form = PosixZoneRule::ChangeDay::Form;
    const sys_days newYear{date::year{year} / January / 1};
    switch (change.form) {
        case Form::JulianNoLeap: {
            int dayOfYear = change.day - 1;
            if (date::year{year}.is_leap() && change.day >= 60) ++dayOfYear;
            return (newYear + days{dayOfYear}).time_since_epoch().count();
        }
        case Form::ZeroBased:
            return (newYear + days{change.day}).time_since_epoch().count();
        case Form::MonthWeekDay:
            break;
    }
    const auto ym = date::year{year} / month{static_cast<unsigned>(change.month)};
    const weekday wanted{static_cast<unsigned>(change.weekday)};
    sys_days day = change.week == 5 ? sys_days{ym / wanted[last]}
                                    : sys_days{ym / wanted[static_cast<unsigned>(change.week)]};
    return day.time_since_epoch().count();
}

int CivilYearOf(std::int64_t seconds) {
    const date::sys_days day{date::days{seconds >= 0
                                            ? seconds / kSecondsPerDay
                                            : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay)}};
    return static_cast<int>(date::year_month_day{day}.year());
}

}  // namespace

std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text) {
    Reader reader(text);
    PosixZoneRule rule;
    const auto standardName = reader.Name();
    const auto standardWest = standardName ? reader.SignedDuration() : std::nullopt;
    if (!standardWest) return std::nullopt;
    rule.standardName = *standardName;
    rule.standardOffsetSeconds = -*standardWest;
    if (reader.AtEnd()) return rule;

    const auto daylightName = reader.Name();
    if (!daylightName) return std::nullopt;
    rule.hasDaylight = true;
    rule.daylightName = *daylightName;
    rule.daylightOffsetSeconds = rule.standardOffsetSeconds + 3600;
    if (reader.Peek() != ',') {
        const auto daylightWest = reader.SignedDuration();
        if (!daylightWest) return std::nullopt;
        rule.daylightOffsetSeconds = -*daylightWest;
    }
    // Zone files always state the change days; a rule without them is not one of theirs.
    if (!reader.Take(',')) return std::nullopt;
    const auto starts = reader.ChangeDay();
    const auto ends = starts && reader.Take(',') ? reader.ChangeDay() : std::nullopt;
    if (!ends || !reader.AtEnd()) return std::nullopt;
    rule.daylightStarts = *starts;
    rule.daylightEnds = *ends;
    return rule;
}

bool DaylightInForce(const PosixZoneRule& rule, std::int64_t universalSeconds) {
    if (!rule.hasDaylight) return false;
    // The changes of the year before and after as well, so that a change late in
    // December or early in January of the neighbouring year is seen.
    const int year = CivilYearOf(universalSeconds + rule.standardOffsetSeconds);
    struct Change {
        std::int64_t instant;
        bool toDaylight;
    };
    std::array<Change, 6> changes{};
    std::size_t count = 0;
    for (int y = year - 1; y <= year + 1; ++y) {
        changes[count++] = {ChangeDayNumber(rule.daylightStarts, y) * kSecondsPerDay +
                                rule.daylightStarts.localSeconds - rule.standardOffsetSeconds,
                            true};
        changes[count++] = {ChangeDayNumber(rule.daylightEnds, y) * kSecondsPerDay +
                                rule.daylightEnds.localSeconds - rule.daylightOffsetSeconds,
                            false};
    }
    std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        // A rule that keeps daylight time all year ends it at the very
        // instant it starts it again: the start wins.
        if (a.instant != b.instant) return a.instant < b.instant;
        return !a.toDaylight && b.toDaylight;
    });
    bool daylight = !changes.front().toDaylight;
    for (const Change& change : changes) {
        if (change.instant > universalSeconds) break;
        daylight = change.toDaylight;
    }
    return daylight;
}

}  // namespace orbalis
