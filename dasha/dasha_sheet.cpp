#include "dasha/dasha_sheet.h"

#include <algorithm>
#include <cstdio>

#include "dasha/dasha_texts.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"
#include "model/utc_offset.h"

namespace orbalis::dasha {
namespace {

const Period& PeriodAt(const Vimshottari& dasha, int level, int index) {
    return PeriodsOfLevel(dasha, level)[static_cast<std::size_t>(index)];
}

// The Kuja period running today or the next to come: the Mars mahadasha as
// a whole, or else the Mars antardasha of another mahadasha.
std::string KujaLine(const Vimshottari& dasha, const DashaToday& today, const Catalogue& words) {
    for (int a = 0; a < kAntardashaCount; ++a) {
        const Period& antardasha = dasha.antardashas[static_cast<std::size_t>(a)];
        if (!antardasha.kujaPeriod || antardasha.end <= today.date) continue;
        const int m = a / kLordCount;
        const bool inMarsMahadasha = dasha.mahadashas[static_cast<std::size_t>(m)].lord == kMars;
        const Period& period =
            inMarsMahadasha ? dasha.mahadashas[static_cast<std::size_t>(m)] : antardasha;
        const std::string name = inMarsMahadasha ? std::string(Tr(words, "the Mars mahadasha"))
                                                 : PeriodLordsText(dasha.balance, 1, a, words);
        return Fill(
            period.start <= today.date
                ? Tr(words, "Kuja period running today: {period}, {start} to {end}")
                : Tr(words, "Next Kuja period: {period}, {start} to {end}"),
            {{"period", name}, {"start", DateText(period.start)}, {"end", DateText(period.end)}});
    }
    return Fill(Tr(words, "No Kuja period is left in the cycle, which ends {end}"),
                {{"end", DateText(dasha.mahadashas.back().end)}});
}

}  // namespace

DashaToday TodayOf(const Vimshottari& dasha, DashaDate date) {
    return {date, PeriodsOnDate(dasha.birth, date)};
}

std::string AgeText(DashaDate birth, DashaDate date, const Catalogue& words) {
    if (date < birth) return {};
    const int months =
        (date.year - birth.year) * 12 + (date.month - birth.month) - (date.day < birth.day ? 1 : 0);
    return Fill(Tr(words, "{years}y {months}m"),
                {{"years", std::to_string(months / 12)}, {"months", std::to_string(months % 12)}});
}

DashaRowText DashaRow(const Vimshottari& dasha, const DashaToday& today, int level, int index,
                      const Catalogue& words) {
    const Period& period = PeriodAt(dasha, level, index);
    DashaRowText row;
    row.lords = PeriodLordsText(dasha.balance, level, index, words);
    row.start = DateText(period.start);
    row.end = DateText(period.end);
    row.age = AgeText(BirthDate(dasha.birth), period.start, words);
    row.marks = PeriodMarksText(dasha, level, index, today.running, words);
    row.runningToday = today.running.index[static_cast<std::size_t>(level)] == index;
    row.kujaPeriod = period.kujaPeriod;
    row.beforeBirth = period.beforeBirth;
    return row;
}

DashaHeadText DashaHead(const Vimshottari& dasha, const DashaToday& today, PositionsMode mode,
                        bool builtInEphemeris, const Catalogue& words) {
    const std::string_view lord = Tr(words, LordName(dasha.mahadashas[0].lord));
    DashaHeadText head;
    head.nakshatra =
        Fill(Tr(words, "Nakshatra: {nakshatra}, lord {lord}"),
             {{"nakshatra",
               Tr(words, kNakshatraNames[static_cast<std::size_t>(dasha.balance.nakshatra)])},
              {"lord", lord}});
    head.balance =
        Fill(Tr(words, "Balance at birth: {balance} of the {lord} mahadasha"),
             {{"balance", YearsMonthsDaysText(dasha.balance.balanceYears, words)}, {"lord", lord}});
    const std::string running = RunningLordsText(dasha.balance, today.running, kLevelCount, words);
    head.today =
        running.empty()
            ? Fill(Tr(words, "No period runs today, {date}: the cycle runs from {start} to {end}"),
                   {{"date", DateText(today.date)},
                    {"start", DateText(dasha.mahadashas.front().start)},
                    {"end", DateText(dasha.mahadashas.back().end)}})
            : Fill(Tr(words, "Running today, {date}: {lords}"),
                   {{"date", DateText(today.date)}, {"lords", running}});
    head.kuja = KujaLine(dasha, today, words);
    char days[32];
    std::snprintf(days, sizeof days, "%.10g", DashaYearDays(dasha.birth.year));
    head.clock =
        Fill(Tr(words, "Dates on the birth's clock ({offset}), years of {days} days"),
             {{"offset", UtcOffsetForPeople(60 * dasha.birth.utcOffsetMinutes)}, {"days", days}});
    head.positions = PositionsModeMarker(mode, builtInEphemeris, words);
    head.accuracy = DatesAccuracyText(mode, words);
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
                           bool builtInEphemeris, std::string_view name, const Catalogue& words) {
    std::string text;
    auto line = [&text](std::string content) {
        content.erase(content.find_last_not_of(' ') + 1);
        text += content;
        text += '\n';
    };
    line(std::string(Tr(words, kDashaTitle)) + ": " + std::string(name));
    const DashaHeadText head = DashaHead(dasha, today, mode, builtInEphemeris, words);
    for (const std::string* each : {&head.nakshatra, &head.balance, &head.today, &head.kuja,
                                    &head.clock, &head.positions, &head.accuracy})
        line(*each);
    line("");

    // The period column holds "    Mercury/Mercury/Mercury" and two blanks;
    // widths count columns, not bytes, so that a translated table lines up.
    static constexpr std::size_t kWidths[] = {29, 12, 12, 14};
    auto cells = [](std::initializer_list<std::string> values) {
        std::string row;
        std::size_t column = 0;
        for (std::string value : values) {
            if (column < std::size(kWidths)) value = PaddedToColumns(value, kWidths[column]);
            row += value;
            ++column;
        }
        return row;
    };
    auto title = [&words](std::size_t column) {
        return std::string(Tr(words, kDashaColumnTitles[column]));
    };
    line(cells({title(0), title(1), title(2), title(3), title(4)}));
    auto row = [&](int level, int index) {
        const DashaRowText r = DashaRow(dasha, today, level, index, words);
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
    line(std::string(Tr(words, kKujaPeriodsNote)));
    return text;
}

}  // namespace orbalis::dasha
