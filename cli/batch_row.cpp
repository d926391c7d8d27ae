#include "cli/batch_row.h"

#include <charconv>

#include "app/input_rules.h"
#include "app/reference_tables.h"
#include "cli/birth_arguments.h"
#include "dosha/kuja_dosha.h"

namespace orbalis::cli {
namespace {

enum Column : std::size_t { kName, kDate, kTime, kZone, kLat, kLon, kDst, kCity, kState, kCountry };

bool Refuse(std::string message, BatchRowFields& fields) {
    for (std::string& field : fields) field.clear();
    fields.back() = std::move(message);
    return false;
}

void ReadingFields(const BatchReading& reading, BatchRowFields& fields) {
    const ChartReading& chart = reading.chart;
    std::size_t at = 0;
    auto put = [&](std::string_view text) { fields[at++].assign(text); };
    put(chart.lagnaSign);
    const auto moonSign = SignOfPositionText(chart.planetPositionText[kMoon]);
    put(moonSign ? SignAbbreviations[static_cast<std::size_t>(*moonSign)] : std::string_view{});
    put(chart.nakshatra);
    put(chart.lord);
    put(chart.pada);
    for (int body = kSun; body <= kKetu; ++body)
        put(chart.planetPositionText[static_cast<std::size_t>(body)]);
    std::string& retrograde = fields[at++];
    retrograde.clear();
    for (std::size_t i = 0; i < kRetrogradeNames.size(); ++i) {
        if (!reading.retrograde[i]) continue;
        if (!retrograde.empty()) retrograde += ' ';
        retrograde += kRetrogradeNames[i];
    }
    for (const std::optional<KujaDoshaCount>* count : {&reading.fromLagna, &reading.fromMoon}) {
        if (!*count) {
            for (int i = 0; i < 3; ++i) put({});
            continue;
        }
        char house[4];
        const auto written = std::to_chars(house, house + sizeof house, (*count)->marsHouse);
        put({house, written.ptr});
        put((*count)->percentage);
        put((*count)->manglik ? "Manglik" : "Non Manglik");
    }
    put({});  // error
}

}  // namespace

bool ComputeBatchRow(const CsvRow& row, const BatchHeader& header, BatchReading& scratch,
                     BatchRowFields& fields) {
    if (row.fieldCount != header.width)
        return Refuse("this row has " + std::to_string(row.fieldCount) +
                          " fields; the header names " + std::to_string(header.width),
                      fields);
    auto value = [&](Column column) -> std::string_view {
        return row.fields[header.columnOf[column]];
    };
    const BirthTexts texts{value(kName),  value(kDate), value(kTime),  value(kZone),
                           value(kLat),   value(kLon),  value(kDst),   value(kCity),
                           value(kState), value(kCountry)};
    BirthEntries entries = EntriesFromTexts(texts);
    if (entries.problem) return Refuse(std::string(entries.column) + ": " + *entries.problem, fields);
    ComputeBatchReading(BirthDetailsFromForm(entries.entries), scratch);
    ReadingFields(scratch, fields);
    return true;
}

}  // namespace orbalis::cli
