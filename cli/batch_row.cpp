#include "cli/batch_row.h"

#include <charconv>

#include "charts/divisional_sign.h"
#include "cli/birth_arguments.h"
#include "dasha/dasha_birth.h"
#include "dasha/dasha_texts.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "model/moon_pada.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"
#include "model/utc_offset.h"
#include "reading/firmness.h"
#include "reading/input_rules.h"

namespace orbalis::cli {
namespace {

enum Column : std::size_t { kName, kDate, kTime, kZone, kLat, kLon, kDst, kCity, kState, kCountry };

bool Refuse(std::string message, BatchRowFields& fields) {
    fields.columns.fill({});
    fields.manglik.fill({});
    fields.dashaAtBirth.clear();
    fields.dashaBalance.clear();
    fields.dashaAt.clear();
    fields.error = std::move(message);
    fields.columns.back() = fields.error;
    return false;
}

void ReadingFields(const BatchReading& reading, BatchRowFields& fields) {
    const ChartReading& chart = reading.chart;
    std::size_t at = 0;
    auto put = [&](std::string_view text) { fields.columns[at++] = text; };
    put(chart.lagnaSign);
    const auto moonSign = SignOfPositionText(chart.planetPositionText[kMoon]);
    put(moonSign ? SignAbbreviations[static_cast<std::size_t>(*moonSign)] : std::string_view{});
    put(chart.nakshatra);
    put(chart.lord);
    put(chart.pada);
    constexpr std::string_view kPadaDigits[4] = {"1", "2", "3", "4"};
    put(kPadaDigits[MoonPada(chart.siderealDegrees[kMoon]) - 1]);
    for (int body = kSun; body <= kKetu; ++body)
        put(chart.planetPositionText[static_cast<std::size_t>(body)]);
    std::string& retrograde = fields.retrograde;
    retrograde.clear();
    for (std::size_t i = 0; i < kRetrogradeBodies.size(); ++i) {
        if (!reading.retrograde[i]) continue;
        if (!retrograde.empty()) retrograde += ' ';
        retrograde += kBodyNames[kRetrogradeBodies[i]];
    }
    put(retrograde);
    std::size_t reference = 0;
    for (const std::optional<KujaDoshaCount>* count : {&reading.fromLagna, &reading.fromMoon}) {
        std::array<char, 4>& house = fields.marsHouses[reference++];
        if (!*count) {
            for (int i = 0; i < 3; ++i) put({});
            continue;
        }
        const auto written =
            std::to_chars(house.data(), house.data() + house.size(), (*count)->marsHouse);
        put({house.data(), written.ptr});
        put((*count)->percentage);
        put(ManglikVerdict((*count)->manglik));
    }
    const std::optional<ClassicalKujaDosha> classical = AnalyseClassicalKujaDosha(chart);
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        put(classical ? ClassicalStatusWord(
                            classical->references[static_cast<std::size_t>(reference)].status())
                      : std::string_view{});
    }
    fields.manglik.fill({});
    if (classical) {
        const ManglikAssessment manglik = AssessManglik(*classical);
        fields.manglik[0] = NameOf(manglik.status).word;
        if (IsManglik(manglik.status)) fields.manglik[1] = NameOf(manglik.status).word;
    }
    // The Navamsa signs of the Lagna and the Moon.
    for (const Body body : {kAscendant, kMoon})
        put(SignAbbreviations[static_cast<std::size_t>(
            DivisionalSign(chart.siderealDegrees[body], Division::D9))]);
    put({});  // error
}

// The batch needs no listing: the running periods come from the Moon's place
// and the date alone.
void DashaFields(const BatchReading& reading, const dasha::DashaDate* at, BatchRowFields& fields) {
    const double moon = reading.chart.siderealDegrees[kMoon];
    const dasha::BirthBalance balance = dasha::BalanceAtBirth(moon);
    fields.dashaAtBirth = dasha::RunningLordsText(balance, dasha::PeriodsAtBirth(balance));
    fields.dashaBalance = dasha::YearsMonthsDaysText(balance.balanceYears);
    if (at) {
        fields.dashaAt = dasha::RunningLordsText(
            balance, dasha::PeriodsOnDate(dasha::DashaBirthOf(reading.birth, moon), *at));
    }
}

// A file naming ever new towns keeps no more than this many in memory.
constexpr std::size_t kTownsKept = 4096;

}  // namespace

const PlaceFill& BatchPlaces::Town(std::string_view query) {
    const std::string key(query);
    if (const auto known = towns_.find(key); known != towns_.end()) return known->second;
    if (towns_.size() >= kTownsKept) towns_.clear();
    return towns_.emplace(key, PlaceTexts(query, CandidateLayout::OneLine)).first->second;
}

bool ComputeBatchBirth(const CsvRow& row, const BatchHeader& header, PositionsMode mode,
                       BatchReading& scratch, std::string& refusal, BatchPlaces* places,
                       std::string_view prefix) {
    if (places) {
        for (std::string& field : places->fields) field.clear();
    }
    auto value = [&](Column column) -> std::string_view {
        const std::size_t at = header.columnOf[column];
        return at < row.fieldCount ? std::string_view(row.fields[at]) : std::string_view{};
    };
    BirthTexts texts{value(kName), value(kDate), value(kTime), value(kZone),  value(kLat),
                     value(kLon),  value(kDst),  value(kCity), value(kState), value(kCountry)};
    const std::string_view place = places && header.placeColumn < row.fieldCount
                                       ? TrimBlanks(row.fields[header.placeColumn])
                                       : std::string_view{};
    PlaceFill fill;
    if (!place.empty()) {
        fill = places->Town(place);
        if (fill.problem.empty()) AddPlaceClock(texts, fill);
        if (!fill.problem.empty()) {
            refusal = std::string(prefix) + std::string(kBatchPlaceColumn) + ": " + fill.problem;
            return false;
        }
        texts = WithPlace(texts, fill);
    }
    BirthEntries entries = EntriesFromTexts(texts);
    if (entries.problem) {
        refusal = std::string(prefix) + std::string(entries.column) + ": " + *entries.problem;
        return false;
    }
    const BirthDetails birth = BirthDetailsFromForm(entries.entries);
    if (!ComputeBatchReading(birth, mode, scratch, refusal)) return false;
    if (places) {
        places->fields[0] = UtcOffsetText(60 * BirthUtcOffsetMinutes(birth));
        if (fill.place) places->fields[1].assign(fill.place->zone);
        places->fields[2] = fill.note;
    }
    return true;
}

std::string RowWidthProblem(const CsvRow& row, const BatchHeader& header) {
    if (row.fieldCount == header.width) return {};
    return "this row has " + std::to_string(row.fieldCount) + " fields; the header names " +
           std::to_string(header.width);
}

bool ComputeBatchRow(const CsvRow& row, const BatchHeader& header, PositionsMode mode,
                     BatchReading& scratch, BatchRowFields& fields, BatchPlaces* places,
                     BatchFirmnessFields* firmness, const dasha::DashaDate* dashaAt) {
    if (places) {
        for (std::string& field : places->fields) field.clear();
    }
    if (firmness) {
        for (std::string& field : *firmness) field.clear();
    }
    if (std::string problem = RowWidthProblem(row, header); !problem.empty())
        return Refuse(std::move(problem), fields);
    std::string refusal;
    if (!ComputeBatchBirth(row, header, mode, scratch, refusal, places))
        return Refuse(std::move(refusal), fields);
    ReadingFields(scratch, fields);
    DashaFields(scratch, dashaAt, fields);
    if (firmness) {
        const BatchFirmness found = BatchFirmnessOf(scratch.birth, mode);
        if (found.givenMinute) {
            if (found.lagna.from)
                (*firmness)[0] = FirmnessDateTimeText(*found.givenMinute + *found.lagna.from);
            if (found.lagna.to)
                (*firmness)[1] = FirmnessDateTimeText(*found.givenMinute + *found.lagna.to);
            (*firmness)[2] = found.verdictChangesSoon ? "yes" : "no";
        }
    }
    return true;
}

}  // namespace orbalis::cli
