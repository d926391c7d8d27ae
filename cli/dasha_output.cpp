#include "cli/dasha_output.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/csv_output.h"
#include "cli/json_reading.h"
#include "cli/reading_summary.h"
#include "dasha/dasha_texts.h"
#include "model/days_in_month.h"
#include "model/text_utils.h"
#include "model/utc_offset.h"

namespace orbalis::cli {
namespace {

using Json = nlohmann::ordered_json;
using namespace orbalis::dasha;

// One period of the listing: its level and its index in that level.
struct Listed {
    int level;
    int index;
};

// The periods a listing shows, in the order of time, each followed by its
// sub-periods.
std::vector<Listed> ListedPeriods(const Vimshottari& dasha, const DashaListing& listing) {
    std::vector<Listed> listed;
    if (listing.at) {
        const RunningPeriods running = PeriodsOnDate(dasha.birth, *listing.at);
        for (int level = 0; level < listing.levels; ++level) {
            const int index = running.index[static_cast<std::size_t>(level)];
            if (index != kNoPeriod) listed.push_back({level, index});
        }
        return listed;
    }
    auto add = [&](auto& self, int level, int index) -> void {
        listed.push_back({level, index});
        if (level + 1 >= listing.levels) return;
        for (int sub = 0; sub < kLordCount; ++sub) self(self, level + 1, index * kLordCount + sub);
    };
    for (int m = 0; m < kMahadashaCount; ++m) add(add, 0, m);
    return listed;
}

const Period& PeriodOf(const Vimshottari& dasha, Listed listed) {
    return PeriodsOfLevel(dasha, listed.level)[static_cast<std::size_t>(listed.index)];
}

bool RunsAtBirth(const Vimshottari& dasha, Listed listed) {
    return dasha.atBirth.index[static_cast<std::size_t>(listed.level)] == listed.index;
}

std::string YearDaysText(const Vimshottari& dasha) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", DashaYearDays(dasha.birth.year));
    return text;
}

Json PeriodJson(const Vimshottari& dasha, Listed listed, int levels) {
    static constexpr std::string_view kSubPeriodKeys[] = {"antardashas", "pratyantardashas"};
    const Period& period = PeriodOf(dasha, listed);
    Json j;
    j["lord"] = LordName(period.lord);
    j["start"] = DateText(period.start);
    j["end"] = DateText(period.end);
    j["kujaPeriod"] = period.kujaPeriod;
    j["beforeBirth"] = period.beforeBirth;
    if (listed.level + 1 < levels) {
        Json subs = Json::array();
        for (int sub = 0; sub < kLordCount; ++sub)
            subs.push_back(
                PeriodJson(dasha, {listed.level + 1, listed.index * kLordCount + sub}, levels));
        j[std::string(kSubPeriodKeys[listed.level])] = std::move(subs);
    }
    return j;
}

}  // namespace

Json DashaJson(const Vimshottari& dasha, const DashaListing& listing) {
    Json j;
    j["system"] = "vimshottari";
    j["yearDays"] = DashaYearDays(dasha.birth.year);
    j["utcOffset"] = UtcOffsetText(60 * dasha.birth.utcOffsetMinutes);
    j["nakshatraNumber"] = dasha.balance.nakshatra + 1;
    j["lord"] = LordName(dasha.mahadashas[0].lord);
    j["partRun"] = dasha.balance.partRun;
    j["balanceYears"] = dasha.balance.balanceYears;
    j["balance"] = YearsMonthsDaysText(dasha.balance.balanceYears);
    j["atBirth"] = Json::array();
    for (int level = 0; level < listing.levels; ++level)
        j["atBirth"].push_back(LordName(PeriodLord(
            dasha.balance, level, dasha.atBirth.index[static_cast<std::size_t>(level)])));
    if (!listing.at) {
        j["mahadashas"] = Json::array();
        for (int m = 0; m < kMahadashaCount; ++m)
            j["mahadashas"].push_back(PeriodJson(dasha, {0, m}, listing.levels));
        return j;
    }
    j["date"] = DateText(*listing.at);
    j["running"] = Json::array();
    for (const Listed listed : ListedPeriods(dasha, listing)) {
        Json period = {{"level", kLevelNames[listed.level]}};
        period.update(PeriodJson(dasha, listed, 0));
        j["running"].push_back(std::move(period));
    }
    return j;
}

std::string DashaText(const FullReading& reading, const Vimshottari& dasha,
                      const DashaListing& listing, const Catalogue& words) {
    std::string text;
    auto line = [&text](std::string_view content) {
        text += content;
        text += '\n';
    };
    const std::string_view lord = Tr(words, LordName(dasha.mahadashas[0].lord));
    line(Fill(Tr(words, "Name:      {name}"), {{"name", reading.birth.name}}));
    line(BirthLine(reading.birth, words));
    line(Fill(Tr(words, "Nakshatra: {nakshatra}, lord {lord}"),
              {{"nakshatra", Tr(words, reading.chart.nakshatra)}, {"lord", lord}}));
    line(Fill(
        Tr(words, "Balance:   {balance} of the {lord} mahadasha at birth"),
        {{"balance", YearsMonthsDaysText(dasha.balance.balanceYears, words)}, {"lord", lord}}));
    line(PositionsModeMarker(reading.positions, reading.chart.builtInEphemeris, words));
    line(DatesAccuracyText(reading.positions, words));
    line(Fill(Tr(words, "Vimshottari dasha: years of {days} days, dates on the birth's clock"),
              {{"days", YearDaysText(dasha)}}));
    line("");

    const std::vector<Listed> listed = ListedPeriods(dasha, listing);
    if (listing.at) {
        if (listed.empty()) {
            line(Fill(Tr(words, "No period runs on {date}: the cycle runs from {start} to {end}"),
                      {{"date", DateText(*listing.at)},
                       {"start", DateText(dasha.mahadashas.front().start)},
                       {"end", DateText(dasha.mahadashas.back().end)}}));
            return text;
        }
        line(Fill(Tr(words, "Running on {date}:"), {{"date", DateText(*listing.at)}}));
    }
    // The lords column holds "    Mercury/Mercury/Mercury" and two blanks;
    // it is counted in columns, so that a translated one lines up too.
    static constexpr std::size_t kLordsWidth = 29;
    auto padded = [](std::string_view cell, std::size_t width) {
        return PaddedToColumns(cell, width);
    };
    line(padded(std::string(Tr(words, "Period")), kLordsWidth) +
         padded(std::string(Tr(words, "From")), 12) + std::string(Tr(words, "To")));
    for (const Listed each : listed) {
        const Period& period = PeriodOf(dasha, each);
        const std::string lords = std::string(2 * static_cast<std::size_t>(each.level), ' ') +
                                  PeriodLordsText(dasha.balance, each.level, each.index, words);
        std::string row =
            padded(lords, kLordsWidth) + DateText(period.start) + "  " + DateText(period.end);
        const std::string marks = PeriodMarksText(dasha, each.level, each.index, {}, words);
        line(marks.empty() ? row : row + "  " + marks);
    }
    return text;
}

std::string DashaJsonText(const FullReading& reading, const Vimshottari& dasha,
                          const DashaListing& listing) {
    Json j;
    j["positions"] = PositionsModeName(reading.positions);
    if (reading.chart.builtInEphemeris) j["ephemeris"] = kBuiltInEphemeris;
    j["name"] = reading.birth.name;
    j["dasha"] = DashaJson(dasha, listing);
    return JsonText(j);
}

std::optional<dasha::DashaDate> ParseDashaDate(std::string_view text) {
    auto digits = [text](std::size_t at, std::size_t count) {
        int value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const int year = digits(0, 4);
    const int month = digits(5, 2);
    const int day = digits(8, 2);
    if (year < 1 || !IsCalendarDate(year, month, day)) return std::nullopt;
    return dasha::DashaDate{static_cast<std::int16_t>(year), static_cast<std::int8_t>(month),
                            static_cast<std::int8_t>(day)};
}

std::string DashaCsv(const Vimshottari& dasha, const DashaListing& listing) {
    std::string csv;
    {
        CsvWriter writer(csv);
        for (const std::string_view column :
             {"level", "mahadasha", "antardasha", "pratyantardasha", "start", "end", "at_birth",
              "before_birth", "kuja_period"})
            writer.Field(column);
        writer.EndRow();
        auto yesNo = [](bool value) { return value ? "yes" : "no"; };
        constexpr std::string_view kLevelDigits[] = {"1", "2", "3"};
        for (const Listed each : ListedPeriods(dasha, listing)) {
            const Period& period = PeriodOf(dasha, each);
            writer.Field(kLevelDigits[each.level]);
            for (const std::string_view lord : PeriodLords(dasha.balance, each.level, each.index))
                writer.Field(lord);
            writer.Field(DateText(period.start));
            writer.Field(DateText(period.end));
            writer.Field(yesNo(RunsAtBirth(dasha, each)));
            writer.Field(yesNo(period.beforeBirth));
            writer.Field(yesNo(period.kujaPeriod));
            writer.EndRow();
        }
        writer.Flush();
    }
    return csv;
}

}  // namespace orbalis::cli
