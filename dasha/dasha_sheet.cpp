#include "dasha/dasha_sheet.h"

#include <algorithm>
#include <cstdio>

#include "dasha/dasha_texts.h"
#include "model/reference_tables.h"
#include "model/utc_offset.h"

namespace orbalis::dasha {
namespace {

const Period& PeriodAt(const Vimshottari& dasha, int level, int index) {
    return PeriodsOfLevel(dasha, level)[static_cast<std::size_t>(index)];
}

std::string SpanText(const Period& period) {
    return DateText(period.start) + " to " + DateText(period.end);
}

// The Kuja period running today or the next to come: the Mars mahadasha as
// a whole, or else the Mars antardasha of another mahadasha.
std::string KujaLine(const Vimshottari& dasha, const DashaToday& today) {
    for (int a = 0; a < kAntardashaCount; ++a) {
        const Period& antardasha = dasha.antardashas[static_cast<std::size_t>(a)];
        if (!antardasha.kujaPeriod || antardasha.end <= today.date) continue;
        const int m = a / kLordCount;
        const bool inMarsMahadasha = dasha.mahadashas[static_cast<std::size_t>(m)].lord == kMars;
        const Period& period =
            inMarsMahadasha ? dasha.mahadashas[static_cast<std::size_t>(m)] : antardasha;
        const std::string name =
            inMarsMahadasha ? "the Mars mahadasha" : PeriodLordsText(dasha.balance, 1, a);
        return (period.start <= today.date ? "Kuja period running today: " : "Next Kuja period: ") +
               name + ", " + SpanText(period);
    }
    return "No Kuja period is left in the cycle, which ends " +
           DateText(dasha.mahadashas.back().end);
}

}  // namespace

DashaToday TodayOf(const Vimshottari& dasha, DashaDate date) {
    return {date, PeriodsOnDate(dasha.birth, date)};
}

std::string AgeText(DashaDate birth, DashaDate date) {
    if (date < birth) return {};
    const int months =
        (date.year - birth.year) * 12 + (date.month - birth.month) - (date.day < birth.day ? 1 : 0);
    char text[24];
    std::snprintf(text, sizeof text, "%dy %dm", months / 12, months % 12);
    return text;
}

DashaRowText DashaRow(const Vimshottari& dasha, const DashaToday& today, int level, int index) {
    const Period& period = PeriodAt(dasha, level, index);
    DashaRowText row;
    row.lords = PeriodLordsText(dasha.balance, level, index);
    row.start = DateText(period.start);
    row.end = DateText(period.end);
    row.age = AgeText(BirthDate(dasha.birth), period.start);
    row.marks = PeriodMarksText(dasha, level, index, today.running);
    row.runningToday = today.running.index[static_cast<std::size_t>(level)] == index;
    row.kujaPeriod = period.kujaPeriod;
    row.beforeBirth = period.beforeBirth;
    return row;
}

DashaHeadText DashaHead(const Vimshottari& dasha, const DashaToday& today, PositionsMode mode,
                        bool builtInEphemeris) {
    const std::string lord(LordName(dasha.mahadashas[0].lord));
    DashaHeadText head;
    head.nakshatra =
        "Nakshatra: " +
        std::string(kNakshatraNames[static_cast<std::size_t>(dasha.balance.nakshatra)]) +
        ", lord " + lord;
    head.balance = "Balance at birth: " + YearsMonthsDaysText(dasha.balance.balanceYears) +
                   " of the " + lord + " mahadasha";
    const std::string running = RunningLordsText(dasha.balance, today.running, kLevelCount);
    head.today = running.empty()
                     ? "No period runs today, " + DateText(today.date) + ": the cycle runs from " +
                           DateText(dasha.mahadashas.front().start) + " to " +
                           DateText(dasha.mahadashas.back().end)
                     : "Running today, " + DateText(today.date) + ": " + running;
    head.kuja = KujaLine(dasha, today);
    char days[32];
    std::snprintf(days, sizeof days, "%.10g", DashaYearDays(dasha.birth.year));
    head.clock = "Dates on the birth's clock (" +
                 UtcOffsetForPeople(60 * dasha.birth.utcOffsetMinutes) + "), years of " + days +
                 " days";
    head.positions = PositionsModeMarker(mode, builtInEphemeris);
    head.accuracy = DatesAccuracyText(mode);
    return head;
}

std::optional<int> NextMarsMahadasha(const Vimshottari& dasha, const DashaToday& today) {
    for (int m = 0; m < kMahadashaCount; ++m) {
        const Period& period = dasha.mahadashas[static_cast<std::size_t>(m)];
        if (period.lord == kMars && today.date < period.start) return m;
    }
    return std::nullopt;
}

std::string DashaSheetText(const Vimshottari& dasha, const DashaToday& today, PositionsMode mode,
                           bool builtInEphemeris, std::string_view name) {
    std::string text;
    auto line = [&text](std::string content) {
        content.erase(content.find_last_not_of(' ') + 1);
        text += content;
        text += '\n';
    };
    line(std::string(kDashaTitle) + ": " + std::string(name));
    const DashaHeadText head = DashaHead(dasha, today, mode, builtInEphemeris);
    for (const std::string* each : {&head.nakshatra, &head.balance, &head.today, &head.kuja,
                                    &head.clock, &head.positions, &head.accuracy})
        line(*each);
    line("");

    // The period column holds "    Mercury/Mercury/Mercury" and two blanks.
    static constexpr std::size_t kWidths[] = {29, 12, 12, 14};
    auto cells = [](std::initializer_list<std::string> values) {
        std::string row;
        std::size_t column = 0;
        for (std::string value : values) {
            if (column < std::size(kWidths))
                value.resize(std::max(value.size(), kWidths[column]), ' ');
            row += value;
            ++column;
        }
        return row;
    };
    line(cells({std::string(kDashaColumnTitles[0]), std::string(kDashaColumnTitles[1]),
                std::string(kDashaColumnTitles[2]), std::string(kDashaColumnTitles[3]),
                std::string(kDashaColumnTitles[4])}));
    auto row = [&](int level, int index) {
        const DashaRowText r = DashaRow(dasha, today, level, index);
        line(cells({std::string(2 * static_cast<std::size_t>(level), ' ') + r.lords, r.start, r.end,
                    r.age, r.marks}));
    };
    for (int m = 0; m < kMahadashaCount; ++m) {
        row(0, m);
        for (int a = m * kLordCount; a < (m + 1) * kLordCount; ++a) {
            row(1, a);
            if (today.running.index[1] != a) continue;
            for (int p = a * kLordCount; p < (a + 1) * kLordCount; ++p) row(2, p);
        }
    }
    line("");
    line(std::string(kKujaPeriodsNote));
    return text;
}

}  // namespace orbalis::dasha
